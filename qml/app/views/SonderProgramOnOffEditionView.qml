import QtQuick
import QtQuick.Controls
import Tarvino

// The page that edits the switch times of an extra program: four instants on a plain channel,
// two programs with start and end on an astronomic channel or a twilight device.
AppView {
    id: view

    // The ExtraProgramSwitchTimeController of the program.
    required property var viewController
    property int selectedIndex: -1
    property bool isNew: false
    property bool astroMode: false
    property bool lightMode: false
    property bool isSortedIndex: false
    property string projectName
    property string deviceName

    function leaveView() {
        if (insideDialog)
            closeDialog()
        else
            ViewLoader.popView()
    }

    viewKind: View.SonderProgramOnOffEditionView
    title: deviceName !== "" ? projectName + " - " + deviceName : projectName

    Flickable {
        anchors.fill: parent
        contentWidth: width
        contentHeight: editor.implicitHeight + 2 * Metrics.middleMargin
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollIndicator.vertical: DefaultScrollIndicator {}

        Loader {
            id: editor
            x: Metrics.middleMargin
            y: Metrics.middleMargin
            width: view.width - 2 * Metrics.middleMargin
            sourceComponent: view.astroMode || view.lightMode ? astroEditor : plainEditor
        }
    }

    Component {
        id: plainEditor
        SonderProgramOnOff {
            objectName: "sonderProgramOnOff"
            controller: view.viewController
            onFinished: view.leaveView()
        }
    }
    Component {
        id: astroEditor
        SonderProgramOnOffAstro {
            objectName: "sonderProgramOnOffAstro"
            controller: view.viewController
            lightMode: view.lightMode
            onFinished: view.leaveView()
        }
    }
}
