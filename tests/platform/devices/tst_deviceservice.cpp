#include <devices/deviceservice.h>

#include <QFile>
#include <QJSEngine>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using devices::Device;
using devices::DeviceService;

namespace {

const char* const CataloguePath = ":/data/devices.json";

const char* const FlagKeys[] = {
    "hasImpuls", "hasZyclus", "hasAstroImpuls", "hasAstroTime", "hasExternalInput",
    "hasChannelCombination", "hasEasterRule", "hasRandomHolidaysStatus", "canAffectLightSensors",
    "canSetManualDateTime", "canSetManualHolidays", "hasTimer", "hasAccident",
    "timezoneIsSettable", "hasToggleFunction", "hasCustomDaylightSavingsRules",
    "hasLcdIllumination", "canSetSecondsForTimerExtInput", "hasOptionSettings", "canSetSchalter",
    "yearlyProgram", "hasOwnAstroTable", "extraProgramWithSwitches", "canSelectChannelType",
    "hasIranDaylightSavingsRules", "hasExtensionModule", "hasSignalFunction",
    "hasInternalBleModule", "hasExternalInputEmergencyOff", "hasEarthHour", "hideExternalInput",
    "hasOperatingTime", "hasKNX", "showRcSupport", "hasDateTimeSettings", "hasVaccancy",
    "cloudDevice",
};

// Queries answered straight from a number of the entry: query name, key, value when absent.
const struct {
    const char* query;
    const char* key;
    int absent;
} NumberQueries[] = {
    {"channelNumber", "channels", 0},
    {"programms", "programs", 0},
    {"deviceType", "type", 0},
    {"luxSettingType", "luxSettingType", 0},
    {"maxSz", "memory", 0},
    {"memory", "memory", 0},
    {"inputs", "inputs", 0},
    {"rixVersion", "rixVersion", 0},
    {"tarvinoVarVersion", "tarvinoVarVersion", 0},
    {"eepromLanguageAddress", "eepromLanguageAddress", 0},
    {"defaultExternalInput", "defaultExternalInput", -1},
    {"defaultLatitude", "defaultLatitude", -1},
    {"defaultLongitude", "defaultLongitude", -1},
    {"defaultTimezone", "defaultTimezone", -1},
    {"defaultFirstChar", "defaultFirstChar", -1},
    {"defaultChecksum", "defaultChecksum", -1},
};

QJsonArray catalogueEntries()
{
    QFile file(QString::fromLatin1(CataloguePath));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("the catalogue resource is missing");
    return QJsonDocument::fromJson(file.readAll()).object().value("devices").toArray();
}

bool callBool(DeviceService& service, const char* query, int ot2)
{
    bool result = false;
    if (!QMetaObject::invokeMethod(&service, query, Q_RETURN_ARG(bool, result), Q_ARG(int, ot2)))
        qFatal("no invokable query %s", query);
    return result;
}

int callInt(DeviceService& service, const char* query, int ot2)
{
    int result = 0;
    if (!QMetaObject::invokeMethod(&service, query, Q_RETURN_ARG(int, result), Q_ARG(int, ot2)))
        qFatal("no invokable query %s", query);
    return result;
}

// The summer/winter rule list as the rule combo box of a model builds it.
QStringList ruleList(const QJsonObject& entry)
{
    QStringList rules{"none", "Europe", "West Europe", "East Europe", "Canada", "USA"};
    if (entry.value("hasIranDaylightSavingsRules").toBool())
        rules << "Iran";
    if (entry.value("hasCustomDaylightSavingsRules").toBool()) {
        rules << "New Zealand";
        if (entry.value("hasInternalBleModule").toBool())
            rules << "Australia";
        rules << "own rule" << "own table";
    } else {
        rules << "free rule" << "fixed date" << "Australia";
    }
    return rules;
}

bool canBeAstronomic(const QJsonObject& entry)
{
    const int type = entry.value("type").toInt();
    return type == 1 || type == 3 || entry.value("canSelectChannelType").toBool();
}

} // namespace

