#include "blefixture.h"

#include <ble/authenticationtelegram.h>
#include <ble/readtelegram.h>
#include <devicesim/pairing.h>
#include <storage/connectioncodeservice.h>
#include <storage/storageservice.h>

#include <QCoreApplication>

using devicesim::Fault;
using devicesim::Pairing;

namespace {

const QString Serial = QStringLiteral("100000001");

// What the service tells while it connects, recorded from the start.
struct Conversation {
    explicit Conversation(ble::BLEService* service)
        : asked(service, &ble::BLEService::authenticationRequested)
        , generated(service, &ble::BLEService::generatedCodeReceived)
        , wrongCode(service, &ble::BLEService::wrongCode)
        , notPressed(service, &ble::BLEService::buttonNotPressed)
        , pin(service, &ble::BLEService::pinCodeRequested)
        , wrongPin(service, &ble::BLEService::wrongPinCode)
        , locked(service, &ble::BLEService::deviceLocked)
        , ready(service, &ble::BLEService::deviceReady)
        , failed(service, &ble::BLEService::bluetoothError)
        , gone(service, &ble::BLEService::deviceDisconnected)
    {
    }

    int lockStatus() const { return locked.last().at(0).toInt(); }
    qint64 lockSeconds() const
    {
        return QDateTime::currentDateTimeUtc().secsTo(locked.last().at(1).toDateTime());
    }

    QSignalSpy asked, generated, wrongCode, notPressed, pin, wrongPin, locked, ready, failed, gone;
};

} // namespace

