#include <QSignalSpy>

#include "blefixture.h"

#include "resetteddeviceviewcontroller.h"

#include <countries/countryservice.h>
#include <devicesim/resetsettings.h>

using devicesim::Fault;
using devicesim::ResetSettings;
using devicesim::SimulatedDevice;

namespace {

// Wien's whole degrees, zone and key are those of the device's city.
const char* const Cities = R"([
 {"Name": "Oesterreich", "LenCity": "2", "cities": [
  {"Name": "Graz", "La": "47.07", "Lo": "15.44", "Zo": "13", "Fc": "71", "Cs": "40"},
  {"Name": "Wien", "La": "48.1", "Lo": "16.1", "Zo": "13", "Fc": "87", "Cs": "12"}]}
])";
constexpr int AustriaRow = 1;
constexpr int WienIndex = 1;
const SimulatedDevice::City WienOnTheDevice{48, 16, 13, 87, 12};
const SimulatedDevice::City Nowhere{0, 0, 12, 0xFF, 0xFF};

constexpr int PlainAdapter = 42;
constexpr int PlainModule = 102;
constexpr int AstroAdapter = 51;
constexpr int AstroModule = 111;

QList<quint8> received(const SimulatedDevice* device)
{
    return codes(device->receivedTelegrams());
}

ResetSettings::SoWiRule rule(int type, ResetSettings::Change wiSo, ResetSettings::Change soWi, int customWiSo = 0,
                             int customSoWi = 0)
{
    return {type, wiSo, soWi, customWiSo, customSoWi};
}

} // namespace

Q_DECLARE_METATYPE(ResetSettings::SoWiRule)