class TestDeviceService : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void queries_data();
    void queries();
    void deviceValue_data();
    void deviceValue();
    void ruleIndexes_data();
    void ruleIndexes();
    void unknownOt2_data();
    void unknownOt2();
    void unknownLanguageIdentifier();
    void catalogueCoversTheCapabilities();
    void listModel();
    void queriesFromJavaScript();
    void unreadableCatalogue();
    void brokenCatalogueIsServed();
    void backgroundReadServesEveryReader_data();
    void backgroundReadServesEveryReader();
    void explicitReadAfterBackgroundReadWins();

private:
    DeviceService* m_service = nullptr;
};

void TestDeviceService::initTestCase()
{
    m_service = new DeviceService;
    DeviceService::m_instance = m_service;
    QVERIFY(m_service->init(QString::fromLatin1(CataloguePath)));
    QVERIFY(DeviceService::hasInstance());
    QCOMPARE(&DeviceService::instance(), m_service);
}

void TestDeviceService::cleanupTestCase()
{
    delete m_service;
    QVERIFY(!DeviceService::hasInstance());
}

void TestDeviceService::queries_data()
{
    QTest::addColumn<QJsonObject>("entry");
    for (const QJsonValue& value : catalogueEntries()) {
        const QJsonObject entry = value.toObject();
        QTest::newRow(qPrintable(entry.value("name").toString())) << entry;
    }
}

void TestDeviceService::queries()
{
    QFETCH(QJsonObject, entry);
    const int ot2 = entry.value("ot2_number").toInt();
    DeviceService& service = *m_service;

    QVERIFY(service.exists(ot2));
    QCOMPARE(service.deviceNameFromOt2(ot2), entry.value("name").toString());
    QCOMPARE(service.deviceImageFromOt2(ot2), entry.value("image").toString());
    for (const char* key : FlagKeys)
        QVERIFY2(callBool(service, key, ot2) == entry.value(key).toBool(false), key);
    for (const auto& query : NumberQueries)
        QVERIFY2(callInt(service, query.query, ot2) == entry.value(query.key).toInt(query.absent),
                 query.query);

    const bool bleModule = entry.value("hasInternalBleModule").toBool();
    QCOMPARE(callInt(service, "maxBlePacketSize", ot2), bleModule ? 37 : 69);
    QCOMPARE(int(service.eepromVersion(ot2)),
             entry.value("rixVersion").toInt() * 16 + entry.value("tarvinoVarVersion").toInt());

    QCOMPARE(callBool(service, "isNocta", ot2), entry.value("type").toInt() == 2);
    QCOMPARE(callBool(service, "hasAstro", ot2), canBeAstronomic(entry));
    QCOMPARE(callBool(service, "isAstro", ot2), canBeAstronomic(entry));
    QCOMPARE(callBool(service, "hasDefaultLocation", ot2), entry.contains("defaultTimezone"));

    int clockType = entry.value("yearlyProgram").toBool() ? 1 : 0;
    if (canBeAstronomic(entry))
        clockType = 2;
    if (entry.value("type").toInt() == 2)
        clockType = 3;
    QCOMPARE(callInt(service, "clockType", ot2), clockType);
    QVERIFY(!service.clockTypeText(ot2).isEmpty());

    const QStringList rules = ruleList(entry);
    QCOMPARE(callInt(service, "soWiOwnRuleIndex", ot2), int(rules.indexOf("own rule")));
    QCOMPARE(callInt(service, "soWiCreateTableIndex", ot2), int(rules.indexOf("own table")));
    QCOMPARE(callInt(service, "soWiAustraliaIndex", ot2), int(rules.indexOf("Australia")));
    QCOMPARE(callInt(service, "soWiNewZealandIndex", ot2), int(rules.indexOf("New Zealand")));

    const QString identifier = entry.value("languageFileIdentifier").toString();
    QCOMPARE(service.deviceOt2FromLanguageFileIdentifier(identifier), ot2);
    QCOMPARE(service.deviceOt2FromLanguageFileIdentifier(identifier.toLower()), ot2);
    QCOMPARE(service.deviceNameFromLanguageFileIdentifier(identifier), entry.value("name").toString());
}

