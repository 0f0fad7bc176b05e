#include <QApplication>
#include <QDesktopServices>
#include <QJsonArray>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QUrl>

#include <devices/deviceservice.h>
#include <network/networkservice.h>

#include "cloudcontroller.h"
#include "cloudserver.h"
#include "maincontroller.h"
#include "viewharness.h"

// The way of a project to a cloud device, as the user goes it: the upload button of a cloud
// model's project, the cloud login against the tests' own cloud, the gateway login and the
// upload, the choice among several gateways, the registration page, and the cloud address
// among the application settings' hidden rows.

namespace {

const int HomeScreenView = 0;
const QString ProjectName = QStringLiteral("Cloud Probe");
const QString CloudUser = QStringLiteral("anna@example.com");
const QString CloudPassword = QStringLiteral("Geheim-42!");

// Catches the pages the program hands to the user's browser.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }
};

int cloudModel()
{
    for (const devices::Device& device : devices::DeviceService::instance().devices()) {
        if (device.cloudDevice())
            return device.ot2Number();
    }
    return -1;
}

} // namespace

class TestViewCloud : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
        m_harness = std::make_unique<ViewHarness>();
        m_window = m_harness->loadMain();
        QVERIFY(m_window);
        network::NetworkService* network = network::NetworkService::m_instance;
        QVERIFY(network);
        network->addCaCertificates(m_server.certificateAuthority());
        network->setCloudAddress(m_server.address());
        const int model = cloudModel();
        QVERIFY(model > 0);
        QVERIFY(MainController::instance().createProject(model, ProjectName));
        MainController::instance().closeProject();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_urls, "open");
    }

    void init()
    {
        QVERIFY(m_server.reset());
        m_harness->evaluate(QStringLiteral("ViewLoader.openView(View.HomeScreenView, {}, true)"));
        auto* stack = m_window->findChild<QQuickItem*>(QStringLiteral("viewStack"));
        QVERIFY(ViewHarness::waitFor([stack] {
            const auto* view = stack->property("currentItem").value<QQuickItem*>();
            return view && view->property("viewKind").toInt() == HomeScreenView && !stack->property("busy").toBool();
        }));
    }

    void cleanup()
    {
        for (QQuickWindow* dialog : m_harness->dialogs())
            dialog->close();
        while (!m_harness->openPopups().isEmpty()) {
            m_harness->evaluate(QStringLiteral("PopUpManager.closeTopPopup()"));
            QTest::qWait(200);
        }
        MainController::instance().closeProject();
        mainCloud()->gateways()->setGatewayCredentials(QStringLiteral("KQ-1001"), QString(), QString());
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        m_harness.reset();
    }

    void onlyCloudModelsHaveTheUploadButton()
    {
        QVERIFY(MainController::instance().createProject(102, QStringLiteral("Ohne Cloud")));
        MainController::instance().closeProject();
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->find(QStringLiteral("project_Ohne Cloud")); }));
        QQuickItem* cloudRow = m_harness->find(QStringLiteral("project_") + ProjectName);
        QQuickItem* otherRow = m_harness->find(QStringLiteral("project_Ohne Cloud"));
        QVERIFY(cloudRow && otherRow);
        QVERIFY(upload(cloudRow)->isVisible());
        QVERIFY(!upload(otherRow)->isVisible());
    }

    void registrationOpensTheCloudsPageInTheBrowser()
    {
        QVERIFY(openCloudLogin());
        m_urls.urls.clear();
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("registerButton"))));
        QString host = m_server.address();
        host.chop(QStringLiteral("/app").size());
        QCOMPARE(m_urls.urls, QList<QUrl>{QUrl(QStringLiteral("https://") + host)});
    }

    void loginFailuresAreShown_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QJsonObject>("config");
        QTest::addColumn<QString>("failingEndpoint");
        QTest::addColumn<QString>("message");
        const QString failed = QStringLiteral("Während der Verbindung ist ein Fehler aufgetreten.");
        const QString noDevices = QStringLiteral("Dieses Konto hat keine Geräte, um eine Verbindung herzustellen.");
        QTest::newRow("wrong password") << "falsch" << QJsonObject() << QString() << "Ungültige Anmeldeinformationen.";
        QTest::newRow("no gateways") << CloudPassword << QJsonObject{{"gateways", QJsonArray()}} << QString() << noDevices;
        QTest::newRow("no kq207m") << CloudPassword
                                   << QJsonObject{{"gateways", QJsonArray{QJsonObject{{"name", "Lager"}, {"serial", "XB-2002"}, {"type", "xb100"}}}}}
                                   << QString() << noDevices;
        QTest::newRow("login fails") << CloudPassword << QJsonObject() << "login" << failed;
        QTest::newRow("gateway list fails") << CloudPassword << QJsonObject() << "gateways" << failed;
        QTest::newRow("cloud not reachable") << CloudPassword << QJsonObject() << "unreachable" << failed;
    }

    void loginFailuresAreShown()
    {
        QFETCH(QString, password);
        QFETCH(QJsonObject, config);
        QFETCH(QString, failingEndpoint);
        QFETCH(QString, message);
        if (!config.isEmpty())
            QVERIFY(m_server.set(config));
        network::NetworkService* network = network::NetworkService::m_instance;
        // Nothing listens on port 1.
        if (failingEndpoint == QLatin1String("unreachable"))
            network->setCloudAddress(QStringLiteral("127.0.0.1:1/app"));
        else if (!failingEndpoint.isEmpty())
            QVERIFY(m_server.script(failingEndpoint, 500, QStringLiteral("{}")));
        QVERIFY(openCloudLogin());
        login(CloudUser, password);
        const bool shown = ViewHarness::waitFor([&] { return shownText(QStringLiteral("cloudLoginMessage")) == message; });
        network->setCloudAddress(m_server.address());
        QVERIFY(shown);
        QVERIFY(m_harness->findPopup(QStringLiteral("cloudLoginPopup")));
        const bool refused = message == QStringLiteral("Ungültige Anmeldeinformationen.");
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("cloudPasswordField"))).isEmpty(), refused);
    }

    void aSingleGatewayLeadsToItsLoginAndTheUpload()
    {
        QVERIFY(m_server.set({{"gateways", QJsonArray{QJsonObject{{"name", "Halle 3"}, {"serial", "KQ-1001"}, {"type", "kq207m"}}}}}));
        QVERIFY(openCloudLogin());
        login(CloudUser, CloudPassword);
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->findPopup(QStringLiteral("gatewayLoginPopup")); }));
        QVERIFY(!m_harness->findPopup(QStringLiteral("cloudLoginPopup")));
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("gatewayLoginText"))),
                 QStringLiteral("Anmelden am Gerät KQ-1001"));

        replaceText(m_harness->find(QStringLiteral("gatewayUserField")), QStringLiteral("admin"));
        replaceText(m_harness->find(QStringLiteral("gatewayPasswordField")), QStringLiteral("gw-pass"));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("gatewayLoginButton"))));
        QVERIFY(ViewHarness::waitFor([&] {
            return shownText(QStringLiteral("gatewayLoginMessage")) == QStringLiteral("Die Schaltzeiten wurden korrekt im Gerät gespeichert.");
        }));
        const QJsonArray uploads = m_server.state().value(QLatin1String("uploads")).toArray();
        QCOMPARE(uploads.size(), 1);
        QCOMPARE(uploads.at(0)[QLatin1String("fileName")].toString(), QStringLiteral("CloudProbe.ot2"));

        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("okButton"))));
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->findPopup(QStringLiteral("gatewayLoginPopup")); }));
        QVERIFY(ViewHarness::waitFor([this] { return m_server.state().value(QLatin1String("logouts")).toInt() == 1; }));
    }

    void rememberedGatewayCredentialsLogInAtOnce()
    {
        const QJsonArray single{QJsonObject{{"name", "Halle 3"}, {"serial", "KQ-1001"}, {"type", "kq207m"}}};
        QVERIFY(m_server.set({{"gateways", single}}));
        QVERIFY(openCloudLogin());
        login(CloudUser, CloudPassword);
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->findPopup(QStringLiteral("gatewayLoginPopup")); }));
        replaceText(m_harness->find(QStringLiteral("gatewayUserField")), QStringLiteral("admin"));
        replaceText(m_harness->find(QStringLiteral("gatewayPasswordField")), QStringLiteral("gw-pass"));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("gatewayRememberBox"))));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("gatewayLoginButton"))));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->find(QStringLiteral("okButton")); }));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("okButton"))));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->openPopups().isEmpty(); }));

        // The second upload asks for nothing at the gateway.
        QVERIFY(ViewHarness::waitFor([this] { return m_server.state().value(QLatin1String("logouts")).toInt() == 1; }));
        QVERIFY(openCloudLogin());
        login(CloudUser, CloudPassword);
        QVERIFY(ViewHarness::waitFor([this] {
            return shownText(QStringLiteral("gatewayLoginMessage")) == QStringLiteral("Die Schaltzeiten wurden korrekt im Gerät gespeichert.");
        }));
        QCOMPARE(m_server.state().value(QLatin1String("uploads")).toArray().size(), 2);
    }

    void aRefusedGatewayLoginClearsThePassword()
    {
        QVERIFY(m_server.set({{"gateways", QJsonArray{QJsonObject{{"name", "Halle 3"}, {"serial", "KQ-1001"}, {"type", "kq207m"}}}}}));
        QVERIFY(openCloudLogin());
        login(CloudUser, CloudPassword);
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->findPopup(QStringLiteral("gatewayLoginPopup")); }));
        replaceText(m_harness->find(QStringLiteral("gatewayUserField")), QStringLiteral("admin"));
        replaceText(m_harness->find(QStringLiteral("gatewayPasswordField")), QStringLiteral("falsch"));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("gatewayLoginButton"))));
        QVERIFY(ViewHarness::waitFor([&] {
            return shownText(QStringLiteral("gatewayLoginMessage")) == QStringLiteral("Ungültige Anmeldeinformationen.");
        }));
        QVERIFY(ViewHarness::text(m_harness->find(QStringLiteral("gatewayPasswordField"))).isEmpty());
        QVERIFY(m_server.state().value(QLatin1String("uploads")).toArray().isEmpty());
    }

    void severalGatewaysAreChosenInAWindow()
    {
        QVERIFY(m_server.set({{"gateways", QJsonArray{
            QJsonObject{{"name", "Halle 3"}, {"serial", "KQ-1001"}, {"type", "kq207m"}},
            QJsonObject{{"name", "Lager"}, {"serial", "XB-2002"}, {"type", "xb100"}},
            QJsonObject{{"name", "Büro"}, {"serial", "KQ-1003"}, {"type", "kq207m"}}}}}));
        QVERIFY(openCloudLogin());
        login(CloudUser, CloudPassword);
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().size() == 1; }));
        QQuickWindow* dialog = m_harness->dialogs().first();
        QCOMPARE(dialog->size(), QSize(768, 550));
        QVERIFY(!m_harness->findPopup(QStringLiteral("cloudLoginPopup")));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->find(QStringLiteral("gateway_KQ-1003")); }));
        QVERIFY(m_harness->find(QStringLiteral("gateway_KQ-1001")));
        QVERIFY(!m_harness->find(QStringLiteral("gateway_XB-2002")));
        QVERIFY(m_harness->find(QStringLiteral("SN: KQ-1003")));

        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("gateway_KQ-1003"))));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->find(QStringLiteral("Anmelden am Gerät KQ-1003")); }));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("cancelButton"))));
        dialog->close();
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().isEmpty(); }));
        QVERIFY(ViewHarness::waitFor([this] { return m_server.state().value(QLatin1String("logouts")).toInt() == 1; }));
    }

    void theCloudAddressIsAHiddenSetting()
    {
        network::NetworkService* network = network::NetworkService::m_instance;
        const QString kept = network->cloudAddress();
        QVERIFY(m_harness->triggerMenuAction(QStringLiteral("&App-Einstellungen...")));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().size() == 1; }));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->findByName(QStringLiteral("hiddenRowsCounter")); }));
        QVERIFY(!m_harness->find(QStringLiteral("cloudAddressField")));
        QQuickItem* counter = m_harness->findByName(QStringLiteral("hiddenRowsCounter"));
        QVERIFY(counter);
        for (int press = 0; press < 5; ++press) {
            QTest::qWait(100);
            QVERIFY(m_harness->clickAt(counter, QPointF(counter->width() - 5, counter->height() / 2)));
        }
        QQuickItem* field = m_harness->find(QStringLiteral("cloudAddressField"));
        QVERIFY(field);
        QCOMPARE(ViewHarness::text(field), kept);
        replaceText(field, QStringLiteral("cloud.example.org/app"));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("okSettingsButton"))));
        QCOMPARE(network->cloudAddress(), QStringLiteral("cloud.example.org/app"));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->dialogs().isEmpty(); }));
        network->setCloudAddress(kept);
    }

