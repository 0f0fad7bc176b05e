// The time scale under the week grid: which ticks and labels it lays out for each zoom of the
// program view, and what it paints.
#include "switchruler.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace {
// With no padding the scale is 480 pixels wide and its major ticks 33 pixels long.
constexpr int Width = 481;
constexpr int Height = 61;
constexpr double Major = 33;

QStringList labels(const QList<SwitchRuler::Mark>& marks) {
    QStringList texts;
    for (const SwitchRuler::Mark& mark : marks) {
        if (mark.labelled)
            texts.append(mark.text);
    }
    return texts;
}

QList<double> labelPositions(const QList<SwitchRuler::Mark>& marks) {
    QList<double> positions;
    for (const SwitchRuler::Mark& mark : marks) {
        if (mark.labelled)
            positions.append(mark.x);
    }
    return positions;
}

QStringList numbers(int from, int to, int step) {
    QStringList texts;
    for (int n = from; n <= to; n += step)
        texts.append(QString::number(n));
    return texts;
}

// Labels of a scale with one every minutes minutes: the hour on full hours, else the minutes.
QStringList minuteLabels(int minutes, int last) {
    QStringList texts;
    for (int minute = 0; minute <= last; minute += minutes)
        texts.append(QString::number(minute % 60 == 0 ? minute / 60 : minute % 60));
    return texts;
}

QImage painted(SwitchRuler& ruler, int imageWidth) {
    QImage image(imageWidth, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ruler.paint(&painter);
    return image;
}
} // namespace

class TestSwitchRuler : public QObject {
    Q_OBJECT

private slots:
    void layoutForEachZoom_data() {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("visibleSteps");
        QTest::addColumn<int>("skip");
        QTest::addColumn<double>("offset");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<double>("firstLabel");
        QTest::addColumn<double>("labelSpacing");
        QTest::addRow("24 h, every hour") << 60 << 24 << 0 << 0.0 << 49 << numbers(0, 24, 1) << 0.5 << 20.0;
        QTest::addRow("24 h, every sixth") << 60 << 24 << 6 << 0.0 << 49 << numbers(0, 24, 6) << 0.5 << 120.0;
        QTest::addRow("12 h, every half hour")
            << 30 << 24 << 0 << 0.0 << 25 << minuteLabels(30, 720) << 0.5 << 20.0;
        QTest::addRow("12 h, every sixth") << 30 << 24 << 6 << 0.0 << 25 << numbers(0, 12, 3) << 0.5 << 120.0;
        QTest::addRow("6 h, every quarter")
            << 15 << 24 << 0 << 0.0 << 25 << minuteLabels(15, 360) << 0.5 << 20.0;
        QTest::addRow("6 h, full hours") << 15 << 24 << 6 << 0.0 << 25 << numbers(0, 6, 1) << 0.5 << 80.0;
        QTest::addRow("2 h, every five minutes")
            << 5 << 24 << 0 << 0.0 << 25 << minuteLabels(5, 120) << 0.5 << 20.0;
        QTest::addRow("2 h, every sixth")
            << 5 << 24 << 6 << 0.0 << 25 << minuteLabels(30, 120) << 0.5 << 120.0;
        QTest::addRow("30 min, every sixth")
            << 1 << 30 << 6 << 0.0 << 31 << QStringList{"0", "0:06", "0:12", "0:18", "0:24", "0:30"} << 0.5
            << 96.0;
        QTest::addRow("30 min from 7:20, every sixth")
            << 1 << 30 << 6 << 440.0 << 31 << QStringList{"7:24", "7:30", "7:36", "7:42", "7:48"} << 64.5
            << 96.0;
        QStringList everyOther;
        for (int minute = 20; minute <= 50; minute += 2)
            everyOther.append(QStringLiteral("7:%1").arg(minute));
        QTest::addRow("30 min from 7:20, no skip: every other")
            << 1 << 30 << 0 << 440.0 << 31 << everyOther << 0.5 << 32.0;
    }

    void layoutForEachZoom() {
        QFETCH(int, steps);
        QFETCH(int, visibleSteps);
        QFETCH(int, skip);
        QFETCH(double, offset);
        QFETCH(int, ticks);
        QFETCH(QStringList, texts);
        QFETCH(double, firstLabel);
        QFETCH(double, labelSpacing);
        SwitchRuler ruler;
        ruler.setSize(QSizeF(Width, Height));
        ruler.setSteps(steps);
        ruler.setVisibleSteps(visibleSteps);
        ruler.setSkip(skip);
        ruler.setOffset(offset);
        const QList<SwitchRuler::Mark> marks = ruler.marks();
        QCOMPARE(marks.size(), ticks);
        QCOMPARE(labels(marks), texts);
        const QList<double> positions = labelPositions(marks);
        QCOMPARE(positions.first(), firstLabel);
        for (qsizetype i = 1; i < positions.size(); ++i)
            QCOMPARE(positions.at(i) - positions.at(i - 1), labelSpacing);
        for (const SwitchRuler::Mark& mark : marks) {
            const bool fullHour = mark.labelled ? !mark.small : mark.tickLength == Major;
            QCOMPARE(mark.tickLength, fullHour ? Major : 0.667 * Major);
            if (!mark.labelled)
                continue;
            const double width = 480.0 / visibleSteps * std::max(skip, 1);
            QCOMPARE(mark.labelBox.center().x(), mark.x);
            QCOMPARE(mark.labelBox.width(), width);
            // Labels between full hours are smaller and sit higher, under the shorter tick.
            QCOMPARE(mark.labelBox.top(), fullHour ? Major + 5 : 5 + 0.667 * Major);
            QCOMPARE(mark.labelBox.height(), fullHour ? 22.0 : 22.0 * 0.8);
        }
    }

