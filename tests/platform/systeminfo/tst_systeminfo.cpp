#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QTest>

#include <systeminfo/systeminfo.h>

namespace {

const char* const reader = "import QtQml\nimport systeminfo\n"
                           "QtObject { property string version: SystemInfo.version; "
                           "property string build: SystemInfo.build; property string qt: SystemInfo.qtVersion; "
                           "property string resolution: SystemInfo.screenResolution }";

std::unique_ptr<QObject> read(QQmlEngine& engine)
{
    QQmlComponent component(&engine);
    component.setData(reader, QUrl());
    std::unique_ptr<QObject> object(component.create());
    if (!object)
        qWarning().noquote() << component.errorString();
    return object;
}

} // namespace

class TestSystemInfo : public QObject {
    Q_OBJECT

private slots:
    void publishesTheFactsToQml()
    {
        QQmlEngine engine;
        QVERIFY(systemInfo::init(&engine, QStringLiteral("1.0.32"), QStringLiteral("84")));
        const auto object = read(engine);
        QVERIFY(object);
        QCOMPARE(object->property("version").toString(), QStringLiteral("1.0.32"));
        QCOMPARE(object->property("build").toString(), QStringLiteral("84"));
        QCOMPARE(object->property("qt").toString(), QString::fromLatin1(qVersion()));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+x\\d+$")).match(object->property("resolution").toString()).hasMatch());
    }

    void everyEngineHasItsOwnObject()
    {
        auto first = std::make_unique<QQmlEngine>();
        QVERIFY(systemInfo::init(first.get(), QStringLiteral("1.0.32"), QStringLiteral("84")));
        QVERIFY(read(*first));
        first.reset();
        QQmlEngine second;
        QVERIFY(systemInfo::init(&second, QStringLiteral("1.0.33"), QStringLiteral("85")));
        const auto object = read(second);
        QVERIFY(object);
        QCOMPARE(object->property("version").toString(), QStringLiteral("1.0.33"));
    }

    void noEngineIsRefused()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("No engine")));
        QVERIFY(!systemInfo::init(nullptr, QStringLiteral("1"), QStringLiteral("2")));
    }
};

QTEST_MAIN(TestSystemInfo)
#include "tst_systeminfo.moc"
