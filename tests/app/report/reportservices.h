#pragma once

#include <QLocale>

#include <memory>

#include "reportfixture.h"

#include "calendarsettings.h"

#include <countries/countryservice.h>
#include <holidays/holidaysetservice.h>

// The services the report reads, as the program makes them: the catalogue of the report fixture,
// the shipped holiday data (the set "Deutschland" selected), the country catalogue and the
// calendar settings, in German.
struct ReportServices {
    ReportServices() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        holidays::HolidaySetService::m_instance = &holidaySets;
        holidaySets.init();
        countries::CountryService::m_instance = &countries;
        countries.init();
    }

    ReportFixture catalogue;
    holidays::HolidaySetService holidaySets;
    countries::CountryService countries;
    CalendarSettings calendar;
};
