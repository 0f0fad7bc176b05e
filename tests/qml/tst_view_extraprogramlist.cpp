#include <QAbstractItemModel>
#include <QClipboard>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <memory>

#include <core/windowlayout.h>

#include "daterangelistmodel.h"
#include "extraprogramswitchtimecontroller.h"
#include "extraprogramviewcontroller.h"
#include "maincontroller.h"
#include "projectcontentcontroller.h"
#include "extraprogramfixture.h"

// The narrow layout of an extra program in the program's window, on the real controllers of an
// open project: the list of its ranges, the type bar, the range editor with its type pop-up,
// OK and Abbruch, and copying and deleting in the list.
class TestViewExtraProgramList : public ExtraProgramFixture {
    Q_OBJECT

private:
    // Scrolls the button's tool-bar row until the button shows, then clicks it.
    bool clickInBar(const QString& name) const {
        QQuickItem* button = item(name);
        QQuickItem* flick = button;
        while (flick && flick->objectName() != QLatin1String("subToolbarFlick"))
            flick = flick->parentItem();
        if (!flick)
            return false;
        // The row places its buttons when it is next drawn.
        QQuickItem* row = button->parentItem();
        const auto placed = [row] {
            qreal end = -1;
            for (const QQuickItem* child : row->childItems()) {
                if (child->width() > 0 && child->x() <= end)
                    return false;
                end = qMax(end, child->x());
            }
            return true;
        };
        if (!ViewHarness::waitFor(placed))
            return false;
        const qreal room = flick->property("contentWidth").toReal() - flick->width();
        flick->setProperty("contentX", qBound(0.0, button->x(), qMax(0.0, room)));
        return harness->click(button);
    }
    bool waitForItem(const QString& name) const {
        return ViewHarness::waitFor([this, name] { return item(name) != nullptr; }) && settled();
    }
    // A new project in the program's window in the phone's layout, its first extra program shown.
    bool openList(const QString& device, int program = 1) {
        if (!main().createProject(model(device), QStringLiteral("Sonderprogramm")))
            return false;
        harness->evaluate(QStringLiteral("ViewLoader.stack.clear()"));
        harness->evaluate(QStringLiteral("ViewLoader.openView(View.ProjectContentView, {}, true)"));
        // Astronomic projects open on their astro page in this layout.
        QQuickItem* tabs = nullptr;
        if (!ViewHarness::waitFor([this, &tabs] { return (tabs = item(QStringLiteral("projectTabs"))) != nullptr; }))
            return false;
        QVariant page;
        QMetaObject::invokeMethod(tabs, "indexOfPage", Q_RETURN_ARG(QVariant, page), Q_ARG(QVariant, tabs->property("programPage")));
        tabs->setProperty("currentIndex", page.toInt());
        if (!waitForItem(QStringLiteral("programView")))
            return false;
        main().projectContent()->setSelectedProgram(program);
        return waitForItem(QStringLiteral("sonderProgramView"));
    }
    // The right edge, in window coordinates, of the item or of the farthest of its shown parts.
    static qreal rightEdge(const QQuickItem* item) {
        qreal edge = item->mapToScene(QPointF(item->width(), 0)).x();
        for (const QQuickItem* child : item->childItems()) {
            if (child->isVisible() && child->width() > 0)
                edge = qMax(edge, rightEdge(child));
        }
        return edge;
    }
    bool fitsTheWindow(const QString& name) const {
        const QQuickItem* shown = item(name);
        if (!shown)
            return false;
        const qreal room = shown->window()->width();
        if (rightEdge(shown) <= room + 0.5)
            return true;
        qWarning() << name << "reaches" << rightEdge(shown) << "in a window" << room << "wide";
        return false;
    }

private slots:
    void initTestCase() {
        harness = std::make_unique<ViewHarness>();
        QVERIFY(harness->loadMain());
        harness->evaluate(QStringLiteral("platformService.overwriteDisplay = 1"));
        core::WindowLayout::instance()->setWindowSize(QSize(405, 878));
    }
    void cleanupTestCase() {
        harness->evaluate(QStringLiteral("platformService.overwriteDisplay = 0"));
        harness.reset();
    }
    void cleanup() {
        QVERIFY(harness->setLanguage(QStringLiteral("de")));
        QGuiApplication::clipboard()->clear();
        harness->evaluate(QStringLiteral("ViewLoader.stack.clear()"));
        main().closeProject();
    }

