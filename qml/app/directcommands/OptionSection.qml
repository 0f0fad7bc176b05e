import QtQuick
import QtQuick.Layouts
import Tarvino

// The light sensors' assignment, in a view of its own, and the reset of the selected
// channel's operating hours.
TitledSection {
    id: section

    required property var controller
    readonly property int ot2: controller.device ? controller.device.ot2Number : 0
    readonly property int viewWidth: 768
    readonly property int viewHeight: 550
    property var sensorWindow: null

    function openSensorAffectation() {
        const url = ViewLoader.viewUrl(View.SensorAffectationView)
        const properties = { controller: controller }
        if (!ZorvikUtils.isDesktop) {
            ViewLoader.openView(View.SensorAffectationView, properties)
            return
        }
        if (sensorWindow) {
            sensorWindow.raise()
            sensorWindow.requestActivate()
            return
        }
        const window = ZorvikUtils.window.openWindowDialog(url, properties, viewWidth, {
            modality: Qt.NonModal,
            transientParent: section.Window.window,
            title: bindTr("Direct commands", "Sensorzuordnung")
        })
        window.minimumHeight = viewHeight
        window.maximumWidth = viewWidth
        window.maximumHeight = viewHeight
        window.width = viewWidth
        window.height = viewHeight
        window.closing.connect(() => section.sensorWindow = null)
        sensorWindow = window
    }

    objectName: "optionSection"
    // The sensors go with the direct commands.
    Component.onDestruction: if (sensorWindow) sensorWindow.close()
    title: bindTr("Program settings", "Optionen")

    CommandRow {
        Layout.fillWidth: true
        visible: deviceService.canAffectLightSensors(section.ot2)
        buttonName: "sensorAffectationButton"
        label: bindTr("Direct commands", "Sensorzuordnung")
        buttonText: bindTr("Direct commands", "Bearbeiten")
        onSend: section.openSensorAffectation()
    }
    CommandRow {
        Layout.fillWidth: true
        buttonName: "resetOperatingTimeButton"
        label: bindTr("Direct commands", "Betriebsstunden")
        buttonText: bindTr("Direct commands", "Reset")
        onSend: section.controller.resetOperatingTime()
    }
}
