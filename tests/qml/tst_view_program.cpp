#include <QAbstractItemModel>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <memory>

#include <devices/deviceservice.h>

#include "maincontroller.h"
#include "projectcontentcontroller.h"
#include "viewharness.h"

// The program view of the open project on its real controllers: the week grid, its modes, its
// bubble menu and zoom, the signalling note and the memory line.
class TestViewProgram : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ViewHarness> harness;

    static int model(const QString& name) {
        for (const devices::Device& device : devices::DeviceService::instance().devices()) {
            if (device.name() == name)
                return device.ot2Number();
        }
        return -1;
    }
    static MainController& main() { return MainController::instance(); }
    static SwitchTimesViewController* switches() { return main().projectContent()->switchTimesViewController(); }
    static QAbstractItemModel* list() { return switches()->switches(); }

    // A role of a row of the switch list, by its name.
    static QVariant role(int row, const QByteArray& name) {
        QAbstractItemModel* model = list();
        return model->data(model->index(row, 0), model->roleNames().key(name));
    }
    static int rowWithDays(int days) {
        for (int row = 0; row < list()->rowCount(); ++row) {
            if (role(row, "startDays").toInt() == days)
                return row;
        }
        return -1;
    }
    static QDateTime at(int hour, int minute) { return QDateTime(QDate(2026, 3, 29), QTime(hour, minute), Qt::UTC); }

    // Opens a new project of the model in the project view and returns its grid.
    QQuickItem* openProgram(const QString& device) {
        if (!main().createProject(model(device), QStringLiteral("Programm")) || !main().openCurrentProject())
            return nullptr;
        if (!harness->load(QStringLiteral("app/views/ProjectContentView.qml"),
                           {{QStringLiteral("viewController"), QVariant::fromValue(main().projectContent())}}))
            return nullptr;
        QQuickItem* grid = harness->findByName(QStringLiteral("switchGrid"));
        if (!grid || !ViewHarness::waitFor([grid] { return grid->width() > 0 && grid->height() > 0; }))
            return nullptr;
        return grid;
    }

    // The point of the grid at the row's middle and the minute of the day (the whole day shown).
    static QPointF cell(QQuickItem* grid, int row, int minute) {
        const double rowHeight = grid->height() / grid->property("rows").toInt();
        return {minute / 1440.0 * grid->width() + 1, (row + 0.5) * rowHeight};
    }
    void drag(QQuickItem* grid, QPointF from, QPointF to) {
        QQuickWindow* window = grid->window();
        const QPoint start = grid->mapToScene(from).toPoint();
        const QPoint end = grid->mapToScene(to).toPoint();
        QTest::mousePress(window, Qt::LeftButton, {}, start);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(window, start + (end - start) * step / 4);
        QTest::mouseRelease(window, Qt::LeftButton, {}, end);
    }
    void clickMode(int mode) { QVERIFY(harness->click(harness->findByName(QStringLiteral("gridMode_%1").arg(mode)))); }

