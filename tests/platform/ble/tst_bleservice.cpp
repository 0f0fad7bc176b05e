#include "blefixture.h"

#include <ble/bledevicecontainer.h>
#include <ble/blescanmanager.h>
#include <ble/gattlayout.h>
#include <ble/qtbluetoothbackend.h>
#include <devicesim/demonstrationset.h>

#include <QBluetoothAddress>
#include <QBluetoothLocalDevice>

namespace {

QBluetoothDeviceInfo advertised(quint64 address, const QString& name)
{
    QBluetoothDeviceInfo info(QBluetoothAddress(address), name, 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    return info;
}

} // namespace

class TestBLEService : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        devices::DeviceService::m_instance = &catalogue;
        QVERIFY(catalogue.init(QStringLiteral(":/data/devices.json")));
    }

    void withoutAnAdapterNothingStarts()
    {
        if (!QBluetoothLocalDevice::allDevices().isEmpty())
            QSKIP("This machine has a Bluetooth adapter");
        ble::BLEService service;
        service.init();
        QVERIFY(qobject_cast<ble::QtBluetoothBackend*>(service.backend()));
        QCOMPARE(service.backend()->adapterState(), ble::BLEBackend::NoAdapter);

        ble::BLEScanManager* scan = service.scanManager();
        QSignalSpy unsupported(scan, &ble::BLEScanManager::lowEnergyNotSupported);
        QSignalSpy succeeded(scan, &ble::BLEScanManager::scanSucceeded);
        scan->startScan();
        QCOMPARE(unsupported.size(), 1);
        QCOMPARE(succeeded.size(), 1);
        QCOMPARE(succeeded.first().first().toBool(), false);
        QVERIFY(!scan->isScanning());

        QSignalSpy failed(&service, &ble::BLEService::bluetoothError);
        QSignalSpy ready(&service, &ble::BLEService::deviceReady);
        ble::BLEDevice device(advertised(0x020000000001, QStringLiteral("TarvinoRix3_121_1")), QString());
        service.connectToDevice(&device);
        QVERIFY(failed.wait());
        QVERIFY(failed.first().first().toString().contains(QStringLiteral("Kein Bluetooth-Adapter")));
        QVERIFY(ready.isEmpty());
        QVERIFY(!service.connectedDevice());
    }

    void demonstrationModeListsTheSimulatedDevices()
    {
        ble::BLEService service;
        service.setDemoMode(true);
        service.init();
        QVERIFY(qobject_cast<ble::SimulatedBackend*>(service.backend()));
        ble::BLEScanManager* scan = service.scanManager();
        QSignalSpy found(scan, &ble::BLEScanManager::deviceDiscovered);
        QSignalSpy succeeded(scan, &ble::BLEScanManager::scanSucceeded);
        scan->startScan();
        QVERIFY(scan->isScanning());
        QTRY_COMPARE(found.size(), 9);
        QCOMPARE(succeeded.first().first().toBool(), true);

        ble::BLEDeviceContainer listed;
        for (const QList<QVariant>& signal : std::as_const(found)) {
            const auto info = signal.first().value<QBluetoothDeviceInfo>();
            const int ot2 = ble::BLEDevice::parseOt2Number(info.name());
            if (catalogue.exists(ot2))
                listed.addDevice(info, catalogue.deviceNameFromOt2(ot2));
        }
        QCOMPARE(listed.length(), 8);
        const QList<int> models{102, 42, 111, 121, 112, 141, 74, 111};
        const QList<int> connections{1, 0, 1, 1, 1, 1, 0, 1};
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(listed.bleDeviceByIndex(i)->ot2Number(), models.at(i));
            QCOMPARE(listed.bleDeviceByIndex(i)->connectionType(), connections.at(i));
        }
        QVERIFY(catalogue.deviceByOt2Number(111).isAstro());
        QVERIFY(catalogue.deviceByOt2Number(102).hasInternalBleModule());
        QVERIFY(!catalogue.deviceByOt2Number(42).hasInternalBleModule());
        QCOMPARE(listed.index(0).data(ble::BLEDeviceContainer::NameRole).toString(), catalogue.deviceNameFromOt2(102));
        QCOMPARE(listed.index(0).data(ble::BLEDeviceContainer::SerialNumberRole).toString(),
                 QStringLiteral("310200017"));
        scan->stopScan();
        QVERIFY(!scan->isScanning());

        // A demonstration device connects; a name that only advertises does not.
        QSignalSpy ready(&service, &ble::BLEService::deviceReady);
        service.connectToDevice(listed.bleDeviceByIndex(1));
        QVERIFY(ready.wait());
        QCOMPARE(service.connectedDevice()->ot2Number(), 42);
        QCOMPARE(service.connectedDevice()->name(), catalogue.deviceNameFromOt2(42));
        QVERIFY(service.backend()->isAdapterLink());
        QSignalSpy failed(&service, &ble::BLEService::bluetoothError);
        ble::BLEDevice foreign(found.at(8).first().value<QBluetoothDeviceInfo>(), QString());
        QCOMPARE(foreign.advertisedName(), QStringLiteral("TarvinoRix3_99_990000001"));
        service.connectToDevice(&foreign);
        QVERIFY(failed.wait());
        QVERIFY(!service.connectedDevice());
    }

    void theDemonstrationDevicesLetTheUserIn()
    {
        ble::BLEService service;
        service.setDemoMode(true);
        service.init();
        auto* backend = qobject_cast<ble::SimulatedBackend*>(service.backend());
        const QList<devicesim::SimulatedDevice*> devices = backend->devices();
        QSignalSpy ready(&service, &ble::BLEService::deviceReady);
        QSignalSpy asked(&service, &ble::BLEService::authenticationRequested);
        QSignalSpy generated(&service, &ble::BLEService::generatedCodeReceived);
        QSignalSpy pin(&service, &ble::BLEService::pinCodeRequested);

        // The first pairs with its own push button.
        ble::BLEDevice paired(backend->advertisement(devices.at(0)), QString());
        service.connectToDevice(&paired);
        QVERIFY(asked.wait());
        service.authenticateWithPushButton();
        QVERIFY(generated.wait());
        service.generatedCodeRead();
        QCOMPARE(ready.size(), 1);

        // The one with the short code 85 has the documented PIN.
        ble::BLEDevice withPin(backend->advertisement(devices.at(4)), QString());
        QCOMPARE(withPin.ot2Number(), 112);
        service.connectToDevice(&withPin);
        QVERIFY(pin.wait());
        service.unlockWithPinCode(devicesim::DemonstrationSet::Pin);
        QVERIFY(ready.wait());
        QCOMPARE(service.connectedDevice()->serialNumber(), QStringLiteral("211876245"));
    }

    void aSwitchedOffAdapterIsSwitchedOnWhenTheUserAgrees()
    {
        SimulatedLink f(121);
        f.backend->setAdapterState(ble::BLEBackend::PoweredOff);
        ble::BLEScanManager* scan = f.service->scanManager();
        QSignalSpy asked(scan, &ble::BLEScanManager::requestBluetoothActivation);
        QSignalSpy unsupported(scan, &ble::BLEScanManager::lowEnergyNotSupported);
        QSignalSpy succeeded(scan, &ble::BLEScanManager::scanSucceeded);
        QSignalSpy found(scan, &ble::BLEScanManager::deviceDiscovered);
        scan->startScan();
        QCOMPARE(asked.size(), 1);
        QVERIFY(!scan->isScanning());
        QVERIFY(succeeded.isEmpty());

        scan->onBluetoothActivationResponse(false);
        QCOMPARE(succeeded.size(), 1);
        QCOMPARE(succeeded.first().first().toBool(), false);
        QCOMPARE(f.backend->adapterState(), ble::BLEBackend::PoweredOff);

        scan->startScan();
        scan->onBluetoothActivationResponse(true);
        QTRY_VERIFY(scan->isScanning());
        QCOMPARE(f.backend->adapterState(), ble::BLEBackend::Ready);
        QCOMPARE(succeeded.last().first().toBool(), true);
        QVERIFY(found.wait());
        f.service->stopScan();
        QVERIFY(!scan->isScanning());
        QVERIFY(unsupported.isEmpty());

        f.backend->setAdapterState(ble::BLEBackend::NoAdapter);
        scan->startScan();
        QCOMPARE(unsupported.size(), 1);
    }

    void theBackendChangesBetweenConnections()
    {
        ble::BLEService service;
        service.setDemoMode(true);
        service.init();
        ble::BLEBackend* simulated = service.backend();
        QSignalSpy ready(&service, &ble::BLEService::deviceReady);
        auto* backend = qobject_cast<ble::SimulatedBackend*>(simulated);
        // The device behind the adapter asks for nothing.
        ble::BLEDevice device(backend->advertisement(backend->devices().at(1)), QString());
        service.connectToDevice(&device);
        QVERIFY(ready.wait());
        service.setDemoMode(false);
        QCOMPARE(service.backend(), simulated);
        QSignalSpy gone(&service, &ble::BLEService::deviceDisconnected);
        service.disconnectFromDevice();
        QCOMPARE(gone.size(), 1);
        QVERIFY(qobject_cast<ble::QtBluetoothBackend*>(service.backend()));
        service.setDemoMode(true);
        QVERIFY(qobject_cast<ble::SimulatedBackend*>(service.backend()));
    }

    void anIdleLinkEnds()
    {
        SimulatedLink f(121);
        QVERIFY(f.connectDevice());
        QSignalSpy idle(f.service.get(), &ble::BLEService::inactiveForTooLong);
        QSignalSpy gone(f.service.get(), &ble::BLEService::deviceDisconnected);
        QCOMPARE(f.service->inactivityTimeout(), ble::BLEService::DefaultInactivityTimeout);
        f.service->setInactivityTimeout(50);
        QVERIFY(idle.wait());
        QCOMPARE(gone.size(), 1);
        QVERIFY(!f.service->connectedDevice());
    }

    void theListKeepsItsOrderAndForgetsStaleDevices()
    {
        ble::BLEDeviceContainer list;
        QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
        list.addDevice(advertised(1, QStringLiteral("TarvinoRix3_121_1")), QStringLiteral("Hybrid"));
        list.addDevice(advertised(2, QStringLiteral("TarvinoRix2_42_2")), QStringLiteral("Weekly"));
        list.addDevice(advertised(1, QStringLiteral("TarvinoRix3_121_1")), QStringLiteral("Hybrid"));
        QCOMPARE(list.length(), 2);
        QCOMPARE(inserted.size(), 2);
        QCOMPARE(list.roleNames().value(ble::BLEDeviceContainer::NameRole), QByteArray("name"));
        QCOMPARE(list.roleNames().value(ble::BLEDeviceContainer::SerialNumberRole), QByteArray("serialNumber"));
        QVERIFY(!list.bleDeviceByIndex(2));
        QVERIFY(!list.bleDeviceByIndex(-1));
        QVERIFY(!list.index(5).data(ble::BLEDeviceContainer::NameRole).isValid());

        // The second device keeps being seen; the first is not.
        list.setStaleTimeout(100);
        list.startRemoveStaleDevices();
        const auto seeSecond = [&] {
            list.addDevice(advertised(2, QStringLiteral("TarvinoRix2_42_2")), QStringLiteral("Weekly"));
            return list.length();
        };
        QTRY_COMPARE(seeSecond(), 1);
        QCOMPARE(list.bleDeviceByIndex(0)->serialNumber(), QStringLiteral("2"));
        list.stopRemoveStaleDevices();
        QTest::qWait(150);
        QCOMPARE(list.length(), 1);
    }

private:
    devices::DeviceService catalogue;
};

QTEST_MAIN(TestBLEService)
#include "tst_bleservice.moc"
