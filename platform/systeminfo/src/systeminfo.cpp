#include "systeminfo/systeminfo.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQmlEngine>
#include <QScreen>
#include <QSysInfo>

namespace systemInfo {

namespace {

Q_LOGGING_CATEGORY(systemInfoLog, "systeminfo")

const char* const ModuleUri = "systeminfo";
const char* const TypeName = "SystemInfo";

// The values the next engine's object is made with.
struct Published {
    QString version;
    QString build;
};
Published published;

} // namespace

SystemInfo::SystemInfo(const QString& version, const QString& build, QObject* parent)
    : QObject(parent)
    , m_version(version)
    , m_build(build)
{
}

QString SystemInfo::version() const
{
    return m_version;
}

QString SystemInfo::build() const
{
    return m_build;
}

QString SystemInfo::qtVersion() const
{
    return QString::fromLatin1(qVersion());
}

QString SystemInfo::operatingSystem() const
{
    return QSysInfo::prettyProductName();
}

QString SystemInfo::kernel() const
{
    return QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion();
}

QString SystemInfo::cpuArchitecture() const
{
    return QSysInfo::currentCpuArchitecture();
}

QString SystemInfo::hostName() const
{
    return QSysInfo::machineHostName();
}

QString SystemInfo::screenResolution() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QString();
    return QStringLiteral("%1x%2").arg(screen->size().width()).arg(screen->size().height());
}

bool init(QQmlEngine* engine, const QString& version, const QString& build)
{
    if (!engine) {
        qCWarning(systemInfoLog) << "No engine to publish the system information to";
        return false;
    }
    published = {version, build};
    // The engine owns the object its factory call creates.
    static const int typeId = qmlRegisterSingletonType<SystemInfo>(
        ModuleUri, 1, 0, TypeName,
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new SystemInfo(published.version, published.build); });
    if (!engine->singletonInstance<SystemInfo*>(typeId)) {
        qCWarning(systemInfoLog) << "The system information cannot be created for QML";
        return false;
    }
    return true;
}

} // namespace systemInfo
