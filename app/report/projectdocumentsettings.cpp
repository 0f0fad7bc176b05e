// The device settings section of the project report.
#include "projectdocument.h"

#include "reporttexts.h"

#include <dateformatsetting.h>
#include <daysetting.h>
#include <sowirulesetting.h>

using namespace reporttext;

namespace {

const QString IndentedTable = QStringLiteral("margin-left:200px");
constexpr int FixedDateRule = 8;
constexpr int SecondsPerHour = 3600;

QString dayText(int dayIndex) {
    return DaySetting(nullptr, dayIndex + 1).entryText(dayIndex + 1);
}

QString channelName(int channel) {
    return QStringLiteral("C%1").arg(channel + 1);
}

// "label    value" on a line of its own.
void insertLabelled(QTextCursor& cursor, const QString& label, const QString& value) {
    insertLine(cursor, QStringLiteral("%1%3%2").arg(label, value, spaces()));
}

// One direction of a summer/winter change as a free rule or a fixed date.
struct Change {
    int week;
    int month;
    int hour;
    int weekDay;
    QDate date;
    bool fixed;
};

QString hourText(int seconds, bool toSummer) {
    const int hour = seconds / SecondsPerHour;
    return toSummer ? QStringLiteral("%1h > %2h").arg(hour).arg(hour + 1)
                    : QStringLiteral("%1h > %2h").arg(hour + 1).arg(hour);
}

QStringList changeColumns(bool fixed) {
    if (fixed)
        return {trText("Generic", "Datum"), trText("Generic", "Stunde")};
    return {trText("Generic", "Woche"), trText("Generic", "Monat"), trText("Generic", "Stunde"),
            trText("Generic", "Wochentag")};
}

} // namespace

void ProjectDocument::parseSettings() {
    QTextCursor cursor = sectionCursor(QStringLiteral("settings"), true);
    if (cursor.isNull())
        return;
    if (m_device.hasDateTimeSettings()) {
        writeTimeAndDate(cursor);
        writeSummerWinterChanges(cursor);
        insertDoubleBreak(cursor);
    }
    if (m_device.hasVaccancy())
        writeHolidays(cursor);
    if (m_device.hasOptionSettings())
        writeOptions(cursor);
}

void ProjectDocument::writeTimeAndDate(QTextCursor cursor) {
    const int dateFormat = m_project.dateFormat() + 1;
    QList<QStringList> rows{
        {bold(trText("Program settings", "Zeit/Datum"))},
        {trText("Program settings", "Zeitformat"),
         m_project.timeFormat() == 1 ? trText("Export", "12 h") : trText("Export", "24 h")},
        {trText("Program settings", "Datumsformat"),
         DateFormatSetting(nullptr, dateFormat).entryText(dateFormat)},
        {trText("Program settings", "Erster Tag der Woche"), dayText(m_project.firstDayOfWeek())}};
    if (m_device.hasEasterRule())
        rows.append({trText("Program settings", "Standard", "Easter rule"),
                     m_project.easterRule() != 0 ? trText("Export", "Orthodoxe Kirche")
                                                 : trText("Export", "Standard")});
    const int rule = m_project.soWiRuleType();
    rows.append({trText("Program settings", "Sommer-/Winterregel"),
                 SoWiRuleSetting(nullptr, rule).deviceEntryText(rule, m_device)});
    appendTable(cursor, rows, QStringLiteral("50%"), {}, QString(), false);
}

void ProjectDocument::writeSummerWinterChanges(QTextCursor cursor) {
    const int rule = m_project.soWiRuleType();
    const bool custom = m_device.hasCustomDaylightSavingsRules();
    const bool ownRule = rule == m_device.soWiOwnRuleIndex();
    if (custom && rule == m_device.soWiCreateTableIndex() && !ownRule)
        return;
    bool toSummerFixed = false;
    bool toWinterFixed = false;
    if (custom && ownRule) {
        toSummerFixed = m_project.customWiSo() != 0;
        toWinterFixed = m_project.customSoWi() != 0;
    } else if (!custom) {
        toSummerFixed = toWinterFixed = rule == FixedDateRule;
    }
    const Change toSummer{m_project.wiSoWeek(),    m_project.wiSoMonth(), m_project.wiSoHour(),
                          m_project.wiSoWeekDay(), m_project.wiSoDate(),  toSummerFixed};
    const Change toWinter{m_project.soWiWeek(),    m_project.soWiMonth(), m_project.soWiHour(),
                          m_project.soWiWeekDay(), m_project.soWiDate(),  toWinterFixed};
    const QStringList weeks{QStringLiteral("1."), QStringLiteral("2."), QStringLiteral("3."),
                            QStringLiteral("4."), trText("Program settings", "Letzte", "Last week")};
    const auto values = [&](const Change& change, bool summer) {
        QStringList cells{change.fixed ? trText("Program settings", "Fixes Datum")
                                       : trText("Program settings", "Freie Regel")};
        if (change.fixed)
            return cells << formatDate(change.date, false) << hourText(change.hour, summer);
        return cells << entryOf(weeks, change.week) << QString::number(change.month + 1)
                     << hourText(change.hour, summer) << dayText(change.weekDay);
    };
    const QList<QStringList> rows{
        QStringList{trText("Export", "Winter ► Sommer")} + changeColumns(toSummer.fixed), values(toSummer, true),
        QStringList{trText("Export", "Sommer ► Winter")} + changeColumns(toWinter.fixed),
        values(toWinter, false)};
    appendTable(cursor, rows, QStringLiteral("75%"), {{QStringLiteral("table"), IndentedTable}}, QString(),
                false);
}

