#pragma once

#include <QString>

// Storage keys of the main program's settings. The unit registers every one of them with the
// settings service before main runs; a key the program no longer registers would be deleted
// from the user's store at the next start.
class ProgramSettings {
public:
    static const QString CloudPassword;
    static const QString CloudUsername;
    static const QString CredentialsGateways;
    static const QString OpenPath;
    static const QString FtpCertificateVersion;
    static const QString DateFormat;
    static const QString FirstDay;
    static const QString Notify;
    static const QString OverwriteDisplay;
    static const QString OverwriteOrientation;
    static const QString Vibrate;
    static const QString ForceOnlineSoftwareUpdateSearch;
    static const QString SoftwareUpdateEndpoint;
    static const QString LastSoftwareUpdateChecked;
    static const QString CloudAddress;
    static const QString SerialPort;
    static const QString SyncDateTime;
    static const QString SyncLanguage;
    static const QString ShowSyncPopup;
};
