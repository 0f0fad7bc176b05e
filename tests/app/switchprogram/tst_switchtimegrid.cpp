#include "switchcell.h"
#include "switchgridcontrollerproxy.h"
#include "switchtimelistmodel.h"
#include "switchtimesample.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using storage::SwitchTime;
using CellPtr = std::shared_ptr<ISwitchGridController::CellModel>;
using Change = std::function<void(SwitchTimeListModel&)>;

namespace {

// What the list model put into the grid, call by call.
struct Placement {
    QString call;
    int element = -1;
    QList<int> codes;
    QList<int> rows;
    QList<int> positions;
    QList<int> priorities;
    bool selected = false;
};

QList<int> sorted(const QSet<int>& set) {
    QList<int> list(set.cbegin(), set.cend());
    std::sort(list.begin(), list.end());
    return list;
}

int codeOf(const CellPtr& model) {
    return model ? model->typeCode() : -1;
}

class RecordingGrid : public ISwitchGridController::GridModel {
public:
    void addStartEnd(int element, CellPtr start, CellPtr end, const QSet<int>& rows, int startCol, int endCol,
                     int priority, CellPtr line) override {
        placements.append({"startEnd",
                           element,
                           {codeOf(start), codeOf(end), codeOf(line)},
                           sorted(rows),
                           {startCol, endCol},
                           {priority},
                           start->selected});
    }
    void addElement(int element, CellPtr model, const QSet<int>& rows, int col, int priority,
                    CellPtr follow) override {
        placements.append({"element",
                           element,
                           {codeOf(model), codeOf(follow)},
                           sorted(rows),
                           {col},
                           {priority},
                           model->selected});
    }
    void addRange(int element, CellPtr start, CellPtr end, int startRow, int startCol, int endRow, int endCol,
                  int startPriority, int endPriority, CellPtr line) override {
        placements.append({"range",
                           element,
                           {codeOf(start), codeOf(end), codeOf(line)},
                           {startRow, endRow},
                           {startCol, endCol},
                           {startPriority, endPriority},
                           start->selected});
    }

    QList<Placement> placements;
};

template <typename T>
CellPtr tool() {
    return std::make_shared<T>();
}

} // namespace

class TestSwitchTimeGrid : public QObject {
    Q_OBJECT

private slots:
    void everyKindIsPlaced_data() {
        QTest::addColumn<SwitchTime>("switchTime");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<QList<int>>("priorities");
        using L = QList<int>;
        QTest::addRow("switch off") << sample::switchTime(0, 0, 128 | 2, 8 * 3600) << "element" << L{4, -1}
                                    << L{0, 6} << L{480} << L{100};
        QTest::addRow("switch on") << sample::switchTime(0, 1, 64, 86399) << "element" << L{0, 3} << L{1}
                                   << L{1439} << L{0};
        QTest::addRow("impulse on") << sample::impulse(32, 60, 5) << "element" << L{8, -1} << L{2} << L{1}
                                    << L{111};
        QTest::addRow("impulse off") << sample::switchTime(1, 0, 32, 120) << "element" << L{9, -1} << L{2}
                                     << L{2} << L{111};
        QTest::addRow("endless cycle")
            << sample::cycle(16, 600, 1, 600) << "element" << L{10, 13} << L{3} << L{10} << L{1000};
        QTest::addRow("cycle") << sample::cycle(16, 600, 128, 1200) << "range" << L{11, 12, 13} << L{3, 0}
                               << L{10, 20} << L{110, -1};
        QTest::addRow("cycle without end day")
            << sample::cycle(16, 600, 0, 1200) << "element" << L{11, 13} << L{3} << L{10} << L{110};
        QTest::addRow("fixed off") << sample::switchTime(3, 2, 8, 3600, 4, 7200) << "range" << L{5, 6, 7}
                                   << L{4, 5} << L{60, 120} << L{101, 101};
        QTest::addRow("fixed on") << sample::switchTime(3, 3, 8, 3600, 8, 60) << "range" << L{1, 2, 3}
                                  << L{4, 4} << L{60, 1} << L{100, 100};
        QTest::addRow("fixed on each start day")
            << sample::switchTime(3, 3, 12, 79200, -1, 7200) << "startEnd" << L{1, 2, 3} << L{4, 5}
            << L{1320, 120} << L{100};
    }

