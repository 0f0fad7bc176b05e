#include "devices/eepromconfiguration.h"

#include "devices/ot2file.h"
#include "deviceslogging.h"

namespace devices {

namespace {
int aligned(int address, int alignment)
{
    return (address + alignment - 1) / alignment * alignment;
}
}

bool EepromConfiguration::init(const Device& device)
{
    m_device = device;
    m_channelSlots = Ot2File::channelSlots(device);
    m_entryBlockAddress = summerWinterAddress() + (hasSummerWinterTable() ? SummerWinterTableSize : 0);
    if (!device.isValid())
        qCWarning(devicesLog) << "No memory layout for an unknown model";
    return device.isValid();
}

int EepromConfiguration::luxDays() const
{
    switch (m_device.luxSettingType()) {
    case 1: return 1;
    case 2: return Ot2File::WeekDays;
    default: return 0;
    }
}

int EepromConfiguration::programLuxSize() const
{
    return hasProgramLux() ? int(m_channelSlots.size()) * m_device.programms() * LuxValueSize : 0;
}

int EepromConfiguration::programLuxAddress() const
{
    return channelSettingsAddress() + int(m_channelSlots.size()) * channelSettingSize();
}

int EepromConfiguration::astroAddress() const
{
    return programLuxAddress() + programLuxSize();
}

int EepromConfiguration::ownAstroTableAddress() const
{
    return astroAddress() + (hasAstro() ? AstroSize : 0);
}

int EepromConfiguration::summerWinterAddress() const
{
    return ownAstroTableAddress() + (hasOwnAstroTable() ? OwnAstroTableSize : 0);
}

int EepromConfiguration::bankAddress(int bank) const
{
    if (bank < 0 || bank >= bankCount())
        return -1;
    return bank * aligned(eepromSize(), BankAlignment);
}

int EepromConfiguration::serviceAddress(const Device& device)
{
    EepromConfiguration configuration;
    if (!configuration.init(device))
        return -1;
    return configuration.bankCount() * aligned(configuration.eepromSize(), BankAlignment);
}

} // namespace devices
