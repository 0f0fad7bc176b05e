#include <devices/cataloguevalidator.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaEnum>
#include <QSet>
#include <QTest>

using devices::CatalogueValidator;

namespace {

QByteArray shippedCatalogue()
{
    QFile file(QStringLiteral(":/data/devices.json"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("the catalogue resource is missing");
    return file.readAll();
}

QString describe(const QList<CatalogueValidator::Error>& errors)
{
    QStringList lines;
    for (const auto& error : errors)
        lines << QStringLiteral("%1 entry %2 %3: %4")
                     .arg(CatalogueValidator::ruleName(error.rule))
                     .arg(error.row)
                     .arg(error.key, error.message);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestCatalogueValidator : public QObject {
    Q_OBJECT

private slots:
    void shippedCatalogueIsValid();
    void brokenEntry_data();
    void brokenEntry();
    void brokenDocument_data();
    void brokenDocument();
    void everyRuleHasABrokenCopy();
};

void TestCatalogueValidator::shippedCatalogueIsValid()
{
    const auto errors = CatalogueValidator::validate(shippedCatalogue());
    QVERIFY2(errors.isEmpty(), qPrintable(describe(errors)));
    const QJsonArray entries =
        QJsonDocument::fromJson(shippedCatalogue()).object().value("devices").toArray();
    QCOMPARE(entries.size(), 34);
}

// Each case breaks one rule in a copy of the shipped file: the entry with the given OT2 number
// gets the patch (a null value removes the key).
struct BrokenCase {
    const char* name;
    int ot2;
    QJsonObject patch;
    CatalogueValidator::Rule rule;
};

static QList<BrokenCase> brokenCases()
{
    const QJsonValue remove = QJsonValue::Null;
    return {
        {"name missing", 11, QJsonObject{{"name", remove}}, CatalogueValidator::MissingKey},
        {"flag of the first group missing", 41, QJsonObject{{"hasLcdIllumination", remove}}, CatalogueValidator::MissingKey},
        {"memory outside its set", 11, QJsonObject{{"memory", 100}}, CatalogueValidator::ValueNotAllowed},
        {"three channels", 13, QJsonObject{{"channels", 3}}, CatalogueValidator::ValueNotAllowed},
        {"flag as text", 42, QJsonObject{{"hasTimer", "yes"}}, CatalogueValidator::ValueNotAllowed},
        {"fractional OT2 number", 42, QJsonObject{{"ot2_number", 42.5}}, CatalogueValidator::ValueNotAllowed},
        {"identifier with underscore", 42, QJsonObject{{"languageFileIdentifier", "TV_42"}}, CatalogueValidator::ValueNotAllowed},
        {"image outside the products folder", 42, QJsonObject{{"image", "qrc:/images/x.svg"}}, CatalogueValidator::ValueNotAllowed},
        {"misspelt flag", 42, QJsonObject{{"hasTimmer", true}}, CatalogueValidator::UnknownKey},
        {"OT2 number 257", 11, QJsonObject{{"ot2_number", 257}}, CatalogueValidator::Ot2NumberOutOfRange},
        {"OT2 number 0", 11, QJsonObject{{"ot2_number", 0}}, CatalogueValidator::Ot2NumberOutOfRange},
        {"OT2 number twice", 12, QJsonObject{{"ot2_number", 11}}, CatalogueValidator::DuplicateOt2Number},
        {"identifier twice, other case", 12, QJsonObject{{"languageFileIdentifier", "tvrix1weekly1"}}, CatalogueValidator::DuplicateLanguageFileIdentifier},
        {"language address beyond 16 bits", 101, QJsonObject{{"eepromLanguageAddress", 0x10000}}, CatalogueValidator::LanguageAddressOutOfRange},
        {"language address inside the header", 101, QJsonObject{{"eepromLanguageAddress", 9}}, CatalogueValidator::LanguageAddressOutOfRange},
        {"twilight without light values", 74, QJsonObject{{"luxSettingType", -1}}, CatalogueValidator::TwilightWithoutLuxSetting},
        {"module without packet size", 101, QJsonObject{{"maxBlePacketSize", remove}}, CatalogueValidator::BleModuleMismatch},
        {"packet size without module", 11, QJsonObject{{"maxBlePacketSize", 37}}, CatalogueValidator::BleModuleMismatch},
        {"extension module on 8 channels", 104, QJsonObject{{"hasExtensionModule", true}}, CatalogueValidator::ExtensionModuleTooManyChannels},
        {"extra switch times with one program", 11, QJsonObject{{"extraProgramWithSwitches", true}}, CatalogueValidator::ExtraProgramSwitchesTooFewPrograms},
        {"picture not in the resources", 11, QJsonObject{{"image", "qrc:/images/products/missing.svg"}}, CatalogueValidator::MissingImage},
        {"astro model without time zone", 21, QJsonObject{{"defaultTimezone", remove}}, CatalogueValidator::MissingDefaultLocation},
        {"hybrid model with time zone 32", 121, QJsonObject{{"defaultTimezone", 32}}, CatalogueValidator::MissingDefaultLocation},
        {"controls model with location none", 131, QJsonObject{{"defaultChecksum", -1}}, CatalogueValidator::MissingDefaultLocation},
        {"plain model choosing channel types", 11, QJsonObject{{"canSelectChannelType", true}}, CatalogueValidator::MissingDefaultLocation},
        {"memory without programs", 32, QJsonObject{{"memory", 56}}, CatalogueValidator::MemoryWithoutPrograms},
        {"programs without memory", 11, QJsonObject{{"programs", 0}}, CatalogueValidator::MemoryWithoutPrograms},
        {"free rules without Iran", 11, QJsonObject{{"hasIranDaylightSavingsRules", remove}}, CatalogueValidator::FreeRulesWithoutIran},
    };
}

void TestCatalogueValidator::brokenEntry_data()
{
    QTest::addColumn<int>("ot2");
    QTest::addColumn<QJsonObject>("patch");
    QTest::addColumn<int>("rule");
    for (const BrokenCase& broken : brokenCases())
        QTest::newRow(broken.name) << broken.ot2 << broken.patch << int(broken.rule);
}

void TestCatalogueValidator::brokenEntry()
{
    QFETCH(int, ot2);
    QFETCH(QJsonObject, patch);
    QFETCH(int, rule);

    QJsonObject root = QJsonDocument::fromJson(shippedCatalogue()).object();
    QJsonArray entries = root.value("devices").toArray();
    int row = -1;
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).toObject().value("ot2_number").toInt() == ot2)
            row = i;
    }
    QVERIFY(row >= 0);
    QJsonObject entry = entries.at(row).toObject();
    for (auto it = patch.begin(); it != patch.end(); ++it) {
        if (it.value().isNull())
            entry.remove(it.key());
        else
            entry.insert(it.key(), it.value());
    }
    entries.replace(row, entry);
    root.insert("devices", entries);

    const auto errors = CatalogueValidator::validate(QJsonDocument(root).toJson());
    QVERIFY2(!errors.isEmpty(), "the broken rule went unnoticed");
    for (const auto& error : errors) {
        QVERIFY2(error.rule == rule && error.row == row, qPrintable(describe(errors)));
    }
}

void TestCatalogueValidator::brokenDocument_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("row");

