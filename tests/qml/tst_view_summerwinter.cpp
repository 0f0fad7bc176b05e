#include <QAbstractItemModel>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <memory>

#include <astroengine.h>
#include <devices/deviceservice.h>
#include <storage/storageservice.h>

#include "maincontroller.h"
#include "projectcontentcontroller.h"
#include "settingscontroller.h"
#include "sommerwintertablemodel.h"
#include "viewfixture.h"

// The summer/winter rule views on the project controller, over every model of the catalogue:
// the rule list, the fields and presets of each entry, the astro times they give, and the own
// table with its editor and automatic fill.
namespace {

enum class Kind { None, Standard, Iran, Free, Fixed, Southern, Own, Table };

struct Entry {
    QString text;
    Kind kind;
    QString preset; // the preset the entry writes, empty for none
};

// A switch: week (4 the last), month (0 January), hour, weekday (0 Monday).
struct Switch {
    int week;
    int month;
    int hour;
    int weekDay;
};

struct Preset {
    Switch wiSo;
    Switch soWi;
};

const QHash<QString, Preset> Presets{
    {QStringLiteral("Europa"), {{4, 2, 2, 6}, {4, 9, 3, 6}}},
    {QStringLiteral("GB/IRL/P"), {{4, 2, 1, 6}, {4, 9, 2, 6}}},
    {QStringLiteral("FIN/GR/TR"), {{4, 2, 3, 6}, {4, 9, 4, 6}}},
    {QStringLiteral("Kanada"), {{1, 2, 2, 6}, {0, 10, 2, 6}}},
    {QStringLiteral("USA"), {{1, 2, 2, 6}, {0, 10, 2, 6}}},
    {QStringLiteral("Neuseeland"), {{4, 8, 2, 6}, {0, 3, 3, 6}}},
    {QStringLiteral("Australien"), {{0, 9, 2, 6}, {0, 3, 3, 6}}},
    {QStringLiteral("Eigene Regel"), {{4, 2, 2, 6}, {4, 9, 3, 6}}},
};

// The model's rule list as the catalogue describes it, with the own table on the desktop.
QList<Entry> ruleList(const devices::Device& device, bool withTable) {
    QList<Entry> list{{QStringLiteral("Kein So/Wi"), Kind::None, {}},
                      {QStringLiteral("Europa"), Kind::Standard, QStringLiteral("Europa")},
                      {QStringLiteral("GB/IRL/P"), Kind::Standard, QStringLiteral("GB/IRL/P")},
                      {QStringLiteral("FIN/GR/TR"), Kind::Standard, QStringLiteral("FIN/GR/TR")},
                      {QStringLiteral("Kanada"), Kind::Standard, QStringLiteral("Kanada")},
                      {QStringLiteral("USA"), Kind::Standard, QStringLiteral("USA")}};
    if (device.hasIranDaylightSavingsRules())
        list.append({QStringLiteral("IRAN"), Kind::Iran, {}});
    if (!device.hasCustomDaylightSavingsRules()) {
        list.append({{QStringLiteral("Freie Regel"), Kind::Free, {}},
                     {QStringLiteral("Fixes Datum"), Kind::Fixed, {}},
                     {QStringLiteral("Australien"), Kind::Free, QStringLiteral("Australien")}});
        return list;
    }
    list.append({QStringLiteral("Neuseeland"), Kind::Southern, QStringLiteral("Neuseeland")});
    if (device.hasInternalBleModule())
        list.append({QStringLiteral("Australien"), Kind::Southern, QStringLiteral("Australien")});
    list.append({QStringLiteral("Eigene Regel"), Kind::Own, QStringLiteral("Eigene Regel")});
    if (withTable)
        list.append({QStringLiteral("Eigene Tabelle"), Kind::Table, {}});
    return list;
}

// The n-th (4 the last) weekday of a month of 2026, counted day by day.
QDate nthWeekday(int month, int week, int weekDay) {
    QList<QDate> matches;
    for (QDate day(2026, month + 1, 1); day.month() == month + 1; day = day.addDays(1)) {
        if (day.dayOfWeek() - 1 == weekDay)
            matches.append(day);
    }
    return week >= 4 ? matches.last() : matches.at(week);
}

} // namespace

class TestViewSummerWinter : public ViewFixture {
    Q_OBJECT

private:
    // View.ViewKind of the table's pages.
    static constexpr int EditSoWiTablePage = 17;
    static constexpr int SoWiAutomaticFillPage = 18;

