// Project files (".ot2", INI text): the check and the reading into a record. A file that is read
// is written and read again, and must come back equal.

#include "support/fuzzapplication.h"

#include <devices/deviceservice.h>
#include <devices/ot2file.h>

#include <QFile>
#include <QSettings>

#include <cstdlib>

namespace {

// QSettings caches files by path: every input gets a path of its own.
bool restoreFrom(const QByteArray& bytes, devices::Ot2File& file) {
    static int inputNumber = 0;
    const QString path = FuzzApplication::writeFile(QStringLiteral("input-%1.ot2").arg(++inputNumber), bytes);
    if (path.isEmpty())
        return false;
    bool read = false;
    {
        QSettings settings(path, QSettings::IniFormat);
        read = file.restore(settings);
    }
    QFile::remove(path);
    return read;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzApplication::start(argc, argv, FuzzApplication::Core);
    auto* service = new devices::DeviceService;
    devices::DeviceService::m_instance = service;
    if (!service->init(QStringLiteral(":/data/devices.json")))
        abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    devices::Ot2File first;
    if (!restoreFrom(FuzzApplication::bytes(data, size), first))
        return 0;
    devices::Ot2File again;
    if (!restoreFrom(first.toText(), again) || !(again == first))
        abort();
    return 0;
}
