#include <QTest>

#include <ble/acceptsensorerrortelegram.h>
#include <ble/accidenttelegram.h>
#include <ble/datetelegram.h>
#include <ble/frame.h>
#include <ble/holidaytelegram.h>
#include <ble/readchannelstatetelegram.h>
#include <ble/readfirmwareversiontelegram.h>
#include <ble/readoperatingtimetelegram.h>
#include <ble/readservicetimetelegram.h>
#include <ble/readservicetimev2telegram.h>
#include <ble/resetoperatingtimetelegram.h>
#include <ble/switchstatetelegram.h>
#include <ble/timertelegram.h>
#include <ble/timezonetelegram.h>
#include <ble/writesensortelegram.h>

#include <memory>

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// A reply frame with the checksum computed here.
QByteArray reply(quint8 code, const QByteArray& payload)
{
    return ble::Frame::build(code, payload);
}

} // namespace

// The request frames of the direct commands and the sensor assignment, byte for byte as
// docs/device-protocol.md writes them, and the replies they take or refuse.
class TestDirectTelegrams : public QObject {
    Q_OBJECT

private slots:
    void requestFrames_data()
    {
        QTest::addColumn<std::shared_ptr<ble::BaseTelegram>>("telegram");
        QTest::addColumn<QByteArray>("frame");

        auto date = std::make_shared<ble::DateTelegram>();
        date->setDate(QDate(2024, 5, 17));
        date->setTime(QTime(13, 45, 30));
        QTest::newRow("date") << std::shared_ptr<ble::BaseTelegram>(date) << hex("09a21805110d2d1e");
        auto on = std::make_shared<ble::SwitchStateTelegram>();
        on->setChannel(0);
        on->setState(2);
        QTest::newRow("permanent on, channel index 0") << std::shared_ptr<ble::BaseTelegram>(on) << hex("05a40002");
        auto timer = std::make_shared<ble::TimerTelegram>();
        timer->setChannel(1);
        timer->setStatus(1);
        timer->setTime(QTime(1, 30, 59));
        QTest::newRow("timer") << std::shared_ptr<ble::BaseTelegram>(timer) << hex("07b60101011e");
        auto random = std::make_shared<ble::AccidentTelegram>();
        random->setChannel(3);
        random->setStatus(2);
        QTest::newRow("random") << std::shared_ptr<ble::BaseTelegram>(random) << hex("05c00302");
        auto holiday = std::make_shared<ble::HolidayTelegram>();
        holiday->setChannel(0);
        holiday->setStatus(1);
        holiday->setBeginDate(QDate(2024, 12, 31));
        holiday->setBeginTime(QTime(23, 0));
        holiday->setEndDate(QDate(2025, 1, 1));
        holiday->setEndTime(QTime(0, 0));
        QTest::newRow("holiday") << std::shared_ptr<ble::BaseTelegram>(holiday) << hex("0faa0001180c1f17001901010000");
        auto zone = std::make_shared<ble::TimezoneTelegram>();
        zone->setWriteState();
        zone->setTimezone(20);
        QTest::newRow("time zone write") << std::shared_ptr<ble::BaseTelegram>(zone) << hex("04b014");
        auto zoneRead = std::make_shared<ble::TimezoneTelegram>();
        QTest::newRow("time zone read") << std::shared_ptr<ble::BaseTelegram>(zoneRead) << hex("0330");
        auto reset = std::make_shared<ble::ResetOperatingTimeTelegram>();
        reset->setChannel(1);
        QTest::newRow("reset") << std::shared_ptr<ble::BaseTelegram>(reset) << hex("04a801");
        auto sensors = std::make_shared<ble::WriteSensorTelegram>();
        sensors->setSensorsInfo({false, true}, {0x01, 0x03});
        QTest::newRow("sensors") << std::shared_ptr<ble::BaseTelegram>(sensors) << hex("08ba0201000301");
        QTest::newRow("accept") << std::shared_ptr<ble::BaseTelegram>(std::make_shared<ble::AcceptSensorErrorTelegram>())
                                << hex("03be");
        QTest::newRow("channel states")
            << std::shared_ptr<ble::BaseTelegram>(std::make_shared<ble::ReadChannelStateTelegram>()) << hex("0326");
        QTest::newRow("operating hours")
            << std::shared_ptr<ble::BaseTelegram>(std::make_shared<ble::ReadOperatingTimeTelegram>()) << hex("0328");
        QTest::newRow("firmware")
            << std::shared_ptr<ble::BaseTelegram>(std::make_shared<ble::ReadFirmwareVersionTelegram>()) << hex("0334");
        QTest::newRow("service intervals in one")
            << std::shared_ptr<ble::BaseTelegram>(std::make_shared<ble::ReadServiceTimeV2Telegram>()) << hex("0342");
        QTest::newRow("service interval of channel index 0")
            << std::shared_ptr<ble::BaseTelegram>(std::make_shared<ble::ReadServiceTimeTelegram>(0x0900, 2))
            << hex("060c000904");
    }

