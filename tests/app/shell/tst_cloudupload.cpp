#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <core/settingsservice.h>
#include <network/networkservice.h>

#include "cloudcontroller.h"
#include "cloudserver.h"
#include "projectsfixture.h"

// The main controller's cloud controller sends the open project: the file the project
// controller builds, under the project's name.
class TestCloudUpload : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(server.start(), qPrintable(server.errorString())); }

    void init()
    {
        settings = std::make_unique<core::SettingsService>();
        core::SettingsService::m_instance = settings.get();
        settings->initialize();
        network = std::make_unique<network::NetworkService>();
        network::NetworkService::m_instance = network.get();
        network->setCloudAddress(server.address());
        network->addCaCertificates(server.certificateAuthority());
        f = std::make_unique<ProjectsFixture>();
    }

    void cleanup()
    {
        f.reset();
        network.reset();
        settings.reset();
    }

    void cloudIsAConstantChildOfTheMainController()
    {
        CloudController* cloud = f->mainController->cloud();
        QVERIFY(cloud);
        QCOMPARE(cloud->parent(), static_cast<QObject*>(f->mainController.get()));
        QCOMPARE(f->mainController->property("cloud").value<CloudController*>(), cloud);
        const QMetaProperty property
            = f->mainController->metaObject()->property(f->mainController->metaObject()->indexOfProperty("cloud"));
        QVERIFY(property.isConstant());
    }

    void withoutAnOpenProjectNothingIsSent()
    {
        CloudController* cloud = f->mainController->cloud();
        QVERIFY(logInToGateway(cloud));
        QSignalSpy results(cloud, &CloudController::ot2SendResult);
        cloud->sendOt2File();
        QCOMPARE(results.count(), 1);
        QCOMPARE(results.first().at(0).value<CloudController::Ot2SendResult>(), CloudController::InternalError);
        QCOMPARE(server.requestCount(QStringLiteral("upload")), 0);
    }

    void openProjectArrivesUnderItsNameWithoutSpaces()
    {
        QVERIFY(f->mainController->createProject(cloudModel(), QStringLiteral("My Project 1")));
        CloudController* cloud = f->mainController->cloud();
        QVERIFY(logInToGateway(cloud));
        QSignalSpy results(cloud, &CloudController::ot2SendResult);
        cloud->sendOt2File();
        QVERIFY(results.wait(20000));
        QCOMPARE(results.first().at(0).value<CloudController::Ot2SendResult>(), CloudController::SendSuccessfully);

        const QJsonArray uploads = server.state().value(QLatin1String("uploads")).toArray();
        QCOMPARE(uploads.size(), 1);
        QCOMPARE(uploads.at(0)[QLatin1String("fileName")].toString(), QStringLiteral("MyProject1.ot2"));
        // The text reads back as the open project's file.
        QTemporaryDir folder;
        QFile uploaded(folder.filePath(QStringLiteral("MyProject1.ot2")));
        QVERIFY(uploaded.open(QIODevice::WriteOnly));
        uploaded.write(uploads.at(0)[QLatin1String("content")].toString().toUtf8());
        uploaded.close();
        QSettings text(uploaded.fileName(), QSettings::IniFormat);
        devices::Ot2File received;
        QVERIFY(received.restore(text));
        QString name;
        devices::Ot2File sent = f->mainController->currentProjectFile(&name).result();
        // Reading fits a file to its model, as the gateway's device does.
        sent.fitToDevice(devices::DeviceService::instance().deviceByOt2Number(sent.ot2Number()));
        QCOMPARE(received, sent);
        QCOMPARE(received.name(), QStringLiteral("My Project 1"));
    }

private:
    static int cloudModel()
    {
        for (const devices::Device& device : devices::DeviceService::instance().devices()) {
            if (device.cloudDevice())
                return device.ot2Number();
        }
        return 0;
    }

    static bool logInToGateway(CloudController* cloud)
    {
        QSignalSpy login(cloud, &CloudController::loginResult);
        cloud->login(QStringLiteral("anna@example.com"), QStringLiteral("Geheim-42!"), false);
        if (!login.wait(20000)
            || login.first().at(0).value<CloudController::LoginResult>() != CloudController::SuccessSingleGateway)
            return false;
        QSignalSpy gatewayLogin(cloud, &CloudController::gatewayLoginResult);
        cloud->connectWith(0, QStringLiteral("admin"), QStringLiteral("gw-pass"), false);
        return gatewayLogin.wait(20000)
               && gatewayLogin.first().at(0).value<CloudController::LoginResult>() == CloudController::Success;
    }

    CloudServer server;
    std::unique_ptr<core::SettingsService> settings;
    std::unique_ptr<network::NetworkService> network;
    std::unique_ptr<ProjectsFixture> f;
};

QTEST_MAIN(TestCloudUpload)
#include "tst_cloudupload.moc"
