#include "settingsfileformat.h"

#include <QFile>
#include <QTemporaryFile>

namespace core {

namespace {

// Qt reads and writes INI text through files only: the text passes through a temporary one.
bool readText(const QByteArray& bytes, QSettings::SettingsMap& map)
{
    QTemporaryFile text;
    if (!text.open() || text.write(bytes) != bytes.size() || !text.flush())
        return false;
    QSettings ini(text.fileName(), QSettings::IniFormat);
    const QStringList keys = ini.allKeys();
    for (const QString& key : keys)
        map.insert(key, ini.value(key));
    return ini.status() == QSettings::NoError;
}

} // namespace

QSettings::Format SettingsFileFormat::format()
{
    static const QSettings::Format registered = QSettings::registerFormat(QStringLiteral("conf"), read, write);
    return registered;
}

bool SettingsFileFormat::read(QIODevice& device, QSettings::SettingsMap& map)
{
    return readText(device.readAll(), map);
}

bool SettingsFileFormat::write(QIODevice& device, const QSettings::SettingsMap& map)
{
    QTemporaryFile text;
    if (!text.open())
        return false;
    {
        QSettings ini(text.fileName(), QSettings::IniFormat);
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            ini.setValue(it.key(), it.value());
        ini.sync();
        if (ini.status() != QSettings::NoError)
            return false;
    }
    // Qt replaced the temporary file by a new one: it is read by its name. The text may be cut
    // just as the real file would have been; it counts only when it reads back whole (from a
    // file of another name, as Qt answers a name it wrote from memory).
    QFile written(text.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = written.readAll();
    QSettings::SettingsMap readBack;
    if (!readText(bytes, readBack) || readBack != map)
        return false;
    return device.write(bytes) == bytes.size();
}

} // namespace core
