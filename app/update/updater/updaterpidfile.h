#pragma once

#include <QString>

// "updater.pid" beside the two updater programs: the updater's process id while it runs, with
// " finished" appended once it is done. The watcher waits on it. The main program makes the
// programs' folder anew for every update, so the file is never left from an earlier one.
class UpdaterPidFile {
public:
    // The file in the folder of the running program.
    UpdaterPidFile();

    bool writeRunning() const;
    bool writeFinished() const;

    bool exists() const;
    // The finished mark is written, or the process is gone (also after a crash).
    bool updaterEnded() const;

private:
    bool write(const QByteArray& content) const;

    QString m_path;
};
