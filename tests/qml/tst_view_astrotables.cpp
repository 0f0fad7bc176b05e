#include <QFile>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <memory>


#include "astrochannelcontroller.h"
#include "astroprojectcontroller.h"
#include "exportfiles.h"
#include "maincontroller.h"
#include "projectcontentcontroller.h"
#include "viewfixture.h"
#include "yearlyastrotablemodel.h"

// The own astro table's editor and fill window, opened from their rows as the coordinates
// settings show them, and the yearly astro table, each on the real controllers of a new
// astronomic project.
class TestViewAstroTables : public ViewFixture {
    Q_OBJECT

private:
    // View.ViewKind of the two pages.
    static constexpr int EditOwnAstroTablePage = 15;
    static constexpr int AutomaticFillPage = 16;

    static ProjectContentController* content() { return main().projectContent(); }
    static AstroProjectController* astro() { return qobject_cast<AstroProjectController*>(main().currentProject()); }
    static OwnAstroTableModel* table() { return astro()->ownAstroTableModel(); }
    static QTime sunrise(int row) { return table()->data(table()->index(row, 0)).toTime(); }
    static QTime sunset(int row) { return table()->data(table()->index(row, 1)).toTime(); }

    bool openProject() {
        return main().createProject(model(QStringLiteral("Tarvino Rix3 Astro 2")), QStringLiteral("Garten"))
               && main().openCurrentProject() && astro();
    }

    static QQuickItem* child(QQuickItem* parent, const QString& name) {
        return parent ? parent->findChild<QQuickItem*>(name) : nullptr;
    }
    static QString cellText(QQuickItem* picker) {
        return ViewHarness::text(child(picker, QStringLiteral("timeField")));
    }

    void retype(QQuickItem* field, const QString& text) {
        QVERIFY(harness->click(field));
        const bool masked = !field->property("inputMask").toString().isEmpty();
        harness->key(masked ? Qt::Key_Home : Qt::Key_A, masked ? Qt::NoModifier : Qt::ControlModifier);
        QVERIFY(harness->typeText(field, text));
        harness->key(Qt::Key_Return);
    }

    // The window a button opened, once its view is laid out.
    QQuickWindow* dialogAfter(int count) {
        if (!ViewHarness::waitFor([&] { return harness->dialogs().size() == count; }))
            return nullptr;
        QQuickWindow* dialog = harness->dialogs().last();
        dialog->requestActivate();
        const bool ready = ViewHarness::waitFor([dialog] {
            return dialog->property("item").value<QObject*>() && dialog->isActive() && dialog->isExposed();
        });
        return ready ? dialog : nullptr;
    }

    // The editor, opened by the button of the coordinates settings' rows.
    QQuickWindow* openEditor() {
        if (!harness->load(QStringLiteral("app/astro/OwnAstroTableRows.qml"),
                           {{QStringLiteral("viewController"), QVariant::fromValue(content())}}))
            return nullptr;
        if (!harness->click(item(QStringLiteral("editOwnTableButton"))))
            return nullptr;
        return dialogAfter(1);
    }

    QQuickWindow* openFill() {
        if (!openEditor() || !harness->click(item(QStringLiteral("automaticFillButton"))))
            return nullptr;
        return dialogAfter(2);
    }

    // The editor page, opened by the button of the coordinates settings' rows, in the program's
    // window, which then takes the keys.
    bool openEditorPage() {
        if (!harness->load(QStringLiteral("app/astro/OwnAstroTableRows.qml"),
                           {{QStringLiteral("viewController"), QVariant::fromValue(content())}})
            || !harness->click(item(QStringLiteral("editOwnTableButton"))) || !showsPage(EditOwnAstroTablePage)
            || !harness->dialogs().isEmpty())
            return false;
        QQuickItem* cell = item(QStringLiteral("ownTableCell_0_0"));
        if (!cell)
            return false;
        QQuickWindow* window = cell->window();
        window->requestActivate();
        return ViewHarness::waitFor([window] { return window->isActive(); });
    }
    // The fill's mode, chosen with the arrow keys of the focused box.
    bool chooseFillMode(int mode) {
        QQuickItem* modes = item(QStringLiteral("fillMode"));
        if (!modes)
            return false;
        modes->forceActiveFocus();
        for (int step = 0; step < mode; ++step)
            harness->key(Qt::Key_Down);
        return modes->property("currentIndex").toInt() == mode;
    }
    bool popPages() {
        harness->evaluate(QStringLiteral("ViewLoader.stack.pop(null)"));
        return ViewHarness::waitFor([this] {
            return harness->evaluate(QStringLiteral("ViewLoader.stack.depth")).toInt() <= 1
                   && !harness->evaluate(QStringLiteral("ViewLoader.stack.busy")).toBool();
        });
    }

