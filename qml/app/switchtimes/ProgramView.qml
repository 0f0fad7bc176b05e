import QtQuick
import QtQuick.Layouts
import Tarvino

// The program of the selected channel: the channel and program choice, the week grid (the list
// in the narrow layout) or, for a signalling channel, a note, and the memory line.
TabSubView {
    id: view

    required property var parentController
    readonly property var viewController: parentController ? parentController.switchTimesViewController : null
    readonly property var project: parentController ? parentController.project : null
    readonly property var channel: parentController ? parentController.channelController : null
    readonly property bool signaling: channel ? channel.isSignaling : false
    // Astro and twilight channels take fixed switch times only.
    readonly property bool astroMode: parentController ? parentController.channelType === 1 || project.isNocta : false
    readonly property int usedMemory: parentController ? parentController.totalMemoryCount : 0
    readonly property int maxMemory: project ? project.maxMemory : 0
    // An extra program shows its date ranges in place of the switch table, and its switch times
    // in the grid where the device gives extra programs switch times.
    readonly property int selectedProgram: parentController ? parentController.selectedProgram : 0
    readonly property var epViewController: selectedProgram > 0 ? parentController.extraProgramViewController(selectedProgram) : null
    readonly property bool showsGrid: !signaling && (selectedProgram === 0 || parentController.selectedProgramHasSwitchtings)
    readonly property bool narrow: !ZorvikUtils.tabletLayout
    readonly property bool hasImpuls: project ? project.hasImpuls : false
    readonly property bool hasZyclus: project ? project.hasZyclus : false

    // What the Bearbeiten menu works on.
    readonly property var undoModel: epViewController ? epViewController.dateRanges
                                                      : viewController ? viewController.switches : null
    readonly property var localContextMenu: table.visible ? table.localContextMenu
                                                          : dateTable.visible ? dateTable.localContextMenu : null
    readonly property bool gridShown: grid.visible

    title: bindTr("Edit project", "Programm")

    function applyFirstDayOfWeek() {
        if (viewController)
            viewController.switches.firstDayOfWeek = calendarSettings.firstDayOfTheWeek.value - 1
    }

    // index: a row of the list model, or with isSortedIndex of the sorted list; -1 for a new one.
    function openEditor(index, isSortedIndex) {
        ViewLoader.openView(View.SwitchTimeEditionView, {
            viewController: viewController, index: index, isSortedIndex: isSortedIndex,
            astroMode: astroMode, hasImpuls: hasImpuls, hasZyclus: hasZyclus
        })
    }

    Component.onCompleted: applyFirstDayOfWeek()
    onViewControllerChanged: applyFirstDayOfWeek()
    Connections {
        target: calendarSettings.firstDayOfTheWeek
        function onValueChanged() { view.applyFirstDayOfWeek() }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Metrics.margin
        spacing: Metrics.margin

        // The phone chooses the channel by buttons, in a row of its own.
        ChannelsToolbar {
            objectName: "channelsToolbar"
            Layout.fillWidth: true
            visible: view.narrow && channelChooser.count > 1
            channels: channelChooser.model
            currentChannel: view.parentController ? view.parentController.selectedChannel : 0
            onChannelChosen: channelIndex => view.parentController.selectedChannel = channelIndex
        }

        // Rows in a layout fill by default; this one only takes what its choices need.
        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: false
            spacing: Metrics.margin
            DefaultCombobox {
                id: channelChooser
                objectName: "channelChooser"
                visible: count > 1 && !view.narrow
                textRole: "name"
                highlightRole: "highlighted"
                model: SettingsProvider.channelModel(channelChooser, view.project, undefined,
                                                     view.parentController ? view.parentController.emptyChannels : [])
                currentIndex: model.indexByValue("channelIndex", view.parentController ? view.parentController.selectedChannel : 0)
                onActivated: index => view.parentController.selectedChannel = model.get(index).channelIndex
            }
            ProgramNavigationBar {
                Layout.fillWidth: true
                Layout.preferredWidth: 0
                parentController: view.parentController
            }
        }

        DesignText {
            objectName: "signalingNote"
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: view.signaling
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            size: Metrics.fontSize.normal
            text: bindTr("Program settings", "Signalisierung")
        }

        ProgramViewGrid {
            id: grid
            objectName: "programGrid"
            Layout.fillWidth: true
            Layout.fillHeight: !table.visible && !dateTable.visible
            Layout.preferredHeight: 330
            visible: view.showsGrid && !view.narrow
            viewController: view.viewController
            astroMode: view.astroMode
            hasImpuls: view.hasImpuls
            hasZyclus: view.hasZyclus
            astroMin: view.viewController ? view.viewController.astroMin : -1
            astroMax: view.viewController ? view.viewController.astroMax : -1
            astroMinLight: view.viewController ? view.viewController.astroMinLight : -1
            astroMaxLight: view.viewController ? view.viewController.astroMaxLight : -1
            onlyShowLightAstro: view.viewController ? view.viewController.onlyShowLightAstro : false
            onEditRequested: index => view.openEditor(index, false)
        }

        ProgramViewList {
            objectName: "programList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: !view.signaling && view.narrow && !view.epViewController
            viewController: view.viewController
            astroMode: view.astroMode
            onEditRequested: (index, isSortedIndex) => view.openEditor(index, isSortedIndex)
        }

        ProgramViewTable {
            id: table
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: ZorvikUtils.isDesktop && !view.signaling && !view.epViewController
            stViewController: view.viewController
            astroMode: view.parentController ? view.parentController.channelType === 1 : false
            lightMode: view.project ? view.project.isNocta : false
            hasImpuls: view.hasImpuls
            hasZyclus: view.hasZyclus
        }

        DateSwitchLimit {
            Layout.fillWidth: true
            visible: ZorvikUtils.isDesktop && view.epViewController !== null && view.epViewController.switchTimes !== null
                     && view.epViewController.extraType === ExtraProgramViewController.Standard
            switchTimes: view.epViewController ? view.epViewController.switchTimes : null
        }

        DateRangeTable {
            id: dateTable
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: ZorvikUtils.isDesktop && !view.signaling && view.epViewController !== null
            epViewController: view.epViewController
        }

        SonderProgramView {
            objectName: "sonderProgramView"
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: !ZorvikUtils.isDesktop && !view.signaling && view.epViewController !== null
            epViewController: view.epViewController
            astroMode: view.astroMode
            projectName: view.project ? view.project.name : ""
            deviceName: view.project ? deviceService.deviceNameFromOt2(view.project.deviceOt2) : ""
        }

        DefaultText {
            objectName: "memoryLine"
            color: view.usedMemory > view.maxMemory ? Colors.red : Colors.primaryColor
            text: bindTr("Generic", "%1: %2/%3").arg(bindTr("Information PopUp", "Speicherplätze"))
                                                 .arg(view.usedMemory).arg(view.maxMemory)
        }
    }
}
