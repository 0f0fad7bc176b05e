#include "devicesim/demonstrationset.h"

#include "devicesim/simulateddevice.h"
#include "devicesimlogging.h"

#include <devices/deviceservice.h>

namespace devicesim {

namespace {

struct Member {
    int ot2Number;
    const char* serialNumber;
};

// With the internal module, behind the adapter, astronomic.
constexpr Member Members[] = {{102, "310200017"}, {42, "204200023"}, {111, "311100031"}};

} // namespace

QList<SimulatedDevice*> DemonstrationSet::devices(QObject* parent)
{
    QList<SimulatedDevice*> devices;
    if (!devices::DeviceService::hasInstance()) {
        qCWarning(devicesimLog) << "No device catalogue for the demonstration devices";
        return devices;
    }
    for (const Member& member : Members) {
        const devices::Device model = devices::DeviceService::instance().deviceByOt2Number(member.ot2Number);
        if (model.isValid())
            devices.append(new SimulatedDevice(model, QString::fromLatin1(member.serialNumber), parent));
    }
    return devices;
}

QStringList DemonstrationSet::foreignNames()
{
    return {QStringLiteral("TarvinoRix3_00_-17370756"), QStringLiteral("TarvinoRix3_85_211876245"),
            QStringLiteral("TarvinoRix3_58_000000258")};
}

} // namespace devicesim
