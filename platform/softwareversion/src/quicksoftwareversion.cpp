#include "softwareversion/quicksoftwareversion.h"

#include <QCoreApplication>
#include <QJSEngine>
#include <QQmlEngine>

namespace softwareversion {

namespace {

QuickSoftwareVersion* currentObject = nullptr;

} // namespace

QuickSoftwareVersion::QuickSoftwareVersion()
{
    currentObject = this;
    // The factory hands out whichever object is alive; C++ owns it, so no engine deletes it.
    static const bool registered = [] {
        qmlRegisterSingletonType<QuickSoftwareVersion>(
            "softwareversion", 1, 0, "SoftwareVersion", [](QQmlEngine*, QJSEngine*) -> QObject* {
                QJSEngine::setObjectOwnership(currentObject, QJSEngine::CppOwnership);
                return currentObject;
            });
        return true;
    }();
    Q_UNUSED(registered)
}

QuickSoftwareVersion::~QuickSoftwareVersion()
{
    if (currentObject == this)
        currentObject = nullptr;
}

QString QuickSoftwareVersion::version() const
{
    return QCoreApplication::applicationVersion();
}

QString QuickSoftwareVersion::qtVersion() const
{
    return QString::fromLatin1(qVersion());
}

QString QuickSoftwareVersion::text() const
{
    return QStringLiteral("%1 %2 (Qt %3)").arg(QCoreApplication::applicationName(), version(), qtVersion());
}

} // namespace softwareversion