    bool closeAll() {
        for (QQuickWindow* dialog : harness->dialogs())
            dialog->close();
        return ViewHarness::waitFor([this] { return harness->dialogs().isEmpty(); });
    }

    QObject* openYearlyTable() {
        auto* dialog = harness->load(
            QStringLiteral("components/WindowDialog.qml"),
            {{QStringLiteral("source"), QStringLiteral("qrc:/orvindal/Tarvino/app/astro/YearlyAstroTable.qml")},
             {QStringLiteral("properties"),
              QVariantMap{{QStringLiteral("viewController"), QVariant::fromValue(content())}}},
             {QStringLiteral("minimumWidth"), 1024},
             {QStringLiteral("minimumHeight"), 900}});
        return dialog ? dialog->property("item").value<QObject*>() : nullptr;
    }

private slots:
    void initTestCase() {
        harness = std::make_unique<ViewHarness>();
        QVERIFY(harness->loadMain());
    }
    void cleanupTestCase() { harness.reset(); }
    void init() { QVERIFY(openProject()); }
    void cleanup() {
        harness->setPhoneLayout(false);
        QVERIFY(popPages());
        QVERIFY(closeAll());
        // The views go before the project they show.
        QVERIFY(harness->load(QStringLiteral("components/DefaultText.qml")));
        ExportFiles::setSaveFileChooser({});
        main().closeProject();
    }

