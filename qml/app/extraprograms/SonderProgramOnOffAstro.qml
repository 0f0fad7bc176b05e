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

    signal finished

    spacing: Metrics.margin

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
        title: DateRangeProvider.astroProgramTitle(false, form.controller.onSunset)
        active: form.controller.isActiveOnProg1
        startTime: form.controller.onTimeProg1
        endTime: form.controller.offTimeProg1
    }
    SonderProgramAstroEditionRow {
        id: second
        Layout.fillWidth: true
        name: "second"
        title: DateRangeProvider.astroProgramTitle(true, form.controller.onSunset)
        active: form.controller.isActiveOnProg2
        startTime: form.controller.onTimeProg2
        endTime: form.controller.offTimeProg2
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
        luxValueOn: form.controller.luxValueOn
        luxValueOff: form.controller.luxValueOff
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
