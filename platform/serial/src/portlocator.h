#pragma once

#include <QString>

namespace serial {

// Where the programming adapter is (docs/serial-protocol.md, "Finding the adapter"): the port
// named by the environment variable, else the one named by the setting, else the first port
// with the adapter's USB ids. Empty when there is none.
class PortLocator {
public:
    static constexpr quint16 VendorId = 0x3A7E;
    static constexpr quint16 ProductId = 0x5C01;
    static constexpr const char* PortVariable = "TARVINO_SERIAL_PORT";

    PortLocator() = delete;

    static QString portName(const QString& settingOverride);

private:
    static QString existing(const QString& name);
};

} // namespace serial
