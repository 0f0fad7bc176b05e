import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The light sensors of the connected twilight switch and the channels each one serves. While
// it is open the link waits longer before it ends for inactivity: the user may walk to a sensor.
AppView {
    id: view

    // The direct commands' controller, which owns the sensors.
    required property var controller
    readonly property var device: controller ? controller.device : null
    readonly property int longInactivityTimeout: 900000
    readonly property int inactivityTimeout: 90000

    function close() {
        if (insideDialog)
            closeDialog()
        else if (StackView.view && StackView.view.currentItem === view)
            StackView.view.pop()
    }

    objectName: "sensorAffectationView"
    viewKind: View.SensorAffectationView
    closeDialogOnConnectionLost: true
    title: bindTr("Direct commands", "Sensorzuordnung")

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Metrics.middleMargin
        spacing: Metrics.margin

        DefaultText {
            objectName: "sensorDeviceText"
            Layout.fillWidth: true
            textFormat: Text.StyledText
            text: view.device ? bindTr("Direct commands", "<b>%1</b> SN: %2").arg(view.device.name).arg(view.device.serialNumber) : ""
        }
        SensorAffectationTable {
            Layout.fillWidth: true
            Layout.fillHeight: true
            sensors: view.controller ? view.controller.sensorsAffectation() : null
        }
    }

    Connections {
        target: bleService
        function onDeviceDisconnected() { view.close() }
    }

    Component.onCompleted: if (controller) controller.setInactivityTimeout(longInactivityTimeout)
    Component.onDestruction: if (controller) controller.setInactivityTimeout(inactivityTimeout)
}
