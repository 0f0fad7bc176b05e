#pragma once

// Reader of polygon look-up databases ("PLB" files: time zones or countries), with a C
// interface. The file layout is described in docs/timezone-database.md. Every string and
// array handed out belongs to the caller and is released with the matching free function.

#include <cstdint>

extern "C" {

typedef struct ZDDatabase ZDDatabase;

enum ZDLookupResult {
    ZD_LOOKUP_IGNORE = -3,
    ZD_LOOKUP_END = -2,
    ZD_LOOKUP_PARSING_ERROR = -1,
    ZD_LOOKUP_NOT_IN_ZONE = 0,
    ZD_LOOKUP_IN_ZONE = 1,
    ZD_LOOKUP_IN_EXCLUDED_ZONE = 2,
    ZD_LOOKUP_ON_BORDER_VERTEX = 3,
    ZD_LOOKUP_ON_BORDER_SEGMENT = 4,
};

enum ZDInternalError {
    ZD_OK = 0,
    ZD_E_DB_OPEN = 1,
    ZD_E_DB_SEEK = 2,
    ZD_E_DB_MMAP = 3,
    ZD_E_DB_MMAP_MSVIEW = 4,
    ZD_E_DB_MAP_EXCEPTION = 5,
    ZD_E_DB_MUNMAP_MSVIEW = 6,
    ZD_E_DB_MUNMAP = 7,
    ZD_E_DB_CLOSE = 8,
    ZD_E_PARSE_HEADER = 9,
};

typedef struct ZDResult {
    int result;
    uint32_t polygonId;
    uint32_t metadataId;
    uint8_t fieldCount;
    char** fieldNames;
    char** fieldValues;
} ZDResult;

typedef void (*ZDErrorHandler)(int errorCode, int systemErrorCode);

ZDDatabase* ZDOpenDatabase(const char* path);
ZDDatabase* ZDOpenDatabaseFromMemory(void* buffer, int32_t length);
void ZDCloseDatabase(ZDDatabase* library);

// Looks the point up through the database's index of its bounding boxes.
ZDResult* ZDLookup(const ZDDatabase* library, float lat, float lon, float* safezone);
// The same answer from a walk over every bounding box: the measure for the index.
ZDResult* ZDLookupLinear(const ZDDatabase* library, float lat, float lon, float* safezone);
void ZDFreeResults(ZDResult* results);

char* ZDHelperSimpleLookupString(const ZDDatabase* library, float lat, float lon);
void ZDHelperSimpleLookupStringFree(char* str);

float* ZDPolygonToList(const ZDDatabase* library, uint32_t polygonId, uint64_t* length);

const char* ZDGetNotice(const ZDDatabase* library);
uint8_t ZDGetTableType(const ZDDatabase* library);
const char* ZDLookupResultToString(int result);
const char* ZDGetErrorString(int errZD);

int ZDSetErrorHandler(ZDErrorHandler handler);

} // extern "C"
