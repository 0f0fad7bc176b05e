#include "devicesim/demonstrationset.h"

#include "devicesim/simulateddevice.h"
#include "devicesimlogging.h"

#include <devices/deviceservice.h>

namespace devicesim {

namespace {

struct Member {
    int ot2Number;
    const char* serialNumber;
    // The model field of the advertised name when it is a short code, else null.
    const char* modelCode = nullptr;
    Pairing::State pairing = Pairing::Open;
    int pin = Pairing::NoCode;
    // Light sensors plugged in, for twilight models.
    int sensors = 0;
    // Reset: it asks for its formats, summer/winter rule, clock and city before use.
    bool resetMode = false;
};

// With the internal module and pairing, behind the adapter, astronomic, and three of the first
// series with short model codes: one plain, one with a PIN, one lighting model; and a twilight
// switch behind the adapter with three light sensors; and an astronomic one that was reset.
constexpr Member Members[] = {
    {102, "310200017", nullptr, Pairing::Unpaired},
    {42, "204200023"},
    {111, "311100031"},
    {121, "-17370756", "00"},
    {112, "211876245", "85", Pairing::Open, DemonstrationSet::Pin},
    {141, "000000258", "58"},
    {74, "207400074", nullptr, Pairing::Open, Pairing::NoCode, 3},
    {111, "311100047", nullptr, Pairing::Open, Pairing::NoCode, 0, true},
};

// Sensors reading dusk, dawn and daylight, each assigned to one channel.
QList<SensorBank::Sensor> demonstrationSensors(int count)
{
    static const QList<SensorBank::Sensor> sensors = {{12, 0x01}, {85, 0x02}, {1400, 0x01}};
    return sensors.mid(0, count);
}

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
        if (!model.isValid())
            continue;
        auto* device = new SimulatedDevice(model, QString::fromLatin1(member.serialNumber), parent);
        if (member.modelCode)
            device->setAdvertisedName(
                QStringLiteral("TarvinoRix%1_%2_%3").arg(model.rixVersion()).arg(QLatin1String(member.modelCode), device->serialNumber()));
        device->pairing().setState(member.pairing);
        device->pairing().setPinCode(member.pin);
        device->pairing().setPressesButtonWhenAsked(true);
        device->sensors().setSensors(demonstrationSensors(member.sensors));
        device->resetSettings().setResetMode(member.resetMode);
        devices.append(device);
    }
    return devices;
}

QStringList DemonstrationSet::foreignNames()
{
    return {QStringLiteral("TarvinoRix3_99_990000001")};
}

} // namespace devicesim
