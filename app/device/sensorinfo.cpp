#include "sensorinfo.h"

namespace {
constexpr int MaskBits = 8;
} // namespace

SensorInfo::SensorInfo(int sensorIndex, int channelCount)
    : m_sensorIndex(sensorIndex)
    , m_assignments(channelCount > 0 ? channelCount : 0, false)
{
}

unsigned char SensorInfo::toMask() const
{
    unsigned char mask = 0;
    for (int i = 0; i < std::min<int>(int(m_assignments.size()), MaskBits); ++i) {
        if (m_assignments.at(i))
            mask |= (1u << i);
    }
    return mask;
}

void SensorInfo::setLuxValueAndAssignment(int lux, unsigned char flags)
{
    m_luxValue = lux;
    for (int i = 0; i < m_assignments.size(); ++i)
        m_assignments[i] = i < MaskBits && (flags >> i) & 1;
}
