import QtQuick
import Tarvino

// The question pop-up, by name for PopUpManager; `result` is true when accepted.
ConfirmPopUp {
    objectName: "confirmPopup"
}
