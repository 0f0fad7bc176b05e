#include "imagecheck.h"

#include "devicesimlogging.h"

#include <devices/eepromconfiguration.h>
#include <devices/eepromutils.h>

namespace devicesim {

namespace {

using devices::EepromUtils;

constexpr int ProjectMarkFirst = 5;
constexpr int ChecksumByte = 9;
constexpr int SettingsCrcAddress = 10;
constexpr quint8 ProjectMark = 0xA5;
constexpr int EntrySlotsOffset = 4;

bool identifiesTheModel(const QByteArray& image, const devices::EepromConfiguration& layout)
{
    const devices::Device& model = layout.device();
    quint8 sum = 0;
    for (int i = ProjectMarkFirst; i < ChecksumByte; ++i)
        sum = quint8(sum + quint8(image.at(i)));
    return quint8(image.at(5)) == ProjectMark && quint8(image.at(6)) == ProjectMark
        && quint8(image.at(7)) == model.eepromVersion() && quint8(image.at(8)) == quint8(model.ot2Number() - 1)
        && quint8(image.at(ChecksumByte)) == quint8(~sum);
}

bool crcHolds(const QByteArray& image, int crcAddress, int from, int to)
{
    return EepromUtils::readUInt(image, crcAddress, 2) == EepromUtils::crc16(image, from, to - from);
}

} // namespace

bool ImageCheck::accepts(const QByteArray& image, const devices::EepromConfiguration& layout)
{
    const int size = layout.eepromSize();
    const int settings = layout.settingsSize();
    if (image.size() < size) {
        qCDebug(devicesimLog) << "Image refused: only" << image.size() << "of" << size << "bytes";
        return false;
    }
    if (int(EepromUtils::readUInt(image, 0, 2)) != size || int(EepromUtils::readUInt(image, 2, 2)) != settings) {
        qCDebug(devicesimLog) << "Image refused: the sizes are not the model's";
        return false;
    }
    if (!identifiesTheModel(image, layout)) {
        qCDebug(devicesimLog) << "Image refused: no project image of this model";
        return false;
    }
    if (!crcHolds(image, SettingsCrcAddress, devices::EepromConfiguration::HeaderSize, settings)
        || !crcHolds(image, settings + 2, settings + EntrySlotsOffset, size)) {
        qCDebug(devicesimLog) << "Image refused: a CRC-16 does not match";
        return false;
    }
    return true;
}

} // namespace devicesim
