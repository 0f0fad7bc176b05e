#include <QAbstractItemModel>
#include <QClipboard>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <memory>


#include "maincontroller.h"
#include "projectcontroller.h"
#include "projectcontentcontroller.h"
#include "viewfixture.h"

// The program view of the open project on its real controllers: the week grid, its modes, its
// bubble menu and zoom, the signalling note and the memory line.
class TestViewProgram : public ViewFixture {
    Q_OBJECT

private:
    bool mainLoaded = false;

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
    void clickMode(int mode) { QVERIFY(harness->click(harness->findByName(QStringLiteral("gridMode_%1").arg(mode)))); }

    // Opens a new project of the model without a view; the view controllers are made.
    static bool openProject(const QString& device) {
        return main().createProject(model(device), QStringLiteral("Programm")) && main().openCurrentProject();
    }
    // The edit page on its own, for a row of the list or a new switch time (-1).
    QQuickItem* openEditor(int index, bool astroMode = false) {
        QObject* page = harness->load(QStringLiteral("app/views/SwitchTimeEditionView.qml"),
                                      {{QStringLiteral("viewController"), QVariant::fromValue(switches())},
                                       {QStringLiteral("index"), index},
                                       {QStringLiteral("astroMode"), astroMode},
                                       {QStringLiteral("hasImpuls"), main().currentProject()->hasImpuls()},
                                       {QStringLiteral("hasZyclus"), main().currentProject()->hasZyclus()}});
        return qobject_cast<QQuickItem*>(page);
    }
    QQuickItem* saveButton() const { return item(QStringLiteral("editionSave")); }
    // The narrow list on its own.
    QQuickItem* openList() {
        return qobject_cast<QQuickItem*>(harness->load(QStringLiteral("app/switchtimes/ProgramViewList.qml"),
                                                       {{QStringLiteral("viewController"), QVariant::fromValue(switches())}}));
    }
    // The program's window, loaded once for the tests that need its stack and menus (they come
    // last: the window stays).
    bool openInMainWindow(const QString& device, const QString& name) {
        // The views loaded on their own before leave the harness's window.
        harness->loadData("import QtQuick\nItem {}");
        harness->window()->hide();
        if (!mainLoaded && !harness->loadMain())
            return false;
        mainLoaded = true;
        if (!main().createProject(model(device), name))
            return false;
        // The project view of an earlier project would only be brought back.
        harness->evaluate(QStringLiteral("ViewLoader.stack.clear()"));
        harness->evaluate(QStringLiteral("ViewLoader.openView(View.ProjectContentView, {}, true)"));
        return ViewHarness::waitFor([this] { return item(QStringLiteral("programGrid")) || item(QStringLiteral("programList")); })
               && settled();
    }

private slots:
    void initTestCase() { harness = std::make_unique<ViewHarness>(); }
    void cleanupTestCase() { harness.reset(); }
    void cleanup() {
        harness->setPhoneLayout(false);
        main().closeProject();
    }

    // Drawn with the "Ein" mode over Monday to Wednesday at 08:00: one switch time on three days.
    void dragInTheGridCreates() {
        QQuickItem* grid = openProgram(QStringLiteral("Tarvino Rix3 Weekly 2"));
        QVERIFY(grid);
        clickMode(1);
        ViewHarness::drag(grid, cell(grid, 0, 8 * 60), cell(grid, 2, 8 * 60));
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
        ViewHarness::drag(grid, cell(grid, 0, 7 * 60), cell(grid, 0, 9 * 60));
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
        ViewHarness::drag(grid, cell(grid, 0, 7 * 60), cell(grid, 0, 9 * 60));
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

    // A row is tall enough for what it shows: a fixed or cycle row stacks its start and end
    // times, and neither may reach into the next row.
    void rowsHoldTheirControls_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<int>("channelType");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("state");
        QTest::newRow("switch time") << QStringLiteral("Tarvino Rix3 Weekly 2") << 0 << 0 << 1;
        QTest::newRow("cycle") << QStringLiteral("Tarvino Rix3 Weekly 2") << 0 << 2 << 1;
        QTest::newRow("fixed on") << QStringLiteral("Tarvino Rix3 Hybrid 4") << 1 << 3 << 3;
    }

