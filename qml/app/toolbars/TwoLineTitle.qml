import QtQuick
import QtQuick.Layouts
import Tarvino

// The open project's name over its device model: the title of project views where one line
// leaves the buttons no room.
ColumnLayout {
    id: title

    required property string projectName
    required property string deviceName

    spacing: 0

    DesignText {
        objectName: "twoLineTitleName"
        Layout.fillWidth: true
        Layout.maximumWidth: Math.ceil(implicitWidth)
        Layout.alignment: Qt.AlignHCenter
        text: title.projectName
        size: Metrics.fontSize.normal
        wrapMode: Text.NoWrap
        elide: Text.ElideRight
    }
    DefaultText {
        objectName: "twoLineTitleDevice"
        Layout.fillWidth: true
        Layout.maximumWidth: Math.ceil(implicitWidth)
        Layout.alignment: Qt.AlignHCenter
        text: title.deviceName
        color: Colors.secondaryColor
        font.pixelSize: Metrics.fontSize.small
        elide: Text.ElideRight
    }
}