void TestDeviceService::deviceValue_data()
{
    queries_data();
}

// The getters that callers read from a Device taken out of the catalogue.
void TestDeviceService::deviceValue()
{
    QFETCH(QJsonObject, entry);
    const int ot2 = entry.value("ot2_number").toInt();
    const Device device = m_service->deviceByOt2Number(ot2);

    QVERIFY(device.isValid());
    QCOMPARE(device.name(), entry.value("name").toString());
    QCOMPARE(device.ot2Number(), ot2);
    QCOMPARE(device.ot2Nummer(), ot2);
    QCOMPARE(device.kanals(), entry.value("channels").toInt());
    QCOMPARE(device.programms(), entry.value("programs").toInt());
    QCOMPARE(device.maxSz(), entry.value("memory").toInt());
    QCOMPARE(device.maxBlePacketSize(), entry.value("maxBlePacketSize").toInt(69));
    QCOMPARE(device.isAstro(), canBeAstronomic(entry));
    QCOMPARE(device.isNocta(), entry.value("type").toInt() == 2);
    QCOMPARE(device.canSelectChannelType(), entry.value("canSelectChannelType").toBool());
    QCOMPARE(device.hasImpuls(), entry.value("hasImpuls").toBool());
    QCOMPARE(device.hasZyclus(), entry.value("hasZyclus").toBool());
    QCOMPARE(device.hasAstroTime(), entry.value("hasAstroTime").toBool());
    QCOMPARE(device.extraProgramWithSwitches(), entry.value("extraProgramWithSwitches").toBool());
    QCOMPARE(device.yearlyProgram(), entry.value("yearlyProgram").toBool());
    QCOMPARE(device.hasInternalBleModule(), entry.value("hasInternalBleModule").toBool());
    QCOMPARE(device.canSetManualDateTime(), entry.value("canSetManualDateTime").toBool());
    QCOMPARE(device.canSetManualHolidays(), entry.value("canSetManualHolidays").toBool());
    QCOMPARE(device.hasCustomDaylightSavingsRules(),
             entry.value("hasCustomDaylightSavingsRules").toBool());

    const QStringList rules = ruleList(entry);
    QCOMPARE(device.soWiOwnRuleIndex(), int(rules.indexOf("own rule")));
    QCOMPARE(device.soWiCreateTableIndex(), int(rules.indexOf("own table")));
    QCOMPARE(device.soWiAustraliaIndex(), int(rules.indexOf("Australia")));
    QCOMPARE(device.soWiNewZealandIndex(), int(rules.indexOf("New Zealand")));
}

// The rule numbers of the four kinds of models with rules of their own, and of the others.
void TestDeviceService::ruleIndexes_data()
{
    QTest::addColumn<int>("ot2");
    QTest::addColumn<int>("ownRule");
    QTest::addColumn<int>("ownTable");
    QTest::addColumn<int>("australia");
    QTest::addColumn<int>("newZealand");

    QTest::newRow("custom, Iran, module") << 101 << 9 << 10 << 8 << 7;
    QTest::newRow("custom, no Iran, module") << 102 << 8 << 9 << 7 << 6;
    QTest::newRow("custom, Iran, no module") << 45 << 8 << 9 << -1 << 7;
    QTest::newRow("custom, no Iran, no module") << 53 << 7 << 8 << -1 << 6;
    QTest::newRow("free rules") << 11 << -1 << -1 << 9 << -1;
    QTest::newRow("free rules, module-less cloud model") << 150 << -1 << -1 << 9 << -1;
}

