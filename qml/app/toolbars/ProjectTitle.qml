import QtQuick
import QtQuick.Layouts
import Tarvino

// The open project's name and its device model, the title of the project view: on one line
// where the bar leaves room for it, else the name over the model, as always on the phone. The
// width it asks for follows the layout alone, so the form it takes never changes the room the
// bar gives it.
Item {
    id: title

    required property string projectName
    required property int deviceOt2
    readonly property string deviceName: deviceService.deviceNameFromOt2(deviceOt2)
    // Whole pixels: a width a fraction short of the text's elides its last letters.
    readonly property real oneLineWidth: Math.ceil(name.implicitWidth) + line.spacing + Math.ceil(device.implicitWidth)
    readonly property bool phone: !ZorvikUtils.tabletLayout
    readonly property bool twoLines: phone || width < oneLineWidth

    implicitWidth: phone ? lines.implicitWidth : oneLineWidth
    implicitHeight: twoLines ? lines.implicitHeight : line.implicitHeight

    RowLayout {
        id: line
        anchors.fill: parent
        visible: !title.twoLines
        spacing: Metrics.margin

        DesignText {
            id: name
            objectName: "projectTitleName"
            Layout.fillWidth: true
            Layout.preferredWidth: Math.ceil(implicitWidth)
            Layout.maximumWidth: Math.ceil(implicitWidth)
            text: title.projectName
            size: Metrics.fontSize.big
            wrapMode: Text.NoWrap
            elide: Text.ElideRight
        }
        DefaultText {
            id: device
            objectName: "projectTitleDevice"
            Layout.fillWidth: true
            Layout.preferredWidth: Math.ceil(implicitWidth)
            Layout.maximumWidth: Math.ceil(implicitWidth)
            elide: Text.ElideRight
            text: title.deviceName
            color: Colors.secondaryColor
        }
    }
    TwoLineTitle {
        id: lines
        anchors.fill: parent
        visible: title.twoLines
        projectName: title.projectName
        deviceName: title.deviceName
    }
}
