#include <QSignalSpy>
#include <QTest>

#include <devices/deviceservice.h>
#include <devices/eepromconfiguration.h>
#include <devices/eepromservice.h>
#include <devicesim/simulatedconnection.h>
#include <devicesim/simulateddevice.h>

#include "projectfixture.h"

using devicesim::Fault;
using devicesim::Pairing;
using devicesim::SimulatedConnection;
using devicesim::SimulatedDevice;

namespace {

// Frames written by hand from docs/device-protocol.md, with a checksum computed here.
QByteArray frame(quint8 code, const QByteArray& payload = {})
{
    QByteArray bytes;
    bytes.append(char(payload.size() + 3));
    bytes.append(char(code));
    bytes.append(payload);
    quint8 sum = 0;
    for (char byte : std::as_const(bytes))
        sum = quint8(sum + quint8(byte));
    bytes.append(char(~sum));
    return bytes;
}

QByteArray u16(int value)
{
    return QByteArray(1, char(value & 0xFF)) + char(value >> 8);
}

QByteArray u32(quint32 value)
{
    return u16(int(value & 0xFFFF)) + u16(int(value >> 16));
}

QByteArray fromHex(const char* text)
{
    return QByteArray::fromHex(text);
}

const QByteArray Ack = fromHex("0306f6");
const QByteArray Nak = fromHex("0315e7");

QByteArray error(int number)
{
    return frame(0x7F, QByteArray(1, char(number)));
}

QByteArray start(int address, int length, int kind)
{
    return frame(0x8A, u16(address) + u16(length) + char(kind));
}

} // namespace

