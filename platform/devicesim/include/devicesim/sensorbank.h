#pragma once

#include <QByteArray>
#include <QList>

namespace devicesim {

// The light sensors of a simulated twilight switch (docs/device-protocol.md, "Sensor
// assignment"): per sensor a lux value, the channels it is assigned to (bit i: channel i from 0)
// and whether it blinks; and the sensor error until it is accepted.
class SensorBank {
public:
    struct Sensor {
        int lux = 0;
        quint8 mask = 0;
        bool blinking = false;
        bool operator==(const Sensor&) const = default;
    };

    static constexpr int MaxLux = 0xFFFFFF;

    QList<Sensor> sensors() const { return m_sensors; }
    // The sensors plugged in; tests change their number at any time.
    void setSensors(const QList<Sensor>& sensors) { m_sensors = sensors; }
    bool hasError() const { return m_error; }
    void setError(bool error) { m_error = error; }
    // Write frames received for the assignment.
    int assignmentWrites() const { return m_writes; }

    static bool handles(quint8 code);
    QByteArray handle(quint8 code, const QByteArray& payload);

private:
    QByteArray information() const;
    QByteArray assign(const QByteArray& payload);

    QList<Sensor> m_sensors;
    bool m_error = false;
    int m_writes = 0;
};

} // namespace devicesim
