// The week grid driven by the mouse and by fingers in an offscreen window, over a real switch-time
// list: positions to cells, drags to edits and to the list's creation signals, auto-scroll, pinch
// zoom, selections, hover, and when the grid fills its cells.
#include "gridwindow.h"
#include "switchcell.h"
#include "switchtimesample.h"

#include <QElapsedTimer>
#include <QPointingDevice>
#include <QSignalSpy>
#include <QTest>

using sample::switchTime;
using namespace sample::days;
using storage::SwitchTime;
using CellPtr = std::shared_ptr<ISwitchGridController::CellModel>;
using Edit = ObservedGridController::Edit;

namespace {

template <typename T>
CellPtr tool() {
    return std::make_shared<T>();
}

// The zoom levels of the program view: steps with the buckets that show across the width.
const QList<int> ZoomSteps{1, 5, 15, 30, 60};
const QList<int> ZoomVisibleSteps{30, 24, 24, 24, 24};

// Every creation request of the list model, as (kind, arguments as ints).
struct Requests {
    explicit Requests(SwitchTimeListModel* model) {
        const auto record = [this](const char* kind) {
            return [this, kind](auto... arguments) { made.append({kind, {static_cast<int>(arguments)...}}); };
        };
        QObject::connect(model, &SwitchTimeListModel::createSwitchTime, &context, record("switch"));
        QObject::connect(
            model,
            qOverload<SwitchTime::Type, SwitchTime::State, int, int, int>(&SwitchTimeListModel::createImpuls),
            &context, record("impulse"));
        QObject::connect(model, &SwitchTimeListModel::createSwitchTimeRange, &context, record("range"));
        QObject::connect(model,
                         qOverload<SwitchTime::Type, SwitchTime::State, int, int, int, int, int, int, bool>(
                             &SwitchTimeListModel::createCycle),
                         &context, record("cycle"));
    }
    QObject context;
    QList<QPair<QString, QList<int>>> made;
};

void drag(GridWindow& week, QPoint from, QPoint to) {
    QTest::mousePress(&week.window, Qt::LeftButton, {}, from);
    QTest::mouseMove(&week.window, to);
    QTest::mouseRelease(&week.window, Qt::LeftButton, {}, to);
}

QPointingDevice* touchScreen() {
    static QPointingDevice* device = QTest::createTouchDevice();
    return device;
}

} // namespace

