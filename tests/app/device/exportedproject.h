#pragma once

#include "exportableproject.h"

#include <QFuture>
#include <QObject>

// A project to export, as the project controller hands it over.
class ExportedProject : public QObject, public ExportableProject {
    Q_OBJECT
    Q_INTERFACES(ExportableProject)

public:
    explicit ExportedProject(const devices::Ot2File& file)
        : m_file(file)
    {
    }
    QFuture<devices::Ot2File> buildFile(bool optimize) override
    {
        Q_UNUSED(optimize)
        return QtFuture::makeReadyFuture(m_file);
    }

private:
    devices::Ot2File m_file;
};