void ProjectDocument::writeHolidays(QTextCursor cursor) {
    startLine(cursor);
    appendHtml(cursor, bold(trText("Program settings", "Ferien")));
    const QString hour = trText("Generic", "Stunde");
    QList<QStringList> rows{{QString(), QString(), trText("Program settings", "Beginn"), hour,
                             trText("Program settings", "Ende"), hour}};
    rows += channelRows(&ProjectDocument::holidayRow);
    // The whole width beside the indent: at 60 % the six columns break the dates apart.
    appendTable(cursor, rows, QStringLiteral("100%"), {{QStringLiteral("table"), IndentedTable}}, QString(),
                false);
    insertBreak(cursor);
}

void ProjectDocument::writeOptions(QTextCursor cursor) {
    const Styles indented{{QStringLiteral("table"), IndentedTable}};
    startLine(cursor);
    insertLine(cursor, bold(trText("Program settings", "Optionen")));
    if (m_device.hasExtensionModule())
        insertLabelled(cursor, trText("Program settings", "Erweiterungsmodul"),
                       m_project.extensionModule() ? activeText() : inactiveText());
    if (m_device.hasOperatingTime()) {
        insertLine(cursor, trText("Program settings", "Betriebsstunden"));
        insertLine(cursor, trText("Program settings", "Betriebsstundenzähler Serviceintervall"));
        appendTable(cursor, channelRows(&ProjectDocument::operatingHoursRow), QStringLiteral("60%"), indented,
                    QString(), false);
        insertBreak(cursor);
    }
    if (m_device.hasExternalInput()) {
        insertLine(cursor, trText("Program settings", "Externer Eingang"));
        appendTable(cursor, channelRows(&ProjectDocument::externalInputRow), QStringLiteral("60%"), indented,
                    QString(), false);
        insertBreak(cursor);
    }
    if (m_device.hasLcdIllumination())
        insertLabelled(cursor, trText("Program settings", "LCD-Beleuchtung"),
                       m_project.lcdState() != 0
                           ? trText("Program settings", "Immer Ein", "LCD state")
                           : trText("Program settings", "Nach 1 Minute aus", "LCD state"));
}

QList<QStringList> ProjectDocument::channelRows(QStringList (ProjectDocument::*row)(const SettingRef&, int,
                                                                                    bool) const) {
    QList<QStringList> rows;
    forEachChannelSetting([&](const SettingRef& setting, int channel, bool hasSetting) {
        rows.append((this->*row)(setting, channel, hasSetting));
    });
    return rows;
}

QStringList ProjectDocument::holidayRow(const SettingRef& setting, int channel, bool hasSetting) const {
    const int status = hasSetting ? setting->holidayStatus() : 0;
    QStringList cells{channelName(channel), status == 0   ? inactiveText()
                                            : status == 1 ? offText()
                                                          : onText()};
    if (status > 0) {
        cells << formatDateTime(setting->holidayBegin(), true) << formatTime(setting->holidayBegin(), false)
              << formatDateTime(setting->holidayEnd(), true) << formatTime(setting->holidayEnd(), false);
    }
    return cells;
}

QStringList ProjectDocument::operatingHoursRow(const SettingRef& setting, int channel,
                                               bool hasSetting) const {
    QStringList cells{channelName(channel),
                      QStringLiteral("%1 h").arg(hasSetting ? setting->operatingHours() : 0)};
    if (m_device.hasSignalFunction()) {
        const int signalled = hasSetting ? setting->signaling() : 0;
        cells << trText("Program settings", "Signalisierung auf")
              << (signalled > 0 ? QStringLiteral("C%1").arg(signalled) : QStringLiteral("-"));
    }
    return cells;
}

QStringList ProjectDocument::externalInputRow(const SettingRef& setting, int channel, bool hasSetting) const {
    const int function = hasSetting ? setting->externalInputFunction() : 0;
    const QString text = function == 1   ? trText("Export", "Taster")
                         : function != 0 ? trText("Export", "Schalter")
                                         : inactiveText();
    return {channelName(channel), text};
}
