#pragma once

#include <QString>
#include <functional>

class QQuickItem;

namespace filemanager {

// Hands files the program has written over to the user.
class FileManager {
public:
    // Asks where a file should go. Arguments: the suggested target path and the file-type
    // filter of the save dialog. Returns the chosen path, empty when the user cancels.
    using SaveLocationChooser = std::function<QString(const QString& suggestedPath, const QString& filter)>;

    // Empties the folder (an absolute path) and creates it again, with its parents. Refuses,
    // with a warning, a relative path, the file-system root and the user's home folder.
    static bool clearAndCreateExportLocation(const QString& folder);

    // Offers the written file at path to the user: a save dialog proposes its name in the
    // documents folder, with a filter for the MIME type, and the file is copied to the chosen
    // place. The item, when given, tells which window the dialog belongs to. True when the copy
    // is complete; false when the user cancels or the copy fails (with a warning), in which
    // case no half-written file is left at the target.
    static bool exportFile(const QString& path, const QString& mimeType, QQuickItem* item);

    // Replaces the save dialog (tests); an empty function restores it.
    static void setSaveLocationChooser(SaveLocationChooser chooser);
};

} // namespace filemanager
