#include "ble/bledevice.h"

#include "ble/gattlayout.h"

#include <QBluetoothAddress>

namespace ble {

namespace {

constexpr int FirstOt2Number = 1;
constexpr int LastOt2Number = 256;

// The short model codes of the first series (docs/device-protocol.md, "Advertising"); their
// digits are not OT2 numbers.
struct ModelCode {
    const char* code;
    int ot2Number;
};
constexpr ModelCode ModelCodes[] = {{"00", 121}, {"85", 112}, {"58", 141}};

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
    const QString& model = parts.at(1);
    for (const ModelCode& entry : ModelCodes) {
        if (model == QLatin1String(entry.code))
            return entry.ot2Number;
    }
    bool number = false;
    const int ot2 = model.toInt(&number, 10);
    return number && ot2 >= FirstOt2Number && ot2 <= LastOt2Number ? ot2 : 0;
}

QString BLEDevice::parseSerialNumber(const QString& advertisedName)
{
    const QStringList parts = fields(advertisedName);
    return parts.size() < 3 ? QString() : parts.mid(2).join(QLatin1Char('_'));
}

} // namespace ble