    static ProjectController* project() { return main().currentProject(); }
    static SommerWinterTableModel* table() { return project()->sommerWinterTable(); }
    static bool open(int ot2) {
        return main().createProject(ot2, QStringLiteral("Sommerzeit")) && main().openCurrentProject();
    }
    QObject* loadSettings(bool resetUseCase = false) {
        return harness->load(QStringLiteral("app/settings/SoWiSettings.qml"),
                             {{QStringLiteral("viewController"), QVariant::fromValue(project())},
                              {QStringLiteral("resetUseCase"), resetUseCase}});
    }
    QStringList shownRules() const {
        QQuickItem* box = item(QStringLiteral("soWiRuleChoice"));
        return box ? box->property("model").toStringList() : QStringList();
    }
    // The fields a kind shows, as visible or not and enabled or not.
    void verifyFields(Kind kind) const {
        QQuickItem* week = item(QStringLiteral("wiSoWeekChoice"));
        const bool weekly = kind == Kind::Standard || kind == Kind::Southern || kind == Kind::Free || kind == Kind::Own;
        QCOMPARE(week != nullptr, weekly);
        if (week)
            QCOMPARE(week->isEnabled(), kind == Kind::Free || kind == Kind::Own);
        QCOMPARE(item(QStringLiteral("soWiWeekDayChoice")) != nullptr, weekly);
        QCOMPARE(item(QStringLiteral("wiSoDatePicker")) != nullptr, kind == Kind::Fixed);
        QCOMPARE(item(QStringLiteral("soWiHourChoice")) != nullptr, weekly || kind == Kind::Fixed);
        QCOMPARE(item(QStringLiteral("wiSoCustomChoice")) != nullptr, kind == Kind::Own);
        QCOMPARE(item(QStringLiteral("iranRuleText")) != nullptr, kind == Kind::Iran);
        QCOMPARE(item(QStringLiteral("editSoWiTable")) != nullptr, kind == Kind::Table);
    }
    static void verifyPreset(const Preset& preset) {
        QCOMPARE(project()->wiSoWeek(), preset.wiSo.week);
        QCOMPARE(project()->wiSoMonth(), preset.wiSo.month);
        QCOMPARE(project()->wiSoHour(), preset.wiSo.hour);
        QCOMPARE(project()->wiSoWeekDay(), preset.wiSo.weekDay);
        QCOMPARE(project()->soWiWeek(), preset.soWi.week);
        QCOMPARE(project()->soWiMonth(), preset.soWi.month);
        QCOMPARE(project()->soWiHour(), preset.soWi.hour);
        QCOMPARE(project()->soWiWeekDay(), preset.soWi.weekDay);
    }
    // Summer time of 2026 begins on `start` and ends on `end`, by the astro engine's record.
    static void verifySwitchDays(const QDate& start, const QDate& end) {
        AstroEngine::setParameters(50, 8, 13, project()->summerWinterRule(2026), false, OwnAstroDayTable{});
        for (const auto& [day, summer] : {std::pair{start.addDays(-1), false}, std::pair{start.addDays(1), true},
                                          std::pair{end.addDays(-1), true}, std::pair{end.addDays(1), false}})
            QVERIFY2(AstroEngine::isSummerTime(day, 12) == summer, qPrintable(day.toString(Qt::ISODate)));
    }
    QQuickItem* rowItem(const QString& name, int row) const { return item(QStringLiteral("%1_%2").arg(name).arg(row)); }
    QVariant cell(int row, int role) const { return table()->data(table()->index(row, 0), role); }
    bool clickYear(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                   Qt::MouseButton button = Qt::LeftButton) const {
        QQuickItem* year = rowItem(QStringLiteral("soWiYear"), row);
        if (!year)
            return false;
        QTest::mouseClick(year->window(), button, modifiers, year->mapToScene(QPointF(10, year->height() / 2)).toPoint());
        return true;
    }
    bool triggerMenu(int row, const QString& entry) const {
        if (!clickYear(row, Qt::NoModifier, Qt::RightButton))
            return false;
        QQuickItem* action = nullptr;
        return ViewHarness::waitFor([&] { return (action = item(entry)) != nullptr; }) && action->isEnabled()
               && harness->click(action);
    }
    bool popPages() {
        harness->evaluate(QStringLiteral("ViewLoader.stack.pop(null)"));
        return ViewHarness::waitFor([this] {
            return harness->evaluate(QStringLiteral("ViewLoader.stack.depth")).toInt() <= 1
                   && !harness->evaluate(QStringLiteral("ViewLoader.stack.busy")).toBool();
        });
    }
    // Saves the projects and opens this one again, as after a restart.
    bool reopen() {
        const int id = main().selectedProjectId();
        harness->load(QStringLiteral("components/DefaultText.qml"));
        main().closeProject();
        if (!storage::StorageService::instance().save())
            return false;
        main().setSelectedProjectId(id);
        return main().openProject() && main().openCurrentProject();
    }
    QQuickWindow* openTable() {
        if (!harness->click(item(QStringLiteral("editSoWiTable"))))
            return nullptr;
        if (!ViewHarness::waitFor([this] { return !harness->dialogs().isEmpty() && item(QStringLiteral("soWiYear_0")); }))
            return nullptr;
        return harness->dialogs().constFirst();
    }

private slots:
    void initTestCase() {
        harness = std::make_unique<ViewHarness>();
        // Dialogs open over the program's window.
        QVERIFY(harness->loadMain());
    }
    void cleanupTestCase() { harness.reset(); }
    void cleanup() {
        harness->evaluate(QStringLiteral("platformService.overwriteDisplay = 0"));
        harness->evaluate(QStringLiteral("platformService.overwriteOrientation = -1"));
        QVERIFY(popPages());
        for (QQuickWindow* dialog : harness->dialogs())
            dialog->close();
        for (QObject* popup : harness->openPopups())
            QMetaObject::invokeMethod(popup, "close");
        harness->load(QStringLiteral("components/DefaultText.qml"));
        main().closeProject();
    }

