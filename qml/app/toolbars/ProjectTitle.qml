import QtQuick
import QtQuick.Layouts
import Tarvino

// The open project's name and its device model, the title of the project view.
RowLayout {
    id: title

    required property string projectName
    required property int deviceOt2

    spacing: Metrics.margin

    DesignText {
        objectName: "projectTitleName"
        Layout.fillWidth: true
        // Whole pixels: a width a fraction short of the text's elides its last letters.
        Layout.preferredWidth: Math.ceil(implicitWidth)
        Layout.maximumWidth: Math.ceil(implicitWidth)
        text: title.projectName
        size: Metrics.fontSize.big
        wrapMode: Text.NoWrap
        elide: Text.ElideRight
    }
    DefaultText {
        objectName: "projectTitleDevice"
        Layout.fillWidth: true
        Layout.preferredWidth: Math.ceil(implicitWidth)
        Layout.maximumWidth: Math.ceil(implicitWidth)
        elide: Text.ElideRight
        text: deviceService.deviceNameFromOt2(title.deviceOt2)
        color: Colors.secondaryColor
    }
}
