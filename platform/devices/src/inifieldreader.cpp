#include "inifieldreader.h"

#include "deviceslogging.h"
#include "inifieldformat.h"

#include <QSettings>
#include <QTime>

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

void IniFieldReader::number(const char* key, int& value)
{
    if (!m_settings.contains(QLatin1String(key)))
        return;
    bool ok = false;
    const int read = raw(key).toInt(&ok);
    if (ok)
        value = read;
    else
        qCWarning(devicesLog) << "Project file: value of" << m_settings.group() << key << "is no number, using" << value;
}

void IniFieldReader::flag(const char* key, bool& value)
{
    const QString text = raw(key);
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        value = true;
    else if (text == QLatin1String("false") || text == QLatin1String("0"))
        value = false;
}

void IniFieldReader::text(const char* key, QString& value)
{
    if (m_settings.contains(QLatin1String(key)))
        value = raw(key);
}

void IniFieldReader::real(const char* key, double& value)
{
    bool ok = false;
    const double read = raw(key).toDouble(&ok);
    if (ok)
        value = read;
}

void IniFieldReader::date(const char* key, QDate& value)
{
    if (m_settings.contains(QLatin1String(key)))
        value = QDate::fromString(raw(key), IniFieldFormat::Date);
}

void IniFieldReader::dateTime(const char* key, QDateTime& value)
{
    if (m_settings.contains(QLatin1String(key)))
        value = QDateTime::fromString(raw(key), IniFieldFormat::DateTime);
}

void IniFieldReader::dayTimes(const char* key, QList<int>& seconds)
{
    const QStringList texts = raw(key).split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < qMin(texts.size(), seconds.size()); ++i) {
        const QTime time = QTime::fromString(texts.at(i), IniFieldFormat::DayTime);
        seconds[i] = time.isValid() ? time.msecsSinceStartOfDay() / 1000 : 0;
    }
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
