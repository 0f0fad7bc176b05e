#include "ble/gattlayout.h"

#include <QBluetoothDeviceInfo>

namespace ble {

QBluetoothUuid GattLayout::moduleService()
{
    return QBluetoothUuid(QStringLiteral("{7a3e1000-5c1d-4f2b-9e61-3b0a8c2d4e10}"));
}

QBluetoothUuid GattLayout::adapterService()
{
    return QBluetoothUuid(QStringLiteral("{7a3e2000-5c1d-4f2b-9e61-3b0a8c2d4e10}"));
}

QBluetoothUuid GattLayout::writeCharacteristic()
{
    return QBluetoothUuid(QStringLiteral("{7a3e0001-5c1d-4f2b-9e61-3b0a8c2d4e10}"));
}

QBluetoothUuid GattLayout::notifyCharacteristic()
{
    return QBluetoothUuid(QStringLiteral("{7a3e0002-5c1d-4f2b-9e61-3b0a8c2d4e10}"));
}

int GattLayout::connectionType(const QBluetoothDeviceInfo& device)
{
    return device.serviceUuids().contains(moduleService()) ? 1 : 0;
}

namespace {

bool hasFlag(const QBluetoothDeviceInfo& device, quint8 flag)
{
    const QByteArray flags = device.manufacturerData(GattLayout::ManufacturerId);
    return !flags.isEmpty() && (quint8(flags.at(0)) & flag);
}

} // namespace

bool GattLayout::asksForAuthentication(const QBluetoothDeviceInfo& device)
{
    return hasFlag(device, AsksForAuthenticationFlag);
}

bool GattLayout::announcesResetMode(const QBluetoothDeviceInfo& device)
{
    return hasFlag(device, ResetModeFlag);
}

QByteArray GattLayout::flags(bool asksForAuthentication, bool resetMode)
{
    return QByteArray(1, char((asksForAuthentication ? AsksForAuthenticationFlag : 0) | (resetMode ? ResetModeFlag : 0)));
}

} // namespace ble
