import QtQuick
import QtQuick.Layouts
import Tarvino

// A device model as a tile: its picture and name; the info icon tells what it can do.
Rectangle {
    id: tile

    required property string name
    required property url image
    required property int ot2
    property bool selected: false

    signal clicked

    objectName: "device_" + ot2
    implicitWidth: Metrics.tiles.preferredWidth
    implicitHeight: Metrics.tiles.preferredWidth
    radius: Metrics.radius
    color: selected ? Colors.delightBlue : Colors.white
    border.width: selected ? 2 : 1
    border.color: selected ? Colors.primaryColor : Colors.delightGrey

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: tile.clicked()
    }
    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Metrics.margin
        spacing: Metrics.spacing
        SvgIcon {
            Layout.fillWidth: true
            Layout.fillHeight: true
            source: tile.image
        }
        DefaultText {
            Layout.fillWidth: true
            text: tile.name
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            elide: Text.ElideNone
            maximumLineCount: 2
        }
    }
    ClickableIcon {
        objectName: "deviceInfoButton"
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: Metrics.halfMargin
        source: ClientConfig.icons.info
        iconColor: Colors.primaryColor
        onClicked: PopUpManager.openPopup("DeviceInfoPopUp", { ot2: tile.ot2 })
    }
}
