#pragma once

#include <QBluetoothUuid>
#include <QByteArray>

class QBluetoothDeviceInfo;

namespace ble {

// Our own GATT service of the time switches (docs/device-protocol.md, "GATT layout").
class GattLayout {
public:
    static constexpr int ModulePacketSize = 37;
    static constexpr int AdapterPacketSize = 74;
    // ATT MTU 23, the Bluetooth LE default.
    static constexpr int SmallestPacketSize = 20;
    static constexpr int AttOverhead = 3;
    // The advertisement's manufacturer data under this identifier carries the device's flags.
    static constexpr quint16 ManufacturerId = 0xFFFF;
    static constexpr quint8 AsksForAuthenticationFlag = 0x01;
    static constexpr quint8 ResetModeFlag = 0x02;

    GattLayout() = delete;

    static QBluetoothUuid moduleService();
    static QBluetoothUuid adapterService();
    static QBluetoothUuid writeCharacteristic();
    static QBluetoothUuid notifyCharacteristic();
    // The connection type an advertisement tells: 1 for the internal module's service, else 0.
    static int connectionType(const QBluetoothDeviceInfo& device);
    // Whether the device wants the program to authenticate (or a PIN) before anything else.
    static bool asksForAuthentication(const QBluetoothDeviceInfo& device);
    // Whether the device says it was reset: its transmission status tells after the authentication.
    static bool announcesResetMode(const QBluetoothDeviceInfo& device);
    static QByteArray flags(bool asksForAuthentication, bool resetMode);
};

} // namespace ble
