#include "maincontroller.h"

#include "calendarsettings.h"
#include "dataexchangecontroller.h"
#include "exportfiles.h"
#include "maildraft.h"
#include "platformservice.h"
#include "programsettings.h"
#include "projectcontrollerfactory.h"
#include "projectfiles.h"
#include "tarvinologging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureInterface>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>
#include <QUrl>

#include <core/settingsservice.h>
#include <devices/deviceservice.h>
#include <devices/eepromservice.h>
#include <filemanager/filemanager.h>
#include <network/networkservice.h>
#include <storage/projectservice.h>
#include <storage/storageservice.h>

namespace {

const QString Ot2MimeType = QStringLiteral("application/%1").arg(QStringLiteral("vnd.de.zorvik.tarvinorix3.ot2"));
const QString TextMimeType = QStringLiteral("text/plain");
const QString Ot2ExportFolder = QStringLiteral("export_ot2");
const QString TextExportFolder = QStringLiteral("export_code");

storage::ProjectService* projectService()
{
    if (!storage::ProjectService::hasInstance()) {
        qCWarning(tarvinoLog) << ">> There is no project service";
        return nullptr;
    }
    return &storage::ProjectService::instance();
}

storage::Project projectById(qint64 id)
{
    storage::ProjectService* service = projectService();
    return service ? service->byId(id) : storage::Project();
}

// The program's network service; a main controller made without the program's start-up (the
// tests) gets one of its own.
network::NetworkService* networkServiceFor(QObject* owner)
{
    if (network::NetworkService::hasInstance())
        return &network::NetworkService::instance();
    return new network::NetworkService(owner);
}

// Each part followed by a line end, as the device's connection view expects.
QByteArray textLines(const QString& content)
{
    QByteArray text;
    for (const QString& line : content.split(u'\n'))
        text += line.toUtf8() + '\n';
    return text;
}

} // namespace

MainController::MainController(QObject* parent)
    : QObject(parent)
    , m_screenWatcher(std::make_unique<ScreenWatcher>(QGuiApplication::primaryScreen()))
    , m_loading(std::make_unique<LoadingSet>())
    , m_cloud(new CloudController(this, networkServiceFor(this), this))
{
    s_shuttingDown = false;
    connect(m_loading.get(), &LoadingSet::readyChanged, this, &MainController::readyChanged);
    m_instance = this;
    if (PlatformService::hasInstance())
        connect(&PlatformService::instance(), &PlatformService::receivedOt2File, this,
                &MainController::receivedOt2File);
}

MainController::~MainController()
{
    s_shuttingDown = true;
    delete m_currentProject;
}

QObject* MainController::projects() const
{
    storage::ProjectService* service = projectService();
    return service ? service->model() : nullptr;
}

int MainController::nbProjects() const
{
    storage::ProjectService* service = projectService();
    return service ? int(service->projets().size()) : 0;
}

void MainController::setSelectedProjectId(int id)
{
    if (id == m_selectedProjectId)
        return;
    m_selectedProjectId = id;
    emit selectedProjectChanged(id);
}

void MainController::setSelectionMode(int mode)
{
    if (mode == m_selectionMode)
        return;
    m_selectionMode = mode;
    emit selectionModeChanged(mode);
}

void MainController::resetSelectionMode()
{
    m_selectionMode = Normal;
    emit selectionModeChanged(Normal);
}

bool MainController::createProject(int device, const QString& name)
{
    if (!devices::DeviceService::hasInstance() || !devices::DeviceService::instance().exists(device)) {
        qCWarning(tarvinoLog) << ">> Cannot create a project for the unknown model" << device;
        return false;
    }
    if (name.trimmed().isEmpty()) {
        qCWarning(tarvinoLog) << ">> Cannot create a project without a name";
        return false;
    }
    storage::Project project(device, name.trimmed());
    project.loadDefaultExternalInputValues();
    project.loadDefaultLocation();
    if (!project.store())
        return false;
    project.data();
    emit nbProjectsChanged(nbProjects());
    setCurrentProject(ProjectControllerFactory::create(project));
    return m_currentProject != nullptr;
}

void MainController::emitSaved()
{
    if (storage::StorageService::hasInstance())
        emit storage::StorageService::instance().saved();
}

