#include <QTest>

#include <ble/citytelegram.h>
#include <ble/datetelegram.h>
#include <ble/datetimeformattelegram.h>
#include <ble/frame.h>
#include <ble/sowitelegram.h>
#include <ble/statustelegram.h>

#include <memory>

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

QByteArray reply(quint8 code, const char* payload)
{
    return ble::Frame::build(code, hex(payload));
}

std::shared_ptr<ble::SoWiTelegram> soWi(bool internalClock)
{
    auto telegram = std::make_shared<ble::SoWiTelegram>();
    telegram->setInternalBleClock(internalClock);
    return telegram;
}

} // namespace

// The telegrams of a device reset, byte for byte as docs/device-protocol.md writes them, and the
// read replies they take or refuse.
class TestResetTelegrams : public QObject {
    Q_OBJECT

private slots:
    void requestFrames_data()
    {
        QTest::addColumn<std::shared_ptr<ble::BaseTelegram>>("telegram");
        QTest::addColumn<QByteArray>("frame");

        auto formats = std::make_shared<ble::DateTimeFormatTelegram>();
        formats->setDateFormat(2);
        formats->setTimeFormat(1);
        QTest::newRow("formats") << std::shared_ptr<ble::BaseTelegram>(formats) << hex("05ac0201");
        QTest::newRow("status ready")
            << std::shared_ptr<ble::BaseTelegram>(std::make_shared<ble::StatusTelegram>(3)) << hex("048803");
        auto statusRead = std::make_shared<ble::StatusTelegram>(0);
        statusRead->setReadState();
        QTest::newRow("status read") << std::shared_ptr<ble::BaseTelegram>(statusRead) << hex("0308");
        auto city = std::make_shared<ble::CityTelegram>();
        city->setCity(-3, -33, 28, 0x53, 0x7a);
        QTest::newRow("city south west") << std::shared_ptr<ble::BaseTelegram>(city) << hex("09b221031c537a03");

        auto full = soWi(true);
        full->setSoWi(1, 6, 6, 2, 9, QDate(2026, 3, 29), QDate(), 4, 4, 2, 3, 0, 1);
        QTest::newRow("rule with the internal clock")
            << std::shared_ptr<ble::BaseTelegram>(full) << hex("14ae01" "04020602" "1a031d" "04090603" "ffffff" "0001");
        auto weeks = soWi(false);
        weeks->setSoWi(5, 2, 1, 2, 6, 0, 10);
        QTest::newRow("weekday rule without it") << std::shared_ptr<ble::BaseTelegram>(weeks) << hex("0aae05020102060" "00a");
        auto dates = soWi(false);
        dates->setSoWi(8, 1, QDate(2027, 4, 2), QDate(2027, 10, 30));
        QTest::newRow("date rule without it")
            << std::shared_ptr<ble::BaseTelegram>(dates) << hex("0bae0801" "1b0402" "1b0a1e");
    }

    void requestFrames()
    {
        QFETCH(std::shared_ptr<ble::BaseTelegram>, telegram);
        QFETCH(QByteArray, frame);
        QCOMPARE(telegram->bytes().chopped(1), frame);
        QVERIFY(ble::Frame::isWellFormed(telegram->bytes()));
    }

