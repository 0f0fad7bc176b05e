#include "fuzzapplication.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

void dropMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        fprintf(stderr, "%s\n", qPrintable(message));
        abort();
    }
}

QTemporaryDir& workFolder() {
    static QTemporaryDir folder;
    return folder;
}

} // namespace

void FuzzApplication::start(int* argc, char*** argv, Kind kind) {
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropMessage);
    // Settings and data files written by a target stay in a folder of its own.
    QStandardPaths::setTestModeEnabled(true);
    if (kind == Gui)
        new QGuiApplication(*argc, *argv);
    else
        new QCoreApplication(*argc, *argv);
    QCoreApplication::setOrganizationName(QStringLiteral("TarvinoFuzz"));
    QCoreApplication::setApplicationName(QStringLiteral("fuzz"));
}

QByteArray FuzzApplication::bytes(const uint8_t* data, size_t size) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

QString FuzzApplication::writeFile(const QString& name, const QByteArray& bytes) {
    const QString path = workFolder().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return {};
    return path;
}
