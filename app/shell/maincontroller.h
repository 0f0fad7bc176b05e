#pragma once

#include "cloudcontroller.h"
#include "devicescancontroller.h"
#include "directcommandcontroller.h"
#include "projectcontentcontroller.h"
#include "projectcontroller.h"
#include "projectcreationviewcontroller.h"
#include "projectfilesource.h"
#include "projectsowner.h"
#include "loadingset.h"
#include "readprojectowner.h"
#include "resetteddeviceviewcontroller.h"
#include "screenwatcher.h"
#include "trfunctions.h"

#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QSet>

#include <devices/ot2file.h>
#include <utils/singleton.h>

#include <QFuture>

#include <memory>


namespace storage {
class Project;
class ProjectService;
} // namespace storage

// The shell's controller behind the home screen: the stored projects and the home screen's
// selection, the project files (import and export), and whether the program is busy loading
// (ready). Created once at start-up; records itself as the instance.
class MainController : public QObject,
                       private TrFunctions,
                       public ReadProjectOwner,
                       public ProjectsOwner,
                       public utils::Singleton<MainController>,
                       public ProjectFileSource {
    Q_OBJECT
    Q_INTERFACES(TrFunctions)
    Q_PROPERTY(bool ready READ isReady NOTIFY readyChanged)
    Q_PROPERTY(QObject* projects READ projects CONSTANT)
    Q_PROPERTY(int selectedProjectId READ selectedProjectId WRITE setSelectedProjectId NOTIFY selectedProjectChanged)
    Q_PROPERTY(ScreenWatcher* screenWatcher READ screenWatcher CONSTANT)
    Q_PROPERTY(int selectionMode READ selectionMode WRITE setSelectionMode NOTIFY selectionModeChanged)
    Q_PROPERTY(int nbProjects READ nbProjects NOTIFY nbProjectsChanged)
    Q_PROPERTY(ProjectController* currentProject READ currentProject NOTIFY currentProjectChanged)
    Q_PROPERTY(ProjectContentController* projectContent READ projectContent NOTIFY projectContentChanged)
    Q_PROPERTY(CloudController* cloud READ cloud CONSTANT)

public:
    enum SelectionMode { Normal = 0, Delete = 1, Copy = 2, Edit = 3, Export = 4, Upload = 5 };
    Q_ENUM(SelectionMode)

    inline static MainController* m_instance = nullptr;

    explicit MainController(QObject* parent = nullptr);
    ~MainController() override;

    static bool isShuttingDown() { return s_shuttingDown; }

    bool isReady() const { return m_loading->isReady(); }
    QObject* projects() const;
    int selectedProjectId() const { return m_selectedProjectId; }
    ScreenWatcher* screenWatcher() const { return m_screenWatcher.get(); }
    int selectionMode() const { return m_selectionMode; }
    int nbProjects() const override;

    // Stores a new project of that model with the model's defaults and opens it; tells whether it
    // is open. Refuses an unknown model and an empty name.
    bool createProject(int device, const QString& name) override;

    ProjectController* currentProject() const override { return m_currentProject; }
    // The content of the open project view; null while it is not open.
    ProjectContentController* projectContent() const { return m_projectContent; }
    // The open project as a project file, its name in name; a finished, cancelled future when no
    // project is open.
    QFuture<devices::Ot2File> currentProjectFile(QString* name) override;
    CloudController* cloud() const { return m_cloud; }

    // Keeps the bytes as the held project file when they are one.
    bool readOt2Bytes(const QByteArray& data);
    const devices::Ot2File& heldFile() const { return m_heldFile; }

    Q_INVOKABLE ProjectCreationViewController* openProjectCreationView();
    // A new scan; the caller owns it.
    Q_INVOKABLE DeviceScanController* scanForDevices();
    // The direct commands to the connected device; QML owns them and ends them with destroy().
    Q_INVOKABLE DirectCommandController* openDirectCommands(ble::BLEDevice* connectedDevice);
    // The basic settings of a connected device in reset mode; QML owns the controller.
    Q_INVOKABLE ResettedDeviceViewController* openResettedDeviceView();
    // Removes the projects selected in the project list.
    Q_INVOKABLE void remove();
    // Renames the selected project; an empty name is ignored.
    Q_INVOKABLE void edit(const QString& projectName);
    Q_INVOKABLE bool dirty() const;
    Q_INVOKABLE void setDirty(bool dirty);

    Q_INVOKABLE void browseOt2();
    // Stores the project file at path as a new project named after the file. A file announced by
    // ot2Received() is imported by the name announced.
    Q_INVOKABLE bool importOt2File(const QString& path);
    // Imports the project file named on the command line.
    Q_INVOKABLE bool loadOpenedProject();
    // Stores a project read from a device and opens it. A refused image (an invalid record) stores
    // nothing and leaves the open project open.
    Q_INVOKABLE bool openReadProject(const QString& name, const devices::Ot2File& file) override;
    Q_INVOKABLE bool duplicate(const QString& projectName);
    // Both write the file, offer it to the user and tell whether it was written; a failure is
    // also reported by writeFailed(). The rectangle is where the view's button lies.
    Q_INVOKABLE bool exportOt2(const QRectF& inRect = {});
    Q_INVOKABLE bool exportText(const QString& name, const QString& content, const QRectF& inRect = {});

    // Opens the project selected on the home screen; false when it is not stored (any open
    // project is closed then) or its model cannot be opened.
    Q_INVOKABLE bool openProject();
    Q_INVOKABLE bool openCurrentProject();
    Q_INVOKABLE void closeProject() override;
    // A new controller of a stored project, owned by the caller; null when the id is unknown.
    Q_INVOKABLE ProjectController* projectController(qlonglong id);
    // Writes the open project to its project file, asking for the place when it has none or when
    // selectLocation is set. Only a complete write renames the project after the file, records
    // the path and counts the project as saved; a failure changes nothing and is reported by the
    // result and writeFailed().
    Q_INVOKABLE bool saveCurrentProject(bool selectLocation);
    Q_INVOKABLE bool saveCurrentProject() { return saveCurrentProject(false); }
    // Hands a draft e-mail with the open project's file to the user's mail program.
    Q_INVOKABLE bool sendViaEmail();

public slots:
    void setSelectedProjectId(int id);
    void setSelectionMode(int mode);
    // A project image from the device link; the open project is replaced only once the image has
    // converted.
    void openProjectFromBytes(const QByteArray& data, int ot2Number);
    // Prints the open project's report, after the print dialog or in the preview.
    void printDocument(bool showPreview);
    // Writes the open project's report as CSV to a file the user chooses. Only a complete write
    // replaces the file; a failure is reported by the result and writeFailed(). False too when
    // the user cancels.
    bool csvExport();

signals:
    // A project read from a device over the serial link could not be stored; nothing was opened.
    void readProjectNotStored(const QString& reason);
    void selectedProjectChanged(int selectedProjectId);
    void readyChanged();
    void selectionModeChanged(int selectionMode);
    void ot2Received(const QString& name);
    void nbProjectsChanged(int nbProjects);
    // An export or save failed; the path is empty when there was nothing to write.
    void writeFailed(const QString& path);
    void displayOpenedProject();
    void currentProjectChanged();
    void projectContentChanged();

private slots:
    void receivedOt2File(const QString& name, const QString& uri, const QByteArray& data);

private:
    void resetSelectionMode();
    storage::Project storeImported(const QString& name, const devices::Ot2File& file);
    bool offerWritten(const QString& path, bool written, const QString& mimeType);
    // Makes the stored project's controller the current one and asks the views to show it; false
    // for a null project.
    bool openStored(const storage::Project& project, const QString& path = {});
    void setCurrentProject(ProjectController* controller, const QString& path = {});
    void dropProjectContent();
    static void emitSaved();

    inline static bool s_shuttingDown = false;

    int m_selectedProjectId = -1;
    std::unique_ptr<ScreenWatcher> m_screenWatcher;
    devices::Ot2File m_heldFile;
    // The display name under which a file handed over by the platform waits for its import.
    QString m_receivedName;
    // The controllers loading now; a new main controller starts with an empty set.
    std::unique_ptr<LoadingSet> m_loading;
    int m_selectionMode = Normal;
    ProjectController* m_currentProject = nullptr;
    // A child of the current project controller.
    QPointer<ProjectContentController> m_projectContent;
    CloudController* m_cloud = nullptr;
};
