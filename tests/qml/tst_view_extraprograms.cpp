#include <QAbstractItemModel>
#include <QClipboard>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include <holidays/holiday.h>
#include <holidays/holidaysetservice.h>
#include <storage/switchtime.h>

#include "daterangelistmodel.h"
#include "extraprogramswitchtimecontroller.h"
#include "extraprogramviewcontroller.h"
#include "maincontroller.h"
#include "projectcontentcontroller.h"
#include "projectcontroller.h"
#include "switchtimesviewcontroller.h"
#include "extraprogramfixture.h"

// The date table of an extra program in the program view, on the real controllers of an open
// project: ranges made from the footer, every cell edited, selection, the edit menu, and
// pasting ranges the device cannot hold. Then the extra program's switch times: their editors,
// heads and boxes on plain, astronomic and twilight channels, the permanent programs and the
// holiday sets applied to a program.
class TestViewExtraPrograms : public ExtraProgramFixture {
    Q_OBJECT

private:

    static ExtraProgramSwitchTimeController* switchTimes() { return extra()->switchTimes(); }
    static int secondsOf(int hour, int minute) { return hour * 3600 + minute * 60; }
    // Start times of the stored switches of program 1 (plain), or start and end of each (astro).
    static QList<int> storedStarts() {
        QList<int> starts;
        for (const storage::SwitchTime& entry : extra()->programSwitches())
            starts << entry.startTime();
        return starts;
    }
    static QList<int> storedRanges() {
        QList<int> ranges;
        for (const storage::SwitchTime& entry : extra()->programSwitches())
            ranges << entry.state() << entry.startTime() << entry.endTime();
        return ranges;
    }
    bool openProject(const QString& device) {
        return main().createProject(model(device), QStringLiteral("Sonderprogramm")) && main().openCurrentProject();
    }
    // The on/off editor page of program 1 on its own.
    QObject* openOnOffEditor(bool astroMode, bool lightMode) {
        return harness->load(QStringLiteral("app/views/SonderProgramOnOffEditionView.qml"),
                             {{QStringLiteral("viewController"), QVariant::fromValue(switchTimes())},
                              {QStringLiteral("astroMode"), astroMode},
                              {QStringLiteral("lightMode"), lightMode},
                              {QStringLiteral("projectName"), QStringLiteral("Sonderprogramm")}});
    }

    // A new project of the model in the project view, its first extra program selected.
    QQuickItem* openTable(const QString& device, const QSize& size = {}) {
        if (!openProject(device))
            return nullptr;
        QVariantMap properties{{QStringLiteral("viewController"), QVariant::fromValue(main().projectContent())}};
        if (size.isValid()) {
            properties.insert(QStringLiteral("width"), size.width());
            properties.insert(QStringLiteral("height"), size.height());
        }
        if (!harness->load(QStringLiteral("app/views/ProjectContentView.qml"), properties))
            return nullptr;
        main().projectContent()->setSelectedProgram(1);
        QQuickItem* table = nullptr;
        ViewHarness::waitFor([&] {
            table = harness->findByName(QStringLiteral("dateTable"));
            return table && table->width() > 0;
        });
        return table;
    }
    // Clicks the row's number cell with the keyboard modifiers held.
    bool clickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier, Qt::MouseButton button = Qt::LeftButton) {
        QQuickItem* item = harness->findByName(QStringLiteral("dateRow_%1").arg(row));
        if (!item)
            return false;
        const QPoint point = item->mapToScene(QPointF(10, item->height() / 2)).toPoint();
        QTest::mouseClick(item->window(), button, modifiers, point);
        return true;
    }
    QList<int> selectedRows() const {
        QList<int> rows;
        for (int row = 0; row < ranges()->rowCount(); ++row) {
            if (role(row, "selected").toBool())
                rows << row;
        }
        return rows;
    }
    bool triggerMenu(const QString& entry) {
        QObject* menu = harness->findPopup(QStringLiteral("dateContextMenu"));
        QQuickItem* item = harness->findByName(entry);
        return menu && item && item->isEnabled() && harness->click(item);
    }
    bool openCalendar(const QString& picker) {
        QQuickItem* item = harness->findByName(picker);
        return harness->click(item) && ViewHarness::waitFor([item] { return item->property("calendarOpen").toBool(); });
    }

