#include "exportfiles.h"

#include "tarvinologging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <filemanager/filemanager.h>

namespace {

bool isLineBreakOrControl(QChar ch)
{
    const QChar::Category category = ch.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line
        || category == QChar::Separator_Paragraph;
}

// File systems take 255 bytes per name: room for an extension and the temporary suffix of an
// atomic write.
constexpr qsizetype MaxFileNameBytes = 200;

// The longest start of the text that takes at most maxBytes in UTF-8, cut between characters.
QString keepUtf8Bytes(const QString& text, qsizetype maxBytes)
{
    qsizetype bytes = 0;
    qsizetype end = 0;
    while (end < text.size()) {
        const bool pair = text.at(end).isHighSurrogate() && end + 1 < text.size() && text.at(end + 1).isLowSurrogate();
        const qsizetype units = pair ? 2 : 1;
        bytes += text.mid(end, units).toUtf8().size();
        if (bytes > maxBytes)
            break;
        end += units;
    }
    return text.left(end);
}

ExportFiles::SaveFileChooser saveFileChooser;

} // namespace

QString ExportFiles::safeFileName(const QString& name)
{
    QString safe;
    for (const QChar ch : name) {
        if (ch != u'/' && ch != u'\\' && !isLineBreakOrControl(ch))
            safe += ch;
    }
    while (safe.contains(QLatin1String("..")))
        safe.replace(QLatin1String(".."), QLatin1String("."));
    // A leading dot would hide the file.
    while (!safe.isEmpty() && (safe.front() == u'.' || safe.front().isSpace()))
        safe.remove(0, 1);
    safe = keepUtf8Bytes(safe, MaxFileNameBytes).trimmed();
    return safe.isEmpty() ? defaultProjectName() : safe;
}

QString ExportFiles::defaultProjectName()
{
    return QCoreApplication::translate("New project", "Projekt %1").arg(1);
}

QString ExportFiles::exportFolder(const QString& name)
{
    return QStringLiteral("%1/%2").arg(QStandardPaths::standardLocations(QStandardPaths::DocumentsLocation).constLast(),
                                       name);
}

QString ExportFiles::exportPath(const QString& folderName, const QString& name, const QString& extension)
{
    const QString folder = exportFolder(folderName);
    if (!filemanager::FileManager::clearAndCreateExportLocation(folder)) {
        qCWarning(tarvinoLog).noquote() << ">> Cannot prepare the export folder" << folder;
        return {};
    }
    return QStringLiteral("%1/%2.%3").arg(folder, safeFileName(name), extension);
}

bool ExportFiles::writeFile(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
        qCWarning(tarvinoLog).noquote() << ">> Cannot write" << path << ":" << file.errorString();
        return false;
    }
    return true;
}

QString ExportFiles::csvField(const QString& text)
{
    const QString field = text.trimmed();
    const bool needsQuotes =
        field.contains(u',') || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r');
    if (!needsQuotes)
        return field;
    return QStringLiteral("\"%1\"").arg(QString(field).replace(u'"', QLatin1String("\"\"")));
}

void ExportFiles::setSaveFileChooser(SaveFileChooser chooser)
{
    saveFileChooser = std::move(chooser);
}

QString ExportFiles::askSaveFile(const QString& suggestedPath, const QString& title, const QString& filter)
{
    if (saveFileChooser)
        return saveFileChooser(suggestedPath);
    return QFileDialog::getSaveFileName(nullptr, title, suggestedPath, filter);
}

QString ExportFiles::documentsFilePath(const QString& fileName)
{
    // A fresh account may have no documents folder yet; the dialog would then open in the
    // program's working folder.
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(documents).isDir())
        documents = QDir::homePath();
    return QStringLiteral("%1/%2").arg(documents, fileName);
}
