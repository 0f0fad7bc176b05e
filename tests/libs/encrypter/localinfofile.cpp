#include "localinfofile.h"

#include <QFile>
#include <QUrl>

bool LocalInfoFile::write()
{
    QFile file(filePath(QStringLiteral("info.json")));
    return m_folder.isValid() && file.open(QIODevice::WriteOnly) && file.write(Content) == Content.size();
}

QString LocalInfoFile::url() const
{
    return QUrl::fromLocalFile(filePath(QStringLiteral("info.json"))).toString();
}
