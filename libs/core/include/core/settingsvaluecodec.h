#pragma once

#include <QString>
#include <QVariant>

namespace core {

// The text form of a setting value in the store: "<type number>_<value>".
// Types whose text form is lossless keep their plain text; all others (lists, maps, byte
// arrays, sizes, ...) carry Base64 of a QDataStream with a pinned stream version.
class SettingsValueCodec {
public:
    static QString encode(const QVariant& value);
    // An invalid QVariant when the text carries no type number or a type that does not exist
    // or, for the data-stream form, does not decode.
    static QVariant decode(const QString& text);

    static bool isStoredAsText(int typeId);
    // Whether decode(encode(value)) gives the value back: a type with a fixed number (not one
    // numbered at run time) whose text or stream form is lossless, and lists and maps of such
    // values.
    static bool canStore(const QVariant& value);
};

} // namespace core
