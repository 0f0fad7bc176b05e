#include <QJsonObject>
#include <QSignalSpy>

#include "blefixture.h"

#include "directcommandcontroller.h"

#include <ble/frame.h>

using devicesim::ChannelControls;
using devicesim::Fault;

namespace {

constexpr int FastPoll = 10;

// The switch states the device received, in order.
QList<int> switchStatesSent(const devicesim::SimulatedDevice* device)
{
    QList<int> states;
    for (const QByteArray& frame : device->receivedTelegrams()) {
        if (quint8(frame.at(1)) == 0xA4)
            states.append(quint8(frame.at(3)));
    }
    return states;
}

QByteArray dateReply(const char* payload)
{
    return ble::Frame::build(0x23, QByteArray::fromHex(payload));
}

ChannelControls::Channel channel(int mode, int relayState)
{
    ChannelControls::Channel c;
    c.mode = mode;
    c.relayState = relayState;
    return c;
}

} // namespace

// The direct commands on simulated devices through the Bluetooth LE layer: 42 (two channels,
// timer and random, plug-in adapter), 46 (settable time zone), 102 (internal module) and 74
// (twilight, with sensors).
class TestDirectCommandController : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        controller.reset();
        fixture.reset();
    }

    void manualCommandsByState_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("relay");
        QTest::addColumn<int>("selectedState");
        QTest::addColumn<int>("sent");
        QTest::addColumn<int>("resultingMode");
        QTest::newRow("Handschaltung") << "sendManuelTelegram" << 0 << 0 << 2 << 0 << 7;
        QTest::newRow("Handschaltung stoppen") << "sendManuelTelegram" << 7 << 1 << 1 << 3 << 0;
        QTest::newRow("Dauer Ein") << "sendOnTelegram" << 0 << 0 << 2 << 2 << 8;
        QTest::newRow("Dauer Ein stoppen") << "sendOnTelegram" << 8 << 1 << 3 << 3 << 0;
        QTest::newRow("Dauer Aus") << "sendOffTelegram" << 5 << 1 << 0 << 1 << 8;
        QTest::newRow("Dauer Aus stoppen") << "sendOffTelegram" << 8 << 0 << 4 << 3 << 0;
        QTest::newRow("Dauer Aus while on") << "sendOffTelegram" << 8 << 1 << 3 << 1 << 8;
        QTest::newRow("Auto") << "sendAutoTelegram" << 7 << 0 << 1 << 3 << 0;
    }

    void manualCommandsByState()
    {
        QFETCH(QString, command);
        QFETCH(int, mode);
        QFETCH(int, relay);
        QFETCH(int, selectedState);
        QFETCH(int, sent);
        QFETCH(int, resultingMode);
        start(42, [&] { fixture->device->channels().setChannel(0, channel(mode, relay)); });
        QTRY_COMPARE(controller->selectedChannelState(), selectedState);
        QVERIFY(QMetaObject::invokeMethod(controller.get(), qPrintable(command)));
        QTRY_COMPARE(switchStatesSent(fixture->device), QList<int>({sent}));
        QTRY_COMPARE(fixture->device->channels().channel(0).mode, resultingMode);
        QCOMPARE(fixture->device->channels().channel(1).mode, 0);
    }

    void dauerEinTwiceSendsTwoThenThree()
    {
        start(42);
        QTRY_COMPARE(controller->selectedChannelState(), 2);
        controller->sendOnTelegram();
        QTRY_COMPARE(controller->selectedChannelState(), 3);
        controller->sendOnTelegram();
        QTRY_COMPARE(controller->selectedChannelState(), 2);
        QCOMPARE(switchStatesSent(fixture->device), QList<int>({2, 3}));
    }

    void theModeGivesTheSelectedState_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("expected");
        QTest::newRow("automatic") << 0 << 1 << 2;
        QTest::newRow("manual") << 7 << 0 << 1;
        QTest::newRow("permanent off") << 8 << 0 << 4;
        QTest::newRow("permanent on") << 8 << 1 << 3;
        QTest::newRow("permanent, not read") << 8 << -1 << 4;
        QTest::newRow("timer") << 5 << 1 << 0;
        QTest::newRow("not read") << -1 << -1 << 0;
    }

    void theModeGivesTheSelectedState()
    {
        QFETCH(int, mode);
        QFETCH(int, state);
        QFETCH(int, expected);
        start(42, [&] { fixture->device->channels().setChannel(1, channel(8, 0)); });
        // No polls after the first reply: the items are the test's.
        controller->setPollInterval(3600 * 1000);
        QTRY_COMPARE(controller->infoContainer()->item(1)->mode(), 8);
        controller->setSelectedChannel(1);
        QCOMPARE(controller->selectedChannelState(), 4);
        DirectCommandInfo* item = controller->infoContainer()->item(1);
        item->setState(state);
        item->setMode(mode);
        controller->setSelectedChannel(1);
        QCOMPARE(controller->selectedChannelState(), expected);
    }

    void dateReplies_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<bool>("synchronised");
        QTest::newRow("format 1, radio clock") << "dd.MM.yy" << dateReply("1805110d2dde") << "17.05.24 13:45:30" << true
                                               << true;
        QTest::newRow("format 2, receiver only") << "MM/dd/yy" << dateReply("1805110d2d5e") << "05/17/24 13:45:30"
                                                 << true << false;
        QTest::newRow("format 3, no radio clock") << "yy-MM-dd" << dateReply("1805110d2d1e") << "24-05-17 13:45:30"
                                                  << false << false;
        QTest::newRow("no date") << "dd.MM.yy" << dateReply("0000000d2d1e") << "13:45:30" << false << false;
        QTest::newRow("longer reply") << "dd.MM.yy" << dateReply("1805110d2dde0102") << "17.05.24 13:45:30" << true
                                      << true;
    }

    void dateReplies()
    {
        QFETCH(QString, pattern);
        QFETCH(QByteArray, reply);
        QFETCH(QString, text);
        QFETCH(bool, connected);
        QFETCH(bool, synchronised);
        fixture = std::make_unique<BleFixture>(42);
        controller = std::make_unique<DirectCommandController>(nullptr, [&] { return pattern; });
        QSignalSpy settable(controller.get(), &DirectCommandController::timeIsSettableChanged);
        controller->onDeviceDateRead({0, reply});
        QCOMPARE(controller->readDate(), text);
        QCOMPARE(controller->dcfConnected(), connected);
        QCOMPARE(controller->dcfSynchronised(), synchronised);
        QCOMPARE(controller->timeIsSettable(), !(connected && synchronised));
        QCOMPARE(settable.isEmpty(), !connected && !synchronised);
        if (text.size() == 8)
            QCOMPARE(controller->deviceDate().date(), QDate::currentDate());
        // A reply cut short, or one that makes no date or time, leaves the clock shown.
        for (const char* unreadable : {"180511", "180d110d2d1e", "1805110d3c1e"}) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Date reply unreadable"));
            controller->onDeviceDateRead({0, dateReply(unreadable)});
            QCOMPARE(controller->readDate(), text);
            QCOMPARE(controller->dcfConnected(), connected);
        }
    }

    void theDeviceClockIsRead()
    {
        start(42, [&] { fixture->device->setDateTime(QDateTime(QDate(2024, 5, 17), QTime(13, 45, 30), Qt::UTC)); });
        QTRY_VERIFY(controller->readDate().startsWith(QStringLiteral("17.05.24 13:4")));
        QVERIFY(controller->timeIsSettable());
        controller->setIsCustomTime(true);
        controller->setDate(1, 31, 12, 2030);
        controller->setTime(1, 23, 59, 10);
        controller->sendDateTelegram();
        QTRY_VERIFY(controller->readDate().startsWith(QStringLiteral("31.12.30 23:59")));
        QCOMPARE(fixture->device->dateTime(), QDateTime(QDate(2030, 12, 31), QTime(23, 59, 10), Qt::UTC));
    }

    void withTheRadioClockOnlyTheTimeZoneIsWritten()
    {
        start(46, [&] {
            fixture->device->setRadioClock(true, true);
            fixture->device->setTimezone(20);
        });
        QTRY_COMPARE(controller->deviceTimezone(), 20);
        QCOMPARE(controller->timezone(), 20);
        QVERIFY(controller->timezoneIsSettable());
        QVERIFY(!controller->timeIsSettable());
        QVERIFY(!controller->hideTimezone());
        controller->setTimezone(5);
        fixture->device->clearReceivedTelegrams();
        controller->sendDateTelegram();
        QTRY_COMPARE(fixture->device->timezone(), 5);
        QVERIFY(!codes(fixture->device->receivedTelegrams()).contains(quint8(0xA2)));
        QVERIFY(!fixture->device->dateTime().isValid());
    }

    void operatingAndServiceTimes_data()
    {
        QTest::addColumn<int>("ot2");
        QTest::addColumn<quint8>("serviceRead");
        QTest::newRow("adapter: one channel at a time") << 42 << quint8(0x0C);
        QTest::newRow("internal module: one request") << 102 << quint8(0x42);
    }

    void operatingAndServiceTimes()
    {
        QFETCH(int, ot2);
        QFETCH(quint8, serviceRead);
        start(ot2, [&] {
            fixture->device->setServiceInterval(0, 1000);
            fixture->device->setServiceInterval(1, 2000);
            fixture->device->channels().setOperatingHours(0, 1200.9);
            fixture->device->channels().setOperatingHours(1, 15);
        });
        const DirectCommandInfoContainer* info = controller->infoContainer();
        QTRY_COMPARE(info->item(1)->serviceTime(), 2000);
        QTRY_COMPARE(info->item(0)->operatingTime(), 1200);
        QCOMPARE(info->item(0)->serviceTime(), 1000);
        QVERIFY(info->item(0)->showOperatingTimeInRed());
        QVERIFY(!info->item(1)->showOperatingTimeInRed());
        QCOMPARE(controller->hideTimezone(), ot2 == 102);
        const QList<quint8> received = codes(fixture->device->receivedTelegrams());
        QCOMPARE(received.count(serviceRead), serviceRead == 0x0C ? 2 : 1);
        QVERIFY(!received.contains(quint8(serviceRead == 0x0C ? 0x42 : 0x0C)));

        controller->resetOperatingTime();
        QTRY_COMPARE(info->item(0)->operatingTime(), 0);
        QCOMPARE(fixture->device->channels().operatingHours(1), 15.0);
        QVERIFY(!info->item(0)->showOperatingTimeInRed());
    }

    void theFirmwareVersion()
    {
        start(42, [&] { fixture->device->setFirmwareVersion(2, 7); });
        // The replies come on the event loop, after the controller is made.
        QSignalSpy version(controller.get(), &DirectCommandController::deviceSoftwareVersionChanged);
        QTRY_COMPARE(version.size(), 1);
        QCOMPARE(version.first().first().toDouble(), 2.07);
        QCOMPARE(controller->deviceSoftwareVersion(), 2.07);
    }

    void timerRandomAndHoliday()
    {
        start(42);
        controller->setSelectedChannel(1);
        controller->sendTimerTelegram(QDateTime(QDate::currentDate(), QTime(1, 30), Qt::UTC), 1);
        QTRY_COMPARE(fixture->device->channels().channel(1).mode, 5);
        QCOMPARE(fixture->device->channels().channel(1).timerDuration, QTime(1, 30));
        controller->sendAccidentTelegram(2);
        QTRY_COMPARE(controller->infoContainer()->item(1)->formattedInfo().at(2), QStringLiteral("Zufall 2"));
        controller->sendAccidentTelegram(1);
        QTRY_COMPARE(controller->infoContainer()->item(1)->formattedInfo().at(2), QStringLiteral("Zufall 1"));

        controller->setHolidayState(1);
        controller->setDate(2, 24, 12, 2030);
        controller->setTime(2, 8, 0, 0);
        controller->setDate(3, 6, 1, 2031);
        controller->setTime(3, 18, 0, 0);
        controller->sendHolidayTelegram();
        QTRY_COMPARE(fixture->device->channels().channel(1).holidayStatus, 1);
        QCOMPARE(fixture->device->channels().channel(1).holidayBegin, QDateTime(QDate(2030, 12, 24), QTime(8, 0), Qt::UTC));
        QCOMPARE(fixture->device->channels().channel(1).holidayEnd, QDateTime(QDate(2031, 1, 6), QTime(18, 0), Qt::UTC));
        QTRY_COMPARE(controller->infoContainer()->item(1)->formattedInfo().at(2), QStringLiteral("Ferien"));
        QCOMPARE(fixture->device->channels().channel(0).mode, 0);
    }

    void theDefaultHolidayEndsAnHourAfterItsBegin()
    {
        fixture = std::make_unique<BleFixture>(42);
        controller = std::make_unique<DirectCommandController>(nullptr);
        QCOMPARE(controller->holidayBeginTime().secsTo(controller->holidayEndTime()), 3600);
        QCOMPARE(controller->holidayEndDate(), controller->holidayEndTime().date());
        QCOMPARE(controller->infoContainer()->rowCount(), 0);
    }

    void aCommandOnIndexZeroChangesLineC1()
    {
        start(42);
        QSignalSpy info(controller.get(), &DirectCommandController::infoChanged);
        controller->setSelectedChannel(0);
        controller->sendOnTelegram();
        QTRY_COMPARE(controller->infoContainer()->item(0)->formattedInfo(),
                     QStringList({"C1", "Ein", "Dauer", "0", "0"}));
        QCOMPARE(controller->infoContainer()->item(1)->formattedInfo().at(2), QStringLiteral("Auto"));
        QTRY_COMPARE(info.last().first().toJsonArray().at(0).toObject().value("mode").toString(), QStringLiteral("Dauer"));
    }

    void pollingSurvivesDroppedReplies()
    {
        start(42);
        const DirectCommandInfo* first = controller->infoContainer()->item(0);
        QTRY_COMPARE(first->mode(), 0);
        // Every reply is lost until the request manager has given up, then the device answers again.
        const int from = int(fixture->device->receivedTelegrams().size()) + 1;
        fixture->device->setFault({Fault::DroppedReply, from, true});
        QTRY_VERIFY(fixture->device->receivedTelegrams().size() > from + ble::BLERequestManager::MaxRetries + 1);
        fixture->device->setFault({});
        fixture->device->channels().setChannel(0, channel(7, 1));
        QTRY_COMPARE(first->mode(), 7);
    }

    void twilightModelsShowTheirSensorsLux()
    {
        start(74, [&] { fixture->device->sensors().setSensors({{12, 0x01}, {85, 0x01}, {400, 0x00}}); });
        controller->sensorsAffectation()->setIntervals(FastPoll, 30);
        const DirectCommandInfoContainer* info = controller->infoContainer();
        QTRY_COMPARE(info->item(0)->formattedInfo().value(5), QStringLiteral("12 lx"));
        QCOMPARE(info->item(1)->formattedInfo().value(5), QStringLiteral("-"));
        QCOMPARE(controller->sensorsAffectation(), controller->sensorsAffectation());
        QCOMPARE(controller->sensorsAffectation()->channelNumber(), 2);
    }

    void twilightErrorsReachTheView()
    {
        start(74, [&] {
            fixture->device->sensors().setSensors({{1}, {2}, {3}, {4}, {5}});
            fixture->device->sensors().setError(true);
        });
        QSignalSpy error(controller.get(), &DirectCommandController::sensorError);
        QSignalSpy tooMany(controller.get(), &DirectCommandController::tooManySensors);
        QTRY_COMPARE(error.size(), 1);
        QTRY_COMPARE(tooMany.size(), 1);
        controller->acceptSensorError();
        QTRY_VERIFY(!fixture->device->sensors().hasError());
    }

    void inactivityStopsThePolls()
    {
        start(74);
        QSignalSpy inactive(controller.get(), &DirectCommandController::inactiveForTooLong);
        QTRY_VERIFY(controller->infoContainer()->item(0)->mode() == 0);
        controller->sensorsAffectation()->setIntervals(FastPoll, 30);
        emit fixture->service->inactiveForTooLong();
        QCOMPARE(inactive.size(), 1);
        // The replies still on their way start nothing again.
        QTRY_VERIFY(!fixture->manager()->isBusy());
        fixture->device->clearReceivedTelegrams();
        QTest::qWait(20 * FastPoll);
        QCOMPARE(fixture->device->receivedTelegrams().size(), 0);
    }

    // The view's own polls are not the user's activity: a device that keeps answering them still
    // lets the link time out.
    void pollsAnsweredDoNotKeepTheLinkActive()
    {
        start(74);
        QSignalSpy inactive(controller.get(), &DirectCommandController::inactiveForTooLong);
        QTRY_VERIFY(controller->infoContainer()->item(0)->mode() == 0);
        fixture->device->clearReceivedTelegrams();
        controller->setInactivityTimeout(300);
        QTRY_COMPARE(inactive.size(), 1);
        QVERIFY(fixture->device->receivedTelegrams().size() >= 2);
        controller->setInactivityTimeout(ble::BLEService::DefaultInactivityTimeout);
    }

private:
    // A controller for the connected device of that model; prepare sets the device up first.
    void start(int ot2, const std::function<void()>& prepare = {})
    {
        fixture = std::make_unique<BleFixture>(ot2);
        if (prepare)
            prepare();
        QVERIFY(fixture->connectDevice());
        fixture->device->clearReceivedTelegrams();
        controller = std::make_unique<DirectCommandController>(fixture->service->connectedDevice(),
                                                               [] { return QStringLiteral("dd.MM.yy"); });
        controller->setPollInterval(FastPoll);
    }

    std::unique_ptr<BleFixture> fixture;
    std::unique_ptr<DirectCommandController> controller;
};

QTEST_MAIN(TestDirectCommandController)
#include "tst_directcommandcontroller.moc"
