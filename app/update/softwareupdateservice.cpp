#include "softwareupdateservice.h"

#include "updatelogging.h"
#include "updatesettingskeys.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>
#include <QUrl>

#include <core/settingsservice.h>
#include <encrypter/ftpservice.h>

SoftwareUpdateService* SoftwareUpdateService::m_instance = nullptr;

namespace {

const QString ForceOnlineSearchKey = QString::fromLatin1(UpdateSettingsKeys::ForceOnlineSearch);
const QString EndpointKey = QString::fromLatin1(UpdateSettingsKeys::Endpoint);
const QString LastCheckedKey = QString::fromLatin1(UpdateSettingsKeys::LastChecked);

const QString DayFormat = QStringLiteral("ddMMyyyy");

constexpr QFile::Permissions ExecutablePermissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                      QFile::ReadUser | QFile::WriteUser | QFile::ExeUser |
                                                      QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                                      QFile::ExeOther;

QString abiProcessor()
{
    return QSysInfo::buildAbi().section(QLatin1Char('-'), 0, 0);
}

QString currentVersion()
{
    return QCoreApplication::applicationVersion().remove(QStringLiteral("(DEBUG)")).trimmed();
}

// The number pieces of a version: the dotted first part, and the build suffix "-N" only when
// both versions carry exactly one.
QStringList versionPieces(const QString& version, bool withSuffix)
{
    const QStringList parts = version.split(QLatin1Char('-'));
    QStringList pieces = parts.first().split(QLatin1Char('.'));
    if (withSuffix)
        pieces.append(parts.at(1));
    return pieces;
}

} // namespace

SoftwareUpdateService::SoftwareUpdateService(encrypter::FtpService* ftpService, QObject* parent)
    : QObject(parent)
    , Service<SoftwareUpdateService>(this)
    , m_ftpService(ftpService)
    , m_currentVersion(currentVersion())
    , m_updateFolder(QStringLiteral("%1/update").arg(
          QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)))
    , m_layout(UpdaterLayout::ofRunningProgram())
    , m_updaterFileName(QStringLiteral("updater_%1.exe").arg(abiProcessor()))
    , m_watcherFileName(QStringLiteral("update-watcher_%1.exe").arg(abiProcessor()))
{
    cleanupUpdateFolder();
}

SoftwareUpdateService::~SoftwareUpdateService() = default;

bool SoftwareUpdateService::forceOnlineSoftwareUpdateSearch() const
{
    return core::SettingsService::instance().settingValue(ForceOnlineSearchKey).toBool();
}

void SoftwareUpdateService::setForceOnlineSoftwareUpdateSearch(bool force)
{
    if (force == forceOnlineSoftwareUpdateSearch())
        return;
    core::SettingsService::instance().setSettingValueFromStringKey(ForceOnlineSearchKey, force);
    emit forceOnlineSoftwareUpdateSearchChanged();
}

QString SoftwareUpdateService::softwareUpdateEndpoint() const
{
    return core::SettingsService::instance().settingValue(EndpointKey).toString();
}

void SoftwareUpdateService::setSoftwareUpdateEndpoint(const QString& endpoint)
{
    if (endpoint == softwareUpdateEndpoint())
        return;
    core::SettingsService::instance().setSettingValueFromStringKey(EndpointKey, endpoint);
    emit softwareUpdateEndpointChanged();
}

void SoftwareUpdateService::setDelays(int checkDelayMs, int downloadSettleDelayMs)
{
    m_checkDelayMs = checkDelayMs;
    m_downloadSettleDelayMs = downloadSettleDelayMs;
}

void SoftwareUpdateService::checkForSoftwareUpdate()
{
    QTimer::singleShot(m_checkDelayMs, this, &SoftwareUpdateService::runUpdateCheck);
}

void SoftwareUpdateService::runUpdateCheck()
{
    if (pendingInstallerEntries().isEmpty() && !shouldCheck())
        return;
    const QString url = QStringLiteral("%1/info.json").arg(softwareUpdateEndpoint());
    m_infoSource = sourceOf(url);
    if (m_infoSource == Source::Refused) {
        qCWarning(updateLog).noquote() << "Software update refused: the endpoint" << url
                                       << "is neither https, ftp nor a local file";
        return;
    }
    qCInfo(updateLog) << "Check for software update...";
    download(url, {}, [this](const QByteArray& data) { parseUpdateInfo(data); });
}

