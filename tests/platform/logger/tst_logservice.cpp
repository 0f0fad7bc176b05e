#include <QFile>
#include <QLoggingCategory>
#include <QMutex>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <logger/logservice.h>

Q_LOGGING_CATEGORY(testLog, "test.logger")

namespace {
QStringList forwarded;
QMutex forwardedMutex;
void capturingHandler(QtMsgType, const QMessageLogContext&, const QString& message)
{
    QMutexLocker lock(&forwardedMutex);
    forwarded.append(message);
}
} // namespace

class TestLogService : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        forwarded.clear();
        m_previous = qInstallMessageHandler(capturingHandler);
    }
    void cleanup() { qInstallMessageHandler(m_previous); }

    void collectsMessagesIntoFileAndForwardsThem()
    {
        logger::LogService service(true);
        service.start();
        QVERIFY(service.isRunning());
        qCWarning(testLog) << "first line";
        qCDebug(testLog) << "second line";
        service.stop();

        QFile file(service.logFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString content = QString::fromUtf8(file.readAll());
        QVERIFY(content.contains(QLatin1String("[warning] test.logger: first line")));
        QVERIFY(content.contains(QLatin1String("[debug] test.logger: second line")));
        QCOMPARE(forwarded, QStringList({"first line", "second line"}));
    }

    void stopRestoresThePreviousHandler()
    {
        logger::LogService service(true);
        service.start();
        service.stop();
        qCWarning(testLog) << "after stop";
        QFile file(service.logFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("after stop"));
        QCOMPARE(forwarded, QStringList{"after stop"});
    }

    void startAndStopSignalOnlyOnChange()
    {
        logger::LogService service(false);
        QSignalSpy spy(&service, &logger::LogService::runningChanged);
        service.start();
        service.start();
        service.stop();
        service.stop();
        QCOMPARE(spy.count(), 2);
    }

    void transmitLogsHandsOutTheFile()
    {
        logger::LogService service(true);
        QSignalSpy spy(&service, &logger::LogService::currentLogFileContent);
        service.start();
        qCInfo(testLog) << "exported line";
        service.transmitLogs();
        QCOMPARE(spy.count(), 1);
        QVERIFY(spy.at(0).at(0).toByteArray().contains("exported line"));
    }

    void memoryOnlyLogKeepsTheLatestLines()
    {
        logger::LogService service(false);
        QFile::remove(service.logFilePath());
        service.start();
        for (int i = 0; i < logger::LogService::RecentMessageLimit + 10; ++i)
            qCDebug(testLog) << "line" << i;
        const QStringList recent = service.recentMessages();
        QCOMPARE(recent.size(), logger::LogService::RecentMessageLimit);
        QVERIFY(recent.last().endsWith(QLatin1String("line 209")));
        QVERIFY(!QFile::exists(service.logFilePath()));
    }

    void messagesFromManyThreadsAllArrive()
    {
        logger::LogService service(true);
        service.start();
        QList<QThread*> threads;
        for (int t = 0; t < 4; ++t) {
            threads.append(QThread::create([t] {
                for (int i = 0; i < 50; ++i)
                    qCDebug(testLog) << "thread" << t << "message" << i;
            }));
            threads.last()->start();
        }
        for (QThread* thread : threads) {
            QVERIFY(thread->wait(10000));
            delete thread;
        }
        service.stop();
        QFile file(service.logFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("message"), 200);
    }

    void qmlTypesCreateWithoutWarnings()
    {
        logger::LogService service(false);
        service.start();
        qCDebug(testLog) << "shown line";
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/orvindal"));
        engine.rootContext()->setContextProperty(QStringLiteral("logService"), &service);
        QQmlComponent component(&engine);
        component.setData("import QtQuick\nimport logger\n"
                          "Logger { service: logService; width: 300\n"
                          "  Component.onCompleted: LoggerColors.init(\"#ffffff\") }",
                          QUrl());
        QScopedPointer<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QTRY_VERIFY(object->property("visible").toBool());
        for (const QString& message : std::as_const(forwarded))
            QVERIFY2(!message.contains(QLatin1String("qrc:")) && !message.contains(QLatin1String("QML")),
                     qPrintable(message));
    }

    // The service's type comes with the module, so that views can name it.
    void serviceTypeIsKnownToQml()
    {
        logger::LogService service(false);
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/orvindal"));
        engine.rootContext()->setContextProperty(QStringLiteral("logService"), &service);
        QQmlComponent component(&engine);
        component.setData("import QtQml\nimport logger\nQtObject { property LogService typed: logService }", QUrl());
        QScopedPointer<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QCOMPARE(object->property("typed").value<QObject*>(), &service);
    }

private:
    QtMessageHandler m_previous = nullptr;
};

QTEST_MAIN(TestLogService)
#include "tst_logservice.moc"
