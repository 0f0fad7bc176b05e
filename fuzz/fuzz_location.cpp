// The country and city catalogue (Location.json). Every city of a read catalogue is found again
// from its own coordinates, time zone and name checksum.

#include "support/fuzzapplication.h"

#include <countries/countryservice.h>

#include <cmath>
#include <cstdlib>

namespace {

// Enough cities to reach every branch; a large input must not turn into a slow one.
constexpr int CitiesChecked = 64;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzApplication::start(argc, argv, FuzzApplication::Core);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    countries::CountryService service;
    service.loadCatalogue(FuzzApplication::bytes(data, size));
    const QList<countries::Country> list = service.countryList();
    int checked = 0;
    for (int row = 0; row < list.size() && checked < CitiesChecked; ++row) {
        service.countryName(row);
        service.countryFromEepromIndex(row - 1);
        service.selectCountry(row);
        for (int i = 0; i < service.cities()->count() && checked < CitiesChecked; ++i, ++checked) {
            service.cityDataFromIndex(i);
            const countries::City city = service.cityFromIndex(i);
            const int firstChar = countries::CountryService::firstCharCode(city.name());
            const int checksum = countries::CountryService::cityChecksum(city.name());
            if (!std::isfinite(city.latitude()) || !std::isfinite(city.longitude()))
                continue;
            const QList<int> found = service.cityIndexFromLocation(city.latitude(), city.longitude(), city.timezone(),
                                                                   true, false, firstChar, checksum);
            if (found.size() != 2 || found.at(0) < 0 || found.at(1) < 0)
                abort();
        }
    }
    return 0;
}
