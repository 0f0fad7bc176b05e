#pragma once

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

#include <core/settingsservice.h>

#include "softwareupdateservice.h"

// What the update tests share: the settings the program registers for the update (by the same
// keys), the settings service on an empty store, and the files of the update folder. The tests
// run on x86-64, whose architecture key is "x64".

inline const bool updateSettingsRegistered = [] {
    core::SettingsService::registerSetting(QStringLiteral("forceOnlineFirmwareUpdateSearch"),
                                           QStringLiteral("forceOnlineSoftwareUpdateSearch"), true);
    core::SettingsService::registerSetting(QStringLiteral("softwareUpdateEndpoint"),
                                           QStringLiteral("softwareUpdateEndpoint"),
                                           QStringLiteral("ftp://download.zorvik.de:21/app/"));
    core::SettingsService::registerSetting(QStringLiteral("lastSoftwareUpdateChecked"),
                                           QStringLiteral("lastSoftwareUpdateChecked"));
    return true;
}();

struct UpdateSettings {
    UpdateSettings()
    {
        QSettings().clear();
        service = std::make_unique<core::SettingsService>();
        core::SettingsService::m_instance = service.get();
        service->initialize();
    }
    ~UpdateSettings() { core::SettingsService::m_instance = nullptr; }

    QVariant lastChecked() const { return service->settingValue(QStringLiteral("lastSoftwareUpdateChecked")); }
    void setLastChecked(const QString& day) const
    {
        service->setSettingValueFromStringKey(QStringLiteral("lastSoftwareUpdateChecked"), day);
    }

    std::unique_ptr<core::SettingsService> service;
};

inline void setApplicationNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Zorvik"));
    QCoreApplication::setApplicationName(QStringLiteral("TARVINO rix3"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.32"));
}

inline QString today()
{
    return QDate::currentDate().toString(QStringLiteral("ddMMyyyy"));
}

inline QString updateFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/update");
}

inline QByteArray infoJson(const QString& version, const QString& file)
{
    const QJsonObject entry{{QStringLiteral("version"), version}, {QStringLiteral("file"), file}};
    return QJsonDocument(QJsonObject{{QStringLiteral("x64"), entry}}).toJson();
}

inline QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

inline QByteArray sha256(const QByteArray& data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256);
}

// The file names in the update folder that match the pattern.
inline QStringList updateFiles(const QString& pattern)
{
    return QDir(updateFolder()).entryList({pattern}, QDir::Files, QDir::Name);
}

// A service that takes the folder as its installation folder and waits for nothing.
inline std::unique_ptr<SoftwareUpdateService> makeService(encrypter::FtpService* ftpService,
                                                          const QString& installFolder)
{
    auto service = std::make_unique<SoftwareUpdateService>(ftpService);
    service->setUpdaterLayout({installFolder, {}, {}, {}, {}});
    service->setDelays(0, 0);
    return service;
}
