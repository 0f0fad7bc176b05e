#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A software update's info file in a folder of its own, served by libcurl as a file:// URL.
class LocalInfoFile
{
public:
    static inline const QByteArray Content = QByteArrayLiteral("{\"version\":\"1.0.33\"}\n");

    // False when the folder or the file cannot be made.
    bool write();
    QString url() const;
    QString filePath(const QString& name) const { return m_folder.filePath(name); }

private:
    QTemporaryDir m_folder;
};
