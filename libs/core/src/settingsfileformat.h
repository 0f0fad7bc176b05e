#pragma once

#include <QSettings>

namespace core {

// The settings file as Qt writes INI files, with one difference: a write that fails (a full
// disk, a file size limit) keeps the previous file. Qt's own INI writer ignores a short write and
// still puts the cut file in place of the old one.
class SettingsFileFormat {
public:
    SettingsFileFormat() = delete;

    // Registered on first use; files end in ".conf", as those of the native format do.
    static QSettings::Format format();

private:
    static bool read(QIODevice& device, QSettings::SettingsMap& map);
    static bool write(QIODevice& device, const QSettings::SettingsMap& map);
};

} // namespace core
