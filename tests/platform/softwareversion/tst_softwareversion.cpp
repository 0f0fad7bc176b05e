#include <QCoreApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTest>

#include <softwareversion/quicksoftwareversion.h>

class TestSoftwareVersion : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("TARVINO rix3"));
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0.32"));
    }

    void viewsReadTheApplicationsVersion()
    {
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import QtQml\nimport softwareversion\n"
                          "QtObject { property string text: SoftwareVersion.text; "
                          "property string version: SoftwareVersion.version }",
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QCOMPARE(object->property("version").toString(), QStringLiteral("1.0.32"));
        QCOMPARE(object->property("text").toString(),
                 QStringLiteral("TARVINO rix3 1.0.32 (Qt %1)").arg(QString::fromLatin1(qVersion())));
    }

    void objectOutlivesTheEngines()
    {
        for (int run = 0; run < 2; ++run) {
            QQmlEngine engine;
            QQmlComponent component(&engine);
            component.setData("import QtQml\nimport softwareversion\nQtObject { property var v: SoftwareVersion }",
                              QUrl());
            std::unique_ptr<QObject> object(component.create());
            QVERIFY2(object, qPrintable(component.errorString()));
            QCOMPARE(object->property("v").value<QObject*>(), &softwareVersion);
        }
        QCOMPARE(softwareVersion.version(), QStringLiteral("1.0.32"));
    }

private:
    softwareversion::QuickSoftwareVersion softwareVersion;
};

QTEST_GUILESS_MAIN(TestSoftwareVersion)
#include "tst_softwareversion.moc"
