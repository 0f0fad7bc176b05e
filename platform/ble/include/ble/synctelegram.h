#pragma once

#include "ble/basetelegram.h"

#include <QDateTime>
#include <QString>

namespace ble {

// What the program gives a device after the authentication when the user wants it: the PC's
// wall-clock time (characteristic 34) or the interface language (characteristic 68, ISO 639-1).
class SyncTelegram : public BaseTelegram {
public:
    static constexpr int DateTimeCharacteristic = 34;
    static constexpr int LanguageCharacteristic = 68;

    SyncTelegram();

    // Year - 2000, month, day, hour, minute, second of a wall-clock value; empty when it is
    // invalid or its year does not fit.
    static QByteArray dateTimeBytes(const QDateTime& dateTime);

    // A wall-clock value: the date and time as they read, whatever the zone.
    void setDateTime(const QDateTime& dateTime);
    // Two lower-case letters; anything else gives no frame.
    void setLanguage(const QString& language);

    QByteArray data() const override { return m_payload; }
    QByteArray bytes() const override;

private:
    QByteArray m_payload;
};

} // namespace ble
