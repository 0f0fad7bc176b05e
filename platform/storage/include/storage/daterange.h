#pragma once

#include <QDateTime>
#include <QExplicitlySharedDataPointer>
#include <QJsonObject>
#include <QObject>

namespace storage {

class Database;

// One date range of an extra program. A DateRange is a handle: copies share one record, so a
// setter called on any copy changes the record in every list that holds it.
//
// Start and end are wall-clock readings without a zone, carried in UTC (see utils::WallClock).
// A new range starts today 00:00 and ends tomorrow 00:00, with start and end day -255 ("not
// set"), duration 1 hour, repeat every 2 days and the week rule "first Monday of every month"
// (1, 1, 0). Its id is 0 until store() writes it.
class DateRange {
    Q_GADGET

public:
    // Holiday: a range taken over from a holiday set; on the clipboard it is "holiday" and it is
    // pasted as a fixed range.
    enum Type { FixYear = 0, Yearly = 1, Easter = 2, Serie = 3, WeekRule = 4, ChineseNewYear = 5, Holiday = 6 };
    Q_ENUM(Type)

    static constexpr int NotSet = -255;
    // Yearly ranges keep their dates in this leap year, so that they can hold 29 February.
    static constexpr int LeapReferenceYear = 2008;

    explicit DateRange(Type type = FixYear);
    ~DateRange();
    DateRange(const DateRange& other);
    DateRange& operator=(const DateRange& other);

    qint64 id() const;
    // Writes a new record to the database and gives it its id; a record that has an id already is
    // left alone (its project's save writes its changes). False when the database cannot be written.
    bool store();

    int type() const;
    void setType(int type);
    QDateTime startDate() const;
    void setStartDate(const QDateTime& start);
    QDateTime endDate() const;
    void setEndDate(const QDateTime& end);
    // Day offsets from Easter Sunday or the Chinese New Year (types 2 and 5).
    int startDay() const;
    void setStartDay(int day);
    int endDay() const;
    void setEndDay(int day);
    // Length of a week-rule range, in hours.
    int duration() const;
    void setDuration(int hours);
    // Interval of a series, in days.
    int repeat() const;
    void setRepeat(int days);
    // Week rule: occurrence 1 to 5 (5 the last), weekday 1 Monday to 7 Sunday, month 0 every
    // month or 1 to 12.
    int weekRuleDay() const;
    void setWeekRuleDay(int day);
    int weekRuleWeekDay() const;
    void setWeekRuleWeekDay(int weekDay);
    int weekRuleMonth() const;
    void setWeekRuleMonth(int month);

    // Moves start and end (same month, day and time) into the leap reference year.
    void setLeapYear();
    // Moves start and end into the current year; 29 February becomes 1 March in a common year.
    void setCurrentYear();

    // Clipboard form, without the id: "type" ("fix-year", "yearly", "easter", "serie",
    // "week-rule", "cny", "holiday"), "start-date" and "end-date" (Julian day numbers),
    // "start-time" and "end-time" (milliseconds since midnight), "start-day", "end-day",
    // "duration", "repeat", "week-rule-day", "week-rule-week-day", "week-rule-month".
    QJsonObject toJsonObject() const;

    static QString typeName(int type);

    // True when both handles name the same record.
    bool operator==(const DateRange& other) const { return d == other.d; }
    // Hashes the record, like operator==, so that sets of date ranges hold records.
    friend size_t qHash(const DateRange& range, size_t seed = 0) noexcept { return qHash(range.d.data(), seed); }

private:
    friend class Database;
    struct Record;
    QExplicitlySharedDataPointer<Record> d;
};

} // namespace storage

Q_DECLARE_METATYPE(storage::DateRange)