bool SoftwareUpdateService::shouldCheck() const
{
    if (forceOnlineSoftwareUpdateSearch()) {
        qCInfo(updateLog) << "App will check for software update, force online check is activated";
        return true;
    }
    const QString lastChecked = core::SettingsService::instance().settingValue(LastCheckedKey).toString();
    if (lastChecked == QDate::currentDate().toString(DayFormat)) {
        qCInfo(updateLog) << "No need to check for software update, it was already checked today";
        return false;
    }
    qCWarning(updateLog).noquote() << "App will check for software update, last checking date: " << lastChecked;
    return true;
}

QStringList SoftwareUpdateService::pendingInstallerEntries() const
{
    const QStringList entries =
        QDir(m_updateFolder).entryList({QStringLiteral("Tarvino_*.exe")}, QDir::Files, QDir::Unsorted);
    qCDebug(updateLog) << ">> pendingInstallerEntries = " << entries;
    return entries;
}

void SoftwareUpdateService::parseUpdateInfo(const QByteArray& data)
{
    if (data.isEmpty()) {
        qCWarning(updateLog) << "Failed to retrieve info file for software update";
        return;
    }
    // A truncated or garbled file is a failed check: it leaves everything as it was.
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError) {
        qCWarning(updateLog).noquote() << "Failed to read info file for software update:" << error.errorString();
        return;
    }
    m_infoVersion.clear();
    m_infoFile.clear();
    if (document.isObject())
        parseArchitectureEntry(document.object());
    else
        qCWarning(updateLog) << ">> Info.json isn't an object!";
    emit infoVersionChanged();

    if (m_infoVersion.isEmpty() || !isNewerVersion(m_infoVersion, m_currentVersion)) {
        qCDebug(updateLog).noquote() << QStringLiteral("No need to update software, current version = %1, new "
                                                       "version = %2")
                                            .arg(m_currentVersion, m_infoVersion);
        recordCompletedCheck();
        return;
    }
    if (findDownloadedInstaller()) {
        qCInfo(updateLog).noquote() << QStringLiteral("New version was already downloaded here %1").arg(m_installerPath);
        if (!m_layout.installFolder.isEmpty())
            emit showSoftwareUpdate();
        return;
    }
    qCInfo(updateLog).noquote() << QStringLiteral("Software should be updated, current version = %1, new version = %2")
                                       .arg(m_currentVersion, m_infoVersion);
    downloadUpdate();
}

void SoftwareUpdateService::recordCompletedCheck() const
{
    core::SettingsService::instance().setSettingValueFromStringKey(LastCheckedKey,
                                                                   QDate::currentDate().toString(DayFormat));
}

void SoftwareUpdateService::parseArchitectureEntry(const QJsonObject& object)
{
    const QString key = architecture();
    const QJsonValue entry = object.value(key);
    if (!entry.isObject()) {
        qCWarning(updateLog).noquote() << ">> info.json doesn't contain info for architecture: " << key;
        return;
    }
    const QJsonObject info = entry.toObject();
    if (info.value(QStringLiteral("version")).isString())
        m_infoVersion = info.value(QStringLiteral("version")).toString();
    else
        qCWarning(updateLog).noquote() << ">> Couldn't find a string version tag for architecture " << key;
    if (info.value(QStringLiteral("file")).isString())
        m_infoFile = info.value(QStringLiteral("file")).toString();
    else
        qCWarning(updateLog).noquote() << ">> Couldn't find a string file tag for architecture " << key;
}

QString SoftwareUpdateService::architecture()
{
    return abiProcessor() == QLatin1String("x86_64") ? QStringLiteral("x64") : QStringLiteral("x86");
}

