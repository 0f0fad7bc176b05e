#include "filemanager/filemanager.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMimeDatabase>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSaveFile>
#include <QStandardPaths>

namespace filemanager {

namespace {

Q_LOGGING_CATEGORY(fileManagerLog, "filemanager")

FileManager::SaveLocationChooser& chooserOverride()
{
    static FileManager::SaveLocationChooser chooser;
    return chooser;
}

// The top-level widget that shows the item (the QML window sits inside a native main
// window), else the active window.
QWidget* dialogParent(QQuickItem* item)
{
    if (item && item->window()) {
        const QWindow* topLevel = item->window();
        while (topLevel->parent())
            topLevel = topLevel->parent();
        const QWidgetList widgets = QApplication::topLevelWidgets();
        for (QWidget* widget : widgets) {
            if (widget->windowHandle() == topLevel)
                return widget;
        }
    }
    return QApplication::activeWindow();
}

QString askForLocation(const QString& suggestedPath, const QString& filter, QQuickItem* item)
{
    if (chooserOverride())
        return chooserOverride()(suggestedPath, filter);
    return QFileDialog::getSaveFileName(dialogParent(item), QString(), suggestedPath, filter);
}

QString nameFilter(const QString& mimeType)
{
    const QMimeType type = QMimeDatabase().mimeTypeForName(mimeType);
    return type.isValid() ? type.filterString() : QString();
}

QString suggestedPath(const QString& path)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).filePath(QFileInfo(path).fileName());
}

bool copyCompletely(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        qCWarning(fileManagerLog).noquote() << "Cannot read the file to export" << source << in.errorString();
        return false;
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(in.readAll()) != in.size() || !out.commit()) {
        qCWarning(fileManagerLog).noquote() << "Cannot write the exported file" << target << out.errorString();
        return false;
    }
    return true;
}

bool isProtectedFolder(const QString& folder)
{
    const QString clean = QDir::cleanPath(folder);
    return QDir(clean).isRoot() || clean == QDir::cleanPath(QDir::homePath());
}

} // namespace

bool FileManager::clearAndCreateExportLocation(const QString& folder)
{
    if (folder.isEmpty() || QDir::isRelativePath(folder) || isProtectedFolder(folder)) {
        qCWarning(fileManagerLog).noquote() << "Refusing to clear the folder" << folder;
        return false;
    }
    QDir dir(folder);
    if (dir.exists() && !dir.removeRecursively()) {
        qCWarning(fileManagerLog).noquote() << "Cannot clear the export folder" << folder;
        return false;
    }
    if (!QDir().mkpath(folder)) {
        qCWarning(fileManagerLog).noquote() << "Cannot create the export folder" << folder;
        return false;
    }
    return true;
}

bool FileManager::exportFile(const QString& path, const QString& mimeType, QQuickItem* item)
{
    if (!QFileInfo(path).isFile()) {
        qCWarning(fileManagerLog).noquote() << "There is no file to export at" << path;
        return false;
    }
    const QString target = askForLocation(suggestedPath(path), nameFilter(mimeType), item);
    if (target.isEmpty())
        return false;
    if (QFileInfo(target).canonicalFilePath() == QFileInfo(path).canonicalFilePath())
        return true;
    return copyCompletely(path, target);
}

void FileManager::setSaveLocationChooser(SaveLocationChooser chooser)
{
    chooserOverride() = std::move(chooser);
}

} // namespace filemanager