    void requestFrames()
    {
        QFETCH(std::shared_ptr<ble::BaseTelegram>, telegram);
        QFETCH(QByteArray, frame);
        // Compared without the checksum, which Frame computes.
        QCOMPARE(telegram->bytes().chopped(1), frame);
        QVERIFY(ble::Frame::isWellFormed(telegram->bytes()));
    }

    void invalidMomentsGiveNoFrame()
    {
        ble::DateTelegram date;
        QVERIFY(date.bytes().isEmpty());
        ble::HolidayTelegram holiday;
        holiday.setBeginDate(QDate(2024, 1, 1));
        holiday.setBeginTime(QTime(1, 0));
        QVERIFY(holiday.bytes().isEmpty());
    }

    void channelStates()
    {
        ble::ReadChannelStateTelegram telegram;
        QVERIFY(telegram.parseTelegram(reply(0x27, hex("02" "010100" "020008"))));
        QCOMPARE(telegram.channels().size(), 2);
        QCOMPARE(telegram.channels().at(1).id(), 2);
        QCOMPARE(telegram.channels().at(0).relayState(), 1);
        QCOMPARE(telegram.channels().at(1).state(), 8);
        // Cut short or too long: refused, the last channels kept.
        QVERIFY(!telegram.parseTelegram(reply(0x27, hex("02" "010100" "0200"))));
        QVERIFY(!telegram.parseTelegram(reply(0x27, hex("01" "010100" "00"))));
        QVERIFY(!telegram.parseTelegram(reply(0x27, {})));
        QCOMPARE(telegram.channels().size(), 2);
    }

    void operatingHours()
    {
        ble::ReadOperatingTimeTelegram telegram;
        // 90 minutes and 72030 minutes (1200.5 h).
        QVERIFY(telegram.parseTelegram(reply(0x29, hex("02" "015a000000" "025e190100"))));
        QCOMPARE(telegram.channels().at(0).hours(), 1.5);
        QCOMPARE(telegram.channels().at(1).id(), 2);
        QCOMPARE(telegram.channels().at(1).hours(), 1200.5);
        QVERIFY(!telegram.parseTelegram(reply(0x29, hex("02" "015a000000" "025e19"))));
        QCOMPARE(telegram.channels().size(), 2);
    }

    void firmwareAndTimeZone()
    {
        ble::ReadFirmwareVersionTelegram firmware;
        QCOMPARE(firmware.version(), 0.0);
        QVERIFY(firmware.parseTelegram(reply(0x35, hex("0207"))));
        QCOMPARE(firmware.version(), 2.07);
        QVERIFY(!firmware.parseTelegram(reply(0x35, hex("02"))));
        ble::TimezoneTelegram zone;
        QVERIFY(zone.parseTelegram(reply(0x31, hex("1f"))));
        QCOMPARE(zone.timezone(), 31);
        QVERIFY(!zone.parseTelegram(reply(0x31, hex("20"))));
        QCOMPARE(zone.timezone(), 31);
    }

    void serviceIntervalsOneChannelAtATime()
    {
        ble::ReadServiceTimeTelegram telegram(0x0900, 2);
        QVERIFY(!telegram.isCritical());
        QVERIFY(!telegram.atEnd());
        // A reply for another address is a late one.
        QVERIFY(!telegram.parseTelegram(reply(0x0D, hex("0409" "e8030000"))));
        QVERIFY(telegram.parseTelegram(reply(0x0D, hex("0009" "e8030000"))));
        QVERIFY(!telegram.atEnd());
        telegram.nextChannel();
        QCOMPARE(telegram.bytes().chopped(1), hex("060c040904"));
        QVERIFY(telegram.parseTelegram(reply(0x0D, hex("0409" "b0040000"))));
        QVERIFY(telegram.atEnd());
        QCOMPARE(telegram.serviceTimes(), QList<int>({1000, 1200}));

        ble::ReadServiceTimeV2Telegram all;
        QVERIFY(all.parseTelegram(reply(0x43, hex("02" "e8030000" "b0040000"))));
        QCOMPARE(all.serviceTimes(), QList<int>({1000, 1200}));
        QVERIFY(!all.parseTelegram(reply(0x43, hex("02" "e8030000"))));
    }
};

QTEST_MAIN(TestDirectTelegrams)
#include "tst_directtelegrams.moc"