    void everyKindIsPlaced() {
        QFETCH(SwitchTime, switchTime);
        QFETCH(QString, call);
        QFETCH(QList<int>, codes);
        QFETCH(QList<int>, rows);
        QFETCH(QList<int>, positions);
        QFETCH(QList<int>, priorities);
        SwitchTimeListModel model;
        model.setSwitches({switchTime});
        RecordingGrid grid;
        model.fillGrid(grid);
        QCOMPARE(grid.placements.size(), 1);
        const Placement& placed = grid.placements.first();
        QCOMPARE(placed.call, call);
        QCOMPARE(placed.element, 0);
        QCOMPARE(placed.codes, codes);
        QCOMPARE(placed.rows, rows);
        QCOMPARE(placed.positions, positions);
        QCOMPARE(placed.priorities, priorities);
    }

    void nothingIsPlacedWithoutWeekdayOrKnownState() {
        SwitchTimeListModel model;
        model.setSwitches({sample::switchTime(0, 1, 0, 60), sample::switchTime(0, 1, 1, 60),
                           sample::switchTime(0, 3, 2, 60), sample::switchTime(3, 1, 2, 60, 2, 120)});
        RecordingGrid grid;
        model.fillGrid(grid);
        QVERIFY(grid.placements.isEmpty());
    }

    void fixedFirstThenCyclesImpulsesAndSwitches() {
        SwitchTimeListModel model;
        model.setSwitches({sample::switchTime(0, 1, 2, 60), sample::impulse(2, 60, 5),
                           sample::cycle(2, 0, 8, 60), sample::switchTime(3, 3, 2, 0, 4, 60),
                           sample::switchTime(0, 0, 2, 90)});
        model.selectIndices({2});
        RecordingGrid grid;
        model.fillGrid(grid);
        QList<int> elements;
        for (const Placement& placed : grid.placements)
            elements.append(placed.element);
        QCOMPARE(elements, QList<int>({3, 2, 1, 0, 4}));
        QCOMPARE(grid.placements.at(1).selected, true);
        QCOMPARE(grid.placements.at(0).selected, false);
    }

    void rowsFollowTheFirstDayOfTheWeek() {
        SwitchTimeListModel model;
        model.setSwitches({sample::switchTime(0, 1, 2, 60)});
        model.setFirstDayOfWeek(6);
        RecordingGrid grid;
        model.fillGrid(grid);
        QCOMPARE(grid.placements.first().rows, QList<int>({0}));
    }

    void simpleEdits_data() {
        QTest::addColumn<CellPtr>("tool");
        QTest::addColumn<int>("fromRow");
        QTest::addColumn<int>("toRow");
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<QString>("signal");
        QTest::addColumn<QVariantList>("arguments");
        QTest::addRow("green on Monday")
            << tool<GreenCell>() << 0 << 0 << 0 << "switch" << QVariantList{0, 1, 28800, 128};
        QTest::addRow("green, week from Sunday")
            << tool<GreenCell>() << 0 << 0 << 6 << "switch" << QVariantList{0, 1, 28800, 2};
        QTest::addRow("red over the week")
            << tool<RedCell>() << 0 << 6 << 0 << "switch" << QVariantList{0, 0, 28800, 254};
        QTest::addRow("yellow on") << tool<YellowOnCell>() << 1 << 2 << 0 << "impulse"
                                   << QVariantList{1, 1, 28800, 96, 1};
        QTest::addRow("yellow off") << tool<YellowOffCell>() << 6 << 6 << 0 << "impulse"
                                    << QVariantList{1, 0, 28800, 2, 1};
        QTest::addRow("other tool") << tool<BlueDotCell>() << 0 << 0 << 0 << "" << QVariantList{};
        QTest::addRow("upside down") << tool<GreenCell>() << 4 << 1 << 0 << "switch"
                                     << QVariantList{0, 1, 28800, 0};
    }

    void simpleEdits() {
        QFETCH(CellPtr, tool);
        QFETCH(int, fromRow);
        QFETCH(int, toRow);
        QFETCH(int, firstDay);
        QFETCH(QString, signal);
        QFETCH(QVariantList, arguments);
        SwitchTimeListModel model;
        model.setFirstDayOfWeek(firstDay);
        QSignalSpy switches(&model, &SwitchTimeListModel::createSwitchTime);
        QSignalSpy impulses(&model, qOverload<SwitchTime::Type, SwitchTime::State, int, int, int>(
                                        &SwitchTimeListModel::createImpuls));
        SwitchGridControllerProxy proxy(&model);
        proxy.applySimpleEdit(tool, fromRow, toRow, 480, nullptr);
        QCOMPARE(switches.size(), signal == "switch" ? 1 : 0);
        QCOMPARE(impulses.size(), signal == "impulse" ? 1 : 0);
        const QSignalSpy& emitted = signal == "switch" ? switches : impulses;
        if (!signal.isEmpty()) {
            QCOMPARE(emitted.first().size(), arguments.size());
            for (int i = 0; i < arguments.size(); ++i)
                QCOMPARE(emitted.first().at(i).toInt(), arguments.at(i).toInt());
        }
    }