    QTest::newRow("not JSON") << QByteArray("{\"devices\": [") << -1;
    QTest::newRow("empty") << QByteArray() << -1;
    QTest::newRow("array at the top") << QByteArray("[]") << -1;
    QTest::newRow("devices is an object") << QByteArray("{\"devices\": {}}") << -1;
    QTest::newRow("entry is a number") << QByteArray("{\"devices\": [1]}") << 0;
}

void TestCatalogueValidator::brokenDocument()
{
    QFETCH(QByteArray, json);
    QFETCH(int, row);

    const auto errors = CatalogueValidator::validate(json);
    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors.first().rule, CatalogueValidator::InvalidDocument);
    QCOMPARE(errors.first().row, row);
}

// Every rule about entries has a broken copy above.
void TestCatalogueValidator::everyRuleHasABrokenCopy()
{
    QSet<int> covered;
    for (const BrokenCase& broken : brokenCases())
        covered.insert(broken.rule);
    const QMetaEnum rules = QMetaEnum::fromType<CatalogueValidator::Rule>();
    for (int i = 0; i < rules.keyCount(); ++i) {
        if (rules.value(i) != CatalogueValidator::InvalidDocument)
            QVERIFY2(covered.contains(rules.value(i)), rules.key(i));
    }
}

QTEST_GUILESS_MAIN(TestCatalogueValidator)
#include "tst_cataloguevalidator.moc"