private:
    static QQuickItem* upload(QQuickItem* row)
    {
        return row->findChild<QQuickItem*>(QStringLiteral("uploadButton"));
    }

    static CloudController* mainCloud() { return MainController::instance().cloud(); }

    // The text of a shown item; empty while it is hidden.
    QString shownText(const QString& objectName) const
    {
        const QQuickItem* item = m_harness->find(objectName);
        return item ? ViewHarness::text(item) : QString();
    }

    bool openCloudLogin() const
    {
        QQuickItem* row = m_harness->find(QStringLiteral("project_") + ProjectName);
        if (!row || !m_harness->click(upload(row)))
            return false;
        const bool opened = ViewHarness::waitFor([this] {
            QObject* popup = m_harness->findPopup(QStringLiteral("cloudLoginPopup"));
            return popup && popup->property("opened").toBool();
        });
        if (!opened)
            qWarning() << "Open pop-ups:" << m_harness->openPopups();
        return opened;
    }

    void login(const QString& user, const QString& password) const
    {
        replaceText(m_harness->find(QStringLiteral("cloudUserField")), user);
        replaceText(m_harness->find(QStringLiteral("cloudPasswordField")), password);
        QQuickItem* button = m_harness->find(QStringLiteral("cloudLoginButton"));
        QVERIFY(ViewHarness::waitFor([button] { return button->isEnabled(); }));
        QVERIFY(m_harness->click(button));
    }

    void replaceText(QQuickItem* field, const QString& text) const
    {
        QVERIFY(field);
        // The first key after the window's activation would be lost.
        QVERIFY(m_harness->typeText(field, QString()));
        QVERIFY(ViewHarness::waitFor([field] { return field->hasActiveFocus() && QGuiApplication::focusWindow() == field->window(); }));
        QVERIFY(QMetaObject::invokeMethod(field, "selectAll"));
        QVERIFY(m_harness->typeText(field, text));
        QCOMPARE(ViewHarness::text(field), text);
    }

    CloudServer m_server;
    UrlCatcher m_urls;
    std::unique_ptr<ViewHarness> m_harness;
    QQuickWindow* m_window = nullptr;
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TestViewCloud test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_view_cloud.moc"
