// The channel sections of the project report: astro and light settings, and per program its
// switch times and date ranges.
#include "projectdocument.h"

#include "reportlogging.h"
#include "reporttexts.h"

#include <calendarsettings.h>
#include <daterangecontroller.h>

#include <holidays/holidaysetservice.h>
#include <storage/channel.h>
#include <storage/luxvalues.h>
#include <storage/programdata.h>

#include <bit>

using namespace reporttext;

namespace {

const QString HalfWidth = QStringLiteral("50%");
const QString BorderRight = QStringLiteral("%1 border-right: 1px solid black;").arg(QString());
const QString BorderLeft = QStringLiteral("%1 border-left: 1px solid black;").arg(QString());
const QString BorderRightLeft = QStringLiteral("%1 border-left: 1px solid black;").arg(BorderRight);
const QString Centered = QStringLiteral("text-align: center;");
const QString TableStyle = QStringLiteral("border: 1px solid black; border-collapse: collapse;");
const QString CellStyle = QStringLiteral("padding-left: 5px; padding-right: 5px;");
const QString HeadRow = QStringLiteral("<tr style=\"background-color: #E0E0E0;\">");
const QString LeftPadded = QStringLiteral("text-align:left;padding-left:5px;");
constexpr int DaysOfWeek = 7;
constexpr int SecondsPerDay = 86400;

QString headStyled(const QString& text, const QString& style) {
    return QStringLiteral("<th style=\"%2\">%1</th>").arg(text, style);
}
QString head(const QString& text) {
    return QStringLiteral("<th>%1</th>").arg(text);
}
QString headSpanStyled(const QString& text, int span, const QString& style) {
    return QStringLiteral("<th colspan=%2 style=\"%3\">%1</th>").arg(text).arg(span).arg(style);
}
QString headSpan(const QString& text, int span) {
    return QStringLiteral("<th colspan=%2>%1</th>").arg(text).arg(span);
}

// The names of the days whose flag is set, an empty cell for the others; seven cells whatever
// the lists hold.
QStringList dayCells(const QList<bool>& flags, const QStringList& names) {
    QStringList cells;
    for (int day = 0; day < DaysOfWeek; ++day)
        cells.append(flags.value(day) ? names.value(day) : QString());
    return cells;
}

// The program's calendar settings name the days; without them the day cells stay empty.
QStringList weekDayNames(QStringList (CalendarSettings::*names)() const) {
    if (!CalendarSettings::hasInstance()) {
        qCWarning(reportLog) << ">> No calendar settings: the report names no weekdays";
        return {};
    }
    return (CalendarSettings::instance().*names)();
}

QStringList shortWeekDays() {
    return weekDayNames(&CalendarSettings::shortWeekDaysUnordered);
}
QStringList longWeekDays() {
    return weekDayNames(&CalendarSettings::longWeekDaysUnordered);
}

QString switchTypeText(int type) {
    switch (type) {
    case 0:
        return trText("SwitchTimeTable", "Schaltzeit");
    case 1:
        return trText("Information PopUp", "Impuls");
    case 2:
        return trText("Information PopUp", "Zyklus");
    case 3:
        return trText("Export", "Fix");
    default:
        return {};
    }
}

// 1 endless; else the highest of the day bits, 128 Monday down to 2 Sunday.
QString endDayText(int endDay, const QStringList& weekDays) {
    if (endDay == 1)
        return trText("Generic", "Endlos");
    if (endDay <= 1)
        return {};
    const int bit = std::bit_width(static_cast<unsigned>(endDay)) - 1;
    return bit <= DaysOfWeek ? weekDays.value(DaysOfWeek - bit) : QString();
}

// A time of the table on today's date, carried zone-less.
QDateTime onToday(const QTime& time) {
    return QDateTime(QDate::currentDate(), time, Qt::UTC);
}

QString dateRangeTypeText(int type) {
    switch (type) {
    case 0:
        return trText("Program settings", "Fixes Datum");
    case 1:
        return trText("Extra program", "Fixes Datum jedes Jahr");
    case 2:
        return trText("DateRangeTable", "Osterregel");
    case 3:
        return trText("DateRangeTable", "Serienmuster");
    case 4:
        return trText("DateRangeTable", "Wochentagsregel");
    case 5:
        return trText("DateRangeTable", "Chinesisches Neujahr");
    default:
        return {};
    }
}

QString easterText(int offset) {
    switch (offset) {
    case -2:
        return trText("Easter rules", "Karfreitag", "Karfreitag");
    case -1:
        return trText("Easter rules", "1 Tag vor Ostersonntag");
    case 0:
        return trText("Easter rules", "Ostersonntag");
    case 1:
        return trText("Easter rules", "Ostermontag");
    case 39:
        return trText("Easter rules", "Christi Himmelfahrt");
    case 49:
        return trText("Easter rules", "Pfingstsonntag");
    case 50:
        return trText("Easter rules", "Pfingstmontag");
    case 60:
        return trText("Easter rules", "Fronleichnam");
    default:
        return offset < 0
                   ? trText("Easter rules", "%1 Tag(e) vor Ostersonntag", nullptr, -offset).arg(-offset)
                   : trText("Easter rules", "%1 Tag(e) nach Ostersonntag", nullptr, offset).arg(offset);
    }
}

QString chineseNewYearText(int offset) {
    if (offset < 0)
        return trText("Cny rules", "%1 Tag(e) vor Chinese NY", nullptr, -offset).arg(-offset);
    if (offset == 0)
        return trText("Cny rules", "Chinesisches Neujahr");
    return trText("Cny rules", "%1 Tag(e) nach Chinese NY", nullptr, offset).arg(offset);
}

QString weekRuleText(const storage::DateRange& range) {
    if (range.weekRuleDay() < 1 || range.weekRuleDay() > DaysOfWeek)
        return QStringLiteral("-");
    const QStringList occurrences{trText("Week rules", "Erster"), trText("Week rules", "Zweiter"),
                                  trText("Week rules", "Dritter"), trText("Week rules", "Vierter"),
                                  trText("Week rules", "Letzter")};
    const QStringList months{
        trText("Week rules", "jeden Monat"),  trText("Week rules", "im Januar"),  trText("Week rules", "im Februar"),
        trText("Week rules", "im März"),      trText("Week rules", "im April"),   trText("Week rules", "im Mai"),
        trText("Week rules", "im Juni"),      trText("Week rules", "im Juli"),    trText("Week rules", "im August"),
        trText("Week rules", "im September"), trText("Week rules", "im Oktober"), trText("Week rules", "im November"),
        trText("Week rules", "im Dezember")};
    return QStringLiteral("%1 %2 %3")
        .arg(entryOf(occurrences, range.weekRuleDay() - 1),
             entryOf(longWeekDays(), range.weekRuleWeekDay() - 1), entryOf(months, range.weekRuleMonth()));
}

} // namespace

