#include "programsettings.h"

#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include "cloudcredentials.h"
#include "updatesettingskeys.h"

#include <core/settingsservice.h>
#include <network/networkservice.h>

const QString ProgramSettings::CloudPassword = QString::fromLatin1(CloudCredentials::PasswordKey);
const QString ProgramSettings::CloudUsername = QString::fromLatin1(CloudCredentials::UsernameKey);
const QString ProgramSettings::CredentialsGateways = QString::fromLatin1(CloudCredentials::GatewaysKey);
const QString ProgramSettings::OpenPath = QStringLiteral("openPath");
const QString ProgramSettings::FtpCertificateVersion = QStringLiteral("App/FtpCertificateVersion");
const QString ProgramSettings::DateFormat = QStringLiteral("dateFormat");
const QString ProgramSettings::FirstDay = QStringLiteral("firstDay");
const QString ProgramSettings::Notify = QStringLiteral("notify");
const QString ProgramSettings::OverwriteDisplay = QStringLiteral("debug/OverwriteDisplay");
const QString ProgramSettings::OverwriteOrientation = QStringLiteral("debug/OverwriteOrientation");
const QString ProgramSettings::Vibrate = QStringLiteral("vibrate");
const QString ProgramSettings::ForceOnlineSoftwareUpdateSearch =
    QString::fromLatin1(UpdateSettingsKeys::ForceOnlineSearch);
const QString ProgramSettings::SoftwareUpdateEndpoint = QString::fromLatin1(UpdateSettingsKeys::Endpoint);
const QString ProgramSettings::LastSoftwareUpdateChecked =
    QString::fromLatin1(UpdateSettingsKeys::LastChecked);
const QString ProgramSettings::CloudAddress = QStringLiteral("cloudAddress");
// A port that stands for the serial programming adapter (docs/serial-protocol.md).
const QString ProgramSettings::SerialPort = QStringLiteral("serialPort");
const QString ProgramSettings::SyncDateTime = QStringLiteral("syncDateTime");
const QString ProgramSettings::SyncLanguage = QStringLiteral("syncLanguage");
const QString ProgramSettings::ShowSyncPopup = QStringLiteral("showSyncPopup");

namespace {

QString homeFolder()
{
    const QStringList homes = QStandardPaths::standardLocations(QStandardPaths::HomeLocation);
    return homes.isEmpty() ? QString() : homes.first();
}

// Runs before main, after the keys above (same unit, defined earlier).
[[maybe_unused]] const bool registered = [] {
    using core::SettingsService;
    SettingsService::registerSetting(ProgramSettings::CloudPassword, QStringLiteral("cloudPassword"));
    SettingsService::registerSetting(ProgramSettings::CloudUsername, QStringLiteral("cloudUsername"));
    SettingsService::registerSetting(ProgramSettings::CredentialsGateways, QStringLiteral("credentialsGateways"));
    SettingsService::registerSetting(ProgramSettings::OpenPath, QStringLiteral("openPath"), homeFolder());
    SettingsService::registerSetting(ProgramSettings::FtpCertificateVersion, QStringLiteral("ftpCertificateVersion"), 0);
    SettingsService::registerSetting(ProgramSettings::DateFormat, QStringLiteral("dateFormatParameter"), 1);
    SettingsService::registerSetting(ProgramSettings::FirstDay, QStringLiteral("firstDayParameter"), 1);
    SettingsService::registerSetting(ProgramSettings::Notify, QStringLiteral("notify"), true);
    SettingsService::registerSetting(ProgramSettings::OverwriteDisplay, QStringLiteral("overwriteDisplay"), 0);
    SettingsService::registerSetting(ProgramSettings::OverwriteOrientation, QStringLiteral("overwriteOrientation"), -1);
    SettingsService::registerSetting(ProgramSettings::Vibrate, QStringLiteral("vibrate"), true);
    SettingsService::registerSetting(ProgramSettings::ForceOnlineSoftwareUpdateSearch,
                                     QStringLiteral("forceOnlineSoftwareUpdateSearch"), true);
    SettingsService::registerSetting(ProgramSettings::SoftwareUpdateEndpoint, QStringLiteral("softwareUpdateEndpoint"),
                                     QStringLiteral("ftp://download.zorvik.de:21/app/"));
    SettingsService::registerSetting(ProgramSettings::LastSoftwareUpdateChecked,
                                     QStringLiteral("lastSoftwareUpdateChecked"));
    SettingsService::registerSetting(ProgramSettings::CloudAddress, QStringLiteral("cloudAddress"),
                                     QString::fromLatin1(network::NetworkService::DefaultCloudAddress));
    SettingsService::registerSetting(ProgramSettings::SerialPort, QStringLiteral("serialPort"), QString());
    // Until the user has chosen, the first device with the internal module asks.
    SettingsService::registerSetting(ProgramSettings::SyncDateTime, QStringLiteral("syncDateTime"), true);
    SettingsService::registerSetting(ProgramSettings::SyncLanguage, QStringLiteral("syncLanguage"), true);
    SettingsService::registerSetting(ProgramSettings::ShowSyncPopup, QStringLiteral("showSyncPopup"), true);
    return true;
}();

} // namespace