class TestSimulatedDevice : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        devices::DeviceService::m_instance = &catalogue;
        QVERIFY(catalogue.init(QStringLiteral(":/data/devices.json")));
        devices::EepromService::m_instance = &memory;
    }

    void identityFollowsTheModel()
    {
        SimulatedDevice withModule(model(121), QStringLiteral("300012101"));
        QCOMPARE(withModule.advertisedName(), QStringLiteral("TarvinoRix3_121_300012101"));
        QCOMPARE(withModule.connectionType(), SimulatedDevice::ModuleConnection);
        QCOMPARE(withModule.packetLimit(), 37);
        QCOMPARE(withModule.dataLimit(), 32);
        QCOMPARE(withModule.memory().size(), 0x10000);
        QCOMPARE(withModule.memory().mid(45056, 4 * 4 + 1), QByteArray(4 * 4, '\0') + char(0xFF));
        SimulatedDevice adapter(model(42), QStringLiteral("1"));
        QCOMPARE(adapter.advertisedName(), QStringLiteral("TarvinoRix2_42_1"));
        QCOMPARE(adapter.connectionType(), SimulatedDevice::AdapterConnection);
        QCOMPARE(adapter.packetLimit(), 74);
        QCOMPARE(adapter.dataLimit(), 69);
        QCOMPARE(adapter.memory().size(), 0x10000);
        QCOMPARE(adapter.memory().mid(2304, 2 * 4 + 1), QByteArray(2 * 4, '\0') + char(0xFF));
        QVERIFY(adapter.memory().startsWith(QByteArray(2304, char(0xFF))));
    }

    void answersTheFramesOfTheDocument()
    {
        SimulatedDevice device(model(111), QStringLiteral("9"));
        QCOMPARE(device.handleFrame(fromHex("0310ec")), frame(0x11, u16(0)));
        QCOMPARE(device.handleFrame(fromHex("0312ea")), fromHex("0313e9"));
        QCOMPARE(device.handleFrame(frame(0x92, "Garten S\xc3\xbc" "d")), Ack);
        QCOMPARE(device.projectName(), QStringLiteral("Garten Süd"));
        QCOMPARE(device.handleFrame(fromHex("0312ea")), frame(0x13, "Garten S\xc3\xbc" "d"));
        QCOMPARE(device.handleFrame(frame(0x92, QByteArray(49, 'x'))), error(2));

        // The model's default city, Frankfurt in the catalogue.
        const devices::Device astro = model(111);
        const QByteArray city = device.handleFrame(fromHex("0332ca"));
        QCOMPARE(city.size(), 9);
        QCOMPARE(city.at(1), '3');
        QCOMPARE(quint8(city.at(2)), quint8(astro.defaultLatitude()));
        QCOMPARE(quint8(city.at(5)), quint8(astro.defaultFirstChar()));
        QCOMPARE(quint8(city.at(6)), quint8(astro.defaultChecksum()));
        QCOMPARE(city.at(7), '\0');

        QCOMPARE(device.handleFrame(frame(0xB2, fromHex("21460b53a703"))), Ack);
        QCOMPARE(device.city(), (SimulatedDevice::City{-33, -70, 11, 0x53, 0xA7}));
        QCOMPARE(device.handleFrame(fromHex("0332ca")), frame(0x33, fromHex("21460b53a703")));
        QCOMPARE(device.handleFrame(frame(0xB2, fromHex("5b460b53a700"))), error(2));

        QCOMPARE(device.handleFrame(frame(0x64)), error(1));
        QByteArray broken = fromHex("0310ec");
        broken[2] = char(0xED);
        QCOMPARE(device.handleFrame(broken), Nak);
        QCOMPARE(device.receivedTelegrams().size(), 11);
        QCOMPARE(device.receivedTelegrams().first(), fromHex("0310ec"));
    }

    void imageGoesIntoTheOtherBank()
    {
        SimulatedDevice device(model(121), QStringLiteral("1"));
        const devices::EepromConfiguration& layout = device.layout();
        const QByteArray image = imageOf(121);
        QCOMPARE(write(device, image, 0, 0), Ack);
        QCOMPARE(device.activeBankAddress(), 22528);
        QCOMPARE(device.activeImage(), image);
        QCOMPARE(device.handleFrame(fromHex("0310ec")), frame(0x11, u16(22528)));
        QCOMPARE(device.handleFrame(frame(0x0C, u16(22528 + 32) + char(32))),
                 frame(0x0D, u16(22528 + 32) + image.mid(32, 32)));
        QCOMPARE(device.handleFrame(frame(0x0C, u16(22528) + char(33))), error(2));
        QCOMPARE(device.handleFrame(frame(0x0C, u16(device.memory().size() - 4) + char(5))), error(3));
        // The second image goes back into bank 0.
        QCOMPARE(write(device, image, 0, 0), Ack);
        QCOMPARE(device.activeBankAddress(), 0);
        Q_UNUSED(layout)
    }

    void aRefusedImageKeepsTheRunningOne_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("dropPacket");
        QTest::newRow("image size") << 0 << false;
        QTest::newRow("settings size") << 2 << false;
        QTest::newRow("project mark") << 5 << false;
        QTest::newRow("memory version") << 7 << false;
        QTest::newRow("model byte") << 8 << false;
        QTest::newRow("identification checksum") << 9 << false;
        QTest::newRow("settings CRC") << 100 << false;
        QTest::newRow("entry CRC") << 22000 << false;
        QTest::newRow("a packet missing") << -1 << true;
    }
    void aRefusedImageKeepsTheRunningOne()
    {
        QFETCH(int, position);
        QFETCH(bool, dropPacket);
        SimulatedDevice device(model(121), QStringLiteral("1"));
        const QByteArray good = imageOf(121);
        QCOMPARE(write(device, good, 0, 0), Ack);
        QByteArray bad = good;
        if (position >= 0)
            bad[position] = char(bad.at(position) ^ 0x01);
        QCOMPARE(write(device, bad, 0, 0, dropPacket ? 7 : -1), error(4));
        QCOMPARE(device.activeBankAddress(), 22528);
        QCOMPARE(device.activeImage(), good);
    }

    void switchTimesOnlyKeepTheSettings()
    {
        SimulatedDevice device(model(121), QStringLiteral("1"));
        const devices::EepromConfiguration& layout = device.layout();
        const QByteArray first = imageOf(121);
        QCOMPARE(write(device, first, 0, 0), Ack);
        devices::Ot2File other = projectfixture::fullProject(model(121));
        other.channels().first().programs.first().switches.removeLast();
        const QByteArray tail = memory.projectSZToBytes(other);
        QCOMPARE(write(device, tail, layout.settingsSize(), 1), Ack);
        QCOMPARE(device.activeBankAddress(), 0);
        QCOMPARE(device.activeImage(), first.left(layout.settingsSize()) + tail);
        QCOMPARE(device.handleFrame(start(0, tail.size(), 1)), error(2));
    }

    void packetsMustFollowAStart()
    {
        SimulatedDevice device(model(42), QStringLiteral("1"));
        QCOMPARE(device.handleFrame(frame(0x8C, u16(0) + "abc")), error(5));
        QCOMPARE(device.handleFrame(fromHex("038e6e")), error(5));
        QCOMPARE(device.handleFrame(start(0, 2158, 0)), Ack);
        QCOMPARE(device.handleFrame(frame(0x8C, u16(2150) + QByteArray(9, 'x'))), error(3));
        QCOMPARE(device.handleFrame(frame(0x8C, u16(0) + QByteArray(70, 'x'))), error(2));
        QCOMPARE(device.handleFrame(frame(0x8C, u16(0) + QByteArray(69, 'x'))), frame(0x0D, u16(0)));
        // In place on a model with one bank: the memory holds the bytes at once.
        QCOMPARE(device.memory().left(69), QByteArray(69, 'x'));
        QCOMPARE(device.handleFrame(start(0, 3000, 0)), error(2));
    }

    void theLinkCarriesOnePacketEachWayPerEvent()
    {
        SimulatedDevice device(model(121), QStringLiteral("1"));
        device.setConnectionInterval(std::chrono::microseconds(0));
        SimulatedConnection link(&device);
        QSignalSpy received(&link, &SimulatedConnection::packetReceived);
        const QByteArray name = frame(0x92, QByteArray(40, 'n'));
        QCOMPARE(name.size(), 43);
        link.send(name.left(37));
        link.send(name.mid(37));
        link.send(fromHex("0312ea"));
        QTRY_COMPARE(received.size(), 3);
        QCOMPARE(received.at(0).first().toByteArray(), Ack);
        // The name reply takes two packets.
        QCOMPARE(received.at(1).first().toByteArray() + received.at(2).first().toByteArray(),
                 frame(0x13, QByteArray(40, 'n')));
        QCOMPARE(device.projectName(), QString(40, u'n'));
    }

    void faultsChangeTheReply_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("reply");
        const QByteArray bank = frame(0x11, u16(0));
        QTest::newRow("error") << int(Fault::ErrorReply) << error(6);
        QTest::newRow("nak") << int(Fault::Nak) << Nak;
        QTest::newRow("short") << int(Fault::ShortReply) << frame(0x11, u16(0).left(1));
        QTest::newRow("long") << int(Fault::LongReply) << frame(0x11, u16(0) + '\0');
        QTest::newRow("malformed") << int(Fault::MalformedReply) << bank.left(4) + char(bank.at(4) ^ 0x5A);
        QTest::newRow("late") << int(Fault::LateReply) << bank;
    }
    void faultsChangeTheReply()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, reply);
        SimulatedDevice device(model(121), QStringLiteral("1"));
        device.setConnectionInterval(std::chrono::microseconds(0));
        device.setLateReplyDelay(std::chrono::milliseconds(200));
        device.setFault({Fault::Kind(kind), 2, false});
        SimulatedConnection link(&device);
        QSignalSpy received(&link, &SimulatedConnection::packetReceived);
        link.send(fromHex("0310ec"));
        link.send(fromHex("0310ec"));
        link.send(fromHex("0310ec"));
        QTRY_COMPARE(received.size(), 3);
        QCOMPARE(received.at(0).first().toByteArray(), frame(0x11, u16(0)));
        const int faulty = kind == Fault::LateReply ? 2 : 1;
        QCOMPARE(received.at(faulty).first().toByteArray(), reply);
    }

    void faultsCanLast()
    {
        SimulatedDevice device(model(121), QStringLiteral("1"));
        device.setConnectionInterval(std::chrono::microseconds(0));
        device.setFault({Fault::DroppedReply, 2, true});
        SimulatedConnection link(&device);
        QSignalSpy received(&link, &SimulatedConnection::packetReceived);
        for (int i = 0; i < 4; ++i)
            link.send(fromHex("0310ec"));
        QTRY_COMPARE(device.receivedTelegrams().size(), 4);
        QTest::qWait(20);
        QCOMPARE(received.size(), 1);
    }

    void aDisconnectEndsTheLinkAfterThePacket()
    {
        SimulatedDevice device(model(121), QStringLiteral("1"));
        device.setConnectionInterval(std::chrono::microseconds(0));
        device.setFault({Fault::Disconnect, 2, false});
        SimulatedConnection link(&device);
        QSignalSpy received(&link, &SimulatedConnection::packetReceived);
        QSignalSpy closed(&link, &SimulatedConnection::closed);
        link.send(fromHex("0310ec"));
        link.send(frame(0x92, "after"));
        link.send(fromHex("0310ec"));
        QVERIFY(closed.wait());
        QVERIFY(!link.isOpen());
        QCOMPARE(received.size(), 1);
        // The packet was taken before the link dropped.
        QCOMPARE(device.projectName(), QStringLiteral("after"));
        QCOMPARE(device.receivedTelegrams().size(), 2);
    }

    void aPairedDeviceLetsNothingThroughBeforeItsCode()
    {
        SimulatedDevice device(model(121), QStringLiteral("1"));
        device.pairing().setCode(424242);
        device.pairing().beginSession();
        // Status: authentication asked, no PIN, no lock.
        QCOMPARE(device.handleFrame(frame(0x02)), frame(0x03, fromHex("01000000000000")));
        QCOMPARE(device.handleFrame(fromHex("0310ec")), error(7));
        QCOMPARE(device.handleFrame(frame(0x84, fromHex("01") + u32(1))), frame(0x05, fromHex("01") + u32(2)));
        QCOMPARE(device.handleFrame(frame(0x84, fromHex("01") + u32(424242))), frame(0x05, fromHex("00") + u32(0)));
        QCOMPARE(device.pairing().wrongCodes(), 0);
        QCOMPARE(device.handleFrame(fromHex("0310ec")), frame(0x11, u16(0)));
        QCOMPARE(device.handleFrame(frame(0x02)), frame(0x03, fromHex("00000000000000")));

        // A new connection proves itself again.
        device.pairing().beginSession();
        QCOMPARE(device.handleFrame(fromHex("0310ec")), error(7));
        QCOMPARE(device.handleFrame(frame(0x84, fromHex("02") + u32(0))), error(2));
        QCOMPARE(device.handleFrame(frame(0x84, fromHex("01"))), error(2));
    }

    void thePushButtonGivesANewCode()
    {
        SimulatedDevice device(model(121), QStringLiteral("1"));
        device.pairing().setState(Pairing::Unpaired);
        device.pairing().beginSession();
        const QByteArray button = frame(0x84, fromHex("00") + u32(0));
        QCOMPARE(device.handleFrame(button), frame(0x05, fromHex("02") + u32(0)));
        // An unpaired device knows no code.
        QCOMPARE(device.handleFrame(frame(0x84, fromHex("01") + u32(0))), frame(0x05, fromHex("01") + u32(2)));
        device.pairing().pressButton();
        const QByteArray reply = device.handleFrame(button);
        QCOMPARE(reply.size(), 8);
        QCOMPARE(reply.at(2), '\0');
        const int code = int(quint8(reply.at(3)) | quint8(reply.at(4)) << 8 | quint8(reply.at(5)) << 16);
        QCOMPARE(device.pairing().state(), Pairing::Paired);
        QCOMPARE(device.pairing().code(), code);
        QVERIFY(code >= 100000 && code <= 999999);
        QCOMPARE(device.pairing().wrongCodes(), 0);
        // The press counted once.
        device.pairing().beginSession();
        QCOMPARE(device.handleFrame(button), frame(0x05, fromHex("02") + u32(0)));
    }

    void wrongCodesLockForTheLockTime()
    {
        SimulatedDevice device(model(121), QStringLiteral("1"));
        device.pairing().setCode(7);
        device.pairing().setCodeLockTime(std::chrono::seconds(3725));
        device.pairing().beginSession();
        const QByteArray wrong = frame(0x84, fromHex("01") + u32(8));
        QCOMPARE(device.handleFrame(wrong), frame(0x05, fromHex("01") + u32(2)));
        QCOMPARE(device.handleFrame(wrong), frame(0x05, fromHex("01") + u32(1)));
        QCOMPARE(device.handleFrame(wrong), frame(0x05, fromHex("03") + u32(3725)));
        QCOMPARE(device.handleFrame(frame(0x84, fromHex("01") + u32(7))), frame(0x05, fromHex("03") + u32(3725)));
        device.pairing().pressButton();
        QCOMPARE(device.handleFrame(frame(0x84, fromHex("00") + u32(0))).at(2), '\3');
        QCOMPARE(device.handleFrame(frame(0x02)), frame(0x03, fromHex("010001") + u32(3725)));

        // Once the lock is over the counter starts afresh.
        SimulatedDevice quick(model(121), QStringLiteral("2"));
        quick.pairing().setCode(7);
        quick.pairing().setCodeLockTime(std::chrono::seconds(0));
        quick.pairing().beginSession();
        for (int i = 0; i < Pairing::MaxWrongCodes; ++i)
            quick.handleFrame(wrong);
        QCOMPARE(quick.handleFrame(frame(0x02)), frame(0x03, fromHex("01000000000000")));
        QCOMPARE(quick.handleFrame(frame(0x84, fromHex("01") + u32(7))), frame(0x05, fromHex("00") + u32(0)));
    }

    void thePinHasItsOwnLock()
    {
        SimulatedDevice device(model(112), QStringLiteral("1"));
        device.pairing().setPinCode(4321);
        device.pairing().setPinLockTime(std::chrono::seconds(90));
        device.pairing().beginSession();
        QCOMPARE(device.handleFrame(frame(0x02)), frame(0x03, fromHex("00010000000000")));
        QCOMPARE(device.handleFrame(fromHex("0312ea")), error(7));
        const QByteArray wrong = frame(0x86, u16(1234));
        QCOMPARE(device.handleFrame(wrong), frame(0x07, fromHex("01") + u32(2)));
        QCOMPARE(device.handleFrame(wrong), frame(0x07, fromHex("01") + u32(1)));
        QCOMPARE(device.handleFrame(wrong), frame(0x07, fromHex("03") + u32(90)));
        QCOMPARE(device.handleFrame(frame(0x86, u16(4321))), frame(0x07, fromHex("03") + u32(90)));
        QCOMPARE(device.handleFrame(frame(0x02)), frame(0x03, fromHex("000102") + u32(90)));
        QCOMPARE(device.pairing().wrongCodes(), 0);

        SimulatedDevice other(model(112), QStringLiteral("2"));
        other.pairing().setCode(5);
        other.pairing().setPinCode(4321);
        other.pairing().beginSession();
        // The PIN comes after the code.
        QCOMPARE(other.handleFrame(frame(0x86, u16(4321))), error(7));
        QCOMPARE(other.handleFrame(frame(0x84, fromHex("01") + u32(5))).at(2), '\0');
        QCOMPARE(other.handleFrame(frame(0x86, u16(4321))), frame(0x07, fromHex("00") + u32(0)));
        QCOMPARE(other.handleFrame(fromHex("0312ea")), fromHex("0313e9"));

        // A locked PIN stays locked for a connection that has not authenticated yet.
        other.pairing().beginSession();
        other.handleFrame(frame(0x84, fromHex("01") + u32(5)));
        for (int i = 0; i < Pairing::MaxWrongPins; ++i)
            other.handleFrame(frame(0x86, u16(1)));
        other.pairing().beginSession();
        QCOMPARE(other.handleFrame(frame(0x86, u16(4321))).at(2), '\3');
    }

    void takesTheClockAndTheLanguage()
    {
        SimulatedDevice device(model(121), QStringLiteral("1"));
        QVERIFY(!device.dateTime().isValid());
        QCOMPARE(device.handleFrame(frame(0xA2, fromHex("1a031d021e05"))), Ack);
        QCOMPARE(device.dateTime(), QDateTime(QDate(2026, 3, 29), QTime(2, 30, 5), Qt::UTC));
        QCOMPARE(device.handleFrame(frame(0xA2, fromHex("1a021e021e05"))), error(2));
        QCOMPARE(device.handleFrame(frame(0xA2, fromHex("1a031d"))), error(2));
        QCOMPARE(device.handleFrame(frame(0xC4, "fr")), Ack);
        QCOMPARE(device.language(), QStringLiteral("fr"));
        QCOMPARE(device.handleFrame(frame(0xC4, "FR")), error(2));
        QCOMPARE(device.handleFrame(frame(0xC4, "fra")), error(2));
        QCOMPARE(device.language(), QStringLiteral("fr"));
    }

    void theServiceBlockHoldsTheIntervalsOfTheLastImage()
    {
        SimulatedDevice device(model(121), QStringLiteral("1"));
        const int service = devices::EepromConfiguration::serviceAddress(model(121));
        QCOMPARE(device.serviceInterval(0), 0);
        const devices::Ot2File project = projectfixture::fullProject(model(121));
        QCOMPARE(write(device, memory.projectToBytes(project), 0, 0), Ack);
        const QList<int> slotList = device.layout().channelSlots();
        for (int k = 0; k < 4; ++k)
            QCOMPARE(device.serviceInterval(k), project.channelSettings().value(slotList.at(k)).operatingHours);
        const quint32 first = quint32(device.serviceInterval(0));
        // One channel at a time through the memory read, or all at once.
        QCOMPARE(device.handleFrame(frame(0x0C, u16(service + 4) + char(4))),
                 frame(0x0D, u16(service + 4) + u32(quint32(device.serviceInterval(1)))));
        const QByteArray all = device.handleFrame(fromHex("0342ba"));
        QCOMPARE(all.size(), 4 * 4 + 4);
        QCOMPARE(all.mid(2, 5), QByteArray(1, char(4)) + u32(first));
        // The operating hours are the device's own: a new image leaves them, the reset clears them.
        device.channels().setOperatingHours(1, 1200.5);
        QCOMPARE(write(device, memory.projectToBytes(project), 0, 0), Ack);
        QCOMPARE(device.channels().operatingHours(1), 1200.5);
        QCOMPARE(device.handleFrame(frame(0xA8, QByteArray(1, char(1)))), Ack);
        QCOMPARE(device.channels().operatingHours(1), 0.0);
        QCOMPARE(device.handleFrame(frame(0xA8, QByteArray(1, char(4)))), error(2));
    }

    void theSwitchStateSetsTheMode_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("relay");
        QTest::newRow("manual") << 0 << 7 << 1;
        QTest::newRow("permanent off") << 1 << 8 << 0;
        QTest::newRow("permanent on") << 2 << 8 << 1;
        QTest::newRow("program") << 3 << 0 << 1;
    }

    void theSwitchStateSetsTheMode()
    {
        QFETCH(int, state);
        QFETCH(int, mode);
        QFETCH(int, relay);
        SimulatedDevice device(model(42), QStringLiteral("1"));
        devicesim::ChannelControls::Channel timer;
        timer.relayState = 1;
        timer.mode = 5;
        device.channels().setChannel(1, timer);
        QCOMPARE(device.handleFrame(frame(0xA4, QByteArray(1, char(1)) + char(state))), Ack);
        QCOMPARE(device.channels().channel(1).mode, mode);
        QCOMPARE(device.channels().channel(1).relayState, relay);
        QCOMPARE(device.channels().channel(0).mode, 0);
        // Replies number the channels from 1.
        QCOMPARE(device.handleFrame(fromHex("0326d6")),
                 frame(0x27, fromHex("02") + fromHex("010000") + char(2) + char(relay) + char(mode)));
        QCOMPARE(device.handleFrame(frame(0xA4, QByteArray(1, char(1)) + char(4))), error(2));
        QCOMPARE(device.handleFrame(frame(0xA4, QByteArray(1, char(2)) + char(0))), error(2));
    }

    void timerRandomAndHoliday()
    {
        SimulatedDevice device(model(42), QStringLiteral("1"));
        QCOMPARE(device.handleFrame(frame(0xB6, fromHex("00010130"))), Ack);
        QCOMPARE(device.channels().channel(0).mode, 5);
        QCOMPARE(device.channels().channel(0).relayState, 1);
        QCOMPARE(device.channels().channel(0).timerDuration, QTime(1, 48));
        QCOMPARE(device.handleFrame(frame(0xB6, fromHex("00020000"))), Ack);
        QCOMPARE(device.channels().channel(0).mode, 0);
        QCOMPARE(device.handleFrame(frame(0xB6, fromHex("00030000"))), error(2));

        QCOMPARE(device.handleFrame(frame(0xC0, fromHex("0101"))), Ack);
        QCOMPARE(device.channels().channel(1).mode, 2);
        QCOMPARE(device.handleFrame(frame(0xC0, fromHex("0102"))), Ack);
        QCOMPARE(device.channels().channel(1).mode, 1);
        QCOMPARE(device.handleFrame(frame(0xC0, fromHex("0100"))), Ack);
        QCOMPARE(device.channels().channel(1).mode, 0);

        // Status 2 from 2024-12-31 23:00 to 2025-01-01 00:00.
        QCOMPARE(device.handleFrame(frame(0xAA, fromHex("0002180c1f1700190101" "0000"))), Ack);
        QCOMPARE(device.channels().channel(0).mode, 6);
        QCOMPARE(device.channels().channel(0).holidayStatus, 2);
        QCOMPARE(device.channels().channel(0).holidayEnd, QDateTime(QDate(2025, 1, 1), QTime(0, 0), Qt::UTC));
        // An end before the begin.
        QCOMPARE(device.handleFrame(frame(0xAA, fromHex("000119010100001801010000"))), error(2));
        QCOMPARE(device.handleFrame(frame(0xAA, fromHex("000018010100001801010000"))), Ack);
        QCOMPARE(device.channels().channel(0).mode, 0);
    }

    void theClockTimeZoneAndFirmware()
    {
        SimulatedDevice device(model(46), QStringLiteral("1"));
        // Without a date the clock counts from midnight.
        const QByteArray unset = device.handleFrame(fromHex("0322da"));
        QCOMPARE(unset.size(), 9);
        QCOMPARE(unset.mid(2, 3), QByteArray(3, '\0'));
        device.setDateTime(QDateTime(QDate(2024, 5, 17), QTime(13, 45, 30), Qt::UTC));
        device.setRadioClock(true, true);
        const QByteArray reply = device.handleFrame(fromHex("0322da"));
        QCOMPARE(reply.mid(2, 5), fromHex("1805110d2d"));
        QCOMPARE(quint8(reply.at(7)) & 0xC0, 0xC0);
        QVERIFY((quint8(reply.at(7)) & 0x3F) >= 30);

        QCOMPARE(device.handleFrame(fromHex("0330cc")), frame(0x31, fromHex("0c")));
        QCOMPARE(device.handleFrame(frame(0xB0, fromHex("14"))), Ack);
        QCOMPARE(device.timezone(), 20);
        QCOMPARE(device.handleFrame(frame(0xB0, fromHex("20"))), error(2));
        device.setFirmwareVersion(2, 7);
        QCOMPARE(device.handleFrame(fromHex("0334c8")), frame(0x35, fromHex("0207")));
    }

    void twilightModelsReportTheirSensors()
    {
        SimulatedDevice device(model(74), QStringLiteral("1"));
        device.sensors().setSensors({{70000, 0x01}, {5, 0x03}});
        QCOMPARE(device.handleFrame(fromHex("0338c4")), frame(0x39, fromHex("02" "701101" "01" "050000" "03")));
        QCOMPARE(device.handleFrame(frame(0xBA, fromHex("02" "0201" "0000"))), Ack);
        const QList<devicesim::SensorBank::Sensor> expected{{70000, 0x02, true}, {5, 0x00, false}};
        QCOMPARE(device.sensors().sensors(), expected);
        QCOMPARE(device.handleFrame(frame(0xBA, fromHex("02" "02"))), error(2));
        QCOMPARE(device.handleFrame(fromHex("033cc0")), frame(0x3D, fromHex("00")));
        device.sensors().setError(true);
        QCOMPARE(device.handleFrame(fromHex("033cc0")), frame(0x3D, fromHex("01")));
        QCOMPARE(device.handleFrame(fromHex("03be3e")), Ack);
        QVERIFY(!device.sensors().hasError());

        SimulatedDevice plain(model(42), QStringLiteral("2"));
        QCOMPARE(plain.handleFrame(fromHex("0338c4")), error(1));
    }

    void aConnectionStartsASession()
    {
        SimulatedDevice device(model(121), QStringLiteral("1"));
        device.pairing().setCode(1);
        device.pairing().beginSession();
        device.handleFrame(frame(0x84, fromHex("01") + u32(1)));
        QVERIFY(device.pairing().isAuthorised());
        SimulatedConnection connection(&device);
        QVERIFY(!device.pairing().isAuthorised());
    }

private:
    devices::Device model(int ot2) const { return catalogue.deviceByOt2Number(ot2); }

    QByteArray imageOf(int ot2)
    {
        const QByteArray image = memory.projectToBytes(projectfixture::fullProject(model(ot2)));
        Q_ASSERT(!image.isEmpty());
        return image;
    }

    // Sends the bytes in packets as the program would and commits; the commit's reply. skip leaves
    // out one packet.
    static QByteArray write(SimulatedDevice& device, const QByteArray& bytes, int address, int kind, int skip = -1)
    {
        if (device.handleFrame(start(address, bytes.size(), kind)) != Ack)
            return "start refused";
        const int step = device.dataLimit();
        for (int offset = 0, packet = 0; offset < bytes.size(); offset += step, ++packet) {
            if (packet == skip)
                continue;
            const QByteArray reply = device.handleFrame(frame(0x8C, u16(address + offset) + bytes.mid(offset, step)));
            if (reply != frame(0x0D, u16(address + offset)))
                return "packet refused";
        }
        return device.handleFrame(fromHex("038e6e"));
    }

    devices::DeviceService catalogue;
    devices::EepromService memory;
};

QTEST_MAIN(TestSimulatedDevice)
#include "tst_simulateddevice.moc"
