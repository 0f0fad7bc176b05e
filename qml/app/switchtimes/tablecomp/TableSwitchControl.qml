import QtQuick
import Tarvino

// A rounded on/off switch labelled "EIN" or "AUS".
Item {
    id: control

    property bool checked: false
    // True once complete; changes before that are the initial binding, not the user's.
    property bool ready: false

    signal toggled(bool checked)

    // Wider where the language's word does not fit.
    implicitWidth: Math.max(SwitchTableMetrics.switchWidth, label.implicitWidth + 2 * Metrics.padding)
    implicitHeight: SwitchTableMetrics.switchHeight
    Component.onCompleted: ready = true

    Rectangle {
        anchors.fill: parent
        radius: height / 2
        color: control.checked ? Colors.primaryColor : Colors.white
        border.width: 1
        border.color: control.checked ? Colors.primaryColor : Colors.delightGrey
        opacity: control.enabled ? 1 : 0.4
    }
    DefaultText {
        id: label
        anchors.centerIn: parent
        text: control.checked ? bindTr("Generic", "EIN") : bindTr("Generic", "AUS")
        font.styleName: Fonts.bold
        font.capitalization: Font.AllUppercase
        color: control.checked ? Colors.white : Colors.primaryColor
    }
    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: control.toggled(!control.checked)
    }
}
