// The report of every test project, read back as CSV, line by line against lines written from
// the report's rules.
#include "csvreader.h"
#include "printtestsupport.h"
#include "reportprojects.h"
#include "reportservices.h"

#include "printservice.h"
#include "projectdocument.h"

#include <QPrinter>

#include <storage/channel.h>
#include <storage/channelsetting.h>
#include <storage/favoritelocation.h>
#include <storage/ownastrotable.h>
#include <storage/program.h>
#include <storage/programdata.h>

using namespace reportprojects;
using storage::DateRange;
using storage::SwitchTime;

namespace {

const QString Spaces(4, QChar::Nbsp);
const QStringList ShortDays{"Mo.", "Di.", "Mi.", "Do.", "Fr.", "Sa.", "So."};

QString joined(const QStringList& cells) {
    return cells.join(u',');
}

// Seven day cells: the short names of the days given, empty cells for the others.
QStringList days(const QList<int>& set) {
    QStringList cells;
    for (int day = 0; day < 7; ++day)
        cells.append(set.contains(day) ? ShortDays.at(day) : QString());
    return cells;
}
const QList<int> Week{0, 1, 2, 3, 4, 5, 6};

QStringList blanks(int count) {
    return QStringList(count, QString());
}

// The lines of the report that hold something, each a CSV record joined again.
QStringList filledLines(const storage::Project& project) {
    QStringList lines;
    for (const QStringList& record : filledRecords(ProjectDocument(project).toCsv()))
        lines.append(joined(record));
    return lines;
}

QStringList metadata(const QString& device, const QString& file) {
    return {"Projekt", "Titel:,",   "Beschreibung:,", "Gerät:," + device, "Dateiname:," + file, "Kunde",
            "Name:,",  "Adresse:,", "Ersteller",      "Name:,",           "Adresse:,"};
}

QStringList plainHead() {
    return {"Nr.,Typ,Status,Uhrzeit,Wochentag,,,,,,,Impuls,Zyklus Impuls,Pause,Ende,Ende",
            joined(QStringList{"", "", "", "hh:mm:ss"} + ShortDays +
                   QStringList{"mm:ss", "hh:mm:ss", "hh:mm:ss", "hh:mm", "Wochentag"})};
}
QStringList astroHead() {
    return {"Nr.,Typ,Status,Startzeitpunkt,,,,,,,,Dauer bis,,,,,,,",
            joined(QStringList{"", "", "", "hh:mm"} + ShortDays + QStringList{"hh:mm"} + ShortDays)};
}

QStringList heading(int program, const QString& title) {
    return {QStringLiteral("Sonderprogramm %1%2%3").arg(program).arg(Spaces, title)};
}

QStringList standardHeading(bool astro) {
    return {"Standardprogramm" + Spaces + "Funktion: " + (astro ? "Astroprogramm" : "Schaltprogramm")};
}

// The date ranges of the plain projects, as the table reads them.
QStringList dateRangeLines() {
    const auto line = [](const QStringList& cells) {
        return joined({cells.at(0), cells.at(1), "", "", "", cells.at(2), "", "", "", cells.at(3),
                       cells.at(4), "", "", "", cells.at(5), cells.at(6)});
    };
    return {"Datum Bereich:",
            "Nr.,Typ,,,,Start,,,,hh:mm,Ende,,,,hh:mm,Dauer",
            line({"1", "Fixes Datum", "24.12.2026", "12:00", "27.12.2026", "00:00", "2d 12h"}),
            line({"2", "Fixes Datum jedes Jahr", "01.01" + Spaces + "Neujahr", "00:00", "02.01", "00:00",
                  "1d 00h"}),
            line({"3", "Osterregel", "Karfreitag", "00:00", "Ostermontag", "00:00", "3d 00h"}),
            line({"4", "Serienmuster", "02.03.2026", "08:00", "02.03.2026", "17:00", "R 7d"}),
            line({"5", "Wochentagsregel", "Letzter Montag jeden Monat", "06:30", "", "", "1d 02h"}),
            line({"6", "Chinesisches Neujahr", "3 Tag(e) vor Chinese NY", "00:00", "4 Tag(e) nach Chinese NY",
                  "00:00", "7d 00h"})};
}

QStringList channelRows(int channels, const QList<QStringList>& first, const QStringList& rest) {
    QStringList lines;
    for (int channel = 0; channel < channels; ++channel)
        lines.append(joined(QStringList{QStringLiteral("C%1").arg(channel + 1)} +
                            (channel < first.size() ? first.at(channel) : rest)));
    return lines;
}

QStringList timeAndDate(const QString& rule) {
    return {"Zeit/Datum,",
            "Zeitformat,24 h",
            "Datumsformat,31.12.00 (TT.MM.JJ)",
            "Erster Tag der Woche,Montag",
            "Standard,Standard",
            "Sommer-/Winterregel," + rule};
}

QStringList freeRuleChanges() {
    return {"Winter ► Sommer,Woche,Monat,Stunde,Wochentag", "Freie Regel,Letzte,3,2h > 3h,Sonntag",
            "Sommer ► Winter,Woche,Monat,Stunde,Wochentag", "Freie Regel,Letzte,10,4h > 3h,Sonntag"};
}

QStringList holidayLines(int channels) {
    return QStringList{"Ferien", ",,Beginn,Stunde,Ende,Stunde"} +
           channelRows(channels,
                       {{"Aus", "20.07.2026", "06:00", "07.08.2026", "18:30"},
                        {"Ein", "23.12.2026", "00:00", "06.01.2027", "23:59"}},
                       {"Inaktiv", "", "", "", ""});
}

// A channel without a holiday period fills two of the table's six columns.
QStringList inactiveHolidays(int channels) {
    return QStringList{"Ferien", ",,Beginn,Stunde,Ende,Stunde"} +
           channelRows(channels, {}, {"Inaktiv", "", "", "", ""});
}

// The one date range of program 1 of a plain 17-program project, as its table row.
QStringList dateRangeRow(const DateRange& range) {
    storage::Project project(ReportFixture::Weekly8, QStringLiteral("Bereich"));
    project.data()->channel(0)->program(1)->setDateRanges({range});
    const QList<QStringList> records = filledRecords(ProjectDocument(project).toCsv());
    for (const QStringList& record : records) {
        if (record.value(0) == QLatin1String("1") && record.size() == 16)
            return record;
    }
    return {};
}

// The report printed into a PDF file, read back page by page; each page as its trimmed lines
// below the header band.
QList<QStringList> printedPages(const storage::Project& project, const QString& path) {
    PrintService service;
    service.printer()->setOutputFileName(path);
    ModalAnswer answer(true);
    service.askForPrint(ProjectDocument(project).takeDocument(), false);
    QList<QStringList> pages;
    for (const QString& text : pdf::pageTexts(path)) {
        QStringList lines;
        for (const QString& line : text.split(u'\n')) {
            const QString trimmed = line.simplified();
            if (!trimmed.isEmpty() && !trimmed.startsWith(QLatin1String("TARVINO")))
                lines.append(trimmed);
        }
        pages.append(lines);
    }
    return pages;
}

} // namespace

