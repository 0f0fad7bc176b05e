import QtQuick
import QtQuick.Controls
import Tarvino

// One tab header: filled when current, or underlined with the client's underlined tabs.
TabButton {
    id: tab

    readonly property bool underlined: ClientConfig.behavior.underlinedTabStyle

    implicitHeight: 44
    font.family: Fonts.defaultFamily
    font.pixelSize: Metrics.fontSize.defaultSize
    contentItem: DefaultText {
        text: tab.text
        font: tab.font
        horizontalAlignment: Text.AlignHCenter
        color: tab.checked && !tab.underlined ? Colors.white : Colors.primaryColor
        opacity: tab.enabled ? 1 : 0.4
    }
    background: Rectangle {
        color: tab.checked && !tab.underlined ? Colors.primaryColor : Colors.lightGrey
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 3
            color: Colors.primaryColor
            visible: tab.underlined && tab.checked
        }
    }
}
