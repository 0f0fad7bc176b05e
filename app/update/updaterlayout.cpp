#include "updaterlayout.h"

#include "updatelogging.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString findInstallFolder()
{
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.isEmpty()) {
        qCWarning(updateLog) << ">> No argument passed, couldn't retrieve installation path!";
        return {};
    }
    if (!QFileInfo::exists(arguments.first())) {
        qCWarning(updateLog).noquote()
            << QStringLiteral(">> File path %1 in argument doesn't exist, couldn't rerieve installation path!")
                   .arg(arguments.first());
        return {};
    }
    const QString folder = QCoreApplication::applicationDirPath();
    qCInfo(updateLog).noquote() << QStringLiteral(">> Installation path: %1").arg(folder);
    return folder;
}

} // namespace

UpdaterLayout UpdaterLayout::ofRunningProgram()
{
    UpdaterLayout layout;
    layout.installFolder = findInstallFolder();
#ifdef Q_OS_WIN
    layout.programPath = QStringLiteral("%1/TarvinoRix3.exe").arg(layout.installFolder);
    layout.uninstallerPath = QStringLiteral("%1/uninstall.exe").arg(layout.installFolder);
    layout.qtLibraries = {"Qt6Core.dll",           "Qt6Gui.dll",         "Qt6Network.dll",
                          "Qt6OpenGL.dll",         "Qt6Qml.dll",         "Qt6QmlModels.dll",
                          "Qt6QmlWorkerScript.dll", "Qt6Quick.dll",       "Qt6QuickControls2.dll",
                          "Qt6QuickControls2Impl.dll", "Qt6QuickLayouts.dll", "Qt6QuickTemplates2.dll",
                          "Qt6Svg.dll",            "Qt6Widgets.dll"};
    layout.pluginFolders = {"iconengines", "imageformats", "platforms", "qml"};
#else
    layout.programPath = QCoreApplication::applicationFilePath();
    layout.uninstallerPath = QStringLiteral("%1/uninstall").arg(layout.installFolder);
#endif
    return layout;
}
