import QtQuick
import Tarvino

// The pages of an open project, one tab each. The device-settings, light and astro pages join
// as their views are built.
DefaultTabView {
    id: tabs
    objectName: "projectTabs"

    // The open project's content controller.
    property var viewController: null
    readonly property var currentPage: pages[currentIndex] || null

    ProgramView {
        objectName: "programView"
        parentController: tabs.viewController
    }
}
