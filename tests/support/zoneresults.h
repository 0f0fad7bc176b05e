#pragma once

#include <countries/zonedetect.h>

#include <cstring>

// Whether two look-up answers are the same: the same polygons in the same order, with the same
// results and field values (both null counts as the same).
inline bool sameZoneResults(const ZDResult* a, const ZDResult* b)
{
    if (!a || !b)
        return a == b;
    for (;; ++a, ++b) {
        if (a->result != b->result || a->polygonId != b->polygonId || a->metadataId != b->metadataId ||
            a->fieldCount != b->fieldCount)
            return false;
        if (a->result == ZD_LOOKUP_END)
            return true;
        for (int i = 0; i < a->fieldCount; ++i) {
            const char* x = a->fieldValues[i];
            const char* y = b->fieldValues[i];
            if ((x == nullptr) != (y == nullptr) || (x && std::strcmp(x, y) != 0))
                return false;
        }
    }
}
