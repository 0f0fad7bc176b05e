#include <QTest>

#include <ble/abstractblerequest.h>
#include <ble/authenticationstatustelegram.h>
#include <ble/authenticationtelegram.h>
#include <ble/basetelegram.h>
#include <ble/bledevice.h>
#include <ble/eepromcommittelegram.h>
#include <ble/eepromreadtelegram.h>
#include <ble/eepromstarttelegram.h>
#include <ble/eepromwritetelegram.h>
#include <ble/frame.h>
#include <ble/frameassembler.h>
#include <ble/projectnametelegram.h>
#include <ble/readactivebankaddress.h>
#include <ble/readtelegram.h>
#include <ble/synctelegram.h>
#include <ble/transferplan.h>

using namespace ble;

namespace {

QByteArray fromHex(const char* text)
{
    return QByteArray::fromHex(text);
}

// A frame as docs/device-protocol.md writes it, with the checksum computed here.
QByteArray frame(const char* hexWithoutChecksum)
{
    QByteArray bytes = fromHex(hexWithoutChecksum);
    quint8 sum = 0;
    for (char byte : std::as_const(bytes))
        sum = quint8(sum + quint8(byte));
    return bytes + char(~sum);
}

} // namespace

class TestTelegrams : public QObject {
    Q_OBJECT

private slots:
    void framesOfTheDocument()
    {
        QCOMPARE(BaseTelegram::STANDARD_ACK, fromHex("0306f6"));
        QCOMPARE(ReadTelegram(50, true).bytes(), fromHex("0332ca"));
        QCOMPARE(ReadActiveBankAddress().bytes(), fromHex("0310ec"));
        QCOMPARE(EepromCommitTelegram().bytes(), fromHex("038e6e"));
        QCOMPARE(EepromStartTelegram(1704, 20585, false).bytes(), frame("088aa806695001"));
        QCOMPARE(EepromStartTelegram(0, 22289, true).bytes(), frame("088a0000115700"));
        EepromWriteTelegram packet;
        packet.setPacket(0x1234, "abc");
        QCOMPARE(packet.bytes(), frame("088c3412616263"));
        EepromReadTelegram read;
        read.setRange(22528, 32);
        QCOMPARE(read.bytes(), frame("060c005820"));
        ProjectNameTelegram name;
        QCOMPARE(name.bytes(), fromHex("0312ea"));
        name.setWriteState();
        name.setProjectName(QStringLiteral("Süd"));
        QCOMPARE(name.bytes(), frame("0792" "53c3bc64"));
    }

    void repliesAreParsed()
    {
        ReadActiveBankAddress bank;
        QVERIFY(bank.parseTelegram(frame("05110058")));
        QCOMPARE(bank.bankAddress(), 22528);
        QVERIFY(!bank.parseTelegram(frame("0611005800")));
        QVERIFY(!bank.parseTelegram(frame("05130058")));
        QVERIFY(!bank.parseTelegram(fromHex("05110058ff")));

        ReadTelegram city(50, true);
        const QByteArray reply = frame("0933" "2108" "0d46b300");
        QVERIFY(city.parseTelegram(reply));
        QCOMPARE(city.payload(), fromHex("21080d46b300"));
        // A short reply must fit into the smallest packet.
        QVERIFY(!city.parseTelegram(Frame::build(0x33, QByteArray(18, 'x'))));
        QVERIFY(ReadTelegram(50, false).parseTelegram(Frame::build(0x33, QByteArray(18, 'x'))));

        ProjectNameTelegram name;
        QVERIFY(name.parseTelegram(frame("0913" "47617274656e")));
        QCOMPARE(name.projectName(), QStringLiteral("Garten"));
        QVERIFY(!name.parseTelegram(Frame::build(0x13, QByteArray(49, 'x'))));
        name.setWriteState();
        QVERIFY(name.parseTelegram(BaseTelegram::STANDARD_ACK));
        QVERIFY(!name.parseTelegram(frame("0315")));

        EepromWriteTelegram packet;
        packet.setPacket(0x0120, "x");
        QVERIFY(packet.parseTelegram(frame("050d2001")));
        QVERIFY(!packet.parseTelegram(frame("050d4001")));
        QCOMPARE(TransferTelegram::replyAddress(frame("050d4001")), 0x0140);
        QVERIFY(!packet.parseTelegram(frame("060d200100")));
        QCOMPARE(TransferTelegram::replyAddress(BaseTelegram::STANDARD_ACK), -1);
        EepromReadTelegram read;
        read.setRange(0x0120, 2);
        QVERIFY(!read.parseTelegram(frame("060d200161")));
        QVERIFY(read.parseTelegram(frame("070d20016162")));
        QCOMPARE(read.readBytes(), QByteArray("ab"));
        QVERIFY(packet.isCritical() && read.isCritical() && EepromCommitTelegram().isCritical());
        QVERIFY(!name.isCritical());
    }