    void fixedRangeEdits() {
        SwitchTimeListModel model;
        QSignalSpy ranges(&model, &SwitchTimeListModel::createSwitchTimeRange);
        model.applyRangeEdit(tool<GreenStartCell>(), tool<GreenEndCell>(), 1, 3, 60, 30, nullptr);
        model.applyRangeEdit(tool<RedStartCell>(), tool<RedEndCell>(), 0, 0, 0, 1439, nullptr);
        QCOMPARE(ranges.size(), 2);
        QCOMPARE(ranges.at(0), QVariantList({QVariant::fromValue(SwitchTime::FixSwitch),
                                             QVariant::fromValue(SwitchTime::FixOn), 3600, 1800, 112}));
        QCOMPARE(ranges.at(1).at(1).value<SwitchTime::State>(), SwitchTime::FixOff);
        QCOMPARE(ranges.at(1).at(3).toInt(), 86340);
    }

    void cycleRangeEditsKeepTheirDirection() {
        SwitchTimeListModel model;
        QSignalSpy cycles(&model,
                          qOverload<SwitchTime::Type, SwitchTime::State, int, int, int, int, int, int, bool>(
                              &SwitchTimeListModel::createCycle));
        model.applyRangeEdit(tool<BlueStartCell>(), tool<BlueEndCell>(), 4, 1, 600, 120, nullptr);
        QCOMPARE(cycles.size(), 1);
        const QVariantList& args = cycles.first();
        QCOMPARE(args.at(0).value<SwitchTime::Type>(), SwitchTime::Cycle);
        QCOMPARE(args.at(1).value<SwitchTime::State>(), SwitchTime::Off);
        QCOMPARE(args.at(2).toInt(), 36000);
        QCOMPARE(args.at(3).toInt(), 7200);
        QCOMPARE(args.at(4).toInt(), 8);
        QCOMPARE(args.at(5).toInt(), 64);
        QCOMPARE(args.at(6).toInt(), 1);
        QCOMPARE(args.at(7).toInt(), 1);
        QCOMPARE(args.at(8).toBool(), false);
    }

    void greenAndRedRangeMakesTwoSwitches() {
        SwitchTimeListModel model;
        QSignalSpy switches(&model, &SwitchTimeListModel::createSwitchTime);
        QSignalSpy invert(&model, &SwitchTimeListModel::invertStartEndModel);
        model.applyRangeEdit(tool<RedCell>(), tool<GreenCell>(), 0, 1, 60, 120, nullptr);
        QCOMPARE(switches.size(), 2);
        QCOMPARE(switches.at(0).at(1).value<SwitchTime::State>(), SwitchTime::Off);
        QCOMPARE(switches.at(0).at(2).toInt(), 3600);
        QCOMPARE(switches.at(0).at(3).toInt(), 192);
        QCOMPARE(switches.at(1).at(1).value<SwitchTime::State>(), SwitchTime::On);
        QCOMPARE(switches.at(1).at(2).toInt(), 7200);
        QCOMPARE(invert.size(), 0);

        // Not moved sideways: one switch, and the tool turns round.
        model.applyRangeEdit(tool<GreenCell>(), tool<RedCell>(), 0, 0, 60, 60, nullptr);
        QCOMPARE(switches.size(), 3);
        QCOMPARE(switches.at(2).at(1).value<SwitchTime::State>(), SwitchTime::On);
        QCOMPARE(invert.size(), 1);

        model.applyRangeEdit(tool<GreenCell>(), tool<GreenCell>(), 0, 0, 60, 90, nullptr);
        model.applyRangeEdit(tool<YellowOnCell>(), tool<RedCell>(), 0, 0, 60, 90, nullptr);
        model.applyRangeEdit(nullptr, tool<RedCell>(), 0, 0, 60, 90, nullptr);
        QCOMPARE(switches.size(), 3);
    }