void TestDeviceService::ruleIndexes()
{
    QFETCH(int, ot2);
    const Device device = m_service->deviceByOt2Number(ot2);
    QTEST(device.soWiOwnRuleIndex(), "ownRule");
    QTEST(device.soWiCreateTableIndex(), "ownTable");
    QTEST(device.soWiAustraliaIndex(), "australia");
    QTEST(device.soWiNewZealandIndex(), "newZealand");
}

void TestDeviceService::unknownOt2_data()
{
    QTest::addColumn<int>("ot2");
    QTest::newRow("0") << 0;
    QTest::newRow("negative") << -1;
    QTest::newRow("between models") << 75;
    QTest::newRow("largest byte value") << 256;
    QTest::newRow("huge") << 1000000;
}

void TestDeviceService::unknownOt2()
{
    QFETCH(int, ot2);
    DeviceService& service = *m_service;

    QVERIFY(!service.exists(ot2));
    QVERIFY(service.deviceNameFromOt2(ot2).isEmpty());
    QVERIFY(service.deviceImageFromOt2(ot2).isEmpty());
    QVERIFY(service.clockTypeText(ot2).isEmpty());
    for (const char* key : FlagKeys)
        QVERIFY2(!callBool(service, key, ot2), key);
    for (const char* query : {"isAstro", "isNocta", "hasAstro", "hasDefaultLocation"})
        QVERIFY2(!callBool(service, query, ot2), query);
    for (const auto& query : NumberQueries)
        QVERIFY2(callInt(service, query.query, ot2) == query.absent, query.query);
    QCOMPARE(int(service.eepromVersion(ot2)), 0);
    // It divides the transfer into packets, so it is never 0.
    QCOMPARE(service.maxBlePacketSize(ot2), 69);
    // 0 is the rule "none", so an unknown model names no rule.
    QCOMPARE(service.soWiOwnRuleIndex(ot2), -1);
    QCOMPARE(service.soWiCreateTableIndex(ot2), -1);
    QCOMPARE(service.soWiAustraliaIndex(ot2), -1);
    QCOMPARE(service.soWiNewZealandIndex(ot2), -1);

    const Device device = service.deviceByOt2Number(ot2);
    QVERIFY(!device.isValid());
    QCOMPARE(device.ot2Nummer(), 0);
    QCOMPARE(device.kanals(), 0);
    QVERIFY(device.name().isEmpty());
}

void TestDeviceService::unknownLanguageIdentifier()
{
    QCOMPARE(m_service->deviceOt2FromLanguageFileIdentifier(QStringLiteral("NOSUCHMODEL")), 0);
    QCOMPARE(m_service->deviceOt2FromLanguageFileIdentifier(QString()), 0);
    QVERIFY(m_service->deviceNameFromLanguageFileIdentifier(QStringLiteral("NOSUCHMODEL")).isEmpty());
}

