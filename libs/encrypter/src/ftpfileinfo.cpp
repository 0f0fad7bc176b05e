#include "encrypter/ftpfileinfo.h"

#include <QDebug>
#include <QList>
#include <QSet>

namespace encrypter {

namespace {

const QList<QString>& factKeys()
{
    static const QList<QString> keys{QStringLiteral("modify="),    QStringLiteral("perm="),
                                     QStringLiteral("size="),      QStringLiteral("type="),
                                     QStringLiteral("unique="),    QStringLiteral("UNIX.group="),
                                     QStringLiteral("UNIX.mode="), QStringLiteral("UNIX.owner=")};
    return keys;
}

int number(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

FtpFileInfo::FileType fileType(const QString& text)
{
    if (text == QLatin1String("file"))
        return FtpFileInfo::File;
    if (text == QLatin1String("dir"))
        return FtpFileInfo::Dir;
    if (text == QLatin1String("pdir"))
        return FtpFileInfo::Pdir;
    if (text == QLatin1String("cdir"))
        return FtpFileInfo::Cdir;
    return FtpFileInfo::Unknown;
}

// RFC 3659 times are UTC; read apart, date and time never pass through local time.
QDateTime utcTime(const QString& text)
{
    if (text.size() != 14)
        return {};
    const QDate date = QDate::fromString(text.left(8), QStringLiteral("yyyyMMdd"));
    const QTime time = QTime::fromString(text.mid(8), QStringLiteral("hhmmss"));
    return date.isValid() && time.isValid() ? QDateTime(date, time, Qt::UTC) : QDateTime();
}

} // namespace

FtpFileInfo::FtpFileInfo(const QString& line)
{
    QString entry = line;
    while (entry.endsWith(QLatin1Char('\n')) || entry.endsWith(QLatin1Char('\r')))
        entry.chop(1);
    const qsizetype space = entry.indexOf(QLatin1Char(' '));
    if (space < 0)
        return;
    m_name = entry.mid(space + 1);
    const QList<QString> parts = entry.left(space).split(QLatin1Char(';'));
    QSet<int> unusedParts;
    for (int part = 0; part < parts.size(); ++part)
        unusedParts.insert(part);
    for (const QString& key : factKeys()) {
        const int part = searchKey(key, parts, unusedParts);
        if (part >= 0)
            readFact(key, parts.at(part).mid(key.size()));
    }
}

FtpFileInfo::~FtpFileInfo() = default;

QList<FtpFileInfo> FtpFileInfo::listing(const QByteArray& data, FileType type)
{
    QList<FtpFileInfo> entries;
    for (const QByteArray& line : data.split('\n')) {
        const FtpFileInfo entry(QString::fromUtf8(line));
        if (entry.isValid() && (type == All || entry.type() == type))
            entries.append(entry);
    }
    return entries;
}

bool FtpFileInfo::isValid() const
{
    return m_type != Unknown && !m_id.isEmpty() && !m_name.isEmpty();
}

void FtpFileInfo::print() const
{
    qDebug().noquote().nospace() << "Name: " << m_name << " type: " << static_cast<int>(m_type)
                                 << " modification date: " << m_modificationDate << " size: " << m_size
                                 << " permissions: " << m_permissions << " group: " << m_group
                                 << " mode: " << m_mode << " owner: " << m_owner << " id: " << m_id;
}

int FtpFileInfo::searchKey(const QString& key, const QList<QString>& parts, QSet<int>& unusedParts)
{
    for (int part = 0; part < parts.size(); ++part) {
        if (unusedParts.contains(part) && parts.at(part).startsWith(key)) {
            unusedParts.remove(part);
            return part;
        }
    }
    return -1;
}

void FtpFileInfo::readFact(const QString& key, const QString& value)
{
    if (key == QLatin1String("modify=")) {
        m_modificationDate = utcTime(value);
    } else if (key == QLatin1String("perm=")) {
        m_permissions = value;
    } else if (key == QLatin1String("size=")) {
        m_size = number(value);
    } else if (key == QLatin1String("type=")) {
        m_type = fileType(value);
    } else if (key == QLatin1String("unique=")) {
        m_id = value;
    } else if (key == QLatin1String("UNIX.group=")) {
        m_group = number(value);
    } else if (key == QLatin1String("UNIX.mode=")) {
        // Decimal as the server writes it: "0644" reads 644.
        m_mode = number(value);
    } else if (key == QLatin1String("UNIX.owner=")) {
        m_owner = number(value);
    }
}

} // namespace encrypter
