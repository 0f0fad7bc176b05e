#include "reportfixture.h"

#include <QRegularExpression>

#include "projectdocument.h"

using namespace report;

namespace {

const QStringList MetadataTitles{QStringLiteral("Projekt"), QStringLiteral("Kunde"),
                                 QStringLiteral("Ersteller")};

// Label and value cells of a metadata table.
QList<QStringList> rowsOf(const QTextTable& table) {
    QList<QStringList> rows;
    for (int row = 0; row < table.rows(); ++row)
        rows.append({cellText(table, row, 0), cellText(table, row, 1)});
    return rows;
}

} // namespace

class TestProjectDocument : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { fixture = std::make_unique<ReportFixture>(); }
    void cleanupTestCase() { fixture.reset(); }

    void channelsAndSettingsStartNewPages() {
        ProjectDocument report(storage::Project(ReportFixture::ThreeChannels, QStringLiteral("Drei")));
        const QTextDocument& document = *report.document();
        const QStringList expected =
            MetadataTitles + QStringList{"Kanal 1", "Kanal 2", "Kanal 3", "Einstellungen Gerät"};
        QCOMPARE(titles(document), expected);
        const QList<QTextFrame*> frames = sections(document);
        for (int i = 0; i < frames.size(); ++i) {
            const bool ownPage = i >= MetadataTitles.size();
            QCOMPARE(frames.at(i)->frameFormat().pageBreakPolicy(),
                     ownPage ? QTextFormat::PageBreak_AlwaysBefore : QTextFormat::PageBreak_Auto);
        }
        // The metadata share the first page; each channel and the settings follow on one of their own.
        report.document()->setPageSize(QSizeF(600, 800));
        QCOMPARE(report.document()->pageCount(), 5);
    }

    void astroSectionOnlyForAstroOrChannelTypeModels_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("astro");
        QTest::newRow("plain") << ReportFixture::Weekly4 << false;
        QTest::newRow("twilight") << ReportFixture::Lumen2 << false;
        QTest::newRow("astronomic") << ReportFixture::Astro2 << true;
        QTest::newRow("channel types") << ReportFixture::Hybrid4 << true;
    }
    void astroSectionOnlyForAstroOrChannelTypeModels() {
        QFETCH(int, model);
        QFETCH(bool, astro);
        const devices::Device device = fixture->devices->deviceByOt2Number(model);
        ProjectDocument report(storage::Project(model, QStringLiteral("Astro?")));
        const QStringList texts = titles(*report.document());
        QStringList expected = MetadataTitles;
        if (astro)
            expected.append(QStringLiteral("Astro"));
        for (int channel = 1; channel <= device.kanals(); ++channel)
            expected.append(QStringLiteral("Kanal %1").arg(channel));
        expected.append(QStringLiteral("Einstellungen Gerät"));
        QCOMPARE(texts, expected);
    }

    void metadataTablesHoldTheTextsAsTyped() {
        storage::Project project(ReportFixture::Weekly4, QStringLiteral("A, \"B\" <b>& d|e"));
        fillMetadata(project);
        project.setProjectTitle(QStringLiteral("X <y> & z"));
        ProjectDocument report(project);
        const QList<QTextFrame*> frames = sections(*report.document());
        const QList<QList<QStringList>> expected{
            {{"Titel:", "X <y> & z"},
             {"Beschreibung:", "Außenbeleuchtung, Ebenen 1 bis 3 <Umbau 2026> & Zufahrt"},
             {"Gerät:", "Tarvino Rix2 Weekly 4"},
             {"Dateiname:", "A, \"B\" <b>& d|e"}},
            {{"Name:", "Stadtwerke Musterstadt"}, {"Adresse:", "Am Markt 1\n12345 Musterstadt"}},
            {{"Name:", "Elektro Beispiel GmbH"}, {"Adresse:", "Industriestraße 7\n54321 Beispielheim"}}};
        for (int section = 0; section < 3; ++section) {
            const QList<QTextTable*> tables = tablesIn(frames.at(section));
            QCOMPARE(tables.size(), 1);
            QCOMPARE(tables.first()->format().width(), QTextLength(QTextLength::PercentageLength, 50));
            QCOMPARE(rowsOf(*tables.first()), expected.at(section));
            // Labels bold, values as typed.
            QVERIFY(tables.first()->cellAt(0, 0).firstCursorPosition().charFormat().fontWeight() >=
                    QFont::Bold);
            QVERIFY(tables.first()->cellAt(0, 1).firstCursorPosition().charFormat().fontWeight() <
                    QFont::Bold);
        }
    }

    void emptyMetadataKeepsItsRows() {
        ProjectDocument report(storage::Project(ReportFixture::Weekly4, QString()));
        const QList<QTextFrame*> frames = sections(*report.document());
        const QList<int> rowCounts{4, 2, 2};
        for (int section = 0; section < 3; ++section) {
            const QTextTable* table = tablesIn(frames.at(section)).value(0);
            QVERIFY(table);
            QCOMPARE(table->rows(), rowCounts.at(section));
            QCOMPARE(table->columns(), 2);
            for (int row = 0; row < table->rows(); ++row) {
                QVERIFY(!cellText(*table, row, 0).isEmpty());
                const bool deviceRow = section == 0 && row == 2;
                QCOMPARE(cellText(*table, row, 1).isEmpty(), !deviceRow);
            }
        }
    }

    void csvHoldsEveryMetadataTextAsOneField() {
        storage::Project project(ReportFixture::ThreeChannels, QStringLiteral("A, \"B\" <b>& d|e"));
        fillMetadata(project);
        const QStringList lines = ProjectDocument(project).toCsv().split(u'\n');
        QVERIFY(lines.contains(QStringLiteral("Dateiname:,\"A, \"\"B\"\" <b>& d|e\"")));
        QVERIFY(lines.contains(QStringLiteral("Gerät:,Tarvino Rix2 Weekly 3")));
        // A line break in an address stays inside its quoted field.
        QVERIFY(lines.contains(QStringLiteral("Adresse:,\"Am Markt 1")));
        QVERIFY(lines.contains(QStringLiteral("12345 Musterstadt\"")));
        const QStringList titles = MetadataTitles + QStringList{"Kanal 1", "Kanal 3", "Einstellungen Gerät"};
        for (const QString& title : titles)
            QVERIFY2(lines.contains(title), qPrintable(title));
    }

    void unknownModelGivesTheProjectDataOnly() {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("unknown model 9999")));
        storage::Project project(9999, QStringLiteral("Fremd"));
        project.setClientName(QStringLiteral("Kunde X"));
        ProjectDocument report(project);
        QCOMPARE(titles(*report.document()), MetadataTitles);
        const QTextTable* customer = tablesIn(sections(*report.document()).at(1)).value(0);
        QVERIFY(customer);
        QCOMPARE(cellText(*customer, 0, 1), QStringLiteral("Kunde X"));
    }

    void datesFollowTheProjectsFormat_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("withYear");
        QTest::addColumn<QString>("withoutYear");
        QTest::newRow("0 dotted") << 0 << "31.12.2024"
                                  << "31.12";
        QTest::newRow("1 US") << 1 << "12/31/2024"
                              << "12/31";
        QTest::newRow("2 ISO") << 2 << "2024-12-31"
                               << "12-31";
        QTest::newRow("5 dotted") << 5 << "31.12.2024"
                                  << "31.12";
    }
    void datesFollowTheProjectsFormat() {
        QFETCH(int, format);
        QFETCH(QString, withYear);
        QFETCH(QString, withoutYear);
        storage::Project project(ReportFixture::Weekly4, QStringLiteral("Datum"));
        project.setDateFormat(format);
        // The time format does not matter for times: always the 24-hour clock.
        project.setTimeFormat(1);
        const ProjectDocument report(project);
        const QDate date(2024, 12, 31);
        const QDateTime evening(date, QTime(18, 5, 9), Qt::UTC);
        QCOMPARE(report.formatDate(date, true), withYear);
        QCOMPARE(report.formatDate(date, false), withoutYear);
        QCOMPARE(report.formatDateTime(evening, true), withYear);
        QCOMPARE(report.formatDateTime(evening, false), withoutYear);
        QCOMPARE(report.formatTime(evening, false), QStringLiteral("18:05"));
        QCOMPARE(report.formatTime(evening, true), QStringLiteral("18:05:09"));
    }

    // Run once with TZ=Europe/Berlin and once with TZ=America/Santiago: each gap is local time
    // that does not exist in its zone.
    void wallClockTimesInAGapAreWritten_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("dateText");
        QTest::addColumn<QString>("timeText");
        QTest::newRow("Berlin 2024-03-31 02:30")
            << QByteArray("Europe/Berlin") << QDate(2024, 3, 31) << QTime(2, 30) << "31.03.2024"
            << "02:30";
        QTest::newRow("Santiago 2024-09-08 00:00")
            << QByteArray("America/Santiago") << QDate(2024, 9, 8) << QTime(0, 0) << "08.09.2024"
            << "00:00";
    }
    void wallClockTimesInAGapAreWritten() {
        QFETCH(QByteArray, zone);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QFETCH(QString, dateText);
        QFETCH(QString, timeText);
        const QDateTime local(date, time);
        if (qgetenv("TZ") == zone)
            QVERIFY2(!local.isValid(), "the local time should fall into the gap");
        const ProjectDocument report(storage::Project(ReportFixture::Weekly4, QStringLiteral("Lücke")));
        QCOMPARE(report.formatDateTime(local, true), dateText);
        QCOMPARE(report.formatTime(local, false), timeText);
        QCOMPARE(report.formatDate(date, true), dateText);
    }

private:
    std::unique_ptr<ReportFixture> fixture;
};

QTEST_MAIN(TestProjectDocument)
#include "tst_projectdocument.moc"
