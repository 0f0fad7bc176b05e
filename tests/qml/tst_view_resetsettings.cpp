#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

#include <ble/bleservice.h>
#include <ble/simulatedbackend.h>
#include <devices/deviceservice.h>
#include <devicesim/simulateddevice.h>

#include "viewharness.h"

// The reset settings pop-up in the program's main window, driven as a user drives it, against a
// simulated time switch in reset mode on the Bluetooth LE layer.

namespace {

using namespace std::chrono_literals;
using devicesim::Fault;

} // namespace

class TestViewResetSettings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_harness = std::make_unique<ViewHarness>();
        QVERIFY(m_harness->loadMain());
    }

    void cleanupTestCase() { m_harness.reset(); }

    void cleanup()
    {
        ble::BLEService::instance().disconnectFromDevice();
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->findPopup(QStringLiteral("resetSettingsPopup")); }));
        for (QObject* popup : m_harness->openPopups())
            QVERIFY(QMetaObject::invokeMethod(popup, "close"));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->openPopups().isEmpty(); }));
    }

    void theDeviceTakesWhatTheUserSets()
    {
        devicesim::SimulatedDevice* device = putOnTheAir(102);
        device->resetSettings().setFormats(0, 0);
        QObject* popup = connectAndWait(device);
        QVERIFY(popup);
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("popupTitle"))), QStringLiteral("Reset-Einstellungen"));
        QVERIFY(m_harness->find(QStringLiteral("resetModeText")));
        QQuickItem* dateFormat = m_harness->find(QStringLiteral("resetDateFormatChoice"));
        QVERIFY(dateFormat);
        QCOMPARE(dateFormat->property("currentIndex").toInt(), 0);
        // The choice as its list hands it over; a click into the list can be taken for a double click.
        QVERIFY(QMetaObject::invokeMethod(dateFormat, "activated", Q_ARG(int, 2)));
        QCOMPARE(dateFormat->property("currentIndex").toInt(), 2);

        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("acceptButton"))));
        QVERIFY(ViewHarness::waitFor([&] { return !device->resetSettings().isInResetMode(); }));
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->findPopup(QStringLiteral("resetSettingsPopup")); }));
        QCOMPARE(device->resetSettings().dateFormat(), 2);
        QCOMPARE(device->resetSettings().timeFormat(), 0);
        // Ready now: the link stays for what the user connected the device for.
        QVERIFY(ble::BLEService::instance().connectedDevice() != nullptr);
    }

    // The rule section offers the model's rules without the own table; a preset rule reaches the
    // device with its days.
    void theRuleSectionWritesThePreset()
    {
        devicesim::SimulatedDevice* device = putOnTheAir(102);
        QObject* popup = connectAndWait(device);
        QVERIFY(popup);
        QVERIFY(m_harness->find(QStringLiteral("resetSoWiSection")));
        QQuickItem* rules = m_harness->findByName(QStringLiteral("soWiRuleChoice"));
        QVERIFY(rules);
        const QStringList list = rules->property("model").toStringList();
        QCOMPARE(list.size(), 9);
        QCOMPARE(list.constLast(), QStringLiteral("Eigene Regel"));
        QVERIFY(!list.contains(QStringLiteral("Eigene Tabelle")));
        QVERIFY(QMetaObject::invokeMethod(rules, "activated", Q_ARG(int, 5)));
        QCOMPARE(rules->property("currentIndex").toInt(), 5);

        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("acceptButton"))));
        QVERIFY(ViewHarness::waitFor([&] { return !device->resetSettings().isInResetMode(); }));
        const devicesim::ResetSettings::SoWiRule held = device->resetSettings().soWiRule();
        QCOMPARE(held.rule, 5);
        // The second Sunday of March at 2:00, the first of November at 2:00.
        QCOMPARE((QList<int>{held.wiSo.week, held.wiSo.month, held.wiSo.weekDay, held.wiSo.hour}), (QList<int>{1, 2, 6, 2}));
        QCOMPARE((QList<int>{held.soWi.week, held.soWi.month, held.soWi.weekDay, held.soWi.hour}), (QList<int>{0, 10, 6, 2}));
    }

    void cancellingDisconnects()
    {
        devicesim::SimulatedDevice* device = putOnTheAir(111);
        QObject* popup = connectAndWait(device);
        QVERIFY(popup);
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("rejectButton"))));
        QVERIFY(ViewHarness::waitFor([] { return ble::BLEService::instance().connectedDevice() == nullptr; }));
        QVERIFY(device->resetSettings().isInResetMode());
    }

    // Astronomic models also set their location: the country list leaves out the favourites,
    // so its entry i is catalogue row i + 1. Other models show no location.
    void theLocationOfAstronomicModels()
    {
        devicesim::SimulatedDevice* plain = putOnTheAir(102);
        QVERIFY(connectAndWait(plain));
        QQuickItem* section = m_harness->findByName(QStringLiteral("resetLocationSection"));
        QVERIFY(!section);
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("rejectButton"))));
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->findPopup(QStringLiteral("resetSettingsPopup")); }));
        QVERIFY(ViewHarness::waitFor([] { return ble::BLEService::instance().connectedDevice() == nullptr; }));

        devicesim::SimulatedDevice* device = putOnTheAir(111);
        QVERIFY(connectAndWait(device));
        QVERIFY(m_harness->findByName(QStringLiteral("resetLocationSection")));
        QVERIFY(!m_harness->findByName(QStringLiteral("editFavouritesButton")));
        QVERIFY(!m_harness->findByName(QStringLiteral("soWiRuleField")));
        QQuickItem* country = m_harness->findByName(QStringLiteral("countryChoice"));
        QVERIFY(country);
        // The choice as its list hands it over; a click into the list can be taken for a double click.
        QVERIFY(QMetaObject::invokeMethod(country, "activated", Q_ARG(int, 14)));
        QVERIFY(ViewHarness::waitFor([country] { return country->property("displayText").toString() == QStringLiteral("Deutschland"); }));
        QQuickItem* city = m_harness->findByName(QStringLiteral("cityChoice"));
        QVERIFY(QMetaObject::invokeMethod(city, "activated", Q_ARG(int, 2)));
        QVERIFY(ViewHarness::waitFor([city] { return city->property("displayText").toString() == QStringLiteral("Munich"); }));

        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("acceptButton"))));
        QVERIFY(ViewHarness::waitFor([&] { return !device->resetSettings().isInResetMode(); }, 20000));
        const devicesim::SimulatedDevice::City stored = device->city();
        QCOMPARE(stored.latitude, 48);
        QCOMPARE(stored.longitude, 11);
        QCOMPARE(stored.timezone, 13);
        QCOMPARE(stored.firstChar, 77);
        QCOMPARE(stored.checksum, 196);
    }

    // A refused write leaves the pop-up open with the reason, ready to be sent again.
    void aRefusedWriteCanBeSentAgain()
    {
        devicesim::SimulatedDevice* device = putOnTheAir(42);
        QObject* popup = connectAndWait(device);
        QVERIFY(popup);
        // Frames: status, three reads, the formats; the rule is refused.
        device->setFault({Fault::ErrorReply, 6, true});
        QQuickItem* accept = m_harness->find(QStringLiteral("acceptButton"));
        QVERIFY(m_harness->click(accept));
        QQuickItem* error = nullptr;
        QVERIFY(ViewHarness::waitFor([&] {
            error = m_harness->findByName(QStringLiteral("resetSettingsError"));
            return error != nullptr;
        }, 20000));
        QVERIFY(ViewHarness::text(error).startsWith(QStringLiteral("Die Einstellungen konnten nicht an das Gerät gesendet werden")));
        QVERIFY(ViewHarness::waitFor([&] { return accept->isEnabled(); }));
        QVERIFY(device->resetSettings().isInResetMode());

        device->setFault({});
        QVERIFY(m_harness->click(accept));
        QVERIFY(ViewHarness::waitFor([&] { return !device->resetSettings().isInResetMode(); }));
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->findPopup(QStringLiteral("resetSettingsPopup")); }));
    }

    // The pop-up goes over the scan's window, where the connection came from.
    void theScanWindowShowsThePopUp()
    {
        devicesim::SimulatedDevice* device = putOnTheAir(102);
        m_harness->evaluate(QStringLiteral("ZorvikUtils.deviceScan.readProject()"));
        auto* scanWindow = qobject_cast<QQuickWindow*>(
            m_harness->evaluate(QStringLiteral("ZorvikUtils.deviceScan.dialog")).value<QObject*>());
        QVERIFY(scanWindow);
        QObject* popup = connectAndWait(device);
        QVERIFY(popup);
        auto* parent = qobject_cast<QQuickItem*>(popup->property("parent").value<QObject*>());
        QVERIFY(parent);
        QCOMPARE(parent->window(), scanWindow);
        QVERIFY(QMetaObject::invokeMethod(popup, "close"));
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->findPopup(QStringLiteral("resetSettingsPopup")); }));
        m_harness->evaluate(QStringLiteral("ZorvikUtils.deviceScan.close()"));
    }

