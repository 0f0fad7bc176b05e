#pragma once

#include "ble/basetelegram.h"

namespace ble {

// What the device asks for before it takes other requests (characteristic 2, read): the
// authentication, the PIN, and a lock with its remaining wait.
class AuthenticationStatusTelegram : public BaseTelegram {
public:
    static constexpr int Characteristic = 2;
    enum LockKind { NoLock = 0, CodeLock = 1, PinLock = 2 };

    AuthenticationStatusTelegram();

    bool needsAuthentication() const { return m_needsAuthentication; }
    bool needsPin() const { return m_needsPin; }
    LockKind lock() const { return m_lock; }
    int remainingSeconds() const { return m_remainingSeconds; }

    bool fromData(const QByteArray& payload) override;

private:
    bool m_needsAuthentication = false;
    bool m_needsPin = false;
    LockKind m_lock = NoLock;
    int m_remainingSeconds = 0;
};

} // namespace ble
