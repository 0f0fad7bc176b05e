#include "devicesim/channelcontrols.h"

#include "deviceframe.h"

#include <devices/eepromutils.h>

#include <cmath>

namespace devicesim {

namespace {

constexpr quint8 SwitchStateCode = 36;
constexpr quint8 ChannelStatesCode = 38;
constexpr quint8 OperatingTimeCode = 40;
constexpr quint8 HolidayCode = 42;
constexpr quint8 TimerCode = 54;
constexpr quint8 RandomCode = 64;
constexpr quint8 W = DeviceFrame::WriteFlag;
constexpr int MinutesPerHour = 60;
constexpr int FirstYear = 2000;
constexpr int MomentSize = 5;

enum SwitchState { StartManual = 0, PermanentOff = 1, PermanentOn = 2, BackToProgram = 3 };
enum TimerStatus { TimerOff = 0, TimerOn = 1, TimerEnd = 2 };

// Year - 2000, month, day, hour, minute at pos; invalid when it does not exist.
QDateTime moment(const QByteArray& payload, int pos)
{
    const auto at = [&](int i) { return int(quint8(payload.at(pos + i))); };
    const QDate date(FirstYear + at(0), at(1), at(2));
    const QTime time(at(3), at(4));
    return date.isValid() && time.isValid() ? QDateTime(date, time, Qt::UTC) : QDateTime();
}

QByteArray badParameter()
{
    return DeviceFrame::error(DeviceFrame::BadParameter);
}

} // namespace

ChannelControls::ChannelControls(int count)
    : m_channels(count)
{
}

ChannelControls::Channel ChannelControls::channel(int index) const
{
    return index >= 0 && index < count() ? m_channels.at(index) : Channel();
}

void ChannelControls::setChannel(int index, const Channel& channel)
{
    if (index >= 0 && index < count())
        m_channels[index] = channel;
}

void ChannelControls::setOperatingHours(int index, double hours)
{
    if (index >= 0 && index < count())
        m_channels[index].operatingMinutes = quint32(std::lround(hours * MinutesPerHour));
}

double ChannelControls::operatingHours(int index) const
{
    return channel(index).operatingMinutes / double(MinutesPerHour);
}

bool ChannelControls::handles(quint8 code)
{
    switch (code) {
    case ChannelStatesCode:
    case OperatingTimeCode:
    case W | OperatingTimeCode:
    case W | SwitchStateCode:
    case W | TimerCode:
    case W | RandomCode:
    case W | HolidayCode:
        return true;
    default:
        return false;
    }
}

QByteArray ChannelControls::handle(quint8 code, const QByteArray& payload)
{
    switch (code) {
    case ChannelStatesCode:
        return payload.isEmpty() ? states() : badParameter();
    case OperatingTimeCode:
        return payload.isEmpty() ? operatingTimes() : badParameter();
    case W | OperatingTimeCode:
        return resetOperatingTime(payload);
    case W | SwitchStateCode:
        return switchState(payload);
    case W | TimerCode:
        return timer(payload);
    case W | RandomCode:
        return random(payload);
    case W | HolidayCode:
        return holiday(payload);
    default:
        return DeviceFrame::error(DeviceFrame::UnknownCode);
    }
}

QByteArray ChannelControls::states() const
{
    QByteArray bytes(1, char(count()));
    for (int i = 0; i < count(); ++i) {
        bytes.append(char(i + 1));
        bytes.append(char(m_channels.at(i).relayState));
        bytes.append(char(m_channels.at(i).mode));
    }
    return DeviceFrame::make(ChannelStatesCode + 1, bytes);
}

QByteArray ChannelControls::operatingTimes() const
{
    QByteArray bytes(1, char(count()));
    for (int i = 0; i < count(); ++i) {
        QByteArray entry(5, '\0');
        entry[0] = char(i + 1);
        devices::EepromUtils::writeUInt(entry, 1, m_channels.at(i).operatingMinutes, 4);
        bytes.append(entry);
    }
    return DeviceFrame::make(OperatingTimeCode + 1, bytes);
}

ChannelControls::Channel* ChannelControls::addressed(const QByteArray& payload, int size)
{
    if (payload.size() != size || quint8(payload.at(0)) >= count())
        return nullptr;
    return &m_channels[quint8(payload.at(0))];
}

QByteArray ChannelControls::resetOperatingTime(const QByteArray& payload)
{
    Channel* channel = addressed(payload, 1);
    if (!channel)
        return badParameter();
    channel->operatingMinutes = 0;
    return DeviceFrame::ack();
}

QByteArray ChannelControls::switchState(const QByteArray& payload)
{
    Channel* channel = addressed(payload, 2);
    if (!channel)
        return badParameter();
    switch (quint8(payload.at(1))) {
    case StartManual:
        channel->mode = Manual;
        break;
    case PermanentOff:
    case PermanentOn:
        channel->mode = Permanent;
        channel->relayState = quint8(payload.at(1)) == PermanentOn ? 1 : 0;
        break;
    case BackToProgram:
        channel->mode = Automatic;
        break;
    default:
        return badParameter();
    }
    return DeviceFrame::ack();
}

QByteArray ChannelControls::timer(const QByteArray& payload)
{
    Channel* channel = addressed(payload, 4);
    const QTime duration = payload.size() == 4 ? QTime(quint8(payload.at(2)), quint8(payload.at(3))) : QTime();
    const int status = payload.size() == 4 ? quint8(payload.at(1)) : -1;
    if (!channel || !duration.isValid() || status < TimerOff || status > TimerEnd)
        return badParameter();
    channel->timerStatus = status;
    channel->timerDuration = duration;
    channel->mode = status == TimerEnd ? Automatic : Timer;
    if (status != TimerEnd)
        channel->relayState = status == TimerOn ? 1 : 0;
    return DeviceFrame::ack();
}

QByteArray ChannelControls::random(const QByteArray& payload)
{
    static constexpr int Modes[] = {Automatic, RandomOne, RandomTwo};
    Channel* channel = addressed(payload, 2);
    const int status = payload.size() == 2 ? quint8(payload.at(1)) : -1;
    if (!channel || status < 0 || status > 2)
        return badParameter();
    channel->randomStatus = status;
    channel->mode = Modes[status];
    return DeviceFrame::ack();
}

QByteArray ChannelControls::holiday(const QByteArray& payload)
{
    Channel* channel = addressed(payload, 2 + 2 * MomentSize);
    if (!channel)
        return badParameter();
    const QDateTime begin = moment(payload, 2);
    const QDateTime end = moment(payload, 2 + MomentSize);
    if (!begin.isValid() || !end.isValid() || end < begin)
        return badParameter();
    channel->holidayStatus = quint8(payload.at(1));
    channel->holidayBegin = begin;
    channel->holidayEnd = end;
    channel->mode = channel->holidayStatus ? Holiday : Automatic;
    return DeviceFrame::ack();
}

} // namespace devicesim
