import QtQuick
import Tarvino

// Tells of a failure.
InfoPopUp {
    objectName: "errorPopup"
    title: bindTr("Generic", "Fehler")
    titleColor: Colors.red
}
