#include "astrotestsupport.h"

#include <astrotables.h>

#include <cmath>
#include <numbers>

using namespace astrotest;

namespace {

// First and last day of each run of days with the given sunset in a year record.
struct Run {
    int first = 0;
    int last = 0;
};

QList<Run> runsOf(const TJAstro& record, const QString& sunset)
{
    QList<Run> runs;
    for (int day = 1; day <= 365; ++day) {
        if (text(record.days[day].sunset) != sunset)
            continue;
        if (!runs.isEmpty() && runs.last().last == day - 1)
            runs.last().last = day;
        else
            runs.append({day, day});
    }
    return runs;
}

// Noon declination from Spencer's Fourier series (good to about 0.05 degrees),
// independent of the table generator's series.
double declinationDeg(int day)
{
    const double g = 2 * std::numbers::pi * (day - 0.5) / 365.0;
    const double radians = 0.006918 - 0.399912 * std::cos(g) + 0.070257 * std::sin(g) -
                           0.006758 * std::cos(2 * g) + 0.000907 * std::sin(2 * g) -
                           0.002697 * std::cos(3 * g) + 0.00148 * std::sin(3 * g);
    return radians * 180 / std::numbers::pi;
}

// 1441 when the sun stays above -50' all day, 1442 when it stays below, else 0.
int referenceMarker(int latitude, int day)
{
    const double phi = latitude * std::numbers::pi / 180;
    const double delta = declinationDeg(day) * std::numbers::pi / 180;
    const double x = (std::sin(-50.0 / 60 * std::numbers::pi / 180) - std::sin(phi) * std::sin(delta)) /
                     (std::cos(phi) * std::cos(delta));
    return x < -1 ? AstroEngine::SunStaysUp : x > 1 ? AstroEngine::SunStaysDown : 0;
}

TJAstro tableYear(int latitude)
{
    setLocation(latitude, 0, UtcZone);
    return AstroEngine::computeYear(2025, 0, 0, AstroEngine::BuiltInTables);
}

} // namespace

class TestAstroTables : public QObject {
    Q_OBJECT

private slots:
    void fixedRows_data()
    {
        QTest::addColumn<int>("latitude");
        QTest::addColumn<QList<int>>("sunrises");
        QTest::addColumn<QList<int>>("sunsets");
        QTest::newRow("equator") << 0
                                 << QList<int>{360, 366, 370, 370, 368, 364, 359, 355, 353, 353, 356, 359,
                                               362, 363, 362, 358, 353, 347, 343, 340, 342, 346, 353}
                                 << QList<int>{1087, 1093, 1097, 1097, 1094, 1090, 1085, 1082,
                                               1080, 1080, 1083, 1086, 1089, 1090, 1088, 1084,
                                               1079, 1074, 1069, 1067, 1069, 1074, 1081};
        QTest::newRow("48 N") << 48 << QList<int>{470, 464, 447, 422, 392, 360, 328, 297, 270, 251, 241, 242,
                                                  253, 270, 291, 313, 335, 357, 380, 404, 429, 451, 466}
                              << QList<int>{977,  996,  1021, 1047, 1071, 1095, 1118, 1141,
                                            1164, 1184, 1198, 1204, 1198, 1182, 1158, 1128,
                                            1095, 1063, 1031, 1002, 980,  968,  968};
    }

    void fixedRows()
    {
        QFETCH(int, latitude);
        QFETCH(QList<int>, sunrises);
        QFETCH(QList<int>, sunsets);
        const TJAstro record = tableYear(latitude);
        for (int k = 0; k < sunrises.size(); ++k) {
            const int day = 1 + 16 * k;
            QCOMPARE(AstroEngine::minutesOf(record.days[day].sunrise), sunrises.at(k));
            QCOMPARE(AstroEngine::minutesOf(record.days[day].sunset), sunsets.at(k));
        }
    }

