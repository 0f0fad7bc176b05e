import QtQuick
import QtQuick.Layouts
import Tarvino

// The editor of an extra program's switch times on an astronomic channel or a twilight device:
// the first program switches off and the second on, each from its start to its end; twilight
// devices add their light thresholds. Nothing reaches the controller before "OK".
ColumnLayout {
    id: form

    // The ExtraProgramSwitchTimeController of the program.
    required property var controller
    property bool lightMode: false
    property bool onSunset: true

    signal finished

    spacing: Metrics.margin
    Component.onCompleted: load()

    // The rows start from what is stored.
    function load() {
        onSunset = controller.onSunset
        first.active = controller.isActiveOnProg1
        first.startTime = controller.onTimeProg1
        first.endTime = controller.offTimeProg1
        second.active = controller.isActiveOnProg2
        second.startTime = controller.onTimeProg2
        second.endTime = controller.offTimeProg2
        lux.luxValueOn = controller.luxValueOn
        lux.luxValueOff = controller.luxValueOff
    }
    function save() {
        controller.isActiveOnProg1 = first.active
        controller.onTimeProg1 = Models.localTimeOf(first.startTime)
        controller.offTimeProg1 = Models.localTimeOf(first.endTime)
        controller.isActiveOnProg2 = second.active
        controller.onTimeProg2 = Models.localTimeOf(second.startTime)
        controller.offTimeProg2 = Models.localTimeOf(second.endTime)
        if (lightMode) {
            controller.luxValueOn = lux.luxValueOn
            controller.luxValueOff = lux.luxValueOff
        }
        controller.saveModifications()
        finished()
    }

    DesignText {
        size: Metrics.fontSize.normal
        text: bindTr("Extra program", "Schaltprogramm")
    }
    SonderProgramAstroEditionRow {
        id: first
        Layout.fillWidth: true
        name: "first"
        title: DateRangeProvider.astroProgramTitle(false, form.onSunset)
    }
    SonderProgramAstroEditionRow {
        id: second
        Layout.fillWidth: true
        name: "second"
        title: DateRangeProvider.astroProgramTitle(true, form.onSunset)
    }
    DesignText {
        visible: form.lightMode
        size: Metrics.fontSize.normal
        text: bindTr("Extra program", "Luxwerte")
    }
    SonderProgramNoctaEditionRow {
        id: lux
        Layout.fillWidth: true
        visible: form.lightMode
    }

    RowLayout {
        Layout.alignment: Qt.AlignRight
        Layout.topMargin: Metrics.margin
        spacing: Metrics.margin
        DefaultButton {
            objectName: "onOffCancel"
            text: bindTr("Generic", "Abbruch")
            color: Colors.white
            onClicked: form.finished()
        }
        DefaultButton {
            objectName: "onOffOk"
            text: bindTr("Generic", "OK")
            onClicked: form.save()
        }
    }
}