// The catalogue holds every kind of model the program tells apart.
void TestDeviceService::catalogueCoversTheCapabilities()
{
    QSet<QString> kinds;
    QSet<int> channels;
    QSet<int> extensionChannels;
    QSet<QString> present;
    QSet<QString> absent;
    bool twilight74 = false;
    for (const Device& device : m_service->devices()) {
        kinds << QStringLiteral("type %1 choice %2")
                     .arg(device.type())
                     .arg(device.canSelectChannelType());
        if (device.isNocta())
            kinds << QStringLiteral("lux %1%2")
                         .arg(device.luxSettingType())
                         .arg(device.programms() == 0 ? " without programs" : "");
        if (device.hasCustomDaylightSavingsRules())
            kinds << QStringLiteral("custom Iran %1 module %2")
                         .arg(device.hasIranDaylightSavingsRules())
                         .arg(device.hasInternalBleModule());
        channels << device.kanals();
        if (device.hasExtensionModule())
            extensionChannels << device.kanals();
        twilight74 = twilight74 || (device.ot2Number() == 74 && device.isNocta());
        const QList<std::pair<QString, bool>> capabilities = {
            {"yearly program", device.yearlyProgram()},
            {"extra switch times", device.extraProgramWithSwitches()},
            {"own astro table", device.hasOwnAstroTable()},
            {"timer", device.hasTimer()},
            {"accident", device.hasAccident()},
            {"settable time zone", device.timezoneIsSettable()},
            {"cloud", device.cloudDevice()},
            {"operating time", device.hasOperatingTime()},
            {"external input", device.hasExternalInput()},
        };
        for (const auto& [name, has] : capabilities)
            (has ? present : absent) << name;
    }
    for (const char* kind :
         {"type 0 choice 0", "type 0 choice 1", "type 3 choice 1", "type 1 choice 0",
          "type 2 choice 0", "lux 1", "lux 2", "lux 1 without programs",
          "custom Iran 0 module 0", "custom Iran 0 module 1", "custom Iran 1 module 0",
          "custom Iran 1 module 1"})
        QVERIFY2(kinds.contains(QLatin1String(kind)), kind);
    QCOMPARE(channels, (QSet<int>{1, 2, 4, 8}));
    QCOMPARE(extensionChannels, (QSet<int>{1, 2, 4}));
    QVERIFY(twilight74);
    QCOMPARE(present, absent);
    QCOMPARE(present.size(), 9);
}

void TestDeviceService::listModel()
{
    devices::DeviceListModel* model = m_service->deviceModel();
    const QJsonArray entries = catalogueEntries();
    QCOMPARE(model->rowCount(), int(entries.size()));

    const QHash<int, QByteArray> roles = model->roleNames();
    QCOMPARE(roles.value(257), QByteArray("name"));
    QCOMPARE(roles.value(258), QByteArray("image"));
    QCOMPARE(roles.value(259), QByteArray("deviceType"));
    QCOMPARE(roles.value(260), QByteArray("channelNumber"));
    QCOMPARE(roles.value(261), QByteArray("ot2Number"));
    QCOMPARE(roles.value(262), QByteArray("rixVersion"));

    for (int row = 0; row < entries.size(); ++row) {
        const QJsonObject entry = entries.at(row).toObject();
        const QModelIndex index = model->index(row);
        QCOMPARE(index.data(257).toString(), entry.value("name").toString());
        QCOMPARE(index.data(258).toString(), entry.value("image").toString());
        QCOMPARE(index.data(259).toInt(), entry.value("type").toInt());
        QCOMPARE(index.data(260).toInt(), entry.value("channels").toInt());
        QCOMPARE(index.data(261).toInt(), entry.value("ot2_number").toInt());
        QCOMPARE(index.data(262).toInt(), entry.value("rixVersion").toInt());
    }
    QVERIFY(!model->index(0).data(Qt::DisplayRole).isValid());
    QVERIFY(!model->data(model->index(int(entries.size())), 257).isValid());
}

void TestDeviceService::queriesFromJavaScript()
{
    QJSEngine engine;
    engine.globalObject().setProperty("deviceService", engine.newQObject(m_service));
    QJSEngine::setObjectOwnership(m_service, QJSEngine::CppOwnership);

    QCOMPARE(engine.evaluate("deviceService.hasTimer(42)").toBool(), true);
    QCOMPARE(engine.evaluate("deviceService.deviceType(74)").toInt(), 2);
    QCOMPARE(engine.evaluate("deviceService.deviceNameFromOt2(74)").toString(),
             m_service->deviceNameFromOt2(74));
    QCOMPARE(engine.evaluate("deviceService.hasAstro(999)").toBool(), false);
    QCOMPARE(engine.evaluate("deviceService.deviceModel.rowCount()").toInt(), 34);
}

