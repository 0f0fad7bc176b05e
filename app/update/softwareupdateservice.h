#pragma once

#include "updaterlayout.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

#include <encrypter/service.h>

class QJsonObject;

namespace encrypter {
class FtpService;
}

// Looks for a newer version of the program on the update server, downloads its installer into
// the update folder and, on the user's consent, hands over to the updater programs it carries.
//
// "info.json" and the installer come only over a verified connection (https, or ftp with TLS
// required) or from a local file; an info file from a server cannot point at a local file.
// Lives in the GUI thread; created once by the application object.
class SoftwareUpdateService : public QObject, public Service<SoftwareUpdateService> {
    Q_OBJECT
    Q_PROPERTY(QString infoVersion READ infoVersion NOTIFY infoVersionChanged)
    Q_PROPERTY(QString changelog READ changelog NOTIFY changelogChanged)
    Q_PROPERTY(bool forceOnlineSoftwareUpdateSearch READ forceOnlineSoftwareUpdateSearch WRITE
                   setForceOnlineSoftwareUpdateSearch NOTIFY forceOnlineSoftwareUpdateSearchChanged)
    Q_PROPERTY(QString softwareUpdateEndpoint READ softwareUpdateEndpoint WRITE setSoftwareUpdateEndpoint NOTIFY
                   softwareUpdateEndpointChanged)

public:
    static SoftwareUpdateService* m_instance;

    // Removes interrupted downloads and the updater folder of an earlier update.
    explicit SoftwareUpdateService(encrypter::FtpService* ftpService, QObject* parent = nullptr);
    ~SoftwareUpdateService() override;

    QString infoVersion() const { return m_infoVersion; }
    QString changelog() const { return m_changelog; }
    bool forceOnlineSoftwareUpdateSearch() const;
    void setForceOnlineSoftwareUpdateSearch(bool force);
    QString softwareUpdateEndpoint() const;
    void setSoftwareUpdateEndpoint(const QString& endpoint);

    // Test seam: the installation folder and the lists of what the updater needs, in place of
    // the running program's (UpdaterLayout::ofRunningProgram).
    void setUpdaterLayout(const UpdaterLayout& layout) { m_layout = layout; }
    // Test seam: the waits before the check and before a download is taken as complete.
    void setDelays(int checkDelayMs, int downloadSettleDelayMs);

    // Fills the updater folder; false when a copy fails.
    bool prepareUpdaterFiles();
    // Recursive copy that never overwrites; false at the first failure.
    static bool copyFolder(const QString& source, const QString& destination);
    // Whether the offered version is newer than the own one, by numeric pieces.
    static bool isNewerVersion(const QString& offered, const QString& current);

public slots:
    void checkForSoftwareUpdate();
    void startUpdater();
    // Reads the change log the updater left, once: the file is removed after reading.
    bool shouldDisplayChangelog();

signals:
    void infoVersionChanged();
    void showSoftwareUpdate();
    void changelogChanged();
    void forceOnlineSoftwareUpdateSearchChanged();
    void softwareUpdateEndpointChanged();

private slots:
    void downloadUpdate();
    void parseUpdateInfo(const QByteArray& data);
    void onDownloadFinished();

private:
    // Whence update files may come.
    enum class Source { Refused, Remote, Local };

    void runUpdateCheck();
    bool shouldCheck() const;
    QStringList pendingInstallerEntries() const;
    void parseArchitectureEntry(const QJsonObject& object);
    static QString architecture();
    bool findDownloadedInstaller();
    void finishDownload();
    void cleanupUpdateFolder() const;
    void recordCompletedCheck() const;
    static Source sourceOf(const QString& url);
    void download(const QString& url, const QString& filePath, std::function<void(const QByteArray&)> callback);
    bool copyProgram(const QString& fileName, const QString& updaterFolder) const;
    QString updaterFolder() const;

    encrypter::FtpService* m_ftpService = nullptr;
    QString m_currentVersion;
    QString m_updateFolder;
    UpdaterLayout m_layout;
    QString m_updaterFileName;
    QString m_watcherFileName;
    QString m_infoVersion;
    QString m_infoFile;
    QString m_installerPath;
    QString m_changelog;
    Source m_infoSource = Source::Refused;
    int m_checkDelayMs = 2000;
    int m_downloadSettleDelayMs = 2000;
};
