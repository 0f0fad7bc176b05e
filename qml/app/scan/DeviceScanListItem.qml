import QtQuick
import QtQuick.Layouts
import Tarvino

// One device of the scan list: the model's name, the serial number (`serialText`, styled) and
// the radio button that selects it.
Item {
    id: item

    required property int index
    required property string name
    required property string serialNumber
    property string serialText
    property bool selected: false

    signal chosen

    implicitHeight: 64
    opacity: enabled ? 1 : 0.4

    Rectangle {
        anchors.fill: parent
        radius: Metrics.radius
        color: item.selected ? Colors.delightBlue : Colors.lightGrey
    }

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: Metrics.margin
        anchors.rightMargin: Metrics.margin
        spacing: Metrics.margin

        SvgIcon {
            Layout.preferredHeight: 40
            Layout.preferredWidth: 40
            source: ClientConfig.images.deviceScanItem
        }
        ColumnLayout {
            Layout.fillWidth: true
            spacing: Metrics.spacing
            DesignText {
                objectName: "deviceName"
                Layout.fillWidth: true
                text: item.name
                size: Metrics.fontSize.defaultSize
            }
            DefaultText {
                objectName: "deviceSerial"
                Layout.fillWidth: true
                text: item.serialText
                textFormat: Text.StyledText
                color: Colors.secondaryColor
            }
        }
        DefaultRadioButton {
            objectName: "deviceChoice" + item.index
            // Checked by the selection alone, so that it follows the selected device.
            checkable: false
            checked: item.selected
            onClicked: item.chosen()
        }
    }

    MouseArea {
        anchors.fill: parent
        z: -1
        onClicked: item.chosen()
    }
}
