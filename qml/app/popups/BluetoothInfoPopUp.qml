import QtQuick
import QtQuick.Layouts
import Tarvino

// A message of the Bluetooth LE link; an error shows in red with the warning icon.
InfoPopUp {
    id: popup

    property bool isError: false

    objectName: "bluetoothInfoPopup"
    titleColor: isError ? Colors.red : Colors.primaryColor

    ColoredIcon {
        objectName: "bluetoothErrorIcon"
        Layout.alignment: Qt.AlignHCenter
        source: Icons.warning
        iconColor: Colors.red
        visible: popup.isError
    }
}
