#include "baseapplication.h"

#include "corelogging.h"
#include "eventservice.h"
#include "languageservice.h"
#include "settingsservice.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QQmlContext>
#include <QScreen>
#include <QSysInfo>

#include <logger/logservice.h>

namespace core {

namespace {

template <typename Service>
Service* createService(QObject* parent)
{
    auto* service = new Service(parent);
    Service::m_instance = service;
    if (!service->parent())
        qAddPostRoutine([] { delete Service::m_instance; });
    return service;
}

void deleteLogService()
{
    delete logger::LogService::m_instance;
}

QString number(double value)
{
    return QString::number(value, 'g');
}

} // namespace

BaseApplication::BaseApplication(bool hasLogger, const QString& version, const QString& buildVersion,
                                 const QColor& color)
    : m_context(m_engine.rootContext())
    , m_hasLogger(hasLogger)
    , m_settingsService(createService<SettingsService>(this))
    , m_languageService(createService<LanguageService>(this))
    , m_eventService(createService<EventService>(this))
    , m_version(version)
    , m_buildVersion(buildVersion)
    , m_color(color)
{
}

// The engine, a member, goes before the services, which are children and go with the object.
BaseApplication::~BaseApplication() = default;

bool BaseApplication::initialize()
{
    m_context->setContextProperty(QStringLiteral("useClient"), false);
    qCDebug(coreAppLog) << "Built default app";
    m_context->setContextProperty(QStringLiteral("app"), this);
    m_context->setContextProperty(QStringLiteral("qtversion"), QString::fromLatin1(qVersion()));
    if (m_hasLogger)
        createLogger();
    m_context->setContextProperty(QStringLiteral("settingsService"), m_settingsService);
    m_context->setContextProperty(QStringLiteral("settings"), m_settingsService->settingsMap());
    m_context->setContextProperty(QStringLiteral("eventService"), m_eventService);

    m_settingsService->initialize();
    m_languageService->initialize();
    m_languageService->publishBindTr(m_engine);

    setLogState(m_settingsService->debugMode());
    connect(m_settingsService, &SettingsService::debugModeChanged, this, &BaseApplication::setLogState);
    return true;
}

void BaseApplication::createLogger()
{
    if (!logger::LogService::m_instance) {
        logger::LogService::m_instance = new logger::LogService(true, nullptr);
        qAddPostRoutine(deleteLogService);
    }
    m_logger = logger::LogService::m_instance;
    connect(m_logger, &logger::LogService::currentLogFileContent, this, &BaseApplication::onLogExported);
    m_context->setContextProperty(QStringLiteral("logger"), m_logger);
    emit loggerChanged();
}

QQmlApplicationEngine& BaseApplication::engine()
{
    return m_engine;
}

QQmlContext* BaseApplication::context() const
{
    return m_context;
}

SettingsService* BaseApplication::settingsService() const
{
    return m_settingsService;
}

LanguageService* BaseApplication::languageService() const
{
    return m_languageService;
}

EventService* BaseApplication::eventService() const
{
    return m_eventService;
}

logger::LogService* BaseApplication::logger() const
{
    return m_logger;
}

bool BaseApplication::hasLogger() const
{
    return m_hasLogger;
}

bool BaseApplication::logState() const
{
    return m_logger && m_logger->isRunning();
}

void BaseApplication::setLogState(bool active)
{
    if (!m_logger || active == logState())
        return;
    if (active)
        m_logger->start();
    else
        m_logger->stop();
    emit logStateChanged(active);
}

void BaseApplication::onLogExported(const QByteArray& /*data*/)
{
}

void BaseApplication::printSystemInfo()
{
    if (!logState())
        return;
    const auto line = [](const QString& text) { qCInfo(coreAppLog).noquote() << text; };
    line(QStringLiteral("-------- Build & System info --------"));
    line(QStringLiteral("Build date: %1").arg(QString::fromLatin1(__DATE__).simplified()));
    line(QStringLiteral("Build Abi: %1").arg(QSysInfo::buildAbi()));
    line(QStringLiteral("Build CPU architecture: %1").arg(QSysInfo::buildCpuArchitecture()));
    line(QStringLiteral("Current CPU architecture %1").arg(QSysInfo::currentCpuArchitecture()));
    line(QStringLiteral("Kernel type %1").arg(QSysInfo::kernelType()));
    line(QStringLiteral("Machine host name %1").arg(QSysInfo::machineHostName()));
    line(QStringLiteral("Pretty product name %1").arg(QSysInfo::prettyProductName()));
    line(QStringLiteral("Product type: %1").arg(QSysInfo::productType()));
    line(QStringLiteral("Product version: %1").arg(QSysInfo::productVersion()));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        line(QStringLiteral("Primary screen : %1").arg(screen->name()));
        line(QStringLiteral(" + width: %1 mm / height: %2 mm")
                 .arg(number(screen->physicalSize().width()), number(screen->physicalSize().height())));
        line(QStringLiteral(" + resolution: %1x%2").arg(screen->size().width()).arg(screen->size().height()));
        line(QStringLiteral(" + physical DPI: %1").arg(number(screen->physicalDotsPerInch())));
        line(QStringLiteral(" + refresh rate: %1").arg(number(screen->refreshRate())));
    }
    line(QStringLiteral("Application: %1").arg(QCoreApplication::applicationName()));
    line(QStringLiteral(" + version: %1").arg(m_version));
    line(QStringLiteral(" + build version: %1").arg(m_buildVersion));
    line(QStringLiteral("Organization: %1").arg(QCoreApplication::organizationName()));
    if (!QCoreApplication::organizationDomain().isEmpty())
        line(QStringLiteral("Domain: %1").arg(QCoreApplication::organizationDomain()));
    line(QStringLiteral("-------- End Build & System info --------"));
}

} // namespace core
