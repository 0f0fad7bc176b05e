// What the week grid paints, sampled at bucket corners (the fill) and centres (dots and icons).
#include "gridwindow.h"
#include "switchcell.h"
#include "switchtimesample.h"

#include <QRandomGenerator>
#include <QTest>

using sample::switchTime;
using namespace sample::days;
using storage::SwitchTime;
using CellPtr = std::shared_ptr<ISwitchGridController::CellModel>;

namespace {
constexpr int Bucket = GridWindow::Bucket;

const QColor White(255, 255, 255);
const QColor Green(0, 180, 50);
const QColor Red(226, 0, 26);
const QColor Yellow(255, 236, 0);
const QColor Blue(20, 74, 129);
const QColor Black(0, 0, 0);
const QColor GridGrey(175, 175, 175);
const QColor Daylight(255, 236, 152);
const QColor Twilight(255, 245, 203);

QColor blend(const QColor& base, const QColor& over, double alpha) {
    return QColor::fromRgbF(base.redF() * (1 - alpha) + over.redF() * alpha,
                            base.greenF() * (1 - alpha) + over.greenF() * alpha,
                            base.blueF() * (1 - alpha) + over.blueF() * alpha);
}

const QColor Highlighted = blend(Green, Black, 51 / 255.0);
const QColor SelectedGreen = blend(Green, Blue, 0.3);

bool near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2 &&
           std::abs(a.blue() - b.blue()) <= 2;
}

// A bucket at a position from the left: its corner shows the fill, its centre a dot or an icon.
QColor corner(const QImage& image, int row, int position) {
    return image.pixelColor(position * Bucket + 3, row * Bucket + 3);
}

QColor centre(const QImage& image, int row, int position) {
    return image.pixelColor(position * Bucket + 10, row * Bucket + 10);
}

// The pixels of a bucket that stand out from its fill (an icon's strokes), and the mean of their x
// from the bucket's middle.
struct Marks {
    int count = 0;
    double meanX = 0;
};

Marks marksOn(const QImage& image, int row, int position, const QColor& fill) {
    Marks marks;
    for (int y = row * Bucket + 1; y < (row + 1) * Bucket; ++y) {
        for (int x = position * Bucket + 1; x < (position + 1) * Bucket; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const int difference =
                std::max({std::abs(pixel.red() - fill.red()), std::abs(pixel.green() - fill.green()),
                          std::abs(pixel.blue() - fill.blue())});
            if (difference > 60) {
                ++marks.count;
                marks.meanX += x - (position * Bucket + Bucket / 2.0);
            }
        }
    }
    if (marks.count > 0)
        marks.meanX /= marks.count;
    return marks;
}

// Pixels dark in every channel: the black strokes of an impulse icon.
int darkPixels(const QImage& image, int row, int position) {
    int count = 0;
    for (int y = row * Bucket + 1; y < (row + 1) * Bucket; ++y) {
        for (int x = position * Bucket + 1; x < (position + 1) * Bucket; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += pixel.red() < 150 && pixel.green() < 150 && pixel.blue() < 150;
        }
    }
    return count;
}

template <typename T>
CellPtr tool() {
    return std::make_shared<T>();
}

#define QCOMPARE_COLOUR(actual, expected)                                                                    \
    QVERIFY2(near(actual, expected),                                                                         \
             qPrintable(QStringLiteral("%1 is not %2").arg((actual).name(), (expected).name())))

} // namespace

