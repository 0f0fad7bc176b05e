#pragma once

#include <QFile>
#include <QtGlobal>

// The updater's own log, "updateLog.txt" in the update folder: every message of the process
// goes there, one line each, and on to the console.
class UpdateLog {
public:
    UpdateLog() = default;
    ~UpdateLog();
    UpdateLog(const UpdateLog&) = delete;
    UpdateLog& operator=(const UpdateLog&) = delete;

    // False when the file cannot be made; the messages then reach the console only.
    bool open(const QString& folder);

private:
    static void record(QtMsgType type, const QMessageLogContext& context, const QString& message);

    QFile m_file;
};
