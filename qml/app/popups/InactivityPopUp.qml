import QtQuick
import Tarvino

// Tells that the device's connection ended because nothing went over it for too long.
InfoPopUp {
    objectName: "inactivityPopup"
    title: bindTr("Scan", "Verbindung aufgrund von Inaktivität geschlossen")
    contentText: bindTr("Scan", "Die Verbindung wurde aufgrund von Inaktivität geschlossen")
}
