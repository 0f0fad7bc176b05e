#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <core/settingsservice.h>
#include <serial/serialprotocol.h>

#include <memory>
#include <sys/socket.h>

#include "softwareupdateservice.h"
#include "tarvinoapp.h"
#include "viewharness.h"

// The software update in the views: the question after the check that the main window starts,
// held back while the serial link is busy, the two hidden settings rows and the update rows of
// the software information. The update comes from a local folder.

namespace {

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

} // namespace

class TestViewUpdate : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_served.isValid());
        QVERIFY(writeFile(m_served.filePath(QStringLiteral("installer.bin")), QByteArray("installer")));
        const QJsonObject entry{{QStringLiteral("version"), QStringLiteral("99.0.0")},
                                {QStringLiteral("file"),
                                 QUrl::fromLocalFile(m_served.filePath(QStringLiteral("installer.bin"))).toString()}};
        QVERIFY(writeFile(m_served.filePath(QStringLiteral("info.json")),
                          QJsonDocument(QJsonObject{{QStringLiteral("x64"), entry}}).toJson()));
        m_harness = std::make_unique<ViewHarness>();
        SoftwareUpdateService::m_instance->setSoftwareUpdateEndpoint(QUrl::fromLocalFile(m_served.path()).toString());
    }

    void cleanupTestCase() { m_harness.reset(); }

    void theHiddenRowsEditTheUpdateSettings_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("applied");
        QTest::newRow("OK") << "okSettingsButton" << true;
        QTest::newRow("Abbruch") << "cancelSettingsButton" << false;
    }

    void theHiddenRowsEditTheUpdateSettings()
    {
        QFETCH(QString, button);
        QFETCH(bool, applied);
        SoftwareUpdateService& service = *SoftwareUpdateService::m_instance;
        const QString endpoint = service.softwareUpdateEndpoint();
        const bool online = service.forceOnlineSoftwareUpdateSearch();
        m_harness->app().settingsService()->setDebugMode(true);
        QVERIFY(m_harness->load(QStringLiteral("app/views/GlobalSettingsView.qml")));
        QQuickItem* field = m_harness->find(QStringLiteral("updateEndpointField"));
        QVERIFY(field);
        QCOMPARE(ViewHarness::text(field), endpoint);
        field->forceActiveFocus();
        QVERIFY(QMetaObject::invokeMethod(field, "selectAll"));
        const QString typed = QStringLiteral("https://updates.example/app");
        QVERIFY(m_harness->typeText(field, typed));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("onlineUpdateSearchSwitch"))));
        QCOMPARE(service.softwareUpdateEndpoint(), endpoint);

        QVERIFY(m_harness->click(m_harness->find(button)));
        QCOMPARE(service.softwareUpdateEndpoint(), applied ? typed : endpoint);
        QCOMPARE(service.forceOnlineSoftwareUpdateSearch(), applied ? !online : online);
        const QString stored = m_harness->app().settingsService()->settingValue(QStringLiteral("softwareUpdateEndpoint")).toString();
        QCOMPARE(stored, service.softwareUpdateEndpoint());
        service.setSoftwareUpdateEndpoint(endpoint);
        service.setForceOnlineSoftwareUpdateSearch(online);
        m_harness->app().settingsService()->setDebugMode(false);
    }

    void theHiddenRowsStayHiddenWithoutTheDebugMode()
    {
        m_harness->app().settingsService()->setDebugMode(false);
        QVERIFY(m_harness->load(QStringLiteral("app/views/GlobalSettingsView.qml")));
        QVERIFY(!m_harness->find(QStringLiteral("updateEndpointField")));
        QVERIFY(!m_harness->find(QStringLiteral("onlineUpdateSearchSwitch")));
    }

    void theSoftwareInformationShowsTheUpdateSettings()
    {
        m_harness->app().settingsService()->setSettingValueFromStringKey(QStringLiteral("lastSoftwareUpdateChecked"),
                                                                        QStringLiteral("01022026"));
        QVERIFY(m_harness->load(QStringLiteral("app/views/SoftwareInfoView.qml")));
        QVERIFY(!m_harness->find(QStringLiteral("debugUpdateEndpoint")));
        QQuickItem* banner = m_harness->find(QStringLiteral("softwareInfoBanner"));
        for (int press = 0; press < 5; ++press)
            QVERIFY(m_harness->click(banner));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->find(QStringLiteral("debugUpdateEndpoint")); }));
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("debugUpdateEndpoint"))),
                 SoftwareUpdateService::m_instance->softwareUpdateEndpoint());
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("debugOnlineUpdateSearch"))),
                 SoftwareUpdateService::m_instance->forceOnlineSoftwareUpdateSearch() ? QStringLiteral("always")
                                                                                      : QStringLiteral("once a day"));
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("debugLastUpdateCheck"))), QStringLiteral("01022026"));
    }

    // The check starts with the main window; the question waits for the serial transfer.
    void theUpdateIsOfferedOnceTheSerialLinkIsFree()
    {
        SoftwareUpdateService& service = *SoftwareUpdateService::m_instance;
        service.setDelays(0, 0);
        QSignalSpy offered(&service, &SoftwareUpdateService::showSoftwareUpdate);
        // A device that never answers keeps the link busy until the reply times out.
        int fds[2];
        QVERIFY(::socketpair(AF_UNIX, SOCK_STREAM, 0, fds) == 0);
        QLocalSocket program;
        QLocalSocket device;
        program.setSocketDescriptor(fds[0]);
        device.setSocketDescriptor(fds[1]);
        serial::SerialProtocol& link = serial::SerialProtocol::instance();
        link.setDevice(&program);
        // Each timed-out read starts the next at once, so the link stays busy however long the
        // main window takes to load.
        bool keepBusy = true;
        const QMetaObject::Connection again = connect(&link, &serial::SerialProtocol::operationError, this, [&] {
            if (keepBusy)
                link.readProgramAsync();
        });
        link.readProgramAsync();
        QVERIFY(link.busy());

        QVERIFY(m_harness->loadMain());
        QVERIFY(ViewHarness::waitFor([&offered] { return offered.count() == 1; }, 10000));
        QTest::qWait(2500);
        QVERIFY(link.busy());
        QVERIFY(!m_harness->findPopup(QStringLiteral("softwareUpdatePopup")));
        keepBusy = false;
        QVERIFY(ViewHarness::waitFor([&link] { return !link.busy(); }, 10000));
        disconnect(again);
        link.setDevice(nullptr);

        QObject* popup = waitForPopup(QStringLiteral("softwareUpdatePopup"));
        QVERIFY(popup);
        QCOMPARE(popup->property("title").toString(), QStringLiteral("Software aktualisieren"));
        QCOMPARE(popup->property("contentText").toString(),
                 QStringLiteral("Es ist eine neue Version verfügbar, möchten Sie diese installieren?"));
        QVERIFY(!m_harness->find(QStringLiteral("cancelButton")));
        QCOMPARE(ViewHarness::text(m_harness->find(QStringLiteral("acceptButton"))), QStringLiteral("Installieren"));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("rejectButton"))));
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->findPopup(QStringLiteral("softwareUpdatePopup")); }));
        QCOMPARE(offered.count(), 1);
    }

private:
    QObject* waitForPopup(const QString& name) const
    {
        QObject* popup = nullptr;
        const bool opened = ViewHarness::waitFor([&] {
            popup = m_harness->findPopup(name);
            return popup && popup->property("opened").toBool();
        });
        return opened ? popup : nullptr;
    }

    QTemporaryDir m_served;
    std::unique_ptr<ViewHarness> m_harness;
};

QTEST_MAIN(TestViewUpdate)
#include "tst_view_update.moc"
