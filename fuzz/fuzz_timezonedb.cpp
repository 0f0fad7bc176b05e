// Time-zone databases ("PLB" files) opened from memory, then looked up at points all over the
// globe, the poles and the date line included. The indexed look-up answers exactly what the
// walk over every bounding box answers.

#include "support/fuzzapplication.h"

#include <countries/zonedetect.h>
#include <zoneresults.h>

#include <cstdlib>
#include <vector>

namespace {

void lookUp(const ZDDatabase* db, float lat, float lon) {
    float safezone = 0;
    ZDResult* indexed = ZDLookup(db, lat, lon, &safezone);
    ZDResult* linear = ZDLookupLinear(db, lat, lon, nullptr);
    if (!sameZoneResults(indexed, linear))
        abort();
    ZDFreeResults(indexed);
    ZDFreeResults(linear);
    ZDHelperSimpleLookupStringFree(ZDHelperSimpleLookupString(db, lat, lon));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzApplication::start(argc, argv, FuzzApplication::Core);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > INT32_MAX)
        return 0;
    // The reader keeps the buffer; a copy of exactly the input lets the sanitizer see overreads.
    std::vector<uint8_t> buffer(data, data + size);
    ZDDatabase* db = ZDOpenDatabaseFromMemory(buffer.empty() ? nullptr : buffer.data(), static_cast<int32_t>(size));
    if (!db)
        return 0;
    ZDGetNotice(db);
    ZDGetTableType(db);
    for (float lat = -90; lat <= 90; lat += 22.5f) {
        for (float lon = -180; lon <= 180; lon += 45)
            lookUp(db, lat, lon);
    }
    lookUp(db, 0.001f, -0.001f);
    for (uint32_t id = 0; id < 4; ++id) {
        uint64_t length = 0;
        std::free(ZDPolygonToList(db, id, &length));
    }
    ZDCloseDatabase(db);
    return 0;
}
