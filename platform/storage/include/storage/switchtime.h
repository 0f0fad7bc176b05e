#pragma once

#include <QExplicitlySharedDataPointer>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QSet>
#include <QTime>

#include <utils/weekdays.h>

namespace storage {

class Database;

// One switch time of a program. A SwitchTime is a handle: copies share one record, so a setter
// called on any copy changes the record in every list that holds it. A default-built switch time
// is a new record (a switch, off, no weekday, 00:00) with id 0 until store() writes it.
//
// Weekdays are a bit set: day index d (0 Monday .. 6 Sunday) is bit 1 << (7 - d), so 254 is the
// whole week and bit 0 never is a start day. The end day is one such bit, 1 for "endless" (a cycle
// without end) or -1: no single end day (a fixed switch time that ends on each of its start days,
// see setMultipleEndDays()). Times are seconds since midnight; 86400 marks an entry that is
// switched off (extra-program switch times).
class SwitchTime {
    Q_GADGET

public:
    enum Type { Switch = 0, Impuls = 1, Cycle = 2, FixSwitch = 3 };
    Q_ENUM(Type)
    enum State { Off = 0, On = 1, FixOff = 2, FixOn = 3 };
    Q_ENUM(State)

    static constexpr int AllDays = utils::Weekdays::AllDays;
    static constexpr int EndlessDay = utils::Weekdays::Endless;
    static constexpr int NoSingleEndDay = -1;
    static constexpr int SecondsPerDay = 86400;
    static constexpr int SecondsPerWeek = 7 * SecondsPerDay;

    // A stretch of the week in seconds from Monday 00:00, closed at its start and open at its end
    // (two ranges that only touch do not overlap). It wraps from Sunday to Monday: a range whose
    // end passes the end of the week ends before its start.
    class Range {
    public:
        // From the weekday bit dayBit (the first set bit when several are given) at startTime,
        // lasting duration seconds (at most a week).
        Range(int dayBit, int startTime, int duration);
        // From the first day of startDays at startTime to endDay at endTime. An endless end day
        // covers the whole week; no single end day (0 or negative) ends on the start day. An end
        // equal to the start covers the whole week.
        Range(int startDays, int startTime, int endDay, int endTime);
        // The range a stored switch time occupies: impulses by their pulse, the others from start
        // to end day and time.
        explicit Range(const SwitchTime& switchTime);

        int start() const { return m_start; }
        int end() const { return (m_start + m_length) % SecondsPerWeek; }
        int length() const { return m_length; }
        bool isOverlapping(const Range& other) const;

    private:
        int m_start = 0;
        int m_length = 0;
    };

    SwitchTime();
    SwitchTime(Type type, State state, int startTime, int startDays);
    ~SwitchTime();
    SwitchTime(const SwitchTime& other);
    SwitchTime& operator=(const SwitchTime& other);

    qint64 id() const;
    // Writes a new record to the database and gives it its id; a record that has an id already is
    // left alone (its project's save writes its changes). False when the database cannot be written.
    bool store();

    int type() const;
    void setType(int type);
    int state() const;
    void setState(int state);
    int startDays() const;
    void setStartDays(int days);
    int endDay() const;
    void setEndDay(int day);
    void setMultipleEndDays();
    int startTime() const;
    void setStartTime(int seconds);
    int endTime() const;
    void setEndTime(int seconds);
    int pulsTime() const;
    void setPulsTime(int seconds);
    int pauseTime() const;
    void setPauseTime(int seconds);

    QTime startQTime() const;
    QTime endQTime() const;
    QTime pulsQTime() const;
    QTime pauseQTime() const;

    // Number of start days.
    int numDays() const;
    // End day as an index: 0 Monday .. 6 Sunday, 7 endless, -1 without a single end day.
    int endDayIndex() const;
    // Seven flags, Monday first. Without a single end day the switch time ends on each start day.
    QList<bool> startDaysList() const;
    QList<bool> endDaysList() const;

    // Grid rows of the start days when the week starts on day firstDayOfWeek (0 Monday): row r
    // shows day (firstDayOfWeek + r) mod 7.
    QSet<int> rows(int firstDayOfWeek) const;
    // Row of the first start day (the lowest row; 0 without start day).
    int fixStart(int firstDayOfWeek) const;
    // Row of the end day; the last row (6) for an endless end day, the start row without a single
    // end day.
    int fixEnd(int firstDayOfWeek) const;

    // Clipboard form, without the id: "type", "state", "start-time", "end-time", "start-days"
    // (the start days reduced to mask), "end-day" (unchanged by the mask), "puls-time",
    // "pause-time". Equal forms for mask 254 mean equal switch times.
    QJsonObject toJsonObject(int mask) const;
    // The clipboard form over all weekdays plus "days" (the day indexes, Monday 0) and the clock
    // texts "start", "end", "puls" and "pause" as "HH:mm:ss".
    QJsonObject tooltipInfo() const;

    // Stable sort by successive keys: 0 none, 1 start time, 2 first start day (Monday first),
    // 3 state, 4 type; orders[i] 1 sorts key i descending, anything else ascending.
    static void sort(QList<SwitchTime>& list, const QList<int>& keys, const QList<int>& orders);

    static QString typeName(int type);
    static QString stateName(int state);
    // Index of the earliest day set (0 Monday); without a day 6 (Sunday) and 7 respectively.
    static int dayIndexOfBit(int dayBit);
    static int firstDayIndex(int days);

    // True when both handles name the same record.
    bool operator==(const SwitchTime& other) const { return d == other.d; }
    // Hashes the record, like operator==, so that sets of switch times hold records.
    friend size_t qHash(const SwitchTime& s, size_t seed = 0) noexcept { return qHash(s.d.data(), seed); }

private:
    friend class Database;
    struct Record;
    QExplicitlySharedDataPointer<Record> d;
};

} // namespace storage

Q_DECLARE_METATYPE(storage::SwitchTime)
