#pragma once

#include <QByteArray>
#include <QDeadlineTimer>

#include <chrono>

namespace devicesim {

// How a simulated time switch lets a program in (docs/device-protocol.md, "Authentication"): its
// pairing state and code, the push button, the counter of wrong codes with its lock, and a PIN with
// its own counter and lock. What a program has proven lasts for one connection.
class Pairing {
public:
    enum State {
        Open,     // asks for nothing (pairing switched off, or the plug-in adapter)
        Unpaired, // asks for authentication; only the push button pairs
        Paired,   // asks for authentication with its code, or the push button for a new code
    };
    enum Result : quint8 { Accepted = 0, Wrong = 1, ButtonNotPressed = 2, Locked = 3 };
    enum LockKind : quint8 { NoLock = 0, CodeLock = 1, PinLock = 2 };

    static constexpr int MaxWrongCodes = 3;
    static constexpr int MaxWrongPins = 3;
    static constexpr int NoCode = -1;
    static constexpr int LargestCode = 999999;
    static constexpr int LargestPin = 9999;
    static constexpr std::chrono::seconds ButtonWindow{30};
    static constexpr std::chrono::seconds DefaultCodeLockTime{900};
    static constexpr std::chrono::seconds DefaultPinLockTime{300};

    State state() const { return m_state; }
    // Open or Unpaired forget the code; Paired needs one (setCode).
    void setState(State state);
    int code() const { return m_code; }
    // Pairs the device with that code.
    void setCode(int code);
    int pinCode() const { return m_pin; }
    // NoCode: no PIN.
    void setPinCode(int pin) { m_pin = pin; }
    bool asksForSomething() const { return m_state != Open || m_pin != NoCode; }

    // The button counts for the next push-button request within ButtonWindow.
    void pressButton();
    // The device presses its own button when asked (the demonstration mode has no hands).
    void setPressesButtonWhenAsked(bool on) { m_autoButton = on; }

    int wrongCodes() const { return m_wrongCodes; }
    int wrongPins() const { return m_wrongPins; }
    void setCodeLockTime(std::chrono::seconds time) { m_codeLockTime = time; }
    void setPinLockTime(std::chrono::seconds time) { m_pinLockTime = time; }

    // A new connection: nothing proven yet.
    void beginSession();
    // Whether the connection may use the device's other characteristics.
    bool isAuthorised() const;

    // The replies to the status read (2), the authentication (4) and the PIN (6) with the
    // requests' payloads.
    QByteArray status();
    QByteArray authenticate(const QByteArray& payload);
    QByteArray unlock(const QByteArray& payload);

private:
    static QByteArray reply(quint8 code, Result result, quint32 value);
    // Ends an expired lock; true while it holds.
    static bool holds(const QDeadlineTimer& lock, int& counter, int limit);
    static quint32 remainingSeconds(const QDeadlineTimer& lock);
    QByteArray pushButton();
    QByteArray checkCode(int code);
    bool needsAuthentication() const { return m_state != Open && !m_authenticated; }
    bool needsPin() const { return m_pin != NoCode && !m_pinUnlocked; }

    State m_state = Open;
    int m_code = NoCode;
    int m_pin = NoCode;
    bool m_autoButton = false;
    QDeadlineTimer m_button;
    int m_wrongCodes = 0;
    int m_wrongPins = 0;
    std::chrono::seconds m_codeLockTime = DefaultCodeLockTime;
    std::chrono::seconds m_pinLockTime = DefaultPinLockTime;
    QDeadlineTimer m_codeLock;
    QDeadlineTimer m_pinLock;
    bool m_authenticated = false;
    bool m_pinUnlocked = false;
};

} // namespace devicesim