    void rowsHoldTheirControls() {
        QFETCH(QString, device);
        QFETCH(int, channelType);
        QFETCH(int, type);
        QFETCH(int, state);
        QVERIFY(openProgram(device));
        main().projectContent()->setChannelType(0, channelType);
        switches()->createFromTable(type, state, 128, 1, at(8, 0), at(9, 0), {}, {});
        QVERIFY(ViewHarness::waitFor([this] { return harness->findByName(QStringLiteral("switchRow_0")); }));
        QQuickItem* row = harness->findByName(QStringLiteral("switchRow_0"));
        const QRectF bounds = row->mapRectToScene(QRectF(0, 0, row->width(), row->height()));
        for (const QString& name : {QStringLiteral("startTime_0"), QStringLiteral("endTime_0"), QStringLiteral("weekdays_0")}) {
            QQuickItem* control = harness->findByName(name);
            if (!control || !control->isVisible())
                continue;
            const QRectF area = control->mapRectToScene(QRectF(0, 0, control->width(), control->height()));
            QVERIFY2(bounds.contains(area), qPrintable(name));
        }
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

    // A new switch time is saved only with a weekday; a listed one without any is removed.
    void editorSavesWithWeekdaysOnly() {
        QVERIFY(openProject(QStringLiteral("Tarvino Rix3 Weekly 2")));
        QVERIFY(openEditor(-1));
        QCOMPARE(ViewHarness::text(saveButton()), QStringLiteral("OK"));
        QVERIFY(!saveButton()->isEnabled());
        QVERIFY(clickOn(QStringLiteral("kind_0_1")));
        QVERIFY(clickOn(QStringLiteral("startDay_4")));
        QVERIFY(typeTime(QStringLiteral("startTime"), QStringLiteral("0715")));
        QVERIFY(saveButton()->isEnabled());
        QVERIFY(harness->click(saveButton()));
        QCOMPARE(list()->rowCount(), 1);
        QCOMPARE(role(0, "type").toInt(), 0);
        QCOMPARE(role(0, "state").toInt(), 1);
        QCOMPARE(role(0, "startDays").toInt(), 8);
        QCOMPARE(role(0, "startTime").toDateTime().time(), QTime(7, 15));

        QVERIFY(openEditor(0));
        QCOMPARE(textOf(QStringLiteral("startTime")), QStringLiteral("07:15"));
        QVERIFY(clickOn(QStringLiteral("startDay_4")));
        QCOMPARE(ViewHarness::text(saveButton()), QStringLiteral("Entfernen"));
        QVERIFY(saveButton()->isEnabled());
        QVERIFY(harness->click(saveButton()));
        QCOMPARE(list()->rowCount(), 0);
    }

    // Each missing part of an impulse or a cycle names itself and keeps "OK" disabled.
    void editorNamesWhatIsMissing() {
        QVERIFY(openProject(QStringLiteral("Tarvino Rix3 Weekly 2")));
        QVERIFY(openEditor(-1));
        QVERIFY(clickOn(QStringLiteral("startDay_0")));
        QVERIFY(!item(QStringLiteral("editionError")));
        QVERIFY(clickOn(QStringLiteral("kind_1_1")));
        QCOMPARE(textOf(QStringLiteral("editionError")), QStringLiteral("Fehler: Impulsdauer fehlt"));
        QVERIFY(!saveButton()->isEnabled());
        QVERIFY(typeTime(QStringLiteral("pulsTime"), QStringLiteral("0030")));
        QVERIFY(!item(QStringLiteral("editionError")));
        QVERIFY(saveButton()->isEnabled());

        // The impulse's 30 seconds stay the cycle's pulse.
        QVERIFY(clickOn(QStringLiteral("kind_2_0")));
        QCOMPARE(textOf(QStringLiteral("editionError")), QStringLiteral("Fehler: Zykluspause fehlt"));
        QVERIFY(typeTime(QStringLiteral("pulsTime"), QStringLiteral("000000")));
        QCOMPARE(textOf(QStringLiteral("editionError")), QStringLiteral("Fehler: Zykluspuls fehlt"));
        QVERIFY(!saveButton()->isEnabled());
        QVERIFY(typeTime(QStringLiteral("pulsTime"), QStringLiteral("000100")));
        QVERIFY(typeTime(QStringLiteral("pauseTime"), QStringLiteral("000200")));
        QVERIFY(!item(QStringLiteral("editionError")));
        QVERIFY(saveButton()->isEnabled());
    }

    // A cycle that is no longer endless and has no start day has no last day.
    void editorAsksForTheLastDayOfACycle() {
        QVERIFY(openProject(QStringLiteral("Tarvino Rix3 Weekly 2")));
        QVERIFY(openEditor(-1));
        QVERIFY(clickOn(QStringLiteral("kind_2_0")));
        QCOMPARE(textOf(QStringLiteral("editionError")), QStringLiteral("Fehler: Zykluspuls fehlt"));
        QVERIFY(typeTime(QStringLiteral("pulsTime"), QStringLiteral("000100")));
        QVERIFY(typeTime(QStringLiteral("pauseTime"), QStringLiteral("000200")));
        QVERIFY(!item(QStringLiteral("editionError")));
        QVERIFY(clickOn(QStringLiteral("endlessSwitch")));
        QVERIFY(!item(QStringLiteral("cycleEndRow")));
        QVERIFY(clickOn(QStringLiteral("endlessSwitch")));
        QVERIFY(item(QStringLiteral("cycleEndRow")));
        QCOMPARE(textOf(QStringLiteral("editionError")), QStringLiteral("Fehler: Letzter Tag fehlt"));
        QVERIFY(clickOn(QStringLiteral("startDay_0")));
        QCOMPARE(textOf(QStringLiteral("editionError")), QStringLiteral("Fehler: Letzter Tag fehlt"));
        QVERIFY(!saveButton()->isEnabled());
        QVERIFY(clickOn(QStringLiteral("cycleEndDay_2")));
        QVERIFY(!item(QStringLiteral("editionError")));
        QVERIFY(typeTime(QStringLiteral("cycleEndTime"), QStringLiteral("1000")));
        QVERIFY(harness->click(saveButton()));
        QCOMPARE(list()->rowCount(), 1);
        QCOMPARE(role(0, "type").toInt(), 2);
        QCOMPARE(role(0, "startDays").toInt(), 128);
        QCOMPARE(role(0, "endDay").toInt(), 2);
        QCOMPARE(role(0, "endTime").toDateTime().time(), QTime(10, 0));
        QCOMPARE(role(0, "pulsTime").toDateTime().time(), QTime(0, 1));
        QCOMPARE(role(0, "pauseTime").toDateTime().time(), QTime(0, 2));
    }

    // A fixed switch time that ends where it starts is refused while the warning shows.
    void editorWarnsOfAFixedEndAtItsStart() {
        QVERIFY(openProject(QStringLiteral("Tarvino Rix3 Hybrid 4")));
        main().projectContent()->setChannelType(0, 1);
        QVERIFY(openEditor(-1, true));
        QVERIFY(!item(QStringLiteral("kind_0_1")));
        QVERIFY(item(QStringLiteral("kind_3_3")));
        QVERIFY(clickOn(QStringLiteral("startDay_1")));
        QVERIFY(typeTime(QStringLiteral("startTime"), QStringLiteral("0800")));
        QVERIFY(typeTime(QStringLiteral("fixedEndTime"), QStringLiteral("0800")));
        QVERIFY(clickOn(QStringLiteral("fixedEndDay_1")));
        QVERIFY(item(QStringLiteral("endDateWarning")));
        QCOMPARE(textOf(QStringLiteral("endDateWarning")), QStringLiteral("Start und Ende müssen unterschiedlich sein"));
        QVERIFY(!saveButton()->isEnabled());
        QVERIFY(clickOn(QStringLiteral("fixedEndDay_2")));
        QVERIFY(!item(QStringLiteral("endDateWarning")));
        QVERIFY(clickOn(QStringLiteral("fixedEndDay_1")));
        QVERIFY(typeTime(QStringLiteral("fixedEndTime"), QStringLiteral("0900")));
        QVERIFY(!item(QStringLiteral("endDateWarning")));
        // On several start days the end days are the start days.
        QVERIFY(clickOn(QStringLiteral("startDay_3")));
        QVERIFY(!item(QStringLiteral("fixedEndDay_1"))->isEnabled());
        QVERIFY(saveButton()->isEnabled());
        QVERIFY(harness->click(saveButton()));
        QCOMPARE(list()->rowCount(), 1);
        QCOMPARE(role(0, "type").toInt(), 3);
        QCOMPARE(role(0, "state").toInt(), 2);
        QCOMPARE(role(0, "startDays").toInt(), 64 | 16);
        QCOMPARE(role(0, "endTime").toDateTime().time(), QTime(9, 0));
    }

    // The list shows its rows sorted; each is the row of the list model that a tap removes.
    void deleteInTheSortedList_data() {
        QTest::addColumn<int>("sortedRow");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("hour");
        QTest::newRow("first: off at 08:00") << 0 << 0 << 0 << 8;
        QTest::newRow("second: on at 08:00") << 1 << 0 << 1 << 8;
        QTest::newRow("third: on at 23:00") << 2 << 0 << 1 << 23;
        QTest::newRow("last: the impulse") << 3 << 1 << 1 << 6;
    }

    void deleteInTheSortedList() {
        QFETCH(int, sortedRow);
        QFETCH(int, type);
        QFETCH(int, state);
        QFETCH(int, hour);
        QVERIFY(openProject(QStringLiteral("Tarvino Rix3 Weekly 2")));
        switches()->createFromTable(1, 1, 128, -1, at(6, 0), {}, at(0, 0).addSecs(30), {});
        switches()->createFromTable(0, 1, 128, -1, at(23, 0), {}, {}, {});
        switches()->createFromTable(0, 1, 128, -1, at(8, 0), {}, {}, {});
        switches()->createFromTable(0, 0, 128, -1, at(8, 0), {}, {}, {});
        QVERIFY(openList());
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("switchItem_3")); }));
        QVERIFY(!item(QStringLiteral("deleteMark_0")));
        QVERIFY(clickOn(QStringLiteral("listDeleteButton")));
        QCOMPARE(switches()->selectionMode(), int(SwitchTimesViewController::Delete));
        QVERIFY(item(QStringLiteral("deleteMark_0")));
        QVERIFY(clickOn(QStringLiteral("switchItem_%1").arg(sortedRow)));
        QCOMPARE(list()->rowCount(), 3);
        for (int row = 0; row < 3; ++row) {
            const bool tapped = role(row, "type").toInt() == type && role(row, "state").toInt() == state
                                && role(row, "startTime").toDateTime().time().hour() == hour;
            QVERIFY2(!tapped, "another switch time than the tapped one was removed");
        }
    }

    // The narrow list: each kind with its own lines, copy by choosing rows, paste elsewhere.
    void narrowListShowsAndCopies() {
        QGuiApplication::clipboard()->clear();
        QVERIFY(openProject(QStringLiteral("Tarvino Rix3 Weekly 2")));
        QVERIFY(openList());
        QVERIFY(!item(QStringLiteral("listCopyButton"))->isEnabled());
        QVERIFY(!item(QStringLiteral("listDeleteButton"))->isEnabled());
        switches()->createFromTable(2, 0, 16, 4, at(20, 0), at(23, 0), at(0, 15), at(0, 45));
        switches()->createFromTable(1, 1, 32, -1, at(12, 0).addSecs(30), {}, at(0, 1).addSecs(30), {});
        switches()->createFromTable(0, 0, 128 | 64, -1, at(18, 0), {}, {}, {});
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("switchItem_2")); }));
        QCOMPARE(textOf(QStringLiteral("switchTime_0")), QStringLiteral("18:00"));
        QCOMPARE(textOf(QStringLiteral("switchState_0")), QStringLiteral("Aus"));
        QCOMPARE(textOf(QStringLiteral("switchTime_1")), QStringLiteral("12:00:30"));
        QCOMPARE(textOf(QStringLiteral("switchState_1")), QStringLiteral("Impuls Ein"));
        QVERIFY(harness->findByText(QStringLiteral("01:30")));
        QCOMPARE(textOf(QStringLiteral("switchTime_2")), QStringLiteral("20:00"));
        QCOMPARE(textOf(QStringLiteral("switchState_2")), QStringLiteral("Zyklus"));
        QVERIFY(harness->findByText(QStringLiteral("00:15:00")));
        QVERIFY(harness->findByText(QStringLiteral("00:45:00")));

        QVERIFY(item(QStringLiteral("listCopyButton"))->isEnabled());
        QVERIFY(!item(QStringLiteral("listPasteButton"))->isEnabled());
        QVERIFY(clickOn(QStringLiteral("listCopyButton")));
        QVERIFY(clickOn(QStringLiteral("switchItem_0")));
        QVERIFY(clickOn(QStringLiteral("switchItem_1")));
        QVERIFY(item(QStringLiteral("copyCheck_1"))->property("checked").toBool());
        QVERIFY(!item(QStringLiteral("copyCheck_2"))->property("checked").toBool());
        QCOMPARE(list()->rowCount(), 3);
        QVERIFY(clickOn(QStringLiteral("listCopyButton")));
        QCOMPARE(switches()->selectionMode(), int(SwitchTimesViewController::Normal));
        main().projectContent()->setSelectedChannel(1);
        QCOMPARE(list()->rowCount(), 0);
        QQuickItem* paste = item(QStringLiteral("listPasteButton"));
        QVERIFY(ViewHarness::waitFor([paste] { return paste->isEnabled(); }));
        QVERIFY(harness->click(paste));
        QCOMPARE(list()->rowCount(), 2);
        QVERIFY(rowWithDays(128 | 64) >= 0);
        QVERIFY(rowWithDays(32) >= 0);
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
        QVERIFY(openInMainWindow(QStringLiteral("Tarvino Rix3 Weekly 2"), QStringLiteral("Verlauf")));
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
    // Made in the editor from the narrow list, the switch time shows in the list, then on the
    // desktop in the table beside the grid.
    void editorCreatesForListTableAndGrid() {
        QVERIFY(openInMainWindow(QStringLiteral("Tarvino Rix3 Weekly 2"), QStringLiteral("Editor")));
        harness->setPhoneLayout(true);
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("programList")); }));
        QVERIFY(!item(QStringLiteral("switchGrid")));
        QVERIFY(clickOn(QStringLiteral("listAddButton")));
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("switchTimeEdition")); }) && settled());
        // The phone's window is too narrow for the kind buttons: the pop-up chooses.
        QVERIFY(clickOn(QStringLiteral("kindChooser")));
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("switchStatus_0_1")); }));
        QVERIFY(clickOn(QStringLiteral("switchStatus_0_1")));
        // Until it has faded out, the pop-up takes the clicks.
        QVERIFY(ViewHarness::waitFor([this] { return !item(QStringLiteral("switchStatus_0_1")); }));
        QVERIFY(clickOn(QStringLiteral("startDay_0")));
        QVERIFY(clickOn(QStringLiteral("startDay_2")));
        QVERIFY(clickOn(QStringLiteral("editionSave")));
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("switchItem_0")); }) && settled());
        QCOMPARE(list()->rowCount(), 1);
        QCOMPARE(textOf(QStringLiteral("switchTime_0")), QStringLiteral("00:00"));
        QCOMPARE(textOf(QStringLiteral("switchState_0")), QStringLiteral("Ein"));
        QCOMPARE(role(0, "startDays").toInt(), 128 | 32);

        harness->setPhoneLayout(false);
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("switchRow_0")) && item(QStringLiteral("switchGrid")); }));
        QCOMPARE(textOf(QStringLiteral("startTime_0")), QStringLiteral("00:00"));
        QQuickItem* grid = item(QStringLiteral("switchGrid"));
        QVERIFY(grid->isVisible());
        QVERIFY(!item(QStringLiteral("programList")));
    }
};

QTEST_MAIN(TestViewProgram)
#include "tst_view_program.moc"