bool SoftwareUpdateService::isNewerVersion(const QString& offered, const QString& current)
{
    const bool withSuffix = offered.count(QLatin1Char('-')) == 1 && current.count(QLatin1Char('-')) == 1;
    const QStringList offeredPieces = versionPieces(offered, withSuffix);
    const QStringList currentPieces = versionPieces(current, withSuffix);
    const qsizetype length = std::min(offeredPieces.size(), currentPieces.size());
    for (qsizetype index = 0; index < length; ++index) {
        // A piece that is not a number counts as 0.
        const int offeredNumber = offeredPieces.at(index).toInt();
        const int currentNumber = currentPieces.at(index).toInt();
        if (offeredNumber != currentNumber)
            return offeredNumber > currentNumber;
    }
    return false;
}

bool SoftwareUpdateService::findDownloadedInstaller()
{
    const QStringList entries = pendingInstallerEntries();
    if (entries.isEmpty())
        return false;
    const QString name = entries.first();
    const QStringList pieces = name.split(QLatin1Char('_'));
    if (pieces.size() < 5)
        return false;
    if (pieces.at(1) == m_infoVersion && pieces.at(4) == QStringLiteral("%1.exe").arg(architecture())) {
        m_installerPath = QStringLiteral("%1/%2").arg(m_updateFolder, name);
        return true;
    }
    QDir(m_updateFolder).remove(name);
    return false;
}

void SoftwareUpdateService::downloadUpdate()
{
    if (QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation).isEmpty()) {
        qCWarning(updateLog) << "Softare updated aborted, can't determine download folder location!";
        return;
    }
    const Source source = sourceOf(m_infoFile);
    // An info file from a server must not make the program take a file of this computer.
    if (source == Source::Refused || (source == Source::Local && m_infoSource == Source::Remote)) {
        qCWarning(updateLog).noquote() << "Software update refused: the installer location" << m_infoFile
                                       << "is not allowed";
        return;
    }
    QDir().mkpath(m_updateFolder);
    m_installerPath = QStringLiteral("%1/Tarvino_%2_%3_%4")
                          .arg(m_updateFolder, m_infoVersion,
                               QDateTime::currentDateTime().toString(QStringLiteral("ddMMyyyy_hhmmss")),
                               architecture());
    download(m_infoFile, QStringLiteral("%1.dat").arg(m_installerPath), [this](const QByteArray& data) {
        if (data.isEmpty()) {
            qCWarning(updateLog) << "Failed to retrieve installer file";
            return;
        }
        onDownloadFinished();
    });
}

void SoftwareUpdateService::onDownloadFinished()
{
    // The service is the timer's context: a service gone before it fires renames nothing.
    QTimer::singleShot(m_downloadSettleDelayMs, this, &SoftwareUpdateService::finishDownload);
}

void SoftwareUpdateService::finishDownload()
{
    const QString partial = QStringLiteral("%1.dat").arg(m_installerPath);
    m_installerPath += QStringLiteral(".exe");
    if (QFile::exists(partial) && QFile::rename(partial, m_installerPath) && !m_layout.installFolder.isEmpty())
        emit showSoftwareUpdate();
}

void SoftwareUpdateService::download(const QString& url, const QString& filePath,
                                     std::function<void(const QByteArray&)> callback)
{
    // The FTP service may answer after this service is gone.
    const QPointer<SoftwareUpdateService> self(this);
    const bool requireTls = QUrl(url).scheme().compare(QLatin1String("ftp"), Qt::CaseInsensitive) == 0;
    m_ftpService->downloadFile(
        url,
        [self, callback](const QByteArray& data) {
            if (self)
                callback(data);
        },
        filePath, {}, requireTls);
}

SoftwareUpdateService::Source SoftwareUpdateService::sourceOf(const QString& url)
{
    const QString scheme = QUrl(url).scheme().toLower();
    if (scheme == QLatin1String("https") || scheme == QLatin1String("ftp"))
        return Source::Remote;
    if (scheme == QLatin1String("file"))
        return Source::Local;
    return Source::Refused;
}

bool SoftwareUpdateService::shouldDisplayChangelog()
{
    QFile file(QStringLiteral("%1/changelog.txt").arg(m_updateFolder));
    if (!file.exists())
        return false;
    // Kept when it cannot be read, so a later start may show it.
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(updateLog).noquote() << "Couldn't read the change log" << file.fileName() << ":"
                                       << file.errorString();
        return false;
    }
    m_changelog = QString::fromUtf8(file.readAll());
    file.close();
    file.remove();
    emit changelogChanged();
    return true;
}