// The reset settings of a device in reset mode, read and written through the Bluetooth LE layer
// on the simulated device: 42 and 102 plain (adapter, internal module), 51 and 111 astronomic.
class TestResettedDeviceViewController : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        countries = std::make_unique<countries::CountryService>();
        countries::CountryService::m_instance = countries.get();
        countries->loadCatalogue(Cities);
    }

    void cleanup()
    {
        controller.reset();
        fixture.reset();
        countries::CountryService::m_instance = nullptr;
        countries.reset();
    }

    void readsAndWritesInOrder_data()
    {
        QTest::addColumn<int>("ot2");
        QTest::addColumn<QList<quint8>>("frames");
        const QList<quint8> plain{0x08, 0x2c, 0x2e, 0x22, 0xac, 0xae, 0xa2, 0x88};
        const QList<quint8> astro{0x08, 0x2c, 0x2e, 0x22, 0x32, 0xac, 0xae, 0xa2, 0xb2, 0x88};
        QTest::newRow("plain, adapter") << PlainAdapter << plain;
        QTest::newRow("plain, internal module") << PlainModule << plain;
        QTest::newRow("astronomic, adapter") << AstroAdapter << astro;
        QTest::newRow("astronomic, internal module") << AstroModule << astro;
    }

    void readsAndWritesInOrder()
    {
        QFETCH(int, ot2);
        QFETCH(QList<quint8>, frames);
        start(ot2);
        fixture->device->setCity(WienOnTheDevice);
        QVERIFY(readSettings());
        QVERIFY(sendSettings());
        QCOMPARE(received(fixture->device), frames);
    }

    void readsWhatTheDeviceHolds_data()
    {
        QTest::addColumn<int>("ot2");
        QTest::addColumn<ResetSettings::SoWiRule>("held");
        QTest::addColumn<ResetSettings::SoWiRule>("shown");
        const auto usa = rule(5, {1, 2, 6, 2, {}}, {0, 10, 6, 3, {}});
        QTest::newRow("weekday rule, adapter") << PlainAdapter << usa << usa;
        const auto own = rule(7, {1, 2, 3, 5, QDate(2026, 3, 16)}, {3, 8, 4, 1, {}}, 1, 0);
        // The dates of a weekday rule and the own rule's values are not taken.
        QTest::newRow("own rule, internal clock")
            << PlainModule << own << rule(7, {1, 2, 3, 5, {}}, {3, 8, 4, 1, {}}, 1, 0);
        const auto iran = rule(6, {0, 0, 0, 0, QDate(2026, 3, 21)}, {0, 0, 0, 1, QDate(2026, 9, 22)});
        QTest::newRow("date rule, adapter") << PlainAdapter << iran << rule(6, {0, 0, 0, 0, QDate(2026, 3, 21)},
                                                                            {0, 0, 0, 1, QDate(2026, 9, 22)});
        const auto fixed = rule(8, {0, 0, 0, 4, QDate(2026, 4, 2)}, {0, 0, 0, 6, QDate(2026, 10, 30)});
        QTest::newRow("date rule, internal clock") << PlainModule << fixed << fixed;
    }

    void readsWhatTheDeviceHolds()
    {
        QFETCH(int, ot2);
        QFETCH(ResetSettings::SoWiRule, held);
        QFETCH(ResetSettings::SoWiRule, shown);
        start(ot2);
        fixture->device->resetSettings().setFormats(2, 0);
        fixture->device->resetSettings().setSoWiRule(held);
        fixture->device->setDateTime(QDateTime(QDate(2031, 7, 4), QTime(9, 41, 0), Qt::UTC));
        QVERIFY(readSettings());
        QCOMPARE(controller->dateFormat(), 2);
        QCOMPARE(controller->timeFormat(), 0);
        QCOMPARE(controller->date(), QDate(2031, 7, 4));
        QCOMPARE(controller->time().time().hour(), 9);
        QCOMPARE(formRule(shown.wiSo.date.isValid()), shown);
    }

    // The device holds what the form held, with and without the internal clock.
    void writesWhatTheFormHolds_data()
    {
        QTest::addColumn<int>("ot2");
        QTest::addColumn<ResetSettings::SoWiRule>("form");
        QTest::addColumn<ResetSettings::SoWiRule>("held");
        const auto canada = rule(4, {1, 2, 6, 2, QDate(2027, 1, 1)}, {0, 10, 6, 3, QDate(2027, 2, 2)});
        // Without the internal clock the change back comes an hour after the change forward.
        QTest::newRow("weekday rule, adapter")
            << PlainAdapter << rule(4, {1, 2, 6, 2, QDate(2027, 1, 1)}, {0, 10, 5, 7, {}})
            << rule(4, {1, 2, 6, 2, {}}, {0, 10, 6, 3, {}});
        QTest::newRow("weekday rule, internal clock") << PlainModule << canada << canada;
        const auto fixed = rule(8, {2, 3, 4, 1, QDate(2027, 4, 2)}, {1, 1, 1, 5, QDate(2027, 10, 30)}, 1, 1);
        QTest::newRow("date rule, adapter")
            << PlainAdapter << fixed << rule(8, {0, 0, 0, 1, QDate(2027, 4, 2)}, {0, 0, 0, 2, QDate(2027, 10, 30)});
        QTest::newRow("date rule, internal clock") << PlainModule << fixed << fixed;
        const auto iran = rule(6, {0, 0, 0, 0, QDate(2027, 3, 21)}, {0, 0, 0, 23, QDate(2027, 9, 22)});
        QTest::newRow("Iran, internal clock") << PlainModule << iran << iran;
    }

    void writesWhatTheFormHolds()
    {
        QFETCH(int, ot2);
        QFETCH(ResetSettings::SoWiRule, form);
        QFETCH(ResetSettings::SoWiRule, held);
        start(ot2);
        QVERIFY(readSettings());
        fill(form);
        controller->setDateFormat(0);
        controller->setTimeFormat(1);
        controller->setDate(QDate(2029, 2, 28));
        controller->setTime(QDateTime(QDate(2000, 1, 1), QTime(23, 59, 30), Qt::UTC));
        QVERIFY(sendSettings());
        const ResetSettings& device = fixture->device->resetSettings();
        QCOMPARE(device.soWiRule(), held);
        QCOMPARE(device.dateFormat(), 0);
        QCOMPARE(device.timeFormat(), 1);
        QCOMPARE(fixture->device->dateTime(), QDateTime(QDate(2029, 2, 28), QTime(23, 59, 30), Qt::UTC));
    }

    void matchedCityIsWritten()
    {
        start(AstroModule);
        fixture->device->setCity(WienOnTheDevice);
        QVERIFY(readSettings());
        QCOMPARE(controller->coordinatesController()->country(), AustriaRow);
        QCOMPARE(controller->coordinatesController()->city(), WienIndex);
        // The user picks Graz: its whole degrees and key reach the device.
        controller->coordinatesController()->setCity(0, true);
        QVERIFY(sendSettings());
        QCOMPARE(fixture->device->city(), (SimulatedDevice::City{47, 15, 13, 71, 40}));
    }

    void unmatchedCitySendsNoCity()
    {
        start(AstroAdapter);
        fixture->device->setCity(Nowhere);
        QVERIFY(readSettings());
        QCOMPARE(controller->coordinatesController()->country(), -1);
        QCOMPARE(controller->coordinatesController()->city(), -1);
        QVERIFY(sendSettings());
        QVERIFY(!received(fixture->device).contains(quint8(0xb2)));
        QCOMPARE(fixture->device->city(), Nowhere);
    }

    void anUnknownPlaceIsShownAsTheDeviceHoldsIt()
    {
        start(AstroModule);
        controller->coordinatesController()->setLatitudeLongitude(47.07, 15.44);
        fixture->device->setCity({30, -31, 14, 0xFF, 0xFF});
        QVERIFY(readSettings());
        QCOMPARE(controller->coordinatesController()->city(), -1);
        QCOMPARE(controller->coordinatesController()->latitude(), 30.0);
        QCOMPARE(controller->coordinatesController()->longitude(), -31.0);
        QCOMPARE(controller->coordinatesController()->timezone(), 14);
    }

    void nakAtTheRuleStopsTheChain()
    {
        start(PlainModule);
        QVERIFY(readSettings());
        // Frames: status, three reads, the formats; the rule is the sixth.
        fixture->device->setFault({Fault::Nak, 6, true});
        QSignalSpy ready(fixture->service.get(), &ble::BLEService::deviceReady);
        controller->sendTelegrams();
        QVERIFY(!controller->canSend());
        QTRY_VERIFY(!controller->errorMessage().isEmpty());
        QVERIFY(!controller->isSending());
        QVERIFY(controller->canSend());
        QCOMPARE(ready.count(), 0);
        QVERIFY(!received(fixture->device).contains(quint8(0xa2)));
        QVERIFY(fixture->device->resetSettings().isInResetMode());
        // The user may try again once the device takes frames.
        fixture->device->setFault({});
        QVERIFY(sendSettings());
    }

    void readErrorEndsTheBusyState()
    {
        start(PlainAdapter);
        // The rule's read is refused.
        fixture->device->setFault({Fault::ErrorReply, 3, true});
        controller->init();
        QTRY_VERIFY(!controller->isBusy());
        QVERIFY(!controller->errorMessage().isEmpty());
        QVERIFY(!controller->canSend());
        controller->sendTelegrams();
        QVERIFY(!received(fixture->device).contains(quint8(0xac)));
    }

    void unparsableReplyIsNotTaken()
    {
        start(PlainAdapter);
        fixture->device->resetSettings().setFormats(2, 0);
        // The formats' reply one byte short.
        fixture->device->setFault({Fault::ShortReply, 2, true});
        controller->init();
        QTRY_VERIFY(!controller->isBusy());
        QVERIFY(!controller->errorMessage().isEmpty());
        QCOMPARE(controller->dateFormat(), ResettedDeviceViewController::InitialFormat);
        QVERIFY(!controller->canSend());
    }

    void readyOnlyAfterTheStatusIsAcknowledged()
    {
        start(PlainModule);
        QVERIFY(readSettings());
        QList<bool> stillReset;
        ble::BLEDevice* connected = fixture->service->connectedDevice();
        QSignalSpy ready(fixture->service.get(), &ble::BLEService::deviceReady);
        QObject::connect(fixture->service.get(), &ble::BLEService::deviceReady, fixture->service.get(),
                         [&] { stillReset.append(fixture->device->resetSettings().isInResetMode()); });
        controller->sendTelegrams();
        QTRY_COMPARE(ready.count(), 1);
        QCOMPARE(ready.first().at(0).value<ble::BLEDevice*>(), connected);
        QCOMPARE(stillReset, QList<bool>{false});
        QCOMPARE(received(fixture->device).last(), quint8(0x88));
    }

    // One controller for the program's run: the second device gets nothing the first reported.
    void secondResetSendsNothingOfTheFirst()
    {
        start(AstroModule);
        SimulatedDevice* first = fixture->device;
        first->setCity(WienOnTheDevice);
        first->resetSettings().setFormats(2, 0);
        first->resetSettings().setSoWiRule(rule(8, {0, 0, 0, 4, QDate(2026, 4, 2)}, {0, 0, 0, 6, QDate(2026, 10, 30)}, 1, 1));
        first->setDateTime(QDateTime(QDate(2030, 1, 2), QTime(3, 4, 5), Qt::UTC));
        QVERIFY(readSettings());
        QVERIFY(sendSettings());
        fixture->service->disconnectFromDevice();

        auto* second = new SimulatedDevice(devices::DeviceService::instance().deviceByOt2Number(AstroAdapter),
                                           QStringLiteral("100000002"), fixture->backend);
        second->setConnectionInterval(std::chrono::microseconds(0));
        second->resetSettings().setResetMode(true);
        second->setCity(Nowhere);
        const ResetSettings::SoWiRule secondRule = rule(1, {4, 2, 6, 2, {}}, {4, 9, 6, 3, {}});
        second->resetSettings().setSoWiRule(secondRule);
        fixture->backend->addDevice(second);
        QVERIFY(connectDevice(second));
        QVERIFY(readSettings());
        QCOMPARE(controller->deviceOt2(), AstroAdapter);
        QCOMPARE(controller->dateFormat(), 0);
        QCOMPARE(controller->customWiSo(), 0);
        QCOMPARE(controller->date(), QDate::currentDate());
        QVERIFY(sendSettings());
        QVERIFY(!received(second).contains(quint8(0xb2)));
        QCOMPARE(second->city(), Nowhere);
        QCOMPARE(second->resetSettings().soWiRule(), secondRule);
        QCOMPARE(second->resetSettings().dateFormat(), 0);
        QCOMPARE(second->dateTime().date(), QDate::currentDate());
    }

