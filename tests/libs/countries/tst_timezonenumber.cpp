#include <countries/timezonenumber.h>

#include <QTest>

class TestTimeZoneNumber : public QObject {
    Q_OBJECT

private slots:
    void exactOffsetsGiveTheirNumber() {
        for (int number = 0; number <= countries::lastNamedTimeZoneNumber; ++number) {
            const int seconds = countries::deviceTimeZoneQuarterHours[number] * 15 * 60;
            QCOMPARE(countries::timeZoneNumberForOffset(seconds), number);
        }
    }

    void offsetsBetweenEntries_data() {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("number");
        QTest::newRow("Nepal +5:45, tie toward UTC") << 5 * 60 + 45 << 20;
        QTest::newRow("Marquesas -9:30, tie toward UTC") << -(9 * 60 + 30) << 2;
        QTest::newRow("Eucla +8:45") << 8 * 60 + 45 << 25;
        QTest::newRow("Chatham +12:45") << 12 * 60 + 45 << 31;
        QTest::newRow("Tonga +13, not offered by name") << 13 * 60 << 31;
        QTest::newRow("Kiribati +14") << 14 * 60 << 31;
        QTest::newRow("Baker Island -12") << -12 * 60 << 0;
        QTest::newRow("-2:30, tie toward UTC") << -(2 * 60 + 30) << 10;
        QTest::newRow("+1 minute") << 1 << 12;
    }

    void offsetsBetweenEntries() {
        QFETCH(int, minutes);
        QFETCH(int, number);
        QCOMPARE(countries::timeZoneNumberForOffset(minutes * 60), number);
        QCOMPARE(countries_timeZoneNumberForOffset(minutes * 60), number);
    }
};

QTEST_GUILESS_MAIN(TestTimeZoneNumber)
#include "tst_timezonenumber.moc"