void SoftwareUpdateService::cleanupUpdateFolder() const
{
    QDir folder(m_updateFolder);
    for (const QString& name : folder.entryList({QStringLiteral("Tarvino_*.dat")}, QDir::Files))
        folder.remove(name);
    QDir updater(updaterFolder());
    if (updater.exists() && updater.removeRecursively())
        qCInfo(updateLog).noquote() << "Successfully removed " << updater.path();
}

QString SoftwareUpdateService::updaterFolder() const
{
    return QStringLiteral("%1/updater").arg(m_updateFolder);
}

void SoftwareUpdateService::startUpdater()
{
    if (!QFile::exists(m_installerPath)) {
        qCWarning(updateLog).noquote() << QStringLiteral("Update failed, can't find file %1").arg(m_installerPath);
        return;
    }
    if (!prepareUpdaterFiles()) {
        qCWarning(updateLog) << "Failed to prepare files for updater";
        return;
    }
    qCInfo(updateLog) << "Start updater...";
    const QString updater = QDir::toNativeSeparators(QStringLiteral("%1/%2").arg(updaterFolder(), m_updaterFileName));
    if (!QProcess::startDetached(updater, {m_installerPath, m_layout.uninstallerPath}, {})) {
        qCWarning(updateLog).noquote() << "Couldn't start updater " << updater;
        return;
    }
    const QString watcher = QDir::toNativeSeparators(QStringLiteral("%1/%2").arg(updaterFolder(), m_watcherFileName));
    const bool watcherStarted = QProcess::startDetached(watcher, {m_installerPath, m_layout.programPath}, {});
    qCDebug(updateLog) << ">> Start watcher result = " << watcherStarted;
    QCoreApplication::quit();
}

bool SoftwareUpdateService::prepareUpdaterFiles()
{
    const QString target = updaterFolder();
    QDir().mkpath(target);
    for (const QString& library : std::as_const(m_layout.qtLibraries)) {
        if (!QFile::copy(QStringLiteral("%1/%2").arg(m_layout.installFolder, library),
                         QStringLiteral("%1/%2").arg(target, library))) {
            qCWarning(updateLog).noquote() << QStringLiteral(">> Couldn't copy required %1 library").arg(library);
            return false;
        }
    }
    for (const QString& folder : std::as_const(m_layout.pluginFolders)) {
        if (!copyFolder(QStringLiteral("%1/%2").arg(m_layout.installFolder, folder),
                        QStringLiteral("%1/%2").arg(target, folder))) {
            qCWarning(updateLog).noquote() << QStringLiteral(">> Couldn't copy required folder: %1").arg(folder);
            return false;
        }
    }
    if (!copyProgram(m_watcherFileName, target))
        qCWarning(updateLog) << ">> Couldn't copy update watcher, app won't be started at the end of the update!";
    return copyProgram(m_updaterFileName, target);
}

// A copy out of the resources is read-only and cannot be started until it is made executable.
bool SoftwareUpdateService::copyProgram(const QString& fileName, const QString& updaterFolder) const
{
    const QString target = QStringLiteral("%1/%2").arg(updaterFolder, fileName);
    return QFile::copy(QStringLiteral(":/updater/%1").arg(fileName), target) &&
           QFile::setPermissions(target, ExecutablePermissions);
}

bool SoftwareUpdateService::copyFolder(const QString& source, const QString& destination)
{
    const QDir sourceFolder(source);
    if (!sourceFolder.exists())
        return false;
    if (!QDir(destination).exists() && !QDir().mkdir(destination))
        return false;
    for (const QString& file : sourceFolder.entryList(QDir::Files | QDir::Hidden, QDir::Unsorted)) {
        if (!QFile::copy(source + QDir::separator() + file, destination + QDir::separator() + file))
            return false;
    }
    for (const QString& folder : sourceFolder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                                        QDir::Unsorted)) {
        if (!copyFolder(source + QDir::separator() + folder, destination + QDir::separator() + folder))
            return false;
    }
    return true;
}
