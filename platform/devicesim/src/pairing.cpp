#include "devicesim/pairing.h"

#include "deviceframe.h"

#include <devices/eepromutils.h>

#include <QRandomGenerator>

namespace devicesim {

namespace {

using devices::EepromUtils;

// Reply codes: the characteristic + 1.
constexpr quint8 StatusReply = 0x03;
constexpr quint8 AuthenticationReply = 0x05;
constexpr quint8 PinReply = 0x07;
constexpr quint8 PushButtonMethod = 0;
constexpr quint8 CodeMethod = 1;
constexpr int AuthenticationPayload = 5;
constexpr int PinPayload = 2;
constexpr int SmallestGeneratedCode = 100000;
constexpr qint64 NanosecondsPerSecond = 1000000000;

QByteArray u32(quint32 value)
{
    QByteArray bytes(4, '\0');
    EepromUtils::writeUInt(bytes, 0, value, 4);
    return bytes;
}

} // namespace

void Pairing::setState(State state)
{
    m_state = state;
    if (state != Paired)
        m_code = NoCode;
}

void Pairing::setCode(int code)
{
    m_state = Paired;
    m_code = code;
}

void Pairing::pressButton()
{
    m_button.setRemainingTime(ButtonWindow, Qt::PreciseTimer);
}

void Pairing::beginSession()
{
    m_authenticated = false;
    m_pinUnlocked = false;
}

bool Pairing::isAuthorised() const
{
    return !needsAuthentication() && !needsPin();
}

bool Pairing::holds(const QDeadlineTimer& lock, int& counter, int limit)
{
    if (counter < limit)
        return false;
    if (!lock.hasExpired())
        return true;
    counter = 0;
    return false;
}

quint32 Pairing::remainingSeconds(const QDeadlineTimer& lock)
{
    const qint64 left = qMax<qint64>(0, lock.remainingTimeNSecs());
    return quint32((left + NanosecondsPerSecond - 1) / NanosecondsPerSecond);
}

QByteArray Pairing::reply(quint8 code, Result result, quint32 value)
{
    return DeviceFrame::make(code, QByteArray(1, char(result)) + u32(value));
}

QByteArray Pairing::status()
{
    LockKind lock = NoLock;
    quint32 remaining = 0;
    if (holds(m_codeLock, m_wrongCodes, MaxWrongCodes)) {
        lock = CodeLock;
        remaining = remainingSeconds(m_codeLock);
    } else if (holds(m_pinLock, m_wrongPins, MaxWrongPins)) {
        lock = PinLock;
        remaining = remainingSeconds(m_pinLock);
    }
    QByteArray payload;
    payload.append(char(needsAuthentication() ? 1 : 0));
    payload.append(char(needsPin() ? 1 : 0));
    payload.append(char(lock));
    payload.append(u32(remaining));
    return DeviceFrame::make(StatusReply, payload);
}

QByteArray Pairing::authenticate(const QByteArray& payload)
{
    if (payload.size() != AuthenticationPayload)
        return DeviceFrame::error(DeviceFrame::BadParameter);
    const quint8 method = quint8(payload.at(0));
    if (method != PushButtonMethod && method != CodeMethod)
        return DeviceFrame::error(DeviceFrame::BadParameter);
    if (!needsAuthentication())
        return reply(AuthenticationReply, Accepted, 0);
    if (holds(m_codeLock, m_wrongCodes, MaxWrongCodes))
        return reply(AuthenticationReply, Locked, remainingSeconds(m_codeLock));
    if (method == PushButtonMethod)
        return pushButton();
    return checkCode(int(EepromUtils::readUInt(payload, 1, 4)));
}

QByteArray Pairing::pushButton()
{
    if (m_autoButton)
        pressButton();
    if (m_button.hasExpired())
        return reply(AuthenticationReply, ButtonNotPressed, 0);
    m_button = QDeadlineTimer();
    setCode(QRandomGenerator::global()->bounded(SmallestGeneratedCode, LargestCode + 1));
    m_wrongCodes = 0;
    m_authenticated = true;
    return reply(AuthenticationReply, Accepted, quint32(m_code));
}

QByteArray Pairing::checkCode(int code)
{
    if (m_state == Paired && code == m_code) {
        m_wrongCodes = 0;
        m_authenticated = true;
        return reply(AuthenticationReply, Accepted, 0);
    }
    if (++m_wrongCodes < MaxWrongCodes)
        return reply(AuthenticationReply, Wrong, quint32(MaxWrongCodes - m_wrongCodes));
    m_codeLock.setRemainingTime(m_codeLockTime, Qt::PreciseTimer);
    return reply(AuthenticationReply, Locked, remainingSeconds(m_codeLock));
}

QByteArray Pairing::unlock(const QByteArray& payload)
{
    if (payload.size() != PinPayload)
        return DeviceFrame::error(DeviceFrame::BadParameter);
    // A locked PIN stays locked whoever asks.
    if (holds(m_pinLock, m_wrongPins, MaxWrongPins))
        return reply(PinReply, Locked, remainingSeconds(m_pinLock));
    if (needsAuthentication())
        return DeviceFrame::error(DeviceFrame::NotAuthorised);
    if (!needsPin())
        return reply(PinReply, Accepted, 0);
    if (int(EepromUtils::readUInt(payload, 0, 2)) == m_pin) {
        m_wrongPins = 0;
        m_pinUnlocked = true;
        return reply(PinReply, Accepted, 0);
    }
    if (++m_wrongPins < MaxWrongPins)
        return reply(PinReply, Wrong, quint32(MaxWrongPins - m_wrongPins));
    m_pinLock.setRemainingTime(m_pinLockTime, Qt::PreciseTimer);
    return reply(PinReply, Locked, remainingSeconds(m_pinLock));
}

} // namespace devicesim
