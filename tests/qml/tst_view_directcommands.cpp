#include <QApplication>
#include <QColor>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

#include <ble/bleservice.h>
#include <ble/simulatedbackend.h>
#include <devices/deviceservice.h>
#include <devicesim/simulateddevice.h>

#include "maincontroller.h"
#include "viewharness.h"

// The direct commands and the sensor assignment in the program's main window, driven as a
// user drives them, against simulated time switches on the Bluetooth LE layer: 42 (two
// channels, timer and random), 46 (settable time zone) and 74 (twilight, with sensors).

namespace {

const QString MenuEntry = QStringLiteral("Direkte Befehle");
constexpr int DirectCommandScan = 2;

using namespace std::chrono_literals;
using devicesim::ChannelControls;
using devicesim::SensorBank;

// One simulated device on the air, owned by the backend the service holds.
struct Air {
    Air(int ot2, const QString& serial)
    {
        auto simulated = std::make_unique<ble::SimulatedBackend>();
        device = new devicesim::SimulatedDevice(devices::DeviceService::instance().deviceByOt2Number(ot2), serial,
                                                simulated.get());
        device->setConnectionInterval(0us);
        simulated->addDevice(device);
        ble::BLEService::instance().setBackend(std::move(simulated));
    }

    devicesim::SimulatedDevice* device = nullptr;
};

} // namespace

class TestViewDirectCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_harness = std::make_unique<ViewHarness>();
        QVERIFY(m_harness->loadMain());
    }

    void cleanupTestCase() { m_harness.reset(); }

    void init()
    {
        ble::BLEService::instance().setShowSyncPopup(false);
        ble::BLEService::instance().setInactivityTimeout(ble::BLEService::DefaultInactivityTimeout);
        MainController::instance().setDirty(false);
    }

    void cleanup()
    {
        ble::BLEService::instance().disconnectFromDevice();
        evaluate(QStringLiteral("ZorvikUtils.deviceScan.close()"));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().isEmpty(); }));
        for (QObject* popup : m_harness->openPopups())
            QVERIFY(QMetaObject::invokeMethod(popup, "close"));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->openPopups().isEmpty(); }));
    }

    // The menu entry scans; the device connected opens in its own window with its channels.
    void theMenuEntryOpensTheDeviceConnected()
    {
        Air air(42, QStringLiteral("204200023"));
        air.device->channels().setChannel(1, channel(ChannelControls::Permanent, 1));
        air.device->setFirmwareVersion(2, 5);
        air.device->setDateTime(QDateTime(QDate(2024, 5, 17), QTime(13, 45, 30), Qt::UTC));
        QQuickItem* view = openDirectCommands();
        QVERIFY(view);
        const QString name = devices::DeviceService::instance().deviceNameFromOt2(42);
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("directCommandsHeader"))),
                 QStringLiteral("%1 SN: 204200023").arg(name));
        QCOMPARE(view->window()->title(), name);
        QVERIFY(waitForCell(1, 2, QStringLiteral("Dauer")));
        QCOMPARE(cellTexts(0), QStringList({QStringLiteral("C1"), QStringLiteral("Aus"), QStringLiteral("Auto")}));
        QCOMPARE(cellTexts(1), QStringList({QStringLiteral("C2"), QStringLiteral("Ein"), QStringLiteral("Dauer")}));
        // Five columns: the model has no light sensors.
        QVERIFY(!m_harness->find(QStringLiteral("Aktueller Luxwert")));
        QVERIFY(!shown(QStringLiteral("sensorAffectationButton")));
        QVERIFY(waitForText(QStringLiteral("deviceSoftwareVersion"), QStringLiteral("Software Version Gerät: 2.05")));
        // The clock read, in the user's date format.
        QVERIFY(ViewHarness::waitFor([this] { return clockText().startsWith(QStringLiteral("17.05.24 13:45:")); }));
    }

    void theManualCommandsFollowTheChannelsState()
    {
        Air air(42, QStringLiteral("204200023"));
        QVERIFY(openDirectCommands());
        QVERIFY(waitForCell(0, 2, QStringLiteral("Auto")));
        QVERIFY(waitForText(QStringLiteral("permanentOnButtonLabel"), QStringLiteral("Dauer Ein")));
        QVERIFY(m_harness->click(shown(QStringLiteral("permanentOnButton"))));
        QVERIFY(waitForText(QStringLiteral("permanentOnButtonLabel"), QStringLiteral("Dauer Ein stoppen")));
        QCOMPARE(air.device->channels().channel(0).mode, int(ChannelControls::Permanent));
        QVERIFY(waitForText(QStringLiteral("selectedChannelState"), QStringLiteral("Status: Ein")));
        QVERIFY(waitForText(QStringLiteral("selectedChannelMode"), QStringLiteral("Modus: Dauer")));
        // The manual switching and the timer wait while the channel is on permanently.
        QVERIFY(!shown(QStringLiteral("manualButton"))->isEnabled());
        QVERIFY(!shown(QStringLiteral("timerButton"))->isEnabled());
        QVERIFY(m_harness->click(shown(QStringLiteral("permanentOnButton"))));
        QVERIFY(waitForText(QStringLiteral("permanentOnButtonLabel"), QStringLiteral("Dauer Ein")));
        QCOMPARE(air.device->channels().channel(0).mode, int(ChannelControls::Automatic));

        // The second channel in the list is the device's channel 2.
        QVERIFY(pick(shown(QStringLiteral("channelChoice")), 1));
        QVERIFY(m_harness->click(shown(QStringLiteral("manualButton"))));
        QVERIFY(waitForCell(1, 2, QStringLiteral("Handschaltung")));
        QVERIFY(waitForText(QStringLiteral("manualButtonLabel"), QStringLiteral("Handschaltung stoppen")));
        QCOMPARE(air.device->channels().channel(0).mode, int(ChannelControls::Automatic));
        QCOMPARE(cellTexts(0).value(2), QStringLiteral("Auto"));
    }

    void theTimerAndRandomGoToTheSelectedChannel()
    {
        Air air(42, QStringLiteral("204200023"));
        QVERIFY(openDirectCommands());
        QVERIFY(waitForCell(0, 2, QStringLiteral("Auto")));
        QQuickItem* duration = shown(QStringLiteral("timerDuration"))->findChild<QQuickItem*>(QStringLiteral("timeField"));
        QCOMPARE(ViewHarness::text(duration), QStringLiteral("00:01"));
        QVERIFY(enter(duration, QStringLiteral("01:30")));
        QVERIFY(pick(shown(QStringLiteral("timerState")), 1));
        QVERIFY(m_harness->click(shown(QStringLiteral("timerButton"))));
        QVERIFY(ViewHarness::waitFor([&] { return air.device->channels().channel(0).timerStatus == 1; }));
        QCOMPARE(air.device->channels().channel(0).timerDuration, QTime(1, 30));

        QVERIFY(pick(shown(QStringLiteral("randomState")), 2));
        QVERIFY(m_harness->click(shown(QStringLiteral("randomButton"))));
        QVERIFY(ViewHarness::waitFor([&] { return air.device->channels().channel(0).randomStatus == 2; }));
        QCOMPARE(air.device->channels().channel(1).randomStatus, 0);
    }

    // The begin and end show unless the status is "Inaktiv"; the end follows the begin until the
    // user chooses it, and the device gets whole hours.
    void theHolidayProgrammeGoesOut()
    {
        Air air(42, QStringLiteral("204200023"));
        QVERIFY(openDirectCommands());
        QVERIFY(waitForCell(0, 2, QStringLiteral("Auto")));
        QVERIFY(!shown(QStringLiteral("holidayBeginHour")));
        QVERIFY(pick(shown(QStringLiteral("holidayState")), 2));
        QQuickItem* beginHour = shown(QStringLiteral("holidayBeginHour"));
        QVERIFY(beginHour);
        QVERIFY(pick(beginHour, 8));
        QQuickItem* endHour = shown(QStringLiteral("holidayEndHour"));
        QCOMPARE(comboText(endHour), QStringLiteral("09:00"));
        QVERIFY(pick(endHour, 12));
        // On the same day the begin stays an hour before the chosen end.
        QVERIFY(pick(beginHour, 15));
        QCOMPARE(comboText(beginHour), QStringLiteral("11:00"));
        QVERIFY(m_harness->click(shown(QStringLiteral("holidayButton"))));
        QVERIFY(ViewHarness::waitFor([&] { return air.device->channels().channel(0).holidayStatus == 2; }));
        const ChannelControls::Channel holiday = air.device->channels().channel(0);
        QCOMPARE(holiday.holidayBegin.time(), QTime(11, 0));
        QCOMPARE(holiday.holidayEnd.time(), QTime(12, 0));
        QCOMPARE(holiday.holidayBegin.date(), QDate::currentDate());
        QCOMPARE(holiday.holidayEnd.date(), QDate::currentDate());

        QVERIFY(pick(shown(QStringLiteral("holidayState")), 0));
        QVERIFY(ViewHarness::waitFor([this] { return !shown(QStringLiteral("holidayBeginHour")); }));
    }

    void anIndividualTimeSetsTheClock()
    {
        Air air(42, QStringLiteral("204200023"));
        QVERIFY(openDirectCommands());
        QVERIFY(waitForCell(0, 2, QStringLiteral("Auto")));
        QQuickItem* date = shown(QStringLiteral("customDatePicker"))->findChild<QQuickItem*>(QStringLiteral("dateField"));
        QQuickItem* time = shown(QStringLiteral("customTimePicker"))->findChild<QQuickItem*>(QStringLiteral("timeField"));
        QVERIFY(!date->isEnabled());
        QVERIFY(m_harness->click(shown(QStringLiteral("customTimeChoice"))));
        QVERIFY(date->isEnabled());
        QVERIFY(enter(date, QStringLiteral("27.05.24")));
        QVERIFY(enter(time, QStringLiteral("06:45:00")));
        QVERIFY(m_harness->click(shown(QStringLiteral("sendDateButton"))));
        QVERIFY(ViewHarness::waitFor([&] { return air.device->dateTime().date() == QDate(2024, 5, 27); }));
        QCOMPARE(air.device->dateTime().time(), QTime(6, 45));
        QVERIFY(ViewHarness::waitFor([this] { return clockText().startsWith(QStringLiteral("27.05.24 06:45:")); }));
    }

    // Under the radio clock the model with a settable time zone takes only its time zone.
    void theRadioClockLeavesOnlyTheTimeZone()
    {
        Air air(46, QStringLiteral("204600046"));
        air.device->setRadioClock(true, true);
        air.device->setTimezone(13);
        air.device->setDateTime(QDateTime(QDate(2025, 3, 1), QTime(12, 0), Qt::UTC));
        QVERIFY(openDirectCommands());
        QQuickItem* zones = nullptr;
        QVERIFY(ViewHarness::waitFor([&] { return (zones = shown(QStringLiteral("timezoneChoice"))) != nullptr; }));
        QVERIFY(!shown(QStringLiteral("customTimeChoice")));
        // The list fills once the device's time zone is read.
        QVERIFY(ViewHarness::waitFor([&] {
            return zones->property("count").toInt() == 32 && zones->property("currentIndex").toInt() == 13;
        }));
        // The device's 12:00 at UTC +1 is 16:30 at UTC +5.5.
        QCOMPARE(comboText(zones).right(10), QStringLiteral(" (UTC +1h)"));
        QVERIFY(pick(zones, 20));
        QVERIFY(comboText(zones).startsWith(QStringLiteral("16:30:")));
        QVERIFY(comboText(zones).endsWith(QStringLiteral(" (UTC +5.5h)")));
        QVERIFY(m_harness->click(shown(QStringLiteral("sendDateButton"))));
        QVERIFY(ViewHarness::waitFor([&] { return air.device->timezone() == 20; }));
        QCOMPARE(air.device->dateTime().date(), QDate(2025, 3, 1));
    }

    void operatingHoursPastTheIntervalShowRedAndReset()
    {
        Air air(42, QStringLiteral("204200023"));
        air.device->channels().setOperatingHours(0, 1200);
        air.device->channels().setOperatingHours(1, 15);
        air.device->setServiceInterval(0, 1000);
        air.device->setServiceInterval(1, 1000);
        QVERIFY(openDirectCommands());
        QVERIFY(waitForCell(0, 4, QStringLiteral("1000")));
        QCOMPARE(ViewHarness::text(cell(0, 3)), QStringLiteral("1200"));
        QCOMPARE(cellColor(0, 3), QColor(QStringLiteral("#E20014")));
        QVERIFY(cellColor(1, 3) != QColor(QStringLiteral("#E20014")));
        QVERIFY(m_harness->click(shown(QStringLiteral("resetOperatingTimeButton"))));
        QVERIFY(waitForCell(0, 3, QStringLiteral("0")));
        QVERIFY(cellColor(0, 3) != QColor(QStringLiteral("#E20014")));
        QCOMPARE(air.device->channels().operatingHours(1), 15.0);
    }

    // The twilight model shows the lowest lux per channel; its sensors open in a window of their
    // own, where the link waits longer for the user.
    void theSensorsAreAssignedInTheirView()
    {
        Air air(74, QStringLiteral("207400074"));
        air.device->sensors().setSensors({{12, 0x01}, {85, 0x02}, {1400, 0x01}});
        QVERIFY(openDirectCommands());
        QVERIFY(waitForCell(0, 5, QStringLiteral("12 lx")));
        QVERIFY(waitForCell(1, 5, QStringLiteral("85 lx")));
        QVERIFY(m_harness->click(shown(QStringLiteral("sensorAffectationButton"))));
        QQuickItem* table = nullptr;
        QVERIFY(ViewHarness::waitFor([&] { return (table = m_harness->findByName(QStringLiteral("sensorAffectationTable"))) != nullptr; }));
        QCOMPARE(ble::BLEService::instance().inactivityTimeout(), 900000);
        QCOMPARE(table->window()->width(), 768);
        QVERIFY(ViewHarness::waitFor([&] { return rowText(table, 2, QStringLiteral("sensorLux")) == QStringLiteral("1400 lx"); }));
        QCOMPARE(rowText(table, 0, QStringLiteral("sensorName")), QStringLiteral("Sensor 1"));
        QVERIFY(ViewHarness::text(m_harness->find(QStringLiteral("sensorDeviceText"))).endsWith(QStringLiteral(" SN: 207400074")));

        // Sensor 3 serves channel 2 as well: one write with its mask; channel 2 gets its lower lux.
        const int writes = air.device->sensors().assignmentWrites();
        QVERIFY(m_harness->click(rowItem(table, 2, QStringLiteral("sensorChannel1"))));
        QVERIFY(ViewHarness::waitFor([&] { return air.device->sensors().sensors().at(2).mask == 0x03; }));
        QCOMPARE(air.device->sensors().assignmentWrites(), writes + 1);
        QVERIFY(rowItem(table, 2, QStringLiteral("sensorChannel1"))->property("checked").toBool());
        QVERIFY(waitForCell(1, 5, QStringLiteral("85 lx")));

        QVERIFY(m_harness->click(rowItem(table, 0, QStringLiteral("sensorBlinkButton"))));
        QVERIFY(ViewHarness::waitFor([&] { return air.device->sensors().sensors().at(0).blinking; }));
        QVERIFY(rowItem(table, 0, QStringLiteral("sensorBlinkButton"))->property("checked").toBool());

        QQuickWindow* sensorWindow = table->window();
        sensorWindow->close();
        QVERIFY(ViewHarness::waitFor([] { return ble::BLEService::instance().inactivityTimeout() == 90000; }));
    }

    void sensorWarningsArePopUps()
    {
        Air air(74, QStringLiteral("207400074"));
        air.device->sensors().setError(true);
        air.device->sensors().setSensors({{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}});
        QVERIFY(openDirectCommands());
        QObject* error = waitForPopup(QStringLiteral("sensorErrorPopup"));
        QVERIFY(error);
        QCOMPARE(error->property("contentText").toString(), QStringLiteral("Sensorfehler"));
        QObject* tooMany = waitForPopup(QStringLiteral("tooManySensorsPopup"));
        QVERIFY(tooMany);
        QCOMPARE(tooMany->property("contentText").toString(),
                 QStringLiteral("Maximale Anzahl der anschließbaren Lichtsensoren (4) überschritten"));
        QVERIFY(QMetaObject::invokeMethod(tooMany, "close"));
        QVERIFY(error->setProperty("result", true));
        QVERIFY(QMetaObject::invokeMethod(error, "close"));
        QVERIFY(ViewHarness::waitFor([&] { return !air.device->sensors().hasError(); }));
    }

    void aLostConnectionClosesTheView()
    {
        Air air(42, QStringLiteral("204200023"));
        QVERIFY(openDirectCommands());
        QVERIFY(waitForCell(0, 2, QStringLiteral("Auto")));
        ble::BLEService::instance().disconnectFromDevice();
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().isEmpty(); }));
    }

    // An idle link closes the view and offers to connect again, which scans for direct commands.
    void inactivityOffersToReconnect()
    {
        Air air(42, QStringLiteral("204200023"));
        QVERIFY(openDirectCommands());
        QVERIFY(waitForCell(0, 2, QStringLiteral("Auto")));
        ble::BLEService::instance().setInactivityTimeout(300);
        air.device->setFault({devicesim::Fault::DroppedReply, 1, true});
        QObject* inactivity = waitForPopup(QStringLiteral("inactivityPopup"));
        QVERIFY(inactivity);
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->findByName(QStringLiteral("directCommandsView")); }));
        air.device->setFault({});
        ble::BLEService::instance().setInactivityTimeout(ble::BLEService::DefaultInactivityTimeout);
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("reconnectButton"))));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->findByName(QStringLiteral("deviceScanView")) != nullptr; }));
        QCOMPARE(evaluate(QStringLiteral("ZorvikUtils.deviceScan.scanKind")).toInt(), DirectCommandScan);
    }