    void longNamesAreCutAtACharacterBoundary()
    {
        const QString name = QString(47, u'a') + QStringLiteral("ü");
        QCOMPARE(ProjectNameTelegram::encoded(name), QByteArray(47, 'a'));
        QCOMPARE(ProjectNameTelegram::encoded(QString(46, u'a') + QStringLiteral("ü")).size(), 48);
        QCOMPARE(ProjectNameTelegram::encoded(QString(60, u'b')), QByteArray(48, 'b'));
    }

    void framesAreJoinedFromPackets()
    {
        const QByteArray whole = Frame::build(0x13, QByteArray(40, 'n'));
        FrameAssembler assembler;
        QCOMPARE(assembler.append(whole.left(20)), FrameAssembler::Incomplete);
        QCOMPARE(assembler.append(whole.mid(20, 20)), FrameAssembler::Incomplete);
        QCOMPARE(assembler.append(whole.mid(40)), FrameAssembler::Complete);
        QCOMPARE(assembler.frame(), whole);
        QCOMPARE(assembler.append(fromHex("0206")), FrameAssembler::Malformed);
        QCOMPARE(assembler.append(fromHex("0306f700")), FrameAssembler::Malformed);
        QCOMPARE(assembler.append(fromHex("0306f7")), FrameAssembler::Malformed);
        QCOMPARE(assembler.append(fromHex("0306f6")), FrameAssembler::Complete);
        QVERIFY(Frame::build(0x01, QByteArray(253, 'x')).isEmpty());
        QCOMPARE(Frame::errorNumber(frame("047f06")), 6);
        QCOMPARE(Frame::errorNumber(BaseTelegram::STANDARD_ACK), 0);
    }

