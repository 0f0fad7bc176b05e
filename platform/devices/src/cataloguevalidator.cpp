#include "devices/cataloguevalidator.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaEnum>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <vector>

namespace devices {

namespace {

enum class Kind { Text, Identifier, Image, Flag, Integer, OneOf };

struct KeySpec {
    const char* key;
    Kind kind;
    std::vector<int> allowed = {};
};

const char* const ImagePrefix = "qrc:/images/products/";

const std::vector<KeySpec>& requiredKeys()
{
    static const std::vector<KeySpec> keys = {
        {"name", Kind::Text},
        {"languageFileIdentifier", Kind::Identifier},
        {"image", Kind::Image},
        {"rixVersion", Kind::OneOf, {1, 2, 3}},
        {"ot2_number", Kind::Integer},
        {"tarvinoVarVersion", Kind::OneOf, {0, 1}},
        {"type", Kind::OneOf, {0, 1, 2, 3}},
        {"memory", Kind::OneOf, {0, 56, 84, 800}},
        {"inputs", Kind::OneOf, {-1, 0, 1, 2, 4, 8}},
        {"channels", Kind::OneOf, {1, 2, 4, 8}},
        {"programs", Kind::OneOf, {0, 1, 4, 17}},
        {"eepromLanguageAddress", Kind::Integer},
        {"luxSettingType", Kind::OneOf, {-1, 1, 2}},
        {"hasImpuls", Kind::Flag},
        {"hasZyclus", Kind::Flag},
        {"hasAstroImpuls", Kind::Flag},
        {"hasAstroTime", Kind::Flag},
        {"hasExternalInput", Kind::Flag},
        {"hasChannelCombination", Kind::Flag},
        {"hasEasterRule", Kind::Flag},
        {"hasRandomHolidaysStatus", Kind::Flag},
        {"canAffectLightSensors", Kind::Flag},
        {"canSetManualDateTime", Kind::Flag},
        {"canSetManualHolidays", Kind::Flag},
        {"hasTimer", Kind::Flag},
        {"hasAccident", Kind::Flag},
        {"timezoneIsSettable", Kind::Flag},
        {"hasToggleFunction", Kind::Flag},
        {"hasCustomDaylightSavingsRules", Kind::Flag},
        {"hasLcdIllumination", Kind::Flag},
    };
    return keys;
}

const std::vector<KeySpec>& optionalKeys()
{
    static const std::vector<KeySpec> keys = {
        {"canSetSecondsForTimerExtInput", Kind::Flag},
        {"hasOptionSettings", Kind::Flag},
        {"canSetSchalter", Kind::Flag},
        {"yearlyProgram", Kind::Flag},
        {"hasOwnAstroTable", Kind::Flag},
        {"extraProgramWithSwitches", Kind::Flag},
        {"canSelectChannelType", Kind::Flag},
        {"hasIranDaylightSavingsRules", Kind::Flag},
        {"hasExtensionModule", Kind::Flag},
        {"hasSignalFunction", Kind::Flag},
        {"hasInternalBleModule", Kind::Flag},
        {"hasExternalInputEmergencyOff", Kind::Flag},
        {"hasEarthHour", Kind::Flag},
        {"hideExternalInput", Kind::Flag},
        {"hasOperatingTime", Kind::Flag},
        {"hasKNX", Kind::Flag},
        {"showRcSupport", Kind::Flag},
        {"hasDateTimeSettings", Kind::Flag},
        {"hasVaccancy", Kind::Flag},
        {"cloudDevice", Kind::Flag},
        {"defaultExternalInput", Kind::OneOf, {0, 1}},
        {"maxBlePacketSize", Kind::OneOf, {37}},
        {"defaultLatitude", Kind::Integer},
        {"defaultLongitude", Kind::Integer},
        {"defaultTimezone", Kind::Integer},
        {"defaultFirstChar", Kind::Integer},
        {"defaultChecksum", Kind::Integer},
    };
    return keys;
}

bool isInteger(const QJsonValue& value)
{
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    return std::trunc(number) == number && number >= std::numeric_limits<int>::min()
        && number <= std::numeric_limits<int>::max();
}

bool inRange(const QJsonValue& value, int low, int high)
{
    return isInteger(value) && value.toInt() >= low && value.toInt() <= high;
}

// Language file names are "<language>_<identifier>.txs", so the identifier keeps to letters,
// digits and hyphens.
bool isIdentifier(const QJsonValue& value)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9-]+$"));
    return value.isString() && pattern.match(value.toString()).hasMatch();
}

