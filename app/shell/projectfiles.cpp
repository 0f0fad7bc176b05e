#include "projectfiles.h"

#include "tarvinologging.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <devices/iniwritter.h>
#include <devices/ot2file.h>
#include <filemanager/filemanager.h>

namespace {

bool isProjectFile(QSettings& settings)
{
    return settings.value(QStringLiteral("Ident/Name")).toString().toLower().contains(QLatin1String("tarvino"));
}

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

} // namespace

bool ProjectFiles::read(const QByteArray& bytes, devices::Ot2File* file)
{
    // QSettings reads INI text from files only.
    QTemporaryFile copy;
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush()) {
        qCWarning(tarvinoLog) << ">> Cannot check the project file:" << copy.errorString();
        return false;
    }
    copy.close();
    QSettings settings(copy.fileName(), QSettings::IniFormat);
    devices::Ot2File read;
    if (!isProjectFile(settings) || !read.restore(settings)) {
        qCWarning(tarvinoLog) << ">> The file being imported isn't an ot2 file!";
        return false;
    }
    *file = read;
    return true;
}

QByteArray ProjectFiles::toBytes(const devices::Ot2File& file)
{
    return file.toText();
}

QString ProjectFiles::nameFromFileName(const QString& path)
{
    return QFileInfo(path).fileName().remove(QStringLiteral(".ot2"), Qt::CaseInsensitive);
}

QString ProjectFiles::safeFileName(const QString& name)
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

QString ProjectFiles::defaultProjectName()
{
    return QCoreApplication::translate("New project", "Projekt %1").arg(1);
}

QString ProjectFiles::exportFolder(const QString& name)
{
    return QStringLiteral("%1/%2").arg(QStandardPaths::standardLocations(QStandardPaths::DocumentsLocation).constLast(),
                                       name);
}

QString ProjectFiles::exportPath(const QString& folderName, const QString& name, const QString& extension)
{
    const QString folder = exportFolder(folderName);
    if (!filemanager::FileManager::clearAndCreateExportLocation(folder)) {
        qCWarning(tarvinoLog).noquote() << ">> Cannot prepare the export folder" << folder;
        return {};
    }
    return QStringLiteral("%1/%2.%3").arg(folder, safeFileName(name), extension);
}

bool ProjectFiles::writeProjectFile(const QString& path, const devices::Ot2File& file)
{
    devices::IniWritter writer(path);
    file.save(writer);
    return writer.end();
}

bool ProjectFiles::writeFile(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
        qCWarning(tarvinoLog).noquote() << ">> Cannot write" << path << ":" << file.errorString();
        return false;
    }
    return true;
}
