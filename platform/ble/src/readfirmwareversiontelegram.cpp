#include "ble/readfirmwareversiontelegram.h"

namespace ble {

namespace {
constexpr double MinorsPerMajor = 100.0;
constexpr int MaxMinor = 99;
} // namespace

ReadFirmwareVersionTelegram::ReadFirmwareVersionTelegram()
    : BaseTelegram(Characteristic, false)
{
}

bool ReadFirmwareVersionTelegram::fromData(const QByteArray& payload)
{
    if (payload.size() != 2 || quint8(payload.at(1)) > MaxMinor)
        return false;
    m_version = quint8(payload.at(0)) + quint8(payload.at(1)) / MinorsPerMajor;
    return true;
}

} // namespace ble
