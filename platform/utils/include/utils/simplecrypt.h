#pragma once

#include <QString>
#include <QtGlobal>

namespace utils {

// Scrambles short texts, such as remembered credentials, so that the settings store never holds
// them in clear. Every stored text carries a random salt, so equal texts give different stored
// texts, and a check value, so that a damaged text or one made with another key is noticed.
// The scrambling keeps casual readers out; it is not meant to resist an attacker who has the
// program.
class SimpleCrypt {
public:
    explicit SimpleCrypt(quint64 key);

    // The stored form of text: Base64 of salt, scrambled UTF-8 bytes and check value.
    QString encryptToString(const QString& text) const;
    // The text of a stored form; empty for an empty stored form, and empty with a warning for
    // one that is damaged or was made with another key.
    QString decryptToString(const QString& stored) const;

private:
    quint64 m_key;
};

} // namespace utils
