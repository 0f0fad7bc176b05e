#pragma once

#include <QFuture>
#include <QString>

#include <devices/ot2file.h>

// What the device and cloud controllers need of the program's owner of the open project: the
// project as a project file, and its name.
class ProjectFileSource {
public:
    virtual ~ProjectFileSource() = default;
    // The open project's file, its name in name; a finished, cancelled future when no project
    // is open.
    virtual QFuture<devices::Ot2File> currentProjectFile(QString* name) = 0;
};
