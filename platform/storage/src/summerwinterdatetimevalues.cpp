#include "storage/summerwinterdatetimevalues.h"

namespace storage {

SummerWinterDateTimeValues::SummerWinterDateTimeValues(int year, const QDate& wiSoDate, int wiSoHour,
                                                       const QDate& soWiDate, int soWiHour, bool enabled)
    : m_year(year)
    , m_wiSoDate(wiSoDate)
    , m_wiSoHour(wiSoHour)
    , m_soWiDate(soWiDate)
    , m_soWiHour(soWiHour)
    , m_enabled(enabled)
{
}

} // namespace storage
