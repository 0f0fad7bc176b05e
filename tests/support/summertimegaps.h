#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QTest>

#include <utils/wallclock.h>

#include <ctime>

// Device date-times that the PC's clock skips in some time zone: the hour summer time jumps over.
// A device knows no zone, so each is as valid as any other reading and must survive every form a
// project takes. Each row names the zone whose gap it lies in; ZoneScope puts the process in it.
namespace summertimegaps {

// Adds the columns "zone" and "reading" and one row per gap.
inline void addRows()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDateTime>("reading");
    const auto at = [](int year, int month, int day, int hour, int minute) {
        return utils::WallClock::at(QDate(year, month, day), QTime(hour, minute));
    };
    QTest::newRow("Berlin, 2030-03-31 02:30") << QByteArray("Europe/Berlin") << at(2030, 3, 31, 2, 30);
    QTest::newRow("Berlin, 2024-03-31 02:10") << QByteArray("Europe/Berlin") << at(2024, 3, 31, 2, 10);
    QTest::newRow("Santiago, 2030-09-08 00:00") << QByteArray("America/Santiago") << at(2030, 9, 8, 0, 0);
    QTest::newRow("Havana, 2030-03-10 00:00") << QByteArray("America/Havana") << at(2030, 3, 10, 0, 0);
}

// Runs the process in another time zone while it lives.
class ZoneScope {
public:
    explicit ZoneScope(const QByteArray& zone)
        : m_hadZone(qEnvironmentVariableIsSet("TZ"))
        , m_previous(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~ZoneScope()
    {
        if (m_hadZone)
            qputenv("TZ", m_previous);
        else
            qunsetenv("TZ");
        tzset();
    }
    ZoneScope(const ZoneScope&) = delete;
    ZoneScope& operator=(const ZoneScope&) = delete;

private:
    bool m_hadZone;
    QByteArray m_previous;
};

} // namespace summertimegaps