class TestSwitchGridInteraction : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        GridWindow::useSoftwareRendering();
        touchScreen();
    }

    void positionsMapToTheFirstColumnOfTheirBucket_data() {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("visibleSteps");
        QTest::addColumn<double>("offset");
        QTest::addColumn<bool>("mirror");
        QTest::addColumn<int>("column");
        QTest::addRow("hours") << 60 << 24 << 0.0 << false << 120;
        QTest::addRow("hours, mirrored") << 60 << 24 << 0.0 << true << 120;
        QTest::addRow("half hours, scrolled") << 30 << 24 << 2.0 << false << 120;
        QTest::addRow("quarter hours") << 15 << 24 << 0.0 << false << 120;
        QTest::addRow("five minutes, scrolled") << 5 << 24 << 20.0 << false << 125;
        QTest::addRow("minutes, scrolled") << 1 << 30 << 110.0 << false << 125;
    }

    void positionsMapToTheFirstColumnOfTheirBucket() {
        QFETCH(int, steps);
        QFETCH(int, visibleSteps);
        QFETCH(double, offset);
        QFETCH(bool, mirror);
        QFETCH(int, column);
        GridWindow week;
        week.grid->setSteps(steps);
        week.grid->setVisibleSteps(visibleSteps);
        week.grid->setOffset(offset);
        week.grid->setMirror(mirror);
        week.grid->setupSelectMode();
        QSignalSpy selected(week.grid, &SwitchGrid::selected);
        QTest::mouseClick(&week.window, Qt::LeftButton, {}, week.at(2, 125.5));
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().at(0).toInt(), 2);
        QCOMPARE(selected.first().at(1).toInt(), 2);
        QCOMPARE(selected.first().at(2).toInt(), column);
    }

    void dragsBecomeEdits_data() {
        QTest::addColumn<bool>("range");
        QTest::addColumn<CellPtr>("start");
        QTest::addColumn<CellPtr>("end");
        QTest::addColumn<CellPtr>("follow");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QList<int>>("arguments");
        using L = QList<int>;
        // Points are (row, minute).
        QTest::addRow("on, Tuesday to Thursday")
            << false << tool<GreenCell>() << CellPtr() << tool<GreenDotCell>() << QPoint(1, 8 * 60 + 30)
            << QPoint(3, 9 * 60 + 30) << Edit{0, -1, 1, 3, 540, 540, 3} << "switch" << L{0, 1, 9 * Hour, 112};
        QTest::addRow("off, one click")
            << false << tool<RedCell>() << CellPtr() << CellPtr() << QPoint(0, 23 * 60 + 30)
            << QPoint(0, 23 * 60 + 30) << Edit{4, -1, 0, 0, 1380, 1380, -1} << "switch"
            << L{0, 0, 23 * Hour, 128};
        QTest::addRow("impulse, the whole week upwards")
            << false << tool<YellowOnCell>() << CellPtr() << CellPtr() << QPoint(6, 6 * 60 + 30)
            << QPoint(0, 6 * 60 + 30) << Edit{8, -1, 0, 6, 360, 360, -1} << "impulse"
            << L{1, 1, 6 * Hour, 254, 1};
        QTest::addRow("fixed on, Tuesday to Thursday")
            << true << tool<GreenStartCell>() << tool<GreenEndCell>() << tool<GreenDotCell>()
            << QPoint(1, 8 * 60 + 30) << QPoint(3, 12 * 60 + 30) << Edit{1, 2, 1, 3, 480, 720, 3} << "range"
            << L{3, 3, 8 * Hour, 12 * Hour, 112};
        QTest::addRow("fixed off, backwards")
            << true << tool<RedStartCell>() << tool<RedEndCell>() << tool<RedDotCell>()
            << QPoint(2, 14 * 60 + 30) << QPoint(2, 10 * 60 + 30) << Edit{5, 6, 2, 2, 840, 600, 7} << "range"
            << L{3, 2, 14 * Hour, 10 * Hour, 32};
        QTest::addRow("fixed on, Friday up to Tuesday")
            << true << tool<GreenStartCell>() << tool<GreenEndCell>() << tool<GreenDotCell>()
            << QPoint(4, 8 * 60 + 30) << QPoint(1, 12 * 60 + 30) << Edit{1, 2, 1, 4, 480, 720, 3} << "range"
            << L{3, 3, 8 * Hour, 12 * Hour, 64 | 32 | 16 | 8};
        QTest::addRow("cycle, Friday up to Tuesday")
            << true << tool<BlueStartCell>() << tool<BlueEndCell>() << tool<BlueDotCell>()
            << QPoint(4, 8 * 60 + 30) << QPoint(1, 12 * 60 + 30) << Edit{11, 12, 4, 1, 480, 720, 13}
            << "cycle" << L{2, 0, 8 * Hour, 12 * Hour, Friday, Tuesday, 1, 1, 0};
        QTest::addRow("on and off") << true << tool<GreenCell>() << tool<RedCell>() << CellPtr()
                                    << QPoint(0, 8 * 60 + 30) << QPoint(0, 12 * 60 + 30)
                                    << Edit{0, 4, 0, 0, 480, 720, -1} << "switch" << L{0, 1, 8 * Hour, 128};
    }

    void dragsBecomeEdits() {
        QFETCH(bool, range);
        QFETCH(CellPtr, start);
        QFETCH(CellPtr, end);
        QFETCH(CellPtr, follow);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(Edit, edit);
        QFETCH(QString, kind);
        QFETCH(QList<int>, arguments);
        GridWindow week;
        Requests requests(&week.model);
        if (range)
            week.grid->setupRangeEditMode(start, end, 100, follow);
        else
            week.grid->setupSimpleEditMode(start, 0, follow);
        drag(week, week.at(from.x(), from.y()), week.at(to.x(), to.y()));
        const QList<Edit>& edits = range ? week.controller.rangeEdits : week.controller.simpleEdits;
        QCOMPARE(edits, QList<Edit>{edit});
        QVERIFY(!requests.made.isEmpty());
        QCOMPARE(requests.made.first().first, kind);
        QCOMPARE(requests.made.first().second, arguments);
    }

    void anOnOffToolNotMovedSidewaysTurnsRound() {
        GridWindow week;
        Requests requests(&week.model);
        connect(&week.model, &SwitchTimeListModel::invertStartEndModel, week.grid,
                &SwitchGrid::invertStartEndModel);
        week.grid->setupRangeEditMode(tool<GreenCell>(), tool<RedCell>(), 0);
        drag(week, week.at(0, 8 * 60 + 30), week.at(2, 8 * 60 + 40));
        QCOMPARE(requests.made.size(), 1);
        QCOMPARE(requests.made.first().second, (QList<int>{0, 1, 8 * Hour, 128 | 64 | 32}));
        drag(week, week.at(0, 10 * 60 + 30), week.at(0, 10 * 60 + 30));
        QCOMPARE(week.controller.rangeEdits.last().startCode, int(SwitchCell::Red));
        QCOMPARE(requests.made.last().second, (QList<int>{0, 0, 10 * Hour, 128}));
    }

    void aSelectionCarriesItsRectangle_data() {
        QTest::addColumn<int>("steps");
        QTest::addColumn<double>("offset");
        QTest::addColumn<bool>("mirror");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("fromCol");
        QTest::addColumn<QPoint>("delta");
        // Left and right edge in buckets from the first shown.
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("right");
        QTest::addRow("hours") << 60 << 0.0 << false << QPoint(1, 7 * 60 + 30) << QPoint(3, 11 * 60 + 30)
                               << 420 << QPoint(240, 2) << 7.0 << 12.0;
        QTest::addRow("backwards and up") << 60 << 0.0 << false << QPoint(3, 11 * 60 + 30)
                                          << QPoint(1, 7 * 60 + 30) << 420 << QPoint(-240, -2) << 7.0 << 12.0;
        QTest::addRow("quarter hours, scrolled")
            << 15 << 20.0 << false << QPoint(1, 6 * 60 + 7) << QPoint(3, 8 * 60 + 22) << 360 << QPoint(135, 2)
            << 4.0 << 14.0;
        QTest::addRow("hours, mirrored") << 60 << 0.0 << true << QPoint(1, 7 * 60 + 30)
                                         << QPoint(3, 11 * 60 + 30) << 420 << QPoint(240, 2) << 12.0 << 17.0;
    }

    void aSelectionCarriesItsRectangle() {
        QFETCH(int, steps);
        QFETCH(double, offset);
        QFETCH(bool, mirror);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, fromCol);
        QFETCH(QPoint, delta);
        QFETCH(double, left);
        QFETCH(double, right);
        GridWindow week({switchTime(0, 1, Tuesday, 8 * Hour), switchTime(0, 0, Wednesday, 8 * Hour),
                         sample::impulse(Friday, 8 * Hour, 5)});
        week.grid->setSteps(steps);
        week.grid->setOffset(offset);
        week.grid->setMirror(mirror);
        week.grid->setupSelectMode();
        QSignalSpy selected(week.grid, &SwitchGrid::selected);
        drag(week, week.at(from.x(), from.y()), week.at(to.x(), to.y()));
        QCOMPARE(selected.size(), 1);
        const QVariantList& args = selected.first();
        QCOMPARE(args.at(0).toInt(), 1);
        QCOMPARE(args.at(1).toInt(), 3);
        QCOMPARE(args.at(2).toInt(), fromCol);
        QCOMPARE(args.at(3).value<QList<int>>(), (QList<int>{0, 1}));
        const double bucket = double(GridWindow::Width) / 24;
        const QRectF area(QPointF(bucket * left, GridWindow::Height * 1.0 / 7),
                          QPointF(bucket * right, GridWindow::Height * 4.0 / 7));
        QCOMPARE(args.at(4).toRectF(), area);
        QCOMPARE(args.at(5).toPoint(), delta);
    }

    void aSelectionStaysOnlyOverElements() {
        GridWindow week({switchTime(0, 1, Tuesday, 8 * Hour)});
        week.grid->setupSelectMode();
        QSignalSpy selected(week.grid, &SwitchGrid::selected);
        drag(week, week.at(0, 30), week.at(0, 150));
        QCOMPARE(selected.size(), 1);
        QVERIFY(selected.first().at(3).value<QList<int>>().isEmpty());
        const QImage empty = week.paint();
        QCOMPARE(empty.pixelColor(GridWindow::Bucket + 3, 3), QColor(Qt::white));
        drag(week, week.at(1, 7 * 60 + 30), week.at(1, 9 * 60 + 30));
        QCOMPARE(selected.last().at(3).value<QList<int>>(), QList<int>{0});
        const QImage kept = week.paint();
        const QColor highlighted = kept.pixelColor(7 * GridWindow::Bucket + 3, GridWindow::Bucket + 3);
        QVERIFY2(std::abs(highlighted.red() - 204) <= 2 && highlighted.red() == highlighted.blue(),
                 qPrintable(highlighted.name()));
    }

    // A switch time added after the last paint is found by the next selection already.
    void aSelectionSeesAChangeNotYetPainted() {
        GridWindow week({switchTime(0, 1, Tuesday, 8 * Hour)});
        week.grid->setupSelectMode();
        week.window.grabWindow();
        week.model.insertSwitchTime(switchTime(0, 0, Monday, 20 * Hour));
        QSignalSpy selected(week.grid, &SwitchGrid::selected);
        drag(week, week.at(0, 19 * 60 + 30), week.at(0, 21 * 60 + 30));
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().at(3).value<QList<int>>().size(), 1);
    }

    void aDragAtTheEdgeScrollsUntilTheEnd() {
        GridWindow week;
        week.grid->setVisibleSteps(21);
        week.grid->setOffset(0);
        QCOMPARE(week.grid->maxOffset(), 3.0);
        week.grid->setupSimpleEditMode(tool<GreenCell>(), 0);
        QSignalSpy offsets(week.grid, &SwitchGrid::offsetChanged);
        QTest::mousePress(&week.window, Qt::LeftButton, {}, week.at(1, 20 * 60 + 30));
        const QPoint beyond(GridWindow::Width + 10, week.at(1, 0).y());
        QTest::mouseMove(&week.window, beyond);
        QCOMPARE(offsets.size(), 1);
        QCOMPARE(week.grid->offset(), 1.0);
        QElapsedTimer clock;
        clock.start();
        for (double expected : {2.0, 3.0}) {
            QVERIFY(offsets.wait(2000));
            QCOMPARE(week.grid->offset(), expected);
            QVERIFY2(clock.elapsed() >= 150, qPrintable(QString::number(clock.elapsed())));
            clock.restart();
        }
        QVERIFY(!offsets.wait(500));
        QTest::mouseRelease(&week.window, Qt::LeftButton, {}, beyond);
        QCOMPARE(week.controller.simpleEdits.size(), 1);
        QVERIFY(week.controller.simpleEdits.first().startCol >= 23 * 60);
    }

    void aMirroredDragScrollsTheOtherWay() {
        GridWindow week;
        week.grid->setVisibleSteps(21);
        week.grid->setMirror(true);
        week.grid->setOffset(2);
        week.grid->setupSimpleEditMode(tool<GreenCell>(), 0);
        QSignalSpy offsets(week.grid, &SwitchGrid::offsetChanged);
        QTest::mousePress(&week.window, Qt::LeftButton, {}, week.at(1, 10 * 60 + 30));
        QTest::mouseMove(&week.window, QPoint(GridWindow::Width + 10, week.at(1, 0).y()));
        QCOMPARE(week.grid->offset(), 3.0);
        QVERIFY(!offsets.wait(400));
        QTest::mouseRelease(&week.window, Qt::LeftButton, {}, QPoint(GridWindow::Width + 10, 30));
        // The end of the width shows the start of the day.
        QCOMPARE(week.controller.simpleEdits.first().startCol, 0);
    }

    void aFingerDraws() {
        GridWindow week;
        week.grid->setupSimpleEditMode(tool<GreenCell>(), 0, tool<GreenDotCell>());
        QTest::touchEvent(&week.window, touchScreen()).press(0, week.at(1, 8 * 60 + 30));
        QTest::touchEvent(&week.window, touchScreen()).move(0, week.at(3, 8 * 60 + 30));
        QTest::touchEvent(&week.window, touchScreen()).release(0, week.at(3, 8 * 60 + 30));
        QCOMPARE(week.controller.simpleEdits, (QList<Edit>{{0, -1, 1, 3, 480, 480, 3}}));
    }

    void aSecondFingerCancelsTheDragAndPinches() {
        GridWindow week;
        Requests requests(&week.model);
        week.grid->setPosibleSteps(ZoomSteps);
        week.grid->setPosibleVisibleSteps(ZoomVisibleSteps);
        week.grid->setupSimpleEditMode(tool<GreenCell>(), 0);
        QTest::touchEvent(&week.window, touchScreen()).press(0, QPoint(200, 70));
        QTest::touchEvent(&week.window, touchScreen()).move(0, QPoint(220, 90));
        // A finger that stays is told as moved to where it is.
        QTest::touchEvent(&week.window, touchScreen()).move(0, QPoint(220, 90)).press(1, QPoint(300, 90));
        QTest::touchEvent(&week.window, touchScreen()).move(0, QPoint(140, 90)).move(1, QPoint(300, 90));
        QCOMPARE(week.grid->steps(), 30);
        QTest::touchEvent(&week.window, touchScreen())
            .release(0, QPoint(140, 90))
            .release(1, QPoint(300, 90));
        QVERIFY(week.controller.simpleEdits.isEmpty());
        QVERIFY(requests.made.isEmpty());
        // The next touch draws again.
        QTest::touchEvent(&week.window, touchScreen()).press(0, QPoint(30, 30));
        QTest::touchEvent(&week.window, touchScreen()).release(0, QPoint(30, 30));
        QCOMPARE(week.controller.simpleEdits.size(), 1);
    }

    void aPinchChoosesTheNearestZoom_data() {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("spread");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("visible");
        QTest::addRow("twice the distance from hours") << 60 << 160 << 30 << 24;
        QTest::addRow("three times") << 60 << 240 << 15 << 24;
        QTest::addRow("half the distance from half hours") << 30 << 40 << 60 << 24;
        QTest::addRow("to minutes") << 15 << 480 << 1 << 30;
        QTest::addRow("hardly moved") << 60 << 90 << 60 << 24;
    }

    void aPinchChoosesTheNearestZoom() {
        QFETCH(int, steps);
        QFETCH(int, spread);
        QFETCH(int, chosen);
        QFETCH(int, visible);
        GridWindow week;
        week.grid->setSteps(steps);
        week.grid->setOffset(0);
        week.grid->setPosibleSteps(ZoomSteps);
        week.grid->setPosibleVisibleSteps(ZoomVisibleSteps);
        QSignalSpy stepsChanged(week.grid, &SwitchGrid::stepsChanged);
        const int middle = 240;
        QTest::touchEvent(&week.window, touchScreen())
            .press(0, QPoint(middle - 40, 70))
            .press(1, QPoint(middle + 40, 70));
        QTest::touchEvent(&week.window, touchScreen())
            .move(0, QPoint(middle - spread / 2, 70))
            .move(1, QPoint(middle + spread / 2, 70));
        QCOMPARE(week.grid->steps(), chosen);
        QCOMPARE(week.grid->visibleSteps(), visible);
        QCOMPARE(stepsChanged.size(), chosen == steps ? 0 : 1);
        // The minute under the fingers stays under them.
        const double m = double(middle) / GridWindow::Width;
        const double expected =
            std::clamp((24 * m * steps) / chosen - visible * m, 0.0, 1440.0 / chosen - visible);
        QCOMPARE(week.grid->offset(), expected);
        QTest::touchEvent(&week.window, touchScreen())
            .release(0, QPoint(middle - spread / 2, 70))
            .release(1, QPoint(middle + spread / 2, 70));
    }

    void aPinchOnOnePointChangesNothing() {
        GridWindow week;
        week.grid->setPosibleSteps(ZoomSteps);
        week.grid->setPosibleVisibleSteps(ZoomVisibleSteps);
        week.grid->setOffset(0);
        QTest::touchEvent(&week.window, touchScreen()).press(0, QPoint(200, 70)).press(1, QPoint(200, 70));
        QTest::touchEvent(&week.window, touchScreen()).move(0, QPoint(200, 70)).move(1, QPoint(200, 70));
        QTest::touchEvent(&week.window, touchScreen()).move(0, QPoint(160, 70)).move(1, QPoint(240, 70));
        QCOMPARE(week.grid->steps(), 60);
        QCOMPARE(week.grid->offset(), 0.0);
        // From there on the fingers zoom.
        QTest::touchEvent(&week.window, touchScreen()).move(0, QPoint(120, 70)).move(1, QPoint(280, 70));
        QCOMPARE(week.grid->steps(), 30);
        QTest::touchEvent(&week.window, touchScreen())
            .release(0, QPoint(120, 70))
            .release(1, QPoint(280, 70));
        QVERIFY(week.controller.simpleEdits.isEmpty());
    }

    void hoverTellsTheElementsUnderThePointer() {
        GridWindow week({switchTime(0, 1, Tuesday, 8 * Hour)});
        week.paint();
        // Entering the grid only tells that the pointer came in.
        QTest::mouseMove(&week.window, week.at(0, 30));
        QSignalSpy hovered(week.grid, &SwitchGrid::hoveredElementsChanged);
        const auto last = [&hovered] {
            const QVariantList& args = hovered.last();
            return std::make_tuple(args.at(1).toInt(), args.at(2).toInt(), args.at(3).value<QList<int>>());
        };
        QTest::mouseMove(&week.window, week.at(1, 8 * 60 + 30));
        QCOMPARE(hovered.size(), 1);
        QCOMPARE(last(), std::make_tuple(1, 480, QList<int>{0}));
        QCOMPARE(hovered.last().at(0).toPointF(), week.grid->mapFromScene(week.at(1, 8 * 60 + 30)));
        QTest::mouseMove(&week.window, week.at(1, 8 * 60 + 50));
        QCOMPARE(hovered.size(), 1);
        QTest::mouseMove(&week.window, week.at(1, 9 * 60 + 30));
        QCOMPARE(hovered.size(), 2);
        QCOMPARE(last(), std::make_tuple(1, 540, QList<int>()));
        // Another column with the same elements says nothing; another row does.
        QTest::mouseMove(&week.window, week.at(1, 10 * 60 + 30));
        QCOMPARE(hovered.size(), 2);
        QTest::mouseMove(&week.window, week.at(2, 10 * 60 + 30));
        QCOMPARE(hovered.size(), 3);
        QCOMPARE(last(), std::make_tuple(2, 600, QList<int>()));
        QTest::mouseMove(&week.window, QPoint(GridWindow::Width + 50, 30));
        QCOMPARE(hovered.size(), 4);
        QCOMPARE(last(), std::make_tuple(-1, -1, QList<int>()));
        QCOMPARE(hovered.last().at(0).toPointF(), QPointF());
    }

    void hoverInAnEditModeShowsWhatAClickWouldDraw() {
        GridWindow week;
        week.grid->setupSimpleEditMode(tool<RedCell>(), 100);
        QTest::mouseMove(&week.window, week.at(0, 30));
        QSignalSpy hovered(week.grid, &SwitchGrid::hoveredElementsChanged);
        QTest::mouseMove(&week.window, week.at(4, 15 * 60 + 30));
        QCOMPARE(hovered.size(), 1);
        QCOMPARE(hovered.last().at(2).toInt(), 900);
        QVERIFY(hovered.last().at(3).value<QList<int>>().isEmpty());
        const QColor preview =
            week.paint().pixelColor(15 * GridWindow::Bucket + 3, 4 * GridWindow::Bucket + 3);
        // Red beneath the highlight.
        QVERIFY2(std::abs(preview.red() - 181) <= 2 && preview.green() <= 2 &&
                     std::abs(preview.blue() - 21) <= 2,
                 qPrintable(preview.name()));
        QTest::mouseMove(&week.window, week.at(4, 15 * 60 + 40));
        QCOMPARE(hovered.size(), 1);
        QTest::mouseMove(&week.window, QPoint(GridWindow::Width + 50, 30));
        QCOMPARE(hovered.size(), 2);
        QCOMPARE(week.paint().pixelColor(15 * GridWindow::Bucket + 3, 4 * GridWindow::Bucket + 3),
                 QColor(Qt::white));
    }

    // Hover, scroll and zoom repaint from the kept cells; a change of the list fills them anew,
    // once, but not while the user is drawing.
    void cellsAreFilledOnlyAfterAChange() {
        GridWindow week({switchTime(0, 1, Tuesday, 8 * Hour)});
        week.grid->setupSimpleEditMode(tool<RedCell>(), 100);
        QImage before = week.window.grabWindow();
        QCOMPARE(week.controller.fills, 1);
        const auto repainted = [&week, &before] {
            const QImage after = week.window.grabWindow();
            const bool changed = after != before;
            before = after;
            return changed;
        };
        QTest::mouseMove(&week.window, week.at(2, 30));
        QTest::mouseMove(&week.window, week.at(2, 90));
        QVERIFY(repainted());
        week.grid->setOffset(2);
        QVERIFY(repainted());
        week.grid->setSteps(30);
        QVERIFY(repainted());
        QCOMPARE(week.controller.fills, 1);

        week.model.insertSwitchTime(switchTime(0, 0, Wednesday, 9 * Hour));
        week.grid->update();
        QVERIFY(repainted());
        QCOMPARE(week.controller.fills, 2);
        week.grid->update();
        week.window.grabWindow();
        QCOMPARE(week.controller.fills, 2);
        week.model.selectIndices({1});
        week.grid->update();
        week.window.grabWindow();
        QCOMPARE(week.controller.fills, 3);

        QTest::mousePress(&week.window, Qt::LeftButton, {}, week.at(5, 600));
        week.model.setData(week.model.index(0), 96, SwitchTimeListModel::StartDaysRole);
        QTest::mouseMove(&week.window, week.at(6, 600));
        week.window.grabWindow();
        QCOMPARE(week.controller.fills, 3);
        QTest::mouseRelease(&week.window, Qt::LeftButton, {}, week.at(6, 600));
        week.window.grabWindow();
        QCOMPARE(week.controller.fills, 4);
    }

    void zeroSizesAndStepsMapNothingAndApplyNoEdit_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("value");
        QTest::addRow("no width") << "width" << 0;
        QTest::addRow("no height") << "height" << 0;
        QTest::addRow("no rows") << "rows" << 0;
        QTest::addRow("no columns") << "cols" << 0;
        QTest::addRow("no steps") << "steps" << 0;
        QTest::addRow("no visible steps") << "visibleSteps" << 0;
        QTest::addRow("negative steps") << "steps" << -15;
    }

    void zeroSizesAndStepsMapNothingAndApplyNoEdit() {
        QFETCH(QString, property);
        QFETCH(int, value);
        GridWindow week({switchTime(0, 1, Tuesday, 8 * Hour), sample::cycle(Wednesday, 600, 1, 0)});
        const QPoint inside = week.at(1, 30);
        week.grid->setProperty(qPrintable(property), value);
        QCOMPARE(week.grid->property(qPrintable(property)).toInt(), value);
        QVERIFY(std::isfinite(week.grid->maxOffset()));
        QSignalSpy selected(week.grid, &SwitchGrid::selected);
        QSignalSpy hovered(week.grid, &SwitchGrid::hoveredElementsChanged);
        week.grid->setupSimpleEditMode(tool<GreenCell>(), 0);
        drag(week, inside, QPoint(GridWindow::Width + 10, 40));
        QTest::mouseMove(&week.window, QPoint(50, 50));
        week.grid->setupSelectMode();
        week.grid->forcedClick(QPointF(50, 50));
        QTest::touchEvent(&week.window, touchScreen()).press(0, QPoint(100, 70)).press(1, QPoint(140, 70));
        QTest::touchEvent(&week.window, touchScreen()).move(0, QPoint(60, 70)).move(1, QPoint(180, 70));
        QTest::touchEvent(&week.window, touchScreen()).release(0, QPoint(60, 70)).release(1, QPoint(180, 70));
        QVERIFY(week.controller.simpleEdits.isEmpty());
        QVERIFY(selected.isEmpty());
        for (const QVariantList& args : std::as_const(hovered))
            QCOMPARE(args.at(1).toInt(), -1);
        QImage image(GridWindow::Width, GridWindow::Height, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        week.grid->paint(&painter);
        painter.end();
        QCOMPARE(image.pixelColor(40, 30), QColor(Qt::white));
        week.window.grabWindow();
        // Back to a usable value, the grid works again.
        week.grid->setProperty(qPrintable(property), property == "width"    ? GridWindow::Width
                                                     : property == "height" ? GridWindow::Height
                                                     : property == "rows"   ? 7
                                                     : property == "cols"   ? 1440
                                                     : property == "steps"  ? 60
                                                                            : 24);
        week.grid->setOffset(0);
        week.grid->setupSimpleEditMode(tool<GreenCell>(), 0);
        drag(week, inside, inside);
        QCOMPARE(week.controller.simpleEdits.size(), 1);
    }

    void stepsGoneDuringADragApplyNoEdit() {
        GridWindow week;
        week.grid->setupSimpleEditMode(tool<GreenCell>(), 0);
        const QPoint from = week.at(1, 30);
        const QPoint to = week.at(2, 30);
        QTest::mousePress(&week.window, Qt::LeftButton, {}, from);
        week.grid->setSteps(0);
        QTest::mouseMove(&week.window, to);
        QTest::mouseRelease(&week.window, Qt::LeftButton, {}, to);
        QVERIFY(week.controller.simpleEdits.isEmpty());
    }
};

QTEST_MAIN(TestSwitchGridInteraction)
#include "tst_switchgridinteraction.moc"
