#include "inifieldwriter.h"

#include "devices/iniwritter.h"
#include "inifieldformat.h"

#include <QStringList>
#include <QTime>

namespace devices {

void IniFieldWriter::beginGroup(const QString& group)
{
    m_writer.beginGroup(group);
}

void IniFieldWriter::endGroup()
{
    m_writer.endGroup();
}

void IniFieldWriter::number(const char* name, int value)
{
    m_writer.setValue(key(name), value);
}

void IniFieldWriter::flag(const char* name, bool value)
{
    m_writer.setValue(key(name), value);
}

void IniFieldWriter::text(const char* name, const QString& value)
{
    m_writer.setValue(key(name), value);
}

void IniFieldWriter::real(const char* name, double value)
{
    m_writer.setValue(key(name), value);
}

void IniFieldWriter::date(const char* name, const QDate& value)
{
    m_writer.setValue(key(name), value.isValid() ? value.toString(IniFieldFormat::Date) : QString());
}

void IniFieldWriter::dateTime(const char* name, const QDateTime& value)
{
    m_writer.setValue(key(name), value.isValid() ? value.toString(IniFieldFormat::DateTime) : QString());
}

void IniFieldWriter::dayTimes(const char* name, const QList<int>& seconds)
{
    QStringList texts;
    for (int s : seconds)
        texts.append(QTime(0, 0).addSecs(s).toString(IniFieldFormat::DayTime));
    m_writer.setValue(key(name), texts.join(u' '));
}

} // namespace devices
