#include <QAbstractItemModel>
#include <QClipboard>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <memory>

#include <core/windowlayout.h>

#include "daterangelistmodel.h"
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
    bool openList(const QString& device) {
        if (!main().createProject(model(device), QStringLiteral("Sonderprogramm")))
            return false;
        if (!openView(QStringLiteral("ProjectContentView"), QStringLiteral("programView")))
            return false;
        main().projectContent()->setSelectedProgram(1);
        return waitForItem(QStringLiteral("sonderProgramView"));
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