void MainController::dropProjectContent()
{
    if (!m_projectContent)
        return;
    m_projectContent->deleteLater();
    m_projectContent = nullptr;
    emit projectContentChanged();
}

void MainController::setCurrentProject(ProjectController* controller, const QString& path)
{
    if (controller == m_currentProject)
        return;
    dropProjectContent();
    if (m_currentProject)
        m_currentProject->deleteLater();
    m_currentProject = controller;
    // The open project is the selected one: a selection left from the home list would
    // otherwise open that project instead of this one.
    if (controller)
        setSelectedProjectId(controller->id());
    if (controller && !path.isEmpty())
        controller->renameProject(path);
    emitSaved();
    emit currentProjectChanged();
}

bool MainController::openStored(const storage::Project& project, const QString& path)
{
    if (project.isNull())
        return false;
    setCurrentProject(ProjectControllerFactory::create(project), path);
    if (m_currentProject)
        emit displayOpenedProject();
    return true;
}

bool MainController::openProject()
{
    resetSelectionMode();
    setCurrentProject(ProjectControllerFactory::create(projectById(m_selectedProjectId)));
    return openCurrentProject();
}

bool MainController::openCurrentProject()
{
    if (!m_currentProject)
        return false;
    if (m_projectContent)
        m_projectContent->deleteLater();
    m_projectContent = new ProjectContentController(m_currentProject);
    emit projectContentChanged();
    emitSaved();
    return true;
}

void MainController::closeProject()
{
    if (!m_currentProject)
        return;
    dropProjectContent();
    m_currentProject->deleteLater();
    m_currentProject = nullptr;
    emitSaved();
    emit currentProjectChanged();
}

ProjectController* MainController::projectController(qlonglong id)
{
    return ProjectControllerFactory::create(projectById(id));
}

QFuture<devices::Ot2File> MainController::currentProjectFile(QString* name)
{
    if (!m_currentProject) {
        QFutureInterface<devices::Ot2File> none;
        none.reportStarted();
        none.reportCanceled();
        none.reportFinished();
        return none.future();
    }
    if (name)
        *name = m_currentProject->name();
    return m_currentProject->buildFile(true);
}

bool MainController::saveCurrentProject(bool selectLocation)
{
    if (!m_currentProject)
        return false;
    QString path = m_currentProject->filePath();
    if (path.isEmpty() || selectLocation) {
        const QString suggested =
            !path.isEmpty() ? path : ExportFiles::documentsFilePath(ExportFiles::safeFileName(m_currentProject->name()));
        path = ExportFiles::askSaveFile(suggested,
                              QCoreApplication::translate("Windows", "TARVINO rix2/rix3-Datei speichern"),
                              QCoreApplication::translate("Windows", "TARVINO rix2/rix3-Datei (*.ot2)"));
    }
    if (path.isEmpty())
        return false;
    // The save dialog returns the name as typed; without the suffix the open dialog would not
    // show the file.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".ot2");
    devices::Ot2File file = m_currentProject->toOt2(false);
    file.setName(QFileInfo(path).completeBaseName());
    if (!file.isValid() || !ProjectFiles::writeProjectFile(path, file)) {
        qCWarning(tarvinoLog).noquote() << ">> The project could not be saved to" << path;
        emit writeFailed(path);
        return false;
    }
    m_currentProject->renameProject(path);
    emitSaved();
    return true;
}

bool MainController::sendViaEmail()
{
    if (!m_currentProject)
        return false;
    const devices::Ot2File file = m_currentProject->toOt2(false);
    if (!file.isValid()) {
        qCWarning(tarvinoLog) << ">> The project file to send could not be built";
        return false;
    }
    return MailDraft(m_currentProject->name(), ProjectFiles::toBytes(file)).send();
}

void MainController::printDocument(bool showPreview)
{
    if (m_currentProject)
        m_currentProject->printProject(showPreview);
}

bool MainController::csvExport()
{
    if (!m_currentProject)
        return false;
    const QString path = ExportFiles::askSaveFile(
        ExportFiles::documentsFilePath(QStringLiteral("%1.csv").arg(ExportFiles::safeFileName(m_currentProject->name()))),
        QCoreApplication::translate("Windows", "Exportieren"),
        QCoreApplication::translate("Windows", "CSV UTF-8 (kommagetrennt) (*.csv)"));
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        QTextStream stream(&file);
        m_currentProject->writeReport(stream);
        stream.flush();
        if (stream.status() == QTextStream::Ok && file.commit())
            return true;
    }
    const QString warning = QStringLiteral(">> Couldn't save csv export at %1, error code: %2 - %3");
    qCWarning(tarvinoLog).noquote() << warning.arg(path).arg(file.error()).arg(file.errorString());
    emit writeFailed(path);
    return false;
}

