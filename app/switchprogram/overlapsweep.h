#pragma once

#include <storage/switchtime.h>

#include <vector>

// Finds, among ranges of the week that belong to numbered owners, the owners with a range that
// overlaps a range of another owner. Sorting the segments once and sweeping over them costs
// O(n log n) for n ranges, where comparing every pair would cost O(n²).
class OverlapSweep {
public:
    // owner: 0 or greater. Empty ranges never overlap.
    void add(int owner, const storage::SwitchTime::Range& range);
    // One flag per owner 0..ownerCount-1.
    std::vector<bool> overlappingOwners(int ownerCount) const;

private:
    // A stretch [start, end) of the week, a range that passes the end of the week being cut in two.
    struct Segment {
        int start;
        int end;
        int owner;
    };
    std::vector<Segment> m_segments;
};
