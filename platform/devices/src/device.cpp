#include "devices/device.h"

#include <QJsonValue>

namespace devices {

namespace {

// Rules every model offers at the head of its summer/winter rule list: none, Europe, West
// Europe, East Europe, Canada, USA.
constexpr int CommonRuleCount = 6;

} // namespace

Device::Device(const QJsonObject& entry) : m_entry(entry) {}

bool Device::flag(const char* key) const
{
    return m_entry.value(QLatin1String(key)).toBool(false);
}

int Device::number(const char* key, int absent) const
{
    return m_entry.value(QLatin1String(key)).toInt(absent);
}

QString Device::name() const { return m_entry.value(QLatin1String("name")).toString(); }

QString Device::languageFileIdentifier() const
{
    return m_entry.value(QLatin1String("languageFileIdentifier")).toString();
}

QString Device::image() const { return m_entry.value(QLatin1String("image")).toString(); }
int Device::rixVersion() const { return number("rixVersion", 0); }
int Device::ot2Number() const { return number("ot2_number", 0); }
int Device::tarvinoVarVersion() const { return number("tarvinoVarVersion", 0); }
int Device::type() const { return number("type", 0); }
int Device::memory() const { return number("memory", 0); }
int Device::inputs() const { return number("inputs", 0); }
int Device::kanals() const { return number("channels", 0); }
int Device::programms() const { return number("programs", 0); }
int Device::eepromLanguageAddress() const { return number("eepromLanguageAddress", 0); }
int Device::luxSettingType() const { return number("luxSettingType", 0); }

// The memory image layout changes with the product generation and, within one, with the
// variant: generation in the high nibble, variant in the low one.
unsigned char Device::eepromVersion() const
{
    if (!isValid())
        return 0;
    return static_cast<unsigned char>(((rixVersion() & 0x0F) << 4) | (tarvinoVarVersion() & 0x0F));
}

int Device::defaultExternalInput() const { return number("defaultExternalInput", -1); }

int Device::maxBlePacketSize() const
{
    const int size = number("maxBlePacketSize", -1);
    return hasInternalBleModule() && size > 0 ? size : ExternalAdapterPacketSize;
}

bool Device::hasDefaultLocation() const { return defaultTimezone() >= 0; }
int Device::defaultLatitude() const { return number("defaultLatitude", -1); }
int Device::defaultLongitude() const { return number("defaultLongitude", -1); }
int Device::defaultTimezone() const { return number("defaultTimezone", -1); }
int Device::defaultFirstChar() const { return number("defaultFirstChar", -1); }
int Device::defaultChecksum() const { return number("defaultChecksum", -1); }

bool Device::isNocta() const { return isValid() && type() == 2; }

bool Device::hasAstro() const
{
    return isValid() && (type() == 1 || type() == 3 || canSelectChannelType());
}

Device::ClockType Device::clockType() const
{
    if (isNocta())
        return TwilightSwitch;
    if (hasAstro())
        return AstronomicTimeSwitch;
    return yearlyProgram() ? YearlyTimeSwitch : WeeklyTimeSwitch;
}

// After the common rules comes Iran where the model has it. Models with rules of their own then
// list New Zealand, Australia (only with the internal Bluetooth LE clock), the own rule and the
// own table; the others list the free rule, the fixed date and Australia.
int Device::soWiNewZealandIndex() const
{
    if (!isValid() || !hasCustomDaylightSavingsRules())
        return -1;
    return CommonRuleCount + (hasIranDaylightSavingsRules() ? 1 : 0);
}

int Device::soWiAustraliaIndex() const
{
    if (!isValid())
        return -1;
    const int afterIran = CommonRuleCount + (hasIranDaylightSavingsRules() ? 1 : 0);
    if (!hasCustomDaylightSavingsRules())
        return afterIran + 2;
    return hasInternalBleModule() ? afterIran + 1 : -1;
}

int Device::soWiOwnRuleIndex() const
{
    if (!isValid() || !hasCustomDaylightSavingsRules())
        return -1;
    return soWiNewZealandIndex() + (hasInternalBleModule() ? 2 : 1);
}

int Device::soWiCreateTableIndex() const
{
    const int ownRule = soWiOwnRuleIndex();
    return ownRule < 0 ? -1 : ownRule + 1;
}

} // namespace devices
