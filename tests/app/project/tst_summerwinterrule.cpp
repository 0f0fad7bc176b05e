#include "projectsfixture.h"

#include <astroengine.h>

#include "projectcontroller.h"
#include "summerwinterrule.h"

// The rule record of a project, handed to the astro engine, must give the summer time of the
// rule the user picked in the model's rule list. The expected switch days are worked out here,
// day by day, without the engine's or the program's helpers.
namespace {

enum class Rule {
    None,
    Europe,
    WestEurope,
    EastEurope,
    Canada,
    Usa,
    Iran,
    Free,
    Fixed,
    NewZealand,
    Australia,
    Own,
    Table
};

struct Preset {
    int week;    // 0 .. 3, 4 the last
    int month;   // 0 January
    int weekDay; // 0 Monday
};

// The n-th (0 .. 3, 4 the last) weekday of a month, counted day by day.
QDate nthWeekday(int year, int month, int week, int weekDay) {
    QList<QDate> matches;
    for (QDate day(year, month, 1); day.month() == month; day = day.addDays(1)) {
        if (day.dayOfWeek() - 1 == weekDay)
            matches.append(day);
    }
    return week >= 4 ? matches.last() : matches.at(week);
}

QDate onPreset(int year, const Preset& preset) {
    return nthWeekday(year, preset.month + 1, preset.week, preset.weekDay);
}

void setPresets(ProjectController& controller, const Preset& wiSo, const Preset& soWi, int hour) {
    controller.setWiSoWeek(wiSo.week);
    controller.setWiSoMonth(wiSo.month);
    controller.setWiSoWeekDay(wiSo.weekDay);
    controller.setSoWiWeek(soWi.week);
    controller.setSoWiMonth(soWi.month);
    controller.setSoWiWeekDay(soWi.weekDay);
    controller.setWiSoHour(hour);
    controller.setSoWiHour(hour + 1);
}

const Preset LastSundayMarch{4, 2, 6};
const Preset LastSundayOctober{4, 9, 6};
const Preset SecondSundayMarch{1, 2, 6};
const Preset FirstSundayNovember{0, 10, 6};
const Preset LastSundaySeptember{4, 8, 6};
const Preset FirstSundayApril{0, 3, 6};
const Preset FirstSundayOctober{0, 9, 6};
const Preset SecondSaturdayApril{1, 3, 5};
const Preset ThirdSundaySeptember{2, 8, 6};

// Sets the project as the settings view leaves it for that rule; gives the expected switch days
// of the year (invalid when the rule has no summer time).
QPair<QDate, QDate> choose(ProjectController& controller, Rule rule, int year) {
    switch (rule) {
    case Rule::None:
        return {};
    case Rule::Europe:
    case Rule::WestEurope:
    case Rule::EastEurope:
        setPresets(controller, LastSundayMarch, LastSundayOctober, rule == Rule::EastEurope ? 3 : 2);
        return {onPreset(year, LastSundayMarch), onPreset(year, LastSundayOctober)};
    case Rule::Canada:
    case Rule::Usa:
        setPresets(controller, SecondSundayMarch, FirstSundayNovember, 2);
        return {onPreset(year, SecondSundayMarch), onPreset(year, FirstSundayNovember)};
    case Rule::Iran: {
        // Farwardin 1 and Shahriwar 30; a day earlier in leap years.
        const int day = QDate::isLeapYear(year) ? 21 : 22;
        return {QDate(year, 3, day), QDate(year, 9, day)};
    }
    case Rule::Free:
        setPresets(controller, SecondSaturdayApril, ThirdSundaySeptember, 2);
        return {onPreset(year, SecondSaturdayApril), onPreset(year, ThirdSundaySeptember)};
    case Rule::Fixed:
        controller.setWiSoDate(QDate(year, 4, 2));
        controller.setSoWiDate(QDate(year, 9, 20));
        return {QDate(year, 4, 2), QDate(year, 9, 20)};
    case Rule::NewZealand:
        setPresets(controller, LastSundaySeptember, FirstSundayApril, 2);
        return {onPreset(year, LastSundaySeptember), onPreset(year, FirstSundayApril)};
    case Rule::Australia:
        setPresets(controller, FirstSundayOctober, FirstSundayApril, 2);
        return {onPreset(year, FirstSundayOctober), onPreset(year, FirstSundayApril)};
    case Rule::Own:
        // A fixed day into summer time, a weekday rule back.
        setPresets(controller, SecondSundayMarch, LastSundayOctober, 2);
        controller.setCustomWiSo(1);
        controller.setWiSoDate(QDate(2001, 3, 15));
        controller.setCustomSoWi(0);
        return {QDate(year, 3, 15), onPreset(year, LastSundayOctober)};
    case Rule::Table: {
        SommerWinterTableModel* table = controller.sommerWinterTable();
        table->set(year - SommerWinterTableModel::FirstYear, year, QDate(year, 3, 27), 2, QDate(year, 10, 4),
                   2, true);
        controller.saveSommerWinterTable();
        return {QDate(year, 3, 27), QDate(year, 10, 4)};
    }
    }
    return {};
}

bool expectedSummer(const QPair<QDate, QDate>& switches, const QDate& day) {
    const auto [start, end] = switches;
    if (!start.isValid())
        return false;
    return start < end ? day > start && day < end : day > start || day < end;
}

} // namespace

