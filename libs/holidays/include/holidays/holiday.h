#pragma once

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>
#include <QSharedDataPointer>
#include <QString>

#include "holidays/holidaydata.h"

namespace holidays {

// A public holiday described as a rule that finds its day in any year. Implicitly shared;
// copies detach on the first write.
//
// Rule types: 0 the same day every year, 1 a weekday before or after a base date, 2 days from
// Easter Sunday, 3 days from the Chinese New Year, 4 one dated event, 5 like 1 with the base
// date being the n-th weekday of a month (startDay = week * 10 + weekday, both one-based,
// week 5 the last). For types 1 and 5 startOffset is the weekday step and endOffset the
// duration in days; for types 2 and 3 they are day offsets from the anchor.
class Holiday {
public:
    enum Type {
        YearlyFixed = 0,
        FreeRule = 1,
        EasterRelative = 2,
        ChineseNewYearRelative = 3,
        FixedOnce = 4,
        WeekOfMonth = 5,
    };

    // Rules read from a file and the registry's yearly entries use this year for day and month
    // only; a leap year, so 29 February stays a valid date.
    static constexpr int YearlyRuleYear = 2008;
    // The years for which the registry lists the dates of moving holidays.
    static constexpr int FirstRegistryYear = 2008;
    static constexpr int LastRegistryYear = 2099;

    // A rule of no type: isValid() is false, it gives no view object and no dates.
    Holiday();
    Holiday(const QString& name, int type, int startOffset, int startDay, int startMonth, int startYear,
            int startHour, int endOffset, int endDay, int endYear, int endMonth, int endHour);
    Holiday(const QString& name, int type);
    // From the object the holiday views exchange (see data()).
    explicit Holiday(const QJsonObject& viewObject);

    // From a rule record of a holiday data file.
    static Holiday fromJson(const QJsonObject& record);

    bool isValid() const;

    QString name() const { return d->name; }
    int type() const { return d->type; }
    int startOffset() const { return d->startOffset; }
    int startDay() const { return d->startDay; }
    int startMonth() const { return d->startMonth; }
    int startYear() const { return d->startYear; }
    int startHour() const { return d->startHour; }
    int endOffset() const { return d->endOffset; }
    int endDay() const { return d->endDay; }
    int endMonth() const { return d->endMonth; }
    int endYear() const { return d->endYear; }
    int endHour() const { return d->endHour; }

    // The object the holiday views show and edit; empty for a rule of unknown type.
    QJsonObject data() const;
    // The rule record of a holiday data file: every value a decimal string.
    QJsonObject json() const;
    // Registry entries {"name", "yearly", "date"}: one yearly entry for type 0, one entry for
    // type 4, one per registry year for types 1, 2 and 5, none for type 3.
    QJsonArray holidays() const;

    // The first day of the holiday in a year; invalid when the rule has none that year
    // (type 3, a 29 February base outside leap years, a one-off rule of another year).
    QDate dateInYear(int year) const;

private:
    QDate weekdayStepFrom(const QDate& base) const;
    QJsonObject registryEntry(const QDate& date, bool yearly) const;

    QSharedDataPointer<HolidayData> d;
};

} // namespace holidays
