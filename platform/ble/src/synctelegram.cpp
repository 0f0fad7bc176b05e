#include "ble/synctelegram.h"

#include <QRegularExpression>

namespace ble {

namespace {
constexpr int FirstYear = 2000;
constexpr int LastYear = 2255;
} // namespace

SyncTelegram::SyncTelegram()
    : BaseTelegram(DateTimeCharacteristic, true)
{
}

QByteArray SyncTelegram::dateTimeBytes(const QDateTime& dateTime)
{
    QByteArray bytes;
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    if (!dateTime.isValid() || date.year() < FirstYear || date.year() > LastYear)
        return bytes;
    for (int part : {date.year() - FirstYear, date.month(), date.day(), time.hour(), time.minute(), time.second()})
        bytes.append(char(part));
    return bytes;
}

void SyncTelegram::setDateTime(const QDateTime& dateTime)
{
    setCharacteristic(DateTimeCharacteristic);
    m_payload = dateTimeBytes(dateTime);
}

void SyncTelegram::setLanguage(const QString& language)
{
    setCharacteristic(LanguageCharacteristic);
    static const QRegularExpression twoLetters(QStringLiteral("^[a-z]{2}$"));
    m_payload = twoLetters.match(language).hasMatch() ? language.toLatin1() : QByteArray();
}

QByteArray SyncTelegram::bytes() const
{
    return m_payload.isEmpty() ? QByteArray() : BaseTelegram::bytes();
}

} // namespace ble
