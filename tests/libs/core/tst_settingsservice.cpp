#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QQmlPropertyMap>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QSize>
#include <QTest>
#include <QTime>
#include <QTimeZone>
#include <QUrl>
#include <limits>
#include <memory>
#include <vector>

#include <core/locationconsent.h>
#include <core/settingsservice.h>

using core::SettingsService;

namespace {

const QString PathKey = QStringLiteral("test/path");
const QString CountKey = QStringLiteral("test/count");
const QString NoDefaultKey = QStringLiteral("test/noDefault");
const QString GatewaysKey = QStringLiteral("Credentials/Gateways");

// Prepares and inspects the store behind the service's back, as another run of the program would.
void writeRaw(const QString& key, const QString& text)
{
    QSettings().setValue(key, text);
}

QString rawText(const QString& key)
{
    return QSettings().value(key).toString();
}

bool storeContains(const QString& key)
{
    return QSettings().contains(key);
}

QString typePrefix(const QVariant& value)
{
    return QString::number(value.typeId()) + QLatin1Char('_');
}

std::unique_ptr<SettingsService> start()
{
    auto service = std::make_unique<SettingsService>();
    service->initialize();
    return service;
}

// A restart: the running service goes, a new one loads the same store.
std::unique_ptr<SettingsService> restart(std::unique_ptr<SettingsService> service)
{
    service.reset();
    return start();
}

} // namespace