    // Values the device cannot hold give no frame, so nothing wrong is written.
    void outOfRangeGivesNoFrame_data()
    {
        QTest::addColumn<std::shared_ptr<ble::BaseTelegram>>("telegram");
        auto hour = soWi(true);
        hour->setSoWi(1, 6, 6, 2, 9, QDate(), QDate(), 4, 4, 24, 3, 0, 0);
        QTest::newRow("hour 24") << std::shared_ptr<ble::BaseTelegram>(hour);
        auto week = soWi(false);
        week->setSoWi(1, 2, 5, 2, 6, 4, 9);
        QTest::newRow("week 5") << std::shared_ptr<ble::BaseTelegram>(week);
        auto rule = soWi(false);
        rule->setSoWi(10, 2, 4, 2, 6, 4, 9);
        QTest::newRow("rule 10") << std::shared_ptr<ble::BaseTelegram>(rule);
        auto noDate = soWi(true);
        noDate->setSoWi(8, 0, 0, 0, 0, QDate(2026, 3, 1), QDate(), 0, 0, 2, 3, 0, 0);
        QTest::newRow("date rule without its second date") << std::shared_ptr<ble::BaseTelegram>(noDate);
        auto city = std::make_shared<ble::CityTelegram>();
        city->setCity(0, 91, 12, 0xff, 0xff);
        QTest::newRow("latitude 91") << std::shared_ptr<ble::BaseTelegram>(city);
        auto zone = std::make_shared<ble::CityTelegram>();
        zone->setCity(10, 50, 32, 0xff, 0xff);
        QTest::newRow("time zone 32") << std::shared_ptr<ble::BaseTelegram>(zone);
    }

    void outOfRangeGivesNoFrame()
    {
        QFETCH(std::shared_ptr<ble::BaseTelegram>, telegram);
        QVERIFY(telegram->bytes().isEmpty());
    }

    void formatsRead()
    {
        ble::DateTimeFormatTelegram telegram;
        QVERIFY(telegram.parseReadReply(reply(0x2d, "0100")));
        QCOMPARE(telegram.dateFormat(), 1);
        QCOMPARE(telegram.timeFormat(), 0);
        QVERIFY(!telegram.parseReadReply(reply(0x2d, "0300")));
        QVERIFY(!telegram.parseReadReply(reply(0x2d, "01")));
        QVERIFY(!telegram.parseReadReply(reply(0x2f, "0201")));
        QCOMPARE(telegram.dateFormat(), 1);
        // A write telegram waits for the acknowledgement, not for a value.
        QVERIFY(telegram.parseTelegram(ble::BaseTelegram::STANDARD_ACK));
    }

    void soWiReadWithInternalClock()
    {
        ble::SoWiTelegram telegram;
        telegram.setInternalBleClock(true);
        QVERIFY(telegram.parseReadReply(reply(0x2f, "07" "01020305" "1a0310" "03080401" "1a0a05" "0100")));
        QCOMPARE(telegram.rule(), 7);
        QCOMPARE(telegram.wiSoWeek(), 1);
        QCOMPARE(telegram.wiSoMonth(), 2);
        QCOMPARE(telegram.wiSoWeekDay(), 3);
        QCOMPARE(telegram.wiSoHour(), 5);
        QCOMPARE(telegram.wiSoDate(), QDate(2026, 3, 16));
        QCOMPARE(telegram.soWiWeek(), 3);
        QCOMPARE(telegram.soWiMonth(), 8);
        QCOMPARE(telegram.soWiWeekDay(), 4);
        QCOMPARE(telegram.soWiHour(), 1);
        QCOMPARE(telegram.soWiDate(), QDate(2026, 10, 5));
        QCOMPARE(telegram.customWiSo(), 1);
        QCOMPARE(telegram.customSoWi(), 0);
    }

    // The short layout of a device without the internal clock does not fit the full one.
    void soWiReadRefusesTheOtherLayout()
    {
        ble::SoWiTelegram full;
        full.setInternalBleClock(true);
        QVERIFY(!full.parseReadReply(reply(0x2f, "05020102060" "00a")));
        ble::SoWiTelegram brief;
        QVERIFY(!brief.parseReadReply(reply(0x2f, "07" "01020305" "1a0310" "03080401" "1a0a05" "0100")));
        QCOMPARE(brief.rule(), 0);
    }

