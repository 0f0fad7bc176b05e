import QtQuick
import QtQuick.Layouts
import Tarvino

// One extra program in the narrow layout: its head, the types a new range can take, the
// buttons to copy, to paste and to delete, and the sorted list of its date ranges. Ranges are
// edited on a page of their own.
Item {
    id: frame

    required property var epViewController
    property bool astroMode: false
    property string projectName
    property string deviceName
    readonly property int selectionMode: epViewController ? epViewController.selectionMode : 0
    readonly property bool hasRanges: epViewController ? epViewController.dateRangeCount > 0 : false
    property bool canPaste: false

    function updateCanPaste() {
        canPaste = epViewController ? epViewController.canPaste() : false
    }
    function toggleMode(mode) {
        const ranges = epViewController.dateRanges
        if (selectionMode === ExtraProgramViewController.Copy && ranges.selectionCount > 0)
            ranges.copySelected()
        ranges.clearSelection()
        epViewController.selectionMode = selectionMode === mode ? ExtraProgramViewController.Normal : mode
    }
    function paste() {
        epViewController.selectionMode = ExtraProgramViewController.Normal
        epViewController.paste()
    }
    function openEditor(properties) {
        properties.parentController = epViewController
        properties.astroMode = astroMode
        properties.sonderType = epViewController.extraType
        properties.projectName = projectName
        properties.deviceName = deviceName
        ViewLoader.openView(View.SonderProgramDateEditionView, properties)
    }
    function editRange(sortedRow) {
        const controller = epViewController.openDateRange(sortedRow, true)
        if (controller)
            openEditor({viewController: controller, selectedIndex: sortedRow, isSortedIndex: true, isNew: false})
    }

    Component.onCompleted: updateCanPaste()
    onEpViewControllerChanged: updateCanPaste()
    Connections {
        target: frame.epViewController
        function onHasCopyChanged() { frame.updateCanPaste() }
        function onHasClipboardDataChanged() { frame.updateCanPaste() }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: Metrics.spacing

        // The head of the program (its switch times, or the permanent state) goes here.
        ColumnLayout {
            id: programHead
            objectName: "extraProgramHead"
            Layout.fillWidth: true
            spacing: Metrics.spacing

            Loader {
                readonly property var ep: frame.epViewController
                readonly property var switchTimes: ep ? ep.switchTimes : null
                Layout.fillWidth: true
                active: ep !== null && switchTimes !== null && ep.extraType === ExtraProgramViewController.Standard
                sourceComponent: switchTimes && switchTimes.isNocta ? noctaHead : switchTimes && switchTimes.isAstro ? astroHead : plainHead
                Component {
                    id: plainHead
                    SonderProgram1Header {
                        switchTimes: frame.epViewController.switchTimes
                        projectName: frame.projectName
                        deviceName: frame.deviceName
                    }
                }
                Component {
                    id: astroHead
                    SonderProgram1AstroHeader {
                        switchTimes: frame.epViewController.switchTimes
                        projectName: frame.projectName
                        deviceName: frame.deviceName
                    }
                }
                Component {
                    id: noctaHead
                    SonderProgram1NoctaHeader {
                        switchTimes: frame.epViewController.switchTimes
                        projectName: frame.projectName
                        deviceName: frame.deviceName
                    }
                }
            }
            SonderProgram23Header {
                Layout.fillWidth: true
                visible: frame.epViewController !== null && frame.epViewController.extraType !== ExtraProgramViewController.Standard
                extraType: frame.epViewController ? frame.epViewController.extraType : ExtraProgramViewController.PermOn
                programNumber: frame.epViewController ? frame.epViewController.programNumber : 0
            }
        }

        SonderProgramTypeToolbar {
            objectName: "sonderProgramTypeToolbar"
            Layout.fillWidth: true
            epViewController: frame.epViewController
            onRangeCreated: controller => frame.openEditor({viewController: controller, isNew: true})
            onHolidaysRequested: frame.openEditor({holidayVersion: true, isNew: true})
        }

        RowLayout {
            objectName: "rangeListButtons"
            Layout.fillWidth: true
            spacing: Metrics.spacing
            CheckableButton {
                objectName: "rangeCopyButton"
                checkable: false
                checked: frame.selectionMode === ExtraProgramViewController.Copy
                enabled: frame.hasRanges
                iconSource: Icons.copy
                text: bindTr("Generic", "Kopieren")
                onClicked: frame.toggleMode(ExtraProgramViewController.Copy)
            }
            CheckableButton {
                objectName: "rangePasteButton"
                checkable: false
                enabled: frame.canPaste
                text: bindTr("Generic", "Einfügen")
                onClicked: frame.paste()
            }
            CheckableButton {
                objectName: "rangeDeleteButton"
                checkable: false
                checked: frame.selectionMode === ExtraProgramViewController.Delete
                enabled: frame.hasRanges
                toggledColor: Colors.red
                iconSource: Icons.close
                text: bindTr("Generic", "Löschen")
                onClicked: frame.toggleMode(ExtraProgramViewController.Delete)
            }
            Item { Layout.fillWidth: true }
        }

        SonderProgramViewList {
            objectName: "sonderProgramList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            epViewController: frame.epViewController
            onEditRequested: sortedRow => frame.editRange(sortedRow)
        }
    }
}
