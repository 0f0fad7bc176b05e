import QtQuick
import Tarvino

// The device scan and the data exchange, one of each for all views, with the reset pop-up the
// Bluetooth LE service asks for. A file of its own, so that the main window loads none of their
// types before its first frame.
Item {
    id: popUps

    // The item the pop-ups show over: the main window's content.
    required property Item popUpParent
    readonly property alias deviceScan: deviceScan
    readonly property alias resetSettingsPopUp: resetSettingsPopUp

    DeviceScan {
        id: deviceScan
        dataExchange: dataExchangePopUp
    }
    DataExchangePopUp {
        id: dataExchangePopUp
        parent: popUps.popUpParent
    }
    ResetSettingsPopUp {
        id: resetSettingsPopUp
        parent: popUps.popUpParent
        scanWindow: deviceScan.dialog
    }
}
