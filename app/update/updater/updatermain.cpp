// The updater: uninstalls the running version with its uninstaller and installs the new one
// with the downloaded installer, each driven by a controller script, then leaves the new
// version's change log for the program. Arguments: the installer path, the uninstaller path.

#include "updatelog.h"
#include "updaterpidfile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSaveFile>

namespace {

const QByteArray TargetDirPlaceholder = "\"@TARGET_DIR@\"";

// The folder as a script string literal, quotes and backslashes escaped.
QByteArray scriptString(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}

// Writes the controller script out of the resources beside the updater; empty on failure.
QString writeScript(const QString& name, const QString& installFolder)
{
    QFile resource(QStringLiteral(":/scripts/%1").arg(name));
    if (!resource.open(QIODevice::ReadOnly)) {
        qCritical().noquote() << "Missing controller script" << name;
        return {};
    }
    const QByteArray script = resource.readAll().replace(TargetDirPlaceholder, scriptString(installFolder));
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    if (!writeFile(path, script)) {
        qCritical().noquote() << "Couldn't write the controller script" << path;
        return {};
    }
    return path;
}

// Runs the program with the script and waits for it. The failure text, or empty on success.
QString runWithScript(const QString& program, const QString& script, const QString& label)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, {QStringLiteral("--script=%1").arg(script)});
    if (!process.waitForStarted(-1))
        return process.errorString();
    process.waitForFinished(-1);
    qInfo().noquote() << QStringLiteral("%1 Exit code = %2 exitStatus = %3")
                             .arg(label)
                             .arg(process.exitCode())
                             .arg(static_cast<int>(process.exitStatus()));
    if (process.exitStatus() != QProcess::NormalExit)
        return process.errorString();
    return process.exitCode() == 0 ? QString() : QStringLiteral("exit code %1").arg(process.exitCode());
}

// The installer leaves the new version's change log in the installation folder.
void leaveChangelog(const QString& installFolder, const QString& updateFolder)
{
    QFile source(QDir(installFolder).filePath(QStringLiteral("changelog.txt")));
    if (!source.open(QIODevice::ReadOnly)) {
        qInfo().noquote() << "The new version brings no change log in" << installFolder;
        return;
    }
    const QString changelog = QString::fromUtf8(source.readAll());
    const QString target = QDir(updateFolder).filePath(QStringLiteral("changelog.txt"));
    if (!writeFile(target, changelog.toUtf8()))
        qWarning().noquote() << "Couldn't write the change log" << target;
}

int update(const QString& installer, const QString& uninstaller)
{
    const QString installFolder = QFileInfo(uninstaller).absolutePath();
    const QString uninstallScript = writeScript(QStringLiteral("auto_uninstall.qs"), installFolder);
    const QString installScript = writeScript(QStringLiteral("auto_install.qs"), installFolder);
    if (uninstallScript.isEmpty() || installScript.isEmpty())
        return 1;

    const QString uninstallFailure = runWithScript(uninstaller, uninstallScript, QStringLiteral("Uninstaller"));
    if (!uninstallFailure.isEmpty()) {
        qCritical().noquote() << QStringLiteral("Failed to uninstall the current app: %1").arg(uninstallFailure);
        return 1;
    }
    const QString installFailure = runWithScript(installer, installScript, QStringLiteral("Installer"));
    if (!installFailure.isEmpty()) {
        qCritical().noquote() << QStringLiteral("Failed to install the update: %1").arg(installFailure);
        return 1;
    }
    leaveChangelog(installFolder, QFileInfo(installer).absolutePath());
    qInfo() << "Update finished";
    return 0;
}

int run(const QStringList& arguments)
{
    if (arguments.size() != 2) {
        qCritical() << "Wrong argument count!";
        return 1;
    }
    UpdateLog log;
    if (!log.open(QFileInfo(arguments.at(0)).absolutePath()))
        qWarning() << "Couldn't open the update log";
    for (const QString& file : arguments) {
        if (!QFileInfo::exists(file)) {
            qCritical().noquote() << QStringLiteral("File %1 doesn't exists!").arg(file);
            return 1;
        }
    }
    return update(arguments.at(0), arguments.at(1));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const UpdaterPidFile pidFile;
    if (!pidFile.writeRunning())
        qWarning() << "Couldn't write the process id: the program will not be started again";
    const int result = run(QCoreApplication::arguments().mid(1));
    pidFile.writeFinished();
    return result;
}
