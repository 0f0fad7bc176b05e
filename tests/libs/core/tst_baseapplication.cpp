#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMutex>
#include <QQmlContext>
#include <QQmlExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include <core/baseapplication.h>
#include <logger/logservice.h>

using core::BaseApplication;

Q_LOGGING_CATEGORY(testLog, "test.baseapplication")

namespace {

// Lines of the application's own logging category, as the log service hands them on.
QStringList appLines;
QMutex appLinesMutex;
QtMessageHandler previousHandler = nullptr;

void captureAppLines(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (context.category && qstrcmp(context.category, "orvi.core") == 0) {
        QMutexLocker lock(&appLinesMutex);
        appLines.append(message);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

void storeDebugMode(bool on)
{
    QSettings().setValue(QStringLiteral("debugMode"), on ? QStringLiteral("1_true") : QStringLiteral("1_false"));
}

std::unique_ptr<BaseApplication> startApplication(bool hasLogger)
{
    auto app = std::make_unique<BaseApplication>(hasLogger, QStringLiteral("1.0.32"), QStringLiteral("84"),
                                                 QColor(20, 74, 129));
    app->initialize();
    return app;
}

// The program's application object receives the log text the log service hands out.
class ExportingApplication : public BaseApplication {
public:
    ExportingApplication()
        : BaseApplication(true, QStringLiteral("1.0.32"), QStringLiteral("84"), QColor(20, 74, 129))
    {
    }

    QList<QByteArray> exported;

protected:
    void onLogExported(const QByteArray& data) override { exported.append(data); }
};

bool loggerRunning()
{
    return logger::LogService::m_instance && logger::LogService::m_instance->isRunning();
}

} // namespace

class TestBaseApplication : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("TarvinoTests"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_baseapplication"));
    }

    void init()
    {
        QSettings().clear();
        appLines.clear();
        previousHandler = qInstallMessageHandler(captureAppLines);
    }

    // The log service outlives the application objects of one test.
    void cleanup()
    {
        if (logger::LogService::m_instance)
            logger::LogService::m_instance->stop();
        qInstallMessageHandler(previousHandler);
        QCoreApplication::setOrganizationDomain(QString());
    }

    void withoutLoggerNothingLogs()
    {
        storeDebugMode(true);
        BaseApplication app(false, QStringLiteral("1.0.32"), QStringLiteral("84"), QColor(20, 74, 129));
        QSignalSpy logState(&app, &BaseApplication::logStateChanged);
        QVERIFY(app.initialize());

        QVERIFY(!app.context()->contextProperty(QStringLiteral("logger")).isValid());
        QCOMPARE(app.logger(), nullptr);
        QVERIFY(!app.logState());
        app.setLogState(true);
        app.settingsService()->setDebugMode(false);
        app.settingsService()->setDebugMode(true);
        QVERIFY(!app.logState());
        QCOMPARE(logState.count(), 0);

        appLines.clear();
        app.printSystemInfo();
        QCOMPARE(appLines, QStringList());
    }

    void storedDebugModeStartsLoggingAtOnce()
    {
        storeDebugMode(true);
        BaseApplication app(true, QStringLiteral("1.0.32"), QStringLiteral("84"), QColor(20, 74, 129));
        QSignalSpy logState(&app, &BaseApplication::logStateChanged);
        QSignalSpy loggerChanged(&app, &BaseApplication::loggerChanged);

        QVERIFY(app.initialize());

        QVERIFY(app.logger());
        QVERIFY(app.logger()->isRunning());
        QVERIFY(app.logState());
        QCOMPARE(logState.count(), 1);
        QCOMPARE(logState.at(0).at(0).toBool(), true);
        QCOMPARE(loggerChanged.count(), 1);
        QCOMPARE(app.context()->contextProperty(QStringLiteral("logger")).value<QObject*>(), app.logger());
    }

    void loggingFollowsDebugMode_data()
    {
        QTest::addColumn<QString>("via");
        QTest::newRow("typed setter") << "setter";
        QTest::newRow("by name") << "name";
        QTest::newRow("by key") << "key";
    }

    void loggingFollowsDebugMode()
    {
        QFETCH(QString, via);
        const auto app = startApplication(true);
        QVERIFY(!app->logState());
        QSignalSpy logState(app.get(), &BaseApplication::logStateChanged);
        core::SettingsService* settings = app->settingsService();
        const auto setDebugMode = [&](bool on) {
            if (via == QLatin1String("setter"))
                settings->setDebugMode(on);
            else if (via == QLatin1String("name"))
                settings->setSettingValue(QStringLiteral("debugMode"), on);
            else
                settings->setSettingValueFromStringKey(QStringLiteral("debugMode"), on);
        };

        setDebugMode(true);
        QVERIFY(loggerRunning());
        setDebugMode(true);
        setDebugMode(false);
        QVERIFY(!loggerRunning());

        QCOMPARE(logState.count(), 2);
        QCOMPARE(logState.at(0).at(0).toBool(), true);
        QCOMPARE(logState.at(1).at(0).toBool(), false);
    }

    void publishesItselfAndTheServices()
    {
        const auto app = startApplication(true);
        const QQmlContext* context = app->context();
        const auto object = [context](const char* name) {
            return context->contextProperty(QString::fromLatin1(name)).value<QObject*>();
        };

        const QVariant useClient = context->contextProperty(QStringLiteral("useClient"));
        QCOMPARE(useClient.typeId(), QMetaType::Bool);
        QCOMPARE(useClient.toBool(), false);
        QCOMPARE(object("app"), app.get());
        QCOMPARE(context->contextProperty(QStringLiteral("qtversion")).toString(), QString::fromLatin1(qVersion()));
        QCOMPARE(object("settingsService"), app->settingsService());
        QCOMPARE(object("settings"), app->settingsService()->settingsMap());
        QCOMPARE(object("eventService"), app->eventService());
        QCOMPARE(object("logger"), app->logger());
        QCOMPARE(app->context(), app->engine().rootContext());
    }

    void qmlReadsSettingsByName()
    {
        const auto app = startApplication(true);
        app->settingsService()->setDebugMode(true);
        QQmlExpression expression(app->context(), nullptr,
                                  QStringLiteral("settings.debugMode && app.logState && !settings.demoMode"));
        QCOMPARE(expression.evaluate(), QVariant(true));
        QVERIFY(!expression.hasError());
    }

    void printsSystemInfoWhileLogging()
    {
        storeDebugMode(true);
        const auto app = startApplication(true);
        QCoreApplication::setOrganizationDomain(QStringLiteral("tarvino.example"));
        appLines.clear();

        app->printSystemInfo();

        QVERIFY(appLines.size() > 2);
        QCOMPARE(appLines.constFirst(), QStringLiteral("-------- Build & System info --------"));
        QCOMPARE(appLines.constLast(), QStringLiteral("-------- End Build & System info --------"));
        QVERIFY(appLines.contains(QStringLiteral("Application: tst_baseapplication")));
        QVERIFY(appLines.contains(QStringLiteral(" + version: 1.0.32")));
        QVERIFY(appLines.contains(QStringLiteral(" + build version: 84")));
        QVERIFY(appLines.contains(QStringLiteral("Organization: TarvinoTests")));
        QVERIFY(appLines.contains(QStringLiteral("Domain: tarvino.example")));
        QCOMPARE(appLines.filter(QStringLiteral("Primary screen : ")).size(), 1);

        QCoreApplication::setOrganizationDomain(QString());
        appLines.clear();
        app->printSystemInfo();
        QCOMPARE(appLines.filter(QStringLiteral("Domain:")), QStringList());
    }

    void printsNothingWhenLoggingIsOff()
    {
        const auto app = startApplication(true);
        appLines.clear();
        app->printSystemInfo();
        QCOMPARE(appLines, QStringList());
    }

    void derivedApplicationReceivesExportedLog()
    {
        storeDebugMode(true);
        ExportingApplication app;
        app.initialize();
        qCInfo(testLog) << "exported marker";

        app.logger()->transmitLogs();

        QCOMPARE(app.exported.size(), 1);
        QVERIFY(app.exported.constFirst().contains("exported marker"));
    }

    void twoLifetimesInOneProcess()
    {
        auto first = startApplication(true);
        logger::LogService* firstLogger = first->logger();
        first.reset();
        QVERIFY(!core::SettingsService::hasInstance());
        QVERIFY(!core::LanguageService::hasInstance());
        QVERIFY(!core::EventService::hasInstance());

        storeDebugMode(true);
        const auto second = startApplication(true);
        QVERIFY(core::SettingsService::hasInstance());
        QVERIFY(core::LanguageService::hasInstance());
        QVERIFY(core::EventService::hasInstance());
        QCOMPARE(&core::SettingsService::instance(), second->settingsService());
        QCOMPARE(&core::LanguageService::instance(), second->languageService());
        QCOMPARE(&core::EventService::instance(), second->eventService());
        QCOMPARE(second->logger(), firstLogger);
        QVERIFY(second->logState());
        second->settingsService()->setDebugMode(false);
        QVERIFY(!loggerRunning());
    }
};

QTEST_MAIN(TestBaseApplication)
#include "tst_baseapplication.moc"