    void halfBucketTicksWhenThereIsRoom() {
        SwitchRuler ruler;
        ruler.setSize(QSizeF(Width, Height));
        ruler.setSkip(0);
        const QList<SwitchRuler::Mark> marks = ruler.marks();
        QCOMPARE(marks.at(1).x, 10.5);
        QVERIFY(!marks.at(1).labelled);
        QCOMPARE(marks.at(1).tickLength, 0.667 * Major);
        ruler.setSteps(30);
        QCOMPARE(ruler.marks().at(1).x, 20.5);
    }

    void aMirroredScaleRunsFromTheRight() {
        SwitchRuler ruler;
        ruler.setSize(QSizeF(Width, Height));
        ruler.setSkip(0);
        ruler.setMirror(true);
        const QList<SwitchRuler::Mark> marks = ruler.marks();
        QCOMPARE(marks.first().text, QStringLiteral("0"));
        QCOMPARE(marks.first().x, 480.5);
        QCOMPARE(marks.last().text, QStringLiteral("24"));
        QCOMPARE(marks.last().x, 0.5);
        QCOMPARE(labels(marks), numbers(0, 24, 1));
    }

    void paddingShiftsTheScaleAndNothingIsDrawnOutside() {
        SwitchRuler ruler;
        constexpr int Padding = 20;
        ruler.setSize(QSizeF(Width + 2 * Padding, Height));
        ruler.setPadding(Padding);
        ruler.setSkip(0);
        ruler.setTextColor(Qt::blue);
        ruler.setOffset(3.5);
        const QList<SwitchRuler::Mark> marks = ruler.marks();
        QVERIFY(!marks.isEmpty());
        for (const SwitchRuler::Mark& mark : marks)
            QVERIFY(mark.x >= Padding && mark.x <= Padding + Width);
        // 3.5 buckets scrolled: the scale begins with the tick of 3:30, and 4:00 is labelled half a
        // bucket further.
        QCOMPARE(marks.first().x, Padding + 0.5);
        QVERIFY(!marks.first().labelled);
        QCOMPARE(labels(marks).first(), QStringLiteral("4"));
        QCOMPARE(labelPositions(marks).first(), Padding + 10.5);
        const QImage image = painted(ruler, Width + 2 * Padding + 100);
        const QColor grey(175, 175, 175);
        const double halfLabel = 10;
        int ticks = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel == QColor(Qt::white))
                    continue;
                QVERIFY2(x >= Padding - halfLabel && x <= Padding + Width + halfLabel,
                         qPrintable(QString::number(x)));
                if (pixel == grey) {
                    ++ticks;
                    QVERIFY(x >= Padding && x <= Padding + Width);
                }
            }
        }
        QVERIFY(ticks > 0);
        QCOMPARE(image.pixelColor(Padding + 10, 10), grey);
    }

    void labelsArePainted() {
        SwitchRuler ruler;
        ruler.setSize(QSizeF(Width, Height));
        ruler.setTextColor(QColor(200, 0, 0));
        QFont font;
        font.setPixelSize(14);
        ruler.setFont(font);
        const QImage image = painted(ruler, Width);
        // The label "12" under the middle tick.
        int red = 0;
        for (int y = 38; y < 60; ++y) {
            for (int x = 230; x < 252; ++x)
                red += image.pixelColor(x, y).red() > 150 && image.pixelColor(x, y).green() < 100;
        }
        QVERIFY(red > 5);
    }

    void aFontInPointsGivesSmallLabelsToo() {
        SwitchRuler ruler;
        ruler.setSize(QSizeF(Width, Height));
        ruler.setSteps(30);
        ruler.setSkip(0);
        QFont font;
        font.setPointSizeF(9);
        ruler.setFont(font);
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        painted(ruler, Width);
    }

    void propertiesTellTheirChanges() {
        SwitchRuler ruler;
        QSignalSpy steps(&ruler, &SwitchRuler::stepsChanged);
        QSignalSpy font(&ruler, &SwitchRuler::fontChanged);
        ruler.setSteps(15);
        ruler.setSteps(15);
        QCOMPARE(steps.size(), 1);
        QCOMPARE(steps.first().first().toInt(), 15);
        QFont bigger = ruler.font();
        bigger.setPixelSize(30);
        ruler.setFont(bigger);
        ruler.setFont(bigger);
        QCOMPARE(font.size(), 1);
    }

    void zeroSizesAndCountsDrawNothing_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("value");
        QTest::addRow("no width") << "width" << QVariant(0.0);
        QTest::addRow("width eaten by the padding") << "padding" << QVariant(240.0);
        QTest::addRow("no height") << "height" << QVariant(1.0);
        QTest::addRow("no columns") << "cols" << QVariant(0);
        QTest::addRow("no steps") << "steps" << QVariant(0);
        QTest::addRow("more steps than columns") << "steps" << QVariant(2000);
        QTest::addRow("no visible steps") << "visibleSteps" << QVariant(0);
        QTest::addRow("no divisor") << "divisor" << QVariant(0);
        QTest::addRow("negative divisor") << "divisor" << QVariant(-60);
    }

    void zeroSizesAndCountsDrawNothing() {
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        SwitchRuler ruler;
        ruler.setSize(QSizeF(Width, Height));
        ruler.setSkip(0);
        QVERIFY(ruler.setProperty(qPrintable(property), value));
        QVERIFY(ruler.marks().isEmpty());
        const QImage image = painted(ruler, Width);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                QCOMPARE(image.pixel(x, y), qRgb(255, 255, 255));
        }
    }
};

QTEST_MAIN(TestSwitchRuler)
#include "tst_switchruler.moc"
