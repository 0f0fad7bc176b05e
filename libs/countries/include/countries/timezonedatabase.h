#pragma once

#include <QString>

struct ZDDatabase;

namespace countries {

// Owns an open time-zone database and names the zone at a point.
class TimeZoneDatabase {
public:
    // The database shipped in the library's resources, read in place (no copy).
    static TimeZoneDatabase openShipped();
    // The shipped database, opened once per process: its index is built at the first look-up
    // and kept, so that later look-ups cost well under a millisecond. Safe from any thread.
    static const TimeZoneDatabase& shipped();
    static TimeZoneDatabase openFile(const QString& path);

    TimeZoneDatabase(TimeZoneDatabase&& other) noexcept;
    TimeZoneDatabase& operator=(TimeZoneDatabase&& other) noexcept;
    TimeZoneDatabase(const TimeZoneDatabase&) = delete;
    TimeZoneDatabase& operator=(const TimeZoneDatabase&) = delete;
    ~TimeZoneDatabase();

    bool isOpen() const;
    const ZDDatabase* handle() const;
    // The zone id at a point ("Europe/Berlin"), empty when the point lies in no zone.
    QString zoneIdAt(double latitude, double longitude) const;

    static const char* resourcePath();

private:
    explicit TimeZoneDatabase(ZDDatabase* handle);

    ZDDatabase* m_handle = nullptr;
};

} // namespace countries
