#pragma once

#include <QtGlobal>

// Where the remembered cloud credentials are kept: storage keys of the settings (registered by
// the program with its other settings) and the key that scrambles their values.
struct CloudCredentials {
    static constexpr char UsernameKey[] = "Credentials/CloudUsername";
    static constexpr char PasswordKey[] = "Credentials/CloudPassword";
    // A map from gateway serial number to [scrambled user name, scrambled password].
    static constexpr char GatewaysKey[] = "Credentials/Gateways";
    static constexpr quint64 ScrambleKey = 0x3c81e7d04a9b62fULL;
};
