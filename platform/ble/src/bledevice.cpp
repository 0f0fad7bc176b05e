#include "ble/bledevice.h"

#include "ble/gattlayout.h"

#include <QBluetoothAddress>

namespace ble {

namespace {

constexpr int FirstOt2Number = 1;
constexpr int LastOt2Number = 256;

QStringList fields(const QString& advertisedName)
{
    return advertisedName.split(QLatin1Char('_'));
}

} // namespace

BLEDevice::BLEDevice(const QBluetoothDeviceInfo& info, const QString& displayName, QObject* parent)
    : QObject(parent)
    , m_info(info)
    , m_displayName(displayName)
{
}

int BLEDevice::connectionType() const
{
    return GattLayout::connectionType(m_info);
}

bool BLEDevice::isSameDevice(const QBluetoothDeviceInfo& info) const
{
    if (!info.address().isNull() || !m_info.address().isNull())
        return info.address() == m_info.address();
    return info.deviceUuid() == m_info.deviceUuid();
}

int BLEDevice::parseOt2Number(const QString& advertisedName)
{
    const QStringList parts = fields(advertisedName);
    if (parts.size() < 3)
        return 0;
    bool number = false;
    const int ot2 = parts.at(1).toInt(&number);
    return number && ot2 >= FirstOt2Number && ot2 <= LastOt2Number ? ot2 : 0;
}

QString BLEDevice::parseSerialNumber(const QString& advertisedName)
{
    const QStringList parts = fields(advertisedName);
    return parts.size() < 3 ? QString() : parts.mid(2).join(QLatin1Char('_'));
}

} // namespace ble
