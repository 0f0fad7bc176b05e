#include "blefixture.h"

#include <ble/abstractblerequest.h>
#include <ble/frame.h>
#include <ble/projectnametelegram.h>
#include <ble/readactivebankaddress.h>
#include <ble/readtelegram.h>

using ble::AbstractBLERequest;
using devicesim::Fault;

class TestBLERequestManager : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<BleFixture>(121);
        QVERIFY(f->connectDevice());
    }
    void cleanup() { f.reset(); }

    void requestsRunOneAtATimeInOrder()
    {
        Receiver receiver;
        ble::ProjectNameTelegram write;
        write.setWriteState();
        write.setProjectName(QString(40, u'n'));
        ble::ProjectNameTelegram read;
        ble::ReadTelegram city(50, true);
        ble::ReadActiveBankAddress bank;
        int bankAddress = -1;
        f->manager()->createTelegramExtendedRequest(&write, &receiver, "onOk", "onError", false);
        f->manager()->createTelegramExtendedRequest(&read, &receiver, "onDone", "onError", false);
        f->manager()->createTelegramRequest(&city, &receiver, "onProgress", "onError", false, true);
        f->manager()->createTelegramRequest(
            &bank, [&](bool ok) { bankAddress = ok ? bank.bankAddress() : -2; }, nullptr, false, true, &receiver);
        QTRY_COMPARE(bankAddress, 0);
        QCOMPARE(receiver.calls.size(), 3);
        QCOMPARE(receiver.calls.at(0).slot, QStringLiteral("ok"));
        QCOMPARE(receiver.calls.at(0).response.data(), ble::BaseTelegram::STANDARD_ACK);
        // The 40-byte name came back over two packets of the module.
        QCOMPARE(receiver.calls.at(1).slot, QStringLiteral("done"));
        QCOMPARE(read.projectName(), QString(40, u'n'));
        QCOMPARE(receiver.calls.at(2).slot, QStringLiteral("progress"));
        QCOMPARE(receiver.calls.at(2).response.data().size(), 9);
        QCOMPARE(codes(f->device->receivedTelegrams()), (QList<quint8>{0x92, 0x12, 0x32, 0x10}));
        QVERIFY(!f->manager()->isBusy());
    }

    void aSlotMayMakeTheNextRequest()
    {
        ble::ReadActiveBankAddress bank;
        int replies = 0;
        std::function<void(bool)> again = [&](bool ok) {
            if (ok && ++replies < 3)
                f->manager()->createTelegramRequest(&bank, again, nullptr, false, true, nullptr);
        };
        f->manager()->createTelegramRequest(&bank, again, nullptr, false, true, nullptr);
        QTRY_COMPARE(replies, 3);
        QCOMPARE(f->device->receivedTelegrams().size(), 3);
    }

    void memoryTransfersCallProgressOncePerPacket()
    {
        Receiver receiver;
        const QByteArray bytes = QByteArray(200, 'x');
        // The device refuses the image at the commit: the bytes are no project.
        f->manager()->createEepromWriteRequest(0, bytes, 37, 37, &receiver, "onDone", false, "onError", "onProgress",
                                               true, true);
        QVERIFY(receiver.waitFor(QStringLiteral("error")));
        QCOMPARE(receiver.count(QStringLiteral("progress")), 7);
        QCOMPARE(receiver.calls.last().response.error(), int(AbstractBLERequest::DeviceError));
        QCOMPARE(ble::Frame::errorNumber(receiver.calls.last().response.data()), 4);
        // start, seven packets, the commit: never sent again.
        QCOMPARE(f->device->receivedTelegrams().size(), 9);

        receiver.calls.clear();
        f->manager()->createEepromReadRequest(22528 + 100, 200, 37, 37, &receiver, "onDone", "onError", "onProgress",
                                              true);
        QVERIFY(receiver.waitFor(QStringLiteral("done")));
        QCOMPARE(receiver.count(QStringLiteral("progress")), 7);
        QCOMPARE(receiver.calls.last().response.data(), bytes.left(100) + QByteArray(100, char(0xFF)));
    }

    void failuresGoToTheErrorSlotOrNowhere()
    {
        Receiver receiver;
        ble::ReadTelegram unknown(100, true);
        ble::ReadActiveBankAddress bank;
        f->manager()->createTelegramRequest(&unknown, &receiver, "onOk", "", false, true);
        f->manager()->createTelegramRequest(&unknown, &receiver, "onOk", "onError", false, true);
        f->manager()->createTelegramRequest(&bank, &receiver, "onDone", "onError", false, true);
        QVERIFY(receiver.waitFor(QStringLiteral("done")));
        QCOMPARE(receiver.calls.size(), 2);
        QCOMPARE(receiver.calls.at(0).slot, QStringLiteral("error"));
        QCOMPARE(AbstractBLERequest::errorToString(receiver.calls.at(0).response),
                 QStringLiteral("Das Gerät kennt die Anfrage nicht."));
        // An unknown code is no reason to send again.
        QCOMPARE(f->device->receivedTelegrams().size(), 3);
    }

    void aRequestOfADestroyedReceiverIsDropped()
    {
        Receiver kept;
        auto gone = std::make_unique<Receiver>();
        ble::ReadActiveBankAddress bank;
        ble::ProjectNameTelegram name;
        f->manager()->createTelegramRequest(&bank, &kept, "onOk", "onError", false, true);
        f->manager()->createTelegramRequest(&name, gone.get(), "onOk", "onError", false, true);
        f->manager()->createTelegramRequest(&bank, &kept, "onDone", "onError", false, true);
        gone.reset();
        QVERIFY(kept.waitFor(QStringLiteral("done")));
        QCOMPARE(codes(f->device->receivedTelegrams()), (QList<quint8>{0x10, 0x10}));

        // Destroyed while its transfer waits for a reply: the transfer stops and the next request runs.
        // Frames 3 to 8 are the start and five packets; the sixth packet's reply is lost.
        auto writer = std::make_unique<Receiver>();
        f->device->setFault({Fault::DroppedReply, 9, true});
        f->manager()->createEepromWriteRequest(0, QByteArray(2000, 'x'), 37, 37, writer.get(), "onDone", false,
                                               "onError", "onProgress", true, true);
        f->manager()->createTelegramRequest(&bank, &kept, "onOk", "onError", false, true);
        QTRY_COMPARE(f->device->receivedTelegrams().size(), 9);
        QCOMPARE(writer->count(QStringLiteral("progress")), 5);
        writer.reset();
        f->device->setFault({});
        QVERIFY(kept.waitFor(QStringLiteral("ok"), 2));
        QCOMPARE(codes(f->device->receivedTelegrams()).mid(8), (QList<quint8>{0x8C, 0x10}));
    }

    void noReplyEndsInATimeout()
    {
        Receiver receiver;
        ble::ReadActiveBankAddress bank;
        f->device->setFault({Fault::DroppedReply, 1, true});
        f->manager()->createTelegramRequest(&bank, &receiver, "onOk", "onError", false, false);
        QVERIFY(receiver.waitFor(QStringLiteral("error")));
        QCOMPARE(receiver.calls.last().response.error(), int(AbstractBLERequest::Timeout));
        QCOMPARE(f->device->receivedTelegrams().size(), 1);
        // With retries it is sent three more times.
        f->manager()->createTelegramRequest(&bank, &receiver, "onOk", "onError", false, true);
        QVERIFY(receiver.waitFor(QStringLiteral("error"), 2));
        QCOMPARE(f->device->receivedTelegrams().size(), 1 + 1 + ble::BLERequestManager::MaxRetries);
    }

    void retriesAreBounded_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("error");
        QTest::newRow("busy") << int(Fault::ErrorReply) << int(AbstractBLERequest::DeviceError);
        QTest::newRow("nak") << int(Fault::Nak) << int(AbstractBLERequest::Nak);
        QTest::newRow("short") << int(Fault::ShortReply) << int(AbstractBLERequest::UnexpectedReply);
        QTest::newRow("long") << int(Fault::LongReply) << int(AbstractBLERequest::UnexpectedReply);
        QTest::newRow("malformed") << int(Fault::MalformedReply) << int(AbstractBLERequest::MalformedReply);
        QTest::newRow("dropped") << int(Fault::DroppedReply) << int(AbstractBLERequest::Timeout);
        QTest::newRow("late") << int(Fault::LateReply) << int(AbstractBLERequest::Timeout);
    }
    void retriesAreBounded()
    {
        QFETCH(int, kind);
        QFETCH(int, error);
        Receiver receiver;
        ble::ReadActiveBankAddress bank;
        f->device->setFault({Fault::Kind(kind), 1, true});
        f->manager()->createTelegramRequest(&bank, &receiver, "onOk", "onError", false, true);
        QVERIFY(receiver.waitFor(QStringLiteral("error")));
        QCOMPARE(receiver.calls.last().response.error(), error);
        QCOMPARE(f->device->receivedTelegrams().size(), 1 + ble::BLERequestManager::MaxRetries);
    }

    void oneFaultIsMendedByRetry_data() { retriesAreBounded_data(); }
    void oneFaultIsMendedByRetry()
    {
        QFETCH(int, kind);
        Receiver receiver;
        ble::ReadActiveBankAddress bank;
        f->device->setFault({Fault::Kind(kind), 1, false});
        f->manager()->createTelegramRequest(&bank, &receiver, "onOk", "onError", false, true);
        QVERIFY(receiver.waitFor(QStringLiteral("ok")));
        QCOMPARE(receiver.calls.size(), 1);
        QCOMPARE(bank.bankAddress(), 0);
        QCOMPARE(f->device->receivedTelegrams().size(), 2);
    }

    void aFailedTransferIsAborted()
    {
        Receiver receiver;
        QSignalSpy aborted(f->manager(), &ble::BLERequestManager::requestAborted);
        f->device->setFault({Fault::Nak, 3, true});
        f->manager()->createEepromReadRequest(0, 500, 37, 37, &receiver, "onDone", "onError", "onProgress", true);
        QVERIFY(aborted.wait());
        QCOMPARE(receiver.calls.last().slot, QStringLiteral("error"));
        QCOMPARE(receiver.count(QStringLiteral("progress")), 2);
        QVERIFY(f->manager()->debugLog().contains(QStringLiteral("Retry 3 of 3")));
    }

    void abortEndsTheTransferAtOnce()
    {
        Receiver receiver;
        QSignalSpy aborted(f->manager(), &ble::BLERequestManager::requestAborted);
        f->device->setFault({Fault::DroppedReply, 5, true});
        f->manager()->createEepromReadRequest(0, 20000, 37, 37, &receiver, "onDone", "onError", "onProgress", true);
        f->manager()->createEepromReadRequest(0, 100, 37, 37, &receiver, "onDone", "onError", "onProgress", true);
        QTRY_COMPARE(f->device->receivedTelegrams().size(), 5);
        f->service->abortTransfer();
        QCOMPARE(aborted.size(), 1);
        f->device->setFault({});
        ble::ReadActiveBankAddress bank;
        f->manager()->createTelegramRequest(&bank, &receiver, "onOk", "onError", false, true);
        QVERIFY(receiver.waitFor(QStringLiteral("ok")));
        QCOMPARE(receiver.count(QStringLiteral("progress")), 4);
        QCOMPARE(receiver.count(QStringLiteral("done")) + receiver.count(QStringLiteral("error")), 0);
        QCOMPARE(codes(f->device->receivedTelegrams()).mid(5), QList<quint8>{0x10});
    }

    void aLostLinkEndsTheRequests()
    {
        Receiver receiver;
        QSignalSpy aborted(f->manager(), &ble::BLERequestManager::requestAborted);
        QSignalSpy lost(f->service.get(), &ble::BLEService::deviceDisconnected);
        ble::ReadActiveBankAddress bank;
        f->device->setFault({Fault::Disconnect, 4, false});
        f->manager()->createEepromReadRequest(0, 500, 37, 37, &receiver, "onDone", "onError", "onProgress", true);
        f->manager()->createTelegramRequest(&bank, &receiver, "onOk", "onError", false, true);
        QVERIFY(receiver.waitFor(QStringLiteral("error"), 2));
        QCOMPARE(lost.size(), 1);
        QCOMPARE(aborted.size(), 1);
        QCOMPARE(receiver.calls.at(3).response.error(), int(AbstractBLERequest::Disconnected));
        QCOMPARE(receiver.calls.at(4).response.error(), int(AbstractBLERequest::NotConnected));
        QVERIFY(!f->service->connectedDevice());
    }

private:
    std::unique_ptr<BleFixture> f;
};

QTEST_MAIN(TestBLERequestManager)
#include "tst_blerequestmanager.moc"
