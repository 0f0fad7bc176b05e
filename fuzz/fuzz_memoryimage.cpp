// Device memory images: the first byte picks the model of the catalogue, the rest is the image.
// A record read from an image is written to an image and read again, and must come back equal.

#include "support/fuzzapplication.h"

#include <devices/deviceservice.h>
#include <devices/eepromservice.h>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzApplication::start(argc, argv, FuzzApplication::Core);
    auto* devices = new devices::DeviceService;
    devices::DeviceService::m_instance = devices;
    if (!devices->init(QStringLiteral(":/data/devices.json")) || devices->devices().isEmpty())
        abort();
    devices::EepromService::m_instance = new devices::EepromService;
    devices::EepromService::instance().init();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const QList<devices::Device>& models = devices::DeviceService::instance().devices();
    const int ot2 = models.at(data[0] % models.size()).ot2Number();
    devices::EepromService& service = devices::EepromService::instance();
    const devices::Ot2File read = service.bytesToOt2(FuzzApplication::bytes(data + 1, size - 1), ot2);
    if (!read.isValid())
        return 0;
    const QByteArray image = service.projectToBytes(read);
    if (image.isEmpty() || !(service.bytesToOt2(image, ot2) == read))
        abort();
    return 0;
}
