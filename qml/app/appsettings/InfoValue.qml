import QtQuick
import QtQuick.Layouts
import Tarvino

// A value in the software information; `clickable` values open something when pressed.
DefaultText {
    id: value

    property bool clickable: false

    signal clicked

    Layout.columnSpan: 6
    Layout.fillWidth: true
    Layout.preferredWidth: 6
    font.pixelSize: 26
    font.underline: clickable
    wrapMode: Text.WordWrap
    elide: Text.ElideNone

    MouseArea {
        anchors.fill: parent
        enabled: value.clickable
        cursorShape: value.clickable ? Qt.PointingHandCursor : Qt.ArrowCursor
        onClicked: value.clicked()
    }
}
