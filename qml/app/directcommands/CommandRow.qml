import QtQuick
import QtQuick.Layouts
import Tarvino

// One command of a section: its label, the controls it takes, and its button ("Senden").
RowLayout {
    id: row

    property string label
    property alias buttonName: sendButton.objectName
    property string buttonText: bindTr("Direct commands", "Senden", "Button label")
    property bool sendEnabled: true
    default property alias controls: controlArea.data

    signal send

    spacing: Metrics.margin

    DefaultText {
        objectName: row.buttonName + "Label"
        Layout.preferredWidth: 220
        text: row.label
        wrapMode: Text.WordWrap
        elide: Text.ElideNone
    }
    RowLayout {
        id: controlArea
        Layout.fillWidth: true
        spacing: Metrics.margin
    }
    DefaultButton {
        id: sendButton
        text: row.buttonText
        enabled: row.sendEnabled
        onClicked: row.send()
    }
}