private slots:
    // Tall enough for the grid and several rows of the table.
    void initTestCase() {
        ViewHarness::Options options;
        options.windowSize = QSize(1400, 1200);
        harness = std::make_unique<ViewHarness>(options);
    }
    void cleanupTestCase() { harness.reset(); }
    void cleanup() {
        QGuiApplication::clipboard()->clear();
        main().closeProject();
    }

    void footerCreatesEachType_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("duration");
        QTest::newRow("fixed date") << 0 << QStringLiteral("1d 0h 0m");
        QTest::newRow("every year") << 1 << QStringLiteral("1d 0h 0m");
        QTest::newRow("Easter") << 2 << QStringLiteral("1d 0h 0m");
        QTest::newRow("series") << 3 << QStringLiteral("1d 0h 0m");
        QTest::newRow("week rule") << 4 << QString();
        QTest::newRow("Chinese New Year") << 5 << QStringLiteral("1d 0h 0m");
    }
    // Today to tomorrow at 00:00, a yearly range on those days of 2008.
    void footerCreatesEachType() {
        QFETCH(int, type);
        QFETCH(QString, duration);
        QVERIFY(openTable(QStringLiteral("Tarvino Rix3 Weekly 2")));
        QVERIFY(chooseIn(QStringLiteral("newDateRange"), type));
        QCOMPARE(ranges()->rowCount(), 1);
        QCOMPARE(role(0, "type").toInt(), type);
        QVERIFY(ViewHarness::waitFor([this] { return harness->findByName(QStringLiteral("dateRow_0")); }));
        const QDate today = QDate::currentDate();
        if (type == 0 || type == 3) {
            QCOMPARE(role(0, "startDate").toDateTime(), wall(today));
            QCOMPARE(role(0, "endDate").toDateTime(), wall(today.addDays(1)));
        }
        if (type == 1)
            QCOMPARE(role(0, "startDate").toDateTime().date().year(), 2008);
        if (type == 2 || type == 5) {
            QCOMPARE(role(0, "startDay").toInt(), 0);
            QCOMPARE(role(0, "endDay").toInt(), 1);
        }
        if (type == 4) {
            QVERIFY(!harness->findByName(QStringLiteral("durationText_0")));
            QCOMPARE(harness->findByName(QStringLiteral("duration_0"))->property("value").toInt(), 1);
        } else {
            QCOMPARE(textOf(QStringLiteral("durationText_0")), duration);
        }
        QCOMPARE(textOf(QStringLiteral("rangeError_0")), QString());
        QCOMPARE(harness->findByName(QStringLiteral("newDateRange"))->property("displayText").toString(), QStringLiteral("Neu"));
    }

    // Duration and error texts of rows as the delegate computes them.
    void durationAndErrorTexts_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<int>("startDay");
        QTest::addColumn<int>("endDay");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("error");
        const QDate day(2026, 5, 1);
        QTest::newRow("fixed") << 0 << wall(day, QTime(8, 0)) << wall(day.addDays(2), QTime(10, 30)) << 0 << 1
                               << QStringLiteral("2d 2h 30m") << QString();
        QTest::newRow("fixed, end first") << 0 << wall(day, QTime(8, 0)) << wall(day, QTime(6, 0)) << 0 << 1
                                          << QStringLiteral("< 0") << QStringLiteral("Ende muss nach dem Beginn liegen");
        QTest::newRow("fixed, no length") << 0 << wall(day, QTime(8, 0)) << wall(day, QTime(8, 0)) << 0 << 1
                                          << QStringLiteral("0m") << QStringLiteral("Start und Ende müssen sich unterscheiden");
        QTest::newRow("yearly over new year") << 1 << wall(QDate(2008, 12, 31), QTime(18, 0))
                                              << wall(QDate(2008, 1, 1), QTime(6, 0)) << 0 << 1
                                              << QStringLiteral("12h 0m") << QString();
        QTest::newRow("Easter to Whit Monday") << 2 << wall(day) << wall(day) << -2 << 50
                                               << QStringLiteral("52d 0h 0m") << QString();
        QTest::newRow("Easter, end first") << 2 << wall(day) << wall(day) << 1 << 0
                                           << QStringLiteral("> 1 Jahr") << QString();
        QTest::newRow("Easter, same day") << 2 << wall(day, QTime(9, 0)) << wall(day, QTime(9, 0)) << 0 << 0
                                          << QStringLiteral("0m") << QStringLiteral("Start und Ende müssen sich unterscheiden");
        QTest::newRow("New Year, end first") << 5 << wall(day) << wall(day) << 1 << 0
                                             << QStringLiteral("364d 0h 0m") << QString();
        QTest::newRow("series overlapping") << 3 << wall(day) << wall(day.addDays(3)) << 0 << 1
                                            << QStringLiteral("3d 0h 0m") << QStringLiteral("Überschneidung nicht zulässig");
    }
    void durationAndErrorTexts() {
        QFETCH(int, type);
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, end);
        QFETCH(int, startDay);
        QFETCH(int, endDay);
        QFETCH(QString, duration);
        QFETCH(QString, error);
        QVERIFY(openTable(QStringLiteral("Tarvino Rix3 Weekly 2")));
        create(type, start, end, startDay, endDay);
        QVERIFY(ViewHarness::waitFor([this] { return harness->findByName(QStringLiteral("dateRow_0")); }));
        QCOMPARE(textOf(QStringLiteral("durationText_0")), duration);
        QCOMPARE(textOf(QStringLiteral("rangeError_0")), error);
    }

    // A week rule shows its hours as days and hours, whatever the spin box holds.
    void weekRuleDurationText() {
        QVERIFY(openTable(QStringLiteral("Tarvino Rix3 Weekly 2")));
        QCOMPARE(harness->evaluate(QStringLiteral("DateRangeProvider.weekRuleDurationText(123)")).toString(),
                 QStringLiteral("5d 03h"));
        QCOMPARE(harness->evaluate(QStringLiteral("DateRangeProvider.weekRuleDurationText(-1)")).toString(),
                 QStringLiteral("< 0"));
        QCOMPARE(harness->evaluate(QStringLiteral("DateRangeProvider.weekRuleDurationText(366 * 24 + 1)")).toString(),
                 QStringLiteral("> 1 Jahr"));
    }

    void fixedDateCellsEdit() {
        QVERIFY(openTable(QStringLiteral("Tarvino Rix3 Weekly 2")));
        create(0, wall(QDate(2026, 5, 1)), wall(QDate(2026, 5, 2)));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findByName(QStringLiteral("startDate_0")); }));

        QVERIFY(typeTime(QStringLiteral("startTime_0"), QStringLiteral("0930")));
        QCOMPARE(role(0, "startDate").toDateTime(), wall(QDate(2026, 5, 1), QTime(9, 30)));
        QVERIFY(typeTime(QStringLiteral("endTime_0"), QStringLiteral("1815")));
        QCOMPARE(role(0, "endDate").toDateTime(), wall(QDate(2026, 5, 2), QTime(18, 15)));

        QVERIFY(openCalendar(QStringLiteral("endDate_0")));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("day_20"))));
        QVERIFY(ViewHarness::waitFor([this] { return !harness->findByName(QStringLiteral("endDate_0"))->property("calendarOpen").toBool(); }));
        QCOMPARE(role(0, "endDate").toDateTime(), wall(QDate(2026, 5, 20), QTime(18, 15)));
        QCOMPARE(textOf(QStringLiteral("durationText_0")), QStringLiteral("19d 8h 45m"));

        // The year grid of the start picker.
        QVERIFY(openCalendar(QStringLiteral("startDate_0")));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("chooseYear"))));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findByName(QStringLiteral("year_2027")); }));
        QCOMPARE(harness->findByName(QStringLiteral("yearGrid"))->property("contentY").toInt(), (26 / 4 - 2) * 40);
        QVERIFY(!harness->findByName(QStringLiteral("year_2100")));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("year_2027"))));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findByName(QStringLiteral("day_3")); }));
        QCOMPARE(ViewHarness::text(harness->findByName(QStringLiteral("monthTitle"))), QStringLiteral("Mai 2027"));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("day_3"))));
        QCOMPARE(role(0, "startDate").toDateTime(), wall(QDate(2027, 5, 3), QTime(9, 30)));
        QCOMPARE(textOf(QStringLiteral("rangeError_0")), QStringLiteral("Ende muss nach dem Beginn liegen"));

        QVERIFY(chooseIn(QStringLiteral("rangeType_0"), 1));
        QCOMPARE(role(0, "type").toInt(), 1);
        QCOMPARE(role(0, "startDate").toDateTime().date().year(), 2008);
        QVERIFY(!harness->findByName(QStringLiteral("startDate_0"))->property("selectYear").toBool());
    }

    void offsetAndRuleCellsEdit() {
        QVERIFY(openTable(QStringLiteral("Tarvino Rix3 Weekly 2")));
        create(2, wall(QDate(2026, 5, 1)), wall(QDate(2026, 5, 1)), 0, 1);
        QVERIFY(ViewHarness::waitFor([this] { return harness->findByName(QStringLiteral("startOffset_0")); }));
        QCOMPARE(harness->findByName(QStringLiteral("startOffset_0"))->property("currentText").toString(),
                 QStringLiteral("Ostersonntag"));
        QVERIFY(chooseIn(QStringLiteral("startOffset_0"), 81 - 2));
        QCOMPARE(role(0, "startDay").toInt(), -2);
        QVERIFY(chooseIn(QStringLiteral("endOffset_0"), 81 + 50));
        QCOMPARE(role(0, "endDay").toInt(), 50);
        QCOMPARE(harness->findByName(QStringLiteral("endOffset_0"))->property("currentText").toString(),
                 QStringLiteral("Pfingstmontag"));
        QVERIFY(typeTime(QStringLiteral("endTime_0"), QStringLiteral("1200")));
        QCOMPARE(role(0, "endTime").toDateTime().time(), QTime(12, 0));
        QCOMPARE(textOf(QStringLiteral("durationText_0")), QStringLiteral("52d 12h 0m"));

        QVERIFY(chooseIn(QStringLiteral("rangeType_0"), 4));
        QCOMPARE(role(0, "type").toInt(), 4);
        QVERIFY(chooseIn(QStringLiteral("weekRuleDay_0"), 4));
        QCOMPARE(role(0, "weekRuleDay").toInt(), 5);
        QVERIFY(chooseIn(QStringLiteral("weekRuleWeekDay_0"), 6));
        QCOMPARE(role(0, "weekRuleWeekDay").toInt(), 7);
        QVERIFY(chooseIn(QStringLiteral("weekRuleMonth_0"), 12));
        QCOMPARE(role(0, "weekRuleMonth").toInt(), 12);
        QVERIFY(typeTime(QStringLiteral("startTime_0"), QStringLiteral("0645")));
        QCOMPARE(role(0, "startTime").toDateTime().time(), QTime(6, 45));
        // The rule's controls stay between the type box and the duration, side by side.
        const QStringList controls{QStringLiteral("rangeType_0"), QStringLiteral("weekRuleDay_0"),
                                   QStringLiteral("weekRuleWeekDay_0"), QStringLiteral("weekRuleMonth_0"),
                                   QStringLiteral("startTime_0"), QStringLiteral("duration_0")};
        for (int next = 1; next < controls.size(); ++next) {
            const QQuickItem* left = harness->findByName(controls[next - 1]);
            const QQuickItem* right = harness->findByName(controls[next]);
            QVERIFY2(left->mapToScene(QPointF(left->width(), 0)).x() <= right->mapToScene(QPointF()).x(),
                     qPrintable(controls[next]));
        }
        QQuickItem* hours = harness->findByName(QStringLiteral("duration_0"));
        QMetaObject::invokeMethod(hours, "increase");
        QMetaObject::invokeMethod(hours, "valueModified");
        QCOMPARE(role(0, "duration").toInt(), 2);

        QVERIFY(chooseIn(QStringLiteral("rangeType_0"), 3));
        QCOMPARE(role(0, "type").toInt(), 3);
        QQuickItem* repeat = harness->findByName(QStringLiteral("repeat_0"));
        QVERIFY(repeat);
        QCOMPARE(repeat->property("to").toInt(), 200);
        repeat->setProperty("value", 14);
        QMetaObject::invokeMethod(repeat, "valueModified");
        QCOMPARE(role(0, "repeat").toInt(), 14);

        QVERIFY(chooseIn(QStringLiteral("rangeType_0"), 5));
        QCOMPARE(harness->findByName(QStringLiteral("startOffset_0"))->property("count").toInt(), 41);
        QVERIFY(chooseIn(QStringLiteral("startOffset_0"), 20 + 3));
        QCOMPARE(role(0, "startDay").toInt(), 3);
    }

    void selectionWithShiftCtrlAndPlainClicks() {
        QVERIFY(openTable(QStringLiteral("Tarvino Rix3 Weekly 2")));
        for (int day = 1; day <= 5; ++day)
            create(0, wall(QDate(2026, 6, day)), wall(QDate(2026, 6, day + 1)));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findByName(QStringLiteral("dateRow_4")); }));
        QVERIFY(clickRow(1));
        QCOMPARE(selectedRows(), QList<int>({1}));
        QVERIFY(clickRow(3, Qt::ShiftModifier));
        QCOMPARE(selectedRows(), QList<int>({1, 2, 3}));
        QVERIFY(clickRow(2, Qt::ControlModifier));
        QCOMPARE(selectedRows(), QList<int>({1, 3}));
        QVERIFY(clickRow(0, Qt::ControlModifier));
        QCOMPARE(selectedRows(), QList<int>({0, 1, 3}));
        // A plain click on one of several selects it alone; on the only selected row it ends unselected.
        QVERIFY(clickRow(3));
        QCOMPARE(selectedRows(), QList<int>({3}));
        QVERIFY(clickRow(3));
        QCOMPARE(selectedRows(), QList<int>());
        // With the selection empty, Shift starts afresh.
        QVERIFY(clickRow(4, Qt::ShiftModifier));
        QCOMPARE(selectedRows(), QList<int>({4}));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("selectAllDateRanges"))));
        QCOMPARE(selectedRows(), QList<int>({0, 1, 2, 3, 4}));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("selectAllDateRanges"))));
        QCOMPARE(selectedRows(), QList<int>());
    }

    void contextMenuCopiesCutsPastesAndDeletes() {
        QVERIFY(openTable(QStringLiteral("Tarvino Rix3 Weekly 2")));
        for (int day = 1; day <= 3; ++day)
            create(0, wall(QDate(2026, 6, day)), wall(QDate(2026, 6, day + 1)));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findByName(QStringLiteral("dateRow_2")); }));

        QVERIFY(clickRow(1, Qt::NoModifier, Qt::RightButton));
        QCOMPARE(selectedRows(), QList<int>({1}));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findPopup(QStringLiteral("dateContextMenu")); }));
        QVERIFY(!harness->findByName(QStringLiteral("tablePaste"))->isEnabled());
        QVERIFY(triggerMenu(QStringLiteral("tableCopy")));
        QVERIFY(ViewHarness::waitFor([] { return extra()->canPaste(); }));

        QVERIFY(clickRow(2, Qt::NoModifier, Qt::RightButton));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findPopup(QStringLiteral("dateContextMenu")); }));
        QVERIFY(triggerMenu(QStringLiteral("tablePaste")));
        QCOMPARE(ranges()->rowCount(), 4);
        QCOMPARE(role(3, "startDate").toDateTime(), wall(QDate(2026, 6, 2)));

        QVERIFY(clickRow(0, Qt::NoModifier, Qt::RightButton));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findPopup(QStringLiteral("dateContextMenu")); }));
        QVERIFY(triggerMenu(QStringLiteral("tableCut")));
        QCOMPARE(ranges()->rowCount(), 3);
        QCOMPARE(role(0, "startDate").toDateTime(), wall(QDate(2026, 6, 2)));

        QVERIFY(clickRow(0, Qt::NoModifier, Qt::RightButton));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findPopup(QStringLiteral("dateContextMenu")); }));
        QVERIFY(triggerMenu(QStringLiteral("tableSelectAll")));
        QCOMPARE(selectedRows(), QList<int>({0, 1, 2}));
        QVERIFY(clickRow(1, Qt::NoModifier, Qt::RightButton));
        QCOMPARE(selectedRows(), QList<int>({0, 1, 2}));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findPopup(QStringLiteral("dateContextMenu")); }));
        QVERIFY(triggerMenu(QStringLiteral("tableDelete")));
        QCOMPARE(ranges()->rowCount(), 0);
    }

    // A series copied from a yearly device is left out on a device without extended ranges.
    void pastingUnsupportedRangesTells() {
        QVERIFY(openTable(QStringLiteral("Tarvino Rix3 Weekly 2")));
        create(3, wall(QDate(2026, 6, 1)), wall(QDate(2026, 6, 2)));
        create(0, wall(QDate(2026, 7, 1)), wall(QDate(2026, 7, 2)));
        extra()->dateRanges()->selectAll();
        extra()->dateRanges()->copySelected();
        main().closeProject();

        QVERIFY(openTable(QStringLiteral("Tarvino Rix2 Weekly 2")));
        QVERIFY(ViewHarness::waitFor([] { return extra()->canPaste(); }));
        QVERIFY(!harness->findByName(QStringLiteral("repeat_0")));
        QVERIFY(harness->rightClick(harness->findByName(QStringLiteral("dateTableFooter"))));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findPopup(QStringLiteral("dateContextMenu")); }));
        QVERIFY(triggerMenu(QStringLiteral("tablePaste")));
        QCOMPARE(ranges()->rowCount(), 1);
        QCOMPARE(role(0, "type").toInt(), 0);
        QVERIFY(ViewHarness::waitFor([this] { return harness->findPopup(QStringLiteral("unsupportedDatesPopup")); }));
        QCOMPARE(textOf(QStringLiteral("popupText")),
                 QStringLiteral("Dieses Gerät unterstützt nicht alle Daten.\nEinige Daten wurden nicht übertragen."));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("okButton"))));
    }

    // Extra programs with switch times and no dates, by channel, as the warning before writing lists them.
    void warningListsProgramsWithoutDates() {
        QVERIFY(openTable(QStringLiteral("Tarvino Rix3 Weekly 2")));
        ProjectContentController* content = main().projectContent();
        const auto addSwitch = [content](int channel, int program) {
            content->setSelectedChannel(channel);
            content->setSelectedProgram(program);
            content->switchTimesViewController()->createFromTable(0, 1, 128, -1, wall(QDate(2026, 3, 2), QTime(8, 0)), {},
                                                                  {}, {});
        };
        addSwitch(0, 1);
        addSwitch(0, 3);
        addSwitch(0, 4);
        addSwitch(1, 2);
        // Program 4 of channel 1 has a date and is left out.
        content->setSelectedChannel(0);
        content->extraProgramViewController(4)->createFromTable(0, wall(QDate(2026, 6, 1)), wall(QDate(2026, 6, 2)),
                                                                wall(QDate(2026, 6, 1)), wall(QDate(2026, 6, 2)), 0, 1);
        const QVariantMap channels = main().currentProject()->extraProgramsWithSwitchimesNoDates();
        QCOMPARE(channels.keys(), QStringList({QStringLiteral("1"), QStringLiteral("2")}));

        QObject* popup = harness->load(QStringLiteral("app/popups/ExtraProgramWarningPopup.qml"),
                                       {{QStringLiteral("channels"), channels}});
        QVERIFY(popup);
        QMetaObject::invokeMethod(popup, "open");
        QVERIFY(ViewHarness::waitFor([this] { return harness->findPopup(QStringLiteral("extraProgramWarningPopup")); }));
        QCOMPARE(textOf(QStringLiteral("popupTitle")), QStringLiteral("Warnung"));
        QCOMPARE(textOf(QStringLiteral("popupText")),
                 QStringLiteral("Schaltzeiten von Zusatzprogrammen werden nur ausgeführt, wenn Datumsbereiche angegeben "
                                "sind.\nBei den folgenden Zusatzprogrammen im Projekt fehlen Datumsbereiche:"));
        QCOMPARE(textOf(QStringLiteral("warningChannel_1")), QStringLiteral("Kanal 1"));
        QCOMPARE(textOf(QStringLiteral("warningProgram_1_1")), QStringLiteral("\u2022 Sonderprogramm 1"));
        QCOMPARE(textOf(QStringLiteral("warningProgram_1_3")), QStringLiteral("\u2022 Sonderprogramm 3"));
        QVERIFY(!harness->findByName(QStringLiteral("warningProgram_1_4")));
        QCOMPARE(textOf(QStringLiteral("warningChannel_2")), QStringLiteral("Kanal 2"));
        QCOMPARE(textOf(QStringLiteral("warningProgram_2_2")), QStringLiteral("\u2022 Sonderprogramm 2"));
        QCOMPARE(textOf(QStringLiteral("warningQuestion")),
                 QStringLiteral("Möchten Sie trotzdem mit der Programmierung fortfahren?"));
        QCOMPARE(textOf(QStringLiteral("acceptButton")), QStringLiteral("Ja"));
        QCOMPARE(textOf(QStringLiteral("rejectButton")), QStringLiteral("Nein"));
    }

    // With more rows than the table shows, the header stays above them at the end of the list.
    void headerStaysInViewOfAScrolledTable() {
        // The project view of a 1280 x 800 window, below the tool bar.
        QQuickItem* table = openTable(QStringLiteral("Tarvino Rix3 Weekly 2"), QSize(1280, 750));
        QVERIFY(table);
        for (int day = 1; day <= 12; ++day)
            create(0, wall(QDate(2026, 6, day)), wall(QDate(2026, 6, day + 1)));
        QVERIFY(chooseIn(QStringLiteral("newDateRange"), 0));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findByName(QStringLiteral("dateRow_12")); }));
        QVERIFY(ViewHarness::waitFor([table] { return table->property("contentY").toReal() > 0; }));
        QQuickItem* selectAll = harness->findByName(QStringLiteral("selectAllDateRanges"));
        QVERIFY(selectAll);
        const QRectF shown = table->parentItem()->mapRectToScene(QRectF(0, 0, table->parentItem()->width(),
                                                                       table->parentItem()->height()));
        const QRectF box = selectAll->mapRectToScene(QRectF(0, 0, selectAll->width(), selectAll->height()));
        QVERIFY2(shown.contains(box), "the select-all box of the header is out of view");
        QVERIFY(harness->click(selectAll));
        QCOMPARE(selectedRows().size(), 13);
    }

    // The picker marks the holidays of the current set and names the chosen day's.
    void pickerMarksHolidays() {
        holidays::HolidaySetService& service = holidays::HolidaySetService::instance();
        QVERIFY(service.addCustomHolidaySet(QStringLiteral("Marken")));
        const int set = service.currentIndex(true);
        QVERIFY(service.addHoliday(
            set, holidays::Holiday(QStringLiteral("Stadtfest"), 0, 0, 20, 5, 2008, 0, 0, 20, 2008, 5, 23).data(), true));
        service.setHolidayList(set, true);
        QVERIFY(openTable(QStringLiteral("Tarvino Rix3 Weekly 2")));
        create(0, wall(QDate(2026, 5, 20)), wall(QDate(2026, 5, 22)));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findByName(QStringLiteral("startDate_0")); }));
        QVERIFY(openCalendar(QStringLiteral("startDate_0")));
        QVERIFY(harness->findByName(QStringLiteral("mark_20")));
        QVERIFY(!harness->findByName(QStringLiteral("mark_21")));
        QCOMPARE(textOf(QStringLiteral("dayHolidayName")), QStringLiteral("Stadtfest"));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("day_21"))));
        QVERIFY(openCalendar(QStringLiteral("startDate_0")));
        QVERIFY(!harness->findByName(QStringLiteral("dayHolidayName")));
        // The marks follow the set.
        QVERIFY(service.addHoliday(
            set, holidays::Holiday(QStringLiteral("Markttag"), 0, 0, 12, 5, 2008, 0, 0, 12, 2008, 5, 23).data(), true));
        service.setHolidayList(set, true);
        QVERIFY(ViewHarness::waitFor([this] { return harness->findByName(QStringLiteral("mark_12")); }));
        service.removeCustomHolidaySet(service.currentIndex(true), true);
    }

    // Plain channel: four single instants; nothing is kept before "OK".
    void plainOnOffEditorStoresOnOk() {
        QVERIFY(openProject(QStringLiteral("Tarvino Rix2 Weekly 2")));
        QVERIFY(switchTimes() && !switchTimes()->isAstro() && !switchTimes()->isNocta());
        QVERIFY(openOnOffEditor(false, false));
        QVERIFY(harness->findByName(QStringLiteral("sonderProgramOnOff")));
        QVERIFY(!harness->findByName(QStringLiteral("on1Time"))->isEnabled());
        QVERIFY(harness->click(harness->findByName(QStringLiteral("on1Active"))));
        QVERIFY(typeTime(QStringLiteral("on1Time"), QStringLiteral("0730")));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("off2Active"))));
        QVERIFY(typeTime(QStringLiteral("off2Time"), QStringLiteral("2215")));
        QVERIFY(!switchTimes()->isActiveOnProg1());
        QVERIFY(harness->click(harness->findByName(QStringLiteral("onOffOk"))));
        const int unused = ExtraProgramSwitchTimeController::Unused;
        QCOMPARE(storedStarts(), QList<int>({secondsOf(7, 30), unused, unused, secondsOf(22, 15)}));
        QVERIFY(switchTimes()->isActiveOnProg1() && switchTimes()->isActiveOffProg2());

        // Reopened, the editor shows what is stored; "Abbruch" keeps it.
        QVERIFY(openOnOffEditor(false, false));
        QCOMPARE(textOf(QStringLiteral("on1Time")), QStringLiteral("07:30"));
        QVERIFY(harness->findByName(QStringLiteral("on1Active"))->property("checked").toBool());
        QVERIFY(harness->click(harness->findByName(QStringLiteral("on1Active"))));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("on2Active"))));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("onOffCancel"))));
        QCOMPARE(storedStarts(), QList<int>({secondsOf(7, 30), unused, unused, secondsOf(22, 15)}));
        QVERIFY(switchTimes()->isActiveOnProg1() && !switchTimes()->isActiveOnProg2());
    }

    // Astronomic channel and twilight device: two programs with start and end, and lux values.
    void astroOnOffEditorStoresOnOk_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("lightMode");
        QTest::newRow("astro") << QStringLiteral("Tarvino Rix2 Astro 1") << false;
        QTest::newRow("twilight") << QStringLiteral("Tarvino Rix2 Lumen 2") << true;
    }
    void astroOnOffEditorStoresOnOk() {
        QFETCH(QString, device);
        QFETCH(bool, lightMode);
        QVERIFY(openProject(device));
        QVERIFY(switchTimes());
        QCOMPARE(switchTimes()->isNocta(), lightMode);
        QVERIFY(openOnOffEditor(!lightMode, lightMode));
        QVERIFY(harness->findByName(QStringLiteral("sonderProgramOnOffAstro")));
        QVERIFY(!harness->findByName(QStringLiteral("on1Active")));
        QCOMPARE(ViewHarness::text(harness->findByName(QStringLiteral("firstActive"))), QStringLiteral("Nacht Ausschalten"));
        QCOMPARE(ViewHarness::text(harness->findByName(QStringLiteral("secondActive"))), QStringLiteral("Tag Einschalten"));
        QCOMPARE(harness->findByName(QStringLiteral("luxOnSelector")) != nullptr, lightMode);
        QVERIFY(harness->click(harness->findByName(QStringLiteral("firstActive"))));
        QVERIFY(typeTime(QStringLiteral("firstStart"), QStringLiteral("2300")));
        QVERIFY(typeTime(QStringLiteral("firstEnd"), QStringLiteral("0445")));
        // A time of an unused program is left out.
        QVERIFY(!harness->findByName(QStringLiteral("secondStart"))->isEnabled());
        if (lightMode) {
            QVERIFY(chooseIn(QStringLiteral("luxOnSelector"), 6));
            QVERIFY(chooseIn(QStringLiteral("luxOffSelector"), 8));
        }
        QVERIFY(harness->click(harness->findByName(QStringLiteral("onOffOk"))));
        const int unused = ExtraProgramSwitchTimeController::Unused;
        QCOMPARE(storedRanges(), QList<int>({storage::SwitchTime::FixOff, secondsOf(23, 0), secondsOf(4, 45),
                                             storage::SwitchTime::FixOn, unused, 1}));
        if (lightMode) {
            QCOMPARE(extra()->luxValueOn(), 20);
            QCOMPARE(extra()->luxValueOff(), 40);
        }
    }

    // The heads of a standard extra program by channel kind.
    void headersSummariseTheSwitchTimes_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("plain") << QStringLiteral("Tarvino Rix2 Weekly 2") << QStringLiteral("SonderProgram1Header")
                               << QStringList({QStringLiteral("summaryOn1"), QStringLiteral("summaryOff1"),
                                               QStringLiteral("summaryOn2"), QStringLiteral("summaryOff2")})
                               << QStringList({QStringLiteral("06:15"), QStringLiteral("--:--"),
                                               QStringLiteral("--:--"), QStringLiteral("--:--")});
        QTest::newRow("astro") << QStringLiteral("Tarvino Rix2 Astro 1") << QStringLiteral("SonderProgram1AstroHeader")
                               << QStringList({QStringLiteral("summaryFirst"), QStringLiteral("summarySecond")})
                               << QStringList({QStringLiteral("06:15 - 00:00"), QStringLiteral("--:-- - --:--")});
        QTest::newRow("twilight") << QStringLiteral("Tarvino Rix2 Lumen 2") << QStringLiteral("SonderProgram1NoctaHeader")
                                  << QStringList({QStringLiteral("summaryFirst"), QStringLiteral("summaryLux")})
                                  << QStringList({QStringLiteral("06:15 - 00:00"),
                                                  QStringLiteral("Lux Ein 15 lx, Lux Aus 15 lx")});
    }
    void headersSummariseTheSwitchTimes() {
        QFETCH(QString, device);
        QFETCH(QString, file);
        QFETCH(QStringList, names);
        QFETCH(QStringList, texts);
        QVERIFY(openProject(device));
        QVERIFY(switchTimes());
        switchTimes()->setIsActiveOnProg1(true);
        switchTimes()->setOnTimeProg1(QDateTime(QDate(2026, 1, 1), QTime(6, 15), Qt::UTC));
        QVERIFY(harness->load(QStringLiteral("app/extraprograms/%1.qml").arg(file),
                              {{QStringLiteral("switchTimes"), QVariant::fromValue(switchTimes())}}));
        QCOMPARE(textOf(QStringLiteral("summaryLux")).isEmpty(), !file.contains(QStringLiteral("Nocta")));
        for (int entry = 0; entry < names.size(); ++entry)
            QCOMPARE(textOf(names.at(entry)), texts.at(entry));
        QVERIFY(harness->findByName(QStringLiteral("editSwitchTimes")));
    }

    // Each box switches its program at once and stores it.
    void dateSwitchLimitBoxesStoreThePrograms() {
        QVERIFY(openProject(QStringLiteral("Tarvino Rix2 Astro 1")));
        QVERIFY(switchTimes());
        switchTimes()->setOnTimeProg2(QDateTime(QDate(2026, 1, 1), QTime(9, 0), Qt::UTC));
        switchTimes()->setOffTimeProg2(QDateTime(QDate(2026, 1, 1), QTime(16, 30), Qt::UTC));
        QVERIFY(harness->load(QStringLiteral("app/switchtimes/datetable/DateSwitchLimit.qml"),
                              {{QStringLiteral("switchTimes"), QVariant::fromValue(switchTimes())}}));
        QCOMPARE(textOf(QStringLiteral("nightSwitching")), QStringLiteral("Nachtschaltung"));
        QCOMPARE(textOf(QStringLiteral("daySwitching")), QStringLiteral("Tag-Einschaltung"));
        QCOMPARE(textOf(QStringLiteral("dayFrom")), QStringLiteral("09:00"));
        QCOMPARE(textOf(QStringLiteral("dayTo")), QStringLiteral("16:30"));
        const int unused = ExtraProgramSwitchTimeController::Unused;

        QVERIFY(harness->click(harness->findByName(QStringLiteral("daySwitching"))));
        QVERIFY(switchTimes()->isActiveOnProg2());
        QVERIFY(!switchTimes()->isActiveOnProg1());
        QCOMPARE(storedRanges(), QList<int>({storage::SwitchTime::FixOff, unused, 1, storage::SwitchTime::FixOn,
                                             secondsOf(9, 0), secondsOf(16, 30)}));
        QVERIFY(harness->findByName(QStringLiteral("daySwitching"))->property("checked").toBool());

        QVERIFY(harness->click(harness->findByName(QStringLiteral("nightSwitching"))));
        QVERIFY(switchTimes()->isActiveOnProg1());
        QVERIFY(harness->click(harness->findByName(QStringLiteral("daySwitching"))));
        QVERIFY(!switchTimes()->isActiveOnProg2());
        QCOMPARE(storedRanges().mid(3), QList<int>({storage::SwitchTime::FixOn, unused, 1}));
        QCOMPARE(storedRanges().at(1), 0);
        QVERIFY(!harness->findByName(QStringLiteral("daySwitching"))->property("checked").toBool());
    }

    // The permanent programs: their head and one line per range, sorted.
    void permanentProgramsShowHeadAndRanges_data() {
        QTest::addColumn<int>("fromLast");
        QTest::addColumn<QString>("kind");
        QTest::newRow("on") << 2 << QStringLiteral("Dauer Ein");
        QTest::newRow("off") << 1 << QStringLiteral("Dauer Aus");
    }
    void permanentProgramsShowHeadAndRanges() {
        QFETCH(int, fromLast);
        QFETCH(QString, kind);
        QVERIFY(openProject(QStringLiteral("Tarvino Rix3 Weekly 2")));
        const int number = main().currentProject()->programms() - fromLast;
        ExtraProgramViewController* program = main().projectContent()->extraProgramViewController(number);
        program->createFromTable(2, wall(QDate(2026, 1, 1), QTime(8, 0)), wall(QDate(2026, 1, 1), QTime(18, 0)),
                                 wall(QDate(2026, 1, 1), QTime(8, 0)), wall(QDate(2026, 1, 1), QTime(18, 0)), -2, 1);
        program->createFromTable(0, wall(QDate(2026, 7, 27), QTime(6, 0)), wall(QDate(2026, 8, 14), QTime(18, 0)),
                                 wall(QDate(2026, 7, 27), QTime(6, 0)), wall(QDate(2026, 8, 14), QTime(18, 0)), 0, 1);
        QObject* edition = harness->load(QStringLiteral("app/extraprograms/SonderProgram23Edition.qml"),
                                         {{QStringLiteral("epViewController"), QVariant::fromValue(program)}});
        QVERIFY(edition);
        QCOMPARE(textOf(QStringLiteral("permanentKind")), kind);
        QCOMPARE(textOf(QStringLiteral("permanentProgram")), QStringLiteral("Sonderprogramm %1").arg(number));
        QCOMPARE(textOf(QStringLiteral("permanentType_0")), QStringLiteral("Festes Datum"));
        QCOMPARE(textOf(QStringLiteral("permanentStart_0")), QStringLiteral("27.07.26 06:00"));
        QCOMPARE(textOf(QStringLiteral("permanentEnd_0")), QStringLiteral("14.08.26 18:00"));
        QCOMPARE(textOf(QStringLiteral("permanentType_1")), QStringLiteral("Osterregel"));
        QCOMPARE(textOf(QStringLiteral("permanentStart_1")), QStringLiteral("Karfreitag 08:00"));
        QCOMPARE(textOf(QStringLiteral("permanentEnd_1")), QStringLiteral("Ostermontag 18:00"));
        QSignalSpy edit(edition, SIGNAL(editRequested(int)));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("permanentEdit_1"))));
        QCOMPARE(edit.count(), 1);
        QCOMPARE(edit.at(0).at(0).toInt(), 1);
    }

    // A holiday set applied to a program adds its dates; "Abbruch" adds nothing.
    void holidaySetAppliedToTheProgram() {
        holidays::HolidaySetService& service = holidays::HolidaySetService::instance();
        QVERIFY(openProject(QStringLiteral("Tarvino Rix3 Weekly 2")));
        QVERIFY(service.addCustomHolidaySet(QStringLiteral("Werksferien")));
        const int set = service.currentIndex(true);
        QVERIFY(service.addHoliday(
            set, holidays::Holiday(QStringLiteral("Weihnachtsruhe"), 0, 0, 24, 12, 2008, 12, 0, 27, 2008, 12, 6).data(), true));
        const auto open = [this] {
            return harness->load(QStringLiteral("app/extraprograms/SonderProgramHolidays.qml"),
                                 {{QStringLiteral("parentController"), QVariant::fromValue(extra())}});
        };
        QObject* form = open();
        QVERIFY(form);
        QCOMPARE(harness->findByName(QStringLiteral("holidaySetChooser"))->property("currentText").toString(),
                 QStringLiteral("Werksferien"));
        // Only weekday rules ask for the last year.
        QVERIFY(!harness->findByName(QStringLiteral("applyUntilYear")));
        QSignalSpy finished(form, SIGNAL(finished()));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("holidaysCancel"))));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(ranges()->rowCount(), 0);

        form = open();
        QSignalSpy applied(form, SIGNAL(finished()));
        QVERIFY(harness->click(harness->findByName(QStringLiteral("holidaysOk"))));
        QCOMPARE(applied.count(), 1);
        QCOMPARE(ranges()->rowCount(), 1);
        QCOMPARE(role(0, "type").toInt(), 1);
        QCOMPARE(role(0, "startDate").toDateTime(), wall(QDate(2008, 12, 24), QTime(12, 0)));
        service.removeCustomHolidaySet(service.currentIndex(true), true);
    }

    // The standard program keeps its switch table.
    void standardProgramShowsTheSwitchTable() {
        QVERIFY(openTable(QStringLiteral("Tarvino Rix3 Weekly 2")));
        QVERIFY(harness->findByName(QStringLiteral("programGrid")));
        main().projectContent()->setSelectedProgram(0);
        QVERIFY(ViewHarness::waitFor([this] { return !harness->findByName(QStringLiteral("dateTable")); }));
        QVERIFY(harness->findByName(QStringLiteral("switchTable")));
    }
};

QTEST_MAIN(TestViewExtraPrograms)
#include "tst_view_extraprograms.moc"
