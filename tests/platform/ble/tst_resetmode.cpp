#include "blefixture.h"

#include <ble/statustelegram.h>

using devicesim::Fault;

namespace {

// What the service tells while it connects, recorded from the start.
struct Outcome {
    explicit Outcome(ble::BLEService* service)
        : reset(service, &ble::BLEService::openResetPopUp)
        , ready(service, &ble::BLEService::deviceReady)
        , failed(service, &ble::BLEService::bluetoothError)
        , pin(service, &ble::BLEService::pinCodeRequested)
    {
    }

    QSignalSpy reset, ready, failed, pin;
};

} // namespace

// A device that announces its reset mode: the service reads its transmission status after the
// authentication and asks for the reset settings instead of reporting it ready; the status
// "ready" ends the reset mode. On the simulated device through the Bluetooth LE layer.
class TestResetMode : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { fixture.reset(); }

    void resetDeviceAsksForItsSettings()
    {
        start(102, true);
        Outcome outcome(fixture->service.get());
        connect();
        QVERIFY(outcome.reset.wait());
        QCOMPARE(outcome.ready.count(), 0);
        // Ready for the requests of the reset settings.
        QVERIFY(fixture->service->connectedDevice() != nullptr);
        QCOMPARE(codes(fixture->device->receivedTelegrams()), QList<quint8>{0x08});
    }

    void deviceOutOfResetIsReadyWithoutAsking()
    {
        start(42, false);
        Outcome outcome(fixture->service.get());
        connect();
        QVERIFY(outcome.ready.wait());
        QCOMPARE(outcome.reset.count(), 0);
        QVERIFY(fixture->device->receivedTelegrams().isEmpty());
    }

    // The status is read only once the PIN is given.
    void statusFollowsTheAuthentication()
    {
        start(42, true);
        fixture->device->pairing().setPinCode(1234);
        Outcome outcome(fixture->service.get());
        connect();
        QVERIFY(outcome.pin.wait());
        QCOMPARE(outcome.reset.count(), 0);
        fixture->service->unlockWithPinCode(1234);
        QVERIFY(outcome.reset.wait());
        QCOMPARE(codes(fixture->device->receivedTelegrams()), (QList<quint8>{0x02, 0x86, 0x08}));
    }

    void statusReadyEndsTheResetMode()
    {
        start(102, true);
        Outcome outcome(fixture->service.get());
        connect();
        QVERIFY(outcome.reset.wait());
        ble::StatusTelegram status(ble::StatusTelegram::Ready);
        bool written = false;
        fixture->manager()->createTelegramRequest(&status, [&](bool ok) { written = ok; }, {}, false, true,
                                                  fixture->service.get());
        QTRY_VERIFY(written);
        QVERIFY(!fixture->device->resetSettings().isInResetMode());

        fixture->service->disconnectFromDevice();
        fixture->device->clearReceivedTelegrams();
        Outcome again(fixture->service.get());
        connect();
        QVERIFY(again.ready.wait());
        QCOMPARE(again.reset.count(), 0);
    }

    // Announced but not confirmed (the advertisement was seen before the reset ended): ready.
    void announcedButReadyIsReady()
    {
        start(102, true);
        const ble::BLEDevice seen(fixture->backend->advertisement(fixture->device), QString());
        fixture->device->resetSettings().setResetMode(false);
        Outcome outcome(fixture->service.get());
        fixture->service->connectToDevice(const_cast<ble::BLEDevice*>(&seen));
        QVERIFY(outcome.ready.wait());
        QCOMPARE(outcome.reset.count(), 0);
    }

    void unreadableStatusEndsTheLink()
    {
        start(102, true);
        fixture->device->setFault({Fault::ErrorReply, 1, true});
        Outcome outcome(fixture->service.get());
        connect();
        QVERIFY(outcome.failed.wait());
        QCOMPARE(outcome.reset.count(), 0);
        QCOMPARE(outcome.ready.count(), 0);
        QVERIFY(fixture->service->connectedDevice() == nullptr);
    }

    void writeStatusOtherThanReadyIsRefused()
    {
        start(102, true);
        Outcome outcome(fixture->service.get());
        connect();
        QVERIFY(outcome.reset.wait());
        ble::StatusTelegram status(ble::StatusTelegram::ResetMode);
        int error = 0;
        fixture->manager()->createTelegramRequest(&status, {}, [&](int code, const QByteArray&) { error = code; },
                                                  false, true, fixture->service.get());
        QTRY_VERIFY(error != 0);
        QVERIFY(fixture->device->resetSettings().isInResetMode());
    }

private:
    void start(int ot2, bool resetMode)
    {
        fixture = std::make_unique<BleFixture>(ot2);
        fixture->device->resetSettings().setResetMode(resetMode);
    }

    void connect()
    {
        ble::BLEDevice found(fixture->backend->advertisement(fixture->device), QString());
        fixture->service->connectToDevice(&found);
    }

    std::unique_ptr<BleFixture> fixture;
};

QTEST_MAIN(TestResetMode)
#include "tst_resetmode.moc"
