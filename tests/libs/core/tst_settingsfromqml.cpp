#include <QCoreApplication>
#include <QJsonDocument>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSettings>
#include <QTest>

#include <core/settingsservice.h>

#include <memory>

using core::SettingsService;

// Objects and arrays that QML writes through the settings service arrive as QJSValue; they must
// be stored as plain maps and lists, so that the next run of the program reads them back. Each
// run is this executable started again with "write" or "read".

namespace {

const QString GatewaysKey = QStringLiteral("Credentials/Gateways");
const QString RecentKey = QStringLiteral("test/recent");

void prepare()
{
    QCoreApplication::setOrganizationName(QStringLiteral("TarvinoTests"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_settingsfromqml"));
    SettingsService::registerSetting(GatewaysKey, QStringLiteral("credentialsGateways"), QVariant());
    SettingsService::registerSetting(RecentKey, QStringLiteral("recent"), QVariant());
}

// The values as QML wrote them, as JSON text.
const char* const Gateways = R"({"OT2-1":["user","pw"],"OT2-2":{"ids":[1,2.5,true],"name":"Halle 3"}})";
const char* const Recent = R"([["a",1],{"b":[]},"c_d",null])";

QByteArray asJson(const QVariant& value)
{
    return QJsonDocument::fromVariant(value).toJson(QJsonDocument::Compact);
}

int runWrite()
{
    SettingsService service;
    service.initialize();
    QQmlEngine engine;
    engine.rootContext()->setContextProperty(QStringLiteral("settingsService"), &service);
    QQmlComponent component(&engine);
    component.setData(QStringLiteral("import QtQml\n"
                                     "QtObject { Component.onCompleted: {\n"
                                     "    settingsService.setSettingValue('credentialsGateways', %1)\n"
                                     "    settingsService.setSettingValue('recent', %2)\n"
                                     "} }\n")
                          .arg(QString::fromLatin1(Gateways), QString::fromLatin1(Recent))
                          .toUtf8(),
                      QUrl());
    const std::unique_ptr<QObject> written(component.create());
    if (!written)
        return 3;
    service.sync();
    // The stored text carries the type of a plain map and a plain list.
    const QSettings store;
    return store.value(GatewaysKey).toString().startsWith(QStringLiteral("8_"))
            && store.value(RecentKey).toString().startsWith(QStringLiteral("9_"))
        ? 0
        : 4;
}

int runRead()
{
    SettingsService service;
    service.initialize();
    QTextStream(stdout) << asJson(service.settingValue(GatewaysKey)) << '\n'
                        << asJson(service.settingValue(RecentKey)) << '\n';
    return 0;
}

} // namespace

class TestSettingsFromQml : public QObject {
    Q_OBJECT

private slots:
    void objectAndArrayWrittenFromQmlSurviveARestart()
    {
        QCOMPARE(run(QStringLiteral("write")), QByteArray());
        const QList<QByteArray> read = run(QStringLiteral("read")).split('\n');
        QCOMPARE(read.size(), 3);
        QCOMPARE(read.at(0), QByteArray(Gateways));
        QCOMPARE(read.at(1), QByteArray(Recent));
    }

private:
    static QByteArray run(const QString& mode)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QCoreApplication::applicationFilePath(), {mode});
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return QByteArrayLiteral("run failed: ") + mode.toLatin1();
        if (process.exitCode() != 0)
            return QByteArrayLiteral("run ended with ") + QByteArray::number(process.exitCode());
        return process.readAllStandardOutput();
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    prepare();
    if (argc == 2 && qstrcmp(argv[1], "write") == 0)
        return runWrite();
    if (argc == 2 && qstrcmp(argv[1], "read") == 0)
        return runRead();
    TestSettingsFromQml test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsfromqml.moc"
