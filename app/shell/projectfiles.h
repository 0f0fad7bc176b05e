#pragma once

#include <QByteArray>
#include <QString>

namespace devices {
class Ot2File;
}

// Reading, naming and writing of project files (".ot2"); other exported files go through
// ExportFiles.
class ProjectFiles {
public:
    // Fills file from the bytes when they are a project file: an INI text whose "Ident"/"Name",
    // lower-cased, contains "tarvino", of a model the catalogue knows. Else false, with a warning,
    // and file is left as it was.
    static bool read(const QByteArray& bytes, devices::Ot2File* file);
    // The project file as INI text.
    static QByteArray toBytes(const devices::Ot2File& file);

    // The project name a file stands for: its name without folder and without ".ot2" (any case).
    static QString nameFromFileName(const QString& path);
    // Replaces the file at path only when the whole content was written; false, with a warning,
    // otherwise.
    static bool writeProjectFile(const QString& path, const devices::Ot2File& file);
};