void ProjectDocument::writeChannels() {
    if (!m_project.hasProgramData())
        return;
    const storage::StorableRef<storage::ProgramData> data = m_project.constData();
    for (int channel = 0; channel < m_device.kanals(); ++channel) {
        QTextCursor cursor = sectionCursor(QStringLiteral("channel%1").arg(channel), true);
        if (!data->hasChannel(channel)) {
            insertBreak(cursor);
            insertLine(cursor, emptyText());
            continue;
        }
        const storage::StorableRef<storage::Channel> record = data->constChannel(channel);
        const bool astro = record->function() == 1;
        if (astro)
            writeChannelAstro(cursor, channel);
        if (m_device.isNocta()) {
            writeLightSettings(cursor, channel);
        } else {
            const QString function =
                astro ? trText("Export", "Astroprogramm") : trText("Extra program", "Schaltprogramm");
            startLine(cursor);
            appendHtml(cursor, QStringLiteral("<h3>%1</h3>")
                                   .arg(QStringLiteral("%1%4%2: %3")
                                            .arg(trText("ProgramView", "Standardprogramm"),
                                                 trText("Generic", "Funktion"), function, spaces())));
        }
        for (int program = 0; program < m_device.programms(); ++program) {
            if (record->hasProgram(program))
                writeProgram(cursor, program, record->constProgram(program), m_device.isNocta() || astro);
        }
    }
}

