#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class QJsonObject;

namespace devices {

// Checks a device catalogue against the rules the program relies on and lists every broken one.
class CatalogueValidator {
    Q_GADGET

public:
    enum Rule {
        // Not JSON, no "devices" array, or an entry that is not an object.
        InvalidDocument,
        // A key that every entry must have is absent.
        MissingKey,
        // A value of the wrong type or outside the values the key allows.
        ValueNotAllowed,
        // A key the catalogue does not know (a misspelt flag would silently read as false).
        UnknownKey,
        // The device language image keeps the OT2 number in one byte as number - 1.
        Ot2NumberOutOfRange,
        DuplicateOt2Number,
        DuplicateLanguageFileIdentifier,
        // The language address is used as an unsigned 16-bit value.
        LanguageAddressOutOfRange,
        TwilightWithoutLuxSetting,
        // "hasInternalBleModule" must be set exactly where "maxBlePacketSize" is 37.
        BleModuleMismatch,
        // The extension module adds four channels to models with at most four.
        ExtensionModuleTooManyChannels,
        // Extra programs with switch times need at least one extra program beside on and off.
        ExtraProgramSwitchesTooFewPrograms,
        MissingImage,
        // Models that can have astronomic channels need a default location for new projects.
        MissingDefaultLocation,
        // A memory of 0 means the model keeps no programs, and only that.
        MemoryWithoutPrograms,
        // Models without rules of their own offer Iran, so that the free rule and the fixed date
        // keep their rule numbers.
        FreeRulesWithoutIran,
    };
    Q_ENUM(Rule)

    struct Error {
        Rule rule;
        int row; // entry index in "devices", -1 for the document
        QString key;
        QString message;
    };

    static QList<Error> validate(const QByteArray& json);
    static QString ruleName(Rule rule);

private:
    static void checkKeys(const QJsonObject& entry, int row, QList<Error>& errors);
    static void checkConsistency(const QJsonObject& entry, int row, QList<Error>& errors);
    static void checkLocation(const QJsonObject& entry, int row, QList<Error>& errors);
};

} // namespace devices