    void theProxyForwardsEverything() {
        class Wrapped : public ISwitchGridController {
        public:
            bool needsRefresh() override { return false; }
            void fillGrid(GridModel&) override { ++fills; }
            void applySimpleEdit(std::shared_ptr<CellModel> model, int, int toRow, int,
                                 std::shared_ptr<CellModel>) override {
                simple = model;
                lastRow = toRow;
            }
            void applyRangeEdit(std::shared_ptr<CellModel>, std::shared_ptr<CellModel> end, int, int, int,
                                int endCol, std::shared_ptr<CellModel>) override {
                range = end;
                lastCol = endCol;
            }
            int fills = 0;
            int lastRow = -1;
            int lastCol = -1;
            CellPtr simple;
            CellPtr range;
        } wrapped;
        SwitchGridControllerProxy proxy(&wrapped);
        QVERIFY(!proxy.needsRefresh());
        RecordingGrid grid;
        proxy.fillGrid(grid);
        const CellPtr green = tool<GreenCell>();
        proxy.applySimpleEdit(green, 0, 5, 0, nullptr);
        proxy.applyRangeEdit(nullptr, green, 0, 0, 0, 77, nullptr);
        QCOMPARE(wrapped.fills, 1);
        QCOMPARE(wrapped.simple, green);
        QCOMPARE(wrapped.lastRow, 5);
        QCOMPARE(wrapped.range, green);
        QCOMPARE(wrapped.lastCol, 77);

        SwitchTimeListModel model;
        QVERIFY(SwitchGridControllerProxy(&model).needsRefresh());
    }

    // The grid keeps its cells until the list says something it shows has changed.
    void needsRefreshOnlyAfterAChange_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("refresh");
        QTest::addRow("nothing") << Change([](SwitchTimeListModel&) {}) << false;
        QTest::addRow("errors worked out") << Change([](SwitchTimeListModel& m) { m.errorCount(); }) << false;
        QTest::addRow("a start time") << Change([](SwitchTimeListModel& m) {
            m.setData(m.index(0), QDateTime(QDate::currentDate(), QTime(9, 0)),
                      SwitchTimeListModel::StartTimeRole);
        }) << true;
        QTest::addRow("a state") << Change([](SwitchTimeListModel& m) {
            m.setData(m.index(1), 0, SwitchTimeListModel::StateRole);
        }) << true;
        QTest::addRow("a refused write") << Change([](SwitchTimeListModel& m) {
            m.setData(m.index(5), 0, SwitchTimeListModel::StateRole);
        }) << false;
        QTest::addRow("an insertion")
            << Change([](SwitchTimeListModel& m) { m.insertSwitchTime(sample::switchTime(0, 1, 2, 60)); })
            << true;
        QTest::addRow("a removal") << Change([](SwitchTimeListModel& m) { m.removeSwitchTimes({0}); })
                                   << true;
        QTest::addRow("an undo") << Change([](SwitchTimeListModel& m) {
            m.removeSwitchTimes({0});
            RecordingGrid grid;
            m.fillGrid(grid);
            m.undo();
        }) << true;
        QTest::addRow("a selection") << Change([](SwitchTimeListModel& m) { m.selectIndices({1}); }) << true;
        QTest::addRow("select all") << Change([](SwitchTimeListModel& m) { m.selectAll(); }) << true;
        QTest::addRow("first day of the week")
            << Change([](SwitchTimeListModel& m) { m.setFirstDayOfWeek(6); }) << true;
        QTest::addRow("another program")
            << Change([](SwitchTimeListModel& m) { m.setSwitches({sample::impulse(2, 60, 5)}); }) << true;
        QTest::addRow("days moved") << Change([](SwitchTimeListModel& m) { m.moveSwitchDays(0, 64); })
                                    << true;
        QTest::addRow("written behind the model") << Change([](SwitchTimeListModel& m) {
            m.at(0)->setStartTime(7200);
            m.emitRowChanged(0);
        }) << true;
    }

    void needsRefreshOnlyAfterAChange() {
        QFETCH(Change, change);
        QFETCH(bool, refresh);
        SwitchTimeListModel model;
        model.setSwitches({sample::switchTime(0, 1, 64 | 32, 3600), sample::switchTime(0, 1, 64, 7200)});
        QVERIFY(model.needsRefresh());
        RecordingGrid grid;
        model.fillGrid(grid);
        QVERIFY(!model.needsRefresh());
        change(model);
        QCOMPARE(model.needsRefresh(), refresh);
        model.fillGrid(grid);
        QVERIFY(!model.needsRefresh());
        // The proxy the grid holds answers the same.
        SwitchGridControllerProxy proxy(&model);
        QVERIFY(!proxy.needsRefresh());
        model.selectAll(!model.isAllSelected());
        QVERIFY(proxy.needsRefresh());
    }
};

QTEST_GUILESS_MAIN(TestSwitchTimeGrid)
#include "tst_switchtimegrid.moc"
