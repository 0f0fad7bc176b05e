#include "devicesim/resetsettings.h"

#include "deviceframe.h"

namespace devicesim {

namespace {

constexpr quint8 Status = 8;
constexpr quint8 Formats = 44;
constexpr quint8 Rule = 46;
constexpr quint8 W = DeviceFrame::WriteFlag;

constexpr int LastDateFormat = 2;
constexpr int LastTimeFormat = 1;
constexpr int LastRule = 9;
constexpr int LastWeek = 4;
constexpr int LastMonth = 11;
constexpr int LastWeekDay = 6;
constexpr int LastHour = 23;
constexpr int LastByte = 0xFF;
constexpr int FirstYear = 2000;
constexpr int FullPayload = 17;
constexpr int ChangeSize = 7;
constexpr int DateSize = 3;
constexpr int ShortWeekPayload = 7;
constexpr int ShortDatePayload = 8;

// The last Sunday of March at 2:00 and of October at 3:00, as the device leaves the factory.
const ResetSettings::SoWiRule FactoryRule{1, {4, 2, 6, 2, {}}, {4, 9, 6, 3, {}}, 0, 0};

bool isDateRule(int rule)
{
    return rule == 6 || rule == 8;
}

int at(const QByteArray& bytes, int pos)
{
    return quint8(bytes.at(pos));
}

QByteArray dateBytes(const QDate& date)
{
    if (!date.isValid())
        return QByteArray(DateSize, char(LastByte));
    return QByteArray(1, char(date.year() - FirstYear)) + char(date.month()) + char(date.day());
}

bool readDate(const QByteArray& bytes, int pos, QDate& date)
{
    date = QDate();
    if (bytes.mid(pos, DateSize) == QByteArray(DateSize, char(LastByte)))
        return true;
    date = QDate(FirstYear + at(bytes, pos), at(bytes, pos + 1), at(bytes, pos + 2));
    return date.isValid();
}

QByteArray changeBytes(const ResetSettings::Change& change)
{
    return QByteArray(1, char(change.week)) + char(change.month) + char(change.weekDay) + char(change.hour)
        + dateBytes(change.date);
}

bool readChange(const QByteArray& bytes, int pos, ResetSettings::Change& change)
{
    change = {at(bytes, pos), at(bytes, pos + 1), at(bytes, pos + 2), at(bytes, pos + 3), {}};
    return readDate(bytes, pos + 4, change.date);
}

} // namespace

ResetSettings::ResetSettings(bool internalClock)
    : m_internalClock(internalClock)
    , m_rule(FactoryRule)
{
}

bool ResetSettings::handles(quint8 code)
{
    const quint8 characteristic = code & ~W;
    return characteristic == Status || characteristic == Formats || characteristic == Rule;
}

void ResetSettings::setFormats(int dateFormat, int timeFormat)
{
    m_dateFormat = dateFormat;
    m_timeFormat = timeFormat;
}

QByteArray ResetSettings::handle(quint8 code, const QByteArray& payload)
{
    switch (code) {
    case W | Status:
        return writeStatus(payload);
    case W | Formats:
        return writeFormats(payload);
    case W | Rule:
        return writeRule(payload);
    default:
        break;
    }
    if (!payload.isEmpty())
        return DeviceFrame::error(DeviceFrame::BadParameter);
    switch (code) {
    case Status:
        return DeviceFrame::make(Status + 1, QByteArray(1, char(m_resetMode ? ResetStatus : ReadyStatus)));
    case Formats:
        return DeviceFrame::make(Formats + 1, QByteArray(1, char(m_dateFormat)) + char(m_timeFormat));
    default:
        return DeviceFrame::make(Rule + 1, ruleBytes());
    }
}

QByteArray ResetSettings::writeStatus(const QByteArray& payload)
{
    if (payload.size() != 1 || at(payload, 0) != ReadyStatus)
        return DeviceFrame::error(DeviceFrame::BadParameter);
    m_resetMode = false;
    return DeviceFrame::ack();
}

QByteArray ResetSettings::writeFormats(const QByteArray& payload)
{
    if (payload.size() != 2 || at(payload, 0) > LastDateFormat || at(payload, 1) > LastTimeFormat)
        return DeviceFrame::error(DeviceFrame::BadParameter);
    setFormats(at(payload, 0), at(payload, 1));
    return DeviceFrame::ack();
}

QByteArray ResetSettings::ruleBytes() const
{
    QByteArray bytes(1, char(m_rule.rule));
    if (m_internalClock)
        return bytes + changeBytes(m_rule.wiSo) + changeBytes(m_rule.soWi) + char(m_rule.customWiSo)
            + char(m_rule.customSoWi);
    bytes.append(char(m_rule.wiSo.hour));
    if (isDateRule(m_rule.rule))
        return bytes + dateBytes(m_rule.wiSo.date) + dateBytes(m_rule.soWi.date);
    for (int part : {m_rule.wiSo.week, m_rule.wiSo.month, m_rule.wiSo.weekDay, m_rule.soWi.week, m_rule.soWi.month})
        bytes.append(char(part));
    return bytes;
}

QByteArray ResetSettings::writeRule(const QByteArray& payload)
{
    SoWiRule rule;
    const bool read = m_internalClock ? readFullRule(payload, rule) : readShortRule(payload, rule);
    if (!read || !isValid(rule))
        return DeviceFrame::error(DeviceFrame::BadParameter);
    m_rule = rule;
    return DeviceFrame::ack();
}

bool ResetSettings::readFullRule(const QByteArray& payload, SoWiRule& rule) const
{
    if (payload.size() != FullPayload)
        return false;
    rule.rule = at(payload, 0);
    rule.customWiSo = at(payload, 1 + 2 * ChangeSize);
    rule.customSoWi = at(payload, 2 + 2 * ChangeSize);
    return readChange(payload, 1, rule.wiSo) && readChange(payload, 1 + ChangeSize, rule.soWi);
}

// Without the internal clock the device changes back one hour later in the day, on the same weekday.
bool ResetSettings::readShortRule(const QByteArray& payload, SoWiRule& rule) const
{
    if (payload.size() < 2)
        return false;
    rule.rule = at(payload, 0);
    rule.wiSo.hour = at(payload, 1);
    rule.soWi.hour = (rule.wiSo.hour + 1) % (LastHour + 1);
    if (isDateRule(rule.rule))
        return payload.size() == ShortDatePayload && readDate(payload, 2, rule.wiSo.date)
            && readDate(payload, 2 + DateSize, rule.soWi.date);
    if (payload.size() != ShortWeekPayload)
        return false;
    rule.wiSo.week = at(payload, 2);
    rule.wiSo.month = at(payload, 3);
    rule.wiSo.weekDay = at(payload, 4);
    rule.soWi = {at(payload, 5), at(payload, 6), rule.wiSo.weekDay, rule.soWi.hour, {}};
    return true;
}

bool ResetSettings::isValid(const SoWiRule& rule)
{
    if (rule.rule > LastRule)
        return false;
    if (isDateRule(rule.rule) && (!rule.wiSo.date.isValid() || !rule.soWi.date.isValid()))
        return false;
    for (const Change& change : {rule.wiSo, rule.soWi}) {
        if (change.week > LastWeek || change.month > LastMonth || change.weekDay > LastWeekDay
            || change.hour > LastHour)
            return false;
    }
    return true;
}

} // namespace devicesim
