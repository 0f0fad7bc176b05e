#pragma once

#include <QTime>
#include <span>

// A built-in own astro table: sunrise and sunset of the 366 rows of a leap year (row 0 is
// 1 January) in standard time, whole minutes, between fixed anchor rows.
struct AstroPreset {
    // A row's time in minutes after midnight; rows between anchors are interpolated.
    struct Anchor {
        int row;
        int minutes;
    };

    static const AstroPreset& met();
    static const AstroPreset& nbn();

    QTime sunrise(int row) const { return timeAt(sunriseAnchors, row); }
    QTime sunset(int row) const { return timeAt(sunsetAnchors, row); }

    std::span<const Anchor> sunriseAnchors;
    std::span<const Anchor> sunsetAnchors;

private:
    static QTime timeAt(std::span<const Anchor> anchors, int row);
};
