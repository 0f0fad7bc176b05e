pragma Singleton
import QtQuick
import QtQuick.Controls

// Opens the shell's views on the main window's stack, each kind once: an open view is
// brought back. Views asked for while a controller loads are opened once it is ready.
QtObject {
    id: loader

    // Registered by the main window (the singleton cannot import the module): the stack,
    // ZorvikUtils, the file of each kind of view (View.ViewKind) and the kinds that are
    // opened in their own way.
    property StackView stack: null
    property QtObject utils: null
    property var files: ({})
    property int projectContentView: -1
    property int homeScreenView: -1
    property var pending: []

    function register(viewStack, zorvikUtils, viewFiles, projectKind, homeKind) {
        stack = viewStack
        utils = zorvikUtils
        files = viewFiles
        projectContentView = projectKind
        homeScreenView = homeKind
    }

    function viewUrl(viewKind) {
        return "qrc:/orvindal/Tarvino/app/views/" + files[viewKind]
    }

    function openView(viewKind, properties, forceReplace) {
        if (!mainController.ready) {
            pending.push([viewKind, properties, forceReplace])
            return
        }
        const open = stack.find(item => item.viewKind === viewKind)
        if (open) {
            stack.pop(open)
            if (!showsAnotherProject(open))
                return
        }
        const props = properties || {}
        if (viewKind === projectContentView) {
            if (!openProjectController())
                return
            props.viewController = mainController.projectContent
        }
        if (forceReplace || (viewKind === projectContentView && utils.isDesktop))
            stack.replace(null, viewUrl(viewKind), props)
        else if (open)
            stack.replace(viewUrl(viewKind), props)
        else
            stack.push(viewUrl(viewKind), props)
    }

    // An open project view whose project has been closed since, or replaced by another one:
    // it must not come back with the old project's title and pages.
    function showsAnotherProject(view) {
        if (view.viewKind !== projectContentView)
            return false
        const current = mainController.currentProject
        return current === null || view.viewController !== mainController.projectContent
               || view.project !== current || current.id !== mainController.selectedProjectId
    }

    // The project the home screen selected, or the one already open.
    function openProjectController() {
        const current = mainController.currentProject
        if (current && (mainController.selectedProjectId < 0 || current.id === mainController.selectedProjectId))
            return mainController.openCurrentProject()
        return mainController.openProject()
    }

    // A page of its own: a window dialog loading `dialogUrl` on the desktop, else the view of
    // `viewKind` (a StackPage) loading it on the stack.
    function openPage(viewKind, dialogUrl, properties, minimumWidth, windowProperties) {
        if (utils.isDesktop)
            utils.window.openWindowDialog(dialogUrl, properties, minimumWidth, windowProperties)
        else
            openView(viewKind, { source: dialogUrl, properties: properties || {} })
    }

    function popView() {
        if (stack && stack.depth > 1)
            stack.pop()
    }

    function popAllViews() {
        stack.pop(null)
    }

    function backToHomeScreenView() {
        openView(homeScreenView, {}, stack.find(item => item.viewKind === homeScreenView) === null)
    }

    property Connections readyWatch: Connections {
        target: mainController
        function onReadyChanged() {
            if (!mainController.ready)
                return
            const waiting = loader.pending
            loader.pending = []
            for (const request of waiting)
                loader.openView(request[0], request[1], request[2])
        }
    }
}