void TestDeviceService::unreadableCatalogue()
{
    DeviceService service;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Couldn't read the device catalogue"));
    QVERIFY(!service.init(QStringLiteral(":/data/no-such-file.json")));
    QVERIFY(service.devices().isEmpty());
    QVERIFY(!service.exists(11));
}

// A catalogue that breaks a rule still gives the program its models; the first of two models
// with the same OT2 number wins, and a model without OT2 number cannot be asked for.
void TestDeviceService::brokenCatalogueIsServed()
{
    QJsonArray entries = catalogueEntries();
    QJsonObject copy = entries.at(0).toObject();
    copy.insert("name", "Shadow");
    entries.append(copy);
    QJsonObject nameless = entries.at(1).toObject();
    nameless.remove("ot2_number");
    nameless.insert("languageFileIdentifier", "NAMELESS");
    entries.append(nameless);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("devices.json"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(QJsonObject{{"devices", entries}}).toJson());
    file.close();

    DeviceService service;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("DuplicateOt2Number"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("DuplicateLanguageFileIdentifier"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("MissingKey ot2_number"));
    QVERIFY(!service.init(file.fileName()));
    QCOMPARE(service.devices().size(), 34);
    QVERIFY(!service.exists(0));
    QCOMPARE(service.deviceOt2FromLanguageFileIdentifier("NAMELESS"), 0);
    const int ot2 = copy.value("ot2_number").toInt();
    QCOMPARE(service.deviceNameFromOt2(ot2), entries.at(0).toObject().value("name").toString());
}

void TestDeviceService::backgroundReadServesEveryReader_data()
{
    QTest::addColumn<QString>("reader");
    QTest::addColumn<bool>("afterNotice");
    for (const char* reader : {"devices", "model", "exists", "name", "languageIdentifier"}) {
        QTest::addRow("%s first", reader) << QString::fromLatin1(reader) << false;
        QTest::addRow("%s after the notice", reader) << QString::fromLatin1(reader) << true;
    }
}

// The first reader, whether it comes before the worker is done or after its notice, sees the
// whole catalogue, never a part or none.
void TestDeviceService::backgroundReadServesEveryReader()
{
    QFETCH(QString, reader);
    QFETCH(bool, afterNotice);
    const QJsonArray entries = catalogueEntries();
    const QJsonObject first = entries.at(0).toObject();
    const int ot2 = first.value("ot2_number").toInt();

    DeviceService service;
    service.initInBackground(QString::fromLatin1(CataloguePath));
    // The worker's notice, when it comes in this time, takes the result before any reader.
    if (afterNotice)
        QTest::qWait(200);

    if (reader == "devices")
        QCOMPARE(service.devices().size(), entries.size());
    else if (reader == "model")
        QCOMPARE(service.deviceModel()->rowCount(), int(entries.size()));
    else if (reader == "exists")
        QVERIFY(service.exists(ot2));
    else if (reader == "name")
        QCOMPARE(service.deviceNameFromOt2(ot2), first.value("name").toString());
    else
        QCOMPARE(service.deviceOt2FromLanguageFileIdentifier(first.value("languageFileIdentifier").toString()),
                 ot2);
    QCOMPARE(service.devices().size(), entries.size());
}

// A catalogue read explicitly while the background read runs replaces it and is not
// overwritten when the worker's notice arrives.
void TestDeviceService::explicitReadAfterBackgroundReadWins()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("devices.json"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(QJsonObject{{"devices", QJsonArray{catalogueEntries().at(1)}}}).toJson());
    file.close();

    DeviceService service;
    service.initInBackground(QString::fromLatin1(CataloguePath));
    QVERIFY(service.init(file.fileName()));
    QTest::qWait(50);
    QCOMPARE(service.devices().size(), 1);
    QCOMPARE(service.deviceModel()->rowCount(), 1);
}

QTEST_GUILESS_MAIN(TestDeviceService)
#include "tst_deviceservice.moc"
