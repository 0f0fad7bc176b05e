#pragma once

#include "ble/basetelegram.h"

namespace ble {

// Proves the program to the device: the push button or a connection code (characteristic 4), or
// the PIN (characteristic 6). Both are writes the device answers with a result and a value.
class AuthenticationTelegram : public BaseTelegram {
public:
    static constexpr int AuthenticationCharacteristic = 4;
    static constexpr int PinCharacteristic = 6;
    static constexpr int LargestCode = 999999;
    static constexpr int LargestPin = 9999;

    enum Result { Accepted = 0, Wrong = 1, ButtonNotPressed = 2, Locked = 3 };

    AuthenticationTelegram();

    void setPushButton();
    void setCode(int code);
    void setPin(int pin);

    Result result() const { return m_result; }
    // After the push button: the code the device generated; after Wrong: the attempts left; after
    // Locked: the remaining wait in seconds.
    int value() const { return m_value; }

    QByteArray data() const override;
    bool fromData(const QByteArray& payload) override;
    ResponseType responseType() const override { return ShortReply; }

private:
    enum Method { PushButton = 0, Code = 1 };

    Method m_method = PushButton;
    int m_number = 0;
    Result m_result = Wrong;
    int m_value = 0;
};

} // namespace ble
