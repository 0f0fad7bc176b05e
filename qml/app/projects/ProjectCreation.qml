import QtQuick
import Tarvino

// The new-project form with its controller. Once the project is stored it opens the project
// view and tells `done`.
Item {
    id: creation

    // A var keeps the controller, which the form owns, from the garbage collector.
    readonly property var controller: mainController.openProjectCreationView()

    signal done

    function create() {
        ZorvikUtils.checkForUnsavedModifications(() => {
            if (controller.createProject())
                storageWait.start()
        })
    }

    // The project view shows the stored project: it waits until the storage has written it.
    function showProject() {
        done()
        mainController.selectedProjectId = mainController.currentProject.id
        ViewLoader.openView(View.ProjectContentView, {}, true)
    }

    implicitWidth: form.implicitWidth
    implicitHeight: form.implicitHeight

    ProjectCreationItem {
        id: form
        anchors.fill: parent
        controller: creation.controller
        onCreate: creation.create()
    }

    Timer {
        id: storageWait
        interval: 50
        repeat: true
        onTriggered: {
            if (storageService.busy)
                return
            stop()
            creation.showProject()
        }
    }
}
