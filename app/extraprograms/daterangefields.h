#pragma once

#include <storage/daterange.h>

#include <QDateTime>
#include <QJsonObject>
#include <QMetaType>

// Every editable field of a date range, taken as a value: an undo step puts back the fields its
// edit changed, including the dates that a change of type moved into or out of the leap reference
// year.
struct DateRangeFields {
    int type = 0;
    QDateTime startDate;
    QDateTime endDate;
    int startDay = 0;
    int endDay = 0;
    int duration = 0;
    int repeat = 0;
    int weekRuleDay = 0;
    int weekRuleWeekDay = 0;
    int weekRuleMonth = 0;

    static DateRangeFields of(const storage::DateRange& range);
    // A new range of that type from start to end, with those day offsets and the rest as new.
    static DateRangeFields ofNewRange(int type, const QDateTime& start, const QDateTime& end, int startDay,
                                      int endDay);
    // A range of a clipboard document (the form of storage::DateRange::toJsonObject). Members that
    // are missing or unreadable keep the values of a new range; "holiday" and unknown types read
    // as fixed dates; a yearly range is placed in the leap reference year.
    static DateRangeFields fromJsonObject(const QJsonObject& object);
    void writeTo(storage::DateRange& range) const;
    // Writes the fields in which this differs from other.
    void writeChangesTo(storage::DateRange& range, const DateRangeFields& other) const;

    bool operator==(const DateRangeFields&) const = default;

private:
    // All fields, or those that differ from other.
    void write(storage::DateRange& range, const DateRangeFields* other) const;
};

Q_DECLARE_METATYPE(DateRangeFields)
