#include "astropreset.h"

#include <array>
#include <cmath>

namespace {

constexpr int at(int hour, int minute) {
    return hour * 60 + minute;
}

using Anchor = AstroPreset::Anchor;

// Belgian MET table.
constexpr std::array metSunrise{
    Anchor{0, at(8, 25)},   Anchor{58, at(7, 9)},   Anchor{59, at(7, 9)},   Anchor{90, at(6, 1)},
    Anchor{91, at(5, 52)},  Anchor{167, at(3, 58)}, Anchor{168, at(3, 58)}, Anchor{169, at(3, 59)},
    Anchor{170, at(3, 59)}, Anchor{243, at(5, 23)}, Anchor{244, at(5, 36)}, Anchor{343, at(8, 14)},
    Anchor{365, at(8, 25)}};
constexpr std::array metSunset{
    Anchor{0, at(17, 0)},    Anchor{58, at(18, 33)},  Anchor{59, at(18, 33)},  Anchor{90, at(19, 26)},
    Anchor{91, at(19, 35)},  Anchor{170, at(21, 20)}, Anchor{182, at(21, 20)}, Anchor{243, at(19, 50)},
    Anchor{244, at(19, 43)}, Anchor{343, at(16, 52)}, Anchor{348, at(16, 52)}, Anchor{365, at(17, 2)}};

// Belgian standard NBN L 18-001.
constexpr std::array nbnSunrise{
    Anchor{0, at(8, 46)},   Anchor{3, at(8, 46)},   Anchor{58, at(7, 31)},  Anchor{59, at(7, 29)},
    Anchor{90, at(6, 22)},  Anchor{91, at(6, 0)},   Anchor{170, at(4, 8)},  Anchor{171, at(4, 8)},
    Anchor{243, at(5, 34)}, Anchor{244, at(5, 56)}, Anchor{343, at(8, 33)}, Anchor{365, at(8, 45)}};
constexpr std::array nbnSunset{
    Anchor{0, at(16, 47)},   Anchor{58, at(18, 20)},  Anchor{59, at(18, 22)},  Anchor{90, at(19, 13)},
    Anchor{91, at(19, 35)},  Anchor{170, at(21, 20)}, Anchor{182, at(21, 20)}, Anchor{243, at(19, 50)},
    Anchor{244, at(19, 28)}, Anchor{343, at(16, 37)}, Anchor{348, at(16, 37)}, Anchor{365, at(16, 47)}};

} // namespace

const AstroPreset& AstroPreset::met() {
    static const AstroPreset preset{metSunrise, metSunset};
    return preset;
}

const AstroPreset& AstroPreset::nbn() {
    static const AstroPreset preset{nbnSunrise, nbnSunset};
    return preset;
}

QTime AstroPreset::timeAt(std::span<const Anchor> anchors, int row) {
    const Anchor* next = anchors.data();
    while (next != &anchors.back() && next->row < row)
        ++next;
    if (next == anchors.data() || next->row <= row)
        return QTime(0, 0).addSecs(next->minutes * 60);
    const Anchor& previous = *(next - 1);
    const double share = double(row - previous.row) / (next->row - previous.row);
    const long minutes = std::lround(previous.minutes + share * (next->minutes - previous.minutes));
    return QTime(0, 0).addSecs(int(minutes) * 60);
}
