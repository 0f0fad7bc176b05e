#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>

#include "encrypter/encrypter_export.h"

namespace encrypter {

// One entry of a machine-readable directory listing (MLSD, RFC 3659): facts written as
// key=value; followed by a space and the name.
//
// The facts end at the first space and everything after it is the name, so a name may hold
// ";" or look like a fact ("size=5.txt"). A fact is recognised by its key at the start of a
// part (case-sensitive); of repeated keys the first wins. "modify" is UTC. Missing facts:
// type -1, size 0, group, mode and owner -1, texts empty, date invalid.
class ENCRYPTER_EXPORT FtpFileInfo {
public:
    // All is no entry's type: the listing filter's value for any type.
    enum FileType { Unknown = -1, File = 0, Dir = 1, Pdir = 2, Cdir = 3, All = 4 };

    explicit FtpFileInfo(const QString& line);
    FtpFileInfo(const FtpFileInfo&) = default;
    FtpFileInfo& operator=(const FtpFileInfo&) = default;
    virtual ~FtpFileInfo();

    // The valid entries of a whole listing (one entry a line) of the type, or of any type for All.
    static QList<FtpFileInfo> listing(const QByteArray& data, FileType type);

    QString name() const { return m_name; }
    QDateTime modificationDate() const { return m_modificationDate; }
    QString permissions() const { return m_permissions; }
    FileType type() const { return m_type; }
    QString id() const { return m_id; }
    int group() const { return m_group; }
    int mode() const { return m_mode; }
    int owner() const { return m_owner; }
    int size() const { return m_size; }

    // A known type, an id and a name.
    bool isValid() const;
    void print() const;

private:
    static int searchKey(const QString& key, const QList<QString>& parts, QSet<int>& unusedParts);
    void readFact(const QString& key, const QString& value);

    QString m_name;
    QDateTime m_modificationDate;
    QString m_permissions;
    FileType m_type = Unknown;
    QString m_id;
    int m_group = -1;
    int m_mode = -1;
    int m_owner = -1;
    int m_size = 0;
};

} // namespace encrypter
