#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

namespace devicesim {

class SimulatedDevice;

// The simulated devices of the demonstration mode (docs/device-protocol.md, "Demonstration
// set"): with the internal Bluetooth LE module and pairing, behind the plug-in adapter,
// astronomic, with a PIN, with short model codes, and a twilight switch with three sensors; and a
// name that only advertises, whose model the catalogue does not hold. Their push buttons press themselves when asked.
class DemonstrationSet {
public:
    static constexpr int Pin = 1234;

    DemonstrationSet() = delete;

    // New devices with that parent; empty without a device catalogue.
    static QList<SimulatedDevice*> devices(QObject* parent);
    static QStringList foreignNames();
};

} // namespace devicesim
