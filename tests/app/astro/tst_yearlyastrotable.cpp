#include "contentfixture.h"

#include "astrochannelcontroller.h"
#include "astroprojectcontroller.h"
#include "exportfiles.h"
#include "yearlyastrotablemodel.h"

#include "../report/csvreader.h"
#include "../report/documentreader.h"

#include <QFile>
#include <QLocale>

#include <astroengine.h>

class TestYearlyAstroTable : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ContentFixture> f;
    ProjectContentController* m_content = nullptr;

    AstroProjectController* astro() const {
        return qobject_cast<AstroProjectController*>(m_content->project());
    }
    std::unique_ptr<YearlyAstroTableModel> table(int year) {
        std::unique_ptr<YearlyAstroTableModel> model(m_content->yearlyAstroTable());
        model->setYear(year);
        return model;
    }
    static QString cell(const YearlyAstroTableModel& model, int row, int column) {
        return model.data(model.index(row, column)).toString();
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void init() {
        f = std::make_unique<ContentFixture>();
        m_content = f->open(QStringLiteral("Tarvino Rix3 Astro 2"));
        QVERIFY(m_content && astro());
        astro()->coordinatesController()->setCountry(1);
        astro()->coordinatesController()->setCity(0);
        auto* channel = qobject_cast<AstroChannelController*>(m_content->channelController());
        QVERIFY(channel);
        channel->setOffsetSunrise(15);
        channel->setOffsetSunset(-10);
    }
    void cleanup() { f.reset(); }

    void februaryEnds_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("leap");
        QTest::newRow("leap") << 2028 << true;
        QTest::newRow("common") << 2027 << false;
    }

    void februaryEnds() {
        QFETCH(int, year);
        QFETCH(bool, leap);
        const auto model = table(year);
        QCOMPARE(model->rowCount(), 31);
        QCOMPARE(model->columnCount(), 12);
        QCOMPARE(cell(*model, 29, 1), QStringLiteral("-"));
        QCOMPARE(cell(*model, 28, 1) == QStringLiteral("-"), !leap);
        QCOMPARE(cell(*model, 30, 3), QStringLiteral("-"));
        const TJAstro expected = m_content->switchTimesViewController()->astroTableForYear(year);
        const AstroDay& firstOfMarch = expected.days.at(leap ? 61 : 60);
        QCOMPARE(cell(*model, 0, 2), YearlyAstroTableModel::timeWithOffset(firstOfMarch.sunrise, 0) + " - " +
                                         YearlyAstroTableModel::timeWithOffset(firstOfMarch.sunset, 0));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Februar"));
        QCOMPARE(model->headerData(4, Qt::Vertical).toInt(), 5);
    }

    void offsetsAreInTheTableOnly() {
        const auto model = table(2027);
        AstroEngine::setParameters(48, 11, 13, m_content->project()->summerWinterRule(2027), false, {});
        const TJAstro plain = AstroEngine::computeYear(2027, 0, 0, 0);
        QCOMPARE(model->earliestSunrise(), YearlyAstroTableModel::timeWithOffset(plain.earliestSunrise, 0));
        QVERIFY(model->earliestSunriseWithOffset() != model->earliestSunrise());
    }

    void dayWithoutSunsetShowsOnlyItsSunrise() {
        QCOMPARE(YearlyAstroTableModel::timeWithOffset({24, 1, 0, 0}, 0), QString());
        QCOMPARE(YearlyAstroTableModel::timeWithOffset({6, 12, 40, 0}, 30), QStringLiteral("06:42"));
        astro()->coordinatesController()->setLatitudeLongitude(69.65, 18.96);
        const auto model = table(2027);
        const TJAstro year = m_content->switchTimesViewController()->astroTableForYear(2027);
        QVERIFY(year.hasNoSunDays);
        int checked = 0;
        for (int day = 1; day <= 365; ++day) {
            const AstroDay& values = year.days.at(day);
            if (values.sunset.hour != 24 || values.sunrise.hour == 24)
                continue;
            const QDate date = QDate(2027, 1, 1).addDays(day - 1);
            QCOMPARE(cell(*model, date.day() - 1, date.month() - 1),
                     YearlyAstroTableModel::timeWithOffset(values.sunrise, 0) + " - ");
            ++checked;
        }
        for (int day = 1; day <= 365 && checked == 0; ++day) {
            const AstroDay& values = year.days.at(day);
            if (values.sunset.hour == 24) {
                const QDate date = QDate(2027, 1, 1).addDays(day - 1);
                QVERIFY(cell(*model, date.day() - 1, date.month() - 1).endsWith(" - "));
                ++checked;
            }
        }
        QVERIFY(checked > 0);
    }

    void setYearSignals() {
        const auto model = table(2027);
        QStringList order;
        connect(model.get(), &YearlyAstroTableModel::astroValuesChanged, this, [&] { order << "values"; });
        connect(model.get(), &YearlyAstroTableModel::yearChanged, this, [&] { order << "year"; });
        model->setYear(2027);
        QVERIFY(order.isEmpty());
        model->setYear(2030);
        QCOMPARE(order, QStringList({"values", "year"}));
        QCOMPARE(model->year(), 2030);
    }

    void followsTheContentsAstroTimes() {
        const auto model = table(2027);
        QSignalSpy values(model.get(), &YearlyAstroTableModel::astroValuesChanged);
        emit m_content->updateAstroTimes();
        QCOMPARE(values.count(), 1);
    }

    void csvReadsBack() {
        const auto model = table(2027);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("astro.csv"));
        QVERIFY(model->writeCsv(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(!bytes.contains('\r'));
        QList<QStringList> lines = readCsv(QString::fromUtf8(bytes));
        // Every line ends with a line feed, the last one too.
        QCOMPARE(lines.takeLast(), QStringList({QString()}));
        QCOMPARE(lines.size(), 50);
        QCOMPARE(lines.at(2).value(1), QStringLiteral("48.1372°"));
        QCOMPARE(lines.at(4).value(1), QStringLiteral("Erstland"));
        QCOMPARE(lines.at(5).value(1), QStringLiteral("Alpha, \"Beta\""));
        QCOMPARE(lines.at(6).value(1), QStringLiteral("UTC +1h"));
        QCOMPARE(lines.at(7).value(1), QStringLiteral("Europa"));
        QCOMPARE(lines.at(13), QStringList({"Kanal 1", "Ausschaltzeit", "Einschaltzeit", ""}));
        QCOMPARE(lines.at(16), QStringList({"Offset", "15 min", "-10 min", ""}));
        QCOMPARE(lines.at(18).value(1), QStringLiteral("Januar"));
        QCOMPARE(lines.at(18).value(23), QStringLiteral("Dezember"));

        // Day rows: the day, then sunrise and sunset per month.
        QStringList sunrises;
        QStringList sunsets;
        for (int day = 1; day <= 31; ++day) {
            const QStringList& row = lines.at(18 + day);
            QCOMPARE(row.value(0), QString::number(day));
            for (int month = 0; month < 12; ++month) {
                const QString sunrise = row.value(1 + 2 * month);
                const QString sunset = row.value(2 + 2 * month).trimmed();
                QCOMPARE(sunrise.isEmpty(), !QDate(2027, month + 1, day).isValid());
                if (!sunrise.isEmpty()) {
                    sunrises << sunrise;
                    sunsets << sunset;
                }
            }
        }
        QCOMPARE(sunrises.size(), 365);
        std::sort(sunrises.begin(), sunrises.end());
        std::sort(sunsets.begin(), sunsets.end());
        QCOMPARE(lines.at(14), QStringList({"frühestens", sunrises.first(), sunsets.first(), ""}));
        QCOMPARE(lines.at(15), QStringList({"spätestens", sunrises.last(), sunsets.last(), ""}));
    }

    // The view's head names the rule as the CSV does, and follows the project's rule.
    void ruleTextIsTheDevicesName_data() {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << QStringLiteral("Kein So/Wi");
        QTest::newRow("europe") << 1 << QStringLiteral("Europa");
        QTest::newRow("usa") << 5 << QStringLiteral("USA");
    }

    void ruleTextIsTheDevicesName() {
        QFETCH(int, rule);
        QFETCH(QString, text);
        m_content->project()->setSoWiRuleType(rule);
        const auto model = table(2027);
        QCOMPARE(model->ruleText(), text);
        QCOMPARE(model->heading()->rule, text);
    }

    void csvOfAPlainChannelIsRefused() {
        ProjectContentController* plain = f->open(QStringLiteral("Tarvino Rix3 Weekly 2"));
        QVERIFY(plain);
        std::unique_ptr<YearlyAstroTableModel> model(plain->yearlyAstroTable());
        QCOMPARE(model->data(model->index(0, 0)).toString(), QStringLiteral("00:00 - 00:00"));
        QTemporaryDir folder;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("astro table"));
        QVERIFY(!model->writeCsv(folder.filePath(QStringLiteral("plain.csv"))));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("plain.csv"))));
    }

    void exportAsksWhereAndCancelWritesNothing() {
        const auto model = table(2027);
        QTemporaryDir folder;
        QString suggested;
        ExportFiles::setSaveFileChooser([&](const QString& path) {
            suggested = path;
            return QString();
        });
        QVERIFY(!model->exportCsv());
        QVERIFY(suggested.endsWith(QStringLiteral("/Inhalt.csv")));
        ExportFiles::setSaveFileChooser(
            [&](const QString&) { return folder.filePath(QStringLiteral("x.csv")); });
        QVERIFY(model->exportCsv());
        ExportFiles::setSaveFileChooser({});
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("x.csv"))));
    }

    void printedMonthsHaveTheirDays() {
        const auto model = table(2028);
        const std::unique_ptr<QTextDocument> document(model->buildDocument());
        QVERIFY(document);
        const QList<QTextFrame*> sections = report::sections(*document);
        QCOMPARE(sections.size(), 2);
        QCOMPARE(report::titleOf(sections.at(0)), QStringLiteral("Astrotabelle"));
        const QList<QTextTable*> location = report::tablesIn(sections.at(0));
        QCOMPARE(location.size(), 1);
        QCOMPARE(report::cellText(*location.first(), 4, 1), QStringLiteral("Alpha, \"Beta\""));
        QCOMPARE(report::cellText(*location.first(), 10, 1), QStringLiteral("Ausschaltzeit"));
        QCOMPARE(report::cellText(*location.first(), 13, 2), QStringLiteral("-10 min"));
        const QList<QTextTable*> months = report::tablesIn(sections.at(1));
        QCOMPARE(months.size(), 2);
        for (int half = 0; half < 2; ++half) {
            const QTextTable& monthTable = *months.at(half);
            QCOMPARE(monthTable.rows(), 32);
            QCOMPARE(monthTable.columns(), 7);
            QCOMPARE(report::cellText(monthTable, 0, 0), QString());
            for (int column = 1; column <= 6; ++column) {
                const int month = half * 6 + column;
                int filled = 0;
                for (int row = 1; row <= 31; ++row)
                    filled += report::cellText(monthTable, row, column).isEmpty() ? 0 : 1;
                QCOMPARE(filled, QDate(2028, month, 1).daysInMonth());
                QCOMPARE(report::cellText(monthTable, 1, column), cell(*model, 0, month - 1));
            }
        }
        QCOMPARE(report::cellText(*months.at(0), 0, 3), QStringLiteral("März"));
    }

    void unwritablePlaceFails() {
        const auto model = table(2027);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Couldn't open file for csv export"));
        QVERIFY(!model->writeCsv(QStringLiteral("/nonexistent-folder/astro.csv")));
    }
};

QTEST_MAIN(TestYearlyAstroTable)
#include "tst_yearlyastrotable.moc"
