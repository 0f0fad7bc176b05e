#pragma once

#include <QSharedData>
#include <QString>

namespace countries {

// The shared record behind countries::City.
struct CityData : public QSharedData {
    QString name;
    double longitude = 0;
    double latitude = 0;
    int timezone = 0;
    int firstChar = 0;
    int checksum = 0;
};

} // namespace countries
