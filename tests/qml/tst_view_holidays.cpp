#include <QAbstractItemModel>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <memory>

#include <holidays/holiday.h>
#include <holidays/holidayset.h>
#include <holidays/holidaysetfilter.h>
#include <holidays/holidaysetservice.h>
#include <holidays/holidays.h>
#include "undolistmodel.h"

#include "daterangelistmodel.h"
#include "extraprogramviewcontroller.h"
#include "maincontroller.h"
#include "projectcontentcontroller.h"
#include "viewfixture.h"

using holidays::Holiday;
using holidays::HolidaySetService;

// The holiday set window on the program's holiday service: sets and rules edited in edit mode,
// the rule texts, and a set applied to an extra program in apply mode.
class TestViewHolidays : public ViewFixture {
    Q_OBJECT

private:
    static HolidaySetService& service() { return HolidaySetService::instance(); }

    QObject* openWindow(bool editMode) {
        QObject* view = harness->load(QStringLiteral("app/holidays/HolidaySetEdition.qml"),
                                      {{QStringLiteral("editMode"), editMode}});
        return view;
    }
    // The custom sets by name.
    static QStringList customSets() {
        QStringList names;
        for (const holidays::HolidaySet& set : service().holidaySetList()) {
            if (set.custom())
                names << set.name();
        }
        return names;
    }
    static holidays::HolidaySet customSet(const QString& name) {
        for (const holidays::HolidaySet& set : service().holidaySetList()) {
            if (set.custom() && set.name() == name)
                return set;
        }
        return {};
    }
    // Chooses the set of this name in the window's set chooser.
    bool chooseSet(const QString& name) {
        QQuickItem* box = item(QStringLiteral("holidaySetChooser"));
        int row = -1;
        QMetaObject::invokeMethod(box, "find", Q_RETURN_ARG(int, row), Q_ARG(QString, name));
        return row >= 0 && chooseIn(QStringLiteral("holidaySetChooser"), row);
    }
    // Once a pop-up has closed, its fading dim no longer takes the clicks.
    bool closed(const QString& popup) {
        if (!ViewHarness::waitFor([&] { return !harness->findPopup(popup); }))
            return false;
        QTest::qWait(250);
        return true;
    }
    bool enterName(const QString& name) {
        if (!ViewHarness::waitFor([this] { return harness->findPopup(QStringLiteral("nameEdition")); }))
            return false;
        QQuickItem* field = item(QStringLiteral("nameField"));
        field->setProperty("text", QString());
        if (!harness->typeText(field, name))
            return false;
        QQuickItem* ok = item(QStringLiteral("nameOk"));
        return ok->isEnabled() && harness->click(ok) && closed(QStringLiteral("nameEdition"));
    }
    // Types a date into one of the form's date editors and commits it.
    bool typeDate(const QString& editor, const QString& digits) {
        QQuickItem* dateEditor = item(editor);
        QQuickItem* field = dateEditor ? dateEditor->findChild<QQuickItem*>(QStringLiteral("dateField")) : nullptr;
        if (!field || !harness->click(field))
            return false;
        field->setProperty("cursorPosition", 0);
        if (!harness->typeText(field, digits))
            return false;
        harness->key(Qt::Key_Return);
        return true;
    }
    QObject* openRuleForm() {
        if (!harness->click(item(QStringLiteral("newRule"))))
            return nullptr;
        QObject* form = nullptr;
        ViewHarness::waitFor([&] { return (form = harness->findPopup(QStringLiteral("holidayEdition"))) != nullptr; });
        QTest::qWait(100);
        return form;
    }
    bool accept() {
        QQuickItem* ok = item(QStringLiteral("holidayOk"));
        return ok && ok->isEnabled() && harness->click(ok) && closed(QStringLiteral("holidayEdition"));
    }
    // A custom set made through the window, shown selected.
    bool newSet(const QString& name) {
        return harness->click(item(QStringLiteral("newSet"))) && enterName(name);
    }

private slots:
    void initTestCase() {
        ViewHarness::Options options;
        options.windowSize = QSize(1400, 1200);
        harness = std::make_unique<ViewHarness>(options);
    }
    void cleanupTestCase() { harness.reset(); }
    void cleanup() {
        for (QObject* popup : harness->openPopups())
            QMetaObject::invokeMethod(popup, "close");
        for (const QString& name : customSets()) {
            for (int row = 0; row < service().sortedHolidaySet()->rowCount(); ++row) {
                if (service().sortedHolidaySet()->index(row, 0).data(Qt::UserRole + 1).toString() == name) {
                    service().removeCustomHolidaySet(row, true);
                    break;
                }
            }
        }
        main().closeProject();
    }