    void rowsShowTheTableAndItsName() {
        QVERIFY(harness->load(QStringLiteral("app/astro/OwnAstroTableRows.qml"),
                              {{QStringLiteral("viewController"), QVariant::fromValue(content())}}));
        QQuickItem* box = item(QStringLiteral("ownTableEnabled"));
        QVERIFY(box);
        QVERIFY(!item(QStringLiteral("ownTableNameText")));
        QVERIFY(harness->click(box));
        QVERIFY(astro()->astroTableEnabled());
        QCOMPARE(ViewHarness::text(item(QStringLiteral("ownTableNameText"))), QStringLiteral("Edit name"));
        table()->setName(QStringLiteral("HOF"));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("ownTableNameText"))), QStringLiteral("HOF"));
        QVERIFY(harness->click(box));
        QVERIFY(!astro()->astroTableEnabled());
    }

    void nameIsUpperCaseAndAtMost13Characters_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("lower case") << QStringLiteral("garten") << QStringLiteral("GARTEN");
        QTest::newRow("too long") << QStringLiteral("hof-nord west 2") << QStringLiteral("HOF-NORD WEST");
        QTest::newRow("other characters dropped") << QStringLiteral("a!b_c.1") << QStringLiteral("ABC1");
    }

    void nameIsUpperCaseAndAtMost13Characters() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QVERIFY(openEditor());
        QQuickItem* field = item(QStringLiteral("ownTableName"));
        QVERIFY(field);
        QVERIFY(!field->property("valid").toBool());
        QVERIFY(harness->click(field));
        QVERIFY(harness->typeText(field, typed));
        QCOMPARE(table()->name(), stored);
        QCOMPARE(ViewHarness::text(field), stored);
        QVERIFY(field->property("valid").toBool());
    }

    void timezoneIsChosen() {
        QVERIFY(openEditor());
        QQuickItem* box = item(QStringLiteral("ownTableTimezone"));
        QVERIFY(box);
        QCOMPARE(box->property("currentIndex").toInt(), 13);
        QCOMPARE(box->property("displayText").toString(), QStringLiteral("UTC +1h"));
        QVERIFY(harness->choose(box, 20));
        QCOMPARE(table()->timezone(), 20);
    }

    // Rows are in leap-year order whatever the current year: 29 February, then 1 March to
    // 31 December.
    void rowsAreLabelledWithTheDaysOfALeapYear() {
        QVERIFY(openEditor());
        auto* cells = qobject_cast<QQuickItem*>(item(QStringLiteral("ownTableCells")));
        QVERIFY(cells);
        QVERIFY(harness->findByText(QStringLiteral("01.01")));
        QCOMPARE(table()->rowCount(), 366);
        for (const auto& [row, label] : {std::pair{59, "29.02"}, std::pair{60, "01.03"}, std::pair{365, "31.12"}}) {
            cells->setProperty("contentY", row * 48);
            QVERIFY(ViewHarness::waitFor([&] { return harness->findByText(QString::fromLatin1(label)); }));
            QQuickItem* labelItem = harness->findByText(QString::fromLatin1(label));
            QQuickItem* cell = item(QStringLiteral("ownTableCell_%1_0").arg(row));
            QVERIFY(cell);
            QCOMPARE(labelItem->mapToScene(QPointF(0, labelItem->height() / 2)).y(),
                     cell->mapToScene(QPointF(0, cell->height() / 2)).y());
        }
    }

    // A typed time is stored at once; the engine's table follows only when the window closes,
    // by OK or by its title bar.
    void editedCellIsAppliedOnClosing_data() {
        QTest::addColumn<bool>("byOk");
        QTest::newRow("OK") << true;
        QTest::newRow("title bar") << false;
    }

    void editedCellIsAppliedOnClosing() {
        QFETCH(bool, byOk);
        astro()->setOwnAstroEnabled(true);
        QQuickWindow* dialog = openEditor();
        QVERIFY(dialog);
        QCOMPARE(astro()->ownAstroTable().days[4].sunriseHour, 6);
        QQuickItem* field = child(item(QStringLiteral("ownTableCell_3_0")), QStringLiteral("timeField"));
        retype(field, QStringLiteral("0615"));
        QCOMPARE(sunrise(3), QTime(6, 15));
        retype(child(item(QStringLiteral("ownTableCell_3_1")), QStringLiteral("timeField")), QStringLiteral("2140"));
        QCOMPARE(sunset(3), QTime(21, 40));
        QCOMPARE(astro()->ownAstroTable().days[4].sunriseHour, 6);

        if (byOk)
            QVERIFY(harness->click(item(QStringLiteral("okButton"))));
        else
            dialog->close();
        QVERIFY(ViewHarness::waitFor([this] { return harness->dialogs().isEmpty(); }));
        const OwnAstroDayEntry entry = astro()->ownAstroTable().days[4];
        QCOMPARE(entry, (OwnAstroDayEntry{6, 15, 0, 21, 40, 0}));
    }

    // On the phone the editor is a page of the stack: its bar shows the title and the way back,
    // and leaving it, by OK or by that way back, applies the table as the window does.
    void phoneEditorPageAppliesTheTableOnLeaving_data() {
        QTest::addColumn<bool>("byOk");
        QTest::newRow("OK") << true;
        QTest::newRow("back button") << false;
    }

    void phoneEditorPageAppliesTheTableOnLeaving() {
        QFETCH(bool, byOk);
        astro()->setOwnAstroEnabled(true);
        harness->setPhoneLayout(true);
        QVERIFY(openEditorPage());
        QCOMPARE(ViewHarness::text(item(QStringLiteral("toolbarLeftTitle"))), QStringLiteral("Eigene Astro Tabelle"));
        QVERIFY(item(QStringLiteral("backButton")));
        // Inside the stack the page leaves its title to the bar.
        QVERIFY(!item(QStringLiteral("viewTitle")));

        retype(child(item(QStringLiteral("ownTableCell_3_0")), QStringLiteral("timeField")), QStringLiteral("0615"));
        QCOMPARE(sunrise(3), QTime(6, 15));
        QVERIFY(harness->choose(item(QStringLiteral("ownTableTimezone")), 20));
        QCOMPARE(table()->timezone(), 20);
        QCOMPARE(astro()->ownAstroTable().days[4].sunriseHour, 6);
        QCOMPARE(astro()->ownAstroTable().days[4].sunriseMinute, 0);

        QVERIFY(harness->click(item(byOk ? QStringLiteral("okButton") : QStringLiteral("backButton"))));
        QVERIFY(ViewHarness::waitFor([this] { return currentViewKind() != EditOwnAstroTablePage; }));
        QVERIFY(ViewHarness::waitFor([this] { return !item(QStringLiteral("ownTableCell_3_0")); }));
        QCOMPARE(astro()->ownAstroTable().days[4].sunriseMinute, 15);
        QVERIFY(harness->dialogs().isEmpty());
    }

    // The editor's buttons narrow down to a phone's width.
    void editorButtonsFitAPhone() {
        QVERIFY(harness->load(QStringLiteral("app/astro/EditOwnAstroTable.qml"),
                              {{QStringLiteral("viewController"), QVariant::fromValue(content())},
                               {QStringLiteral("width"), 405},
                               {QStringLiteral("height"), 878}}));
        QQuickItem* ok = item(QStringLiteral("okButton"));
        QVERIFY(ok);
        QVERIFY(ViewHarness::waitFor([ok] { return ok->mapToScene(QPointF(ok->width(), 0)).x() <= 405; }));
        QQuickItem* fill = item(QStringLiteral("automaticFillButton"));
        QVERIFY(fill->mapToScene(QPointF(fill->width(), 0)).x() <= item(QStringLiteral("resetButton"))->mapToScene(QPointF()).x());
    }

    // The fill page lies over the editor page; OK fills and Abbruch leaves the table, and both
    // return to the editor.
    void phoneFillPageReturnsToTheEditor() {
        harness->setPhoneLayout(true);
        QVERIFY(openEditorPage());
        const int depth = harness->evaluate(QStringLiteral("ViewLoader.stack.depth")).toInt();
        const QTime before = sunrise(0);

        QVERIFY(harness->click(item(QStringLiteral("automaticFillButton"))));
        QVERIFY(showsPage(AutomaticFillPage));
        QCOMPARE(harness->evaluate(QStringLiteral("ViewLoader.stack.depth")).toInt(), depth + 1);
        QCOMPARE(ViewHarness::text(item(QStringLiteral("toolbarLeftTitle"))), QStringLiteral("Automatisch ausfüllen"));
        QVERIFY(chooseFillMode(2));
        QVERIFY(harness->click(item(QStringLiteral("fillCancel"))));
        QVERIFY(showsPage(EditOwnAstroTablePage));
        QCOMPARE(table()->name(), QString());
        QCOMPARE(sunrise(0), before);

        QVERIFY(harness->click(item(QStringLiteral("automaticFillButton"))));
        QVERIFY(showsPage(AutomaticFillPage));
        QVERIFY(chooseFillMode(1));
        QVERIFY(harness->click(item(QStringLiteral("fillOk"))));
        QVERIFY(showsPage(EditOwnAstroTablePage));
        QCOMPARE(harness->evaluate(QStringLiteral("ViewLoader.stack.depth")).toInt(), depth);
        QCOMPARE(table()->name(), QStringLiteral("MET"));
        QCOMPARE(sunrise(0), QTime(8, 25));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("ownTableName"))), QStringLiteral("MET"));
        QCOMPARE(cellText(item(QStringLiteral("ownTableCell_0_0"))), sunrise(0).toString(QStringLiteral("hh:mm")));
        QVERIFY(harness->dialogs().isEmpty());
    }

    void resetRestoresTheDefaults() {
        astro()->setOwnAstroEnabled(true);
        table()->setName(QStringLiteral("MET"));
        table()->setTimezone(5);
        table()->setSunrise(QTime(5, 5), 0);
        QVERIFY(openEditor());
        QCOMPARE(cellText(item(QStringLiteral("ownTableCell_0_0"))), QStringLiteral("05:05"));
        QVERIFY(harness->click(item(QStringLiteral("resetButton"))));
        QCOMPARE(table()->name(), QString());
        QCOMPARE(table()->timezone(), 13);
        QVERIFY(!astro()->astroTableEnabled());
        QCOMPARE(sunrise(0), QTime(7, 0));
        QCOMPARE(sunset(365), QTime(18, 0));
        QCOMPARE(cellText(item(QStringLiteral("ownTableCell_0_0"))), QStringLiteral("07:00"));
        QCOMPARE(cellText(item(QStringLiteral("ownTableCell_0_1"))), QStringLiteral("18:00"));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("ownTableName"))), QString());
        QCOMPARE(item(QStringLiteral("ownTableTimezone"))->property("currentIndex").toInt(), 13);
    }

    // January with three minutes later sunrises, the rest of the year with two minutes earlier
    // sunsets, against the computed times without offsets.
    void offsetFillMovesTheComputedTimes() {
        table()->setAstroTimes(content()->getAstroTimeForYear(QDate::currentDate().year()));
        table()->applyOffset(QDate(2008, 1, 1), QDate(2008, 12, 31), 0, 0);
        const QList<int> rows{0, 30, 31, 59, 200, 365};
        QList<QTime> sunrises;
        QList<QTime> sunsets;
        for (const int row : rows) {
            sunrises << sunrise(row);
            sunsets << sunset(row);
        }
        astro()->resetOwnAstroTable();

        QVERIFY(openFill());
        QVERIFY(!item(QStringLiteral("offsetStart_1")));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("offsetStart_0"))), QStringLiteral("01.01"));
        retype(child(item(QStringLiteral("offsetEnd_0")), QStringLiteral("dateField")), QStringLiteral("3101"));
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("offsetStart_1")); }));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("offsetStart_1"))), QStringLiteral("01.02"));
        QVERIFY(!item(QStringLiteral("offsetStart_2")));
        for (int step = 0; step < 3; ++step)
            QVERIFY(harness->click(child(item(QStringLiteral("sunriseOffset_0")), QStringLiteral("increase"))));
        for (int step = 0; step < 2; ++step)
            QVERIFY(harness->click(child(item(QStringLiteral("sunsetOffset_1")), QStringLiteral("decrease"))));
        QCOMPARE(ViewHarness::text(child(item(QStringLiteral("sunriseOffset_0")), QStringLiteral("numberText"))),
                 QStringLiteral("3 min"));
        QVERIFY(harness->click(item(QStringLiteral("fillOk"))));
        QVERIFY(ViewHarness::waitFor([this] { return harness->dialogs().size() == 1; }));

        for (int index = 0; index < rows.size(); ++index) {
            const bool january = rows[index] <= 30;
            QCOMPARE(sunrise(rows[index]), sunrises[index].addSecs(january ? 180 : 0));
            QCOMPARE(sunset(rows[index]), sunsets[index].addSecs(january ? 0 : -120));
        }
        QCOMPARE(cellText(item(QStringLiteral("ownTableCell_0_0"))), sunrises[0].addSecs(180).toString("hh:mm"));
    }

    // The location in the fill window lays out every label beside its field.
    void fillLocationLabelsStandBesideTheirFields() {
        QVERIFY(openFill());
        QQuickItem* label = item(QStringLiteral("soWiRuleLabel"));
        QQuickItem* field = item(QStringLiteral("soWiRuleField"));
        QVERIFY(label && field);
        QVERIFY(ViewHarness::waitFor([&] {
            return qAbs(label->mapToScene(QPointF(0, label->height() / 2)).y()
                        - field->mapToScene(QPointF(0, field->height() / 2)).y()) < 1;
        }));
        QVERIFY(label->mapToScene(QPointF(label->width(), 0)).x() <= field->mapToScene(QPointF()).x());
    }

    // A row must end after the row before it; while one does not, OK stays disabled.
    void overlappingRowsBlockTheFill() {
        QVERIFY(openFill());
        QQuickItem* ok = item(QStringLiteral("fillOk"));
        retype(child(item(QStringLiteral("offsetEnd_0")), QStringLiteral("dateField")), QStringLiteral("3103"));
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("offsetStart_1")); }));
        QVERIFY(!item(QStringLiteral("overlap_1")));
        retype(child(item(QStringLiteral("offsetEnd_1")), QStringLiteral("dateField")), QStringLiteral("2802"));
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("overlap_1")); }));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("overlap_1"))), QStringLiteral("Overlap not permitted"));
        QVERIFY(!ok->isEnabled());
        QCOMPARE(ViewHarness::text(item(QStringLiteral("offsetStart_2"))), QStringLiteral("29.02"));
        retype(child(item(QStringLiteral("offsetEnd_1")), QStringLiteral("dateField")), QStringLiteral("3006"));
        QVERIFY(ViewHarness::waitFor([this] { return !item(QStringLiteral("overlap_1")); }));
        QVERIFY(ok->isEnabled());
        QCOMPARE(ViewHarness::text(item(QStringLiteral("offsetStart_2"))), QStringLiteral("01.07"));
        // Cancelling leaves the table as it was.
        QVERIFY(harness->click(item(QStringLiteral("fillCancel"))));
        QVERIFY(ViewHarness::waitFor([this] { return harness->dialogs().size() == 1; }));
        QCOMPARE(sunrise(0), QTime(6, 0));
    }

    void presetsNameTheTable_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<QTime>>("firstOfJanuary");
        QTest::addColumn<QList<QTime>>("firstOfApril");
        QTest::newRow("MET") << 1 << QStringLiteral("MET") << QList<QTime>{QTime(8, 25), QTime(17, 0)}
                             << QList<QTime>{QTime(5, 52), QTime(19, 35)};
        QTest::newRow("NBN") << 2 << QStringLiteral("NBN") << QList<QTime>{QTime(8, 46), QTime(16, 47)}
                             << QList<QTime>{QTime(6, 0), QTime(19, 35)};
    }

    void presetsNameTheTable() {
        QFETCH(int, mode);
        QFETCH(QString, name);
        QFETCH(QList<QTime>, firstOfJanuary);
        QFETCH(QList<QTime>, firstOfApril);
        table()->setTimezone(4);
        QVERIFY(openFill());
        // Chosen with the arrow keys of the focused box.
        QQuickItem* modes = item(QStringLiteral("fillMode"));
        QVERIFY(modes);
        modes->forceActiveFocus();
        for (int step = 0; step < mode; ++step)
            harness->key(Qt::Key_Down);
        QCOMPARE(modes->property("currentIndex").toInt(), mode);
        QVERIFY(!item(QStringLiteral("offsetStart_0")));
        QVERIFY(!item(QStringLiteral("fillLocation")));
        QVERIFY(harness->click(item(QStringLiteral("fillOk"))));
        QVERIFY(ViewHarness::waitFor([this] { return harness->dialogs().size() == 1; }));
        QCOMPARE(table()->name(), name);
        QCOMPARE(table()->timezone(), 13);
        QCOMPARE((QList<QTime>{sunrise(0), sunset(0)}), firstOfJanuary);
        QCOMPARE((QList<QTime>{sunrise(91), sunset(91)}), firstOfApril);
        QCOMPARE(ViewHarness::text(item(QStringLiteral("ownTableName"))), name);
        QCOMPARE(cellText(item(QStringLiteral("ownTableCell_0_0"))), firstOfJanuary[0].toString("hh:mm"));
    }

    void yearlyTableHasTheDaysOfTheYear_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("leap");
        QTest::newRow("2024") << 2024 << true;
        QTest::newRow("2025") << 2025 << false;
    }

    void yearlyTableHasTheDaysOfTheYear() {
        QFETCH(int, year);
        QFETCH(bool, leap);
        QObject* view = openYearlyTable();
        QVERIFY(view);
        QVERIFY(harness->choose(item(QStringLiteral("yearlyYear")), year - 2023));
        auto* model = view->property("table").value<YearlyAstroTableModel*>();
        QVERIFY(model);
        QCOMPARE(model->year(), year);
        auto* cells = item(QStringLiteral("yearlyCells"));
        QVERIFY(cells);
        cells->setProperty("contentY", 25 * 50);
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("yearlyCell_29_1")); }));
        const QString february29 = ViewHarness::text(item(QStringLiteral("yearlyCell_28_1")));
        QCOMPARE(february29 == QStringLiteral("-"), !leap);
        QCOMPARE(february29, model->data(model->index(28, 1)).toString());
        QCOMPARE(ViewHarness::text(item(QStringLiteral("yearlyCell_29_1"))), QStringLiteral("-"));
        QVERIFY(harness->findByText(QStringLiteral("Februar")));
    }

    void yearlyHeadShowsPlaceAndChannel() {
        auto* channel = qobject_cast<AstroChannelController*>(content()->channelController());
        QVERIFY(channel);
        channel->setOffsetSunrise(15);
        channel->setOffsetSunset(-10);
        channel->setAstroTime(1);
        astro()->coordinatesController()->setLatitudeLongitude(48.13715, -11.5);
        QObject* view = openYearlyTable();
        QVERIFY(view);
        auto* model = view->property("table").value<YearlyAstroTableModel*>();
        QVERIFY(model);
        QVERIFY(!model->earliestSunrise().isEmpty());
        QCOMPARE(ViewHarness::text(item(QStringLiteral("yearlyEarliestSunrise"))), model->earliestSunrise());
        QCOMPARE(ViewHarness::text(item(QStringLiteral("yearlyLatitude"))), QStringLiteral("48,13715 ° Norden"));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("yearlyLongitude"))), QStringLiteral("-11,50000 ° Westen"));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("yearlyTimezone"))),
                 harness->evaluate(QStringLiteral("AstroSettingsProvider.timezone[%1]")
                                       .arg(astro()->coordinatesController()->timezone()))
                     .toString());
        QCOMPARE(ViewHarness::text(item(QStringLiteral("yearlySunriseOffset"))), QStringLiteral("15 min"));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("yearlySunsetOffset"))), QStringLiteral("-10 min"));
        QCOMPARE(item(QStringLiteral("yearlyAstroTime")) != nullptr, bool(astro()->hasAstroTime()));
        if (astro()->hasAstroTime())
            QCOMPARE(ViewHarness::text(item(QStringLiteral("yearlyAstroTime"))), QStringLiteral("Dämmerung"));

        QQuickItem* channels = item(QStringLiteral("yearlyChannel"));
        QVERIFY(channels);
        QCOMPARE(channels->property("displayText").toString(), QStringLiteral("Kanal 1"));
        QVERIFY(harness->choose(channels, 1));
        QCOMPARE(content()->selectedChannel(), 1);
        QCOMPARE(ViewHarness::text(item(QStringLiteral("yearlySunriseOffset"))), QStringLiteral("0 min"));
    }

    void exportWritesTheModelsCsv() {
        QObject* view = openYearlyTable();
        QVERIFY(view);
        auto* model = view->property("table").value<YearlyAstroTableModel*>();
        QVERIFY(model);
        QTemporaryDir folder;
        const QString target = folder.filePath(QStringLiteral("garten.csv"));
        QString suggested;
        ExportFiles::setSaveFileChooser([&](const QString& path) {
            suggested = path;
            return target;
        });
        QVERIFY(harness->click(item(QStringLiteral("exportButton"))));
        QVERIFY(suggested.endsWith(QStringLiteral("/Garten.csv")));
        QVERIFY(QFile::exists(target));
        const QString expected = folder.filePath(QStringLiteral("expected.csv"));
        QVERIFY(model->writeCsv(expected));
        QFile written(target);
        QFile reference(expected);
        QVERIFY(written.open(QIODevice::ReadOnly) && reference.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        QCOMPARE(bytes, reference.readAll());
        QCOMPARE(bytes.count('\n'), 50);
    }
};

QTEST_MAIN(TestViewAstroTables)
#include "tst_view_astrotables.moc"
