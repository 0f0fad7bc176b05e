#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include "cloudfixture.h"
#include "gatewayscontroller.h"

using cloudfixture::CloudFixture;
using network::Gateway;

namespace {

const QString GatewaysKey = QString::fromLatin1(CloudCredentials::GatewaysKey);

Gateway gateway(const char* name, const char* serial)
{
    return Gateway(QJsonObject{{"name", name}, {"serial", serial}, {"type", "kq207m"}});
}

QJsonObject credentials(const char* username, const char* password)
{
    return {{"username", username}, {"password", password}};
}

} // namespace

class TestGatewaysController : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { cloudfixture::setProgramIdentity(); }

    void init()
    {
        QSettings().clear();
        fixture = std::make_unique<CloudFixture>();
        gateways = std::make_unique<GatewaysController>(nullptr);
    }

    void cleanup()
    {
        gateways.reset();
        fixture.reset();
    }

    void listsTheGateways()
    {
        QCOMPARE(gateways->roleNames(), (QHash<int, QByteArray>{{257, "name"}, {258, "serialNumber"}}));
        QSignalSpy reset(gateways.get(), &QAbstractItemModel::modelReset);
        gateways->setGateways({gateway("Halle 3", "KQ-1001"), gateway("Büro", "KQ-1003")});
        QCOMPARE(reset.count(), 1);
        QCOMPARE(gateways->rowCount(), 2);
        QCOMPARE(gateways->index(1).data(257).toString(), QStringLiteral("Büro"));
        QCOMPARE(gateways->index(1).data(258).toString(), QStringLiteral("KQ-1003"));
        QVERIFY(!gateways->index(1).data(Qt::DisplayRole).isValid());
        QVERIFY(!gateways->data(gateways->index(2), 257).isValid());
        QCOMPARE(gateways->firstGatewaySerial(), QStringLiteral("KQ-1001"));
        QCOMPARE(gateways->gatewayAt(1).serial(), QStringLiteral("KQ-1003"));
        QVERIFY(!gateways->gatewayAt(2).isValid());
        QVERIFY(!gateways->gatewayAt(-1).isValid());

        gateways->clear();
        QCOMPARE(reset.count(), 2);
        QCOMPARE(gateways->rowCount(), 0);
        QCOMPARE(gateways->firstGatewaySerial(), QString());
    }

    void credentialsAreRememberedPerGateway()
    {
        gateways->setGatewayCredentials(QStringLiteral("KQ-1001"), QStringLiteral("admin"), QStringLiteral("gw-pass"));
        gateways->setGatewayCredentials(QStringLiteral("KQ-1003"), QStringLiteral("büro"), QStringLiteral("pässword"));
        QVERIFY(gateways->hasGatewayCredentials(QStringLiteral("KQ-1001")));
        QCOMPARE(gateways->gatewayCredentials(QStringLiteral("KQ-1001")), credentials("admin", "gw-pass"));
        QCOMPARE(gateways->gatewayCredentials(QStringLiteral("KQ-1003")), credentials("büro", "pässword"));
        QVERIFY(!gateways->hasGatewayCredentials(QStringLiteral("KQ-1002")));
        QCOMPARE(gateways->gatewayCredentials(QStringLiteral("KQ-1002")), QJsonObject());

        // Stored as a map of two scrambled texts per serial number.
        const QVariantMap stored = fixture->settings->settingValue(GatewaysKey).toMap();
        QCOMPARE(stored.keys(), QStringList({"KQ-1001", "KQ-1003"}));
        const QStringList entry = stored.value(QStringLiteral("KQ-1001")).toStringList();
        QCOMPARE(entry.size(), 2);
        QVERIFY(!entry.at(0).contains(QStringLiteral("admin")));
        QVERIFY(!entry.at(1).contains(QStringLiteral("gw-pass")));

        // A new controller, as after a restart, reads them back.
        GatewaysController later(nullptr);
        QCOMPARE(later.gatewayCredentials(QStringLiteral("KQ-1003")), credentials("büro", "pässword"));
    }

    void emptyCredentialsForgetTheGateway_data()
    {
        QTest::addColumn<QString>("username");
        QTest::addColumn<QString>("password");
        QTest::newRow("no user name") << QString() << "gw-pass";
        QTest::newRow("no password") << "admin" << QString();
        QTest::newRow("neither") << QString() << QString();
    }
    void emptyCredentialsForgetTheGateway()
    {
        QFETCH(QString, username);
        QFETCH(QString, password);
        gateways->setGatewayCredentials(QStringLiteral("KQ-1001"), QStringLiteral("admin"), QStringLiteral("gw-pass"));
        gateways->setGatewayCredentials(QStringLiteral("KQ-1003"), QStringLiteral("büro"), QStringLiteral("pässword"));
        gateways->setGatewayCredentials(QStringLiteral("KQ-1001"), username, password);
        QVERIFY(!gateways->hasGatewayCredentials(QStringLiteral("KQ-1001")));
        QVERIFY(gateways->hasGatewayCredentials(QStringLiteral("KQ-1003")));
        QCOMPARE(fixture->settings->settingValue(GatewaysKey).toMap().keys(), QStringList{"KQ-1003"});
    }

    void emptySerialChangesNothing()
    {
        QSignalSpy changed(fixture->settings.get(), &core::SettingsService::settingChanged);
        gateways->setGatewayCredentials(QString(), QStringLiteral("admin"), QStringLiteral("gw-pass"));
        QCOMPARE(changed.count(), 0);
        QVERIFY(!fixture->settings->settingValue(GatewaysKey).isValid());
    }

    void damagedEntriesCountAsNothingRemembered()
    {
        fixture->settings->setSettingValueFromStringKey(
            GatewaysKey,
            QVariantMap{{"one text", QStringList{"x"}}, {"a number", 7}, {"three texts", QStringList{"a", "b", "c"}}});
        for (const char* serial : {"one text", "a number", "three texts"}) {
            QVERIFY(!gateways->hasGatewayCredentials(QString::fromLatin1(serial)));
            QCOMPARE(gateways->gatewayCredentials(QString::fromLatin1(serial)), QJsonObject());
        }
    }

    void damagedScrambledTextReadsEmpty()
    {
        gateways->setGatewayCredentials(QStringLiteral("KQ-1001"), QStringLiteral("admin"), QStringLiteral("gw-pass"));
        QVariantMap stored = fixture->settings->settingValue(GatewaysKey).toMap();
        QStringList entry = stored.value(QStringLiteral("KQ-1001")).toStringList();
        entry[1] = entry.at(1).left(entry.at(1).size() - 4) + QStringLiteral("AAAA");
        stored.insert(QStringLiteral("KQ-1001"), entry);
        fixture->settings->setSettingValueFromStringKey(GatewaysKey, stored);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("damaged")));
        QCOMPARE(gateways->gatewayCredentials(QStringLiteral("KQ-1001")), credentials("admin", ""));
    }

private:
    std::unique_ptr<CloudFixture> fixture;
    std::unique_ptr<GatewaysController> gateways;
};

QTEST_MAIN(TestGatewaysController)
#include "tst_gatewayscontroller.moc"