private:
    devicesim::SimulatedDevice* putOnTheAir(int ot2)
    {
        auto simulated = std::make_unique<ble::SimulatedBackend>();
        auto* device = new devicesim::SimulatedDevice(devices::DeviceService::instance().deviceByOt2Number(ot2),
                                                      QStringLiteral("300000001"), simulated.get());
        device->setConnectionInterval(0us);
        device->resetSettings().setResetMode(true);
        simulated->addDevice(device);
        m_backend = simulated.get();
        ble::BLEService::instance().setBackend(std::move(simulated));
        return device;
    }

    // The pop-up once it has read the device.
    QObject* connectAndWait(devicesim::SimulatedDevice* device)
    {
        ble::BLEDevice found(m_backend->advertisement(device), QString());
        ble::BLEService::instance().connectToDevice(&found);
        QObject* popup = nullptr;
        const bool read = ViewHarness::waitFor([&] {
            popup = m_harness->findPopup(QStringLiteral("resetSettingsPopup"));
            QQuickItem* accept = m_harness->findByName(QStringLiteral("acceptButton"));
            return popup && accept && accept->isEnabled();
        }, 20000);
        return read ? popup : nullptr;
    }

    std::unique_ptr<ViewHarness> m_harness;
    ble::SimulatedBackend* m_backend = nullptr;
};

QTEST_MAIN(TestViewResetSettings)
#include "tst_view_resetsettings.moc"
