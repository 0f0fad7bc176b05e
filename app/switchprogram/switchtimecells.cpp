#include "switchtimecells.h"

#include "switchcell.h"

#include <utils/weekdays.h>

using storage::SwitchTime;

namespace {
template <typename Main, typename End = void, typename Dot = void>
SwitchTimeCells make(int priority, int followMarker = 0) {
    SwitchTimeCells cells;
    cells.main = std::make_shared<Main>();
    if constexpr (!std::is_void_v<End>)
        cells.end = std::make_shared<End>();
    if constexpr (!std::is_void_v<Dot>)
        cells.dot = std::make_shared<Dot>();
    cells.priority = priority;
    cells.followMarker = followMarker;
    return cells;
}

SwitchTimeCells cellsOf(const SwitchTime& s) {
    switch (s.type()) {
    case SwitchTime::Switch:
        if (s.state() == SwitchTime::Off)
            return make<RedCell>(100);
        if (s.state() == SwitchTime::On)
            return make<GreenCell, void, GreenDotCell>(0);
        break;
    case SwitchTime::Impuls:
        if (s.state() == SwitchTime::On)
            return make<YellowOnCell>(111);
        if (s.state() == SwitchTime::Off)
            return make<YellowOffCell>(111);
        break;
    case SwitchTime::Cycle:
        if (s.endDay() == utils::Weekdays::Endless)
            return make<BlueInfinitCell, void, BlueDotCell>(1000);
        return make<BlueStartCell, BlueEndCell, BlueDotCell>(110, -1);
    case SwitchTime::FixSwitch:
        if (s.state() == SwitchTime::FixOff)
            return make<RedStartCell, RedEndCell, RedDotCell>(101, 101);
        if (s.state() == SwitchTime::FixOn)
            return make<GreenStartCell, GreenEndCell, GreenDotCell>(100, 100);
        break;
    default:
        break;
    }
    return {};
}
} // namespace

SwitchTimeCells SwitchTimeCells::of(const SwitchTime& switchTime, bool selected) {
    SwitchTimeCells cells = cellsOf(switchTime);
    for (const CellPtr& cell : {cells.main, cells.end, cells.dot}) {
        if (cell)
            cell->selected = selected;
    }
    return cells;
}