void ProjectDocument::writeChannelAstro(QTextCursor cursor, int channel) {
    if (!m_project.hasChannelSetting(channel))
        return;
    const SettingRef setting = m_project.setting(channel);
    if (m_device.hasAstroTime()) {
        const QStringList times{trText("Astro settings", "Sonnenuntergang"),
                                trText("Astro settings", "Dämmerung"),
                                trText("Astro settings", "Dunkelheit")};
        appendTable(
            cursor,
            {{bold(trText("Astro settings", "Astrozeitpunkt"))}, {entryOf(times, setting->astroTime())}},
            HalfWidth, {}, QString(), false);
        insertBreak(cursor);
    }
    const QString minutes = QStringLiteral("%1 %2");
    appendTable(cursor,
                {{bold(trText("Astro settings", "Offset"))},
                 {trText("Astro settings", "Offset Sonnenaufgang"),
                  trText("Astro settings", "Offset Sonnenuntergang")},
                 {minutes.arg(setting->offsetSunrise()).arg(trText("Astro settings", "min")),
                  minutes.arg(setting->offsetSunset()).arg(trText("Astro settings", "min"))}},
                HalfWidth, {}, QString(), false);
    insertBreak(cursor);
    const QStringList modes{trText("Astro settings", "Ein bei Sonnenuntergang + Aus bei Sonnenaufgang"),
                            trText("Astro settings", "Aus bei Sonnenuntergang + Ein bei Sonnenaufgang"),
                            trText("Astro settings", "Astro inaktiv"),
                            trText("Astro settings", "Astro-Impuls")};
    appendTable(cursor,
                {{bold(trText("Astro settings", "Astromode"))}, {entryOf(modes, setting->astroMode())}},
                HalfWidth, {}, QString(), false);
    insertLine(cursor, QStringLiteral("<h3>%1</h3>").arg(QString()));
}

