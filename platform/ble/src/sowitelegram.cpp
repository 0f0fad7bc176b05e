#include "ble/sowitelegram.h"

namespace ble {

namespace {

constexpr int FullPayload = 17;
constexpr int ShortWeekPayload = 7;
constexpr int ShortDatePayload = 8;
constexpr int ChangeSize = 7;
constexpr int DateSize = 3;
constexpr int LastWeek = 4;
constexpr int LastMonth = 11;
constexpr int LastWeekDay = 6;
constexpr int LastHour = 23;
constexpr int LastByte = 0xFF;
constexpr int FirstYear = 2000;
constexpr int LastYear = FirstYear + LastByte - 1;

bool inRange(int value, int last)
{
    return value >= 0 && value <= last;
}

int byteAt(const QByteArray& bytes, int pos)
{
    return quint8(bytes.at(pos));
}

// Year - 2000, month, day; FF FF FF for no date.
QByteArray dateBytes(const QDate& date)
{
    if (!date.isValid() || date.year() < FirstYear || date.year() > LastYear)
        return QByteArray(DateSize, char(LastByte));
    return QByteArray(1, char(date.year() - FirstYear)) + char(date.month()) + char(date.day());
}

// False for bytes that are neither a date nor "none".
bool readDate(const QByteArray& bytes, int pos, QDate& date)
{
    if (bytes.mid(pos, DateSize) == QByteArray(DateSize, char(LastByte))) {
        date = QDate();
        return true;
    }
    date = QDate(FirstYear + byteAt(bytes, pos), byteAt(bytes, pos + 1), byteAt(bytes, pos + 2));
    return date.isValid();
}

} // namespace

SoWiTelegram::SoWiTelegram()
    : BaseTelegram(Characteristic, true)
{
}

void SoWiTelegram::setSoWi(int rule, int wiSoWeekDay, int soWiWeekDay, int wiSoMonth, int soWiMonth,
                           const QDate& wiSoDate, const QDate& soWiDate, int wiSoWeek, int soWiWeek, int wiSoHour,
                           int soWiHour, int customWiSo, int customSoWi)
{
    m_rule = rule;
    m_wiSo = {wiSoWeek, wiSoMonth, wiSoWeekDay, wiSoHour, wiSoDate};
    m_soWi = {soWiWeek, soWiMonth, soWiWeekDay, soWiHour, soWiDate};
    m_customWiSo = customWiSo;
    m_customSoWi = customSoWi;
}

void SoWiTelegram::setSoWi(int rule, int wiSoHour, int wiSoWeek, int wiSoMonth, int wiSoWeekDay, int soWiWeek,
                           int soWiMonth)
{
    m_rule = rule;
    m_wiSo = {wiSoWeek, wiSoMonth, wiSoWeekDay, wiSoHour, QDate()};
    m_soWi = {soWiWeek, soWiMonth, wiSoWeekDay, 0, QDate()};
    m_customWiSo = 0;
    m_customSoWi = 0;
    deriveSoWiTimes();
}

void SoWiTelegram::setSoWi(int rule, int wiSoHour, const QDate& wiSoDate, const QDate& soWiDate)
{
    m_rule = rule;
    m_wiSo = {0, 0, 0, wiSoHour, wiSoDate};
    m_soWi = {0, 0, 0, 0, soWiDate};
    m_customWiSo = 0;
    m_customSoWi = 0;
    deriveSoWiTimes();
}

void SoWiTelegram::deriveSoWiTimes()
{
    m_soWi.hour = (m_wiSo.hour + 1) % (LastHour + 1);
    m_soWi.weekDay = m_wiSo.weekDay;
}

bool SoWiTelegram::isValid() const
{
    if (!inRange(m_rule, LastRule) || !inRange(m_customWiSo, LastByte) || !inRange(m_customSoWi, LastByte))
        return false;
    if (isDateRule(m_rule) && (!m_wiSo.date.isValid() || !m_soWi.date.isValid()))
        return false;
    for (const Change& change : {m_wiSo, m_soWi}) {
        if (!inRange(change.week, LastWeek) || !inRange(change.month, LastMonth)
            || !inRange(change.weekDay, LastWeekDay) || !inRange(change.hour, LastHour))
            return false;
    }
    return true;
}

QByteArray SoWiTelegram::changeBytes(const Change& change)
{
    QByteArray bytes;
    for (int part : {change.week, change.month, change.weekDay, change.hour})
        bytes.append(char(part));
    return bytes + dateBytes(change.date);
}

QByteArray SoWiTelegram::data() const
{
    QByteArray bytes(1, char(m_rule));
    if (m_internalBleClock)
        return bytes + changeBytes(m_wiSo) + changeBytes(m_soWi) + char(m_customWiSo) + char(m_customSoWi);
    bytes.append(char(m_wiSo.hour));
    if (isDateRule(m_rule))
        return bytes + dateBytes(m_wiSo.date) + dateBytes(m_soWi.date);
    for (int part : {m_wiSo.week, m_wiSo.month, m_wiSo.weekDay, m_soWi.week, m_soWi.month})
        bytes.append(char(part));
    return bytes;
}

QByteArray SoWiTelegram::bytes() const
{
    return isValid() ? BaseTelegram::bytes() : QByteArray();
}

bool SoWiTelegram::readChange(const QByteArray& payload, int pos, Change& change)
{
    change = {byteAt(payload, pos), byteAt(payload, pos + 1), byteAt(payload, pos + 2), byteAt(payload, pos + 3),
              QDate()};
    return readDate(payload, pos + 4, change.date);
}

bool SoWiTelegram::fromData(const QByteArray& payload)
{
    // Parsed into a copy, so that a reply that does not fit leaves the telegram as it was.
    SoWiTelegram parsed;
    parsed.m_internalBleClock = m_internalBleClock;
    const bool ok = m_internalBleClock ? parsed.fromFullData(payload) : parsed.fromShortData(payload);
    if (!ok || !parsed.isValid())
        return false;
    m_rule = parsed.m_rule;
    m_wiSo = parsed.m_wiSo;
    m_soWi = parsed.m_soWi;
    m_customWiSo = parsed.m_customWiSo;
    m_customSoWi = parsed.m_customSoWi;
    return true;
}

bool SoWiTelegram::fromFullData(const QByteArray& payload)
{
    if (payload.size() != FullPayload)
        return false;
    m_rule = byteAt(payload, 0);
    m_customWiSo = byteAt(payload, 1 + 2 * ChangeSize);
    m_customSoWi = byteAt(payload, 2 + 2 * ChangeSize);
    return readChange(payload, 1, m_wiSo) && readChange(payload, 1 + ChangeSize, m_soWi);
}

bool SoWiTelegram::fromShortData(const QByteArray& payload)
{
    if (payload.size() < 2)
        return false;
    const int rule = byteAt(payload, 0);
    const int hour = byteAt(payload, 1);
    if (isDateRule(rule)) {
        QDate wiSoDate;
        QDate soWiDate;
        if (payload.size() != ShortDatePayload || !readDate(payload, 2, wiSoDate)
            || !readDate(payload, 2 + DateSize, soWiDate))
            return false;
        setSoWi(rule, hour, wiSoDate, soWiDate);
        return true;
    }
    if (payload.size() != ShortWeekPayload)
        return false;
    const auto at = [&](int pos) { return byteAt(payload, pos); };
    setSoWi(rule, hour, at(2), at(3), at(4), at(5), at(6));
    return true;
}

} // namespace ble
