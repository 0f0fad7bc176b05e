// Holiday data files: the shipped holidays.json and the user's custom_holidays.json (the first
// byte tells which the rest is read as). Every set is selected and its days looked up; the user's
// sets, saved and read again, come back equal.

#include "support/fuzzapplication.h"

#include <holidays/holidaysetservice.h>

#include <QDate>

#include <cstdlib>

namespace {

// Enough sets and rules to reach every branch; a large input must not turn into a slow one.
constexpr int SetsChecked = 16;
constexpr int RulesChecked = 32;

QJsonArray customSetsOf(holidays::HolidaySetService& service) {
    return service.holidaySets()->exportCustomSets();
}

void lookUpDays(holidays::HolidaySetService& service) {
    const int sets = static_cast<int>(service.holidaySetList().size());
    for (int set = 0; set < sets && set < SetsChecked; ++set) {
        service.setHolidayList(set);
        service.currentSetName();
        for (int rule = 0; rule < service.holidays()->rowCount() && rule < RulesChecked; ++rule)
            service.holidayDataFromIndex(rule);
        for (const QDate day : {QDate(2024, 1, 1), QDate(2024, 12, 25), QDate(2031, 4, 13)}) {
            const QDateTime at(day, QTime(12, 0), Qt::UTC);
            service.isHoliday(at);
            service.holidayName(at);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzApplication::start(argc, argv, FuzzApplication::Core);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const bool custom = data[0] & 1;
    const QString path = FuzzApplication::writeFile(QStringLiteral("holidays.json"), FuzzApplication::bytes(data + 1, size - 1));
    if (path.isEmpty())
        return 0;
    holidays::HolidaySetService service;
    service.loadHolidays(path, custom);
    lookUpDays(service);
    if (!custom)
        return 0;
    const QJsonArray saved = customSetsOf(service);
    if (!service.saveCustomHolidaySets())
        return 0;
    holidays::HolidaySetService again;
    again.loadHolidays(holidays::HolidaySetService::customFilePath(), true);
    if (customSetsOf(again) != saved)
        abort();
    return 0;
}
