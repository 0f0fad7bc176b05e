#include "storage/program.h"

#include "changetracker.h"

#include <QHash>
#include <QJsonDocument>

namespace storage {

namespace {
bool isActive(const SwitchTime& s)
{
    return s.startTime() < SwitchTime::SecondsPerDay;
}

bool joinsByWeekdays(const SwitchTime& s)
{
    return s.type() == SwitchTime::Switch || s.type() == SwitchTime::Impuls;
}

// The fields that decide what a switch or impulse does, its weekdays left out.
QByteArray joinKey(const SwitchTime& s)
{
    return QJsonDocument(s.toJsonObject(0)).toJson(QJsonDocument::Compact);
}
} // namespace

Program::Program(int number)
    : m_number(number)
{
}

void Program::setSwitches(const QList<SwitchTime>& switches) { ChangeTracker::assign(m_switches, switches); }

void Program::removeAllSwitches() { setSwitches({}); }

void Program::setDateRanges(const QList<DateRange>& dateRanges) { ChangeTracker::assign(m_dateRanges, dateRanges); }

void Program::setLuxOnValue(int lux) { ChangeTracker::assign(m_luxOn, lux); }
void Program::setLuxOffValue(int lux) { ChangeTracker::assign(m_luxOff, lux); }

void Program::optimize()
{
    QList<SwitchTime> kept;
    QHash<QByteArray, SwitchTime> joined;
    QSet<QByteArray> seen;
    for (const SwitchTime& s : std::as_const(m_switches)) {
        if (!isActive(s)) {
            kept.append(s);
            continue;
        }
        if (joinsByWeekdays(s)) {
            if (s.numDays() == 0)
                continue;
            const QByteArray key = joinKey(s);
            if (joined.contains(key)) {
                SwitchTime first = joined.value(key);
                first.setStartDays(first.startDays() | s.startDays());
                continue;
            }
            joined.insert(key, s);
        } else {
            const QByteArray key = QJsonDocument(s.toJsonObject(SwitchTime::AllDays)).toJson(QJsonDocument::Compact);
            if (seen.contains(key))
                continue;
            seen.insert(key);
        }
        kept.append(s);
    }
    setSwitches(kept);
}

} // namespace storage
