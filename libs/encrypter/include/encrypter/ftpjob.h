#pragma once

#include <QByteArray>
#include <QString>
#include <QUuid>
#include <functional>

namespace encrypter {

// One queued transfer of the FTP service, owned by its queue.
struct FtpJob {
    enum Type { Download = 0, Listing = 1 };

    QUuid id = QUuid::createUuid();
    QString url;
    // Target file of a download; empty: the data stay in memory.
    QString filePath;
    QString username;
    QString password;
    std::function<void(const QByteArray&)> callback;
    int type = Download;
    bool started = false;
    // Without TLS the transfer fails instead of going on in plain text.
    bool requireTls = false;
};

} // namespace encrypter
