#pragma once

#include <QObject>
#include <QStringList>

#include <utils/singleton.h>

#include "dateformatsetting.h"
#include "daysetting.h"

// The user's calendar preferences (date format, first day of the week), kept in the settings
// store, and the weekday and month names of the interface language.
class CalendarSettings : public QObject, public utils::Singleton<CalendarSettings> {
    Q_OBJECT
    Q_PROPERTY(DateFormatSetting* dateFormat READ dateFormat CONSTANT)
    Q_PROPERTY(DaySetting* firstDayOfTheWeek READ firstDayOfTheWeek CONSTANT)
    Q_PROPERTY(QStringList shortWeekDays READ shortWeekDays NOTIFY shortWeekDaysChanged)
    Q_PROPERTY(QStringList shortWeekDaysUnordered READ shortWeekDaysUnordered NOTIFY shortWeekDaysUnorderedChanged)
    Q_PROPERTY(QStringList longWeekDaysUnordered READ longWeekDaysUnordered NOTIFY longWeekDaysUnorderedChanged)

public:
    inline static CalendarSettings* m_instance = nullptr;

    explicit CalendarSettings(QObject* parent = nullptr);
    ~CalendarSettings() override;

    DateFormatSetting* dateFormat();
    DaySetting* firstDayOfTheWeek();
    // Starting at the chosen first day; Monday first when none is chosen.
    QStringList shortWeekDays() const;
    QStringList shortWeekDaysUnordered() const;
    QStringList longWeekDaysUnordered() const;

    // The Qt date pattern of the chosen format; "MM/dd/yy" when none is chosen.
    QString dateFormatPattern() const;
    // In the interface language.
    static QStringList longMonthNames();

public slots:
    // Store the row's value; a row outside the list (none selected) is not stored.
    void saveDateFormat(int index);
    void saveFirstDayOfWeek(int index);

signals:
    void shortWeekDaysChanged();
    void shortWeekDaysUnorderedChanged();
    void longWeekDaysUnorderedChanged();

private:
    DateFormatSetting m_dateFormat;
    DaySetting m_firstDayOfTheWeek;
};
