#include "overlapsweep.h"

#include <algorithm>

using storage::SwitchTime;

void OverlapSweep::add(int owner, const SwitchTime::Range& range) {
    if (range.length() <= 0)
        return;
    const int end = range.start() + range.length();
    if (end <= SwitchTime::SecondsPerWeek) {
        m_segments.push_back({range.start(), end, owner});
        return;
    }
    m_segments.push_back({range.start(), SwitchTime::SecondsPerWeek, owner});
    m_segments.push_back({0, end - SwitchTime::SecondsPerWeek, owner});
}

std::vector<bool> OverlapSweep::overlappingOwners(int ownerCount) const {
    std::vector<bool> flags(static_cast<size_t>(ownerCount), false);
    std::vector<Segment> segments = m_segments;
    std::sort(segments.begin(), segments.end(), [](const Segment& a, const Segment& b) { return a.start < b.start; });
    const auto mark = [&flags, ownerCount](int owner) {
        if (owner < ownerCount)
            flags[static_cast<size_t>(owner)] = true;
    };

    // A segment overlaps an earlier one of another owner when the latest end among those lies
    // after its start; keeping the two latest ends of different owners finds it. A segment
    // overlaps a later one exactly when the next segment of another owner starts before its end.
    struct Reach {
        int end = -1;
        int owner = -1;
    };
    Reach first;
    Reach second;
    for (size_t i = 0; i < segments.size(); ++i) {
        const Segment& segment = segments[i];
        const Reach& other = first.owner != segment.owner ? first : second;
        if (other.end > segment.start) {
            mark(segment.owner);
            mark(other.owner);
        }
        for (size_t j = i + 1; j < segments.size(); ++j) {
            if (segments[j].owner == segment.owner)
                continue;
            if (segments[j].start < segment.end) {
                mark(segment.owner);
                mark(segments[j].owner);
            }
            break;
        }
        if (segment.end > first.end) {
            if (first.owner != segment.owner)
                second = first;
            first = {segment.end, segment.owner};
        } else if (segment.owner != first.owner && segment.end > second.end) {
            second = {segment.end, segment.owner};
        }
    }
    return flags;
}