class TestSettingsService : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("TarvinoTests"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_settingsservice"));
        SettingsService::registerSetting(PathKey, QStringLiteral("dataPath"), QStringLiteral("none"));
        SettingsService::registerSetting(CountKey, QStringLiteral("count"), 3);
        SettingsService::registerSetting(NoDefaultKey, QStringLiteral("noDefault"), QVariant());
        SettingsService::registerSetting(GatewaysKey, QStringLiteral("credentialsGateways"), QVariant());
    }

    void init()
    {
        QSettings().clear();
        QSettings(QCoreApplication::organizationName()).clear();
        core::LocationConsent::setSourceCheck({});
    }

    void firstStartWritesAndRestoresEveryDefault()
    {
        const auto service = start();

        QCOMPARE(rawText(QStringLiteral("debugMode")), QStringLiteral("1_false"));
        QCOMPARE(rawText(QStringLiteral("demoMode")), QStringLiteral("1_false"));
        QCOMPARE(rawText(QStringLiteral("settings/AcceptedTermsAndConditions")), QStringLiteral("1_false"));
        QCOMPARE(rawText(PathKey), QStringLiteral("10_none"));
        QCOMPARE(rawText(CountKey), QStringLiteral("2_3"));

        const QVariant debugMode = service->settingValue(QStringLiteral("debugMode"));
        QCOMPARE(debugMode.typeId(), QMetaType::Bool);
        QCOMPARE(debugMode.toBool(), false);
        QCOMPARE(service->settingValue(CountKey), QVariant(3));
        QCOMPARE(service->settingsMap()->value(QStringLiteral("dataPath")), QVariant(QStringLiteral("none")));
    }

    void settingWithoutDefaultStaysUnsetUntilSet()
    {
        auto service = start();
        QVERIFY(!storeContains(NoDefaultKey));
        QVERIFY(!storeContains(QStringLiteral("interface/language")));
        QVERIFY(!service->settingValue(NoDefaultKey).isValid());
        QVERIFY(!service->settingsMap()->contains(QStringLiteral("noDefault")));
        QCOMPARE(service->interfaceLanguage(), QString());

        service->setSettingValueFromStringKey(NoDefaultKey, QStringLiteral("set"));
        QCOMPARE(service->settingValue(NoDefaultKey), QVariant(QStringLiteral("set")));
        service = restart(std::move(service));
        QCOMPARE(service->settingValue(NoDefaultKey), QVariant(QStringLiteral("set")));
    }

    void restoresStoredText_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("expected");

        QTest::newRow("int stored for a bool setting") << QStringLiteral("debugMode") << "2_5" << QVariant(5);
        QTest::newRow("bool") << QStringLiteral("debugMode") << "1_true" << QVariant(true);
        QTest::newRow("negative int") << CountKey << "2_-1" << QVariant(-1);
        QTest::newRow("path holding its own type prefix")
            << PathKey << "10_C:/data/run10_a" << QVariant(QStringLiteral("C:/data/run10_a"));
        QTest::newRow("empty string") << PathKey << "10_" << QVariant(QString());
        QTest::newRow("string with separators") << PathKey << "10_a, b; c=d" << QVariant(QStringLiteral("a, b; c=d"));
    }

    void restoresStoredText()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QVariant, expected);
        writeRaw(key, text);

        const auto service = start();

        const QVariant value = service->settingValue(key);
        QCOMPARE(value.typeId(), expected.typeId());
        QCOMPARE(value, expected);
        QCOMPARE(rawText(key), text);
    }

    void replacesUnreadableTextByDefault_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("expected");
        QTest::addColumn<QString>("storedDefault");

        const QString debugMode = QStringLiteral("debugMode");
        QTest::newRow("bare true") << debugMode << debugMode << "true" << QVariant(false) << "1_false";
        QTest::newRow("unknown type number") << debugMode << debugMode << "99999_true" << QVariant(false) << "1_false";
        QTest::newRow("no type number") << CountKey << "count"
                                        << "abc_5" << QVariant(3) << "2_3";
        QTest::newRow("negative type number") << PathKey << "dataPath"
                                              << "-5_x" << QVariant(QStringLiteral("none")) << "10_none";
        QTest::newRow("broken data-stream form")
            << PathKey << "dataPath" << "8_@@not base64@@" << QVariant(QStringLiteral("none")) << "10_none";
        QTest::newRow("truncated data-stream form")
            << PathKey << "dataPath" << "11_AAAA" << QVariant(QStringLiteral("none")) << "10_none";
    }

    // The default takes the value's place in the map as well, so the setting is valid for this run.
    void replacesUnreadableTextByDefault()
    {
        QFETCH(QString, key);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QVariant, expected);
        QFETCH(QString, storedDefault);
        writeRaw(key, text);

        QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Cannot restore setting :") + name));
        const auto service = start();

        QCOMPARE(rawText(key), storedDefault);
        QCOMPARE(service->settingValue(key), expected);
        QCOMPARE(service->settingsMap()->value(name), expected);
    }

    void unreadableTextWithoutDefaultIsNotRestored()
    {
        writeRaw(NoDefaultKey, QStringLiteral("true"));
        QTest::ignoreMessage(QtWarningMsg, "Cannot restore setting :noDefault");
        const auto service = start();
        QVERIFY(!service->settingValue(NoDefaultKey).isValid());
        QVERIFY(!service->settingsMap()->contains(QStringLiteral("noDefault")));
    }

    void valueSurvivesRestart_data()
    {
        QTest::addColumn<QVariant>("value");

        QTest::newRow("bool") << QVariant(true);
        QTest::newRow("int") << QVariant(-42);
        QTest::newRow("long long") << QVariant(std::numeric_limits<qlonglong>::min());
        QTest::newRow("unsigned long long") << QVariant(std::numeric_limits<qulonglong>::max());
        QTest::newRow("unsigned int") << QVariant(std::numeric_limits<uint>::max());
        QTest::newRow("double") << QVariant(0.1);
        QTest::newRow("float") << QVariant(0.1f);
        QTest::newRow("string with underscores and commas") << QVariant(QStringLiteral("run_10, a=b; c"));
        QTest::newRow("empty string") << QVariant(QString(""));
        QTest::newRow("string with outer spaces") << QVariant(QStringLiteral("  padded  "));
        QTest::newRow("multi-line non-Latin text") << QVariant(QStringLiteral("Ελληνικά €\n\t\"quoted\" \\ @x"));
        QTest::newRow("underscore character") << QVariant(QChar(u'_'));
        QTest::newRow("letter") << QVariant(QChar(u'ß'));
        QTest::newRow("date") << QVariant(QDate(2024, 12, 10));
        QTest::newRow("no date") << QVariant(QDate());
        QTest::newRow("time with milliseconds") << QVariant(QTime(23, 5, 7, 123));
        QTest::newRow("url") << QVariant(QUrl(QStringLiteral("file:///home/user/my projects/a.ot2")));
        QTest::newRow("date and time") << QVariant(QDateTime(QDate(2024, 3, 31), QTime(2, 30), QTimeZone::utc()));
        QTest::newRow("empty string list") << QVariant(QStringList());
        QTest::newRow("one-element string list") << QVariant(QStringList{QStringLiteral("only")});
        QTest::newRow("string list") << QVariant(QStringList{QStringLiteral("a,b"), QString(), QStringLiteral("c_d")});
        QTest::newRow("empty list") << QVariant(QVariantList());
        QTest::newRow("mixed list") << QVariant(QVariantList{1, QStringLiteral("x"), true, QVariantList{2.5}});
        QTest::newRow("empty map") << QVariant(QVariantMap());
        QTest::newRow("gateway credentials")
            << QVariant(QVariantMap{
                   {QStringLiteral("OT2-4711-0001"), QStringList{QStringLiteral("user"), QStringLiteral("secret")}},
                   {QStringLiteral("OT2-4711-0002"), QStringList{QStringLiteral("a_b"), QStringLiteral("=,;")}}});
        QTest::newRow("hash") << QVariant(QVariantHash{{QStringLiteral("k"), 1}});
        QTest::newRow("byte array with zero bytes") << QVariant(QByteArray("\x00\x01_\xff", 4));
        QTest::newRow("empty byte array") << QVariant(QByteArray());
        QTest::newRow("size") << QVariant(QSize(640, 480));
        QTest::newRow("invalid size") << QVariant(QSize());
    }

    void valueSurvivesRestart()
    {
        QFETCH(QVariant, value);
        auto service = start();
        service->setSettingValueFromStringKey(NoDefaultKey, value);
        QVERIFY(rawText(NoDefaultKey).startsWith(typePrefix(value)));

        service = restart(std::move(service));

        const QVariant restored = service->settingValue(NoDefaultKey);
        QCOMPARE(restored.typeId(), value.typeId());
        QCOMPARE(restored, value);
    }

    void gatewayCredentialsKeepTheirPairs()
    {
        const QVariantMap gateways{{QStringLiteral("OT2-0815"), QStringList{QStringLiteral("u"), QStringLiteral("p")}}};
        auto service = start();
        service->setSettingValue(QStringLiteral("credentialsGateways"), gateways);

        service = restart(std::move(service));

        const QVariantMap restored = service->settingValue(GatewaysKey).toMap();
        QCOMPARE(restored.keys(), QStringList{QStringLiteral("OT2-0815")});
        QCOMPARE(restored.value(QStringLiteral("OT2-0815")).toStringList(),
                 (QStringList{QStringLiteral("u"), QStringLiteral("p")}));
    }

    // A value that would not read back (an object, a type numbered at run time) is refused.
    void valueWithoutStoredFormIsRefused_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("object") << QVariant::fromValue<QObject*>(this);
        QTest::newRow("object in a list") << QVariant(QVariantList{1, QVariant::fromValue<QObject*>(this)});
        QTest::newRow("object in a map") << QVariant(QVariantMap{{QStringLiteral("k"), QVariant::fromValue<QObject*>(this)}});
        QTest::newRow("no value") << QVariant();
    }

    void valueWithoutStoredFormIsRefused()
    {
        QFETCH(QVariant, value);
        auto service = start();
        service->setSettingValueFromStringKey(CountKey, 7);
        QSignalSpy changed(service.get(), &SettingsService::settingChanged);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("test/count not changed: a value of type .* cannot be stored")));
        service->setSettingValueFromStringKey(CountKey, value);
        QCOMPARE(service->settingValue(CountKey), QVariant(7));
        QCOMPARE(rawText(CountKey), QStringLiteral("2_7"));
        QCOMPARE(changed.count(), 0);
    }

    void startRemovesUnregisteredKeysButKeepsFileDialogKeys()
    {
        writeRaw(QStringLiteral("oldKey"), QStringLiteral("1_true"));
        writeRaw(QStringLiteral("oldGroup/oldKey"), QStringLiteral("2_1"));
        writeRaw(QStringLiteral("QQControlsFileDialog/lastFolder"), QStringLiteral("file:///tmp"));
        writeRaw(QStringLiteral("QQControlsFileDialog/favoriteFolders"), QStringLiteral("x"));
        writeRaw(QStringLiteral("qqcontrolsfiledialog/lastFolder"), QStringLiteral("file:///tmp"));

        const auto service = start();

        QVERIFY(!storeContains(QStringLiteral("oldKey")));
        QVERIFY(!storeContains(QStringLiteral("oldGroup/oldKey")));
        QVERIFY(!storeContains(QStringLiteral("qqcontrolsfiledialog/lastFolder")));
        QCOMPARE(rawText(QStringLiteral("QQControlsFileDialog/lastFolder")), QStringLiteral("file:///tmp"));
        QCOMPARE(rawText(QStringLiteral("QQControlsFileDialog/favoriteFolders")), QStringLiteral("x"));
        QVERIFY(!service->settingsMap()->contains(QStringLiteral("oldKey")));
    }

    void organisationWideValuesAreNotRead()
    {
        QSettings organisationWide(QCoreApplication::organizationName());
        organisationWide.setValue(QStringLiteral("debugMode"), QStringLiteral("1_true"));
        organisationWide.sync();

        const auto service = start();

        QCOMPARE(service->debugMode(), false);
        QCOMPARE(organisationWide.value(QStringLiteral("debugMode")).toString(), QStringLiteral("1_true"));
    }

    void nonPersistentSetChangesOnlyTheMap()
    {
        auto service = start();
        QSignalSpy changed(service.get(), &SettingsService::settingChanged);
        QSignalSpy debugChanged(service.get(), &SettingsService::debugModeChanged);

        service->setSettingValue(QStringLiteral("debugMode"), true, false);

        QCOMPARE(service->settingsMap()->value(QStringLiteral("debugMode")), QVariant(true));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("debugMode"));
        QCOMPARE(debugChanged.count(), 1);
        QCOMPARE(rawText(QStringLiteral("debugMode")), QStringLiteral("1_false"));

        service = restart(std::move(service));
        QCOMPARE(service->debugMode(), false);
    }

    void unchangedValueIsWrittenAndAnnouncedAgain()
    {
        const auto service = start();
        writeRaw(CountKey, QStringLiteral("2_9"));
        QSignalSpy changed(service.get(), &SettingsService::settingChanged);

        service->setSettingValueFromStringKey(CountKey, 3);

        QCOMPARE(rawText(CountKey), QStringLiteral("2_3"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toString(), CountKey);
    }

    void unregisteredNameOrKeyIsIgnored()
    {
        const auto service = start();
        QSignalSpy changed(service.get(), &SettingsService::settingChanged);

        service->setSettingValue(QStringLiteral("nobody"), 1);
        service->setSettingValueFromStringKey(QStringLiteral("no/key"), 1);

        QCOMPARE(changed.count(), 0);
        QVERIFY(!storeContains(QStringLiteral("no/key")));
        QVERIFY(!storeContains(QStringLiteral("nobody")));
        QVERIFY(!service->settingsMap()->contains(QStringLiteral("nobody")));
    }

    void typedSignalFollowsEveryWritePath_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("byName");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QByteArray>("signal");

        const auto rows = [](const char* name, const char* key, const QVariant& value, const char* signal) {
            QTest::addRow("%s by name", name) << QString::fromLatin1(name) << QString::fromLatin1(key) << true
                                              << value << QByteArray(signal);
            QTest::addRow("%s by key", name) << QString::fromLatin1(name) << QString::fromLatin1(key) << false
                                             << value << QByteArray(signal);
        };
        rows("debugMode", "debugMode", true, SIGNAL(debugModeChanged(bool)));
        rows("demoMode", "demoMode", true, SIGNAL(demoModeChanged(bool)));
        rows("hasAcceptedLegalTerms", "settings/AcceptedTermsAndConditions", true,
             SIGNAL(hasAcceptedLegalTermsChanged()));
        rows("interfaceLanguage", "interface/language", QStringLiteral("fr"), SIGNAL(interfaceLanguageChanged(QString)));
    }

    // Exactly one typed signal, once, and only for a real change; settingChanged comes every time.
    void typedSignalFollowsEveryWritePath()
    {
        QFETCH(QString, name);
        QFETCH(QString, key);
        QFETCH(bool, byName);
        QFETCH(QVariant, value);
        QFETCH(QByteArray, signal);
        const auto service = start();

        const QList<QByteArray> typedSignals{SIGNAL(debugModeChanged(bool)), SIGNAL(demoModeChanged(bool)),
                                             SIGNAL(hasAcceptedLegalTermsChanged()),
                                             SIGNAL(interfaceLanguageChanged(QString))};
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const QByteArray& typed : typedSignals)
            spies.push_back(std::make_unique<QSignalSpy>(service.get(), typed.constData()));
        QSignalSpy changed(service.get(), &SettingsService::settingChanged);

        for (int i = 0; i < 2; ++i) {
            if (byName)
                service->setSettingValue(name, value);
            else
                service->setSettingValueFromStringKey(key, value);
        }

        QCOMPARE(changed.count(), 2);
        for (qsizetype i = 0; i < typedSignals.size(); ++i) {
            const QSignalSpy& spy = *spies.at(i);
            QCOMPARE(spy.count(), typedSignals.at(i) == signal ? 1 : 0);
            if (!spy.isEmpty() && !spy.at(0).isEmpty())
                QCOMPARE(spy.at(0).at(0), value);
        }
    }

    void typedSetterWithCurrentValueEmitsNothing()
    {
        const auto service = start();
        service->setDebugMode(true);
        QSignalSpy debugChanged(service.get(), &SettingsService::debugModeChanged);
        QSignalSpy changed(service.get(), &SettingsService::settingChanged);

        service->setDebugMode(true);
        service->setDemoMode(false);
        service->setHasAcceptedLegalTerms(false);

        QCOMPARE(debugChanged.count(), 0);
        QCOMPARE(changed.count(), 0);
    }

    void typedSetterStoresAndAnnounces()
    {
        auto service = start();
        QSignalSpy accepted(service.get(), &SettingsService::hasAcceptedLegalTermsChanged);

        service->setHasAcceptedLegalTerms(true);

        QCOMPARE(accepted.count(), 1);
        QCOMPARE(rawText(QStringLiteral("settings/AcceptedTermsAndConditions")), QStringLiteral("1_true"));
        service = restart(std::move(service));
        QVERIFY(service->hasAcceptedLegalTerms());
    }

    // Writes from QML land in the map only; the service does not watch it.
    void directMapWriteChangesOnlyTheMap()
    {
        const auto service = start();
        QSignalSpy changed(service.get(), &SettingsService::settingChanged);
        QSignalSpy debugChanged(service.get(), &SettingsService::debugModeChanged);
        QSignalSpy mapChanged(service->settingsMap(), &QQmlPropertyMap::valueChanged);

        QVERIFY(service->settingsMap()->setProperty("debugMode", true));

        QCOMPARE(mapChanged.count(), 1);
        QCOMPARE(service->settingsMap()->value(QStringLiteral("debugMode")), QVariant(true));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(debugChanged.count(), 0);
        QCOMPARE(rawText(QStringLiteral("debugMode")), QStringLiteral("1_false"));
    }

    void locationConsentFollowsPositionSources_data()
    {
        QTest::addColumn<bool>("available");
        QTest::newRow("position source offered") << true;
        QTest::newRow("no position source") << false;
    }

    void locationConsentFollowsPositionSources()
    {
        QFETCH(bool, available);
        core::LocationConsent::setSourceCheck([available] { return available; });
        const auto service = start();
        QCOMPARE(service->deviceLocationEnabled(), available);
        QCOMPARE(service->appsAllowedToUseLocation(), available);
    }

    void printInfosListsMapAndStoreInOneLine()
    {
        const auto service = start();
        service->setSettingValueFromStringKey(CountKey, 7, false);
        const QRegularExpression line(QStringLiteral("^\nTemp settings :\n.*key = count, value = 7\n.*"
                                                     "\nPersistant settings :\n.*key = test/count, value = 2_3\n"),
                                      QRegularExpression::DotMatchesEverythingOption);
        QTest::ignoreMessage(QtDebugMsg, line);
        service->printInfos();
    }

    void installedCodecReplacesStoredText()
    {
        const auto startWithCodec = [] {
            auto service = std::make_unique<SettingsService>();
            service->setEncryptFunction([](const QVariant& value) { return QStringLiteral("secret:") + value.toString(); });
            service->setDecryptFunction([](const QString& text) -> QVariant {
                return text.startsWith(QStringLiteral("secret:")) ? QVariant(text.mid(7)) : QVariant();
            });
            service->initialize();
            return service;
        };
        auto service = startWithCodec();
        service->setSettingValueFromStringKey(NoDefaultKey, QStringLiteral("pw_1"));
        QCOMPARE(rawText(NoDefaultKey), QStringLiteral("secret:pw_1"));

        service.reset();
        service = startWithCodec();
        QCOMPARE(service->settingValue(NoDefaultKey), QVariant(QStringLiteral("pw_1")));
    }
};

QTEST_GUILESS_MAIN(TestSettingsService)
#include "tst_settingsservice.moc"
