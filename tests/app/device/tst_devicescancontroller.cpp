#include "blefixture.h"

#include "dataexchangecontroller.h"
#include "devicescancontroller.h"
#include "exportedproject.h"
#include "projectfixture.h"
#include "readprojectowner.h"

#include <ble/bledevicecontainer.h>
#include <ble/blescanmanager.h>
#include <devices/eepromservice.h>

namespace {

QBluetoothDeviceInfo advertised(quint64 address, const QString& name)
{
    QBluetoothDeviceInfo info(QBluetoothAddress(address), name, 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    return info;
}

// The service with simulated devices on the air, in this order: a module device (connection type
// 1), one behind the plug-in adapter, and two names whose models the catalogue does not hold.
struct Air : Catalogue {
    Air()
    {
        service = std::make_unique<ble::BLEService>();
        ble::BLEService::m_instance = service.get();
        auto simulated = std::make_unique<ble::SimulatedBackend>();
        module = add(simulated.get(), 102, QStringLiteral("310200017"));
        adapter = add(simulated.get(), 42, QStringLiteral("204200023"));
        simulated->addForeignName(QStringLiteral("TarvinoRix3_99_990000001"));
        simulated->addForeignName(QStringLiteral("TarvinoRix3_0_990000002"));
        backend = simulated.get();
        service->setBackend(std::move(simulated));
    }

    static devicesim::SimulatedDevice* add(ble::SimulatedBackend* backend, int ot2, const QString& serial)
    {
        auto* device = new devicesim::SimulatedDevice(devices::DeviceService::instance().deviceByOt2Number(ot2),
                                                      serial, backend);
        device->setConnectionInterval(std::chrono::microseconds(0));
        backend->addDevice(device);
        return device;
    }

    std::unique_ptr<ble::BLEService> service;
    ble::SimulatedBackend* backend = nullptr;
    devicesim::SimulatedDevice* module = nullptr;
    devicesim::SimulatedDevice* adapter = nullptr;
};

// Keeps nothing: the hand-over only has to reach it.
struct NoOwner : ReadProjectOwner {
    bool openReadProject(const QString&, const devices::Ot2File&) override { return true; }
};

} // namespace

class TestDeviceScanController : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        air = std::make_unique<Air>();
        devices::EepromService::m_instance = &memory;
    }
    void cleanup()
    {
        air.reset();
        devices::EepromService::m_instance = nullptr;
    }

    void theFirstDeviceFoundIsSelectedOnce()
    {
        DeviceScanController scan;
        QSignalSpy selected(&scan, &DeviceScanController::selectedDeviceChanged);
        QSignalSpy state(&scan, &DeviceScanController::scanStateChanged);
        QSignalSpy succeeded(&scan, &DeviceScanController::scanSucceeded);
        QSignalSpy found(air->service->scanManager(), &ble::BLEScanManager::deviceDiscovered);
        scan.startScan();
        QVERIFY(scan.isScanning());
        QCOMPARE(state.size(), 1);
        QCOMPARE(succeeded.first().first().toBool(), true);
        QTRY_COMPARE(found.size(), 4);
        // The catalogue filter: only the known models, in the order found, with the catalogue's names.
        ble::BLEDeviceContainer* list = scan.deviceContainer();
        QCOMPARE(list->length(), 2);
        QCOMPARE(list->bleDeviceByIndex(0)->ot2Number(), 102);
        QCOMPARE(list->bleDeviceByIndex(1)->ot2Number(), 42);
        QCOMPARE(list->index(1).data(ble::BLEDeviceContainer::NameRole).toString(),
                 devices::DeviceService::instance().deviceNameFromOt2(42));
        QCOMPARE(scan.deviceByIndex(1), list->bleDeviceByIndex(1));
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().first().toInt(), 0);
        QCOMPARE(scan.selectedDeviceIndex(), 0);

        // The view, once built, leaves the choice to the user; devices seen again change nothing.
        scan.onViewCompleted();
        QCOMPARE(scan.selectedDeviceIndex(), -1);
        QTRY_COMPARE_WITH_TIMEOUT(found.size(), 8, 3 * ble::SimulatedBackend::AdvertisingInterval);
        QCOMPARE(list->length(), 2);
        QCOMPARE(selected.size(), 1);
        QCOMPARE(scan.selectedDeviceIndex(), -1);

        scan.abortScan();
        QVERIFY(!scan.isScanning());
        QCOMPARE(state.last().first().toBool(), false);
    }

    void aViewBuiltFirstGetsTheFirstDeviceSelected_data()
    {
        QTest::addColumn<bool>("indexAlreadyZero");
        QTest::newRow("no selection") << false;
        QTest::newRow("index 0") << true;
    }
    void aViewBuiltFirstGetsTheFirstDeviceSelected()
    {
        QFETCH(bool, indexAlreadyZero);
        DeviceScanController scan;
        scan.onViewCompleted();
        if (indexAlreadyZero)
            scan.setSelectedDeviceIndex(0);
        QSignalSpy selected(&scan, &DeviceScanController::selectedDeviceChanged);
        scan.deviceDiscovered(air->backend->advertisement(air->adapter));
        scan.deviceDiscovered(air->backend->advertisement(air->module));
        QCOMPARE(selected.size(), indexAlreadyZero ? 0 : 1);
        QCOMPARE(scan.selectedDeviceIndex(), 0);
        // The selected device is the one found first, and it is the one connected.
        QSignalSpy ready(&scan, &DeviceScanController::deviceReady);
        scan.connectBLEDevice();
        QVERIFY(ready.wait());
        QCOMPARE(ready.first().first().value<ble::BLEDevice*>()->ot2Number(), 42);
    }

    void theSelectionFollowsItsDevice()
    {
        DeviceScanController scan;
        ble::BLEDeviceContainer* list = scan.deviceContainer();
        list->setStaleTimeout(100);
        const QList<QBluetoothDeviceInfo> infos{advertised(1, QStringLiteral("TarvinoRix3_102_1")),
                                                advertised(2, QStringLiteral("TarvinoRix2_42_2")),
                                                advertised(3, QStringLiteral("TarvinoRix3_121_3"))};
        for (const QBluetoothDeviceInfo& info : infos)
            scan.deviceDiscovered(info);
        scan.setSelectedDeviceIndex(2);
        QSignalSpy selected(&scan, &DeviceScanController::selectedDeviceChanged);
        scan.onScanStateChanged(true);

        // The first row goes: the selection moves up with its device.
        const auto seeOnly = [&](QList<int> rows) {
            for (int row : rows)
                scan.deviceDiscovered(infos.at(row));
            return list->length();
        };
        QTRY_COMPARE(seeOnly({1, 2}), 2);
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().first().toInt(), 1);
        QCOMPARE(scan.selectedDeviceIndex(), 1);
        QCOMPARE(scan.deviceByIndex(1)->serialNumber(), QStringLiteral("3"));

        // The selected device goes: nothing is selected, and "Verbinden" connects nothing.
        QTRY_COMPARE(seeOnly({1}), 1);
        QCOMPARE(selected.size(), 2);
        QCOMPARE(selected.last().first().toInt(), -1);
        QCOMPARE(scan.selectedDeviceIndex(), -1);
        scan.onScanStateChanged(false);

        QSignalSpy connecting(air->service.get(), &ble::BLEService::bluetoothError);
        scan.connectBLEDevice();
        QTest::qWait(20);
        QVERIFY(connecting.isEmpty());
        QVERIFY(!air->backend->connectedDevice());
    }

    void aDeviceGoneSinceItWasSelectedIsNotConnected()
    {
        DeviceScanController scan;
        ble::BLEDeviceContainer* list = scan.deviceContainer();
        // Longer than the advertising interval, so a device on the air never goes stale.
        list->setStaleTimeout(3 * ble::SimulatedBackend::AdvertisingInterval / 2);
        scan.deviceDiscovered(air->backend->advertisement(air->module));
        scan.deviceDiscovered(air->backend->advertisement(air->adapter));
        QCOMPARE(scan.selectedDeviceIndex(), 0);
        scan.startScan();
        scan.setSelectedDeviceIndex(1);
        // The adapter device leaves the air.
        delete air->adapter;
        QTRY_VERIFY_WITH_TIMEOUT(list->length() == 1 && scan.selectedDeviceIndex() == -1,
                                 5 * ble::SimulatedBackend::AdvertisingInterval);
        QCOMPARE(list->bleDeviceByIndex(0)->ot2Number(), 102);
        QSignalSpy ready(&scan, &DeviceScanController::deviceReady);
        scan.connectBLEDevice();
        QVERIFY(!scan.isScanning());
        QTest::qWait(20);
        QVERIFY(ready.isEmpty());
        QVERIFY(!air->backend->connectedDevice());
    }

    void nothingSelectedOnlyStopsTheScan()
    {
        DeviceScanController scan;
        scan.startScan();
        QTRY_COMPARE(scan.deviceContainer()->length(), 2);
        scan.onViewCompleted();
        QSignalSpy popup(&scan, &DeviceScanController::showSyncPopup);
        scan.connectBLEDevice();
        QVERIFY(!scan.isScanning());
        QTest::qWait(20);
        QVERIFY(popup.isEmpty());
        QVERIFY(!air->backend->connectedDevice());
        QVERIFY(!air->service->connectedDevice());
    }

    void aConnectionTypeOneDeviceWaitsForTheSyncPopup()
    {
        air->service->setShowSyncPopup(true);
        DeviceScanController scan;
        scan.deviceDiscovered(air->backend->advertisement(air->module));
        scan.deviceDiscovered(air->backend->advertisement(air->adapter));
        QSignalSpy popup(&scan, &DeviceScanController::showSyncPopup);
        QSignalSpy ready(&scan, &DeviceScanController::deviceReady);
        scan.connectBLEDevice();
        QCOMPARE(popup.size(), 1);
        QTest::qWait(20);
        QVERIFY(ready.isEmpty());
        QVERIFY(!air->backend->connectedDevice());

        // The popup clears the flag and connects again.
        air->service->setSyncDateTime(true);
        air->service->setShowSyncPopup(false);
        scan.connectBLEDevice();
        QVERIFY(ready.wait());
        QCOMPARE(popup.size(), 1);
        QTRY_VERIFY(air->module->dateTime().isValid());

        // A device behind the adapter never asks.
        air->service->setShowSyncPopup(true);
        scan.setSelectedDeviceIndex(1);
        scan.connectBLEDevice();
        QVERIFY(ready.wait());
        QCOMPARE(popup.size(), 1);
        QCOMPARE(air->service->connectedDevice()->ot2Number(), 42);
    }

    void theConnectedDeviceIsHandedOver()
    {
        NoOwner owner;
        DeviceScanController scan(&owner);
        scan.deviceDiscovered(air->backend->advertisement(air->adapter));
        QSignalSpy ready(&scan, &DeviceScanController::deviceReady);
        scan.connectBLEDevice();
        QVERIFY(ready.wait());
        // For the direct commands: the service's connected device.
        auto* device = ready.first().first().value<ble::BLEDevice*>();
        QCOMPARE(device, air->service->connectedDevice());
        QCOMPARE(device->ot2Number(), 42);

        // Writing (ProjectExport): the exchange starts at once, under the project's name.
        const devices::Ot2File file = projectfixture::fullProject(air->catalogue.deviceByOt2Number(42));
        ExportedProject project(file);
        project.setProperty("name", QStringLiteral("Garten"));
        std::unique_ptr<DataExchangeController> writer(scan.openExchangeView(&project, device->ot2Number(), true));
        QVERIFY(!writer->parent());
        QCOMPARE(writer->projectName(), QStringLiteral("Garten"));
        QSignalSpy written(writer.get(), &DataExchangeController::writeFinished);
        QVERIFY(written.wait(20000));
        QCOMPARE(written.first().first().toBool(), true);
        QCOMPARE(air->adapter->projectName(), QStringLiteral("Garten"));
        QCOMPARE(air->adapter->activeImage(), memory.projectToBytes(file));

        // Reading (GetData), on a new link.
        QSignalSpy gone(air->service.get(), &ble::BLEService::deviceDisconnected);
        QVERIFY(air->service->connectedDevice() == nullptr || gone.wait());
        scan.connectBLEDevice();
        QVERIFY(ready.wait());
        std::unique_ptr<DataExchangeController> reader(scan.openExchangeView(42));
        QVERIFY(!reader->parent());
        QSignalSpy imported(reader.get(), &DataExchangeController::importFinished);
        QVERIFY(imported.wait(20000));
        QCOMPARE(imported.first().first().toBool(), true);
        QCOMPARE(reader->projectName(), QStringLiteral("Garten"));
    }

    void theDemonstrationNamesAreCatalogueModels()
    {
        DeviceScanController scan;
        QSignalSpy selected(&scan, &DeviceScanController::selectedDeviceChanged);
        scan.discoverDummyDevices();
        ble::BLEDeviceContainer* list = scan.deviceContainer();
        QCOMPARE(list->length(), 1);
        QTRY_COMPARE(list->length(), 3);
        const QList<int> models{121, 112, 141};
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(list->bleDeviceByIndex(row)->ot2Number(), models.at(row));
            QCOMPARE(list->index(row).data(ble::BLEDeviceContainer::NameRole).toString(),
                     devices::DeviceService::instance().deviceNameFromOt2(models.at(row)));
        }
        QCOMPARE(list->bleDeviceByIndex(0)->serialNumber(), QStringLiteral("-17370756"));
        QCOMPARE(selected.size(), 1);
    }

    void lockTexts()
    {
        DeviceScanController scan;
        const QDateTime later = QDateTime::currentDateTimeUtc().addSecs(3725);
        const QString text = scan.lockText(1, later);
        QVERIFY2(text.contains(QStringLiteral(" 1 h 2 min")), qPrintable(text));
        QVERIFY(text.startsWith(QStringLiteral("Das Gerät ist aufgrund eines falschen Verbindungscodes verriegelt")));
        QVERIFY(scan.pinLockText(later).startsWith(QStringLiteral("Das Gerät ist verriegelt, Sie müssen 1 h 2 min")));
        QVERIFY(scan.lockText(2, QDateTime::currentDateTimeUtc().addSecs(-1)).isEmpty());
    }

private:
    std::unique_ptr<Air> air;
    devices::EepromService memory;
};

QTEST_MAIN(TestDeviceScanController)
#include "tst_devicescancontroller.moc"
