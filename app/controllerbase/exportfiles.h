#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Naming, placing and writing of the files the program writes for the user: the subsystems
// export through it without reaching up to the main controller.
class ExportFiles {
public:
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
    // One CSV field: trimmed, and quoted with quotes doubled when it holds a comma, a quote or a
    // line break.
    static QString csvField(const QString& text);
    // Replaces the file at path only when the whole content was written; false, with a warning,
    // otherwise.
    static bool writeFile(const QString& path, const QByteArray& content);

    // Asks where an exported or saved file goes: the suggested path in, the chosen one out (empty
    // when the user cancels).
    using SaveFileChooser = std::function<QString(const QString& suggestedPath)>;
    // Replaces the save dialog (tests); an empty function restores it.
    static void setSaveFileChooser(SaveFileChooser chooser);
    // Asks where a file goes, through the save dialog or its replacement; empty when cancelled.
    static QString askSaveFile(const QString& suggestedPath, const QString& title, const QString& filter);
    // The user's documents folder followed by the file name.
    static QString documentsFilePath(const QString& fileName);
};
