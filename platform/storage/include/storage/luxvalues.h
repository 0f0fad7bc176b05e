#pragma once

#include "storage/storablerecord.h"

namespace storage {

// Light thresholds (lux) of one day of a twilight channel. New records switch on below 15 lux and
// off above 15 lux, the devices' factory setting.
class LuxValues : public StorableRecord {
public:
    static constexpr int DefaultLux = 15;

    int luxOnValue() const { return m_on; }
    void setLuxOnValue(int lux);
    int luxOffValue() const { return m_off; }
    void setLuxOffValue(int lux);

private:
    int m_on = DefaultLux;
    int m_off = DefaultLux;
};

} // namespace storage
