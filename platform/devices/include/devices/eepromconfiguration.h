#pragma once

#include "devices/device.h"

#include <QList>

namespace devices {

// Where everything lies in the memory image of one model. The image is a header, the settings
// block (project settings, then one section per capability of the model) and the entry block
// (switch times and date ranges, one fixed-size slot per memory entry of the model).
class EepromConfiguration {
public:
    static constexpr int HeaderSize = 16;
    static constexpr int ProjectSettingsSize = 34;
    static constexpr int ChannelSettingBaseSize = 44;
    static constexpr int LuxValueSize = 6;
    static constexpr int AstroSize = 12;
    static constexpr int OwnAstroTableSize = 2 + 366 * 4;
    static constexpr int SummerWinterRowSize = 15;
    static constexpr int SummerWinterTableSize = 1 + 92 * SummerWinterRowSize;
    static constexpr int EntryBlockHeaderSize = 4;
    static constexpr int EntrySize = 24;
    static constexpr int ServiceTimeSize = 4;
    // Banks of models with an internal Bluetooth LE module start on such boundaries.
    static constexpr int BankAlignment = 256;

    // Header bytes 5 and 6 tell what the memory holds.
    static constexpr quint8 ProjectMark = 0xA5;
    static constexpr quint8 LanguageMark = 0x81;
    static constexpr quint8 EmptyMark = 0xFF;
    static constexpr quint8 LayoutRevision = 1;

    EepromConfiguration() = default;

    // Lays out the image of the model; false for an unknown model.
    bool init(const Device& device);
    bool isValid() const { return m_device.isValid(); }
    const Device& device() const { return m_device; }

    // Bytes of the whole image.
    int eepromSize() const { return m_entryBlockAddress + EntryBlockHeaderSize + entryCapacity() * EntrySize; }
    // Bytes of header and settings block: the entry block starts here.
    int settingsSize() const { return m_entryBlockAddress; }
    int entryCapacity() const { return m_device.maxSz(); }

    QList<int> channelSlots() const { return m_channelSlots; }
    // Light values per channel: 0, 1 (all days) or 7 (one per weekday).
    int luxDays() const;
    bool hasProgramLux() const { return m_device.isNocta(); }
    bool hasAstro() const { return m_device.hasAstro(); }
    bool hasOwnAstroTable() const { return m_device.hasOwnAstroTable(); }
    bool hasSummerWinterTable() const { return m_device.hasCustomDaylightSavingsRules(); }

    int channelSettingSize() const { return ChannelSettingBaseSize + luxDays() * LuxValueSize; }
    int channelSettingsAddress() const { return HeaderSize + ProjectSettingsSize; }
    int programLuxAddress() const;
    int astroAddress() const;
    int ownAstroTableAddress() const;
    int summerWinterAddress() const;

    // One bank, or two with an internal module: the device runs from the active one and takes
    // a written image into the other.
    int bankCount() const { return m_device.hasInternalBleModule() ? 2 : 1; }
    int bankAddress(int bank) const;

    // Start of the device's service intervals, one u32 of hours per channel slot, taken from the
    // channel settings of the last image written; the block lies outside every image.
    static int serviceAddress(const Device& device);

private:
    int programLuxSize() const;

    Device m_device;
    QList<int> m_channelSlots;
    int m_entryBlockAddress = 0;
};

} // namespace devices
