import QtQuick
import QtQuick.Layouts
import Tarvino

// A name and an address; the client and the author tabs.
TabSubView {
    id: tab

    property string nameLabel
    property string addressLabel
    property alias name: nameField.text
    property alias address: addressField.text

    GridLayout {
        anchors.fill: parent
        anchors.margins: Metrics.middleMargin
        columns: 2
        columnSpacing: Metrics.largeMargin
        rowSpacing: Metrics.margin

        DefaultText { text: tab.nameLabel }
        DefaultTextField {
            id: nameField
            objectName: "nameField"
            Layout.fillWidth: true
        }

        DefaultText {
            Layout.alignment: Qt.AlignTop
            text: tab.addressLabel
        }
        DefaultTextArea {
            id: addressField
            objectName: "addressField"
            Layout.fillWidth: true
            Layout.preferredHeight: 120
        }

        Item { Layout.fillHeight: true }
    }
}
