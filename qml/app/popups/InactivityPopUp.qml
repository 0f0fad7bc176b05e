import QtQuick
import Tarvino

// Tells that the device's connection ended because nothing went over it for too long. The
// direct commands offer to connect again: "Wieder anschließen" starts a new scan for them.
InfoPopUp {
    id: popup

    property bool offerReconnection: false

    objectName: "inactivityPopup"
    title: bindTr("Scan", "Verbindung aufgrund von Inaktivität geschlossen")
    contentText: bindTr("Scan", "Die Verbindung wurde aufgrund von Inaktivität geschlossen")

    buttons: [
        DefaultButton {
            objectName: "okButton"
            text: bindTr("Generic", "OK")
            color: popup.offerReconnection ? Colors.white : Colors.primaryColor
            onClicked: popup.close()
        },
        DefaultButton {
            objectName: "reconnectButton"
            visible: popup.offerReconnection
            text: bindTr("Scan", "Wieder anschließen")
            onClicked: {
                popup.close()
                ZorvikUtils.deviceScan.open(ScanOption.DirectCommand)
            }
        }
    ]
}
