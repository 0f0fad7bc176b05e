#include "countries/zonedetect.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

// Every read of the file goes through the bounds-checked helpers below: a truncated or corrupt
// database gives a header or parse error, never a read outside the mapping.

namespace {
struct LazyIndex;
}

struct ZDDatabase {
    int fileHandle;
    void* mappingHandle;
    int32_t length;
    const uint8_t* data;
    char tableType;
    uint8_t version;
    uint8_t precision;
    uint8_t numFields;
    char* notice;
    char** fieldNames;
    uint32_t bboxOffset;
    uint32_t metadataOffset;
    uint32_t dataOffset;
    bool openedFromMemory;
    // Made at opening, built at the first look-up; it holds none when the boxes would fill too
    // many cells (the walk is used then).
    LazyIndex* index;
};

namespace {

ZDErrorHandler errorHandler = nullptr;

void reportError(int errorCode, int systemErrorCode) {
    if (errorHandler)
        errorHandler(errorCode, systemErrorCode);
}

constexpr int maxVarintBytes = 10;
constexpr uint64_t maxReferencedStringLength = 256;
constexpr size_t maxSimpleLookupLength = 512;

// Reads the varint starting at `index`; advances `index` behind it.
bool readVarint(const ZDDatabase* db, uint32_t& index, uint64_t& value) {
    const auto length = static_cast<uint32_t>(db->length);
    value = 0;
    for (int i = 0; i < maxVarintBytes; ++i) {
        if (index >= length)
            return false;
        const uint8_t byte = db->data[index++];
        value |= static_cast<uint64_t>(byte & 0x7F) << (7 * i);
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

// Reads the varint that ends at `index`, not reaching below `lowest`; moves `index` to the
// last byte of the varint before it (or marks that nothing is left before `lowest`).
bool readVarintBackward(const ZDDatabase* db, int64_t& index, uint32_t lowest, uint64_t& value) {
    if (index < lowest || index >= db->length || (db->data[index] & 0x80))
        return false;
    int64_t start = index;
    while (start > lowest && (db->data[start - 1] & 0x80)) {
        --start;
        if (index - start >= maxVarintBytes)
            return false;
    }
    auto cursor = static_cast<uint32_t>(start);
    if (!readVarint(db, cursor, value))
        return false;
    index = start - 1;
    return true;
}

int64_t decodeSigned(uint64_t value) {
    const auto magnitude = static_cast<int64_t>(value >> 1);
    return (value & 1) ? -magnitude : magnitude;
}

bool readSignedVarint(const ZDDatabase* db, uint32_t& index, int64_t& value) {
    uint64_t raw = 0;
    if (!readVarint(db, index, raw))
        return false;
    value = decodeSigned(raw);
    return true;
}

bool inFile(const ZDDatabase* db, uint64_t position, uint64_t count) {
    return position <= static_cast<uint64_t>(db->length) &&
           count <= static_cast<uint64_t>(db->length) - position;
}

char* decodeBytes(const ZDDatabase* db, uint32_t position, uint64_t count) {
    if (!inFile(db, position, count))
        return nullptr;
    auto* text = static_cast<char*>(std::malloc(count + 1));
    if (!text)
        return nullptr;
    for (uint64_t i = 0; i < count; ++i)
        text[i] = static_cast<char>(static_cast<uint8_t>(db->data[position + i] - 128));
    text[count] = '\0';
    return text;
}

// A string: literal bytes, or a reference into the metadata section when allowed.
char* readString(const ZDDatabase* db, uint32_t& index, bool allowReference) {
    uint64_t length = 0;
    if (!readVarint(db, index, length))
        return nullptr;
    if (length < 256) {
        char* text = decodeBytes(db, index, length);
        if (text)
            index += static_cast<uint32_t>(length);
        return text;
    }
    if (!allowReference)
        return nullptr;
    const uint64_t target = db->metadataOffset + (length - 256);
    if (target >= db->dataOffset)
        return nullptr;
    auto referenced = static_cast<uint32_t>(target);
    uint64_t referencedLength = 0;
    if (!readVarint(db, referenced, referencedLength) || referencedLength > maxReferencedStringLength)
        return nullptr;
    return decodeBytes(db, referenced, referencedLength);
}

void freeStrings(char** strings, size_t count) {
    if (!strings)
        return;
    for (size_t i = 0; i < count; ++i)
        std::free(strings[i]);
    std::free(strings);
}

bool parseHeader(ZDDatabase* db) {
    if (db->length <= 6 || std::memcmp(db->data, "PLB", 3) != 0)
        return false;
    db->tableType = static_cast<char>(db->data[3]);
    db->version = db->data[4];
    db->precision = db->data[5];
    db->numFields = db->data[6];
    if (db->version >= 2 || db->precision == 0 || db->precision > 31)
        return false;

    uint32_t index = 7;
    if (db->numFields > 0) {
        db->fieldNames = static_cast<char**>(std::calloc(db->numFields, sizeof(char*)));
        if (!db->fieldNames)
            return false;
    }
    for (size_t i = 0; i < db->numFields; ++i) {
        const uint32_t start = index;
        db->fieldNames[i] = readString(db, index, false);
        if (!db->fieldNames[i]) {
            // Skip an unreadable name whose extent is still known.
            uint64_t length = 0;
            index = start;
            if (!readVarint(db, index, length) || (length < 256 && !inFile(db, index, length)))
                return false;
            if (length < 256)
                index += static_cast<uint32_t>(length);
        }
    }
    db->notice = readString(db, index, false);
    if (!db->notice)
        return false;

    uint64_t bboxLength = 0;
    uint64_t metadataLength = 0;
    uint64_t dataLength = 0;
    if (!readVarint(db, index, bboxLength) || !readVarint(db, index, metadataLength) ||
        !readVarint(db, index, dataLength))
        return false;
    const uint64_t metadataStart = uint64_t{index} + bboxLength;
    const uint64_t dataStart = metadataStart + metadataLength;
    if (bboxLength > UINT32_MAX || metadataLength > UINT32_MAX || dataLength > UINT32_MAX ||
        dataStart + dataLength != static_cast<uint64_t>(db->length))
        return false;
    db->bboxOffset = index;
    db->metadataOffset = static_cast<uint32_t>(metadataStart);
    db->dataOffset = static_cast<uint32_t>(dataStart);
    return true;
}

void releaseHeader(ZDDatabase* db) {
    freeStrings(db->fieldNames, db->numFields);
    db->fieldNames = nullptr;
    std::free(db->notice);
    db->notice = nullptr;
}

// Walks the points of one polygon; the first point is given once more at the end.
class PolygonDecoder {
public:
    PolygonDecoder(const ZDDatabase* db, uint32_t position)
        : m_db(db)
        , m_position(position) {}

    // 1: a point in lat/lon, 0: end of the polygon, -1: parse error.
    int next(int32_t& lat, int32_t& lon) {
        if (m_closed)
            return 0;
        const int result = m_db->version == 0 ? nextVersion0() : nextVersion1();
        if (result == 1) {
            if (!m_started) {
                m_started = true;
                m_firstLat = m_lat;
                m_firstLon = m_lon;
            }
        } else if (result == 0 && m_started && !m_closed) {
            m_closed = true;
            m_lat = m_firstLat;
            m_lon = m_firstLon;
            lat = m_lat;
            lon = m_lon;
            return 1;
        }
        lat = m_lat;
        lon = m_lon;
        return result;
    }

private:
    bool move(int64_t dlat, int64_t dlon) {
        const int64_t lat = int64_t{m_lat} + dlat;
        const int64_t lon = int64_t{m_lon} + dlon;
        if (lat < INT32_MIN || lat > INT32_MAX || lon < INT32_MIN || lon > INT32_MAX)
            return false;
        m_lat = static_cast<int32_t>(lat);
        m_lon = static_cast<int32_t>(lon);
        return true;
    }

    int nextVersion0() {
        if (!m_countRead) {
            if (!readVarint(m_db, m_position, m_remaining) || m_remaining == 0)
                return -1;
            m_countRead = true;
        }
        if (m_remaining == 0)
            return 0;
        int64_t dlat = 0;
        int64_t dlon = 0;
        if (!readSignedVarint(m_db, m_position, dlat) || !readSignedVarint(m_db, m_position, dlon) ||
            !move(dlat, dlon))
            return -1;
        --m_remaining;
        return 1;
    }

    // Splits an interleaved point: latitude in the even bits, longitude in the odd ones,
    // the lowest bit of each its sign.
    static void splitPoint(uint64_t code, int64_t& dlat, int64_t& dlon) {
        int64_t lat = 0;
        int64_t lon = 0;
        for (int bit = 0; 2 * bit + 3 < 64; ++bit) {
            lat |= static_cast<int64_t>((code >> (2 * bit + 2)) & 1) << bit;
            lon |= static_cast<int64_t>((code >> (2 * bit + 3)) & 1) << bit;
        }
        dlat = (code & 1) ? -lat : lat;
        dlon = (code & 2) ? -lon : lon;
    }

    int nextVersion1() {
        while (true) {
            if (m_inRun) {
                if (m_remaining == 0) {
                    m_inRun = false;
                    continue;
                }
                uint64_t code = 0;
                if (m_runBackward) {
                    if (!readVarintBackward(m_db, m_runPosition, m_db->dataOffset, code))
                        return -1;
                } else {
                    if (m_runPosition < 0 || m_runPosition > UINT32_MAX)
                        return -1;
                    auto cursor = static_cast<uint32_t>(m_runPosition);
                    if (!readVarint(m_db, cursor, code))
                        return -1;
                    m_runPosition = cursor;
                }
                if (code == 0)
                    return -1;
                int64_t dlat = 0;
                int64_t dlon = 0;
                splitPoint(code, dlat, dlon);
                if (m_runBackward) {
                    dlat = -dlat;
                    dlon = -dlon;
                }
                --m_remaining;
                return move(dlat, dlon) ? 1 : -1;
            }
            uint64_t code = 0;
            if (!readVarint(m_db, m_position, code))
                return -1;
            if (code != 0) {
                int64_t dlat = 0;
                int64_t dlon = 0;
                splitPoint(code, dlat, dlon);
                return move(dlat, dlon) ? 1 : -1;
            }
            uint64_t kind = 0;
            if (!readVarint(m_db, m_position, kind))
                return -1;
            if (kind == 0)
                return 0;
            if (kind != 1)
                return 1;
            uint64_t offset = 0;
            int64_t length = 0;
            if (!readVarint(m_db, m_position, offset) || !readSignedVarint(m_db, m_position, length))
                return -1;
            const uint64_t runStart = uint64_t{m_db->dataOffset} + offset;
            if (offset >= static_cast<uint64_t>(m_db->length) ||
                runStart >= static_cast<uint64_t>(m_db->length))
                return -1;
            m_inRun = true;
            m_runPosition = static_cast<int64_t>(runStart);
            m_runBackward = length < 0;
            m_remaining = static_cast<uint64_t>(length < 0 ? -length : length);
        }
    }

    const ZDDatabase* m_db;
    uint32_t m_position;
    int32_t m_lat = 0;
    int32_t m_lon = 0;
    int32_t m_firstLat = 0;
    int32_t m_firstLon = 0;
    bool m_started = false;
    bool m_closed = false;
    bool m_countRead = false;
    uint64_t m_remaining = 0;
    bool m_inRun = false;
    bool m_runBackward = false;
    int64_t m_runPosition = 0;
};

int quadrantOf(int32_t lat, int32_t lon, int32_t targetLat, int32_t targetLon) {
    if (lat >= targetLat)
        return lon >= targetLon ? 0 : 1;
    return lon < targetLon ? 2 : 3;
}

void keepMinimum(uint64_t* distanceSqrMin, double distanceSqr) {
    if (!distanceSqrMin)
        return;
    const uint64_t value = distanceSqr >= 1.8e19 ? UINT64_MAX : static_cast<uint64_t>(distanceSqr);
    if (value < *distanceSqrMin)
        *distanceSqrMin = value;
}

struct Segment {
    int32_t lat0, lon0, lat1, lon1;

    bool straight() const { return lat0 == lat1 || lon0 == lon1; }
    bool boxContains(double lat, double lon) const {
        return lat >= std::min(lat0, lat1) && lat <= std::max(lat0, lat1) && lon >= std::min(lon0, lon1) &&
               lon <= std::max(lon0, lon1);
    }
};

double squaredDistance(const Segment& s, float a, float b, int32_t targetLat, int32_t targetLon) {
    double footLat = 0;
    double footLon = 0;
    if (!s.straight()) {
        footLon = (targetLon + a * (targetLat - b)) / (a * a + 1.0f);
        footLat = a * footLon + b;
    } else if (s.lon0 == s.lon1) {
        footLat = targetLat;
        footLon = s.lon1;
    } else {
        footLat = s.lat1;
        footLon = targetLon;
    }
    double dLat = double(s.lat1) - targetLat;
    double dLon = double(s.lon1) - targetLon;
    if (s.boxContains(footLat, footLon)) {
        dLat = footLat - targetLat;
        dLon = footLon - targetLon;
    }
    return dLat * dLat + 4.0 * dLon * dLon;
}

// The points of a polygon decoded before: the same sequence the decoder gives, ending as it ended.
class DecodedPoints {
public:
    DecodedPoints(const int32_t* points, uint32_t count, bool failed)
        : m_points(points)
        , m_count(count)
        , m_failed(failed) {}

    int next(int32_t& lat, int32_t& lon) {
        if (m_next == m_count)
            return m_failed ? -1 : 0;
        lat = m_points[2 * m_next];
        lon = m_points[2 * m_next + 1];
        ++m_next;
        return 1;
    }

private:
    const int32_t* m_points;
    uint32_t m_count;
    bool m_failed;
    uint32_t m_next = 0;
};

template <typename Points>
int pointInPolygon(Points& decoder, int32_t targetLat, int32_t targetLon, uint64_t* distanceSqrMin) {
    int32_t lat = 0;
    int32_t lon = 0;
    int32_t prevLat = 0;
    int32_t prevLon = 0;
    int prevQuadrant = 0;
    int winding = 0;
    bool first = true;
    while (true) {
        const int step = decoder.next(lat, lon);
        if (step < 0)
            return ZD_LOOKUP_PARSING_ERROR;
        if (step == 0)
            break;
        if (lat == targetLat && lon == targetLon) {
            keepMinimum(distanceSqrMin, 0);
            return ZD_LOOKUP_ON_BORDER_VERTEX;
        }
        const int quadrant = quadrantOf(lat, lon, targetLat, targetLon);
        if (!first) {
            const Segment segment{prevLat, prevLon, lat, lon};
            bool needCompare = false;
            if (quadrant == (prevQuadrant + 1) % 4)
                ++winding;
            else if ((quadrant + 1) % 4 == prevQuadrant)
                --winding;
            else if (quadrant != prevQuadrant)
                needCompare = true;

            float a = 0;
            float b = 0;
            if (segment.straight()) {
                if (needCompare || segment.boxContains(targetLat, targetLon)) {
                    keepMinimum(distanceSqrMin, 0);
                    return ZD_LOOKUP_ON_BORDER_SEGMENT;
                }
            } else if (distanceSqrMin || needCompare) {
                a = static_cast<float>(double(lat) - prevLat) / static_cast<float>(double(lon) - prevLon);
                b = static_cast<float>(lat) - a * static_cast<float>(lon);
            }
            if (needCompare) {
                const float crossing = (static_cast<float>(targetLat) - b) / a;
                const double crossingLon = std::trunc(double(crossing));
                if (crossingLon >= double(targetLon) - 1 && crossingLon <= double(targetLon) + 1) {
                    keepMinimum(distanceSqrMin, 0);
                    return ZD_LOOKUP_ON_BORDER_SEGMENT;
                }
                const int adjustment = crossingLon < targetLon ? 2 : -2;
                winding += (quadrant == 2 || quadrant == 3) ? adjustment : -adjustment;
            }
            if (distanceSqrMin)
                keepMinimum(distanceSqrMin, squaredDistance(segment, a, b, targetLat, targetLon));
        }
        prevQuadrant = quadrant;
        prevLat = lat;
        prevLon = lon;
        first = false;
    }
    if (winding == -4)
        return ZD_LOOKUP_IN_ZONE;
    if (winding == 4)
        return ZD_LOOKUP_IN_EXCLUDED_ZONE;
    if (winding == 0)
        return ZD_LOOKUP_NOT_IN_ZONE;
    keepMinimum(distanceSqrMin, 0);
    return ZD_LOOKUP_ON_BORDER_SEGMENT;
}

int32_t toFixedPoint(float degrees, float halfRange, unsigned precision) {
    const float scaled = degrees / halfRange * static_cast<float>(uint32_t{1} << (precision - 1));
    if (!(scaled > -2147483648.0f))
        return INT32_MIN;
    if (scaled >= 2147483648.0f)
        return INT32_MAX;
    return static_cast<int32_t>(scaled);
}

struct BoxRecord {
    int64_t minLat, minLon, maxLat, maxLon;
};

// Reads one bounding-box record and advances the running metadata and polygon offsets.
bool readBox(const ZDDatabase* db, uint32_t& index, BoxRecord& box, int64_t& metadataSum,
             uint64_t& polygonSum) {
    int64_t metadataDelta = 0;
    uint64_t polygonDelta = 0;
    if (!readSignedVarint(db, index, box.minLat) || !readSignedVarint(db, index, box.minLon) ||
        !readSignedVarint(db, index, box.maxLat) || !readSignedVarint(db, index, box.maxLon) ||
        !readSignedVarint(db, index, metadataDelta) || !readVarint(db, index, polygonDelta))
        return false;
    // Offsets beyond the file are refused later, when they are used; the sums must not wrap.
    if (metadataDelta > INT32_MAX || metadataDelta < INT32_MIN || polygonDelta > UINT32_MAX)
        return false;
    metadataSum += metadataDelta;
    polygonSum += polygonDelta;
    return metadataSum >= 0 && metadataSum <= INT32_MAX && polygonSum <= UINT32_MAX;
}

class ResultList {
public:
    ~ResultList() { std::free(m_items); }

    bool append(const ZDResult& result) {
        if (m_count == m_capacity) {
            const size_t capacity = m_capacity ? m_capacity * 2 : 8;
            auto* items = static_cast<ZDResult*>(std::realloc(m_items, capacity * sizeof(ZDResult)));
            if (!items)
                return false;
            m_items = items;
            m_capacity = capacity;
        }
        m_items[m_count++] = result;
        return true;
    }

    ZDResult* items() { return m_items; }
    size_t count() const { return m_count; }
    void truncate(size_t count) { m_count = count; }
    ZDResult* release() {
        ZDResult* items = m_items;
        m_items = nullptr;
        m_count = m_capacity = 0;
        return items;
    }

private:
    ZDResult* m_items = nullptr;
    size_t m_count = 0;
    size_t m_capacity = 0;
};

struct Box {
    BoxRecord extent;
    int64_t metadataSum;
    uint64_t polygonSum;
};

// Adds the answer of a box that contains the point (its polygon's answer given, or a parse error).
// False when the walk ends here (at a damaged polygon).
bool addAnswer(const ZDDatabase* db, uint32_t polygonId, const Box& box, int answer, ResultList& list) {
    if (answer == ZD_LOOKUP_PARSING_ERROR)
        return false;
    if (answer == ZD_LOOKUP_NOT_IN_ZONE)
        return true;
    const ZDResult result{answer,        polygonId,      static_cast<uint32_t>(box.metadataSum),
                          db->numFields, db->fieldNames, nullptr};
    return list.append(result);
}

bool boxContains(const Box& box, int32_t lat, int32_t lon) {
    return lat <= box.extent.maxLat && lon >= box.extent.minLon && lon <= box.extent.maxLon;
}

// The data position of a box's polygon; 0 when it lies beyond the file (the walk ends there).
uint32_t polygonPosition(const ZDDatabase* db, const Box& box) {
    const uint64_t position = uint64_t{db->dataOffset} + box.polygonSum;
    return position < static_cast<uint64_t>(db->length) ? static_cast<uint32_t>(position) : 0;
}

// What a point asks of a box, its polygon decoded as it is read. False when the walk ends here.
bool testBox(const ZDDatabase* db, uint32_t polygonId, const Box& box, int32_t lat, int32_t lon,
             uint64_t* distanceSqrMin, ResultList& list) {
    if (!boxContains(box, lat, lon))
        return true;
    const uint32_t position = polygonPosition(db, box);
    if (position == 0)
        return false;
    PolygonDecoder decoder(db, position);
    return addAnswer(db, polygonId, box, pointInPolygon(decoder, lat, lon, distanceSqrMin), list);
}

// The walk over every bounding box in file order, up to the first that starts north of the point
// (the boxes are sorted by their minimum latitude) or cannot be read.
void collectCandidatesLinear(const ZDDatabase* db, int32_t lat, int32_t lon, uint64_t* distanceSqrMin,
                             ResultList& list) {
    uint32_t index = db->bboxOffset;
    Box box{};
    for (uint32_t polygonId = 0; index < db->metadataOffset; ++polygonId) {
        if (!readBox(db, index, box.extent, box.metadataSum, box.polygonSum) || box.extent.minLat > lat)
            break;
        if (!testBox(db, polygonId, box, lat, lon, distanceSqrMin, list))
            break;
    }
}

// A grid of 1-degree cells, each listing the boxes that touch it in file order, and every polygon
// decoded once into plain points. A look-up tests the boxes of its cell only, and stops where the
// walk would: a box touching no cell of the point cannot contain it, so the answers are the walk's.
class BoxIndex {
public:
    static constexpr int LatCells = 180;
    static constexpr int LonCells = 360;
    // Beyond this many cell entries (a database of huge boxes), the walk is as good.
    static constexpr uint64_t MaxEntries = uint64_t{1} << 24;
    // Beyond this many points the polygons are decoded at each look-up instead.
    static constexpr size_t MaxPoints = size_t{1} << 23;

    static BoxIndex* build(const ZDDatabase* db) {
        auto* index = new BoxIndex(db);
        if (!index->fill(db)) {
            delete index;
            return nullptr;
        }
        index->decodePolygons(db);
        return index;
    }

    void collect(const ZDDatabase* db, int32_t lat, int32_t lon, uint64_t* distanceSqrMin,
                 ResultList& list) const {
        // The walk stops at the first box starting north of the point.
        const auto stop = static_cast<uint32_t>(
            std::upper_bound(m_northmostStart.begin(), m_northmostStart.end(), int64_t{lat}) -
            m_northmostStart.begin());
        const size_t cell = size_t(latCell(lat)) * LonCells + size_t(lonCell(lon));
        for (uint32_t i = m_cellStart[cell]; i < m_cellStart[cell + 1]; ++i) {
            const uint32_t polygonId = m_entries[i];
            if (polygonId >= stop)
                return;
            if (!test(db, polygonId, lat, lon, distanceSqrMin, list))
                return;
        }
    }

private:
    struct Polygon {
        size_t first = 0; // index of its first point in m_points
        uint32_t count = 0;
        bool failed = false;
        bool beyondFile = false;
    };

    explicit BoxIndex(const ZDDatabase* db)
        : m_half(static_cast<double>(uint32_t{1} << (db->precision - 1))) {}

    bool test(const ZDDatabase* db, uint32_t polygonId, int32_t lat, int32_t lon, uint64_t* distanceSqrMin,
              ResultList& list) const {
        const Box& box = m_boxes[polygonId];
        if (m_polygons.empty())
            return testBox(db, polygonId, box, lat, lon, distanceSqrMin, list);
        if (!boxContains(box, lat, lon))
            return true;
        const Polygon& polygon = m_polygons[polygonId];
        if (polygon.beyondFile)
            return false;
        DecodedPoints points(m_points.data() + 2 * polygon.first, polygon.count, polygon.failed);
        return addAnswer(db, polygonId, box, pointInPolygon(points, lat, lon, distanceSqrMin), list);
    }

    int cellOf(int64_t value, int cells) const {
        const double position = std::floor((static_cast<double>(value) + m_half) / (2 * m_half) * cells);
        return static_cast<int>(std::clamp(position, 0.0, double(cells - 1)));
    }
    int latCell(int64_t lat) const { return cellOf(lat, LatCells); }
    int lonCell(int64_t lon) const { return cellOf(lon, LonCells); }

    // Reads the boxes the walk can reach; a box beyond an unreadable one is never tested.
    void readBoxes(const ZDDatabase* db) {
        uint32_t index = db->bboxOffset;
        Box box{};
        int64_t northmost = INT64_MIN;
        while (index < db->metadataOffset && m_boxes.size() < UINT32_MAX &&
               readBox(db, index, box.extent, box.metadataSum, box.polygonSum)) {
            m_boxes.push_back(box);
            northmost = std::max(northmost, box.extent.minLat);
            m_northmostStart.push_back(northmost);
        }
    }

    bool fill(const ZDDatabase* db) {
        readBoxes(db);
        std::vector<uint32_t> counts(size_t(LatCells) * LonCells + 1, 0);
        uint64_t total = 0;
        for (const Box& box : m_boxes) {
            const BoxRecord& e = box.extent;
            if (e.minLat > e.maxLat || e.minLon > e.maxLon)
                continue; // contains no point
            total += uint64_t(latCell(e.maxLat) - latCell(e.minLat) + 1) * (lonCell(e.maxLon) - lonCell(e.minLon) + 1);
            if (total > MaxEntries)
                return false;
            forEachCell(e, [&](size_t cell) { ++counts[cell + 1]; });
        }
        for (size_t cell = 1; cell < counts.size(); ++cell)
            counts[cell] += counts[cell - 1];
        m_cellStart = counts;
        m_entries.resize(total);
        for (uint32_t id = 0; id < m_boxes.size(); ++id) {
            const BoxRecord& e = m_boxes[id].extent;
            if (e.minLat <= e.maxLat && e.minLon <= e.maxLon)
                forEachCell(e, [&](size_t cell) { m_entries[counts[cell]++] = id; });
        }
        return true;
    }

    // Every polygon as the decoder gives it; none when they hold too many points.
    void decodePolygons(const ZDDatabase* db) {
        m_polygons.resize(m_boxes.size());
        for (size_t id = 0; id < m_boxes.size(); ++id) {
            Polygon& polygon = m_polygons[id];
            const uint32_t position = polygonPosition(db, m_boxes[id]);
            polygon.beyondFile = position == 0;
            polygon.first = m_points.size() / 2;
            if (polygon.beyondFile)
                continue;
            PolygonDecoder decoder(db, position);
            int32_t lat = 0;
            int32_t lon = 0;
            int step = 0;
            while ((step = decoder.next(lat, lon)) == 1) {
                if (m_points.size() / 2 >= MaxPoints) {
                    m_polygons.clear();
                    m_points.clear();
                    m_points.shrink_to_fit();
                    return;
                }
                m_points.push_back(lat);
                m_points.push_back(lon);
            }
            polygon.count = static_cast<uint32_t>(m_points.size() / 2 - polygon.first);
            polygon.failed = step < 0;
        }
    }

    template <typename Visit>
    void forEachCell(const BoxRecord& e, Visit visit) const {
        for (int latIndex = latCell(e.minLat); latIndex <= latCell(e.maxLat); ++latIndex) {
            for (int lonIndex = lonCell(e.minLon); lonIndex <= lonCell(e.maxLon); ++lonIndex)
                visit(size_t(latIndex) * LonCells + size_t(lonIndex));
        }
    }

    double m_half;
    std::vector<Box> m_boxes;
    // Per box, the largest minimum latitude up to it: where the walk stops for a latitude.
    std::vector<int64_t> m_northmostStart;
    std::vector<uint32_t> m_cellStart;
    std::vector<uint32_t> m_entries;
    std::vector<Polygon> m_polygons;
    std::vector<int32_t> m_points;
};

// Built at the first indexed look-up, once, whichever thread asks first.
struct LazyIndex {
    std::once_flag built;
    std::unique_ptr<BoxIndex> index;

    const BoxIndex* get(const ZDDatabase* db) {
        std::call_once(built, [&] { index.reset(BoxIndex::build(db)); });
        return index.get();
    }
};

// Polygons of one zone are decided together: holes cancel the polygon they lie in.
void mergeZones(ResultList& list) {
    ZDResult* items = list.items();
    const size_t count = list.count();
    for (size_t i = 0; i < count; ++i) {
        if (items[i].result == ZD_LOOKUP_IGNORE)
            continue;
        int inside = 0;
        int other = ZD_LOOKUP_IGNORE;
        for (size_t j = i; j < count; ++j) {
            if (items[j].metadataId != items[i].metadataId || items[j].result == ZD_LOOKUP_IGNORE)
                continue;
            if (items[j].result == ZD_LOOKUP_IN_ZONE)
                ++inside;
            else if (items[j].result == ZD_LOOKUP_IN_EXCLUDED_ZONE)
                --inside;
            else
                other = items[j].result;
            if (j != i)
                items[j].result = ZD_LOOKUP_IGNORE;
        }
        if (other != ZD_LOOKUP_IGNORE)
            items[i].result = other;
        else
            items[i].result = inside != 0 ? ZD_LOOKUP_IN_ZONE : ZD_LOOKUP_IGNORE;
    }
    size_t kept = 0;
    for (size_t i = 0; i < count; ++i) {
        if (items[i].result != ZD_LOOKUP_IGNORE)
            items[kept++] = items[i];
    }
    list.truncate(kept);
}

bool readFieldValues(const ZDDatabase* db, ZDResult& result) {
    if (result.fieldCount == 0)
        return true;
    result.fieldValues = static_cast<char**>(std::calloc(result.fieldCount, sizeof(char*)));
    if (!result.fieldValues)
        return false;
    const uint64_t start = uint64_t{db->metadataOffset} + result.metadataId;
    if (start >= db->dataOffset)
        return false;
    auto index = static_cast<uint32_t>(start);
    for (size_t i = 0; i < result.fieldCount; ++i) {
        result.fieldValues[i] = readString(db, index, true);
        if (!result.fieldValues[i])
            return false;
    }
    return true;
}

const char* fieldValue(const ZDResult& result, const char* name) {
    for (size_t i = 0; i < result.fieldCount; ++i) {
        if (result.fieldNames && result.fieldNames[i] && result.fieldValues[i] &&
            std::strcmp(result.fieldNames[i], name) == 0)
            return result.fieldValues[i];
    }
    return nullptr;
}

ZDResult* lookupPoint(const ZDDatabase* library, float lat, float lon, float* safezone, bool indexed) {
    if (!library)
        return nullptr;
    const int32_t latFixed = toFixedPoint(lat, 90.0f, library->precision);
    const int32_t lonFixed = toFixedPoint(lon, 180.0f, library->precision);
    uint64_t distanceSqrMin = UINT64_MAX;

    ResultList list;
    uint64_t* distance = safezone ? &distanceSqrMin : nullptr;
    if (std::isfinite(lat) && std::isfinite(lon)) {
        const BoxIndex* index = indexed ? library->index->get(library) : nullptr;
        if (index)
            index->collect(library, latFixed, lonFixed, distance, list);
        else
            collectCandidatesLinear(library, latFixed, lonFixed, distance, list);
    }
    mergeZones(list);

    for (size_t i = 0; i < list.count(); ++i) {
        if (!readFieldValues(library, list.items()[i])) {
            for (size_t j = 0; j <= i; ++j)
                freeStrings(list.items()[j].fieldValues, list.items()[j].fieldCount);
            return nullptr;
        }
    }
    const ZDResult end{ZD_LOOKUP_END, 0, 0, 0, nullptr, nullptr};
    if (!list.append(end)) {
        for (size_t j = 0; j < list.count(); ++j)
            freeStrings(list.items()[j].fieldValues, list.items()[j].fieldCount);
        return nullptr;
    }
    if (safezone) {
        *safezone = static_cast<float>(std::sqrt(static_cast<double>(distanceSqrMin)) * 90.0 /
                                       static_cast<double>(uint32_t{1} << (library->precision - 1)));
    }
    return list.release();
}

} // namespace

extern "C" {

int ZDSetErrorHandler(ZDErrorHandler handler) {
    errorHandler = handler;
    return 0;
}

ZDDatabase* ZDOpenDatabaseFromMemory(void* buffer, int32_t length) {
    if (length <= 0 || !buffer) {
        reportError(ZD_E_DB_SEEK, errno);
        return nullptr;
    }
    auto* db = static_cast<ZDDatabase*>(std::calloc(1, sizeof(ZDDatabase)));
    if (!db)
        return nullptr;
    db->fileHandle = -1;
    db->openedFromMemory = true;
    db->data = static_cast<const uint8_t*>(buffer);
    db->length = length;
    if (!parseHeader(db)) {
        reportError(ZD_E_PARSE_HEADER, 0);
        releaseHeader(db);
        std::free(db);
        return nullptr;
    }
    db->index = new LazyIndex;
    return db;
}

// POSIX stands in for the Windows file mapping; the error codes stay the same. The path is
// taken as it is, of any length.
ZDDatabase* ZDOpenDatabase(const char* path) {
    if (!path) {
        reportError(ZD_E_DB_OPEN, EINVAL);
        return nullptr;
    }
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        reportError(ZD_E_DB_OPEN, errno);
        return nullptr;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || info.st_size > INT32_MAX) {
        reportError(ZD_E_DB_SEEK, errno);
        close(fd);
        return nullptr;
    }
    void* mapping = info.st_size > 0
                        ? mmap(nullptr, static_cast<size_t>(info.st_size), PROT_READ, MAP_SHARED, fd, 0)
                        : MAP_FAILED;
    if (mapping == MAP_FAILED) {
        reportError(ZD_E_DB_MMAP, info.st_size > 0 ? errno : EINVAL);
        close(fd);
        return nullptr;
    }
    auto* db = static_cast<ZDDatabase*>(std::calloc(1, sizeof(ZDDatabase)));
    if (!db) {
        munmap(mapping, static_cast<size_t>(info.st_size));
        close(fd);
        return nullptr;
    }
    db->fileHandle = fd;
    db->mappingHandle = mapping;
    db->length = static_cast<int32_t>(info.st_size);
    db->data = static_cast<const uint8_t*>(mapping);
    if (!parseHeader(db)) {
        reportError(ZD_E_PARSE_HEADER, 0);
        ZDCloseDatabase(db);
        return nullptr;
    }
    db->index = new LazyIndex;
    return db;
}

void ZDCloseDatabase(ZDDatabase* library) {
    if (!library)
        return;
    releaseHeader(library);
    delete library->index;
    if (!library->openedFromMemory) {
        if (library->mappingHandle &&
            munmap(library->mappingHandle, static_cast<size_t>(library->length)) != 0)
            reportError(ZD_E_DB_MUNMAP_MSVIEW, errno);
        if (library->fileHandle >= 0 && close(library->fileHandle) != 0)
            reportError(ZD_E_DB_CLOSE, errno);
    }
    std::free(library);
}

ZDResult* ZDLookup(const ZDDatabase* library, float lat, float lon, float* safezone) {
    return lookupPoint(library, lat, lon, safezone, library && library->index);
}

ZDResult* ZDLookupLinear(const ZDDatabase* library, float lat, float lon, float* safezone) {
    return lookupPoint(library, lat, lon, safezone, false);
}

void ZDFreeResults(ZDResult* results) {
    if (!results)
        return;
    for (ZDResult* r = results; r->result != ZD_LOOKUP_END; ++r)
        freeStrings(r->fieldValues, r->fieldCount);
    std::free(results);
}

char* ZDHelperSimpleLookupString(const ZDDatabase* library, float lat, float lon) {
    ZDResult* results = ZDLookup(library, lat, lon, nullptr);
    if (!results)
        return nullptr;
    char* output = nullptr;
    if (results[0].result != ZD_LOOKUP_END) {
        const char* const timeZoneFields[] = {"TimezoneIdPrefix", "TimezoneId"};
        const char* const countryFields[] = {"Name"};
        const bool isTimeZone = library->tableType == 'T';
        const char* const* names = isTimeZone ? timeZoneFields : countryFields;
        const size_t nameCount = isTimeZone ? 2 : 1;
        size_t total = 0;
        const char* parts[2] = {nullptr, nullptr};
        for (size_t i = 0; i < nameCount; ++i) {
            parts[i] = fieldValue(results[0], names[i]);
            if (parts[i])
                total += std::strlen(parts[i]);
        }
        if (total > 0 && total <= maxSimpleLookupLength &&
            (output = static_cast<char*>(std::malloc(total + 1)))) {
            output[0] = '\0';
            for (size_t i = 0; i < nameCount; ++i) {
                if (parts[i])
                    std::strcat(output, parts[i]);
            }
        }
    }
    ZDFreeResults(results);
    return output;
}

void ZDHelperSimpleLookupStringFree(char* str) {
    std::free(str);
}

float* ZDPolygonToList(const ZDDatabase* library, uint32_t polygonId, uint64_t* length) {
    if (!library)
        return nullptr;
    uint32_t index = library->bboxOffset;
    int64_t metadataSum = 0;
    uint64_t polygonSum = 0;
    for (uint32_t id = 0;; ++id) {
        BoxRecord box{};
        if (index >= library->metadataOffset || !readBox(library, index, box, metadataSum, polygonSum))
            return nullptr;
        if (id == polygonId)
            break;
    }
    const uint64_t position = uint64_t{library->dataOffset} + polygonSum;
    if (position >= static_cast<uint64_t>(library->length))
        return nullptr;

    constexpr size_t initialSize = 200;
    constexpr size_t sizeLimit = 1048575;
    size_t capacity = initialSize;
    size_t used = 0;
    auto* points = static_cast<int32_t*>(std::malloc(capacity * sizeof(int32_t)));
    if (!points)
        return nullptr;
    PolygonDecoder decoder(library, static_cast<uint32_t>(position));
    int32_t lat = 0;
    int32_t lon = 0;
    int step = 0;
    while ((step = decoder.next(lat, lon)) == 1) {
        if (used + 2 > capacity) {
            if (capacity * 2 > sizeLimit)
                break;
            auto* grown = static_cast<int32_t*>(std::realloc(points, capacity * 2 * sizeof(int32_t)));
            if (!grown)
                break;
            points = grown;
            capacity *= 2;
        }
        points[used++] = lat;
        points[used++] = lon;
    }
    float* output = step == 0 ? static_cast<float*>(std::malloc((used ? used : 1) * sizeof(float))) : nullptr;
    if (output) {
        const float unit = static_cast<float>(uint32_t{1} << (library->precision - 1));
        for (size_t i = 0; i < used; i += 2) {
            output[i] = static_cast<float>(points[i]) / unit * 90.0f;
            output[i + 1] = static_cast<float>(points[i + 1]) / unit * 180.0f;
        }
        if (length)
            *length = used;
    }
    std::free(points);
    return output;
}

const char* ZDGetNotice(const ZDDatabase* library) {
    return library ? library->notice : nullptr;
}

uint8_t ZDGetTableType(const ZDDatabase* library) {
    return library ? static_cast<uint8_t>(library->tableType) : 0;
}

const char* ZDLookupResultToString(int result) {
    switch (result) {
    case ZD_LOOKUP_IGNORE:
        return "Ignore";
    case ZD_LOOKUP_END:
        return "End";
    case ZD_LOOKUP_PARSING_ERROR:
        return "Parsing error";
    case ZD_LOOKUP_NOT_IN_ZONE:
        return "Not in zone";
    case ZD_LOOKUP_IN_ZONE:
        return "In zone";
    case ZD_LOOKUP_IN_EXCLUDED_ZONE:
        return "In excluded zone";
    case ZD_LOOKUP_ON_BORDER_VERTEX:
        return "Target point is border vertex";
    case ZD_LOOKUP_ON_BORDER_SEGMENT:
        return "Target point is on border";
    default:
        return "Unknown";
    }
}

const char* ZDGetErrorString(int errZD) {
    switch (errZD) {
    case ZD_E_DB_OPEN:
        return "could not open database file";
    case ZD_E_DB_SEEK:
        return "could not retrieve database file size";
    case ZD_E_DB_MMAP:
        return "could not map database file to system memory";
    case ZD_E_DB_MMAP_MSVIEW:
        return "could not open database file view";
    case ZD_E_DB_MAP_EXCEPTION:
        return "I/O exception occurred while accessing database file view";
    case ZD_E_DB_MUNMAP_MSVIEW:
        return "could not close database file view";
    case ZD_E_DB_MUNMAP:
        return "could not unmap database";
    case ZD_E_DB_CLOSE:
        return "could not close database file";
    case ZD_E_PARSE_HEADER:
        return "could not parse database header";
    default:
        return "";
    }
}

} // extern "C"