    void everyModel_data() {
        QTest::addColumn<int>("ot2");
        for (const devices::Device& device : devices::DeviceService::instance().devices())
            QTest::addRow("%d %s", device.ot2Number(), qPrintable(device.name())) << device.ot2Number();
    }

    // Each entry stores its position (the free rule for Australia where the model has no rules of
    // its own), shows the fields of its kind and writes its preset.
    void everyModel() {
        QFETCH(int, ot2);
        const devices::Device device = devices::DeviceService::instance().deviceByOt2Number(ot2);
        const QList<Entry> expected = ruleList(device, true);
        QVERIFY(open(ot2));
        QVERIFY(loadSettings());
        QStringList texts;
        for (const Entry& entry : expected)
            texts.append(entry.text);
        QCOMPARE(shownRules(), texts);

        for (int position = expected.size() - 1; position >= 0; --position) {
            const Entry& entry = expected.at(position);
            const bool asFreeRule = entry.kind == Kind::Free && !entry.preset.isEmpty();
            QQuickItem* box = item(QStringLiteral("soWiRuleChoice"));
            const bool chosen = harness->choose(box, position);
            QVERIFY2(chosen || asFreeRule, qPrintable(entry.text));
            QCOMPARE(project()->soWiRuleType(), asFreeRule ? 7 : position);
            if (asFreeRule) {
                QPointer<QObject> popup;
                QVERIFY(ViewHarness::waitFor([&] { return (popup = harness->findPopup(QStringLiteral("freeRulePopup"))); }));
                QCOMPARE(ViewHarness::text(item(QStringLiteral("popupText"))), QStringLiteral("Freie Regel wird angewendet"));
                QVERIFY(harness->click(item(QStringLiteral("okButton"))));
                // Gone once its closing has run to the end.
                QVERIFY(ViewHarness::waitFor([&] { return popup.isNull(); }));
            }
            QVERIFY(ViewHarness::waitFor([&] { return shownRules().size() == expected.size(); }));
            verifyFields(entry.kind);
            if (!entry.preset.isEmpty())
                verifyPreset(Presets.value(entry.preset));
        }
    }