    void soWiReadWithoutInternalClock()
    {
        ble::SoWiTelegram telegram;
        QVERIFY(telegram.parseReadReply(reply(0x2f, "05020102060" "00a")));
        QCOMPARE(telegram.rule(), 5);
        QCOMPARE(telegram.wiSoHour(), 2);
        QCOMPARE(telegram.wiSoWeek(), 1);
        QCOMPARE(telegram.wiSoMonth(), 2);
        QCOMPARE(telegram.wiSoWeekDay(), 6);
        QCOMPARE(telegram.soWiWeek(), 0);
        QCOMPARE(telegram.soWiMonth(), 10);
        // The change back comes an hour later in the day, on the same weekday.
        QCOMPARE(telegram.soWiHour(), 3);
        QCOMPARE(telegram.soWiWeekDay(), 6);

        QVERIFY(telegram.parseReadReply(reply(0x2f, "0601" "1a0315" "1a0916")));
        QCOMPARE(telegram.rule(), 6);
        QCOMPARE(telegram.wiSoDate(), QDate(2026, 3, 21));
        QCOMPARE(telegram.soWiDate(), QDate(2026, 9, 22));
        // A date rule whose date does not exist is refused and changes nothing.
        QVERIFY(!telegram.parseReadReply(reply(0x2f, "0801" "1a021e" "1a0916")));
        QCOMPARE(telegram.rule(), 6);
        QCOMPARE(telegram.wiSoDate(), QDate(2026, 3, 21));
    }

    void cityRead()
    {
        ble::CityTelegram telegram;
        QVERIFY(telegram.parseReadReply(reply(0x33, "21971c537a03")));
        QCOMPARE(telegram.latitude(), -33);
        QCOMPARE(telegram.longitude(), -151);
        QCOMPARE(telegram.timezone(), 28);
        QCOMPARE(telegram.firstChar(), 0x53);
        QCOMPARE(telegram.checksum(), 0x7a);
        QVERIFY(!telegram.parseReadReply(reply(0x33, "21971c537a")));
        QVERIFY(!telegram.parseReadReply(reply(0x33, "5b001cffff00")));
        QCOMPARE(telegram.latitude(), -33);
    }

    void dateRead()
    {
        ble::DateTelegram telegram;
        // 2026-12-10 16:05:59, the radio-clock flags set.
        QVERIFY(telegram.parseReadReply(reply(0x23, "1a0c0a1005fb")));
        QCOMPARE(telegram.dateTime(), QDateTime(QDate(2026, 12, 10), QTime(16, 5, 59), Qt::UTC));
        QVERIFY(telegram.radioConnected());
        QVERIFY(telegram.radioSynchronised());
        QVERIFY(telegram.parseReadReply(reply(0x23, "000000081e00")));
        QVERIFY(!telegram.radioConnected());
        QVERIFY(!telegram.radioSynchronised());
        QVERIFY(!telegram.date().isValid());
        QCOMPARE(telegram.time(), QTime(8, 30));
        QVERIFY(!telegram.parseReadReply(reply(0x23, "1a020e0000")));
        QVERIFY(!telegram.parseReadReply(reply(0x23, "1a021e080000")));
        // A read reply has exactly six bytes; the clock alone may be followed by more.
        QVERIFY(!telegram.parseReadReply(reply(0x23, "1a0c0a10057b00")));
        QVERIFY(telegram.readClock(QByteArray::fromHex("1a0c0a10057b00")));
        QCOMPARE(telegram.time(), QTime(16, 5, 59));
        QVERIFY(telegram.radioConnected());
        QVERIFY(!telegram.radioSynchronised());
        QVERIFY(!telegram.readClock(QByteArray::fromHex("1a0c0a1005")));
        QCOMPARE(telegram.time(), QTime(16, 5, 59));
    }

    void statusRead()
    {
        ble::StatusTelegram telegram(0);
        telegram.setReadState();
        QVERIFY(telegram.parseTelegram(reply(0x09, "03")));
        QCOMPARE(telegram.status(), 3);
        QVERIFY(!telegram.parseTelegram(reply(0x09, "")));
    }
};

QTEST_GUILESS_MAIN(TestResetTelegrams)
#include "tst_resettelegrams.moc"
