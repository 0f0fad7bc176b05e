#pragma once

#include <QString>
#include <QStringList>

// Where the running program is installed and what the updater needs of it: the program the
// watcher starts again, the uninstaller, and the Qt libraries and plug-in folders copied beside
// the updater. On Windows the updater brings the program's Qt along; on Linux it runs on the
// system's Qt, so both lists are empty.
struct UpdaterLayout {
    // Empty when unknown: the user is then never asked to update.
    QString installFolder;
    QString programPath;
    QString uninstallerPath;
    QStringList qtLibraries;
    QStringList pluginFolders;

    // The running program's layout. The folder is known only when argument 0 names an existing
    // file; a program started through PATH has a bare name there.
    static UpdaterLayout ofRunningProgram();
};
