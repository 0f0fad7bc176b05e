#pragma once

// Storage keys of the software update's settings, registered by the program with its other
// settings and read and written by the update service.
struct UpdateSettingsKeys {
    // The key says "Firmware" where the setting means the software; stores written so far use it.
    static constexpr char ForceOnlineSearch[] = "forceOnlineFirmwareUpdateSearch";
    static constexpr char Endpoint[] = "softwareUpdateEndpoint";
    static constexpr char LastChecked[] = "lastSoftwareUpdateChecked";
};
