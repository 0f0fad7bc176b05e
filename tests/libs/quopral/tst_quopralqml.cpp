#include <quopral/quopralservice.h>

#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QTest>

#include <memory>

// The library's types are known to `import quopral`, QML only receives them, and the module's
// qmldir is the one the program's QML files expect.
class TestQuopralQml : public QObject {
    Q_OBJECT

    QQmlEngine engine;

    std::unique_ptr<QObject> create(const QByteArray& body, QString* errors)
    {
        QQmlComponent component(&engine);
        component.setData("import QtQml\nimport quopral\nQtObject {\n" + body + "}\n", QUrl(QStringLiteral("qrc:/test.qml")));
        std::unique_ptr<QObject> object(component.create());
        *errors = component.errorString();
        return object;
    }

private slots:
    void initTestCase() { engine.addImportPath(QStringLiteral("qrc:/orvindal")); }

    void theModuleHasItsQmldir()
    {
        QFile qmldir(QStringLiteral(":/orvindal/quopral/qmldir"));
        QVERIFY(qmldir.open(QIODevice::ReadOnly));
        const QByteArray text = qmldir.readAll();
        for (const char* line : {"module quopral", "linktarget quopralplugin", "optional plugin quopralplugin",
                                 "classname quopralPlugin", "typeinfo quopral.qmltypes", "prefer :/orvindal/quopral/"})
            QVERIFY2(text.contains(QByteArray(line) + '\n'), line);
    }

    void propertiesOfEveryTypeWithoutWarnings()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        QString errors;
        const auto object = create("property QuopralService service: null\n"
                                   "property DeviceLanguageList list: null\n"
                                   "property LanguagePerDevice filter: null\n",
                                   &errors);
        QVERIFY2(object, qPrintable(errors));
    }

    void typesAreUncreatable_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("service") << QByteArray("QuopralService") << QStringLiteral("Created in tarvino app");
        QTest::newRow("list") << QByteArray("DeviceLanguageList") << QStringLiteral("Created in quopral service");
        QTest::newRow("filter") << QByteArray("LanguagePerDevice") << QStringLiteral("Created in quopral service");
    }

    void typesAreUncreatable()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, reason);
        QString errors;
        QVERIFY(!create("property QtObject made: " + name + " {}\n", &errors));
        QVERIFY2(errors.contains(reason), qPrintable(errors));
    }
};

QTEST_MAIN(TestQuopralQml)
#include "tst_quopralqml.moc"
