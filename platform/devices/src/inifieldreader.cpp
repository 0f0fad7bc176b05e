#include "inifieldreader.h"

#include "deviceslogging.h"
#include "inifieldformat.h"

#include <QSettings>
#include <QTime>

#include <utils/wallclock.h>

namespace devices {

void IniFieldReader::beginGroup(const QString& group)
{
    m_settings.beginGroup(group);
}

void IniFieldReader::endGroup()
{
    m_settings.endGroup();
}

QString IniFieldReader::raw(const char* key) const
{
    return m_settings.value(QLatin1String(key)).toString();
}

void IniFieldReader::warnUnusable(const char* key, const char* expected, const QVariant& kept) const
{
    const QString text = kept.toString();
    qCWarning(devicesLog).noquote() << QStringLiteral("Project file: %1/%2 is no %3, keeping %4")
                                           .arg(m_settings.group(), QLatin1String(key), QLatin1String(expected),
                                                text.isEmpty() ? QStringLiteral("none") : text);
}

void IniFieldReader::number(const char* key, int& value)
{
    if (!m_settings.contains(QLatin1String(key)))
        return;
    bool ok = false;
    const int read = raw(key).toInt(&ok);
    if (ok)
        value = read;
    else
        warnUnusable(key, "number", value);
}

void IniFieldReader::flag(const char* key, bool& value)
{
    if (!m_settings.contains(QLatin1String(key)))
        return;
    const QString text = raw(key);
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        value = true;
    else if (text == QLatin1String("false") || text == QLatin1String("0"))
        value = false;
    else
        warnUnusable(key, "flag", value);
}

void IniFieldReader::text(const char* key, QString& value)
{
    if (!m_settings.contains(QLatin1String(key)))
        return;
    const QVariant read = m_settings.value(QLatin1String(key));
    if (read.typeId() == QMetaType::QStringList)
        value = read.toStringList().join(QLatin1String(", "));
    else if (read.typeId() == QMetaType::QString)
        value = read.toString();
    else
        warnUnusable(key, "text", value);
}

void IniFieldReader::real(const char* key, double& value)
{
    if (!m_settings.contains(QLatin1String(key)))
        return;
    bool ok = false;
    const double read = raw(key).toDouble(&ok);
    if (ok)
        value = read;
    else
        warnUnusable(key, "number", value);
}

void IniFieldReader::date(const char* key, QDate& value)
{
    if (!m_settings.contains(QLatin1String(key)))
        return;
    const QString text = raw(key);
    const QDate read = QDate::fromString(text, IniFieldFormat::Date);
    if (text.isEmpty() || read.isValid())
        value = read;
    else
        warnUnusable(key, "date", value);
}

void IniFieldReader::dateTime(const char* key, QDateTime& value)
{
    if (!m_settings.contains(QLatin1String(key)))
        return;
    const QString text = raw(key);
    const QDateTime read = utils::WallClock::fromString(text, IniFieldFormat::Date, IniFieldFormat::DayTime);
    if (text.isEmpty() || read.isValid())
        value = read;
    else
        warnUnusable(key, "date and time", value);
}

void IniFieldReader::dayTimes(const char* key, QList<int>& seconds)
{
    const QStringList texts = raw(key).split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < qMin(texts.size(), seconds.size()); ++i) {
        const QTime time = QTime::fromString(texts.at(i), IniFieldFormat::DayTime);
        seconds[i] = time.isValid() ? time.msecsSinceStartOfDay() / 1000 : 0;
    }
}

qint64 IniFieldReader::arraySize(const char* name) const
{
    bool ok = false;
    const qint64 size = m_settings.value(QLatin1String(name) + QLatin1String("/size")).toLongLong(&ok);
    return ok && size > 0 ? size : 0;
}

int IniFieldReader::beginArray(const char* name, int limit)
{
    const int size = m_settings.beginReadArray(QLatin1String(name));
    if (size >= 0 && size <= limit)
        return size;
    qCWarning(devicesLog) << "Project file: array" << m_settings.group() << name << "has" << size
                          << "entries, read as empty";
    return 0;
}

void IniFieldReader::endArray()
{
    m_settings.endArray();
}

void IniFieldReader::setArrayIndex(int index)
{
    m_settings.setArrayIndex(index);
}

} // namespace devices
