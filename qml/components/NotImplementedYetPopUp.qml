import QtQuick
import Tarvino

// Tells that a function is not available in this version.
InfoPopUp {
    contentText: bindTr("Generic", "Diese Funktion ist noch nicht verfügbar.")
}
