#pragma once

#include <QFuture>
#include <QObject>

#include <devices/ot2file.h>

// What the data exchange needs of the project it writes into a device: the project as a project
// file. The shell's project controller implements it.
class ExportableProject {
public:
    virtual ~ExportableProject() = default;
    virtual QFuture<devices::Ot2File> buildFile(bool optimize) = 0;
};

Q_DECLARE_INTERFACE(ExportableProject, "ExportableProject")
