#pragma once

#include <QByteArray>
#include <QString>

namespace devices {
class Ot2File;
}

// Reading, naming and writing of project files (".ot2") and of the other exported files.
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
    // The name as one file-name part: no path separators, no "..", no control characters, no
    // leading dot, at most 200 bytes of UTF-8 (cut between characters). A result that is empty
    // becomes the default project name.
    static QString safeFileName(const QString& name);
    // The name a project gets when it has none.
    static QString defaultProjectName();

    // The export folder with that name in the documents location.
    static QString exportFolder(const QString& name);
    // Empties the export folder and gives the path of a file name.extension in it; empty, with a
    // warning, when the folder cannot be prepared.
    static QString exportPath(const QString& folderName, const QString& name, const QString& extension);

    // Both replace the file at path only when the whole content was written; false, with a
    // warning, otherwise.
    static bool writeProjectFile(const QString& path, const devices::Ot2File& file);
    static bool writeFile(const QString& path, const QByteArray& content);
};
