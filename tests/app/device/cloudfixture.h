#pragma once

#include <QCoreApplication>
#include <QFutureInterface>
#include <QSettings>
#include <QString>

#include <memory>

#include <core/settingsservice.h>
#include <devices/deviceservice.h>
#include <devices/ot2file.h>
#include <network/networkservice.h>

#include "cloudcontroller.h"
#include "cloudcredentials.h"
#include "projectfilesource.h"

namespace cloudfixture {

inline void setProgramIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Zorvik"));
    QCoreApplication::setApplicationName(QStringLiteral("TARVINO rix3"));
}

// The cloud settings, registered as the program registers them.
inline void registerCloudSettings()
{
    core::SettingsService::registerSetting(QString::fromLatin1(CloudCredentials::UsernameKey),
                                           QStringLiteral("cloudUsername"));
    core::SettingsService::registerSetting(QString::fromLatin1(CloudCredentials::PasswordKey),
                                           QStringLiteral("cloudPassword"));
    core::SettingsService::registerSetting(QString::fromLatin1(CloudCredentials::GatewaysKey),
                                           QStringLiteral("credentialsGateways"));
}

// The open project as the main controller hands it out: a file and a name, or nothing.
class OpenProject : public ProjectFileSource {
public:
    QFuture<devices::Ot2File> currentProjectFile(QString* name) override
    {
        QFutureInterface<devices::Ot2File> future;
        future.reportStarted();
        if (isOpen) {
            *name = file.name();
            future.reportResult(file);
        } else {
            future.reportCanceled();
        }
        future.reportFinished();
        return future.future();
    }

    bool isOpen = false;
    devices::Ot2File file;
};

// The settings store, the device catalogue and a cloud controller on a network service, as the
// program's start-up makes them; they go in the reverse order.
struct CloudFixture {
    explicit CloudFixture(const QString& cloudAddress = {}, const QList<QSslCertificate>& authority = {})
    {
        setProgramIdentity();
        registerCloudSettings();
        settings = std::make_unique<core::SettingsService>();
        core::SettingsService::m_instance = settings.get();
        settings->initialize();
        if (!devices::DeviceService::hasInstance()) {
            catalogue = std::make_unique<devices::DeviceService>();
            devices::DeviceService::m_instance = catalogue.get();
            catalogue->init(QStringLiteral(":/data/devices.json"));
        }
        network = std::make_unique<network::NetworkService>();
        network->setCloudAddress(cloudAddress);
        network->addCaCertificates(authority);
        controller = std::make_unique<CloudController>(&project, network.get(), nullptr);
    }

    OpenProject project;
    std::unique_ptr<core::SettingsService> settings;
    std::unique_ptr<devices::DeviceService> catalogue;
    std::unique_ptr<network::NetworkService> network;
    std::unique_ptr<CloudController> controller;
};

} // namespace cloudfixture