private slots:
    void initTestCase() { harness = std::make_unique<ViewHarness>(); }
    void cleanupTestCase() { harness.reset(); }
    void cleanup() { main().closeProject(); }

    // Drawn with the "Ein" mode over Monday to Wednesday at 08:00: one switch time on three days.
    void dragInTheGridCreates() {
        QQuickItem* grid = openProgram(QStringLiteral("Tarvino Rix3 Weekly 2"));
        QVERIFY(grid);
        clickMode(1);
        drag(grid, cell(grid, 0, 8 * 60), cell(grid, 2, 8 * 60));
        QCOMPARE(list()->rowCount(), 1);
        QCOMPARE(role(0, "type").toInt(), 0);
        QCOMPARE(role(0, "state").toInt(), 1);
        QCOMPARE(role(0, "startDays").toInt(), 128 | 64 | 32);
        QCOMPARE(role(0, "startTime").toDateTime().time().hour(), 8);
    }

    // Selected on Monday and copied, pasted on Wednesday through the bubble menu.
    void copyAndPasteThroughTheBubbleMenu() {
        QQuickItem* grid = openProgram(QStringLiteral("Tarvino Rix3 Weekly 2"));
        QVERIFY(grid);
        switches()->createFromTable(0, 1, 128, -1, at(8, 0), {}, {}, {});
        clickMode(0);
        drag(grid, cell(grid, 0, 7 * 60), cell(grid, 0, 9 * 60));
        QVERIFY(harness->findPopup(QStringLiteral("gridBubbleMenu")));
        QVERIFY(!harness->findByName(QStringLiteral("bubblePaste"))->isEnabled());
        QVERIFY(harness->click(harness->findByName(QStringLiteral("bubbleCopy"))));
        QVERIFY(ViewHarness::waitFor([this] { return !harness->findPopup(QStringLiteral("gridBubbleMenu")); }));

        QVERIFY(harness->clickAt(grid, cell(grid, 2, 7 * 60)));
        QVERIFY(harness->findPopup(QStringLiteral("gridBubbleMenu")));
        QQuickItem* paste = harness->findByName(QStringLiteral("bubblePaste"));
        QVERIFY(ViewHarness::waitFor([paste] { return paste->isEnabled(); }));
        QVERIFY(harness->click(paste));
        QCOMPARE(list()->rowCount(), 2);
        const int pasted = rowWithDays(32);
        QVERIFY(pasted >= 0);
        QCOMPARE(role(pasted, "state").toInt(), 1);
        QCOMPARE(role(pasted, "startTime").toDateTime().time(), QTime(8, 0));
    }

    // A plain switch document is no fixed switch: an astro channel offers no paste for it.
    void astroChannelRefusesAPlainDocument() {
        QQuickItem* grid = openProgram(QStringLiteral("Tarvino Rix3 Hybrid 4"));
        QVERIFY(grid);
        switches()->createFromTable(0, 1, 128, -1, at(8, 0), {}, {}, {});
        drag(grid, cell(grid, 0, 7 * 60), cell(grid, 0, 9 * 60));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("bubbleCopy"))));
        main().projectContent()->setChannelType(1, 1);
        main().projectContent()->setSelectedChannel(1);
        QCOMPARE(ViewHarness::text(harness->findByName(QStringLiteral("gridMode_1"))), QStringLiteral("Fix Ein"));
        QVERIFY(!harness->findByName(QStringLiteral("gridMode_3")));
        QVERIFY(harness->clickAt(grid, cell(grid, 2, 7 * 60)));
        QVERIFY(harness->findPopup(QStringLiteral("gridBubbleMenu")));
        QVERIFY(!harness->findByName(QStringLiteral("bubblePaste"))->isEnabled());
    }

    void zoomSteps() {
        QQuickItem* grid = openProgram(QStringLiteral("Tarvino Rix3 Weekly 2"));
        QVERIFY(grid);
        QCOMPARE(grid->property("steps").toInt(), 60);
        QCOMPARE(grid->property("visibleSteps").toInt(), 24);
        QQuickItem* zoomIn = harness->findByName(QStringLiteral("zoomInButton"));
        QQuickItem* label = harness->findByName(QStringLiteral("zoomLabel"));
        QCOMPARE(ViewHarness::text(label), QStringLiteral("24 h"));
        const QList<std::tuple<int, int, QString>> expected{
            {30, 24, QStringLiteral("12 h")}, {15, 24, QStringLiteral("6 h")}, {5, 24, QStringLiteral("2 h")},
            {1, 30, QStringLiteral("30 min")}};
        for (const auto& [steps, visible, text] : expected) {
            QVERIFY(harness->click(zoomIn));
            QCOMPARE(grid->property("steps").toInt(), steps);
            QCOMPARE(grid->property("visibleSteps").toInt(), visible);
            QCOMPARE(ViewHarness::text(label), text);
        }
        QVERIFY(!zoomIn->isEnabled());
        QVERIFY(harness->click(harness->findByName(QStringLiteral("zoomOutButton"))));
        QCOMPARE(grid->property("steps").toInt(), 5);
    }

    // The channel that another one signals on shows the note instead of the grid.
    void signallingChannelShowsNoGrid() {
        QQuickItem* grid = openProgram(QStringLiteral("Tarvino Rix3 Weekly 2"));
        QVERIFY(grid);
        main().projectContent()->setSignaling(2);
        QVERIFY(grid->isVisible());
        main().projectContent()->setSelectedChannel(1);
        QVERIFY(ViewHarness::waitFor([grid] { return !grid->isVisible(); }));
        QVERIFY(harness->findByName(QStringLiteral("signalingNote")));
        QCOMPARE(ViewHarness::text(harness->findByName(QStringLiteral("signalingNote"))), QStringLiteral("Signalisierung"));
    }

    // Picks an entry of a combo box as its pop-up does: the box opens, the entry is activated.
    bool choose(const QString& name, const QString& entry) {
        QQuickItem* box = harness->findByName(name);
        if (!box || !harness->click(box))
            return false;
        int index = -1;
        QMetaObject::invokeMethod(box, "find", Q_RETURN_ARG(int, index), Q_ARG(QString, entry));
        if (index < 0)
            return false;
        QMetaObject::invokeMethod(box->property("popup").value<QObject*>(), "close");
        return QMetaObject::invokeMethod(box, "activated", Q_ARG(int, index));
    }

    void footerCreates() {
        QVERIFY(openProgram(QStringLiteral("Tarvino Rix3 Weekly 2")));
        QVERIFY(choose(QStringLiteral("newSwitchTime"), QStringLiteral("Impuls")));
        QCOMPARE(list()->rowCount(), 1);
        QCOMPARE(role(0, "type").toInt(), 1);
        QCOMPARE(role(0, "state").toInt(), 1);
        QCOMPARE(role(0, "startDays").toInt(), 0);
        QVERIFY(harness->findByName(QStringLiteral("switchRow_0")));
        QCOMPARE(ViewHarness::text(harness->findByName(QStringLiteral("newSwitchTime"))), QString());
        QCOMPARE(harness->findByName(QStringLiteral("newSwitchTime"))->property("displayText").toString(),
                 QStringLiteral("Neu"));
    }

    void astroFooterOffersFixedSwitchesOnly() {
        QVERIFY(openProgram(QStringLiteral("Tarvino Rix3 Hybrid 4")));
        main().projectContent()->setChannelType(0, 1);
        QVERIFY(harness->click(harness->findByName(QStringLiteral("newSwitchTime"))));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findByText(QStringLiteral("Fix Ein")); }));
        QVERIFY(!harness->findByText(QStringLiteral("Schaltzeit")));
        QVERIFY(harness->click(harness->findByText(QStringLiteral("Fix Ein"))));
        QCOMPARE(role(0, "type").toInt(), 3);
        QCOMPARE(role(0, "state").toInt(), 3);
    }

    // Each column of a row writes its role.
    void tableRowEdits() {
        QVERIFY(openProgram(QStringLiteral("Tarvino Rix3 Weekly 2")));
        switches()->createFromTable(0, 0, 128, -1, at(8, 0), {}, {}, {});
        QVERIFY(ViewHarness::waitFor([this] { return harness->findByName(QStringLiteral("stateSwitch_0")); }));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("stateSwitch_0"))));
        QCOMPARE(role(0, "state").toInt(), 1);
        QVERIFY(harness->click(harness->findByName(QStringLiteral("startDay_2"))));
        QCOMPARE(role(0, "startDays").toInt(), 128 | 32);
        QVERIFY(harness->click(harness->findByName(QStringLiteral("startDay_0"))));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("startDay_2"))));
        QCOMPARE(role(0, "startDays").toInt(), 0);

        QQuickItem* start = harness->findByName(QStringLiteral("startTime_0"));
        QVERIFY(harness->click(start));
        start->setProperty("cursorPosition", 0);
        QVERIFY(harness->typeText(start, QStringLiteral("0930")));
        QCOMPARE(role(0, "startTime").toDateTime().time(), QTime(9, 30));

        QVERIFY(choose(QStringLiteral("typeBox_0"), QStringLiteral("Zyklus")));
        QCOMPARE(role(0, "type").toInt(), 2);
        QVERIFY(harness->click(harness->findByName(QStringLiteral("startDay_1"))));
        QCOMPARE(role(0, "startDays").toInt(), 64);
        QVERIFY(choose(QStringLiteral("endlessBox_0"), QStringLiteral("Endlos")));
        QCOMPARE(role(0, "endDay").toInt(), 7);
        QVERIFY(role(0, "endless").toBool());
        QVERIFY(!harness->findByName(QStringLiteral("endTime_0"))->isEnabled());
        QVERIFY(choose(QStringLiteral("endlessBox_0"), QStringLiteral("Ende")));
        QCOMPARE(role(0, "endDay").toInt(), 2);

        QQuickItem* pulse = harness->findByName(QStringLiteral("cyclePulse_0"));
        QVERIFY(harness->click(pulse));
        pulse->setProperty("cursorPosition", 0);
        QVERIFY(harness->typeText(pulse, QStringLiteral("170105")));
        QCOMPARE(role(0, "pulsTime").toDateTime().time(), QTime(17, 1, 5));
        // Hours above 17 are cut.
        pulse->setProperty("cursorPosition", 0);
        QVERIFY(harness->typeText(pulse, QStringLiteral("2")));
        QCOMPARE(role(0, "pulsTime").toDateTime().time(), QTime(17, 1, 5));
    }

    void memoryLineTurnsRedAboveTheMaximum() {
        QVERIFY(openProgram(QStringLiteral("Tarvino Rix3 Weekly 2")));
        QQuickItem* line = harness->findByName(QStringLiteral("memoryLine"));
        QCOMPARE(ViewHarness::text(line), QStringLiteral("Speicherplätze: 0/800"));
        const int maximum = main().currentProject()->maxMemory();
        for (int n = 0; n < maximum; ++n)
            switches()->createFromTable(0, 1, 128, -1, at(n / 60 % 24, n % 60), {}, {}, {});
        QCOMPARE(ViewHarness::text(line), QStringLiteral("Speicherplätze: 800/800"));
        QCOMPARE(line->property("color").value<QColor>(), QColor("#144A81"));
        switches()->createFromTable(0, 1, 64, -1, at(8, 0), {}, {}, {});
        QCOMPARE(ViewHarness::text(line), QStringLiteral("Speicherplätze: 801/800"));
        QCOMPARE(line->property("color").value<QColor>(), QColor("#E20014"));
    }

    // In the program's window: the Bearbeiten menu and its keys on the table's history.
    void undoAndRedo() {
        QVERIFY(harness->loadMain());
        QVERIFY(main().createProject(model(QStringLiteral("Tarvino Rix3 Weekly 2")), QStringLiteral("Verlauf")));
        harness->evaluate(QStringLiteral("ViewLoader.openView(View.ProjectContentView, {}, true)"));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findByName(QStringLiteral("newSwitchTime")); }));
        switches()->createFromTable(0, 1, 128, -1, at(8, 0), {}, {}, {});
        QCOMPARE(list()->rowCount(), 1);
        QVERIFY(harness->triggerMenuAction(QStringLiteral("Rückgängig")));
        QCOMPARE(list()->rowCount(), 0);
        QVERIFY(!harness->triggerMenuAction(QStringLiteral("Rückgängig")));
        QVERIFY(harness->triggerMenuAction(QStringLiteral("Wiederherstellen")));
        QCOMPARE(list()->rowCount(), 1);
        harness->key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(ViewHarness::waitFor([] { return list()->rowCount() == 0; }));
        harness->key(Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(ViewHarness::waitFor([] { return list()->rowCount() == 1; }));
    }
};

QTEST_MAIN(TestViewProgram)
#include "tst_view_program.moc"