ProjectCreationViewController* MainController::openProjectCreationView()
{
    resetSelectionMode();
    return new ProjectCreationViewController(this);
}

DeviceScanController* MainController::scanForDevices()
{
    resetSelectionMode();
    auto* scan = new DeviceScanController(this);
    if (PlatformService::hasInstance()) {
        const PlatformService* platform = &PlatformService::instance();
        connect(platform, &PlatformService::bluetoothPermissionResult, scan,
                &DeviceScanController::bluetoothPermissionResult);
        connect(platform, &PlatformService::locationServiceRequestResult, scan,
                &DeviceScanController::locationServiceRequestResult);
    }
    return scan;
}

ResettedDeviceViewController* MainController::openResettedDeviceView()
{
    return new ResettedDeviceViewController();
}

DirectCommandController* MainController::openDirectCommands(ble::BLEDevice* connectedDevice)
{
    resetSelectionMode();
    // The clock follows the date format the user has chosen.
    return new DirectCommandController(connectedDevice, [] {
        return CalendarSettings::hasInstance() ? CalendarSettings::instance().dateFormatPattern()
                                               : QStringLiteral("MM/dd/yy");
    });
}

void MainController::remove()
{
    resetSelectionMode();
    storage::ProjectService* service = projectService();
    if (!service)
        return;
    const QList<qint64> ids = service->model()->selectedIds();
    for (const qint64 id : ids) {
        storage::Project project = service->byId(id);
        if (project.isNull())
            continue;
        if (m_currentProject && m_currentProject->id() == id)
            closeProject();
        project.remove();
    }
    service->model()->clearSelection();
    if (service->byId(m_selectedProjectId).isNull())
        setSelectedProjectId(-1);
    emit nbProjectsChanged(nbProjects());
}

void MainController::edit(const QString& projectName)
{
    resetSelectionMode();
    const QString name = projectName.trimmed();
    if (name.isEmpty()) {
        qCWarning(tarvinoLog) << ">> A project cannot be renamed to an empty name";
        return;
    }
    storage::Project project = projectById(m_selectedProjectId);
    if (project.isNull())
        return;
    project.rename(name);
    projectService()->updateProject(m_selectedProjectId);
}

bool MainController::dirty() const
{
    return storage::StorageService::hasInstance() && storage::StorageService::instance().isDirty();
}

void MainController::setDirty(bool dirty)
{
    if (!storage::StorageService::hasInstance())
        return;
    if (dirty)
        storage::StorageService::instance().touch();
    else
        emit storage::StorageService::instance().saved();
}

bool MainController::readOt2Bytes(const QByteArray& data)
{
    return ProjectFiles::read(data, &m_heldFile);
}

storage::Project MainController::storeImported(const QString& name, const devices::Ot2File& file)
{
    storage::ProjectService* service = projectService();
    if (!service)
        return {};
    const storage::Project project = service->importOt2File(name, file);
    if (!project.isNull())
        emit nbProjectsChanged(nbProjects());
    return project;
}

void MainController::browseOt2()
{
    core::SettingsService& settings = core::SettingsService::instance();
    const QString path = QFileDialog::getOpenFileName(nullptr, tr("Open File"),
                                                      settings.settingValue(ProgramSettings::OpenPath).toString(),
                                                      tr("OT2 (*.ot2)"));
    if (path.isEmpty())
        return;
    settings.setSettingValueFromStringKey(ProgramSettings::OpenPath, QFileInfo(path).absolutePath());
    importOt2File(path);
}

bool MainController::importOt2File(const QString& path)
{
    qCDebug(tarvinoLog) << "IMPORTING" << path;
    if (!m_receivedName.isEmpty() && path == m_receivedName && !QFileInfo::exists(path)) {
        m_receivedName.clear();
        return openStored(storeImported(path, m_heldFile));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(tarvinoLog).noquote() << ">> Cannot read the project file" << path << ":" << file.errorString();
        return false;
    }
    if (!readOt2Bytes(file.readAll()))
        return false;
    return openStored(storeImported(ProjectFiles::nameFromFileName(path), m_heldFile), path);
}

