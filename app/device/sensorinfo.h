#pragma once

#include <QList>

// One light sensor of a twilight switch: its number from 1, lux value, blinking and the channels
// it is assigned to (one flag per channel, channel i from 0).
class SensorInfo {
public:
    SensorInfo(int sensorIndex, int channelCount);

    int sensorIndex() const { return m_sensorIndex; }
    int luxValue() const { return m_luxValue; }
    bool isBlinking() const { return m_blinking; }
    QList<bool> assignments() const { return m_assignments; }
    bool isAssigned(int channel) const { return channel >= 0 && channel < m_assignments.size() && m_assignments.at(channel); }
    // Bit i for each assigned channel i; channels from the ninth on do not fit.
    unsigned char toMask() const;

    void setLuxValue(int lux) { m_luxValue = lux; }
    // Channel i takes bit i of flags, for every channel of the row.
    void setLuxValueAndAssignment(int lux, unsigned char flags);
    void setAssignments(const QList<bool>& assignments) { m_assignments = assignments; }
    void toggleBlinking() { m_blinking = !m_blinking; }

private:
    int m_sensorIndex;
    int m_luxValue = 0;
    bool m_blinking = false;
    QList<bool> m_assignments;
};
