#include <QFile>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlExtensionPlugin>
#include <QRegularExpression>
#include <QTest>

#include <memory>

Q_IMPORT_QML_PLUGIN(TarvinoPlugin)

// The types of the libraries below the shell that QML sees are known to `import Tarvino`, listed
// in the module's qmltypes, and the uncreatable ones tell who creates them.

namespace {

struct Registered {
    const char* name;
    const char* reason; // empty: QML may create it
};

const Registered Types[] = {
    {"UndoListModel", "Created from inherited class"},
    {"SwitchErrorsController", "Created in SwitchtimeListModel"},
    {"SwitchGridController", "Made by the switch-times view controller"},
    {"SwitchTimeListModel", "Created by the switch-times view controller"},
    {"DateErrorsController", "Created in DateRangeListModel"},
    {"DateRangeController", "Created in ExtraProgramViewController"},
    {"DateRangeFilter", "Created in ExtraProgramViewController"},
    {"DateRangeListModel", "Created in ExtraProgramViewController"},
    {"ExtraProgramSwitchTimeController", "Created in ExtraProgramViewController"},
    {"ExtraProgramViewController", "Created in ProjectContentController"},
    {"SeasonRuleController", ""},
    {"SeasonRuleRowController", "Created in SeasonRuleController"},
    {"SommerWinterTableModel", "Created in ProjectController"},
    {"CoordinatesSettingsController", "Created in AstroProjectController"},
    {"OwnAstroTableModel", "Created in AstroProjectController"},
    {"SerialProtocol", "Created in tarvino app"},
    {"DeviceScanController", "Created in MainController"},
    {"ResettedDeviceViewController", "Created in MainController"},
    {"ScanOption", "Only an enum"},
    {"BLEDeviceContainer", "Created by the device scan"},
    {"BLEDevice", "Found by the device scan"},
    {"SoftwareUpdateService", "Created in Tarvinoapp"},
};

std::unique_ptr<QObject> create(QQmlEngine& engine, const QByteArray& qml, QString* errors)
{
    QQmlComponent component(&engine);
    component.setData("import QtQml\nimport Tarvino\n" + qml, QUrl(QStringLiteral("qrc:/test.qml")));
    std::unique_ptr<QObject> object(component.create());
    *errors = component.errorString();
    return object;
}

} // namespace

class TestQmlRegistration : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_engine.addImportPath(QStringLiteral("qrc:/orvindal")); }

    void propertiesOfEveryTypeWithoutWarnings()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        QByteArray qml = "QtObject {\n    property SwitchTimeListModel switchTimes: null\n";
        for (const Registered& type : Types)
            qml += QByteArray("    property ") + type.name + " the" + type.name + ": null\n";
        qml += "    property SeasonRuleController rule: SeasonRuleController {}\n}\n";
        QString errors;
        const std::unique_ptr<QObject> object = create(m_engine, qml, &errors);
        QVERIFY2(object, qPrintable(errors));
        QObject* rule = object->property("rule").value<QObject*>();
        QVERIFY(rule);
        QCOMPARE(QByteArray(rule->metaObject()->className()), QByteArray("SeasonRuleController"));
        QCOMPARE(rule->property("wiSoRule").value<QObject*>() != nullptr, true);
    }

    void uncreatableTypesTellWhoCreatesThem_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("reason");
        for (const Registered& type : Types) {
            if (*type.reason)
                QTest::newRow(type.name) << QByteArray(type.name) << QString::fromLatin1(type.reason);
        }
    }

    void uncreatableTypesTellWhoCreatesThem()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, reason);
        QString errors;
        const std::unique_ptr<QObject> object = create(m_engine, "QtObject { property QtObject made: " + name + " {} }\n", &errors);
        QVERIFY(!object);
        QVERIFY2(errors.contains(reason), qPrintable(errors));
    }

    void theScanKindsAreQmlEnums()
    {
        QString errors;
        const std::unique_ptr<QObject> object = create(
            m_engine,
            "QtObject { property var kinds: [ScanOption.GetData, ScanOption.ProjectExport, ScanOption.DirectCommand] }\n",
            &errors);
        QVERIFY2(object, qPrintable(errors));
        QCOMPARE(object->property("kinds").toList(), (QVariantList{0, 1, 2}));
    }

    void qmltypesListsEveryType()
    {
        QFile typeInfo(QStringLiteral(TARVINO_QMLTYPES));
        QVERIFY2(typeInfo.open(QIODevice::ReadOnly), TARVINO_QMLTYPES);
        const QByteArray text = typeInfo.readAll();
        for (const Registered& type : Types)
            QVERIFY2(text.contains(QByteArray("exports: [\"Tarvino/") + type.name + " 1.0\"]"), type.name);
    }

private:
    QQmlEngine m_engine;
};

QTEST_MAIN(TestQmlRegistration)
#include "tst_qmlregistration.moc"
