// Device language files (".txs"): the first byte picks a model that has language files, the rest
// is the file. The language list finds the file for that model, and an image made of it holds the
// file above the model's language address, with a valid identification and a checksum per block.

#include "support/fuzzapplication.h"

#include <devices/deviceservice.h>
#include <quopral/devicelanguagelist.h>
#include <quopral/quopralservice.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

QList<devices::Device> modelsWithLanguages;

// The file's blocks, each preceded by its length word, must tile the file behind the address.
void checkImage(const QByteArray& image, const QByteArray& file, int address) {
    if (image.size() != address + file.size())
        abort();
    if (quint8(image.at(5)) != 0x81 || quint8(image.at(9)) != quopral::QuopralService::calculateChecksum(image, 5, 8))
        abort();
    int block = 0;
    for (int p = address; p < image.size(); ++block) {
        const int length = (quint8(file.at(p - address)) | quint8(file.at(p - address + 1)) << 8) + 2;
        const QByteArray data = image.mid(p, length);
        if (data.size() != length || quint8(image.at(address - 1 - block)) != quopral::QuopralService::calculateChecksum(data, 0))
            abort();
        p += length;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzApplication::start(argc, argv, FuzzApplication::Core);
    auto* devices = new devices::DeviceService;
    devices::DeviceService::m_instance = devices;
    if (!devices->init(QStringLiteral(":/data/devices.json")))
        abort();
    for (const devices::Device& model : devices->devices()) {
        if (!model.languageFileIdentifier().isEmpty())
            modelsWithLanguages.append(model);
    }
    if (modelsWithLanguages.isEmpty())
        abort();
    // The service's own folder stays empty: each input is read from a file of its own.
    static QTemporaryDir serviceFolder;
    qputenv(quopral::QuopralService::FolderVariable, serviceFolder.path().toLocal8Bit());
    quopral::QuopralService::m_instance = new quopral::QuopralService;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const devices::Device& model = modelsWithLanguages.at(data[0] % modelsWithLanguages.size());
    const QByteArray file = FuzzApplication::bytes(data + 1, size - 1);
    const QString path =
        FuzzApplication::writeFile(QStringLiteral("de_%1.txs").arg(model.languageFileIdentifier()), file);
    if (path.isEmpty())
        abort();

    quopral::DeviceLanguageList list(QFileInfo(path).absoluteDir());
    list.initialize();
    const QVariant listed = list.data(list.index(0), quopral::DeviceLanguageList::DeviceLanguageStructRole);
    if (list.rowCount() != 1 || listed.value<quopral::DeviceLanguage>().ot2 != model.ot2Number())
        abort();

    const QByteArray image = quopral::QuopralService::instance().txsToBytes(model.ot2Number(), path);
    if (!image.isEmpty())
        checkImage(image, file, quint16(model.eepromLanguageAddress()));
    QFile::remove(path);
    return 0;
}