class TestSummerWinterRule : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProjectsFixture> f;

private slots:
    void init() { f = std::make_unique<ProjectsFixture>(); }
    void cleanup() { f.reset(); }

    void everyRulePositionGivesTheChosenSummerTime_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("position");
        QTest::addColumn<Rule>("rule");
        const QList<Rule> standard{Rule::None,       Rule::Europe, Rule::WestEurope,
                                   Rule::EastEurope, Rule::Canada, Rule::Usa};
        // The rule lists as the models show them.
        const QList<QPair<int, QList<Rule>>> lists{
            {41, standard + QList<Rule>{Rule::Iran, Rule::Free, Rule::Fixed, Rule::Australia}},
            {101,
             standard + QList<Rule>{Rule::Iran, Rule::NewZealand, Rule::Australia, Rule::Own, Rule::Table}},
            {102, standard + QList<Rule>{Rule::NewZealand, Rule::Australia, Rule::Own, Rule::Table}},
            {45, standard + QList<Rule>{Rule::Iran, Rule::NewZealand, Rule::Own, Rule::Table}},
        };
        for (const auto& [model, list] : lists) {
            for (int position = 0; position < list.size(); ++position)
                QTest::addRow("model %d rule %d", model, position) << model << position << list.at(position);
        }
    }

    void everyRulePositionGivesTheChosenSummerTime() {
        QFETCH(int, model);
        QFETCH(int, position);
        QFETCH(Rule, rule);
        for (const int year : {2026, 2028}) {
            storage::Project project(model, QStringLiteral("Rules"));
            ProjectController controller(project);
            controller.setSoWiRuleType(position);
            const QPair<QDate, QDate> switches = choose(controller, rule, year);

            AstroEngine::setParameters(50, 8, 13, controller.summerWinterRule(year), false,
                                       OwnAstroDayTable{});
            for (const QDate& around : {switches.first, switches.second}) {
                if (!around.isValid())
                    continue;
                for (const int offset : {-1, 1}) {
                    const QDate day = around.addDays(offset);
                    QVERIFY2(AstroEngine::isSummerTime(day, 12) == expectedSummer(switches, day),
                             qPrintable(day.toString(Qt::ISODate)));
                }
            }
            if (!switches.first.isValid()) {
                for (const QDate& day : {QDate(year, 1, 10), QDate(year, 7, 10)})
                    QVERIFY(!AstroEngine::isSummerTime(day, 12));
            }
        }
    }

    // The views show the fields of the kind the engine's record is made from.
    void eachPositionHasTheKindOfItsRule_data() { everyRulePositionGivesTheChosenSummerTime_data(); }
    void eachPositionHasTheKindOfItsRule() {
        QFETCH(int, model);
        QFETCH(int, position);
        QFETCH(Rule, rule);
        using Choice = SummerWinterRule::Choice;
        const QHash<Rule, Choice> kinds{
            {Rule::None, Choice::None},           {Rule::Europe, Choice::Standard},
            {Rule::WestEurope, Choice::Standard}, {Rule::EastEurope, Choice::Standard},
            {Rule::Canada, Choice::Standard},     {Rule::Usa, Choice::Standard},
            {Rule::Iran, Choice::Iran},           {Rule::Free, Choice::FreeRule},
            {Rule::Fixed, Choice::FixedDate},     {Rule::NewZealand, Choice::Southern},
            {Rule::Australia, Choice::Southern},  {Rule::Own, Choice::OwnRule},
            {Rule::Table, Choice::OwnTable}};
        const SummerWinterRule rules;
        QCOMPARE(rules.kindOf(position, model), int(kinds.value(rule)));
    }

    void europeanRuleRecordKeepsTheStoredValues() {
        storage::Project project(41, QStringLiteral("Record"));
        ProjectController controller(project);
        controller.setSoWiRuleType(1);
        setPresets(controller, LastSundayMarch, LastSundayOctober, 2);
        controller.setCustomWiSo(3);
        controller.setWiSoDate(QDate(2026, 3, 29));
        const SoWiRuleRecord record = controller.summerWinterRule(2026);
        QCOMPARE(record.ruleType, 1);
        QCOMPARE(record.wiSo.custom, 3);
        QCOMPARE(int(record.wiSo.year), 2026);
        QCOMPARE(int(record.wiSo.month), 3);
        QCOMPARE(int(record.wiSo.week), 5);
        QCOMPARE(record.wiSo.hour, 2);
        QCOMPARE(int(record.wiSo.weekday), 6);
        QCOMPARE(int(record.soWi.month), 10);
        QCOMPARE(record.soWi.hour, 3);
    }

    void aDisabledTableYearHasNoSummerTime() {
        storage::Project project(101, QStringLiteral("Table"));
        ProjectController controller(project);
        controller.setSoWiRuleType(10);
        QCOMPARE(controller.summerWinterRule(2030).ruleType, 0);
    }
};

QTEST_MAIN(TestSummerWinterRule)
#include "tst_summerwinterrule.moc"
