import QtQuick
import Tarvino

// The pages of an open project, one tab each: the program, the device settings and, by the
// project's kind, its light settings. The astro page joins as its view is built.
DefaultTabView {
    id: tabs
    objectName: "projectTabs"

    // The open project's content controller.
    property var viewController: null
    readonly property var project: viewController ? viewController.project : null
    readonly property bool lightMode: project !== null && project.isNocta
    readonly property var currentPage: pages[currentIndex] || null

    pages: [programPage, deviceSettingsPage].concat(lightMode ? [lightPage] : [])

    property TabSubView programPage: ProgramView {
        objectName: "programView"
        parentController: tabs.viewController
    }
    property TabSubView deviceSettingsPage: DeviceSettingsView {
        objectName: "deviceSettingsView"
        viewController: tabs.viewController ? tabs.viewController.settingsController : null
    }
    property TabSubView lightPage: LightView {
        objectName: "lightView"
        viewController: tabs.lightMode ? tabs.viewController : null
    }
}