bool allowed(const KeySpec& spec, const QJsonValue& value)
{
    switch (spec.kind) {
    case Kind::Text:
        return value.isString() && !value.toString().trimmed().isEmpty();
    case Kind::Identifier:
        return isIdentifier(value);
    case Kind::Image:
        return value.isString() && value.toString().startsWith(QLatin1String(ImagePrefix))
            && value.toString().size() > int(qstrlen(ImagePrefix));
    case Kind::Flag:
        return value.isBool();
    case Kind::Integer:
        return isInteger(value);
    case Kind::OneOf:
        return isInteger(value)
            && std::find(spec.allowed.begin(), spec.allowed.end(), value.toInt())
            != spec.allowed.end();
    }
    return false;
}

const KeySpec* findSpec(const QString& key)
{
    for (const auto* keys : {&requiredKeys(), &optionalKeys()}) {
        for (const KeySpec& spec : *keys) {
            if (key == QLatin1String(spec.key))
                return &spec;
        }
    }
    return nullptr;
}

bool flag(const QJsonObject& entry, const char* key)
{
    return entry.value(QLatin1String(key)).toBool(false);
}

int number(const QJsonObject& entry, const char* key)
{
    return entry.value(QLatin1String(key)).toInt(-1);
}

void add(QList<CatalogueValidator::Error>& errors, CatalogueValidator::Rule rule, int row,
         const QString& key, const QString& message)
{
    errors.append({rule, row, key, message});
}

// "qrc:/images/x.svg" names the resource ":/images/x.svg".
bool imageExists(const QString& url)
{
    return QFile::exists(QLatin1Char(':') + url.mid(int(qstrlen("qrc:"))));
}

} // namespace

QString CatalogueValidator::ruleName(Rule rule)
{
    return QString::fromLatin1(QMetaEnum::fromType<Rule>().valueToKey(rule));
}

QList<CatalogueValidator::Error> CatalogueValidator::validate(const QByteArray& json)
{
    QList<Error> errors;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    const QJsonValue list = document.object().value(QLatin1String("devices"));
    if (parseError.error != QJsonParseError::NoError || !list.isArray()) {
        add(errors, InvalidDocument, -1, {},
            parseError.error != QJsonParseError::NoError
                ? parseError.errorString()
                : QStringLiteral("no \"devices\" array"));
        return errors;
    }

    QHash<int, int> rowOfOt2;
    QHash<QString, int> rowOfIdentifier;
    const QJsonArray entries = list.toArray();
    for (int row = 0; row < entries.size(); ++row) {
        if (!entries.at(row).isObject()) {
            add(errors, InvalidDocument, row, {}, QStringLiteral("entry is not an object"));
            continue;
        }
        const QJsonObject entry = entries.at(row).toObject();
        checkKeys(entry, row, errors);
        checkConsistency(entry, row, errors);
        checkLocation(entry, row, errors);

        const QJsonValue ot2 = entry.value(QLatin1String("ot2_number"));
        if (isInteger(ot2)) {
            if (rowOfOt2.contains(ot2.toInt()))
                add(errors, DuplicateOt2Number, row, QStringLiteral("ot2_number"),
                    QStringLiteral("also in entry %1").arg(rowOfOt2.value(ot2.toInt())));
            else
                rowOfOt2.insert(ot2.toInt(), row);
        }
        const QString identifier =
            entry.value(QLatin1String("languageFileIdentifier")).toString().toLower();
        if (!identifier.isEmpty()) {
            if (rowOfIdentifier.contains(identifier))
                add(errors, DuplicateLanguageFileIdentifier, row,
                    QStringLiteral("languageFileIdentifier"),
                    QStringLiteral("also in entry %1").arg(rowOfIdentifier.value(identifier)));
            else
                rowOfIdentifier.insert(identifier, row);
        }
    }
    return errors;
}

void CatalogueValidator::checkKeys(const QJsonObject& entry, int row, QList<Error>& errors)
{
    for (const KeySpec& spec : requiredKeys()) {
        if (!entry.contains(QLatin1String(spec.key)))
            add(errors, MissingKey, row, QLatin1String(spec.key), QStringLiteral("missing"));
    }
    for (auto it = entry.begin(); it != entry.end(); ++it) {
        const KeySpec* spec = findSpec(it.key());
        if (!spec)
            add(errors, UnknownKey, row, it.key(), QStringLiteral("unknown key"));
        else if (!allowed(*spec, it.value()))
            add(errors, ValueNotAllowed, row, it.key(),
                QStringLiteral("value %1 not allowed")
                    .arg(QString::fromUtf8(QJsonDocument(QJsonArray{it.value()}).toJson(
                        QJsonDocument::Compact))));
    }
}

