#include "switchcell.h"
#include "switchcellstore.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using CellPtr = std::shared_ptr<ISwitchGridController::CellModel>;

namespace {
constexpr int Rows = 7;
constexpr int Cols = 60;

template <typename T>
CellPtr cell() {
    return std::make_shared<T>();
}

QImage painted(ISwitchGridController::CellModel& model, bool standalone, bool mirrored = false) {
    QImage image(30, 30, QImage::Format_ARGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    model.paint(&painter, 30, 30, mirrored, standalone);
    return image;
}

int pixelsOf(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    }
    return count;
}
} // namespace

class TestSwitchCellStore : public QObject {
    Q_OBJECT

private slots:
    void cellKinds_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("rangeMode");
        QTest::addColumn<QList<int>>("accepted");
        const QList<int> cycleEnd{12};
        QTest::addRow("green") << 0 << 2 << cycleEnd;
        QTest::addRow("green start") << 1 << 2 << QList<int>{2, 6};
        QTest::addRow("green end") << 2 << 0 << QList<int>{1, 2, 5, 6};
        QTest::addRow("green dot") << 3 << 2 << QList<int>{};
        QTest::addRow("red") << 4 << 2 << cycleEnd;
        QTest::addRow("red start") << 5 << 2 << QList<int>{2, 6};
        QTest::addRow("red end") << 6 << 0 << QList<int>{1, 2, 5, 6};
        QTest::addRow("red dot") << 7 << 2 << QList<int>{};
        QTest::addRow("yellow on") << 8 << -1 << cycleEnd;
        QTest::addRow("yellow off") << 9 << -1 << cycleEnd;
        QTest::addRow("blue endless") << 10 << 1 << cycleEnd;
        QTest::addRow("blue start") << 11 << 1 << cycleEnd;
        QTest::addRow("blue end") << 12 << 1 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
        QTest::addRow("blue dot") << 13 << 2 << QList<int>{};
    }

    void cellKinds() {
        QFETCH(int, code);
        QFETCH(int, rangeMode);
        QFETCH(QList<int>, accepted);
        const QList<CellPtr> all{cell<GreenCell>(),     cell<GreenStartCell>(),  cell<GreenEndCell>(),
                                 cell<GreenDotCell>(),  cell<RedCell>(),         cell<RedStartCell>(),
                                 cell<RedEndCell>(),    cell<RedDotCell>(),      cell<YellowOnCell>(),
                                 cell<YellowOffCell>(), cell<BlueInfinitCell>(), cell<BlueStartCell>(),
                                 cell<BlueEndCell>(),   cell<BlueDotCell>()};
        const CellPtr& model = all.at(code);
        QCOMPARE(model->typeCode(), code);
        QCOMPARE(model->rangeMode(), rangeMode);
        for (int other = -1; other <= 14; ++other)
            QCOMPARE(model->accepts(other), accepted.contains(other));
    }

    void elementsThatDoNotFitTogetherConflict() {
        SwitchCellStore store(Rows, Cols);
        store.addElement(0, cell<RedCell>(), {2}, 10, 100, nullptr);
        store.addElement(1, cell<GreenCell>(), {2}, 10, 0, nullptr);
        QCOMPARE(store.cellAt(2, 10).count, 2);
        QCOMPARE(store.cellAt(2, 10).elements, QSet<int>({0, 1}));
        QCOMPARE(store.cellAt(2, 10).model->typeCode(), int(SwitchCell::Red));
    }

    void fixedRangesMeetWithoutConflict() {
        SwitchCellStore store(Rows, Cols);
        store.addRange(0, cell<GreenStartCell>(), cell<GreenEndCell>(), 1, 10, 1, 20, 100, 100, nullptr);
        store.addRange(1, cell<RedStartCell>(), cell<RedEndCell>(), 1, 20, 1, 30, 101, 101, nullptr);
        QCOMPARE(store.cellAt(1, 20).count, 1);
        QCOMPARE(store.cellAt(1, 20).model->typeCode(), int(SwitchCell::RedStart));
        // The end cell does not take the element: only starts report their element.
        QCOMPARE(store.cellAt(1, 30).elements, QSet<int>());
        QCOMPARE(store.cellAt(1, 30).count, 1);
    }

    void aCycleEndAcceptsEverything() {
        SwitchCellStore store(Rows, Cols);
        store.addElement(0, cell<GreenCell>(), {0}, 5, 0, nullptr);
        store.addRange(1, cell<BlueStartCell>(), cell<BlueEndCell>(), 6, 0, 0, 5, 110, -1, nullptr);
        QCOMPARE(store.cellAt(0, 5).count, 1);
        // Priority -1 shows only in an empty cell.
        QCOMPARE(store.cellAt(0, 5).model->typeCode(), int(SwitchCell::Green));
    }

    void priorities() {
        SwitchCellStore store(Rows, Cols);
        store.addElement(0, cell<YellowOnCell>(), {0}, 1, 111, nullptr);
        store.addElement(1, cell<RedCell>(), {0}, 1, 100, nullptr);
        QCOMPARE(store.cellAt(0, 1).model->typeCode(), int(SwitchCell::YellowOn));
        QCOMPARE(store.cellAt(0, 1).priority, 111);
        QCOMPARE(store.cellAt(0, 1).elements, QSet<int>({0, 1}));
        store.addElement(2, cell<YellowOffCell>(), {0}, 1, 111, nullptr);
        QCOMPARE(store.cellAt(0, 1).model->typeCode(), int(SwitchCell::YellowOff));
        QCOMPARE(store.cellAt(0, 1).count, 3);
    }

    void theFollowStateMovesToTheLatestElement() {
        SwitchCellStore store(Rows, Cols);
        const CellPtr dot = cell<GreenDotCell>();
        store.addElement(0, cell<GreenCell>(), {1, 3}, 10, 0, dot);
        QCOMPARE(store.followIndex(), 3 * Cols + 10);
        QCOMPARE(store.cellAt(1, 10).followModel, dot);
        store.addElement(1, cell<RedCell>(), {2}, 50, 100, nullptr);
        QCOMPARE(store.followIndex(), 3 * Cols + 10);
    }

    void anEndlessCycleRulesWhatComesAfter() {
        SwitchCellStore store(Rows, Cols);
        const CellPtr blue = cell<BlueDotCell>();
        const CellPtr green = cell<GreenDotCell>();
        store.addElement(0, cell<BlueInfinitCell>(), {2}, 30, SwitchCellStore::EndlessPriority, blue);
        store.addElement(1, cell<GreenCell>(), {4}, 5, 0, green);
        store.addElement(2, cell<GreenCell>(), {0}, 5, 0, green);
        QCOMPARE(store.followIndex(), 2 * Cols + 30);
        QCOMPARE(store.cellAt(4, 5).followModel, blue);
        QCOMPARE(store.cellAt(0, 5).followModel, blue);
    }

    void startEndToTheNextDayWrapsOnTheLastRow() {
        SwitchCellStore store(Rows, Cols);
        const CellPtr line = cell<GreenDotCell>();
        store.addStartEnd(3, cell<GreenStartCell>(), cell<GreenEndCell>(), {2, 6}, 50, 10, 100, line);
        QCOMPARE(store.cellAt(3, 10).model->typeCode(), int(SwitchCell::GreenEnd));
        QCOMPARE(store.cellAt(0, 10).model->typeCode(), int(SwitchCell::GreenEnd));
        QCOMPARE(store.cellAt(6, 50).elements, QSet<int>({3}));
        QCOMPARE(store.cellAt(0, 10).elements, QSet<int>());
        QCOMPARE(store.cellAt(6, 50).lines.value({100, 10 + Cols}), line);
        QCOMPARE(store.wrappedLines().size(), 1);
        QCOMPARE(store.wrappedLines().value({100, 10}), line);
    }

    void startEndOnTheSameDayDrawsALine() {
        SwitchCellStore store(Rows, Cols);
        store.addStartEnd(0, cell<RedStartCell>(), cell<RedEndCell>(), {1}, 10, 40, 101, cell<RedDotCell>());
        const QList<QPair<int, int>> keys{{101, 40}};
        QCOMPARE(store.cellAt(1, 10).lines.keys(), keys);
        QVERIFY(store.wrappedLines().isEmpty());
        store.addStartEnd(1, cell<RedStartCell>(), cell<RedEndCell>(), {2}, 10, 10, 101, cell<RedDotCell>());
        QVERIFY(store.cellAt(2, 10).lines.isEmpty());
    }

    void rangeEndPositions_data() {
        QTest::addColumn<int>("startRow");
        QTest::addColumn<int>("startCol");
        QTest::addColumn<int>("endRow");
        QTest::addColumn<int>("endCol");
        QTest::addColumn<int>("endPosition");
        QTest::addColumn<bool>("wraps");
        QTest::addRow("later the same day") << 2 << 10 << 2 << 30 << 30 << false;
        QTest::addRow("two days later") << 2 << 10 << 4 << 5 << 2 * Cols + 5 << false;
        QTest::addRow("over the end of the week") << 5 << 10 << 1 << 5 << 3 * Cols + 5 << true;
        QTest::addRow("a whole week") << 3 << 30 << 3 << 10 << 10 + Rows * Cols << true;
    }

    void rangeEndPositions() {
        QFETCH(int, startRow);
        QFETCH(int, startCol);
        QFETCH(int, endRow);
        QFETCH(int, endCol);
        QFETCH(int, endPosition);
        QFETCH(bool, wraps);
        SwitchCellStore store(Rows, Cols);
        const CellPtr line = cell<BlueDotCell>();
        store.addRange(7, cell<BlueStartCell>(), cell<BlueEndCell>(), startRow, startCol, endRow, endCol, 110,
                       -1, line);
        QCOMPARE(store.cellAt(startRow, startCol).lines.value({110, endPosition}), line);
        QCOMPARE(store.wrappedLines().contains({110, endRow * Cols + endCol}), wraps);
        QCOMPARE(store.cellAt(endRow, endCol).model->typeCode(), int(SwitchCell::BlueEnd));
    }

    void positionsPastTheEndTakeTheLastCell() {
        SwitchCellStore store(Rows, Cols);
        store.addElement(0, cell<GreenCell>(), {9}, 70, 0, nullptr);
        QCOMPARE(store.cellAt(Rows - 1, Cols - 1).elements, QSet<int>({0}));
        store.clear();
        QCOMPARE(store.cellAt(Rows - 1, Cols - 1).count, 0);
        QCOMPARE(store.followIndex(), -1);
    }

    void plainAndSelectedCells() {
        GreenCell green;
        QCOMPARE(pixelsOf(painted(green, true), qRgb(0, 180, 50)), 900);
        green.selected = true;
        const QImage selected = painted(green, true);
        QCOMPARE(pixelsOf(selected, qRgb(0, 180, 50)), 0);
        QCOMPARE(pixelsOf(selected, selected.pixel(0, 0)), 900);
    }

    void dotsDrawABackgroundOnlyWhenStandalone() {
        RedDotCell dot;
        const QImage alone = painted(dot, true);
        QCOMPARE(pixelsOf(alone, qRgb(226, 0, 26)), 100);
        QCOMPARE(pixelsOf(alone, qRgb(255, 255, 255)), 800);
        const QImage underLine = painted(dot, false);
        QCOMPARE(pixelsOf(underLine, qRgb(226, 0, 26)), 100);
        QCOMPARE(pixelsOf(underLine, qRgb(0, 0, 0)), 800);
    }

    void iconsShowOnlyWhenStandalone() {
        BlueInfinitCell endless;
        QCOMPARE(pixelsOf(painted(endless, false), qRgb(20, 74, 129)), 900);
        QVERIFY(pixelsOf(painted(endless, true), qRgb(20, 74, 129)) < 900);
        GreenStartCell start;
        const QImage plain = painted(start, true);
        const QImage mirrored = painted(start, true, true);
        QVERIFY(pixelsOf(plain, qRgb(0, 180, 50)) < 900);
        // The start mark faces the other way; the icon covers as much of the cell.
        QVERIFY(mirrored != plain);
        QVERIFY(qAbs(pixelsOf(mirrored, qRgb(0, 180, 50)) - pixelsOf(plain, qRgb(0, 180, 50))) <= 10);
    }
};

QTEST_MAIN(TestSwitchCellStore)
#include "tst_switchcellstore.moc"
