// Device catalogues (devices.json): the validator and the catalogue service. A catalogue is
// either valid, and then served whole, or refused; every model of a valid one is found by its
// number and by its language file identifier.

#include "support/fuzzapplication.h"

#include <devices/cataloguevalidator.h>
#include <devices/deviceservice.h>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzApplication::start(argc, argv, FuzzApplication::Core);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray json = FuzzApplication::bytes(data, size);
    const QList<devices::CatalogueValidator::Error> errors = devices::CatalogueValidator::validate(json);
    for (const devices::CatalogueValidator::Error& error : errors)
        devices::CatalogueValidator::ruleName(error.rule);

    const QString path = FuzzApplication::writeFile(QStringLiteral("devices.json"), json);
    if (path.isEmpty())
        return 0;
    devices::DeviceService service;
    const bool valid = service.init(path);
    if (valid != errors.isEmpty())
        abort();
    if (!valid)
        return 0;
    for (const devices::Device& device : service.devices()) {
        const int ot2 = device.ot2Number();
        if (!service.exists(ot2) || service.deviceByOt2Number(ot2).name() != device.name() ||
            service.deviceOt2FromLanguageFileIdentifier(device.languageFileIdentifier()) != ot2)
            abort();
        service.clockTypeText(ot2);
    }
    return 0;
}