    void packetCounts_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("packetSize");
        QTest::addColumn<bool>("adapter");
        QTest::addColumn<QList<int>>("lengths");
        QTest::newRow("200 through the adapter") << 200 << 69 << true << QList<int>{69, 69, 62};
        QTest::newRow("200 over the module") << 200 << 37 << false << QList<int>{32, 32, 32, 32, 32, 32, 8};
        QTest::newRow("adapter chunks in smaller packets") << 100 << 30 << true << QList<int>{30, 30, 9, 30, 1};
        QTest::newRow("nothing") << 0 << 37 << false << QList<int>{};
        QTest::newRow("no room for bytes") << 100 << 5 << false << QList<int>{};
        QTest::newRow("no packet size") << 100 << 0 << true << QList<int>{};
    }
    void packetCounts()
    {
        QFETCH(int, bytes);
        QFETCH(int, packetSize);
        QFETCH(bool, adapter);
        QFETCH(QList<int>, lengths);
        const TransferPlan plan(bytes, packetSize, adapter);
        QList<int> planned;
        int offset = 0;
        for (const TransferPlan::Packet& packet : plan.packets()) {
            QCOMPARE(packet.offset, offset);
            offset += packet.length;
            planned.append(packet.length);
        }
        QCOMPARE(planned, lengths);
        QCOMPARE(TransferPlan::packetCount(bytes, packetSize, adapter), lengths.size());
    }

    void theLargestImageTakes697Packets()
    {
        QCOMPARE(TransferPlan::packetCount(22289, 37, false), 697);
        QCOMPARE(TransferPlan::packetCount(2158, 69, true), 32);
    }

    void advertisedNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("ot2");
        QTest::addColumn<QString>("serial");
        QTest::newRow("module") << "TarvinoRix3_121_310200017" << 121 << "310200017";
        QTest::newRow("adapter") << "TarvinoRix2_42_204200023" << 42 << "204200023";
        QTest::newRow("leading zero") << "TarvinoRix2_042_1" << 42 << "1";
        // The short model codes of the first series.
        QTest::newRow("code 00") << "TarvinoRix3_00_-17370756" << 121 << "-17370756";
        QTest::newRow("code 85") << "TarvinoRix3_85_211876245" << 112 << "211876245";
        QTest::newRow("code 58") << "TarvinoRix3_58_000000258" << 141 << "000000258";
        QTest::newRow("not a code") << "TarvinoRix3_0_1" << 0 << "1";
        QTest::newRow("unknown model") << "TarvinoRix3_99_990000001" << 99 << "990000001";
        QTest::newRow("underscore in serial") << "TarvinoRix3_121_12_34" << 121 << "12_34";
        QTest::newRow("beyond 256") << "TarvinoRix3_300_1" << 0 << "1";
        QTest::newRow("no number") << "TarvinoRix3_x1_1" << 0 << "1";
        QTest::newRow("two fields") << "TarvinoRix3_121" << 0 << "";
        QTest::newRow("other device") << "Kitchen speaker" << 0 << "";
    }
    void advertisedNames()
    {
        QFETCH(QString, name);
        QFETCH(int, ot2);
        QFETCH(QString, serial);
        QCOMPARE(BLEDevice::parseOt2Number(name), ot2);
        QCOMPARE(BLEDevice::parseSerialNumber(name), serial);
    }

    void authenticationTelegrams()
    {
        AuthenticationTelegram telegram;
        telegram.setPushButton();
        QCOMPARE(telegram.bytes(), frame("08840000000000"));
        telegram.setCode(424242);
        QCOMPARE(telegram.bytes(), frame("08840132790600"));
        telegram.setPin(4321);
        QCOMPARE(telegram.bytes(), frame("0586e110"));

        telegram.setPushButton();
        QVERIFY(telegram.parseTelegram(Frame::build(0x05, QByteArray::fromHex("0032790600"))));
        QCOMPARE(telegram.result(), AuthenticationTelegram::Accepted);
        QCOMPARE(telegram.value(), 424242);
        QVERIFY(telegram.parseTelegram(Frame::build(0x05, QByteArray::fromHex("038d0e0000"))));
        QCOMPARE(telegram.result(), AuthenticationTelegram::Locked);
        QCOMPARE(telegram.value(), 3725);
        QVERIFY(!telegram.parseTelegram(Frame::build(0x05, QByteArray::fromHex("0400000000"))));
        QVERIFY(!telegram.parseTelegram(BaseTelegram::STANDARD_ACK));
        telegram.setPin(1);
        QVERIFY(!telegram.parseTelegram(Frame::build(0x05, QByteArray::fromHex("0000000000"))));
        QVERIFY(telegram.parseTelegram(Frame::build(0x07, QByteArray::fromHex("0102000000"))));
        QCOMPARE(telegram.result(), AuthenticationTelegram::Wrong);

        AuthenticationStatusTelegram status;
        QCOMPARE(status.bytes(), frame("0302"));
        QVERIFY(status.parseTelegram(Frame::build(0x03, QByteArray::fromHex("01010278000000"))));
        QVERIFY(status.needsAuthentication());
        QVERIFY(status.needsPin());
        QCOMPARE(status.lock(), AuthenticationStatusTelegram::PinLock);
        QCOMPARE(status.remainingSeconds(), 120);
        QVERIFY(!status.parseTelegram(Frame::build(0x03, QByteArray::fromHex("01010378000000"))));
        QVERIFY(!status.parseTelegram(Frame::build(0x03, QByteArray::fromHex("010100"))));
    }

    void syncTelegrams()
    {
        SyncTelegram telegram;
        telegram.setDateTime(QDateTime(QDate(2026, 3, 29), QTime(2, 30, 5), Qt::UTC));
        QCOMPARE(telegram.bytes(), frame("09a21a031d021e05"));
        QVERIFY(telegram.parseTelegram(BaseTelegram::STANDARD_ACK));
        telegram.setDateTime(QDateTime(QDate(1999, 12, 31), QTime(23, 0), Qt::UTC));
        QVERIFY(telegram.bytes().isEmpty());
        telegram.setLanguage(QStringLiteral("de"));
        QCOMPARE(telegram.bytes(), frame("05c46465"));
        telegram.setLanguage(QStringLiteral("DE"));
        QVERIFY(telegram.bytes().isEmpty());
    }

    void errorsHaveTexts()
    {
        QCOMPARE(AbstractBLERequest::errorToString({}), QString());
        QCOMPARE(AbstractBLERequest::errorToString({AbstractBLERequest::Aborted, {}}),
                 QStringLiteral("Übertragung durch Benutzer abgebrochen"));
        QCOMPARE(AbstractBLERequest::errorToString({AbstractBLERequest::DeviceError, frame("047f04")}),
                 QStringLiteral("Das Gerät hat das Projekt nicht übernommen."));
        QCOMPARE(AbstractBLERequest::errorToString({AbstractBLERequest::DeviceError, frame("047f63")}),
                 QStringLiteral("Das Gerät meldet den Fehler 99."));
        for (int error = AbstractBLERequest::Timeout; error <= AbstractBLERequest::InvalidRequest; ++error)
            QVERIFY(!AbstractBLERequest::errorToString({error, {}}).isEmpty());
    }
};

QTEST_MAIN(TestTelegrams)
#include "tst_telegrams.moc"
