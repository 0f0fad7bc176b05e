import QtQuick
import QtQuick.Controls
import Tarvino

// The page that edits one date range of an extra program, or that takes a holiday set over as
// ranges. The opener makes the editor buffer (`viewController`); the page keeps it alive.
AppView {
    id: view

    // The DateRangeController of the range; none in the holiday version.
    property var viewController: null
    // The ExtraProgramViewController of the program.
    required property var parentController
    property int selectedIndex: -1
    property bool isNew: false
    property bool astroMode: false
    property bool isSortedIndex: false
    // ExtraProgramViewController.ExtraType.
    property int sonderType: 2
    property bool holidayVersion: false
    property string projectName
    property string deviceName

    function leaveView() {
        if (insideDialog)
            closeDialog()
        else
            ViewLoader.popView()
    }

    viewKind: View.SonderProgramDateEditionView
    title: projectName
    titleItem: TwoLineTitle {
        projectName: view.projectName
        deviceName: view.deviceName
    }
    allowBackButton: false

    SonderProgramDate {
        objectName: "sonderProgramDate"
        anchors.fill: parent
        visible: !view.holidayVersion
        viewController: view.holidayVersion ? null : view.viewController
        parentController: view.parentController
        sonderType: view.sonderType
        astroMode: view.astroMode
        isNew: view.isNew
        onFinished: view.leaveView()
    }

    // The holiday-set form (SonderProgramHolidays) of the holiday version goes here.
    Item {
        id: holidayPlace
        objectName: "holidayPlace"
        anchors.fill: parent
        visible: view.holidayVersion

        Loader {
            anchors.fill: parent
            active: view.holidayVersion
            sourceComponent: SonderProgramHolidays {
                parentController: view.parentController
                sonderType: view.sonderType
                astroMode: view.astroMode
                isNew: view.isNew
                onFinished: view.leaveView()
            }
        }
    }
}