class TestReportSections : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { services = std::make_unique<ReportServices>(); }
    void cleanupTestCase() { services.reset(); }

    void plainReport_data() {
        QTest::addColumn<int>("model");
        QTest::newRow("4 programs") << ReportFixture::Weekly4;
        QTest::newRow("17 programs") << ReportFixture::Weekly8;
    }
    void plainReport() {
        QFETCH(int, model);
        const devices::Device device = services->catalogue.devices->deviceByOt2Number(model);
        const bool many = model == ReportFixture::Weekly8;
        storage::Project project = plainProject(model);
        if (many) {
            // The own rule with a fixed date for the change back to winter time.
            project.setSoWiRuleType(device.soWiOwnRuleIndex());
            project.setCustomSoWi(1);
            project.setSoWiDate(QDate(2024, 10, 27));
        }
        QStringList expected = metadata(device.name(), "Werkhalle");
        expected << "Kanal 1" << standardHeading(false) << "Schaltungen:" << plainHead()
                 << joined(QStringList{"1", "Schaltzeit", "Ein", "05:00"} + days(Week) + blanks(5))
                 << joined(QStringList{"2", "Impuls", "Ein", "07:00:15"} + days({0, 2}) +
                           QStringList{"00:05", "", "", "", ""})
                 << "3,Zyklus,,06:00,Mo.,,,,,,,,00:00:30,00:01:00,18:00,Mo."
                 << joined(QStringList{"4", "Zyklus", "", "06:00"} + days({0}) +
                           QStringList{"", "00:00:30", "00:01:00", "18:00", "Endlos"})
                 << heading(1, "Funktion Schaltprogramm") << "Schaltungen:";
        if (many) {
            expected << plainHead()
                     << joined(QStringList{"1", "Schaltzeit", "Ein", "08:00"} + days({5}) + blanks(5))
                     << joined(QStringList{"2", "Schaltzeit", "Aus", "00:00"} + days({}) + blanks(5))
                     << joined(QStringList{"3", "Schaltzeit", "Aus", "09:00"} + days({6}) + blanks(5));
        } else {
            // No weekday columns: the switched-off entry has no row and keeps its number.
            expected << "Nr.,Typ,Status,Uhrzeit"
                     << ",,,hh:mm:ss"
                     << "1,Schaltzeit,Ein,08:00"
                     << "3,Schaltzeit,Aus,09:00";
        }
        expected << dateRangeLines() << "Kanal 2" << standardHeading(false) << "Leer";
        for (int channel = 3; channel <= device.kanals(); ++channel)
            expected << QStringLiteral("Kanal %1").arg(channel) << "Leer";
        expected << "Einstellungen Gerät";
        if (many) {
            expected << timeAndDate("Eigene Regel") << "Winter ► Sommer,Woche,Monat,Stunde,Wochentag"
                     << "Freie Regel,Letzte,3,2h > 3h,Sonntag"
                     << "Sommer ► Winter,Datum,Stunde,,"
                     << "Fixes Datum,27.10,4h > 3h,,";
        } else {
            expected << timeAndDate("Freie Regel") << freeRuleChanges();
        }
        expected << holidayLines(device.kanals()) << "Optionen";
        if (many) {
            expected << "Betriebsstunden"
                     << "Betriebsstundenzähler Serviceintervall"
                     << channelRows(device.kanals(), {{"1200 h", "Signalisierung auf", "C2"}},
                                    {"0 h", "Signalisierung auf", "-"});
        } else {
            expected << "Erweiterungsmodul" + Spaces + "Aktiv";
        }
        expected << "Externer Eingang"
                 << channelRows(device.kanals(), {{"Taster"}, {"Schalter"}}, {"Inaktiv"})
                 << "LCD-Beleuchtung" + Spaces + "Immer Ein";
        QCOMPARE(filledLines(project), expected);
    }

    void switchTimeRowsHaveTheFieldsOfTheirTable_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("program");
        QTest::addColumn<int>("fields");
        QTest::newRow("astro with weekdays") << ReportFixture::Astro2 << 0 << 19;
        QTest::newRow("astro without weekdays") << 52 << 1 << 5;
        QTest::newRow("plain with pulse and cycle") << ReportFixture::Weekly4 << 0 << 16;
        QTest::newRow("plain without pulse and cycle") << 15 << 0 << 11;
        QTest::newRow("plain without weekdays") << ReportFixture::Weekly4 << 1 << 4;
    }
    void switchTimeRowsHaveTheFieldsOfTheirTable() {
        QFETCH(int, model);
        QFETCH(int, program);
        QFETCH(int, fields);
        storage::Project project(model, QStringLiteral("Felder"));
        const auto channel = project.data()->channel(0);
        if (devices::DeviceService::instance().deviceByOt2Number(model).isAstro())
            channel->setFunction(storage::Channel::AstroFunction);
        channel->program(program)->setSwitches(
            {SwitchTime(SwitchTime::Switch, SwitchTime::On, 3600, 1 << 7)});
        const QList<QStringList> records = filledRecords(ProjectDocument(project).toCsv());
        const auto row = std::find_if(records.cbegin(), records.cend(), [](const QStringList& r) {
            return r.value(1) == QLatin1String("Schaltzeit");
        });
        QVERIFY(row != records.cend());
        QCOMPARE(row->size(), fields);
    }

    void dateRangeRowsHaveSixteenFields_data() {
        QTest::addColumn<int>("type");
        for (int type = DateRange::FixYear; type <= DateRange::ChineseNewYear; ++type)
            QTest::addRow("type %d", type) << type;
    }
    void dateRangeRowsHaveSixteenFields() {
        QFETCH(int, type);
        QCOMPARE(dateRangeRow(DateRange{DateRange::Type(type)}).size(), 16);
    }

    void cycleOnMonday() {
        storage::Project project(ReportFixture::Weekly4, QStringLiteral("Zyklus"));
        project.data()->channel(0)->program(0)->setSwitches({mondayCycle(128)});
        const QStringList lines = filledLines(project);
        const qsizetype head =
            lines.indexOf("Nr.,Typ,Status,Uhrzeit,Wochentag,,,,,,,Impuls,Zyklus Impuls,Pause,Ende,Ende");
        QVERIFY(head > 0);
        QCOMPARE(lines.value(head + 2),
                 QStringLiteral("1,Zyklus,,06:00,Mo.,,,,,,,,00:00:30,00:01:00,18:00,Mo."));
    }

    void easterOffsets_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("text");
        QTest::newRow("-2") << -2 << "Karfreitag";
        QTest::newRow("-1") << -1 << "1 Tag vor Ostersonntag";
        QTest::newRow("0") << 0 << "Ostersonntag";
        QTest::newRow("1") << 1 << "Ostermontag";
        QTest::newRow("39") << 39 << "Christi Himmelfahrt";
        QTest::newRow("49") << 49 << "Pfingstsonntag";
        QTest::newRow("50") << 50 << "Pfingstmontag";
        QTest::newRow("60") << 60 << "Fronleichnam";
        QTest::newRow("-5") << -5 << "5 Tag(e) vor Ostersonntag";
        QTest::newRow("10") << 10 << "10 Tag(e) nach Ostersonntag";
    }
    void easterOffsets() {
        QFETCH(int, offset);
        QFETCH(QString, text);
        DateRange range(DateRange::Easter);
        range.setStartDay(offset);
        range.setEndDay(offset);
        const QStringList row = dateRangeRow(range);
        QCOMPARE(row.value(1), QStringLiteral("Osterregel"));
        QCOMPARE(row.value(5), text);
        QCOMPARE(row.value(10), text);
    }

    void chineseNewYearOffsets_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("text");
        QTest::newRow("-3") << -3 << "3 Tag(e) vor Chinese NY";
        QTest::newRow("0") << 0 << "Chinesisches Neujahr";
        QTest::newRow("4") << 4 << "4 Tag(e) nach Chinese NY";
    }
    void chineseNewYearOffsets() {
        QFETCH(int, offset);
        QFETCH(QString, text);
        DateRange range(DateRange::ChineseNewYear);
        range.setStartDay(offset);
        range.setEndDay(offset);
        QCOMPARE(dateRangeRow(range).value(5), text);
    }

    void weekRules_data() {
        QTest::addColumn<int>("occurrence");
        QTest::addColumn<int>("weekday");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("text");
        QTest::newRow("last Monday of every month") << 5 << 1 << 0 << "Letzter Montag jeden Monat";
        QTest::newRow("second Sunday in December") << 2 << 7 << 12 << "Zweiter Sonntag im Dezember";
        QTest::newRow("occurrence 0") << 0 << 1 << 0 << "-";
        QTest::newRow("occurrence 8") << 8 << 1 << 0 << "-";
        QTest::newRow("occurrence 6, no such name") << 6 << 1 << 0 << "- Montag jeden Monat";
        QTest::newRow("weekday 0") << 1 << 0 << 3 << "Erster - im März";
        QTest::newRow("weekday 8") << 1 << 8 << 3 << "Erster - im März";
        QTest::newRow("month 13") << 3 << 3 << 13 << "Dritter Mittwoch -";
        QTest::newRow("month -1") << 3 << 3 << -1 << "Dritter Mittwoch -";
    }
    void weekRules() {
        QFETCH(int, occurrence);
        QFETCH(int, weekday);
        QFETCH(int, month);
        QFETCH(QString, text);
        DateRange range(DateRange::WeekRule);
        range.setWeekRuleDay(occurrence);
        range.setWeekRuleWeekDay(weekday);
        range.setWeekRuleMonth(month);
        const QStringList row = dateRangeRow(range);
        QCOMPARE(row.value(5), text);
        QCOMPARE(row.value(10), QString());
        QCOMPARE(row.value(14), QString());
    }

    void seriesOfSevenDays() {
        DateRange range(DateRange::Serie);
        range.setRepeat(7);
        QCOMPARE(dateRangeRow(range).value(15), QStringLiteral("R 7d"));
    }

    void fixedDatesAndTheLoadedHolidays_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("every year, New Year")
            << int(DateRange::Yearly) << QDate(2008, 1, 1) << "01.01" + Spaces + "Neujahr";
        QTest::newRow("once, New Year")
            << int(DateRange::FixYear) << QDate(2027, 1, 1) << "01.01.2027" + Spaces + "Neujahr";
        QTest::newRow("every year, no holiday") << int(DateRange::Yearly) << QDate(2008, 3, 4) << "04.03";
    }
    void fixedDatesAndTheLoadedHolidays() {
        QFETCH(int, type);
        QFETCH(QDate, date);
        QFETCH(QString, text);
        DateRange range{DateRange::Type(type)};
        range.setStartDate(QDateTime(date, QTime(7, 45), Qt::UTC));
        range.setEndDate(QDateTime(date.addDays(1), QTime(7, 45), Qt::UTC));
        const QStringList row = dateRangeRow(range);
        QCOMPARE(row.value(5), text);
        QCOMPARE(row.value(9), QStringLiteral("07:45"));
    }

    // Users name their own holidays: the name prints as typed.
    void ownHolidayNamesAreEscaped() {
        holidays::HolidaySetService& sets = services->holidaySets;
        const int shipped = sets.currentIndex();
        QVERIFY(sets.addCustomHolidaySet(QStringLiteral("Eigene Feste")));
        const QList<holidays::HolidaySet> list = sets.holidaySetList();
        const auto own = std::find_if(list.cbegin(), list.cend(), [](const holidays::HolidaySet& set) {
            return set.name() == QLatin1String("Eigene Feste");
        });
        QVERIFY(own != list.cend());
        const int index = int(own - list.cbegin());
        const holidays::Holiday party(QStringLiteral("Fest <b>A</b> & B"), 0, 0, 5, 7, 2008, 0, 0, 6, 2008, 7,
                                      0);
        QVERIFY(sets.addHoliday(index, party.data()));
        sets.setHolidayList(index);
        DateRange range(DateRange::Yearly);
        range.setStartDate(wallClock(2008, 7, 5, 0, 0));
        range.setEndDate(wallClock(2008, 7, 6, 0, 0));
        const QString start = dateRangeRow(range).value(5);
        sets.setHolidayList(shipped);
        QCOMPARE(start, "05.07" + Spaces + "Fest <b>A</b> & B");
    }

    void endDayBits_data() {
        QTest::addColumn<int>("endDay");
        QTest::addColumn<QString>("text");
        QTest::newRow("1 endless") << 1 << "Endlos";
        QTest::newRow("2 Sunday") << 2 << "So.";
        QTest::newRow("4 Saturday") << 4 << "Sa.";
        QTest::newRow("8 Friday") << 8 << "Fr.";
        QTest::newRow("16 Thursday") << 16 << "Do.";
        QTest::newRow("32 Wednesday") << 32 << "Mi.";
        QTest::newRow("64 Tuesday") << 64 << "Di.";
        QTest::newRow("128 Monday") << 128 << "Mo.";
        QTest::newRow("the highest bit decides") << (128 | 4) << "Mo.";
        QTest::newRow("0") << 0 << "";
        QTest::newRow("no single end day") << -1 << "";
        QTest::newRow("above Monday") << 256 << "";
    }
    void endDayBits() {
        QFETCH(int, endDay);
        QFETCH(QString, text);
        storage::Project project(ReportFixture::Weekly4, QStringLiteral("Ende"));
        project.data()->channel(0)->program(0)->setSwitches({mondayCycle(endDay)});
        const QStringList lines = filledLines(project);
        QVERIFY(lines.contains(joined(QStringList{"1", "Zyklus", "", "06:00"} + days({0}) +
                                      QStringList{"", "00:00:30", "00:01:00", "18:00", text})));
    }

    void emptyPrograms_data() {
        QTest::addColumn<int>("model");
        QTest::newRow("4 programs") << ReportFixture::Weekly4;
        QTest::newRow("17 programs") << ReportFixture::Weekly8;
    }
    void emptyPrograms() {
        QFETCH(int, model);
        storage::Project project(model, QStringLiteral("Leer"));
        const auto channel = project.data()->channel(0);
        channel->program(0);
        channel->program(1);
        channel->program(2)->setSwitches({SwitchTime(SwitchTime::Switch, SwitchTime::On, 3600, 1 << 2)});
        const QStringList lines = filledLines(project);
        const qsizetype start = lines.indexOf("Kanal 1");
        QStringList expected{"Kanal 1", standardHeading(false).first(), "Leer"};
        if (model == ReportFixture::Weekly4)
            expected << heading(1, "Funktion Schaltprogramm") << "Leer";
        expected << heading(2, model == ReportFixture::Weekly4 ? "Funktion Ein" : "Funktion Schaltprogramm")
                 << "Schaltungen:";
        QCOMPARE(lines.mid(start, expected.size()), expected);
    }

    void twilightReports_data() {
        QTest::addColumn<int>("model");
        QTest::newRow("one setting for every day") << 73;
        QTest::newRow("a setting per weekday") << 74;
    }
    void twilightReports() {
        QFETCH(int, model);
        const devices::Device device = devices::DeviceService::instance().deviceByOt2Number(model);
        const bool perDay = model == 74;
        QStringList expected = metadata(device.name(), "Schaufenster");
        expected << "Kanal 1"
                 << "Luxwerte,,"
                 << ",Ein,Aus";
        if (perDay)
            expected << "Mo.,20 lx,40 lx"
                     << "Di.,0 lx,0 lx"
                     << "Mi.,5 lx,300 lx"
                     << "Do.,0 lx,0 lx"
                     << "Fr.,0 lx,0 lx"
                     << "Sa.,0 lx,0 lx"
                     << "So.,0 lx,0 lx";
        else
            expected << ",20 lx,40 lx";
        // 3690 s keep their hour: 61 minutes.
        expected << "Verzögerungszeit,"
                 << "Ein,Aus"
                 << "1 min 30 s,61 min 30 s"
                 << "Schaltungen:" << astroHead()
                 << joined(QStringList{"1", "Schaltzeit", "Ein", "06:00"} + days(Week) +
                           QStringList{"00:00"} + days(Week));
        if (perDay) {
            // The title of a twilight extra program is empty.
            expected << "Sonderprogramm 1"
                     << "Luxwerte,,"
                     << ",Ein,Aus"
                     << ",12 lx,80 lx"
                     << "Schaltungen:"
                     << "Nr.,Typ,Status,Startzeitpunkt,Dauer bis"
                     << ",,,hh:mm,hh:mm"
                     << "1,Schaltzeit,Aus,23:00,00:00"
                     << "Datum Bereich:"
                     << "Leer"
                     << "Kanal 2"
                     << "Leer";
        }
        expected << "Einstellungen Gerät" << timeAndDate("Europa") << freeRuleChanges()
                 << inactiveHolidays(device.kanals()) << "Optionen";
        if (perDay)
            expected << "Externer Eingang" << channelRows(2, {}, {"Inaktiv"});
        expected << "LCD-Beleuchtung" + Spaces + "Nach 1 Minute aus";
        QCOMPARE(filledLines(twilightProject(model)), expected);
    }

    void channelTypeReport() {
        const devices::Device device = devices::DeviceService::instance().deviceByOt2Number(53);
        QStringList expected = metadata(device.name(), "Hybrid");
        expected << "Astro"
                 << "Koordinaten,Aktiv"
                 << "Breitengrad,0"
                 << "Längengrad,0"
                 << "Zeitzone,UTC +1h"
                 << "Länderliste,Inaktiv"
                 << "Land,"
                 << "Stadt,"
                 << "Favoriten,Inaktiv"
                 << "Eigene Astro Tabelle,Inaktiv"
                 << "Kanal 1" << standardHeading(true) << "Schaltungen:" << astroHead()
                 << joined(QStringList{"1", "Fix", "Aus", "23:00"} + days({6}) + QStringList{"04:00"} +
                           days({0}))
                 << "Kanal 2" << standardHeading(false) << "Schaltungen:" << plainHead()
                 << joined(QStringList{"1", "Schaltzeit", "Ein", "07:00"} + days({0}) + blanks(5))
                 // The own table leaves out the change dates.
                 << "Einstellungen Gerät" << timeAndDate("Eigene Tabelle") << inactiveHolidays(2)
                 << "Optionen"
                 << "LCD-Beleuchtung" + Spaces + "Nach 1 Minute aus";
        QCOMPARE(filledLines(channelTypeProject()), expected);
    }

    void astroReport() {
        const devices::Device device =
            devices::DeviceService::instance().deviceByOt2Number(ReportFixture::Astro2);
        QStringList expected = metadata(device.name(), "Parkplatz");
        expected << "Astro"
                 << "Koordinaten,Aktiv"
                 << "Breitengrad,-33.8688 ° Süden"
                 << "Längengrad,151.209 ° Osten"
                 << "Zeitzone,UTC +10h"
                 << "Länderliste,Inaktiv"
                 << "Land,"
                 << "Stadt,"
                 << "Favoriten,Inaktiv"
                 << "Eigene Astro Tabelle,Inaktiv"
                 << "Kanal 1"
                 << "Astrozeitpunkt"
                 << "Dämmerung"
                 << "Offset,"
                 << "Offset Sonnenaufgang,Offset Sonnenuntergang"
                 << "-15 min,20 min"
                 << "Astromode"
                 << "Astro-Impuls" << standardHeading(true) << "Schaltungen:" << astroHead()
                 << joined(QStringList{"1", "Fix", "Ein", "22:00"} + days({0, 2}) + QStringList{"05:30"} +
                           days({3}))
                 << heading(device.programms() - 2, "Funktion Ein") << "Schaltungen:" << astroHead()
                 << joined(QStringList{"1", "Schaltzeit", "Ein", "12:00"} + days({6}) + QStringList{"00:00"} +
                           days({6}))
                 << "Datum Bereich:"
                 << "Leer"
                 << "Kanal 2"
                 << "Leer"
                 << "Einstellungen Gerät" << timeAndDate("Europa") << freeRuleChanges() << inactiveHolidays(2)
                 << "Optionen"
                 << "Betriebsstunden"
                 << "Betriebsstundenzähler Serviceintervall"
                 << channelRows(2, {}, {"0 h", "Signalisierung auf", "-"}) << "Externer Eingang"
                 << channelRows(2, {}, {"Inaktiv"}) << "LCD-Beleuchtung" + Spaces + "Nach 1 Minute aus";
        QCOMPARE(filledLines(astroProject(ReportFixture::Astro2, -33.8688, 151.2093, 27)), expected);
    }

    // The same free rule read in spring and in autumn: the hours change places.
    void freeRuleInSpringAndAutumn() {
        storage::Project project(ReportFixture::Weekly4, QStringLiteral("Regel"));
        project.setSoWiRuleType(7);
        project.setWiSoWeek(4);
        project.setWiSoMonth(2);
        project.setWiSoHour(7200);
        project.setWiSoWeekDay(6);
        project.setSoWiWeek(4);
        project.setSoWiMonth(2);
        project.setSoWiHour(7200);
        project.setSoWiWeekDay(6);
        const QStringList lines = filledLines(project);
        const qsizetype spring = lines.indexOf("Winter ► Sommer,Woche,Monat,Stunde,Wochentag");
        QVERIFY(spring > 0);
        const QStringList expected{
            "Winter ► Sommer,Woche,Monat,Stunde,Wochentag", "Freie Regel,Letzte,3,2h > 3h,Sonntag",
            "Sommer ► Winter,Woche,Monat,Stunde,Wochentag", "Freie Regel,Letzte,3,3h > 2h,Sonntag"};
        QCOMPARE(lines.mid(spring, 4), expected);
    }

    // A week outside the five choices prints "-".
    void freeRuleWeekOutsideItsList() {
        storage::Project project(ReportFixture::Weekly4, QStringLiteral("Regel"));
        project.setSoWiRuleType(7);
        project.setWiSoWeek(5);
        project.setSoWiWeek(-1);
        const QStringList lines = filledLines(project);
        const qsizetype spring = lines.indexOf("Winter ► Sommer,Woche,Monat,Stunde,Wochentag");
        QVERIFY(lines.value(spring + 1).startsWith(QLatin1String("Freie Regel,-,")));
        QVERIFY(lines.value(spring + 3).startsWith(QLatin1String("Freie Regel,-,")));
    }

    // Astro time and astro mode outside their lists print "-".
    void astroChoicesOutsideTheirLists() {
        storage::Project project = astroProject(ReportFixture::Astro2, 0, 0, 13);
        project.setting(0)->setAstroTime(3);
        project.setting(0)->setAstroMode(4);
        const QStringList lines = filledLines(project);
        QCOMPARE(lines.value(lines.indexOf("Astrozeitpunkt") + 1), QStringLiteral("-"));
        QCOMPARE(lines.value(lines.indexOf("Astromode") + 1), QStringLiteral("-"));
    }

    void optionCapabilities_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("extension module")
            << ReportFixture::ExtensionModuleOnly
            << QStringList{"Optionen", "Erweiterungsmodul" + Spaces + "Inaktiv"};
        QTest::newRow("operating time")
            << ReportFixture::OperatingTimeOnly
            << QStringList{"Optionen", "Betriebsstunden", "Betriebsstundenzähler Serviceintervall",
                           "C1,0 h",   "C2,0 h",          "C3,0 h",
                           "C4,0 h"};
        QTest::newRow("external input") << ReportFixture::ExternalInputOnly
                                        << QStringList{"Optionen",   "Externer Eingang", "C1,Inaktiv",
                                                       "C2,Inaktiv", "C3,Inaktiv",       "C4,Inaktiv"};
        QTest::newRow("LCD") << ReportFixture::LcdOnly
                             << QStringList{"Optionen", "LCD-Beleuchtung" + Spaces + "Nach 1 Minute aus"};
    }
    void optionCapabilities() {
        QFETCH(int, model);
        QFETCH(QStringList, lines);
        const QStringList report = filledLines(storage::Project(model, QStringLiteral("Optionen")));
        QCOMPARE(report.mid(report.indexOf("Optionen")), lines);
    }

    // Straight after the heading, both still start a line of their own.
    void holidaysAndOptionsStartTheirOwnLines_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("options") << ReportFixture::BareOptions
                                 << QStringList{"Einstellungen Gerät", "Optionen"};
        QTest::newRow("holidays") << ReportFixture::BareHolidays
                                  << (QStringList{"Einstellungen Gerät"} + inactiveHolidays(4) +
                                      QStringList{"Optionen"});
    }
    void holidaysAndOptionsStartTheirOwnLines() {
        QFETCH(int, model);
        QFETCH(QStringList, lines);
        const QStringList report = filledLines(storage::Project(model, QStringLiteral("Zeilen")));
        QCOMPARE(report.mid(report.indexOf("Einstellungen Gerät")), lines);
    }

    void astroLocationSources_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QStringList>("lines");
        const auto rows = [](const QString& latitude, const QString& longitude, const QString& zone,
                             const QList<bool>& active, const QString& country, const QString& city) {
            const auto state = [](bool on) {
                return on ? QStringLiteral("Aktiv") : QStringLiteral("Inaktiv");
            };
            QStringList lines{"Koordinaten," + state(active.at(0)),
                              "Breitengrad," + latitude,
                              "Längengrad," + longitude,
                              "Zeitzone," + zone,
                              "Länderliste," + state(active.at(1)),
                              "Land," + country,
                              "Stadt," + city,
                              "Favoriten," + state(active.at(2)),
                              "Eigene Astro Tabelle," + state(active.at(3))};
            return lines;
        };
        QTest::newRow("coordinates at 0")
            << "coordinates" << 0.0 << 0.0 << rows("0", "0", "UTC +1h", {true, false, false, false}, "", "");
        QTest::newRow("country list") << "city" << 52.520008 << 13.41053
                                      << rows("52.52 ° Norden", "13.4105 ° Osten", "UTC +1h",
                                              {false, true, false, false}, "Deutschland", "Berlin");
        const QString favorites = countries::CountryService::instance().countryName(0);
        QTest::newRow("favourite") << "favourite" << 48.137 << 11.575
                                   << rows("48.137 ° Norden", "11.575 ° Osten", "UTC +1h",
                                           {false, false, true, false}, favorites, "Büro <Nord> & Süd");
        QStringList ownTable = rows("-33.8688 ° Süden", "151.207 ° Osten", "UTC +1h",
                                    {false, false, false, true}, "Australien", "Sydney");
        ownTable << "Name,Tabelle <1> & 2";
        QTest::newRow("own table") << "table" << -33.8688 << 151.20732 << ownTable;
    }
    void astroLocationSources() {
        QFETCH(QString, source);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QStringList, lines);
        storage::AstroProject project(storage::Project(ReportFixture::Astro2, QStringLiteral("Ort")));
        project.setLatitude(latitude);
        project.setLongitude(longitude);
        project.setTimezone(13);
        project.setFirstChar(255);
        project.setChecksum(255);
        if (source == QLatin1String("city")) {
            project.setFirstChar(66);
            project.setChecksum(188);
        } else if (source == QLatin1String("favourite")) {
            const auto favorite = project.addFavoriteLocation();
            favorite->setCity(QStringLiteral("Büro <Nord> & Süd"));
            favorite->setLatitude(latitude);
            favorite->setLongitude(longitude);
            favorite->setTimezone(13);
            favorite->setFirstChar(66);
            favorite->setChecksum(7);
            project.setFirstChar(66);
            project.setChecksum(7);
        } else if (source == QLatin1String("table")) {
            project.setTimezone(27);
            project.setFirstChar(83);
            project.setChecksum(220);
            project.ownAstroTable()->setEnabled(true);
            project.ownAstroTable()->setName(QStringLiteral("Tabelle <1> & 2"));
            lines[3] = QStringLiteral("Zeitzone,UTC +10h");
        }
        const QStringList report = filledLines(project);
        const qsizetype start = report.indexOf("Astro") + 1;
        QCOMPARE(report.mid(start, lines.size()), lines);
        QCOMPARE(report.value(start + lines.size()), QStringLiteral("Kanal 1"));
    }

    // CTest runs this with TZ=America/Santiago, where 8 September 2024 starts at 01:00, and with
    // TZ=Europe/Berlin, where 31 March 2024 skips 02:00 to 03:00.
    void valuesInASummerTimeGapKeepTheirCalendarValue() {
        storage::Project project = plainProject(ReportFixture::Weekly4);
        project.setSoWiRuleType(8);
        project.setWiSoDate(QDate(2024, 9, 8));
        project.setWiSoHour(0);
        project.setSoWiDate(QDate(2024, 3, 31));
        const auto setting = project.setting(0);
        setting->setHolidayBegin(wallClock(2024, 3, 31, 2, 30));
        setting->setHolidayEnd(wallClock(2024, 9, 8, 0, 15));
        DateRange gap(DateRange::FixYear);
        gap.setStartDate(wallClock(2024, 3, 31, 2, 30));
        gap.setEndDate(wallClock(2024, 9, 8, 0, 15));
        project.data()->channel(0)->program(1)->setDateRanges({gap});
        project.data()->channel(0)->program(0)->setSwitches(
            {SwitchTime(SwitchTime::Switch, SwitchTime::On, 2 * 3600 + 30 * 60, 1 << 7)});
        const QStringList lines = filledLines(project);
        QVERIFY(lines.contains("Sommer ► Winter,Datum,Stunde"));
        QVERIFY(lines.contains("Fixes Datum,08.09,0h > 1h"));
        QVERIFY(lines.contains("Fixes Datum,31.03,4h > 3h"));
        QVERIFY(lines.contains("C1,Aus,31.03.2024,02:30,08.09.2024,00:15"));
        QVERIFY(std::any_of(lines.cbegin(), lines.cend(), [](const QString& line) {
            return line.startsWith(
                QLatin1String("1,Fixes Datum,,,,31.03.2024,,,,02:30,08.09.2024,,,,00:15,"));
        }));
        QVERIFY(
            lines.contains(joined(QStringList{"1", "Schaltzeit", "Ein", "02:30"} + days({0}) + blanks(5))));
    }

    void printedChannelsStartTheirOwnPages() {
        QTemporaryDir folder;
        const QList<QStringList> pages =
            printedPages(plainProject(ReportFixture::Weekly4), folder.filePath(QStringLiteral("plain.pdf")));
        QStringList firstLines;
        for (const QStringList& page : pages)
            firstLines.append(page.value(0));
        for (int channel = 1; channel <= 4; ++channel)
            QVERIFY2(firstLines.contains(QStringLiteral("Kanal %1").arg(channel)),
                     qPrintable(firstLines.join(u'|')));
        QCOMPARE(firstLines.constLast(), QStringLiteral("Einstellungen Gerät"));
        const QStringList settings = pages.constLast();
        QVERIFY(settings.contains(QStringLiteral("Ferien")));
        // Each holiday period on one line, its dates whole.
        QVERIFY2(settings.contains(QStringLiteral("C1 Aus 20.07.2026 06:00 07.08.2026 18:30")),
                 qPrintable(settings.join(u'|')));
        QVERIFY(settings.contains(QStringLiteral("Optionen")));
    }

    void printedHolidaysAndOptionsStandOnTheirOwnLines_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("line");
        QTest::newRow("options") << ReportFixture::BareOptions << "Optionen";
        QTest::newRow("holidays") << ReportFixture::BareHolidays << "Ferien";
    }
    void printedHolidaysAndOptionsStandOnTheirOwnLines() {
        QFETCH(int, model);
        QFETCH(QString, line);
        QTemporaryDir folder;
        const QStringList settings = printedPages(storage::Project(model, QStringLiteral("Zeilen")),
                                                  folder.filePath(QStringLiteral("bare.pdf")))
                                         .constLast();
        QCOMPARE(settings.value(0), QStringLiteral("Einstellungen Gerät"));
        QVERIFY2(settings.contains(line), qPrintable(settings.join(u'|')));
    }

private:
    std::unique_ptr<ReportServices> services;
};

QTEST_MAIN(TestReportSections)
#include "tst_reportsections.moc"