private:
    static ChannelControls::Channel channel(int mode, int relayState)
    {
        ChannelControls::Channel c;
        c.mode = mode;
        c.relayState = relayState;
        return c;
    }

    QVariant evaluate(const QString& expression) { return m_harness->evaluate(expression); }

    // Chooses the row of a choice list as the user's choice arrives: the list's current row and
    // its activation.
    static bool pick(QQuickItem* box, int row)
    {
        return box && box->setProperty("currentIndex", row) && QMetaObject::invokeMethod(box, "activated", Q_ARG(int, row));
    }

    // Types a text into a field as an entry the user finishes.
    static bool enter(QQuickItem* field, const QString& text)
    {
        return field && field->setProperty("text", text) && QMetaObject::invokeMethod(field, "editingFinished");
    }

    // The item of that name, scrolled into the direct commands' view.
    QQuickItem* shown(const QString& name) const
    {
        QQuickItem* item = m_harness->find(name);
        for (QQuickItem* parent = item ? item->parentItem() : nullptr; parent; parent = parent->parentItem()) {
            if (!parent->inherits("QQuickFlickable"))
                continue;
            auto* content = parent->property("contentItem").value<QQuickItem*>();
            const qreal top = item->mapToItem(content, QPointF(0, 0)).y() - 40;
            const qreal most = parent->property("contentHeight").toReal() - parent->height();
            parent->setProperty("contentY", qBound(0.0, top, qMax(0.0, most)));
            QTest::qWait(50);
            break;
        }
        return item;
    }

    static QString comboText(const QQuickItem* box) { return box->property("displayText").toString(); }

    QString clockText() const
    {
        const QQuickItem* info = m_harness->findByName(QStringLiteral("deviceInfo"));
        return info ? info->property("title").toString() : QString();
    }

    QObject* waitForPopup(const QString& name) const
    {
        QObject* popup = nullptr;
        ViewHarness::waitFor([&] { return (popup = m_harness->findPopup(name)) != nullptr; });
        return popup;
    }

    bool waitForText(const QString& name, const QString& text) const
    {
        return ViewHarness::waitFor([&] { return ViewHarness::text(m_harness->find(name)) == text; });
    }

    // Scans from the menu, connects the first device and waits for its direct commands.
    QQuickItem* openDirectCommands() const
    {
        if (!m_harness->triggerMenuAction(MenuEntry))
            return nullptr;
        QQuickItem* choice = nullptr;
        if (!ViewHarness::waitFor([&] { return (choice = m_harness->find(QStringLiteral("deviceChoice0"))) != nullptr; }))
            return nullptr;
        if (!m_harness->click(choice) || !m_harness->click(m_harness->find(QStringLiteral("scanConnectButton"))))
            return nullptr;
        QQuickItem* view = nullptr;
        ViewHarness::waitFor([&] { return (view = m_harness->findByName(QStringLiteral("directCommandsView"))) != nullptr; });
        return view;
    }

    QQuickItem* cell(int line, int column) const
    {
        return m_harness->findByName(QStringLiteral("channelLine%1Cell%2").arg(line).arg(column));
    }

    QStringList cellTexts(int line) const
    {
        QStringList texts;
        for (int column = 0; column < 3; ++column)
            texts.append(ViewHarness::text(cell(line, column)));
        return texts;
    }

    QColor cellColor(int line, int column) const { return cell(line, column)->property("color").value<QColor>(); }

    bool waitForCell(int line, int column, const QString& text) const
    {
        return ViewHarness::waitFor([&] { return ViewHarness::text(cell(line, column)) == text; });
    }

    QQuickItem* rowItem(QQuickItem*, int row, const QString& name) const
    {
        QQuickItem* sensorRow = m_harness->findByName(QStringLiteral("sensorRow%1").arg(row));
        return sensorRow ? descendant(sensorRow, name) : nullptr;
    }

    // Items a Repeater makes are the row's visual children only.
    static QQuickItem* descendant(QQuickItem* item, const QString& name)
    {
        for (QQuickItem* child : item->childItems()) {
            if (child->objectName() == name)
                return child;
            if (QQuickItem* found = descendant(child, name))
                return found;
        }
        return nullptr;
    }

    QString rowText(QQuickItem* table, int row, const QString& name) const
    {
        return ViewHarness::text(rowItem(table, row, name));
    }

    std::unique_ptr<ViewHarness> m_harness;
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TestViewDirectCommands test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_view_directcommands.moc"
