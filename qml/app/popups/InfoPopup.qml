import QtQuick
import Tarvino

// The message pop-up, by name for PopUpManager.
InfoPopUp {
    objectName: "infoPopup"
}