    void polarRowsAreOrderedAndFollowTheLatitude()
    {
        for (const auto* table : {&AstroTables::polarNorth, &AstroTables::polarSouth}) {
            for (const auto& row : *table)
                QVERIFY(row[0] <= row[1] && row[1] <= row[2] && row[2] <= row[3]);
        }
        // Towards the pole the midnight sun and the polar night both grow longer.
        for (int i = 1; i < AstroTables::PolarRowCount; ++i) {
            const auto& lower = AstroTables::polarNorth[i - 1];
            const auto& higher = AstroTables::polarNorth[i];
            QVERIFY(higher[0] >= lower[0] && higher[1] <= lower[1] && higher[2] >= lower[2] &&
                    higher[3] <= lower[3]);
            const auto& southHigher = AstroTables::polarSouth[i - 1]; // row 0 is -90
            const auto& southLower = AstroTables::polarSouth[i];
            QVERIFY(southHigher[0] >= southLower[0] && southHigher[1] <= southLower[1]);
            QVERIFY(southHigher[2] >= southLower[2] && southHigher[3] <= southLower[3]);
        }
    }

    void markersFallOnTheTransitionDays_data()
    {
        QTest::addColumn<int>("latitude");
        for (int latitude : {-72, -70, -69, -68, -67, 67, 68, 69, 70, 71, 72})
            QTest::addRow("%d", latitude) << latitude;
    }

    // Between samples 16 days apart the table is interpolated; near the polar circles it
    // must still cross into the markers on the days the sun really stops setting or rising.
    // The reference and the table may disagree on a day next to a transition: a small
    // difference in declination moves it by up to a day here.
    void markersFallOnTheTransitionDays()
    {
        QFETCH(int, latitude);
        const TJAstro record = tableYear(latitude);
        int mismatches = 0;
        for (int day = 1; day <= 365; ++day) {
            const int expected = referenceMarker(latitude, day);
            const AstroDay& values = record.days[day];
            const int marker = values.sunset.hour == 24 ? AstroEngine::minutesOf(values.sunset) : 0;
            if (marker != expected) {
                // Only days next to a transition may differ.
                QVERIFY2(referenceMarker(latitude, day - 1) != expected ||
                             referenceMarker(latitude, day + 1) != expected,
                         qPrintable(
                             QStringLiteral("day %1: %2 instead of %3").arg(day).arg(marker).arg(expected)));
                ++mismatches;
            }
            if (marker != 0)
                QCOMPARE(text(values.sunrise), "11:59");
        }
        QVERIFY(mismatches <= 4);
    }

    void tableAndPolarRowsMeetAtTheSeam()
    {
        // The last table row (72) and the first polar row (73) differ by one degree, which
        // moves the transitions by a few days, never more.
        constexpr int MaxJump = 6;
        for (int sign : {1, -1}) {
            const TJAstro table = tableYear(72 * sign);
            const TJAstro polar = tableYear(73 * sign);
            for (const QString& marker : {QStringLiteral("24:01"), QStringLiteral("24:02")}) {
                const QList<Run> tableRuns = runsOf(table, marker);
                const QList<Run> polarRuns = runsOf(polar, marker);
                QCOMPARE(tableRuns.size(), polarRuns.size());
                for (int i = 0; i < tableRuns.size(); ++i) {
                    QVERIFY2(std::abs(tableRuns[i].first - polarRuns[i].first) <= MaxJump,
                             qPrintable(QStringLiteral("%1 %2: %3 / %4")
                                            .arg(sign)
                                            .arg(marker)
                                            .arg(tableRuns[i].first)
                                            .arg(polarRuns[i].first)));
                    QVERIFY2(std::abs(tableRuns[i].last - polarRuns[i].last) <= MaxJump,
                             qPrintable(QStringLiteral("%1 %2: %3 / %4")
                                            .arg(sign)
                                            .arg(marker)
                                            .arg(tableRuns[i].last)
                                            .arg(polarRuns[i].last)));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestAstroTables)
#include "tst_astrotables.moc"
