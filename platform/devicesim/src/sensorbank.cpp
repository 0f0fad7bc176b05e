#include "devicesim/sensorbank.h"

#include "deviceframe.h"

#include <devices/eepromutils.h>

#include <algorithm>

namespace devicesim {

namespace {
constexpr quint8 InformationCode = 56;
constexpr quint8 AssignmentCode = 58;
constexpr quint8 ErrorCode = 60;
constexpr quint8 AcceptErrorCode = 62;
constexpr quint8 W = DeviceFrame::WriteFlag;
constexpr int LuxWidth = 3;
} // namespace

bool SensorBank::handles(quint8 code)
{
    return code == InformationCode || code == ErrorCode || code == (W | AssignmentCode) || code == (W | AcceptErrorCode);
}

QByteArray SensorBank::handle(quint8 code, const QByteArray& payload)
{
    if (code == (W | AssignmentCode))
        return assign(payload);
    if (!payload.isEmpty())
        return DeviceFrame::error(DeviceFrame::BadParameter);
    if (code == InformationCode)
        return information();
    if (code == ErrorCode)
        return DeviceFrame::make(ErrorCode + 1, QByteArray(1, char(m_error ? 1 : 0)));
    m_error = false;
    return DeviceFrame::ack();
}

QByteArray SensorBank::information() const
{
    QByteArray bytes(1, char(m_sensors.size()));
    for (const Sensor& sensor : m_sensors) {
        QByteArray lux(LuxWidth, '\0');
        devices::EepromUtils::writeUInt(lux, 0, quint32(std::clamp(sensor.lux, 0, MaxLux)), LuxWidth);
        bytes.append(lux);
        bytes.append(char(sensor.mask));
    }
    return DeviceFrame::make(InformationCode + 1, bytes);
}

QByteArray SensorBank::assign(const QByteArray& payload)
{
    ++m_writes;
    if (payload.isEmpty() || payload.size() != 1 + 2 * quint8(payload.at(0)))
        return DeviceFrame::error(DeviceFrame::BadParameter);
    // Entries for sensors that are no longer there are dropped.
    const int count = std::min<int>(quint8(payload.at(0)), int(m_sensors.size()));
    for (int k = 0; k < count; ++k) {
        m_sensors[k].mask = quint8(payload.at(1 + 2 * k));
        m_sensors[k].blinking = payload.at(2 + 2 * k) != 0;
    }
    return DeviceFrame::ack();
}

} // namespace devicesim
