import QtQuick
import Tarvino

// The pages of an open project, one tab each: the program, the device settings and, by the
// project's kind, its light settings or its astro settings (last on the desktop, else first).
DefaultTabView {
    id: tabs
    objectName: "projectTabs"

    // The open project's content controller.
    property var viewController: null
    readonly property var project: viewController ? viewController.project : null
    // The shell keeps the modes of the current project; a view still showing another one, as
    // while it is being replaced, shows neither the light nor the astro page.
    readonly property var modes: project !== null && ZorvikUtils.modes.project === project ? ZorvikUtils.modes : null
    readonly property bool lightMode: modes !== null && modes.lightMode
    readonly property bool astroMode: modes !== null && modes.astroMode
    readonly property var currentPage: pages[currentIndex] || null

    pages: {
        const common = [programPage, deviceSettingsPage].concat(lightMode ? [lightPage] : [])
        if (!astroMode)
            return common
        return ZorvikUtils.isDesktop ? common.concat([astroPage]) : [astroPage].concat(common)
    }

    function indexOfPage(page) {
        for (let index = 0; index < pages.length; ++index) {
            if (pages[index] === page)
                return index
        }
        return -1
    }

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
    property TabSubView astroPage: AstroSettingsView {
        objectName: "astroSettingsView"
        viewController: tabs.astroMode ? tabs.viewController : null
        onGoToSettingsView: tabs.currentIndex = tabs.indexOfPage(tabs.deviceSettingsPage)
    }
}
