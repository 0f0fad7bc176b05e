#include <QSignalSpy>
#include <QTest>
#include <memory>

#include <astroengine.h>
#include <ownastrotablemodel.h>

namespace {

// A computed year whose every day carries its own number: sunrise 05:mm:ss and sunset 19:mm:ss
// with mm = day % 60 and ss = day / 60.
TJAstro numberedYear() {
    TJAstro year;
    for (int day = 1; day < TJAstro::DayCount; ++day) {
        year.days[day].sunrise = {5, day % 60, day / 60, 0};
        year.days[day].sunset = {19, day % 60, day / 60, 0};
    }
    return year;
}

QTime numberedSunrise(int day) {
    return QTime(5, day % 60, day / 60);
}

QTime at(int hour, int minute) {
    return QTime(hour, minute);
}

} // namespace

class TestOwnAstroTableModel : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<storage::OwnAstroTable> m_table;
    std::unique_ptr<OwnAstroTableModel> m_model;

    QTime sunrise(int row) const { return m_model->data(m_model->index(row, 0)).toTime(); }
    QTime sunset(int row) const { return m_model->data(m_model->index(row, 1)).toTime(); }

private slots:
    void init() {
        m_table = std::make_unique<storage::OwnAstroTable>();
        m_model = std::make_unique<OwnAstroTableModel>(m_table.get(), nullptr);
    }

    void cleanup() {
        m_model.reset();
        m_table.reset();
    }

    void showsStoredTable() {
        QCOMPARE(m_model->rowCount(), 366);
        QCOMPARE(m_model->columnCount(), 2);
        m_table->setSunsetTime(at(20, 1), 59);
        QCOMPARE(sunset(59), at(20, 1));
        QVERIFY(!m_model->data(m_model->index(366, 0)).isValid());
        QCOMPARE(m_model->headerData(4, Qt::Vertical).toInt(), 5);
    }

    // Rows follow a leap year; in a common year 29 February repeats 28 February and no later row
    // takes the next day's value.
    void automaticFillFollowsCalendar_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("day");
        QTest::newRow("leap, 1 January") << 2024 << 0 << 1;
        QTest::newRow("leap, 29 February") << 2024 << 59 << 60;
        QTest::newRow("leap, 1 March") << 2024 << 60 << 61;
        QTest::newRow("leap, 31 December") << 2024 << 365 << 366;
        QTest::newRow("common, 28 February") << 2025 << 58 << 59;
        QTest::newRow("common, 29 February") << 2025 << 59 << 59;
        QTest::newRow("common, 1 March") << 2025 << 60 << 60;
        QTest::newRow("common, 31 December") << 2025 << 365 << 365;
    }

    void automaticFillFollowsCalendar() {
        QFETCH(int, year);
        QFETCH(int, row);
        QFETCH(int, day);
        m_model->setAstroTimes(numberedYear(), year);
        m_model->applyOffset(QDate(2008, 1, 1), QDate(2008, 12, 31), 0, 0);
        QCOMPARE(sunrise(row), numberedSunrise(day));
    }

    void automaticFillTakesStandardTime() {
        TJAstro year = numberedYear();
        year.days[180].sunrise = {4, 30, 0, 1};
        year.days[180].sunset = {21, 40, 0, 1};
        m_model->setAstroTimes(year, 2024);
        m_model->applyOffset(QDate(2008, 6, 28), QDate(2008, 6, 28), 0, 0);
        QCOMPARE(sunrise(179), at(3, 30));
        QCOMPARE(sunset(179), at(20, 40));
    }

    void offsetsWrapAroundMidnight() {
        TJAstro year = numberedYear();
        year.days[10].sunrise = {0, 10, 0, 0};
        year.days[10].sunset = {23, 50, 0, 0};
        m_model->setAstroTimes(year, 2024);
        m_model->applyOffset(QDate(2008, 1, 10), QDate(2008, 1, 10), -30, 20);
        QCOMPARE(sunrise(9), at(23, 40));
        QCOMPARE(sunset(9), at(0, 10));
        QCOMPARE(sunrise(10), at(6, 0));
    }

    void dayWithoutSunKeepsRow() {
        TJAstro year = numberedYear();
        year.days[5].sunrise = {24, 2, 0, 0};
        m_model->setAstroTimes(year, 2024);
        const QTime before = sunrise(4);
        m_model->applyOffset(QDate(2008, 1, 5), QDate(2008, 1, 5), -30, 0);
        QCOMPARE(sunrise(4), before);
        QVERIFY(sunrise(4).isValid());
    }

    void reversedRangeChangesNothing() {
        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        m_model->setAstroTimes(numberedYear(), 2024);
        m_model->applyOffset(QDate(2008, 3, 1), QDate(2008, 2, 1), 0, 0);
        QCOMPARE(changed.count(), 0);
    }

    void presetsHitAnchorRows_data() {
        QTest::addColumn<bool>("met");
        QTest::addColumn<int>("row");
        QTest::addColumn<QTime>("sunrise");
        QTest::addColumn<QTime>("sunset");
        QTest::newRow("MET 1 January") << true << 0 << at(8, 25) << at(17, 0);
        QTest::newRow("MET 29 February") << true << 59 << at(7, 9) << at(18, 33);
        QTest::newRow("MET 31 March") << true << 90 << at(6, 1) << at(19, 26);
        QTest::newRow("MET 1 April") << true << 91 << at(5, 52) << at(19, 35);
        QTest::newRow("MET 19 June") << true << 170 << at(3, 59) << at(21, 20);
        QTest::newRow("MET 1 September") << true << 244 << at(5, 36) << at(19, 43);
        QTest::newRow("MET 31 December") << true << 365 << at(8, 25) << at(17, 2);
        QTest::newRow("NBN 1 January") << false << 0 << at(8, 46) << at(16, 47);
        QTest::newRow("NBN 28 February") << false << 58 << at(7, 31) << at(18, 20);
        QTest::newRow("NBN 29 February") << false << 59 << at(7, 29) << at(18, 22);
        QTest::newRow("NBN 31 August") << false << 243 << at(5, 34) << at(19, 50);
        QTest::newRow("NBN 9 December") << false << 343 << at(8, 33) << at(16, 37);
        QTest::newRow("NBN 31 December") << false << 365 << at(8, 45) << at(16, 47);
    }

    void presetsHitAnchorRows() {
        QFETCH(bool, met);
        QFETCH(int, row);
        met ? m_model->setMETTime() : m_model->setNBNTime();
        QTEST(sunrise(row), "sunrise");
        QTEST(sunset(row), "sunset");
    }

    void presetsStayWithinTheirBounds_data() {
        QTest::addColumn<bool>("met");
        QTest::addColumn<QTime>("earliestSunrise");
        QTest::addColumn<QTime>("latestSunrise");
        QTest::addColumn<QTime>("earliestSunset");
        QTest::addColumn<QTime>("latestSunset");
        QTest::newRow("MET") << true << at(3, 58) << at(8, 25) << at(16, 52) << at(21, 20);
        QTest::newRow("NBN") << false << at(4, 8) << at(8, 46) << at(16, 37) << at(21, 20);
    }

    void presetsStayWithinTheirBounds() {
        QFETCH(bool, met);
        met ? m_model->setMETTime() : m_model->setNBNTime();
        QTime earliestRise = sunrise(0), latestRise = sunrise(0), earliestSet = sunset(0), latestSet = sunset(0);
        for (int row = 1; row < m_model->rowCount(); ++row) {
            earliestRise = std::min(earliestRise, sunrise(row));
            latestRise = std::max(latestRise, sunrise(row));
            earliestSet = std::min(earliestSet, sunset(row));
            latestSet = std::max(latestSet, sunset(row));
        }
        QTEST(earliestRise, "earliestSunrise");
        QTEST(latestRise, "latestSunrise");
        QTEST(earliestSet, "earliestSunset");
        QTEST(latestSet, "latestSunset");
    }

    void resetRestoresDefaults() {
        m_model->setName(QStringLiteral("MET"));
        m_model->setTimezone(20);
        m_model->setEnabled(true);
        m_model->setMETTime();
        QSignalSpy enabled(m_model.get(), &OwnAstroTableModel::enabledChanged);
        QSignalSpy tab(m_model.get(), &OwnAstroTableModel::astroTabChanged);
        m_model->resetTable();
        QCOMPARE(m_model->name(), QString());
        QCOMPARE(m_model->timezone(), 13);
        QVERIFY(!m_model->enabled());
        QCOMPARE(enabled.count(), 1);
        QCOMPARE(tab.count(), 1);
        QCOMPARE(sunrise(100), at(7, 0));
        QCOMPARE(sunset(365), at(18, 0));
        QCOMPARE(m_model->ownTableBlock(), OwnAstroDayTable());
    }

    // The engine reads the stored rows once the day table is rebuilt.
    void tableReachesEngine() {
        m_model->setSunrise(at(9, 13), 0, false);
        m_model->setSunset(at(15, 47), 0, false);
        m_model->setEnabled(true);
        const OwnAstroDayEntry& first = m_model->ownTableBlock().days[1];
        QCOMPARE(first.sunriseHour, 9);
        QCOMPARE(first.sunriseMinute, 13);
        QCOMPARE(first.sunsetHour, 15);
        AstroEngine::setParameters(50, 4, 13, SoWiRuleRecord{}, true, m_model->ownTableBlock());
        const TJAstro year = AstroEngine::computeYear(2024, 0, 0, AstroEngine::BuiltInTables);
        QCOMPARE(AstroEngine::minutesOf(year.days[1].sunrise), 9 * 60 + 13);
        QCOMPARE(AstroEngine::minutesOf(year.days[1].sunset), 15 * 60 + 47);
    }

    void cellEditsWaitForUpdate() {
        m_model->setEnabled(true);
        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        m_model->setSunrise(at(6, 30), 3, false);
        m_model->setSunrise(at(6, 30), 366, true);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(m_model->ownTableBlock().days[4].sunriseMinute, 0);
        m_model->updateAstroTab();
        QCOMPARE(m_model->ownTableBlock().days[4].sunriseMinute, 30);
    }
};

QTEST_GUILESS_MAIN(TestOwnAstroTableModel)
#include "tst_ownastrotablemodel.moc"
