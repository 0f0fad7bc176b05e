#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace devices {

// Writes INI text that QSettings (IniFormat) reads back exactly: keys, group names and values
// are escaped the way QSettings expects them. The text is collected in memory and written by
// end(), so a failed write never leaves half a file behind.
//
// Keys may contain "/" to build QSettings arrays ("Items/size", "Items/1/Name"). Each group is
// written once, in the order of beginGroup() calls; the empty group is QSettings' root group.
class IniWritter {
public:
    // Writes to the file at path when end() is called; the old file stays until then.
    explicit IniWritter(const QString& path);
    // Writes to an open, writable device (a QBuffer included) when end() is called.
    explicit IniWritter(QIODevice* device);
    ~IniWritter();
    IniWritter(const IniWritter&) = delete;
    IniWritter& operator=(const IniWritter&) = delete;

    void beginGroup(const QString& group);
    void endGroup();

    void setValue(const QString& key, const QString& value);
    void setValue(const QString& key, const char* value) { setValue(key, QString::fromUtf8(value)); }
    void setValue(const QString& key, int value);
    void setValue(const QString& key, qint64 value);
    void setValue(const QString& key, bool value);
    void setValue(const QString& key, double value);

    // Writes the text out. True when every byte reached its target (for a path: the file was
    // replaced); false, with a logged warning, otherwise. Later calls change nothing.
    bool end();

    // The escaped forms, as QSettings writes them.
    static QByteArray escapedKey(const QString& key);
    static QByteArray escapedGroup(const QString& group);
    static QByteArray escapedValue(const QString& value);

private:
    bool writeTo(QIODevice* device) const;

    QString m_path;
    QIODevice* m_device = nullptr;
    bool m_toDevice = false;
    QByteArray m_text;
    bool m_ended = false;
    bool m_result = false;
};

} // namespace devices