private:
    void start(int ot2)
    {
        fixture = std::make_unique<BleFixture>(ot2);
        controller = std::make_unique<ResettedDeviceViewController>();
        QVERIFY(controller->isBusy());
        QVERIFY(connectDevice(fixture->device));
    }

    bool connectDevice(SimulatedDevice* device)
    {
        device->resetSettings().setResetMode(true);
        ble::BLEDevice found(fixture->backend->advertisement(device), QString());
        QSignalSpy reset(fixture->service.get(), &ble::BLEService::openResetPopUp);
        fixture->service->connectToDevice(&found);
        return reset.wait();
    }

    bool readSettings()
    {
        controller->init();
        if (!QTest::qWaitFor([&] { return !controller->isBusy(); }))
            return false;
        return controller->errorMessage().isEmpty() && controller->canSend();
    }

    bool sendSettings()
    {
        QSignalSpy ready(fixture->service.get(), &ble::BLEService::deviceReady);
        controller->sendTelegrams();
        if (!QTest::qWaitFor([&] { return ready.count() > 0 || !controller->errorMessage().isEmpty(); }))
            return false;
        return ready.count() == 1 && controller->errorMessage().isEmpty();
    }

    void fill(const ResetSettings::SoWiRule& rule)
    {
        controller->setSoWiRuleType(rule.rule);
        controller->setWiSoWeek(rule.wiSo.week);
        controller->setWiSoMonth(rule.wiSo.month);
        controller->setWiSoWeekDay(rule.wiSo.weekDay);
        controller->setWiSoHour(rule.wiSo.hour);
        controller->setWiSoDate(rule.wiSo.date);
        controller->setSoWiWeek(rule.soWi.week);
        controller->setSoWiMonth(rule.soWi.month);
        controller->setSoWiWeekDay(rule.soWi.weekDay);
        controller->setSoWiHour(rule.soWi.hour);
        controller->setSoWiDate(rule.soWi.date);
        controller->setCustomWiSo(rule.customWiSo);
        controller->setCustomSoWi(rule.customSoWi);
    }

    // The form's rule; its dates only where they count.
    ResetSettings::SoWiRule formRule(bool withDates) const
    {
        const auto date = [&](const QDate& d) { return withDates ? d : QDate(); };
        return {controller->soWiRuleType(),
                {controller->wiSoWeek(), controller->wiSoMonth(), controller->wiSoWeekDay(), controller->wiSoHour(),
                 date(controller->wiSoDate())},
                {controller->soWiWeek(), controller->soWiMonth(), controller->soWiWeekDay(), controller->soWiHour(),
                 date(controller->soWiDate())},
                controller->customWiSo(),
                controller->customSoWi()};
    }

    std::unique_ptr<countries::CountryService> countries;
    std::unique_ptr<BleFixture> fixture;
    std::unique_ptr<ResettedDeviceViewController> controller;
};

QTEST_MAIN(TestResettedDeviceViewController)
#include "tst_resetteddeviceviewcontroller.moc"
