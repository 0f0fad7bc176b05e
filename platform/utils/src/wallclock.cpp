#include "utils/wallclock.h"

namespace utils {

QDateTime WallClock::at(const QDate& date, const QTime& time)
{
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, Qt::UTC);
}

QDateTime WallClock::todayAt(const QTime& time)
{
    return at(QDate::currentDate(), time);
}

QDateTime WallClock::fromString(const QString& text, const QString& dateFormat, const QString& timeFormat)
{
    const qsizetype separator = text.indexOf(u'T');
    if (separator < 0)
        return {};
    return at(QDate::fromString(text.left(separator), dateFormat),
              QTime::fromString(text.mid(separator + 1), timeFormat));
}

} // namespace utils
