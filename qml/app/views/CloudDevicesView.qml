import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The gateways of the cloud account; a row opens the login to that gateway. Leaving the view
// logs out of the cloud.
AppView {
    id: view

    readonly property var cloud: mainController.cloud

    function openGatewayLogin(index, serial) {
        gatewayLogin.createObject(view, { gatewayIndex: index, serial: serial }).open()
    }

    function viewLeaved() {
        cloud.logout()
    }

    viewKind: View.CloudDevicesView
    title: bindTr("Cloud", "Gerät auswählen")

    Component {
        id: gatewayLogin
        GatewayLoginPopup {
            onClosed: destroy()
        }
    }

    ListView {
        id: list
        objectName: "gatewayList"
        anchors.fill: parent
        clip: true
        model: view.cloud.gateways
        delegate: ItemDelegate {
            id: row
            required property int index
            required property string name
            required property string serialNumber

            objectName: "gateway_" + serialNumber
            width: list.width
            enabled: !view.cloud.busy
            background: Rectangle {
                color: row.down ? Colors.delightBlue : Colors.white
                Rectangle {
                    anchors.bottom: parent.bottom
                    width: parent.width
                    height: 1
                    color: Colors.delightGrey
                }
            }
            contentItem: ColumnLayout {
                spacing: 0
                opacity: row.enabled ? 1 : 0.4
                DesignText {
                    Layout.fillWidth: true
                    text: row.name
                }
                DefaultText {
                    Layout.fillWidth: true
                    text: bindTr("Cloud", "SN: %1").arg(row.serialNumber)
                    color: Colors.secondaryColor
                }
            }
            leftPadding: Metrics.middleMargin
            rightPadding: Metrics.middleMargin
            topPadding: Metrics.margin
            bottomPadding: Metrics.margin
            onClicked: view.openGatewayLogin(index, serialNumber)
        }
        ScrollIndicator.vertical: DefaultScrollIndicator {}
    }
}