    void switchDaysOf2026_data() {
        QTest::addColumn<int>("ot2");
        QTest::addColumn<int>("position");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        const QDate lastSundayOfMarch = nthWeekday(2, 4, 6);
        const QDate lastSundayOfOctober = nthWeekday(9, 4, 6);
        QTest::newRow("Europa") << 41 << 1 << lastSundayOfMarch << lastSundayOfOctober;
        QTest::newRow("GB/IRL/P") << 101 << 2 << lastSundayOfMarch << lastSundayOfOctober;
        QTest::newRow("USA") << 102 << 5 << nthWeekday(2, 1, 6) << nthWeekday(10, 0, 6);
        QTest::newRow("Iran") << 41 << 6 << QDate(2026, 3, 22) << QDate(2026, 9, 22);
        QTest::newRow("Neuseeland without Iran") << 102 << 6 << nthWeekday(8, 4, 6) << nthWeekday(3, 0, 6);
        QTest::newRow("Neuseeland with Iran") << 101 << 7 << nthWeekday(8, 4, 6) << nthWeekday(3, 0, 6);
        QTest::newRow("Australien") << 101 << 8 << nthWeekday(9, 0, 6) << nthWeekday(3, 0, 6);
        QTest::newRow("Australien as free rule") << 41 << 9 << nthWeekday(9, 0, 6) << nthWeekday(3, 0, 6);
        QTest::newRow("Eigene Regel") << 45 << 8 << lastSundayOfMarch << lastSundayOfOctober;
    }

    // The rule chosen in the view gives the astro times its switch days.
    void switchDaysOf2026() {
        QFETCH(int, ot2);
        QFETCH(int, position);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QVERIFY(open(ot2));
        QVERIFY(loadSettings());
        harness->choose(item(QStringLiteral("soWiRuleChoice")), position);
        for (QObject* popup : harness->openPopups())
            QMetaObject::invokeMethod(popup, "close");
        verifySwitchDays(start, end);
    }

