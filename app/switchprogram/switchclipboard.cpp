#include "switchclipboard.h"

#include <storage/switchtime.h>
#include <utils/weekdays.h>

using storage::SwitchTime;
using utils::Weekdays;

namespace {

int number(const QJsonObject& object, const QString& key, int fallback) {
    const QJsonValue value = object.value(key);
    return value.isDouble() ? value.toInt() : fallback;
}

int typeOf(const QString& name) {
    static const QStringList names{QStringLiteral("switch"), QStringLiteral("impuls"),
                                   QStringLiteral("cycle"), QStringLiteral("fix-switch")};
    return std::max(0, int(names.indexOf(name)));
}

int stateOf(const QString& name) {
    static const QHash<QString, int> states{
        {QStringLiteral("on"), SwitchTime::On},
        {QStringLiteral("fix-off"), SwitchTime::FixOff},
        {QStringLiteral("fix-on"), SwitchTime::FixOn},
        {QStringLiteral("impuls-on"), SwitchTime::On},
    };
    return states.value(name, SwitchTime::Off);
}

int wrapDay(int seconds) {
    const int wrapped = seconds % SwitchTime::SecondsPerDay;
    return wrapped < 0 ? wrapped + SwitchTime::SecondsPerDay : wrapped;
}

int movedEndDay(int endDay, int days) {
    if (endDay <= Weekdays::Endless)
        return endDay;
    return Weekdays::rotate(endDay & Weekdays::AllDays, days);
}

} // namespace

SwitchClipboard::Item SwitchClipboard::read(const QJsonObject& item) {
    Item read;
    read.type = typeOf(item.value(QStringLiteral("type")).toString(QStringLiteral("switch")));
    read.state = stateOf(item.value(QStringLiteral("state")).toString(QStringLiteral("off")));
    read.startTime = number(item, QStringLiteral("start-time"), 0);
    read.endTime = number(item, QStringLiteral("end-time"), 0);
    const int startDay = number(item, QStringLiteral("start-day"), Weekdays::AllDays);
    read.startDays = number(item, QStringLiteral("start-days"), startDay);
    read.endDay = number(item, QStringLiteral("end-day"), SwitchTime::NoSingleEndDay);
    read.pulsTime = number(item, QStringLiteral("puls-time"), 0);
    read.pauseTime = number(item, QStringLiteral("pause-time"), 0);
    return read;
}

SwitchClipboard::Shift SwitchClipboard::shiftOf(const QJsonObject& document, int fromDay, int fromTime,
                                                int firstDayOfWeek) {
    const QJsonObject origin = document.value(QStringLiteral("clipboard")).toObject();
    const int sourceDay = number(origin, QStringLiteral("from-day"), 0);
    const int sourceRaw = number(origin, QStringLiteral("from-time"), 0);
    const int sourceTime = sourceRaw == -1 ? 0 : sourceRaw;
    // A copy from the list, pasted into the grid, is anchored nowhere: it keeps its place.
    if (sourceRaw == -1 && fromTime != -1)
        return {true, 0, 0};
    if (fromTime == -1)
        return {false, 0, 0};
    const int targetDay = Weekdays::dayOfRow(fromDay, firstDayOfWeek);
    return {false, targetDay - sourceDay, (fromTime - sourceTime) * 60};
}

SwitchClipboard::Item SwitchClipboard::moved(Item item, const Shift& shift) {
    const int days = shift.keep ? 0 : shift.days;
    item.startDays = Weekdays::rotate(item.startDays & Weekdays::AllDays, days);
    item.endDay = movedEndDay(item.endDay, days);
    if (!shift.keep) {
        item.startTime = wrapDay(item.startTime + shift.seconds);
        item.endTime = wrapDay(item.endTime + shift.seconds);
    }
    return item;
}

int SwitchClipboard::kindOf(const QJsonArray& switches) {
    for (const QJsonValue& value : switches) {
        if (!value.isObject())
            continue;
        const QString type =
            value.toObject().value(QStringLiteral("type")).toString(QStringLiteral("switch"));
        return type == QStringLiteral("fix-switch") ? FixSwitchKind : SwitchKind;
    }
    return -1;
}