void CatalogueValidator::checkConsistency(const QJsonObject& entry, int row, QList<Error>& errors)
{
    const QJsonValue ot2 = entry.value(QLatin1String("ot2_number"));
    if (isInteger(ot2) && !inRange(ot2, 1, 256))
        add(errors, Ot2NumberOutOfRange, row, QStringLiteral("ot2_number"),
            QStringLiteral("%1 is outside 1..256").arg(ot2.toInt()));

    // The language image keeps a header in bytes 5 to 9 below the language area.
    const QJsonValue address = entry.value(QLatin1String("eepromLanguageAddress"));
    if (isInteger(address) && !inRange(address, 10, 0xFFFF))
        add(errors, LanguageAddressOutOfRange, row, QStringLiteral("eepromLanguageAddress"),
            QStringLiteral("%1 is outside 10..65535").arg(address.toInt()));

    const int luxSettingType = number(entry, "luxSettingType");
    if (number(entry, "type") == 2 && luxSettingType != 1 && luxSettingType != 2)
        add(errors, TwilightWithoutLuxSetting, row, QStringLiteral("luxSettingType"),
            QStringLiteral("a twilight model needs luxSettingType 1 or 2"));

    if (flag(entry, "hasInternalBleModule") != (number(entry, "maxBlePacketSize") == 37))
        add(errors, BleModuleMismatch, row, QStringLiteral("maxBlePacketSize"),
            QStringLiteral("hasInternalBleModule and maxBlePacketSize 37 must go together"));

    if (flag(entry, "hasExtensionModule") && number(entry, "channels") > 4)
        add(errors, ExtensionModuleTooManyChannels, row, QStringLiteral("hasExtensionModule"),
            QStringLiteral("extension module on a model with more than 4 channels"));

    if (flag(entry, "extraProgramWithSwitches") && number(entry, "programs") < 3)
        add(errors, ExtraProgramSwitchesTooFewPrograms, row,
            QStringLiteral("extraProgramWithSwitches"),
            QStringLiteral("extra programs with switch times need at least 3 programs"));

    const QJsonValue image = entry.value(QLatin1String("image"));
    if (allowed({"image", Kind::Image}, image) && !imageExists(image.toString()))
        add(errors, MissingImage, row, QStringLiteral("image"),
            QStringLiteral("%1 is not a resource").arg(image.toString()));

    if (entry.contains(QLatin1String("memory")) && entry.contains(QLatin1String("programs"))
        && (number(entry, "memory") == 0) != (number(entry, "programs") == 0))
        add(errors, MemoryWithoutPrograms, row, QStringLiteral("memory"),
            QStringLiteral("memory 0 and programs 0 must go together"));

    if (!flag(entry, "hasCustomDaylightSavingsRules") && !flag(entry, "hasIranDaylightSavingsRules"))
        add(errors, FreeRulesWithoutIran, row, QStringLiteral("hasIranDaylightSavingsRules"),
            QStringLiteral("a model without rules of its own must offer Iran"));
}

void CatalogueValidator::checkLocation(const QJsonObject& entry, int row, QList<Error>& errors)
{
    const int type = number(entry, "type");
    if (type != 1 && type != 3 && !flag(entry, "canSelectChannelType"))
        return;
    const struct {
        const char* key;
        int low;
        int high;
    } limits[] = {
        {"defaultLatitude", -90, 90},    {"defaultLongitude", -180, 180},
        {"defaultTimezone", 0, 31},      {"defaultFirstChar", 0, 255},
        {"defaultChecksum", 0, 255},
    };
    for (const auto& limit : limits) {
        if (!inRange(entry.value(QLatin1String(limit.key)), limit.low, limit.high))
            add(errors, MissingDefaultLocation, row, QLatin1String(limit.key),
                QStringLiteral("an astronomic model needs %1 in %2..%3")
                    .arg(QLatin1String(limit.key))
                    .arg(limit.low)
                    .arg(limit.high));
    }
}

} // namespace devices