void ProjectDocument::writeLightSettings(QTextCursor cursor, int channel) {
    if (!m_project.hasChannelSetting(channel))
        return;
    const SettingRef setting = m_project.setting(channel);
    const QMap<int, storage::StorableRef<storage::LuxValues>> values = setting->luxValuesConst();
    if (values.isEmpty())
        return;
    const bool forAllDays = values.size() == 1;
    const QStringList weekDays = shortWeekDays();
    QList<QStringList> rows{{bold(trText("Light settings", "Luxwerte"))}, {QString(), onText(), offText()}};
    for (int day = 0; day < DaysOfWeek; ++day) {
        if (forAllDays && !values.contains(day))
            continue;
        const storage::StorableRef<storage::LuxValues> lux = values.value(day);
        rows.append({forAllDays ? QString() : weekDays.value(day),
                     luxText(lux.isNull() ? 0 : lux->luxOnValue()),
                     luxText(lux.isNull() ? 0 : lux->luxOffValue())});
    }
    appendTable(cursor, rows, HalfWidth, {}, QString(), false);
    insertBreak(cursor);
    // The whole delay in minutes: hours are not dropped, nor a day and more.
    const auto delay = [](int seconds) {
        return trText("Export", "%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
    };
    appendTable(cursor,
                {{bold(trText("Light settings", "Verzögerungszeit"))},
                 {onText(), offText()},
                 {delay(setting->delaySunrise()), delay(setting->delaySunset())}},
                HalfWidth, {}, QString(), false);
    insertDoubleBreak(cursor);
}

void ProjectDocument::forEachChannelSetting(ChannelSettingVisitor visit) {
    for (int channel = 0; channel < m_device.kanals(); ++channel) {
        if (m_project.hasChannelSetting(channel))
            visit(m_project.setting(channel), channel, true);
        else
            visit(SettingRef(), channel, false);
    }
}

void ProjectDocument::writeProgram(QTextCursor cursor, int program,
                                   storage::StorableRef<storage::Program> record, bool astroLayout) {
    const int programs = m_device.programms();
    const QList<storage::SwitchTime> switches = record->switches();
    const QList<storage::DateRange> dateRanges = record->dateRanges();
    const bool empty = switches.isEmpty() && dateRanges.isEmpty();
    const bool few = programs <= 4;
    if (program >= 1 && !(empty && programs > 4)) {
        const QString function = trText("Generic", "Funktion");
        QString title;
        if (program >= programs - 2)
            title = QStringLiteral("%1 %2").arg(function, program == programs - 2 ? onText() : offText());
        else if (!m_device.isNocta())
            title =
                QStringLiteral("%1 %2").arg(function, astroLayout ? trText("Export", "Astroprogramm")
                                                                  : trText("Extra program", "Schaltprogramm"));
        startLine(cursor);
        appendHtml(cursor, QStringLiteral("<h3>%1</h3>")
                               .arg(QStringLiteral("%1%2%3").arg(
                                   trText("ProgramView", "Sonderprogramm %1").arg(program), spaces(), title)));
    }
    if (m_device.isNocta() && program == 1) {
        appendTable(cursor,
                    {{bold(trText("Light settings", "Luxwerte"))},
                     {QString(), onText(), offText()},
                     {QString(), luxText(record->luxOnValue()), luxText(record->luxOffValue())}},
                    HalfWidth, {}, QString(), false);
        insertBreak(cursor);
    }
    writeSwitchTimes(cursor, program, switches, astroLayout);
    if (!empty && program >= 1)
        writeDateRanges(cursor, dateRanges);
    if (empty && (program == 0 || few)) {
        insertBreak(cursor);
        insertLine(cursor, line(emptyText()));
    }
}

void ProjectDocument::writeSwitchTimes(QTextCursor cursor, int program,
                                       const QList<storage::SwitchTime>& switches, bool astroLayout) {
    if (switches.isEmpty())
        return;
    const QStringList weekDays = shortWeekDays();
    const bool weekdayColumns = program == 0 || m_device.extraProgramWithSwitches();
    const bool pulseCycleColumns = (m_device.hasImpuls() || m_device.hasZyclus()) && weekdayColumns;
    const bool plainPulseCycle = !astroLayout && pulseCycleColumns;
    const QString hoursMinutes = trText("DateRangeTable", "hh:mm");
    const QString withSeconds = trText("SwitchTimeTable", "hh:mm:ss");

    QString first = headStyled(trText("SwitchTimeTable", "Nr."), BorderRight) + head(trText("Generic", "Typ")) +
                    headStyled(trText("SwitchTimeTable", "Status"), astroLayout ? BorderRight : QString());
    QString second = headStyled(QString(), BorderRight) + head(QString()) +
                     headStyled(QString(), astroLayout ? BorderRight : QString()) +
                     head(astroLayout ? hoursMinutes : withSeconds);
    if (astroLayout) {
        const int span = weekdayColumns ? 8 : 1;
        first += headSpanStyled(trText("Astro", "Startzeitpunkt"), span, BorderRight) +
                 headSpan(trText("Astro", "Dauer bis"), span);
    } else {
        first += head(trText("Generic", "Uhrzeit"));
        if (weekdayColumns)
            first += headSpan(trText("Generic", "Wochentag"), DaysOfWeek);
    }
    if (weekdayColumns) {
        for (const QString& name : dayCells(QList<bool>(DaysOfWeek, true), weekDays))
            second += head(name);
    }
    if (astroLayout) {
        second += headStyled(hoursMinutes, BorderLeft);
        if (weekdayColumns) {
            for (const QString& name : dayCells(QList<bool>(DaysOfWeek, true), weekDays))
                second += head(name);
        }
    }
    if (plainPulseCycle) {
        const QString end = trText("Program settings", "Ende");
        first += headStyled(trText("Information PopUp", "Impuls"), BorderRightLeft) +
                 head(trText("Export", "Zyklus Impuls")) + head(trText("Generic", "Pause")) + head(end) + head(end);
        second += headStyled(trText("DateRangeTable", "mm:ss"), BorderRightLeft) + head(withSeconds) +
                  head(withSeconds) + head(hoursMinutes) + head(trText("Generic", "Wochentag"));
    }
    const QString headText = QStringLiteral("<thead>") + HeadRow + first + QStringLiteral("</tr>") + HeadRow +
                             second + QStringLiteral("</tr></thead>");

    QList<QStringList> rows;
    for (int i = 0; i < switches.size(); ++i) {
        const storage::SwitchTime& switchTime = switches.at(i);
        if (!weekdayColumns && switchTime.startTime() == SecondsPerDay)
            continue;
        rows.append(
            switchTimeRow(i + 1, switchTime, weekdayColumns, pulseCycleColumns, astroLayout, weekDays));
    }
    insertBreak(cursor);
    insertLine(cursor, trText("Export", "Schaltungen:"));

    Styles styles{{QStringLiteral("table"), TableStyle},
                  {QStringLiteral("td"), CellStyle},
                  {QStringLiteral("col_0"), BorderRight},
                  {QStringLiteral("col_2"), astroLayout ? BorderRight : QString()},
                  {QStringLiteral("col_11"), astroLayout ? BorderLeft : BorderRightLeft}};
    for (int column = 4; column <= 10; ++column)
        styles.insert(QStringLiteral("col_%1").arg(column), Centered);
    for (int column = 12; column <= 18; ++column)
        styles.insert(QStringLiteral("col_%1").arg(column), astroLayout ? Centered : QString());
    appendTable(cursor, rows, weekdayColumns ? QStringLiteral("100%") : QStringLiteral("60%"), styles,
                headText, true);
    insertDoubleBreak(cursor);
}

QStringList ProjectDocument::switchTimeRow(int number, const storage::SwitchTime& switchTime,
                                           bool weekdayColumns, bool pulseCycleColumns, bool astroLayout,
                                           const QStringList& weekDays) const {
    const int type = switchTime.type();
    const bool cycle = type == 2;
    const int state = switchTime.state();
    QStringList cells{QString::number(number), switchTypeText(type),
                      cycle ? QString() : (state == 0 || state == 2 ? offText() : onText()),
                      formatTime(onToday(switchTime.startQTime()), type == 1)};
    if (weekdayColumns)
        cells += dayCells(switchTime.startDaysList(), weekDays);
    if (astroLayout) {
        cells.append(switchTime.endQTime().toString(QStringLiteral("hh:mm")));
        if (weekdayColumns)
            cells += dayCells(switchTime.endDaysList(), weekDays);
    } else if (pulseCycleColumns) {
        cells.append(type == 1 ? switchTime.pulsQTime().toString(QStringLiteral("mm:ss")) : QString());
        cells.append(cycle ? switchTime.pulsQTime().toString(QStringLiteral("hh:mm:ss")) : QString());
        cells.append(cycle ? switchTime.pauseQTime().toString(QStringLiteral("hh:mm:ss")) : QString());
        cells.append(cycle ? switchTime.endQTime().toString(QStringLiteral("hh:mm")) : QString());
        cells.append(cycle ? endDayText(switchTime.endDay(), weekDays) : QString());
    }
    return cells;
}

void ProjectDocument::writeDateRanges(QTextCursor cursor, const QList<storage::DateRange>& dateRanges) {
    insertBreak(cursor);
    insertLine(cursor, trText("Export", "Datum Bereich:"));
    if (dateRanges.isEmpty()) {
        insertLine(cursor, line(emptyText()));
        return;
    }
    const QString hoursMinutes = trText("DateRangeTable", "hh:mm");
    const QString end = trText("Program settings", "Ende");
    const QString headText =
        QStringLiteral("<thead>") + HeadRow + headStyled(trText("SwitchTimeTable", "Nr."), BorderRight) +
        headSpanStyled(trText("Generic", "Typ"), 4, LeftPadded + BorderRight) +
        headSpanStyled(trText("Generic", "Start"), 4, LeftPadded) + headStyled(hoursMinutes, BorderRight) +
        headSpanStyled(end, 4, LeftPadded) + headStyled(hoursMinutes, BorderRight) +
        head(trText("Generic", "Dauer")) + QStringLiteral("</tr></thead>");

    QList<QStringList> rows;
    for (int i = 0; i < dateRanges.size(); ++i) {
        const storage::DateRange& range = dateRanges.at(i);
        const int type = range.type();
        const bool weekRule = type == 4;
        rows.append(
            {QString::number(i + 1), dateRangeTypeText(type),
             weekRule ? weekRuleText(range) : holidayRuleText(type, range.startDate(), range.startDay()),
             formatTime(range.startDate(), false),
             weekRule ? QString() : holidayRuleText(type, range.endDate(), range.endDay()),
             weekRule ? QString() : formatTime(range.endDate(), false),
             type == 3 ? trText("Export", "R %1d", "R for repeat, d for days").arg(range.repeat())
                       : DateRangeController::description(range).toHtmlEscaped()});
    }
    const QString four = QStringLiteral("4");
    const Styles styles{{QStringLiteral("table"), TableStyle},
                        {QStringLiteral("td"), CellStyle},
                        {QStringLiteral("col_0"), BorderRight},
                        {QStringLiteral("col_1"), BorderRight},
                        {QStringLiteral("col_3"), Centered + BorderRight},
                        {QStringLiteral("col_5"), Centered + BorderRight},
                        {QStringLiteral("col_6"), Centered},
                        {QStringLiteral("col_span_1"), four},
                        {QStringLiteral("col_span_2"), four},
                        {QStringLiteral("col_span_4"), four}};
    appendTable(cursor, rows, QStringLiteral("100%"), styles, headText, true);
    insertDoubleBreak(cursor);
}

QString ProjectDocument::holidayRuleText(int type, const QDateTime& date, int day) const {
    if (type == 2)
        return easterText(day);
    if (type == 4)
        return {};
    if (type == 5)
        return chineseNewYearText(day);
    QString holiday;
    if (holidays::HolidaySetService::hasInstance()) {
        holidays::HolidaySetService& service = holidays::HolidaySetService::instance();
        if (service.isHoliday(date))
            holiday = QStringLiteral("%1%2").arg(spaces(), htmlText(service.holidayName(date)));
    }
    return QStringLiteral("%1%2").arg(formatDateTime(date, type != 1), holiday);
}
