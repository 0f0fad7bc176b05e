import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// One kind of switch time in the kind chooser: its colour mark and its state text.
ItemDelegate {
    id: row

    required property int type
    // Item has a state of its own.
    required property int switchState
    property bool current: false

    Layout.fillWidth: true
    implicitHeight: 44
    padding: Metrics.padding
    background: Rectangle {
        color: row.down ? Colors.delightBlue : row.current ? Colors.lightGrey : Colors.white
    }
    contentItem: RowLayout {
        spacing: Metrics.margin
        Rectangle {
            Layout.preferredWidth: 24
            Layout.preferredHeight: 24
            radius: Metrics.radius
            color: Colors.backgroudColorBySwitchTimeState(row.type, row.switchState)
            ColoredIcon {
                anchors.centerIn: parent
                width: 18
                height: 18
                visible: String(source) !== ""
                source: Icons.switchTimeIcon(row.type, row.switchState)
                iconColor: Colors.isDarkColor(parent.color) ? Colors.white : Colors.primaryColor
            }
        }
        DefaultText {
            Layout.fillWidth: true
            text: row.text
            font.styleName: row.current ? Fonts.bold : Fonts.regular
        }
    }
}
