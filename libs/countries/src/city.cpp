#include "countries/city.h"

namespace countries {

City::City()
    : d(new CityData) {
}

City::City(const QString& name, double longitude, double latitude, int timezone, int firstChar, int checksum)
    : d(new CityData) {
    d->name = name;
    d->longitude = longitude;
    d->latitude = latitude;
    d->timezone = timezone;
    d->firstChar = firstChar;
    d->checksum = checksum;
}

City::City(CityData* data)
    : d(data ? data : new CityData) {
}

QString City::name() const {
    return d->name;
}

double City::latitude() const {
    return d->latitude;
}

double City::longitude() const {
    return d->longitude;
}

int City::timezone() const {
    return d->timezone;
}

int City::firstChar() const {
    return d->firstChar;
}

int City::checksum() const {
    return d->checksum;
}

bool City::operator==(const City& other) const {
    return d.data() == other.d.data();
}

} // namespace countries
