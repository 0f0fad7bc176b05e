#include "storage/switchtime.h"

#include "changetracker.h"
#include "database.h"
#include "switchtimerecord.h"

#include <QJsonArray>

#include <algorithm>
#include <bit>

using utils::Weekdays;

namespace storage {

namespace {
const QString ClockFormat = QStringLiteral("HH:mm:ss");

int modWeek(int seconds)
{
    return ((seconds % SwitchTime::SecondsPerWeek) + SwitchTime::SecondsPerWeek) % SwitchTime::SecondsPerWeek;
}

QList<bool> flagsOf(int days)
{
    QList<bool> flags;
    for (int d = 0; d < Weekdays::DaysPerWeek; ++d)
        flags.append((days & Weekdays::bitOfIndex(d)) != 0);
    return flags;
}

int sortValue(const SwitchTime& s, int key)
{
    switch (key) {
    case 1:
        return s.startTime();
    case 2:
        return SwitchTime::firstDayIndex(s.startDays());
    case 3:
        return s.state();
    case 4:
        return s.type();
    default:
        return 0;
    }
}
} // namespace

SwitchTime::Range::Range(int dayBit, int startTime, int duration)
    : m_start(modWeek(firstDayIndex(dayBit) * SecondsPerDay + startTime))
    , m_length(std::clamp(duration, 0, SecondsPerWeek))
{
}

SwitchTime::Range::Range(int startDays, int startTime, int endDay, int endTime)
    : m_start(modWeek(firstDayIndex(startDays) * SecondsPerDay + startTime))
{
    if (startDays & AllDays) {
        if (endDay == EndlessDay) {
            m_length = SecondsPerWeek;
        } else {
            const int endIndex = endDay > EndlessDay ? dayIndexOfBit(endDay) : firstDayIndex(startDays);
            m_length = modWeek(endIndex * SecondsPerDay + endTime - m_start);
            if (m_length == 0)
                m_length = SecondsPerWeek;
        }
    }
}

SwitchTime::Range::Range(const SwitchTime& s)
    : Range(s.type() == Impuls ? Range(s.startDays(), s.startTime(), s.pulsTime())
                               : Range(s.startDays(), s.startTime(), s.endDay(), s.endTime()))
{
}

bool SwitchTime::Range::isOverlapping(const Range& other) const
{
    if (m_length == 0 || other.m_length == 0)
        return false;
    return modWeek(other.m_start - m_start) < m_length || modWeek(m_start - other.m_start) < other.m_length;
}

SwitchTime::SwitchTime()
    : d(new Record)
{
}

SwitchTime::SwitchTime(Type type, State state, int startTime, int startDays)
    : d(new Record)
{
    d->type = type;
    d->state = state;
    d->startTime = startTime;
    d->startDays = startDays;
}

SwitchTime::~SwitchTime() = default;
SwitchTime::SwitchTime(const SwitchTime& other) = default;
SwitchTime& SwitchTime::operator=(const SwitchTime& other) = default;

qint64 SwitchTime::id() const { return d->id(); }

bool SwitchTime::store()
{
    return d->id() != 0 || Database::storeNew(*this);
}

int SwitchTime::type() const { return d->type; }
void SwitchTime::setType(int type) { ChangeTracker::assign(d->type, type); }
int SwitchTime::state() const { return d->state; }
void SwitchTime::setState(int state) { ChangeTracker::assign(d->state, state); }
int SwitchTime::startDays() const { return d->startDays; }
void SwitchTime::setStartDays(int days) { ChangeTracker::assign(d->startDays, days); }
int SwitchTime::endDay() const { return d->endDay; }
void SwitchTime::setEndDay(int day) { ChangeTracker::assign(d->endDay, day); }
void SwitchTime::setMultipleEndDays() { setEndDay(NoSingleEndDay); }
int SwitchTime::startTime() const { return d->startTime; }
void SwitchTime::setStartTime(int seconds) { ChangeTracker::assign(d->startTime, seconds); }
int SwitchTime::endTime() const { return d->endTime; }
void SwitchTime::setEndTime(int seconds) { ChangeTracker::assign(d->endTime, seconds); }
int SwitchTime::pulsTime() const { return d->pulsTime; }
void SwitchTime::setPulsTime(int seconds) { ChangeTracker::assign(d->pulsTime, seconds); }
int SwitchTime::pauseTime() const { return d->pauseTime; }
void SwitchTime::setPauseTime(int seconds) { ChangeTracker::assign(d->pauseTime, seconds); }

QTime SwitchTime::startQTime() const { return QTime(0, 0).addSecs(d->startTime); }
QTime SwitchTime::endQTime() const { return QTime(0, 0).addSecs(d->endTime); }
QTime SwitchTime::pulsQTime() const { return QTime(0, 0).addSecs(d->pulsTime); }
QTime SwitchTime::pauseQTime() const { return QTime(0, 0).addSecs(d->pauseTime); }

int SwitchTime::numDays() const
{
    return Weekdays::count(d->startDays);
}

int SwitchTime::endDayIndex() const
{
    if (d->endDay == EndlessDay)
        return Weekdays::EndlessIndex;
    if (d->endDay > EndlessDay && std::popcount(static_cast<unsigned>(d->endDay)) == 1)
        return dayIndexOfBit(d->endDay);
    return -1;
}

QList<bool> SwitchTime::startDaysList() const
{
    return flagsOf(d->startDays);
}

QList<bool> SwitchTime::endDaysList() const
{
    if (d->endDay < 0)
        return flagsOf(d->startDays);
    return flagsOf(d->endDay & AllDays);
}

QSet<int> SwitchTime::rows(int firstDayOfWeek) const
{
    QSet<int> result;
    for (int day = 0; day < Weekdays::DaysPerWeek; ++day) {
        if (d->startDays & Weekdays::bitOfIndex(day))
            result.insert(Weekdays::rowOfDay(day, firstDayOfWeek));
    }
    return result;
}

int SwitchTime::fixStart(int firstDayOfWeek) const
{
    const QSet<int> startRows = rows(firstDayOfWeek);
    return startRows.isEmpty() ? 0 : *std::min_element(startRows.cbegin(), startRows.cend());
}

int SwitchTime::fixEnd(int firstDayOfWeek) const
{
    if (d->endDay == EndlessDay)
        return Weekdays::DaysPerWeek - 1;
    if (d->endDay > EndlessDay)
        return Weekdays::rowOfDay(dayIndexOfBit(d->endDay), firstDayOfWeek);
    return fixStart(firstDayOfWeek);
}

QJsonObject SwitchTime::toJsonObject(int mask) const
{
    return QJsonObject {
        { QStringLiteral("type"), typeName(d->type) },
        { QStringLiteral("state"), stateName(d->state) },
        { QStringLiteral("start-time"), d->startTime },
        { QStringLiteral("end-time"), d->endTime },
        { QStringLiteral("start-days"), d->startDays & mask },
        { QStringLiteral("end-day"), d->endDay },
        { QStringLiteral("puls-time"), d->pulsTime },
        { QStringLiteral("pause-time"), d->pauseTime },
    };
}

QJsonObject SwitchTime::tooltipInfo() const
{
    QJsonObject info = toJsonObject(AllDays);
    QJsonArray days;
    const QList<bool> flags = startDaysList();
    for (int day = 0; day < Weekdays::DaysPerWeek; ++day) {
        if (flags.at(day))
            days.append(day);
    }
    info.insert(QStringLiteral("days"), days);
    info.insert(QStringLiteral("start"), startQTime().toString(ClockFormat));
    info.insert(QStringLiteral("end"), endQTime().toString(ClockFormat));
    info.insert(QStringLiteral("puls"), pulsQTime().toString(ClockFormat));
    info.insert(QStringLiteral("pause"), pauseQTime().toString(ClockFormat));
    return info;
}

void SwitchTime::sort(QList<SwitchTime>& list, const QList<int>& keys, const QList<int>& orders)
{
    std::stable_sort(list.begin(), list.end(), [&](const SwitchTime& a, const SwitchTime& b) {
        for (int i = 0; i < keys.size(); ++i) {
            const int left = sortValue(a, keys.at(i));
            const int right = sortValue(b, keys.at(i));
            if (left != right)
                return orders.value(i) == 1 ? left > right : left < right;
        }
        return false;
    });
}

QString SwitchTime::typeName(int type)
{
    static const QStringList names { QStringLiteral("switch"), QStringLiteral("impuls"), QStringLiteral("cycle"),
                                     QStringLiteral("fix-switch") };
    return names.value(type, names.first());
}

QString SwitchTime::stateName(int state)
{
    static const QStringList names { QStringLiteral("off"), QStringLiteral("on"), QStringLiteral("fix-off"),
                                     QStringLiteral("fix-on") };
    return names.value(state, names.first());
}

int SwitchTime::dayIndexOfBit(int dayBit)
{
    const int index = Weekdays::indexOfBit(dayBit);
    return index < 0 ? Weekdays::DaysPerWeek - 1 : index;
}

int SwitchTime::firstDayIndex(int days)
{
    const int index = Weekdays::indexOfBit(days);
    return index < 0 ? Weekdays::DaysPerWeek : index;
}

} // namespace storage
