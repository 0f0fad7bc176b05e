import QtQuick
import QtQuick.Layouts
import Tarvino

// The editor of an extra program's switch times on a plain channel: on and off of each of the
// two programs. Nothing reaches the controller before "OK".
ColumnLayout {
    id: form

    // The ExtraProgramSwitchTimeController of the program.
    required property var controller

    signal finished

    spacing: Metrics.margin
    Component.onCompleted: load()

    // The rows start from what is stored.
    function load() {
        on1.active = controller.isActiveOnProg1
        off1.active = controller.isActiveOffProg1
        on2.active = controller.isActiveOnProg2
        off2.active = controller.isActiveOffProg2
        on1.time = controller.onTimeProg1
        off1.time = controller.offTimeProg1
        on2.time = controller.onTimeProg2
        off2.time = controller.offTimeProg2
    }
    function save() {
        controller.isActiveOnProg1 = on1.active
        controller.isActiveOffProg1 = off1.active
        controller.isActiveOnProg2 = on2.active
        controller.isActiveOffProg2 = off2.active
        controller.onTimeProg1 = Models.localTimeOf(on1.time)
        controller.offTimeProg1 = Models.localTimeOf(off1.time)
        controller.onTimeProg2 = Models.localTimeOf(on2.time)
        controller.offTimeProg2 = Models.localTimeOf(off2.time)
        controller.saveModifications()
        finished()
    }

    DesignText {
        size: Metrics.fontSize.normal
        text: bindTr("Extra program", "Schaltprogramm")
    }
    SonderProgramEditionRow {
        id: on1
        Layout.fillWidth: true
        name: "on1"
        title: bindTr("Extra program", "Ein")
    }
    SonderProgramEditionRow {
        id: off1
        Layout.fillWidth: true
        name: "off1"
        title: bindTr("Extra program", "Aus")
    }
    Rectangle {
        Layout.fillWidth: true
        Layout.preferredHeight: 1
        color: Colors.delightGrey
    }
    SonderProgramEditionRow {
        id: on2
        Layout.fillWidth: true
        name: "on2"
        title: bindTr("Extra program", "Ein")
    }
    SonderProgramEditionRow {
        id: off2
        Layout.fillWidth: true
        name: "off2"
        title: bindTr("Extra program", "Aus")
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
