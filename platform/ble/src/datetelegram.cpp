#include "ble/datetelegram.h"

#include "ble/synctelegram.h"

#include <QDateTime>

namespace ble {

DateTelegram::DateTelegram()
    : BaseTelegram(Characteristic, true)
{
}

void DateTelegram::setCurrentDateTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_date = now.date();
    m_time = now.time();
}

QByteArray DateTelegram::data() const
{
    return SyncTelegram::dateTimeBytes(QDateTime(m_date, m_time, Qt::UTC));
}

QByteArray DateTelegram::bytes() const
{
    return data().isEmpty() ? QByteArray() : BaseTelegram::bytes();
}

} // namespace ble
