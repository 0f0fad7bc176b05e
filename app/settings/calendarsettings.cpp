#include "calendarsettings.h"

#include "programsettings.h"

#include <QLocale>

#include <core/languageservice.h>
#include <core/settingsservice.h>

namespace {

QLocale interfaceLocale()
{
    return core::LanguageService::hasInstance() ? core::LanguageService::instance().currentLocale() : QLocale();
}

QStringList weekDayNames(QLocale::FormatType format)
{
    const QLocale locale = interfaceLocale();
    QStringList names;
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        names.append(locale.dayName(day, format));
    return names;
}

int storedInt(const QString& key, int fallback)
{
    if (!core::SettingsService::hasInstance())
        return fallback;
    bool ok = false;
    const int value = core::SettingsService::instance().settingValue(key).toInt(&ok);
    return ok ? value : fallback;
}

void store(const QString& key, int value)
{
    if (core::SettingsService::hasInstance())
        core::SettingsService::instance().setSettingValueFromStringKey(key, value);
}

} // namespace

CalendarSettings::CalendarSettings(QObject* parent)
    : QObject(parent)
    , m_dateFormat(this, storedInt(ProgramSettings::DateFormat, DateFormatSetting::Dot))
    , m_firstDayOfTheWeek(this, storedInt(ProgramSettings::FirstDay, DaySetting::Monday))
{
    m_instance = this;
    if (core::LanguageService::hasInstance()) {
        const auto* language = &core::LanguageService::instance();
        connect(language, &core::LanguageService::localeCodeChanged, this, &CalendarSettings::shortWeekDaysChanged);
        connect(language, &core::LanguageService::localeCodeChanged, this,
                &CalendarSettings::shortWeekDaysUnorderedChanged);
        connect(language, &core::LanguageService::localeCodeChanged, this,
                &CalendarSettings::longWeekDaysUnorderedChanged);
    }
    connect(&m_dateFormat, &EnumerableSetting::selectedIndexChanged, this, &CalendarSettings::saveDateFormat);
    connect(&m_firstDayOfTheWeek, &EnumerableSetting::selectedIndexChanged, this,
            &CalendarSettings::saveFirstDayOfWeek);
    connect(&m_firstDayOfTheWeek, &EnumerableSetting::selectedIndexChanged, this,
            &CalendarSettings::shortWeekDaysChanged);
}

CalendarSettings::~CalendarSettings() = default;

DateFormatSetting* CalendarSettings::dateFormat()
{
    return &m_dateFormat;
}

DaySetting* CalendarSettings::firstDayOfTheWeek()
{
    return &m_firstDayOfTheWeek;
}

QStringList CalendarSettings::shortWeekDays() const
{
    QStringList names = weekDayNames(QLocale::ShortFormat);
    const int firstDay = m_firstDayOfTheWeek.value();
    if (firstDay > DaySetting::Monday && firstDay <= DaySetting::Sunday)
        names = names.mid(firstDay - 1) + names.first(firstDay - 1);
    return names;
}

QStringList CalendarSettings::shortWeekDaysUnordered() const
{
    return weekDayNames(QLocale::ShortFormat);
}

QStringList CalendarSettings::longWeekDaysUnordered() const
{
    return weekDayNames(QLocale::LongFormat);
}

QString CalendarSettings::dateFormatPattern() const
{
    switch (m_dateFormat.value()) {
    case DateFormatSetting::Dot:
        return QStringLiteral("dd.MM.yy");
    case DateFormatSetting::Hyphen:
        return QStringLiteral("yy-MM-dd");
    default:
        return QStringLiteral("MM/dd/yy");
    }
}

QStringList CalendarSettings::longMonthNames()
{
    const QLocale locale = interfaceLocale();
    QStringList names;
    for (int month = 1; month <= 12; ++month)
        names.append(locale.monthName(month, QLocale::LongFormat));
    return names;
}

void CalendarSettings::saveDateFormat(int index)
{
    if (index >= 0 && index < m_dateFormat.rowCount())
        store(ProgramSettings::DateFormat, index + 1);
}

void CalendarSettings::saveFirstDayOfWeek(int index)
{
    if (index >= 0 && index < m_firstDayOfTheWeek.rowCount())
        store(ProgramSettings::FirstDay, index + 1);
}