bool MainController::loadOpenedProject()
{
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2)
        return false;
    const QString path = arguments.at(1);
    qCDebug(tarvinoLog).noquote() << QStringLiteral(">> File path %1 passed as argument").arg(path);
    // A folder is no project file.
    if (!QFileInfo(path).isFile()) {
        qCWarning(tarvinoLog) << "File doesn't exist !";
        return false;
    }
    qCDebug(tarvinoLog) << ">> File exists, trying to import it";
    return importOt2File(path);
}

void MainController::openProjectFromBytes(const QByteArray& data, int ot2Number)
{
    if (data.isEmpty())
        return;
    if (!devices::EepromService::hasInstance()) {
        qCWarning(tarvinoLog) << ">> There is no device memory service to read the project";
        return;
    }
    devices::EepromService& memory = devices::EepromService::instance();
    const devices::Ot2File file = memory.bytesToOt2(data, ot2Number);
    if (!file.isValid()) {
        qCWarning(tarvinoLog).noquote() << ">> The project image is refused:" << memory.errorString();
        return;
    }
    // An image holds no project name, and the store takes no project without one.
    if (!openStored(storeImported(DataExchangeController::importName(), file)))
        emit readProjectNotStored(storage::StorageService::hasInstance() ? storage::StorageService::instance().errorString()
                                                                         : QString());
}

bool MainController::openReadProject(const QString& name, const devices::Ot2File& file)
{
    if (!file.isValid()) {
        qCWarning(tarvinoLog) << ">> A refused project image is not stored";
        return false;
    }
    return openStored(storeImported(name, file));
}

void MainController::receivedOt2File(const QString& name, const QString& uri, const QByteArray& data)
{
    if (!readOt2Bytes(data))
        return;
    const QString displayName = name.isEmpty() ? QUrl(uri).fileName(QUrl::FullyDecoded) : name;
    m_receivedName = displayName.endsWith(QLatin1String(".ot2"), Qt::CaseInsensitive) ? displayName.chopped(4)
                                                                                        : displayName;
    emit ot2Received(m_receivedName);
}

bool MainController::duplicate(const QString& projectName)
{
    resetSelectionMode();
    storage::ProjectService* service = projectService();
    if (!service)
        return false;
    QFuture<devices::Ot2File> exported = service->exportProject(m_selectedProjectId);
    exported.waitForFinished();
    if (exported.isCanceled())
        return false;
    m_heldFile = exported.result();
    return openStored(storeImported(projectName, m_heldFile));
}

bool MainController::exportOt2(const QRectF& inRect)
{
    Q_UNUSED(inRect)
    resetSelectionMode();
    storage::ProjectService* service = projectService();
    if (!service)
        return false;
    QString name;
    QFuture<devices::Ot2File> exported = service->exportProject(m_selectedProjectId, &name);
    exported.waitForFinished();
    if (exported.isCanceled())
        return offerWritten(QString(), false, Ot2MimeType);
    m_heldFile = exported.result();
    const QString path = ExportFiles::exportPath(Ot2ExportFolder, name, QStringLiteral("ot2"));
    const bool written = !path.isEmpty() && ProjectFiles::writeProjectFile(path, m_heldFile);
    return offerWritten(path, written, Ot2MimeType);
}

bool MainController::exportText(const QString& name, const QString& content, const QRectF& inRect)
{
    Q_UNUSED(inRect)
    const QString path = ExportFiles::exportPath(TextExportFolder, name, QStringLiteral("txt"));
    const bool written = !path.isEmpty() && ExportFiles::writeFile(path, textLines(content));
    return offerWritten(path, written, TextMimeType);
}

bool MainController::offerWritten(const QString& path, bool written, const QString& mimeType)
{
    if (!written) {
        qCWarning(tarvinoLog).noquote() << ">> The export could not be written" << path;
        emit writeFailed(path);
        return false;
    }
    qCDebug(tarvinoLog).noquote() << "Created" << path;
    filemanager::FileManager::exportFile(path, mimeType, nullptr);
    return true;
}