class TestSwitchGridPainting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { GridWindow::useSoftwareRendering(); }

    void anEmptyGridIsWhiteWithGreyLines() {
        GridWindow week;
        const QImage image = week.paint();
        for (int row = 0; row < 7; ++row) {
            for (int position = 0; position < 24; ++position) {
                QCOMPARE_COLOUR(corner(image, row, position), White);
                QCOMPARE_COLOUR(centre(image, row, position), White);
            }
        }
        QCOMPARE_COLOUR(image.pixelColor(5 * Bucket, 50), GridGrey);
        QCOMPARE_COLOUR(image.pixelColor(50, 3 * Bucket), GridGrey);
        QCOMPARE_COLOUR(image.pixelColor(24 * Bucket, 50), GridGrey);
    }

    void eachKindInItsColour_data() {
        QTest::addColumn<SwitchTime>("switchTime");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("row");
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<bool>("icon");
        QTest::addRow("off") << switchTime(0, 0, Monday, 8 * Hour) << false << 0 << Red << false;
        QTest::addRow("on") << switchTime(0, 1, Tuesday, 8 * Hour) << false << 1 << Green << false;
        QTest::addRow("on, selected")
            << switchTime(0, 1, Tuesday, 8 * Hour) << true << 1 << SelectedGreen << false;
        QTest::addRow("impulse on") << sample::impulse(Wednesday, 8 * Hour, 5) << false << 2 << Yellow
                                    << true;
        QTest::addRow("impulse off") << switchTime(1, 0, Wednesday, 8 * Hour, 0, 0, 5) << false << 2 << Yellow
                                     << true;
        QTest::addRow("endless cycle")
            << sample::cycle(Thursday, 8 * Hour, 1, 0) << false << 3 << Blue << true;
        QTest::addRow("cycle") << sample::cycle(Thursday, 8 * Hour, Friday, 10 * Hour) << false << 3 << Blue
                               << true;
        QTest::addRow("fixed on") << switchTime(3, 3, Friday, 8 * Hour, Friday, 12 * Hour) << false << 4
                                  << Green << true;
        QTest::addRow("fixed off") << switchTime(3, 2, Friday, 8 * Hour, Friday, 12 * Hour) << false << 4
                                   << Red << true;
    }

    void eachKindInItsColour() {
        QFETCH(SwitchTime, switchTime);
        QFETCH(bool, selected);
        QFETCH(int, row);
        QFETCH(QColor, fill);
        QFETCH(bool, icon);
        GridWindow week({switchTime});
        if (selected)
            week.model.selectIndices({0});
        const QImage image = week.paint();
        QCOMPARE_COLOUR(corner(image, row, 8), fill);
        if (icon)
            QVERIFY(marksOn(image, row, 8, fill).count > 4);
        else
            QCOMPARE_COLOUR(centre(image, row, 8), fill);
        // The bucket before it shows the state that runs on from the end of the week, if any.
        QVERIFY(!near(corner(image, row, 7), fill));
    }

    void anOnSwitchIsFollowedByDotsUpToTheNextElement() {
        GridWindow week({switchTime(0, 1, Tuesday, 8 * Hour), switchTime(0, 0, Tuesday, 12 * Hour)});
        const QImage image = week.paint();
        QCOMPARE_COLOUR(corner(image, 1, 8), Green);
        for (int position = 9; position < 12; ++position) {
            QCOMPARE_COLOUR(centre(image, 1, position), Green);
            QCOMPARE_COLOUR(corner(image, 1, position), White);
        }
        QCOMPARE_COLOUR(corner(image, 1, 12), Red);
        QCOMPARE_COLOUR(centre(image, 1, 13), White);
        QCOMPARE_COLOUR(centre(image, 0, 0), White);
    }

    void theLastElementOfTheWeekRunsOnFromMonday() {
        GridWindow week({switchTime(0, 1, Sunday, 20 * Hour), switchTime(0, 0, Monday, 6 * Hour)});
        const QImage image = week.paint();
        for (int position = 21; position < 24; ++position)
            QCOMPARE_COLOUR(centre(image, 6, position), Green);
        for (int position = 0; position < 6; ++position)
            QCOMPARE_COLOUR(centre(image, 0, position), Green);
        QCOMPARE_COLOUR(corner(image, 0, 6), Red);
        QCOMPARE_COLOUR(centre(image, 0, 7), White);
        QCOMPARE_COLOUR(centre(image, 3, 12), White);
    }

    void anEndlessCycleIsFollowedByItsDotsOverLaterElements() {
        GridWindow week({sample::cycle(Wednesday, 10 * Hour, 1, 0), switchTime(0, 0, Thursday, 8 * Hour),
                         switchTime(0, 1, Monday, 5 * Hour)});
        const QImage image = week.paint();
        QCOMPARE_COLOUR(corner(image, 2, 10), Blue);
        QCOMPARE_COLOUR(centre(image, 2, 11), Blue);
        QCOMPARE_COLOUR(centre(image, 3, 7), Blue);
        QCOMPARE_COLOUR(corner(image, 3, 8), Red);
        // The off switch leaves nothing after itself, but the endless cycle goes on.
        QCOMPARE_COLOUR(centre(image, 3, 9), Blue);
        QCOMPARE_COLOUR(centre(image, 0, 0), Blue);
        QCOMPARE_COLOUR(corner(image, 0, 5), Green);
        QCOMPARE_COLOUR(centre(image, 0, 6), Blue);
    }

    // Its dots start right after it, also when a range before it left no state to carry.
    void anEndlessCycleRunsOnFromItsOwnCell() {
        GridWindow week({switchTime(3, 2, Thursday, 18 * Hour, Friday, 6 * Hour),
                         sample::cycle(Sunday, 19 * Hour, 1, 0)});
        const QImage image = week.paint();
        QCOMPARE_COLOUR(corner(image, 6, 19), Blue);
        for (int position = 20; position < 24; ++position) {
            QCOMPARE_COLOUR(centre(image, 6, position), Blue);
            QCOMPARE_COLOUR(corner(image, 6, position), White);
        }
        QCOMPARE_COLOUR(centre(image, 0, 0), Blue);
        QCOMPARE_COLOUR(centre(image, 6, 18), White);
    }

    void elementsThatShareABucketConflict() {
        GridWindow week({switchTime(0, 1, Tuesday, 8 * Hour + 600),
                         switchTime(0, 0, Tuesday, 8 * Hour + 2400), switchTime(0, 1, Tuesday, 10 * Hour),
                         switchTime(0, 0, Tuesday, 11 * Hour)});
        const QImage image = week.paint();
        QCOMPARE_COLOUR(corner(image, 1, 8), Black);
        QCOMPARE_COLOUR(centre(image, 1, 8), Black);
        QCOMPARE_COLOUR(corner(image, 1, 10), Green);
        QCOMPARE_COLOUR(corner(image, 1, 11), Red);
    }

    void highlights_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("hour");
        QTest::addColumn<QColor>("colour");
        QTest::addRow("element") << 1 << 8 << Highlighted;
        QTest::addRow("empty") << 0 << 3 << blend(White, Black, 51 / 255.0);
        QTest::addRow("conflict") << 2 << 9 << blend(Black, White, 51 / 255.0);
    }

    void highlights() {
        QFETCH(int, row);
        QFETCH(int, hour);
        QFETCH(QColor, colour);
        GridWindow week({switchTime(0, 1, Tuesday, 8 * Hour), switchTime(0, 1, Wednesday, 9 * Hour + 600),
                         switchTime(0, 0, Wednesday, 9 * Hour + 2400)});
        week.grid->setupSelectMode();
        week.grid->forcedClick(week.grid->mapFromScene(week.at(row, hour * 60 + 30)));
        const QImage image = week.paint();
        QCOMPARE_COLOUR(corner(image, row, hour), colour);
        QCOMPARE_COLOUR(corner(image, row, hour + 1), White);
    }

    // A fixed range drawn over an impulse: the impulse shows beneath the range's line, without
    // its icon.
    void aRangePreviewDrawsOverIcons() {
        GridWindow week({sample::impulse(Tuesday, 10 * Hour, 5)});
        QVERIFY(darkPixels(week.paint(), 1, 10) > 4);
        week.grid->setupRangeEditMode(tool<GreenStartCell>(), tool<GreenEndCell>(), 100,
                                      tool<GreenDotCell>());
        QTest::mousePress(&week.window, Qt::LeftButton, {}, week.at(1, 8 * 60 + 30));
        QTest::mouseMove(&week.window, week.at(1, 13 * 60 + 30));
        const QImage image = week.paint();
        QCOMPARE_COLOUR(corner(image, 1, 8), blend(Green, Black, 51 / 255.0));
        QCOMPARE_COLOUR(corner(image, 1, 10), Yellow);
        QCOMPARE_COLOUR(centre(image, 1, 10), Green);
        QCOMPARE(darkPixels(image, 1, 10), 0);
        QCOMPARE_COLOUR(centre(image, 1, 11), Green);
        QCOMPARE_COLOUR(corner(image, 1, 11), White);
        QCOMPARE_COLOUR(corner(image, 1, 13), blend(Green, Black, 51 / 255.0));
        QCOMPARE_COLOUR(centre(image, 1, 14), White);
        QTest::mouseRelease(&week.window, Qt::LeftButton, {}, week.at(1, 13 * 60 + 30));
    }

    void reversedAndWrappingPreviews_data() {
        QTest::addColumn<CellPtr>("start");
        QTest::addColumn<CellPtr>("end");
        QTest::addColumn<int>("fromRow");
        QTest::addColumn<int>("fromHour");
        QTest::addColumn<int>("toRow");
        QTest::addColumn<int>("toHour");
        // Where the start and end show, and buckets that show the line's dots.
        QTest::addColumn<QPoint>("startBucket");
        QTest::addColumn<QPoint>("endBucket");
        QTest::addColumn<QList<QPoint>>("dots");
        QTest::addColumn<QList<QPoint>>("empty");
        using Points = QList<QPoint>;
        const CellPtr fixStart = tool<GreenStartCell>();
        const CellPtr fixEnd = tool<GreenEndCell>();
        const CellPtr cycleStart = tool<BlueStartCell>();
        const CellPtr cycleEnd = tool<BlueEndCell>();
        // Points are (position, row).
        QTest::addRow("fixed, backwards: ends on the next day")
            << fixStart << fixEnd << 1 << 14 << 1 << 10 << QPoint(14, 1) << QPoint(10, 2)
            << Points{{15, 1}, {23, 1}, {0, 2}, {9, 2}} << Points{{13, 1}, {11, 2}, {9, 1}};
        QTest::addRow("fixed, backwards on Sunday: ends on Monday")
            << fixStart << fixEnd << 6 << 14 << 6 << 10 << QPoint(14, 6) << QPoint(10, 0)
            << Points{{15, 6}, {23, 6}, {0, 0}, {9, 0}} << Points{{11, 0}, {13, 6}};
        QTest::addRow("cycle from Friday up to Tuesday")
            << cycleStart << cycleEnd << 4 << 8 << 1 << 12 << QPoint(8, 4) << QPoint(12, 1)
            << Points{{9, 4}, {0, 5}, {23, 6}, {0, 0}, {11, 1}} << Points{{7, 4}, {13, 1}, {10, 2}};
        QTest::addRow("cycle backwards on one day: the whole week")
            << cycleStart << cycleEnd << 2 << 14 << 2 << 10 << QPoint(14, 2) << QPoint(10, 2)
            << Points{{15, 2}, {0, 3}, {0, 6}, {0, 0}, {9, 2}} << Points{{11, 2}, {13, 2}};
    }

    void reversedAndWrappingPreviews() {
        QFETCH(CellPtr, start);
        QFETCH(CellPtr, end);
        QFETCH(int, fromRow);
        QFETCH(int, fromHour);
        QFETCH(int, toRow);
        QFETCH(int, toHour);
        QFETCH(QPoint, startBucket);
        QFETCH(QPoint, endBucket);
        QFETCH(QList<QPoint>, dots);
        QFETCH(QList<QPoint>, empty);
        GridWindow week;
        const QColor colour = start->typeCode() == SwitchCell::BlueStart ? Blue : Green;
        week.grid->setupRangeEditMode(start, end, 100, tool<GreenDotCell>());
        QTest::mousePress(&week.window, Qt::LeftButton, {}, week.at(fromRow, fromHour * 60 + 30));
        QTest::mouseMove(&week.window, week.at(toRow, toHour * 60 + 30));
        const QImage image = week.paint();
        QTest::mouseRelease(&week.window, Qt::LeftButton, {}, week.at(toRow, toHour * 60 + 30));
        const QColor highlighted = blend(colour, Black, 51 / 255.0);
        QCOMPARE_COLOUR(corner(image, startBucket.y(), startBucket.x()), highlighted);
        QCOMPARE_COLOUR(corner(image, endBucket.y(), endBucket.x()), highlighted);
        // The start and end icons point into the range.
        QVERIFY(marksOn(image, startBucket.y(), startBucket.x(), highlighted).meanX < 0);
        QVERIFY(marksOn(image, endBucket.y(), endBucket.x(), highlighted).meanX > 0);
        for (const QPoint& dot : dots) {
            QCOMPARE_COLOUR(centre(image, dot.y(), dot.x()), Green);
            QCOMPARE_COLOUR(corner(image, dot.y(), dot.x()), White);
        }
        for (const QPoint& none : empty)
            QCOMPARE_COLOUR(centre(image, none.y(), none.x()), White);
    }

    void bands_data() {
        QTest::addColumn<int>("reverseSolar");
        QTest::addColumn<bool>("mirror");
        QTest::addColumn<QList<QColor>>("colours");
        QList<QColor> plain(24, White);
        for (int hour = 5; hour <= 19; ++hour)
            plain[hour] = hour == 5 || hour == 19 ? Twilight : Daylight;
        QList<QColor> reversed = plain;
        for (int hour = 0; hour < 24; ++hour)
            reversed[hour] = plain[hour] == White ? Daylight : plain[hour] == Daylight ? White : Twilight;
        QList<QColor> mirrored(plain.crbegin(), plain.crend());
        QTest::addRow("plain") << 0 << false << plain;
        QTest::addRow("reverse solar") << 1 << false << reversed;
        QTest::addRow("mirrored") << 0 << true << mirrored;
    }

    // Daylight from 06:00 to 18:30 and twilight from 05:00 to 20:00 (which ends where the bucket
    // of 20:00 begins).
    void bands() {
        QFETCH(int, reverseSolar);
        QFETCH(bool, mirror);
        QFETCH(QList<QColor>, colours);
        GridWindow week;
        week.grid->setMinSolar(6 * 60);
        week.grid->setMaxSolar(18 * 60 + 30);
        week.grid->setMinSolarLite(5 * 60);
        week.grid->setMaxSolarLite(20 * 60);
        week.grid->setReverseSolar(reverseSolar);
        week.grid->setMirror(mirror);
        const QImage image = week.paint();
        for (int row : {0, 6}) {
            for (int position = 0; position < 24; ++position)
                QCOMPARE_COLOUR(corner(image, row, position), colours.at(position));
        }
    }

    void aMirroredWeekRunsFromTheRight() {
        const QList<SwitchTime> switches{switchTime(0, 1, Monday, 2 * Hour),
                                         switchTime(0, 0, Monday, 5 * Hour),
                                         switchTime(3, 3, Wednesday, 8 * Hour, Wednesday, 12 * Hour)};
        GridWindow plain(switches);
        GridWindow mirrored(switches);
        mirrored.grid->setMirror(true);
        const QImage left = plain.paint();
        const QImage right = mirrored.paint();
        QCOMPARE_COLOUR(corner(right, 0, 21), Green);
        QCOMPARE_COLOUR(centre(right, 0, 20), Green);
        QCOMPARE_COLOUR(centre(right, 0, 22), White);
        QCOMPARE_COLOUR(corner(right, 0, 18), Red);
        for (int row = 0; row < 7; ++row) {
            for (int position = 0; position < 24; ++position)
                QCOMPARE_COLOUR(corner(right, row, 23 - position), corner(left, row, position));
        }
        // The start icon's bar stands on the side the range begins.
        QVERIFY(marksOn(left, 2, 8, Green).meanX < -0.5);
        QVERIFY(marksOn(right, 2, 15, Green).meanX > 0.5);
        QVERIFY(marksOn(left, 2, 12, Green).meanX > 0.5);
        QVERIFY(marksOn(right, 2, 11, Green).meanX < -0.5);
    }

    // Only the buckets inside the width are drawn, but what runs on into them is carried from the
    // start of the week: the end of the day looks the same as in a grid showing every bucket.
    void theVisiblePartLooksAsInTheWholeWeek_data() {
        QTest::addColumn<bool>("mirror");
        QTest::addRow("plain") << false;
        QTest::addRow("mirrored") << true;
    }

    void theVisiblePartLooksAsInTheWholeWeek() {
        QFETCH(bool, mirror);
        QRandomGenerator random(5);
        QList<SwitchTime> switches;
        for (int i = 0; i < 120; ++i)
            switches.append(sample::random(random));
        GridWindow scrolled(switches);
        GridWindow whole(switches);
        constexpr int Buckets = 96;
        whole.grid->setWidth(Buckets * Bucket + 1);
        for (GridWindow* week : {&scrolled, &whole}) {
            week->model.selectRange(0, 30);
            week->grid->setSteps(15);
            week->grid->setMirror(mirror);
        }
        whole.grid->setVisibleSteps(Buckets);
        scrolled.grid->setOffset(scrolled.grid->maxOffset());
        QCOMPARE(scrolled.grid->offset(), 72.0);
        QCOMPARE(whole.grid->offset(), 0.0);
        const QImage part = scrolled.paint();
        const QImage all = whole.paint();
        // The scrolled grid's bucket p is the whole grid's bucket 72 + p.
        int differing = 0;
        for (int y = 0; y < part.height(); ++y) {
            for (int x = 0; x < part.width() - 1; ++x)
                differing += part.pixel(x, y) != all.pixel(x + 72 * Bucket, y);
        }
        QCOMPARE(differing, 0);
        int coloured = 0;
        for (int row = 0; row < 7; ++row) {
            for (int position = 0; position < 24; ++position)
                coloured += corner(part, row, position) != White || centre(part, row, position) != White;
        }
        QVERIFY2(coloured > 40, "the sample program should cover the end of the day");
    }

    // A range being drawn whose start has scrolled out of the width still draws its line.
    void aPreviewPartlyOutOfTheWidthLooksAsInTheWholeWeek() {
        const QList<SwitchTime> switches{switchTime(0, 1, Tuesday, 4 * Hour),
                                         sample::impulse(Tuesday, 19800, 5)};
        GridWindow scrolled(switches);
        GridWindow whole(switches);
        constexpr int Buckets = 96;
        whole.grid->setWidth(Buckets * Bucket + 1);
        for (GridWindow* week : {&scrolled, &whole}) {
            week->grid->setSteps(15);
            week->grid->setOffset(0);
            week->grid->setupRangeEditMode(tool<GreenStartCell>(), tool<GreenEndCell>(), 100,
                                           tool<GreenDotCell>());
        }
        whole.grid->setVisibleSteps(Buckets);
        // Each drawn in its turn: a press in one window ends the drag in the other.
        const auto drawn = [](GridWindow& week, double offset) {
            QTest::mousePress(&week.window, Qt::LeftButton, {}, week.at(1, 5 * 60 + 7));
            QTest::mouseMove(&week.window, week.at(2, 5 * 60 + 52));
            week.grid->setOffset(offset);
            const QImage image = week.paint();
            QTest::mouseRelease(&week.window, Qt::LeftButton, {}, week.at(2, 5 * 60 + 52));
            return image;
        };
        const QImage part = drawn(scrolled, 22);
        const QImage all = drawn(whole, 0);
        int differing = 0;
        for (int y = 0; y < part.height(); ++y) {
            for (int x = 0; x < part.width() - 1; ++x)
                differing += part.pixel(x, y) != all.pixel(x + 22 * Bucket, y);
        }
        QCOMPARE(differing, 0);
        // The line runs over the impulse at 05:30, still in view.
        QCOMPARE_COLOUR(centre(part, 1, 0), Green);
    }
};

QTEST_MAIN(TestSwitchGridPainting)
#include "tst_switchgridpainting.moc"
