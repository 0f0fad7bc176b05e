#include "projectfiles.h"

#include "tarvinologging.h"

#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

#include <devices/iniwritter.h>
#include <devices/ot2file.h>

namespace {

bool isProjectFile(QSettings& settings)
{
    return settings.value(QStringLiteral("Ident/Name")).toString().toLower().contains(QLatin1String("tarvino"));
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

bool ProjectFiles::writeProjectFile(const QString& path, const devices::Ot2File& file)
{
    devices::IniWritter writer(path);
    file.save(writer);
    return writer.end();
}
