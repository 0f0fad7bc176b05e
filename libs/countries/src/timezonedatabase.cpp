#include "countries/timezonedatabase.h"

#include "countries/zonedetect.h"
#include "countrieslogging.h"

#include <QResource>

#include <utility>

namespace countries {

TimeZoneDatabase::TimeZoneDatabase(ZDDatabase* handle)
    : m_handle(handle) {
}

const char* TimeZoneDatabase::resourcePath() {
    return ":/countries_data/timezone21.bin";
}

TimeZoneDatabase TimeZoneDatabase::openShipped() {
    // The resource is stored uncompressed, so its bytes lie in the library's read-only data
    // and are only paged in where a look-up touches them.
    const QResource resource(QString::fromLatin1(resourcePath()));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() > INT32_MAX) {
        qCWarning(countriesLog) << "The shipped time-zone database is missing or compressed";
        return TimeZoneDatabase(nullptr);
    }
    auto* bytes = const_cast<uchar*>(resource.data());
    return TimeZoneDatabase(ZDOpenDatabaseFromMemory(bytes, static_cast<int32_t>(resource.size())));
}

const TimeZoneDatabase& TimeZoneDatabase::shipped() {
    static const TimeZoneDatabase database = openShipped();
    return database;
}

TimeZoneDatabase TimeZoneDatabase::openFile(const QString& path) {
    ZDDatabase* handle = ZDOpenDatabase(path.toLocal8Bit().constData());
    if (!handle)
        qCWarning(countriesLog) << "Cannot open the time-zone database" << path;
    return TimeZoneDatabase(handle);
}

TimeZoneDatabase::TimeZoneDatabase(TimeZoneDatabase&& other) noexcept
    : m_handle(std::exchange(other.m_handle, nullptr)) {
}

TimeZoneDatabase& TimeZoneDatabase::operator=(TimeZoneDatabase&& other) noexcept {
    std::swap(m_handle, other.m_handle);
    return *this;
}

TimeZoneDatabase::~TimeZoneDatabase() {
    ZDCloseDatabase(m_handle);
}

bool TimeZoneDatabase::isOpen() const {
    return m_handle != nullptr;
}

const ZDDatabase* TimeZoneDatabase::handle() const {
    return m_handle;
}

QString TimeZoneDatabase::zoneIdAt(double latitude, double longitude) const {
    char* name =
        ZDHelperSimpleLookupString(m_handle, static_cast<float>(latitude), static_cast<float>(longitude));
    const QString zone = QString::fromUtf8(name);
    ZDHelperSimpleLookupStringFree(name);
    return zone;
}

} // namespace countries
