import QtQuick
import QtQuick.Layouts
import Tarvino

// The head of a standard extra program: its switch times at a glance and the button that opens
// their editor. A plain channel shows on and off of both programs; the astronomic and twilight
// heads put their own summary in place.
Rectangle {
    id: header

    // The ExtraProgramSwitchTimeController of the program.
    required property var switchTimes
    property string projectName
    property string deviceName
    property bool astroMode: false
    property bool lightMode: false
    property Component summary: plainSummary

    // A value of the controller; it can go before the head does.
    function value(name) {
        return switchTimes ? switchTimes[name] : undefined
    }
    function timeText(active, time) {
        return DateRangeProvider.switchTimeText(active, time)
    }
    function openEditor() {
        ViewLoader.openView(View.SonderProgramOnOffEditionView, {
            viewController: switchTimes, astroMode: astroMode, lightMode: lightMode,
            projectName: projectName, deviceName: deviceName
        })
    }

    implicitHeight: column.implicitHeight + 2 * Metrics.margin
    implicitWidth: column.implicitWidth + 2 * Metrics.margin
    radius: Metrics.radius
    color: Colors.lightGrey

    // The summary goes under the title, so that the head fits a phone's width.
    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: Metrics.margin
        spacing: Metrics.spacing
        RowLayout {
            Layout.fillWidth: true
            spacing: Metrics.margin
            DesignText {
                Layout.fillWidth: true
                size: Metrics.fontSize.normal
                text: bindTr("Extra program", "Schaltprogramm")
            }
            FramedEditButton {
                objectName: "editSwitchTimes"
                onClicked: header.openEditor()
            }
        }
        Loader {
            Layout.fillWidth: true
            sourceComponent: header.summary
        }
    }

    Component {
        id: plainSummary
        GridLayout {
            columns: 4
            columnSpacing: Metrics.margin
            rowSpacing: Metrics.spacing
            DefaultText { text: bindTr("Extra program", "Ein") }
            DefaultText {
                objectName: "summaryOn1"
                text: header.timeText(header.value('isActiveOnProg1'), header.value('onTimeProg1'))
            }
            DefaultText { text: bindTr("Extra program", "Aus") }
            DefaultText {
                objectName: "summaryOff1"
                text: header.timeText(header.value('isActiveOffProg1'), header.value('offTimeProg1'))
            }
            DefaultText { text: bindTr("Extra program", "Ein") }
            DefaultText {
                objectName: "summaryOn2"
                text: header.timeText(header.value('isActiveOnProg2'), header.value('onTimeProg2'))
            }
            DefaultText { text: bindTr("Extra program", "Aus") }
            DefaultText {
                objectName: "summaryOff2"
                text: header.timeText(header.value('isActiveOffProg2'), header.value('offTimeProg2'))
            }
        }
    }
}
