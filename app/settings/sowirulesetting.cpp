#include "sowirulesetting.h"

#include <QCoreApplication>
#include <array>

#include <devices/device.h>

namespace {

const char* const Context = "Program settings";
const std::array<const char*, 10> Texts = {
    QT_TRANSLATE_NOOP("Program settings", "Kein So/Wi"),
    QT_TRANSLATE_NOOP("Program settings", "Europa"),
    QT_TRANSLATE_NOOP("Program settings", "Westeuropa"),
    QT_TRANSLATE_NOOP("Program settings", "Osteuropa"),
    QT_TRANSLATE_NOOP("Program settings", "Kanada"),
    QT_TRANSLATE_NOOP("Program settings", "USA"),
    QT_TRANSLATE_NOOP("Program settings", "Iran"),
    QT_TRANSLATE_NOOP("Program settings", "Freie Regel"),
    QT_TRANSLATE_NOOP("Program settings", "Festes Datum"),
    QT_TRANSLATE_NOOP("Program settings", "Australien"),
};

} // namespace

SoWiRuleSetting::SoWiRuleSetting(QObject* parent, int value)
    : EnumerableSetting(QMetaEnum::fromType<SoWiRules::SoWiRule>(), parent)
{
    selectValue(value);
}

QString SoWiRuleSetting::entryText(int value) const
{
    return tableText(Context, Texts, SoWiRules::NO_SO_WI, value);
}

QString SoWiRuleSetting::deviceEntryText(int value, const devices::Device& device) const
{
    if (value == device.soWiOwnRuleIndex())
        return QCoreApplication::translate("Program settings", "Eigene Regel");
    if (value == device.soWiCreateTableIndex())
        return QCoreApplication::translate("Program settings", "Eigene Tabelle");
    if (value == device.soWiAustraliaIndex())
        return QCoreApplication::translate("Program settings", "Australien");
    if (value == device.soWiNewZealandIndex())
        return QCoreApplication::translate("Program settings", "Neuseeland");
    return entryText(value);
}