    // Each type of the bar opens the editor on a new range of that type; "OK" stores it once.
    void typeBarCreatesThroughTheEditor_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typeName");
        QTest::addColumn<bool>("hasEnd");
        QTest::newRow("fixed date") << 0 << QStringLiteral("Fixes Datum") << true;
        QTest::newRow("every year") << 1 << QStringLiteral("Fixes Datum jedes Jahr") << true;
        QTest::newRow("Easter") << 2 << QStringLiteral("Osterregel") << true;
        QTest::newRow("series") << 3 << QStringLiteral("Reihe von Tagen") << true;
        QTest::newRow("week rule") << 4 << QStringLiteral("Regel für Wochentage") << false;
        QTest::newRow("Chinese New Year") << 5 << QStringLiteral("Chinesisches Neujahr") << true;
    }
    void typeBarCreatesThroughTheEditor() {
        QFETCH(int, type);
        QFETCH(QString, typeName);
        QFETCH(bool, hasEnd);
        QVERIFY(openList(QStringLiteral("Tarvino Rix3 Weekly 2")));
        QVERIFY(!item(QStringLiteral("dateTable")));
        QVERIFY(clickInBar(QStringLiteral("newRange_%1").arg(type)));
        QVERIFY(waitForItem(QStringLiteral("sonderProgramDate")));
        QVERIFY(!item(QStringLiteral("backButton")));
        QCOMPARE(textOf(QStringLiteral("rangeEditorTitle")), QStringLiteral("Sonderprogramm 1"));
        QCOMPARE(textOf(QStringLiteral("twoLineTitleName")), QStringLiteral("Sonderprogramm"));
        QCOMPARE(textOf(QStringLiteral("twoLineTitleDevice")), QStringLiteral("Tarvino Rix3 Weekly 2"));
        QCOMPARE(textOf(QStringLiteral("rangeTypeButton")), typeName);
        QCOMPARE(item(QStringLiteral("rangeEndRow")) != nullptr, hasEnd);
        QCOMPARE(item(QStringLiteral("startOffsetChooser")) != nullptr, type == 2 || type == 5);
        QCOMPARE(item(QStringLiteral("rangeRepeat")) != nullptr, type == 3);
        QCOMPARE(item(QStringLiteral("rangeDuration")) != nullptr, type == 4);
        QCOMPARE(ranges()->rowCount(), 0);

        QVERIFY(clickOn(QStringLiteral("rangeEditorOk")));
        QVERIFY(waitForItem(QStringLiteral("rangeItem_0")));
        QCOMPARE(ranges()->rowCount(), 1);
        QCOMPARE(role(0, "type").toInt(), type);
        QCOMPARE(textOf(QStringLiteral("rangeTypeName_0")), typeName);
        if (type == 2 || type == 5) {
            QCOMPARE(role(0, "startDay").toInt(), 0);
            QCOMPARE(role(0, "endDay").toInt(), 1);
        }
        if (type == 1)
            QCOMPARE(role(0, "startDate").toDateTime().date().year(), 2008);
        // One undo step.
        extra()->dateRanges()->undo();
        QCOMPARE(ranges()->rowCount(), 0);
    }

    // The editor's fields, its length and fault texts, and the type pop-up without the
    // holiday rules; "Abbruch" keeps the range as it was.
    void editorEditsAndCancels() {
        QVERIFY(openList(QStringLiteral("Tarvino Rix3 Weekly 2")));
        const QDate day(2026, 5, 1);
        create(0, wall(day, QTime(8, 0)), wall(day.addDays(2), QTime(10, 30)));
        QVERIFY(waitForItem(QStringLiteral("rangeItem_0")));
        QCOMPARE(textOf(QStringLiteral("rangeStartTime_0")), QStringLiteral("08:00"));
        QCOMPARE(textOf(QStringLiteral("rangeEndTime_0")), QStringLiteral("10:30"));
        QCOMPARE(textOf(QStringLiteral("rangeStart_0")), QStringLiteral("01.05.26"));

        QVERIFY(clickOn(QStringLiteral("rangeItem_0")));
        QVERIFY(waitForItem(QStringLiteral("sonderProgramDate")));
        QCOMPARE(textOf(QStringLiteral("rangeDurationText")), QStringLiteral("2d 02h30m"));
        QCOMPARE(textOf(QStringLiteral("rangeEditorError")), QString());
        QVERIFY(typeTime(QStringLiteral("endTimePicker"), QStringLiteral("0600")));
        QVERIFY(!item(QStringLiteral("rangeEditorError")));
        QCOMPARE(textOf(QStringLiteral("rangeDurationText")), QStringLiteral("1d 22h"));

        // The date pickers end with the last year projects hold.
        QQuickItem* start = item(QStringLiteral("startDatePicker"));
        QCOMPARE(start->property("maxDate").toDate(), QDate(2099, 12, 31));
        QVERIFY(harness->click(start));
        QVERIFY(waitForItem(QStringLiteral("day_3")));
        QVERIFY(clickOn(QStringLiteral("day_3")));
        QVERIFY(ViewHarness::waitFor([start] { return !start->property("calendarOpen").toBool(); }));
        QCOMPARE(textOf(QStringLiteral("rangeEditorError")), QStringLiteral("Ende muss nach dem Beginn liegen"));
        QCOMPARE(textOf(QStringLiteral("rangeDurationText")), QStringLiteral("< 0"));

        QVERIFY(clickOn(QStringLiteral("rangeTypeButton")));
        QVERIFY(waitForItem(QStringLiteral("rangeTypeEntry_3")));
        QVERIFY(!item(QStringLiteral("rangeTypeEntry_6")));
        QVERIFY(clickOn(QStringLiteral("rangeTypeEntry_3")));
        QVERIFY(clickOn(QStringLiteral("typeOk")));
        QVERIFY(waitForItem(QStringLiteral("rangeRepeat")));
        QCOMPARE(textOf(QStringLiteral("rangeTypeButton")), QStringLiteral("Reihe von Tagen"));

        QVERIFY(clickOn(QStringLiteral("rangeEditorCancel")));
        QVERIFY(waitForItem(QStringLiteral("rangeItem_0")));
        QVERIFY(!item(QStringLiteral("sonderProgramDate")));
        QCOMPARE(ranges()->rowCount(), 1);
        QCOMPARE(role(0, "type").toInt(), 0);
        QCOMPARE(role(0, "startDate").toDateTime(), wall(day, QTime(8, 0)));
        QCOMPARE(role(0, "endDate").toDateTime(), wall(day.addDays(2), QTime(10, 30)));
    }

    // Edited in the editor, the range shows its new values in the list; a series tells its
    // interval, a fault shows under the range.
    void editorSavesIntoTheList() {
        QVERIFY(openList(QStringLiteral("Tarvino Rix3 Weekly 2")));
        const QDate day(2026, 5, 1);
        create(0, wall(day), wall(day.addDays(1)));
        QVERIFY(waitForItem(QStringLiteral("rangeItem_0")));
        QVERIFY(clickOn(QStringLiteral("rangeItem_0")));
        QVERIFY(waitForItem(QStringLiteral("sonderProgramDate")));
        QVERIFY(clickOn(QStringLiteral("rangeTypeButton")));
        QVERIFY(waitForItem(QStringLiteral("rangeTypeEntry_3")));
        QVERIFY(clickOn(QStringLiteral("rangeTypeEntry_3")));
        QVERIFY(clickOn(QStringLiteral("typeOk")));
        QVERIFY(waitForItem(QStringLiteral("rangeRepeat")));
        QVERIFY(typeTime(QStringLiteral("startTimePicker"), QStringLiteral("0930")));
        QVERIFY(clickOn(QStringLiteral("rangeEditorOk")));
        QVERIFY(waitForItem(QStringLiteral("rangeItem_0")));

        const QDate moved(QDate::currentDate().year(), 5, 1);
        QCOMPARE(role(0, "type").toInt(), 3);
        QCOMPARE(role(0, "startDate").toDateTime(), wall(moved, QTime(9, 30)));
        QCOMPARE(textOf(QStringLiteral("rangeStartTime_0")), QStringLiteral("09:30"));
        QCOMPARE(textOf(QStringLiteral("rangeRepeat_0")), QStringLiteral("2 Tag(e)"));
        QVERIFY(!item(QStringLiteral("rangeItemError_0")));

        // Sorted by type: the new fixed range comes first.
        create(0, wall(day, QTime(8, 0)), wall(day, QTime(8, 0)));
        QVERIFY(waitForItem(QStringLiteral("rangeItemError_0")));
        QCOMPARE(textOf(QStringLiteral("rangeItemError_0")), QStringLiteral("Start und Ende müssen sich unterscheiden"));
    }

    // Copy by choosing ranges and leaving the mode, paste, then remove by tapping.
    void listCopiesPastesAndDeletes() {
        QVERIFY(openList(QStringLiteral("Tarvino Rix3 Weekly 2")));
        create(0, wall(QDate(2026, 5, 1)), wall(QDate(2026, 5, 2)));
        create(0, wall(QDate(2026, 6, 1)), wall(QDate(2026, 6, 2)));
        QVERIFY(waitForItem(QStringLiteral("rangeItem_1")));
        QVERIFY(!item(QStringLiteral("rangePasteButton"))->isEnabled());

        QVERIFY(clickOn(QStringLiteral("rangeCopyButton")));
        QCOMPARE(extra()->selectionMode(), int(ExtraProgramViewController::Copy));
        QVERIFY(item(QStringLiteral("rangeCopyCheck_0")));
        QVERIFY(clickOn(QStringLiteral("rangeItem_1")));
        QCOMPARE(role(1, "selected").toBool(), true);
        QCOMPARE(role(0, "selected").toBool(), false);
        QVERIFY(clickOn(QStringLiteral("rangeCopyButton")));
        QCOMPARE(extra()->selectionMode(), int(ExtraProgramViewController::Normal));
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("rangePasteButton"))->isEnabled(); }));
        QVERIFY(clickOn(QStringLiteral("rangePasteButton")));
        QCOMPARE(ranges()->rowCount(), 3);
        QCOMPARE(role(2, "startDate").toDateTime(), wall(QDate(2026, 6, 1)));

        QVERIFY(clickOn(QStringLiteral("rangeDeleteButton")));
        QVERIFY(item(QStringLiteral("rangeDeleteMark_0")));
        // The first of the sorted list is the May range.
        QVERIFY(clickOn(QStringLiteral("rangeItem_0")));
        QCOMPARE(ranges()->rowCount(), 2);
        QCOMPARE(role(0, "startDate").toDateTime(), wall(QDate(2026, 6, 1)));
        QCOMPARE(role(1, "startDate").toDateTime(), wall(QDate(2026, 6, 1)));
        QVERIFY(!item(QStringLiteral("sonderProgramDate")));
    }

    // Every part of the range editor stays inside the phone's window, whatever the type shows.
    void editorFitsThePhoneWindow_data() {
        QTest::addColumn<int>("type");
        for (int type = 0; type <= 5; ++type)
            QTest::addRow("type %d", type) << type;
    }
    void editorFitsThePhoneWindow() {
        QFETCH(int, type);
        QVERIFY(openList(QStringLiteral("Tarvino Rix3 Weekly 2")));
        QCOMPARE(item(QStringLiteral("sonderProgramView"))->window()->width(), 405);
        QVERIFY(clickInBar(QStringLiteral("newRange_%1").arg(type)));
        QVERIFY(waitForItem(QStringLiteral("sonderProgramDate")));
        QVERIFY(fitsTheWindow(QStringLiteral("sonderProgramDate")));
        // The buttons show, so the range can be stored.
        QVERIFY(clickOn(QStringLiteral("rangeEditorOk")));
        QVERIFY(waitForItem(QStringLiteral("rangeItem_0")));
        QVERIFY(fitsTheWindow(QStringLiteral("rangeItem_0")));
    }

    // A series names its interval with the plural form of the language.
    void seriesCountsItsDays_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("repeat");
        QTest::addColumn<QString>("text");
        QTest::newRow("German") << QStringLiteral("de") << 3 << QStringLiteral("3 Tag(e)");
        QTest::newRow("English one") << QStringLiteral("en") << 1 << QStringLiteral("1 day");
        QTest::newRow("English more") << QStringLiteral("en") << 3 << QStringLiteral("3 days");
    }
    void seriesCountsItsDays() {
        QFETCH(QString, language);
        QFETCH(int, repeat);
        QFETCH(QString, text);
        QVERIFY(openList(QStringLiteral("Tarvino Rix3 Weekly 2")));
        create(3, wall(QDate(2026, 3, 2)), wall(QDate(2026, 3, 3)));
        QVERIFY(ranges()->setData(ranges()->index(0, 0), repeat, ranges()->roleNames().key("repeat")));
        QVERIFY(harness->setLanguage(language));
        QVERIFY(waitForItem(QStringLiteral("rangeRepeat_0")));
        QCOMPARE(textOf(QStringLiteral("rangeRepeat_0")), text);
        // The long caption is shown whole.
        QVERIFY(!item(QStringLiteral("rangeRepeat_0Caption"))->property("truncated").toBool());
    }

    // Each range lists the switch times of its standard extra program: on and off of a plain
    // channel, start and end of the astronomic programs, and the thresholds of twilight
    // devices. An unused instant reads "--:--", an unused program is left out.
    void itemsListTheProgramSwitchTimes_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("plain") << QStringLiteral("Tarvino Rix2 Weekly 2")
                               << QStringList{"rangeOn1_0", "rangeOff1_0", "rangeOn2_0", "rangeOff2_0"}
                               << QStringList{"06:15", "22:30", "--:--", "12:00"}
                               << QStringList{"rangeFirstStart_0", "rangeSecondStart_0", "rangeLuxOn_0"};
        QTest::newRow("astro") << QStringLiteral("Tarvino Rix2 Astro 1")
                               << QStringList{"rangeFirstStart_0", "rangeFirstEnd_0"}
                               << QStringList{"06:15", "22:30"}
                               << QStringList{"rangeOn1_0", "rangeOn2_0", "rangeSecondStart_0", "rangeLuxOn_0"};
        QTest::newRow("twilight") << QStringLiteral("Tarvino Rix2 Lumen 2")
                                  << QStringList{"rangeFirstStart_0", "rangeFirstEnd_0", "rangeLuxOn_0", "rangeLuxOff_0"}
                                  << QStringList{"06:15", "22:30", "Ein 20 lx", "40 lx"}
                                  << QStringList{"rangeOn1_0", "rangeSecondStart_0"};
    }
    void itemsListTheProgramSwitchTimes() {
        QFETCH(QString, device);
        QFETCH(QStringList, names);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, absent);
        QVERIFY(openList(device));
        ExtraProgramSwitchTimeController* times = extra()->switchTimes();
        QVERIFY(times);
        const QDate today = QDate::currentDate();
        times->setIsActiveOnProg1(true);
        times->setIsActiveOffProg1(true);
        times->setOnTimeProg1(wall(today, QTime(6, 15)));
        times->setOffTimeProg1(wall(today, QTime(22, 30)));
        times->setIsActiveOnProg2(false);
        times->setIsActiveOffProg2(true);
        times->setOffTimeProg2(wall(today, QTime(12, 0)));
        times->setLuxValueOn(20);
        times->setLuxValueOff(40);
        times->saveModifications();
        create(0, wall(QDate(2026, 5, 1)), wall(QDate(2026, 5, 2)));
        QVERIFY(waitForItem(QStringLiteral("rangeItem_0")));
        for (int entry = 0; entry < names.size(); ++entry)
            QCOMPARE(textOf(names.at(entry)), texts.at(entry));
        for (const QString& name : absent)
            QVERIFY2(!item(name), qPrintable(name));
        QVERIFY(fitsTheWindow(QStringLiteral("rangeItem_0")));
        QVERIFY(fitsTheWindow(QStringLiteral("extraProgramHead")));
        // Nothing empty stands above the program: at most the channel buttons and a spacing.
        const QQuickItem* page = item(QStringLiteral("programView"));
        const QQuickItem* channels = item(QStringLiteral("channelsToolbar"));
        const qreal top = 20 + (channels ? channels->height() + 10 : 0);
        QVERIFY(item(QStringLiteral("sonderProgramView"))->mapToItem(page, QPointF()).y() <= top + 1);

        // The list follows the controller.
        times->setIsActiveOnProg1(false);
        times->setIsActiveOffProg1(false);
        QVERIFY(ViewHarness::waitFor([this] { return !item(QStringLiteral("rangeOn1_0")) && !item(QStringLiteral("rangeFirstStart_0")); }));
    }

    // The permanent programs have no switch times of their own.
    void permanentProgramsListNoSwitchTimes() {
        QVERIFY(openList(QStringLiteral("Tarvino Rix2 Weekly 2")));
        const int permanent = main().projectContent()->programms() - 2;
        QVERIFY(openList(QStringLiteral("Tarvino Rix2 Weekly 2"), permanent));
        ExtraProgramViewController* program = main().projectContent()->extraProgramViewController(permanent);
        QCOMPARE(program->extraType(), ExtraProgramViewController::PermOn);
        if (ExtraProgramSwitchTimeController* times = program->switchTimes()) {
            times->setIsActiveOnProg1(true);
            times->setIsActiveOffProg1(true);
        }
        create(0, wall(QDate(2026, 5, 1)), wall(QDate(2026, 5, 2)), 0, 1, program);
        QVERIFY(waitForItem(QStringLiteral("rangeItem_0")));
        QVERIFY(item(QStringLiteral("rangeStart_0")));
        QVERIFY(!item(QStringLiteral("rangeOn1_0")));
        QVERIFY(!item(QStringLiteral("rangeFirstStart_0")));
    }

    // The pop-up on its own offers the holiday rules last, and "OK" gives the chosen row.
    void typePopupOffersTheHolidayRules_data() {
        QTest::addColumn<bool>("extended");
        QTest::addColumn<bool>("allowHolidays");
        QTest::addColumn<QList<int>>("types");
        QTest::newRow("plain") << false << true << QList<int>{0, 1, 2, 6};
        QTest::newRow("extended") << true << true << QList<int>{0, 1, 2, 3, 4, 5, 6};
        QTest::newRow("no holidays") << true << false << QList<int>{0, 1, 2, 3, 4, 5};
    }
    void typePopupOffersTheHolidayRules() {
        QFETCH(bool, extended);
        QFETCH(bool, allowHolidays);
        QFETCH(QList<int>, types);
        QObject* popup = harness->load(QStringLiteral("app/popups/SonderProgramTypePopup.qml"),
                                       {{QStringLiteral("hasExtendedDateRanges"), extended},
                                        {QStringLiteral("allowHolidays"), allowHolidays}});
        QVERIFY(popup);
        QMetaObject::invokeMethod(popup, "open");
        QVERIFY(waitForItem(QStringLiteral("rangeTypeEntry_0")));
        QCOMPARE(ViewHarness::text(harness->findByName(QStringLiteral("popupTitle"))), QStringLiteral("Typ auswählen"));
        for (int type = 0; type <= 6; ++type)
            QCOMPARE(item(QStringLiteral("rangeTypeEntry_%1").arg(type)) != nullptr, types.contains(type));
        if (allowHolidays)
            QCOMPARE(textOf(QStringLiteral("rangeTypeEntry_6")), QStringLiteral("Feiertagsregeln anwenden.."));
        QVERIFY(clickOn(QStringLiteral("rangeTypeEntry_%1").arg(types.last())));
        QVERIFY(clickOn(QStringLiteral("typeOk")));
        QVERIFY(ViewHarness::waitFor([popup] { return !popup->property("visible").toBool(); }));
        QCOMPARE(popup->property("result").toInt(), types.last());
    }
};

QTEST_MAIN(TestViewExtraProgramList)
#include "tst_view_extraprogramlist.moc"