    // The page of the device settings holds the rule; the reset use offers no own table.
    void devicePageAndResetUse() {
        QVERIFY(open(101));
        QVERIFY(harness->load(QStringLiteral("app/settings/DeviceSettingsView.qml"),
                              {{QStringLiteral("viewController"),
                                QVariant::fromValue(main().projectContent()->settingsController())}}));
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("soWiSettings")); }));
        QCOMPARE(shownRules().size(), 11);
        QCOMPARE(shownRules().constLast(), QStringLiteral("Eigene Tabelle"));

        QVERIFY(loadSettings(true));
        QCOMPARE(shownRules().size(), 10);
        QCOMPARE(shownRules().constLast(), QStringLiteral("Eigene Regel"));
        QVERIFY(!shownRules().contains(QStringLiteral("Eigene Tabelle")));
    }

    // The phone form offers the same rules but the own table, with the fields in one column.
    void phoneForm() {
        QVERIFY(open(101));
        harness->evaluate(QStringLiteral("platformService.overwriteDisplay = 1"));
        QVERIFY(loadSettings());
        const QStringList rules = shownRules();
        QCOMPARE(rules.size(), 10);
        QVERIFY(!rules.contains(QStringLiteral("Eigene Tabelle")));
        QVERIFY(harness->choose(item(QStringLiteral("soWiRuleChoice")), 9));
        verifyFields(Kind::Own);
    }

    // Rows enabled by a click, dates and hours edited, rows copied and pasted, everything cleared,
    // both fills with their names; the rows outlast the project's closing.
    void tableEditing() {
        QVERIFY(open(101));
        QVERIFY(loadSettings());
        QVERIFY(harness->choose(item(QStringLiteral("soWiRuleChoice")), 10));
        QVERIFY(openTable());

        // A click on a disabled row's cell enables it and leaves no row selected.
        QVERIFY(clickYear(3));
        QCOMPARE(table()->selectionCount(), 1);
        QCOMPARE(ViewHarness::text(rowItem(QStringLiteral("soWiYear"), 5)), QStringLiteral("2013"));
        QVERIFY(harness->click(rowItem(QStringLiteral("wiSoCell"), 5)));
        QVERIFY(ViewHarness::waitFor([&] { return cell(5, SommerWinterTableModel::EnabledRole).toBool(); }));
        QCOMPARE(table()->selectionCount(), 0);

        // The date: a day of the calendar, in the row's year; the hour from its list.
        QQuickItem* wiSoCell = rowItem(QStringLiteral("wiSoCell"), 5);
        QVERIFY(harness->click(wiSoCell->findChild<QQuickItem*>(QStringLiteral("soWiDate"))));
        QQuickItem* day = nullptr;
        QVERIFY(ViewHarness::waitFor([&] { return (day = item(QStringLiteral("day_20"))) != nullptr; }));
        QVERIFY(harness->click(day));
        QVERIFY(ViewHarness::waitFor([&] { return cell(5, SommerWinterTableModel::WiSoDateRole).toDate() == QDate(2013, 3, 20); }));
        QVERIFY(ViewHarness::waitFor([this] { return !item(QStringLiteral("day_20")); }));
        QVERIFY(harness->choose(rowItem(QStringLiteral("soWiCell"), 5)->findChild<QQuickItem*>(QStringLiteral("soWiHour")), 4));
        QCOMPARE(cell(5, SommerWinterTableModel::SoWiHourRole).toInt(), 4);

        // Copy row 5 and paste it onto row 7: the row of 2015 takes its days and hours.
        QVERIFY(clickYear(5));
        QVERIFY(triggerMenu(5, QStringLiteral("tableCopy")));
        QVERIFY(clickYear(7));
        QVERIFY(triggerMenu(7, QStringLiteral("tablePaste")));
        QVERIFY(ViewHarness::waitFor([&] { return cell(7, SommerWinterTableModel::EnabledRole).toBool(); }));
        QCOMPARE(cell(7, SommerWinterTableModel::WiSoDateRole).toDate(), QDate(2015, 3, 20));
        QCOMPARE(cell(7, SommerWinterTableModel::SoWiHourRole).toInt(), 4);

        // Cut takes row 7 out again.
        QVERIFY(triggerMenu(7, QStringLiteral("tableCut")));
        QVERIFY(ViewHarness::waitFor([&] { return !cell(7, SommerWinterTableModel::EnabledRole).toBool(); }));

        QVERIFY(harness->click(item(QStringLiteral("soWiClearAll"))));
        for (int row = 0; row < SommerWinterTableModel::YearCount; ++row)
            QVERIFY(!cell(row, SommerWinterTableModel::EnabledRole).toBool());

        // The own rule: the last Sunday of March and of October, from 2008 to 2099.
        QVERIFY(harness->click(item(QStringLiteral("soWiAutomaticFill"))));
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("fillOk")); }));
        const QList<QQuickWindow*> dialogs = harness->dialogs();
        QVERIFY(std::any_of(dialogs.cbegin(), dialogs.cend(),
                            [](const QQuickWindow* dialog) { return dialog->width() == 768 && dialog->height() == 550; }));
        QVERIFY(harness->choose(item(QStringLiteral("fillSoWiHour")), 3));
        QVERIFY(harness->click(item(QStringLiteral("fillOk"))));
        QVERIFY(ViewHarness::waitFor([this] { return !item(QStringLiteral("fillOk")); }));
        QCOMPARE(project()->summerWinterTableName(), QStringLiteral("EIGENE REGEL"));
        for (const int year : {2008, 2026, 2099}) {
            const int row = year - 2008;
            QDate lastMarch(year, 3, 31);
            while (lastMarch.dayOfWeek() != Qt::Sunday)
                lastMarch = lastMarch.addDays(-1);
            QDate lastOctober(year, 10, 31);
            while (lastOctober.dayOfWeek() != Qt::Sunday)
                lastOctober = lastOctober.addDays(-1);
            QCOMPARE(cell(row, SommerWinterTableModel::WiSoDateRole).toDate(), lastMarch);
            QCOMPARE(cell(row, SommerWinterTableModel::SoWiDateRole).toDate(), lastOctober);
            QCOMPARE(cell(row, SommerWinterTableModel::WiSoHourRole).toInt(), 2);
            QCOMPARE(cell(row, SommerWinterTableModel::SoWiHourRole).toInt(), 3);
        }

        // Israel, from 2040 on: 2044 switches on a Saturday.
        QVERIFY(harness->click(item(QStringLiteral("soWiAutomaticFill"))));
        QVERIFY(ViewHarness::waitFor([this] { return item(QStringLiteral("fillOk")); }));
        QVERIFY(harness->choose(item(QStringLiteral("fillRuleChoice")), 1));
        QQuickItem* from = item(QStringLiteral("fillYears"))->findChild<QQuickItem*>(QStringLiteral("yearField"));
        QVERIFY(harness->click(from));
        QMetaObject::invokeMethod(from, "selectAll");
        QVERIFY(harness->typeText(from, QStringLiteral("2040")));
        harness->key(Qt::Key_Return);
        QVERIFY(harness->click(item(QStringLiteral("fillOk"))));
        QVERIFY(ViewHarness::waitFor([this] { return !item(QStringLiteral("fillOk")); }));
        QCOMPARE(project()->summerWinterTableName(), QStringLiteral("ISRAEL"));
        QCOMPARE(cell(2044 - 2008, SommerWinterTableModel::WiSoDateRole).toDate(), QDate(2044, 3, 26));
        QCOMPARE(cell(2039 - 2008, SommerWinterTableModel::SoWiHourRole).toInt(), 3);

        QVERIFY(harness->click(item(QStringLiteral("soWiTableOk"))));
        QVERIFY(ViewHarness::waitFor([this] { return harness->dialogs().isEmpty(); }));

        // After closing the project and saving, the reopened project has the rows.
        QVERIFY(reopen());
        QCOMPARE(project()->soWiRuleType(), 10);
        QCOMPARE(project()->summerWinterTableName(), QStringLiteral("ISRAEL"));
        QCOMPARE(cell(2044 - 2008, SommerWinterTableModel::WiSoDateRole).toDate(), QDate(2044, 3, 26));
        QCOMPARE(cell(2026 - 2008, SommerWinterTableModel::SoWiDateRole).toDate(), QDate(2026, 10, 25));
        QCOMPARE(cell(2039 - 2008, SommerWinterTableModel::SoWiHourRole).toInt(), 3);
    }

    // A tablet keeps a table made on the desktop: it edits it on pages of the stack, where the
    // fill returns to the table by OK and by Abbruch, and the table is kept by OK alone.
    void tabletTablePages_data() {
        QTest::addColumn<bool>("byOk");
        QTest::newRow("OK") << true;
        QTest::newRow("back button") << false;
    }

    void tabletTablePages() {
        QFETCH(bool, byOk);
        QVERIFY(open(101));
        project()->setSoWiRuleType(10);
        harness->evaluate(QStringLiteral("platformService.overwriteDisplay = 2"));
        harness->evaluate(QStringLiteral("platformService.overwriteOrientation = 1"));
        QVERIFY(loadSettings());
        QVERIFY(harness->click(item(QStringLiteral("editSoWiTable"))));
        QVERIFY(showsPage(EditSoWiTablePage));
        QVERIFY(harness->dialogs().isEmpty());
        QCOMPARE(ViewHarness::text(item(QStringLiteral("toolbarTitle"))), QStringLiteral("Eigene Tabelle"));
        QVERIFY(item(QStringLiteral("backButton")));
        QQuickItem* wiSo2011 = rowItem(QStringLiteral("wiSoCell"), 3);
        QVERIFY(wiSo2011);
        QVERIFY(!wiSo2011->property("active").toBool());

        QVERIFY(harness->click(item(QStringLiteral("soWiAutomaticFill"))));
        QVERIFY(showsPage(SoWiAutomaticFillPage));
        QCOMPARE(ViewHarness::text(item(QStringLiteral("toolbarTitle"))), QStringLiteral("Automatisch ausfüllen"));
        QVERIFY(harness->click(item(QStringLiteral("fillCancel"))));
        QVERIFY(showsPage(EditSoWiTablePage));
        QVERIFY(!wiSo2011->property("active").toBool());
        QCOMPARE(project()->summerWinterTableName(), QString());

        // The own rule by default: the last Sunday of March, 27 March in 2011.
        QVERIFY(harness->click(item(QStringLiteral("soWiAutomaticFill"))));
        QVERIFY(showsPage(SoWiAutomaticFillPage));
        QVERIFY(harness->click(item(QStringLiteral("fillOk"))));
        QVERIFY(showsPage(EditSoWiTablePage));
        QVERIFY(wiSo2011->property("active").toBool());
        QCOMPARE(wiSo2011->property("date").toDate(), QDate(2011, 3, 27));
        QCOMPARE(project()->summerWinterTableName(), QStringLiteral("EIGENE REGEL"));

        QVERIFY(harness->click(item(byOk ? QStringLiteral("soWiTableOk") : QStringLiteral("backButton"))));
        QVERIFY(ViewHarness::waitFor([this] { return currentViewKind() != EditSoWiTablePage; }));
        QVERIFY(harness->dialogs().isEmpty());
        QVERIFY(reopen());
        QCOMPARE(cell(3, SommerWinterTableModel::EnabledRole).toBool(), byOk);
        if (byOk)
            QCOMPARE(cell(3, SommerWinterTableModel::WiSoDateRole).toDate(), QDate(2011, 3, 27));
    }
};

QTEST_MAIN(TestViewSummerWinter)
#include "tst_view_summerwinter.moc"