    void newCopyRenameAndRemoveSets() {
        QVERIFY(openWindow(true));
        QVERIFY(ViewHarness::text(item(QStringLiteral("holidayNotice"))).startsWith(QStringLiteral("Für die Richtigkeit")));
        QVERIFY(newSet(QStringLiteral("Betriebsferien")));
        QCOMPARE(customSets(), QStringList({QStringLiteral("Betriebsferien")}));
        QCOMPARE(service().currentSetName(), QStringLiteral("Betriebsferien"));
        QVERIFY(item(QStringLiteral("renameSet"))->isEnabled());
        QVERIFY(item(QStringLiteral("newRule"))->isEnabled());

        // A copy of a built-in set keeps its rules.
        const QList<holidays::HolidaySet> sets = service().holidaySetList();
        const holidays::HolidaySet builtIn = *std::find_if(sets.cbegin(), sets.cend(),
                                                           [](const holidays::HolidaySet& set) { return !set.custom(); });
        QVERIFY(!builtIn.custom());
        QVERIFY(chooseSet(builtIn.name()));
        QVERIFY(!item(QStringLiteral("renameSet"))->isEnabled());
        QVERIFY(!item(QStringLiteral("removeSet"))->isEnabled());
        QVERIFY(!item(QStringLiteral("newRule"))->isEnabled());
        QVERIFY(harness->click(item(QStringLiteral("copySet"))));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findPopup(QStringLiteral("nameEdition")); }));
        QCOMPARE(textOf(QStringLiteral("nameField")), builtIn.name());
        QVERIFY(enterName(QStringLiteral("Kopie")));
        QCOMPARE(customSet(QStringLiteral("Kopie")).holidays().size(), builtIn.holidays().size());
        QCOMPARE(service().currentSetName(), QStringLiteral("Kopie"));

        QVERIFY(harness->click(item(QStringLiteral("renameSet"))));
        QVERIFY(enterName(QStringLiteral("Werksferien")));
        QVERIFY(customSets().contains(QStringLiteral("Werksferien")));
        QVERIFY(!customSets().contains(QStringLiteral("Kopie")));

        // An empty name is refused.
        QVERIFY(harness->click(item(QStringLiteral("renameSet"))));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findPopup(QStringLiteral("nameEdition")); }));
        item(QStringLiteral("nameField"))->setProperty("text", QString());
        QVERIFY(harness->typeText(item(QStringLiteral("nameField")), QStringLiteral("  ")));
        QVERIFY(!item(QStringLiteral("nameOk"))->isEnabled());
        QVERIFY(harness->click(item(QStringLiteral("nameCancel"))));
        QVERIFY(closed(QStringLiteral("nameEdition")));

        QVERIFY(harness->click(item(QStringLiteral("removeSet"))));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findPopup(QStringLiteral("removeSetConfirmation")); }));
        QCOMPARE(textOf(QStringLiteral("popupText")),
                 QStringLiteral("Sind Sie sicher, dass Sie dieses Feiertagsset dauerhaft löschen möchten?"));
        QVERIFY(harness->click(item(QStringLiteral("acceptButton"))));
        QCOMPARE(customSets(), QStringList({QStringLiteral("Betriebsferien")}));
    }

    void predefinedSetsCanBeHidden() {
        QVERIFY(openWindow(true));
        QVERIFY(newSet(QStringLiteral("Eigene")));
        QQuickItem* box = item(QStringLiteral("showPredefined"));
        QVERIFY(box->property("checked").toBool());
        QVERIFY(harness->click(box));
        QCOMPARE(service().sortedHolidaySet()->rowCount(), 1);
        QCOMPARE(service().currentSetName(), QStringLiteral("Eigene"));
        QVERIFY(harness->click(box));
        QVERIFY(service().sortedHolidaySet()->rowCount() > 1);
        QCOMPARE(service().currentIndex(true), 0);
    }

    // Each type through the form, with the message of each check.
    void rulesOfEachTypeThroughTheForm() {
        QVERIFY(openWindow(true));
        QVERIFY(newSet(QStringLiteral("Regeln")));
        const QString identical = QStringLiteral("Start und Ende müssen sich unterscheiden");
        const QString endFirst = QStringLiteral("Ende muss nach dem Beginn liegen");

        // Type 0: the same day and hour is refused, a span over the new year is not.
        QVERIFY(openRuleForm());
        QVERIFY(!item(QStringLiteral("holidayOk"))->isEnabled());
        QVERIFY(harness->typeText(item(QStringLiteral("holidayName")), QStringLiteral("Silvester")));
        QVERIFY(typeDate(QStringLiteral("holidayStartDate"), QStringLiteral("3112")));
        QVERIFY(typeDate(QStringLiteral("holidayEndDate"), QStringLiteral("3112")));
        QCOMPARE(textOf(QStringLiteral("holidayError")), identical);
        QVERIFY(!item(QStringLiteral("holidayOk"))->isEnabled());
        QVERIFY(chooseIn(QStringLiteral("holidayStartHour"), 18));
        QVERIFY(typeDate(QStringLiteral("holidayEndDate"), QStringLiteral("0101")));
        QVERIFY(chooseIn(QStringLiteral("holidayEndHour"), 6));
        QCOMPARE(textOf(QStringLiteral("holidayError")), QString());
        QVERIFY(accept());

        // Type 1: the Thursday after 1 May, two days.
        QVERIFY(openRuleForm());
        QVERIFY(harness->typeText(item(QStringLiteral("holidayName")), QStringLiteral("Brückentag")));
        QVERIFY(chooseIn(QStringLiteral("holidayType"), 1));
        QVERIFY(typeDate(QStringLiteral("holidayBaseDate"), QStringLiteral("0105")));
        QVERIFY(chooseIn(QStringLiteral("holidayWeekday"), 7 + 3));
        QCOMPARE(item(QStringLiteral("holidayWeekday"))->property("currentText").toString(),
                 QStringLiteral("Donnerstag nach dem 01.05"));
        QQuickItem* days = item(QStringLiteral("holidayDuration"));
        days->setProperty("value", 2);
        QMetaObject::invokeMethod(days, "valueModified");
        QCOMPARE(textOf(QStringLiteral("holidayError")), QString());
        QVERIFY(accept());

        // Type 2: the same day needs a later end time; an end day before the start is refused.
        QVERIFY(openRuleForm());
        QVERIFY(harness->typeText(item(QStringLiteral("holidayName")), QStringLiteral("Ostern")));
        QVERIFY(chooseIn(QStringLiteral("holidayType"), 2));
        QVERIFY(chooseIn(QStringLiteral("holidayStartDay"), 81));
        QVERIFY(chooseIn(QStringLiteral("holidayEndDay"), 81));
        QCOMPARE(textOf(QStringLiteral("holidayError")), identical);
        QVERIFY(chooseIn(QStringLiteral("holidayStartHour"), 12));
        QCOMPARE(textOf(QStringLiteral("holidayError")), endFirst);
        QVERIFY(chooseIn(QStringLiteral("holidayStartDay"), 81 + 2));
        QCOMPARE(textOf(QStringLiteral("holidayError")), endFirst);
        QVERIFY(chooseIn(QStringLiteral("holidayStartDay"), 81 - 2));
        QVERIFY(chooseIn(QStringLiteral("holidayEndDay"), 81 + 1));
        QCOMPARE(textOf(QStringLiteral("holidayError")), QString());
        QVERIFY(accept());

        // Type 3, the same checks about the Chinese New Year.
        QVERIFY(openRuleForm());
        QVERIFY(harness->typeText(item(QStringLiteral("holidayName")), QStringLiteral("Neujahrsfest")));
        QVERIFY(chooseIn(QStringLiteral("holidayType"), 3));
        QCOMPARE(item(QStringLiteral("holidayStartDay"))->property("count").toInt(), 41);
        QVERIFY(chooseIn(QStringLiteral("holidayStartDay"), 20));
        QVERIFY(chooseIn(QStringLiteral("holidayEndDay"), 20));
        QCOMPARE(textOf(QStringLiteral("holidayError")), identical);
        QVERIFY(chooseIn(QStringLiteral("holidayEndDay"), 20 + 3));
        QCOMPARE(textOf(QStringLiteral("holidayError")), QString());
        QVERIFY(accept());

        // Type 4: the whole moments count, so 1 May 18:00 to 3 May 06:00 is valid.
        QVERIFY(openRuleForm());
        QVERIFY(harness->typeText(item(QStringLiteral("holidayName")), QStringLiteral("Messe")));
        QVERIFY(chooseIn(QStringLiteral("holidayType"), 4));
        QVERIFY(typeDate(QStringLiteral("holidayStartDate"), QStringLiteral("010526")));
        QVERIFY(typeDate(QStringLiteral("holidayEndDate"), QStringLiteral("010526")));
        QVERIFY(chooseIn(QStringLiteral("holidayStartHour"), 18));
        QVERIFY(chooseIn(QStringLiteral("holidayEndHour"), 6));
        QCOMPARE(textOf(QStringLiteral("holidayError")), endFirst);
        QVERIFY(typeDate(QStringLiteral("holidayEndDate"), QStringLiteral("030526")));
        QCOMPARE(textOf(QStringLiteral("holidayError")), QString());
        QVERIFY(accept());

        const QList<Holiday> rules = customSet(QStringLiteral("Regeln")).holidays();
        QCOMPARE(rules.size(), 5);
        QCOMPARE(rules[0].name(), QStringLiteral("Silvester"));
        QCOMPARE(rules[0].type(), 0);
        QCOMPARE(QList<int>({rules[0].startDay(), rules[0].startMonth(), rules[0].startHour(), rules[0].endDay(),
                             rules[0].endMonth(), rules[0].endHour()}),
                 QList<int>({31, 12, 18, 1, 1, 6}));
        QCOMPARE(rules[1].type(), 1);
        QCOMPARE(QList<int>({rules[1].startOffset(), rules[1].startDay(), rules[1].startMonth(), rules[1].endOffset()}),
                 QList<int>({3, 1, 5, 2}));
        QCOMPARE(rules[2].type(), 2);
        QCOMPARE(QList<int>({rules[2].startOffset(), rules[2].endOffset(), rules[2].startHour()}), QList<int>({-2, 1, 12}));
        QCOMPARE(rules[3].type(), 3);
        QCOMPARE(QList<int>({rules[3].startOffset(), rules[3].endOffset()}), QList<int>({0, 3}));
        QCOMPARE(rules[4].type(), 4);
        QCOMPARE(QList<int>({rules[4].startDay(), rules[4].startMonth(), rules[4].startYear(), rules[4].startHour(),
                             rules[4].endDay(), rules[4].endYear(), rules[4].endHour()}),
                 QList<int>({1, 5, 2026, 18, 3, 2026, 6}));
        QCOMPARE(item(QStringLiteral("holidayRules"))->property("count").toInt(), 5);

        // Edited through the form, then removed.
        QVERIFY(harness->click(item(QStringLiteral("holidayRule_2"))));
        QVERIFY(harness->click(item(QStringLiteral("editRule"))));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findPopup(QStringLiteral("holidayEdition")); }));
        QVERIFY(ViewHarness::waitFor([this] { return textOf(QStringLiteral("holidayName")) == QStringLiteral("Ostern"); }));
        QCOMPARE(item(QStringLiteral("holidayStartDay"))->property("currentText").toString(), QStringLiteral("Karfreitag"));
        QVERIFY(chooseIn(QStringLiteral("holidayEndDay"), 81 + 50));
        QCOMPARE(textOf(QStringLiteral("holidayError")), QString());
        QCOMPARE(textOf(QStringLiteral("holidayName")), QStringLiteral("Ostern"));
        // The day list is the one that opened: no hour box lies over it.
        for (QObject* popup : harness->openPopups())
            QCOMPARE(popup->objectName(), QStringLiteral("holidayEdition"));
        QVERIFY(accept());
        QCOMPARE(customSet(QStringLiteral("Regeln")).holidays()[2].endOffset(), 50);
        QVERIFY(harness->click(item(QStringLiteral("removeRule"))));
        QCOMPARE(customSet(QStringLiteral("Regeln")).holidays().size(), 4);
    }

    // A date picker beside the set window marks the current set's days; a rule edited in the
    // window moves its mark and the day's name at once.
    void pickerMarksFollowARuleEdit() {
        QVERIFY(harness->loadData("import QtQuick\nimport Tarvino\n"
                                  "Row {\n"
                                  "    HolidaySetEdition { width: 768; height: 700 }\n"
                                  "    CalendarList { currentDate: new Date(2026, 4, 20) }\n"
                                  "}"));
        QVERIFY(newSet(QStringLiteral("Marken")));
        QVERIFY(!item(QStringLiteral("mark_20")));
        QVERIFY(openRuleForm());
        QVERIFY(harness->typeText(item(QStringLiteral("holidayName")), QStringLiteral("Stadtfest")));
        QVERIFY(typeDate(QStringLiteral("holidayStartDate"), QStringLiteral("2005")));
        QVERIFY(typeDate(QStringLiteral("holidayEndDate"), QStringLiteral("2105")));
        QVERIFY(accept());
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("mark_20")); }));
        QCOMPARE(textOf(QStringLiteral("dayHolidayName")), QStringLiteral("Stadtfest"));

        QVERIFY(harness->click(item(QStringLiteral("holidayRule_0"))));
        QVERIFY(harness->click(item(QStringLiteral("editRule"))));
        QVERIFY(ViewHarness::waitFor([this] { return textOf(QStringLiteral("holidayName")) == QStringLiteral("Stadtfest"); }));
        QVERIFY(typeDate(QStringLiteral("holidayEndDate"), QStringLiteral("2305")));
        QVERIFY(typeDate(QStringLiteral("holidayStartDate"), QStringLiteral("2205")));
        QCOMPARE(textOf(QStringLiteral("holidayError")), QString());
        QVERIFY(accept());
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("mark_22")); }));
        QVERIFY(!item(QStringLiteral("mark_20")));
        QVERIFY(!item(QStringLiteral("dayHolidayName")));

        // Removing the rule takes its mark away.
        QVERIFY(harness->click(item(QStringLiteral("removeRule"))));
        QVERIFY(ViewHarness::waitFor([this] { return !item(QStringLiteral("mark_22")); }));
    }

    void ruleTexts_data() {
        QTest::addColumn<QVariantMap>("rule");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        const auto rule = [](const Holiday& holiday) { return holiday.data().toVariantMap(); };
        QTest::newRow("yearly") << rule(Holiday(QStringLiteral("a"), 0, 0, 24, 12, 2008, 14, 0, 27, 2008, 12, 6))
                                << QStringLiteral("24.12 14:00") << QStringLiteral("27.12 06:00");
        QTest::newRow("weekday before") << rule(Holiday(QStringLiteral("b"), 1, -3, 23, 11, 2008, 0, 1, 0, 0, 0, 0))
                                        << QStringLiteral("Mittwoch vor dem 23.11 00:00") << QStringLiteral("1 Tag(e) 0h");
        QTest::newRow("weekday after") << rule(Holiday(QStringLiteral("c"), 1, 6, 14, 9, 2008, 8, 2, 0, 0, 0, 18))
                                       << QStringLiteral("Sonntag nach dem 14.09 08:00") << QStringLiteral("2 Tag(e) 18h");
        QTest::newRow("week of month") << rule(Holiday(QStringLiteral("d"), 5, 3, 17, 9, 2008, 0, 1, 0, 0, 0, 0))
                                       << QStringLiteral("Donnerstag nach dem Erster Sonntag im September 00:00")
                                       << QStringLiteral("1 Tag(e) 0h");
        QTest::newRow("Easter before") << rule(Holiday(QStringLiteral("e"), 2, -2, 0, 0, 0, 0, 0, 0, 0, 0, 12))
                                       << QStringLiteral("2 Tag(e) vor Ostersonntag 00:00")
                                       << QStringLiteral("Ostersonntag 12:00");
        QTest::newRow("Easter after") << rule(Holiday(QStringLiteral("f"), 2, 39, 0, 0, 0, 6, 50, 0, 0, 0, 0))
                                      << QStringLiteral("39 Tag(e) nach Ostersonntag 06:00")
                                      << QStringLiteral("50 Tag(e) nach Ostersonntag 00:00");
        QTest::newRow("New Year") << rule(Holiday(QStringLiteral("g"), 3, -1, 0, 0, 0, 0, 2, 0, 0, 0, 0))
                                  << QStringLiteral("1 Tag(e) vor Chinese NY 00:00")
                                  << QStringLiteral("2 Tag(e) nach Chinese NY 00:00");
        QTest::newRow("New Year day") << rule(Holiday(QStringLiteral("h"), 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 23))
                                      << QStringLiteral("Chinesisches Neujahr 00:00")
                                      << QStringLiteral("Chinesisches Neujahr 23:00");
        QTest::newRow("once") << rule(Holiday(QStringLiteral("i"), 4, 0, 1, 5, 2026, 18, 0, 3, 2026, 5, 6))
                              << QStringLiteral("01.05.26 18:00") << QStringLiteral("03.05.26 06:00");
        QTest::newRow("none") << QVariantMap() << QStringLiteral("-") << QStringLiteral("-");
    }
    void ruleTexts() {
        QFETCH(QVariantMap, rule);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QObject* view = openWindow(true);
        QVERIFY(view);
        QVariant text;
        QVERIFY(QMetaObject::invokeMethod(view, "startText", Q_RETURN_ARG(QVariant, text), Q_ARG(QVariant, rule)));
        QCOMPARE(text.toString(), start);
        QVERIFY(QMetaObject::invokeMethod(view, "endText", Q_RETURN_ARG(QVariant, text), Q_ARG(QVariant, rule)));
        QCOMPARE(text.toString(), end);
    }

    // A set with a weekday rule and a yearly rule over the new year, applied until 2030 from the
    // date table; one undo takes every range back.
    void applyToAnExtraProgram() {
        const int thisYear = QDate::currentDate().year();
        QVERIFY(service().addCustomHolidaySet(QStringLiteral("Anwenden")));
        const int setRow = service().currentIndex(true);
        QVERIFY(service().addHoliday(setRow, Holiday(QStringLiteral("Brückentag"), 1, 4, 1, 5, 2008, 0, 1, 0, 0, 0, 0).data(), true));
        QVERIFY(service().addHoliday(setRow, Holiday(QStringLiteral("Jahreswechsel"), 0, 0, 31, 12, 2008, 18, 0, 1, 2008, 1, 6).data(), true));

        QVERIFY(main().createProject(model(QStringLiteral("Tarvino Rix3 Weekly 2")), QStringLiteral("Feiertage"))
                && main().openCurrentProject());
        QVERIFY(harness->load(QStringLiteral("app/views/ProjectContentView.qml"),
                              {{QStringLiteral("viewController"), QVariant::fromValue(main().projectContent())}}));
        main().projectContent()->setSelectedProgram(1);
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("applyHolidaySet")); }));
        // The project view takes its place before the footer is there to click.
        QTest::qWait(500);
        QVERIFY(harness->click(item(QStringLiteral("applyHolidaySet"))));
        QVERIFY(ViewHarness::waitFor([this] { return !harness->dialogs().isEmpty() && item(QStringLiteral("applyOk")); }));
        QQuickWindow* dialog = harness->dialogs().first();
        QCOMPARE(dialog->width(), 768);
        QCOMPARE(dialog->height(), 550);
        QVERIFY(!item(QStringLiteral("newRule")));
        QVERIFY(!item(QStringLiteral("ruleStart_0")));
        QVERIFY(chooseSet(QStringLiteral("Anwenden")));
        QQuickItem* until = item(QStringLiteral("applyUntilYear"));
        QVERIFY(until);
        QQuickItem* year = until->findChild<QQuickItem*>(QStringLiteral("yearField"));
        QVERIFY(harness->click(year));
        year->setProperty("text", QString());
        QVERIFY(harness->typeText(year, QStringLiteral("2030")));
        harness->key(Qt::Key_Return);
        QVERIFY(ViewHarness::waitFor([] { return service().applyUntilYear() == 2030; }));
        QVERIFY(harness->click(item(QStringLiteral("applyOk"))));
        QVERIFY(ViewHarness::waitFor([this] { return harness->dialogs().isEmpty(); }));

        // The Friday after 1 May of each year, and the yearly range from 31 December to 1 January.
        QList<QDate> expected;
        for (int y = thisYear; y <= 2030; ++y) {
            QDate day(y, 5, 1);
            do
                day = day.addDays(1);
            while (day.dayOfWeek() != Qt::Friday);
            expected << day;
        }
        QAbstractItemModel* ranges = main().projectContent()->extraProgramViewController(1)->dateRanges();
        const auto role = [ranges](int row, const QByteArray& name) {
            return ranges->data(ranges->index(row, 0), ranges->roleNames().key(name));
        };
        QCOMPARE(ranges->rowCount(), expected.size() + 1);
        for (int row = 0; row < expected.size(); ++row) {
            QCOMPARE(role(row, "type").toInt(), 0);
            QCOMPARE(role(row, "startDate").toDateTime(), QDateTime(expected[row], QTime(0, 0), Qt::UTC));
            QCOMPARE(role(row, "endDate").toDateTime(), QDateTime(expected[row].addDays(1), QTime(0, 0), Qt::UTC));
            QCOMPARE(role(row, "error").toString(), QString());
        }
        const int yearly = expected.size();
        QCOMPARE(role(yearly, "type").toInt(), 1);
        QCOMPARE(role(yearly, "startDate").toDateTime(), QDateTime(QDate(2008, 12, 31), QTime(18, 0), Qt::UTC));
        QCOMPARE(role(yearly, "endDate").toDateTime(), QDateTime(QDate(2008, 1, 1), QTime(6, 0), Qt::UTC));
        QCOMPARE(role(yearly, "error").toString(), QString());
        QVERIFY(ViewHarness::waitFor([&] { return item(QStringLiteral("durationText_%1").arg(yearly)); }));
        QCOMPARE(textOf(QStringLiteral("durationText_%1").arg(yearly)), QStringLiteral("12h 0m"));
        QCOMPARE(textOf(QStringLiteral("rangeError_%1").arg(yearly)), QString());

        auto* undo = qobject_cast<UndoListModel*>(ranges);
        QVERIFY(undo);
        undo->undo();
        QCOMPARE(ranges->rowCount(), 0);
    }

    // The user's sets are read again by a service started afresh.
    void customSetsOutlastARestart() {
        QVERIFY(openWindow(true));
        QVERIFY(newSet(QStringLiteral("Bleibt")));
        QVERIFY(service().addHoliday(service().currentIndex(true),
                                     Holiday(QStringLiteral("Jubiläum"), 4, 0, 9, 9, 2027, 8, 0, 9, 2027, 9, 17).data(), true));
        bool found = false;
        {
            HolidaySetService restarted;
            restarted.init();
            for (const holidays::HolidaySet& set : restarted.holidaySetList()) {
                if (set.custom() && set.name() == QStringLiteral("Bleibt")) {
                    found = set.holidays().size() == 1 && set.holidays().first().name() == QStringLiteral("Jubiläum")
                            && set.holidays().first().startYear() == 2027;
                }
            }
        }
        QVERIFY(found);
    }
};

QTEST_MAIN(TestViewHolidays)
#include "tst_view_holidays.moc"
