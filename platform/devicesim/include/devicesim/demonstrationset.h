#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

namespace devicesim {

class SimulatedDevice;

// The simulated devices of the demonstration mode (docs/device-protocol.md, "Demonstration
// set"): one with the internal Bluetooth LE module, one behind the plug-in adapter, one
// astronomic; and names that only advertise, whose models the catalogue does not hold.
class DemonstrationSet {
public:
    DemonstrationSet() = delete;

    // New devices with that parent; empty without a device catalogue.
    static QList<SimulatedDevice*> devices(QObject* parent);
    static QStringList foreignNames();
};

} // namespace devicesim
