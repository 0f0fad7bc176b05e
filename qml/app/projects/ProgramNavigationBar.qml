import QtQuick
import Tarvino

// The programs of the selected channel that hold switch times: the standard program and the
// extra programs; a click selects one. The buttons wrap onto more lines where the width ends.
Flow {
    id: bar

    required property var parentController
    readonly property var project: parentController ? parentController.project : null

    spacing: Metrics.spacing
    visible: repeater.count > 1

    Repeater {
        id: repeater
        model: bar.project && bar.project.extraProgramWithSwitches
               ? SettingsProvider.switchingProgramModel(bar.project.programms) : []
        ToggleButton {
            required property int index
            required property string modelData
            objectName: "program_" + index
            text: modelData
            selected: bar.parentController.selectedProgram === index
            onClicked: bar.parentController.selectedProgram = index
        }
    }
}
