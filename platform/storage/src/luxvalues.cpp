#include "storage/luxvalues.h"

#include "changetracker.h"

namespace storage {

void LuxValues::setLuxOnValue(int lux) { ChangeTracker::assign(m_on, lux); }
void LuxValues::setLuxOffValue(int lux) { ChangeTracker::assign(m_off, lux); }

} // namespace storage
