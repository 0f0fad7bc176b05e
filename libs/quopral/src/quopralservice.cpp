#include "quopral/quopralservice.h"

#include "quoprallogging.h"

#include <devices/deviceservice.h>
#include <serial/serialprotocol.h>

#include <QFile>

namespace quopral {

namespace {

constexpr int AddressSpace = 0x10000; // positions are 16-bit
constexpr int MaxFileSize = 0xFFFF;
constexpr int LengthWord = 2;
constexpr int HeaderEnd = 10; // bytes 5 to 9 hold the identification
constexpr quint8 LanguageMark = 0x81;

QDir languageFolder()
{
    const QString variable = qEnvironmentVariable(QuopralService::FolderVariable);
    return QDir(variable.isEmpty() ? QStringLiteral("./device-lang") : variable);
}

} // namespace

QuopralService::QuopralService(QObject* parent)
    : QObject(parent)
    , m_list(languageFolder(), this)
    , m_filter(&m_list, this)
{
    m_list.initialize();
}

void QuopralService::initialize()
{
    m_list.initialize();
}

quint8 QuopralService::calculateChecksum(const QByteArray& bytes, int from, int to)
{
    if (to == -1)
        to = int(bytes.size()) - 1;
    if (to < from)
        return 0xFF;
    quint8 sum = 0;
    for (int i = qMax(0, from); i <= to && i < bytes.size(); ++i)
        sum = quint8(sum + quint8(bytes.at(i)));
    return quint8(sum ^ 0xFF);
}

std::optional<QList<QuopralService::LanguageVersion>> QuopralService::extractLanguageVersions(QByteArray& content)
{
    QList<LanguageVersion> blocks;
    const int size = int(content.size());
    int p = 0;
    while (p < size) {
        if (p + LengthWord > size) {
            qCWarning(quopralLog) << "The length word at" << p << "runs past the end of the file";
            return std::nullopt;
        }
        const int l = quint8(content.at(p)) | quint8(content.at(p + 1)) << 8;
        const int length = l + LengthWord;
        if (quint16(length) == 0) {
            qCWarning(quopralLog) << "The block length at" << p << "does not advance";
            return std::nullopt;
        }
        if (p + length > size) {
            qCWarning(quopralLog) << "The block at" << p << "of" << length << "bytes runs past the end of the file";
            return std::nullopt;
        }
        content[p + l] = 0;
        content[p + l + 1] = 0;
        const QByteArray data = content.mid(p, length);
        blocks.append({quint16(p), quint16(length), calculateChecksum(data, 0), data});
        p += length;
    }
    return blocks;
}

void QuopralService::setTarvinoVar(QByteArray& image, const unsigned char& ot2)
{
    image[5] = char(LanguageMark);
    image[6] = char(LanguageMark);
    image[7] = char(devices::DeviceService::instance().eepromVersion(ot2));
    image[8] = char(ot2 - 1);
    image[9] = char(calculateChecksum(image, 5, 8));
}

QByteArray QuopralService::txsToBytes(int ot2, const QString& path)
{
    QFile file(path);
    if (!file.exists()) {
        emit txsError(ExistFileError);
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(quopralLog).noquote() << "Cannot read" << path << ":" << file.errorString();
        emit txsError(ReadFileError);
        return {};
    }
    // One byte more than a file may hold tells that it is too long, without reading all of it.
    QByteArray content = file.read(MaxFileSize + 1);
    file.close();
    const auto refuse = [this, &path](const char* why) {
        qCWarning(quopralLog).noquote() << "The language file" << path << "is refused:" << why;
        emit txsError(InvalidFileError);
        return QByteArray();
    };
    if (content.size() < LengthWord || content.size() > MaxFileSize)
        return refuse("its size is outside 2 to 65535 bytes");
    const auto blocks = extractLanguageVersions(content);
    if (!blocks)
        return refuse("its blocks do not tile it");
    const int address = devices::DeviceService::hasInstance()
        ? quint16(devices::DeviceService::instance().eepromLanguageAddress(ot2))
        : 0;
    if (blocks->size() > address - HeaderEnd)
        return refuse("it has more blocks than checksum places below the language address");
    if (address + content.size() > AddressSpace)
        return refuse("its image would reach beyond 16-bit positions");

    QByteArray image(address + content.size(), char(0xFF));
    setTarvinoVar(image, quint8(ot2));
    for (qsizetype i = 0; i < blocks->size(); ++i) {
        const LanguageVersion& block = blocks->at(i);
        image.replace(address + block.offset, block.data.size(), block.data);
        image[address - 1 - i] = char(block.checksum);
    }
    return image;
}

void QuopralService::writeTxsOnSerial(const DeviceLanguage& deviceLanguage)
{
    const QByteArray image = txsToBytes(deviceLanguage.ot2, deviceLanguage.filePath);
    qCDebug(quopralLog).noquote()
        << QStringLiteral("Transformed %1 into %2 bytes").arg(deviceLanguage.filePath).arg(image.size());
    if (image.isEmpty()) {
        emit txsError(BytesTranslationError);
        return;
    }
    if (!serial::SerialProtocol::hasInstance()) {
        qCWarning(quopralLog) << "There is no serial link to write the language";
        return;
    }
    serial::SerialProtocol::instance().writeDataAsync(image);
}

} // namespace quopral