class TestAuthentication : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("TarvinoAuthenticationTest"));
        storage::StorageService::m_instance = &storage;
        QVERIFY(storage.init());
        storage::ConnectionCodeService::m_instance = &codeStore;
        QVERIFY(codeStore.init());
    }

    void init()
    {
        QVERIFY(codeStore.removeCode(Serial));
        link = std::make_unique<BleFixture>(121);
    }
    void cleanup() { link.reset(); }

    void anOpenDeviceIsReadyAtOnce()
    {
        QVERIFY(link->connectDevice());
        QVERIFY(link->device->receivedTelegrams().isEmpty());
    }

    void pushButtonPairsAndASecondConnectionAsksNothing()
    {
        link->device->pairing().setState(Pairing::Unpaired);
        Conversation talk(link->service.get());
        connect();
        QVERIFY(talk.asked.wait());
        QCOMPARE(talk.asked.first().first().toString(), Serial);

        link->service->authenticateWithPushButton();
        QVERIFY(talk.notPressed.wait());
        QCOMPARE(link->device->pairing().state(), Pairing::Unpaired);

        link->device->pairing().pressButton();
        link->service->authenticateWithPushButton();
        QVERIFY(talk.generated.wait());
        const QString code = talk.generated.first().first().toString();
        QCOMPARE(code.size(), 6);
        QCOMPARE(code.toInt(), link->device->pairing().code());
        QCOMPARE(codeStore.code(Serial), code);
        // Shown once: the link waits until the user has read it.
        QTest::qWait(50);
        QVERIFY(talk.ready.isEmpty());
        link->service->generatedCodeRead();
        QCOMPARE(talk.ready.size(), 1);
        QVERIFY(link->service->connectedDevice());

        link->service->disconnectFromDevice();
        link->device->clearReceivedTelegrams();
        QVERIFY(link->connectDevice());
        QCOMPARE(talk.asked.size(), 1);
        QCOMPARE(codes(link->device->receivedTelegrams()), (QList<quint8>{0x02, 0x84}));
    }

    void aTypedCodeIsKept()
    {
        link->device->pairing().setCode(424242);
        Conversation talk(link->service.get());
        connect();
        QVERIFY(talk.asked.wait());
        link->service->authenticateWithCode(424242);
        QVERIFY(talk.ready.wait());
        QCOMPARE(codeStore.code(Serial), QStringLiteral("424242"));
    }

    void wrongCodesLockTheDevice()
    {
        link->device->pairing().setCode(424242);
        link->device->pairing().setCodeLockTime(std::chrono::seconds(3725));
        Conversation talk(link->service.get());
        connect();
        QVERIFY(talk.asked.wait());

        // More than six digits never reach the device.
        const int frames = int(link->device->receivedTelegrams().size());
        link->service->authenticateWithCode(1000000);
        QCOMPARE(talk.wrongCode.size(), 1);
        QCOMPARE(link->device->receivedTelegrams().size(), frames);

        for (int attempt = 1; attempt < Pairing::MaxWrongCodes; ++attempt) {
            link->service->authenticateWithCode(attempt);
            QVERIFY(talk.wrongCode.wait());
        }
        QVERIFY(talk.locked.isEmpty());
        link->service->authenticateWithCode(Pairing::MaxWrongCodes);
        QVERIFY(talk.locked.wait());
        QCOMPARE(talk.lockStatus(), 1);
        QVERIFY(qAbs(talk.lockSeconds() - 3725) <= 2);
        // The right code does not open a locked device.
        link->service->authenticateWithCode(424242);
        QVERIFY(talk.locked.wait());
        QVERIFY(talk.ready.isEmpty());

        // The next connection learns of the lock before it asks anyone.
        link->service->disconnectFromDevice();
        connect();
        QVERIFY(talk.locked.wait());
        QCOMPARE(talk.lockStatus(), 1);
        QCOMPARE(talk.asked.size(), 1);
    }

    void aRefusedStoredCodeIsForgotten()
    {
        QVERIFY(codeStore.setCode(Serial, QStringLiteral("111111")));
        link->device->pairing().setCode(222222);
        Conversation talk(link->service.get());
        connect();
        QVERIFY(talk.asked.wait());
        QVERIFY(talk.wrongCode.isEmpty());
        QVERIFY(!codeStore.hasCode(Serial));
        QCOMPARE(link->device->pairing().wrongCodes(), 1);
        link->service->authenticateWithCode(222222);
        QVERIFY(talk.ready.wait());
        QCOMPARE(codeStore.code(Serial), QStringLiteral("222222"));
    }

    void aLockedDeviceKeepsTheStoredCode()
    {
        QVERIFY(codeStore.setCode(Serial, QStringLiteral("5")));
        link->device->pairing().setCode(5);
        link->device->pairing().beginSession();
        for (int i = 0; i < Pairing::MaxWrongCodes; ++i)
            link->device->pairing().authenticate(QByteArray::fromHex("0109000000"));
        Conversation talk(link->service.get());
        connect();
        QVERIFY(talk.locked.wait());
        QCOMPARE(talk.lockStatus(), 1);
        QCOMPARE(codeStore.code(Serial), QStringLiteral("5"));
        QCOMPARE(codes(link->device->receivedTelegrams()), QList<quint8>{0x02});
    }

    void pinAndPinLock()
    {
        link->device->pairing().setPinCode(4321);
        link->device->pairing().setPinLockTime(std::chrono::seconds(90));
        Conversation talk(link->service.get());
        connect();
        QVERIFY(talk.pin.wait());
        QVERIFY(talk.asked.isEmpty());
        link->service->unlockWithPinCode(10000);
        QCOMPARE(talk.wrongPin.size(), 1);
        for (int attempt = 1; attempt < Pairing::MaxWrongPins; ++attempt) {
            link->service->unlockWithPinCode(attempt);
            QVERIFY(talk.wrongPin.wait());
        }
        link->service->unlockWithPinCode(Pairing::MaxWrongPins);
        QVERIFY(talk.locked.wait());
        QCOMPARE(talk.lockStatus(), 2);
        QVERIFY(qAbs(talk.lockSeconds() - 90) <= 2);

        link->service->disconnectFromDevice();
        connect();
        QVERIFY(talk.locked.wait());
        QCOMPARE(talk.lockStatus(), 2);
        QVERIFY(talk.ready.isEmpty());
    }

    void theRightPinOpensTheDevice()
    {
        link->device->pairing().setCode(55);
        link->device->pairing().setPinCode(7);
        QVERIFY(codeStore.setCode(Serial, QStringLiteral("55")));
        Conversation talk(link->service.get());
        connect();
        QVERIFY(talk.pin.wait());
        QVERIFY(talk.asked.isEmpty());
        link->service->unlockWithPinCode(7);
        QVERIFY(talk.ready.wait());
        QVERIFY(link->device->pairing().isAuthorised());
    }

    void aFailedExchangeEndsTheLink()
    {
        link->device->pairing().setState(Pairing::Unpaired);
        link->device->setFault({Fault::DroppedReply, 1, true});
        Conversation talk(link->service.get());
        connect();
        QVERIFY(talk.failed.wait());
        QVERIFY(talk.failed.first().first().toString().contains(QStringLiteral("Authentifizierung")));
        QVERIFY(talk.asked.isEmpty());
        QVERIFY(!link->service->connectedDevice());
    }

    void waitingForTheUserIsIdleTime()
    {
        link->device->pairing().setState(Pairing::Unpaired);
        Conversation talk(link->service.get());
        QSignalSpy idle(link->service.get(), &ble::BLEService::inactiveForTooLong);
        connect();
        QVERIFY(talk.asked.wait());
        link->service->setInactivityTimeout(50);
        QVERIFY(idle.wait());
        QCOMPARE(talk.gone.size(), 1);
        // An answer that comes too late finds no link.
        link->service->authenticateWithPushButton();
        QTest::qWait(20);
        QVERIFY(talk.ready.isEmpty());
    }

    void aTypeOneDeviceGetsClockAndLanguage_data()
    {
        QTest::addColumn<bool>("syncDateTime");
        QTest::addColumn<bool>("syncLanguage");
        QTest::newRow("both") << true << true;
        QTest::newRow("clock") << true << false;
        QTest::newRow("language") << false << true;
        QTest::newRow("none") << false << false;
    }

    void aTypeOneDeviceGetsClockAndLanguage()
    {
        QFETCH(bool, syncDateTime);
        QFETCH(bool, syncLanguage);
        link->service->setSyncDateTime(syncDateTime);
        link->service->setSyncLanguage(syncLanguage);
        link->service->setInterfaceLanguage(QStringLiteral("fr"));
        QVERIFY(link->connectDevice());
        // Requests made now go after the synchronisation.
        ble::ReadTelegram name(18, false);
        Receiver receiver;
        link->manager()->createTelegramExtendedRequest(&name, &receiver, "onOk", "onError", false);
        QVERIFY(receiver.waitFor(QStringLiteral("ok")));
        QList<quint8> expected;
        if (syncDateTime)
            expected.append(0xA2);
        if (syncLanguage)
            expected.append(0xC4);
        expected.append(0x12);
        QCOMPARE(codes(link->device->receivedTelegrams()), expected);
        QCOMPARE(link->device->dateTime().isValid(), syncDateTime);
        if (syncDateTime) {
            const QDateTime now = QDateTime::currentDateTime();
            const QDateTime wallClock(now.date(), now.time(), Qt::UTC);
            QVERIFY(qAbs(link->device->dateTime().secsTo(wallClock)) <= 2);
        }
        QCOMPARE(link->device->language(), syncLanguage ? QStringLiteral("fr") : QString());
    }

    void anAdapterDeviceIsNotSynchronised()
    {
        BleFixture adapter(42);
        adapter.service->setSyncDateTime(true);
        adapter.service->setSyncLanguage(true);
        adapter.service->setInterfaceLanguage(QStringLiteral("de"));
        QVERIFY(adapter.connectDevice());
        QTest::qWait(20);
        QVERIFY(adapter.device->receivedTelegrams().isEmpty());
    }

private:
    void connect()
    {
        ble::BLEDevice found(link->backend->advertisement(link->device), QString());
        link->service->connectToDevice(&found);
    }

    storage::StorageService storage;
    storage::ConnectionCodeService codeStore;
    std::unique_ptr<BleFixture> link;
};

QTEST_MAIN(TestAuthentication)
#include "tst_authentication.moc"
