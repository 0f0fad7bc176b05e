import QtQuick
import QtQuick.Layouts
import Tarvino

// What a device model of the catalogue can do.
InfoPopUp {
    id: popup

    required property int ot2

    function yesNo(value) {
        return value ? bindTr("Generic", "Ja") : bindTr("Generic", "Nein")
    }

    objectName: "deviceInfoPopup"
    title: deviceService.deviceNameFromOt2(ot2)

    Repeater {
        model: [
            [bindTr("DeviceInfo", "Kanäle"), deviceService.channelNumber(popup.ot2)],
            [bindTr("DeviceInfo", "Programme"), deviceService.programms(popup.ot2)],
            [bindTr("DeviceInfo", "Speicherplätze"), deviceService.memory(popup.ot2)],
            [bindTr("DeviceInfo", "Externe Eingänge"), deviceService.inputs(popup.ot2)],
            [bindTr("DeviceInfo", "Sonderprogramme mit Schaltzeiten"), popup.yesNo(deviceService.extraProgramWithSwitches(popup.ot2))],
            [bindTr("DeviceInfo", "Uhrentyp"), deviceService.clockTypeText(popup.ot2)],
            [bindTr("DeviceInfo", "Jahresprogramm"), popup.yesNo(deviceService.yearlyProgram(popup.ot2))],
            [bindTr("DeviceInfo", "Impuls"), popup.yesNo(deviceService.hasImpuls(popup.ot2))],
            [bindTr("DeviceInfo", "Zyklus"), popup.yesNo(deviceService.hasZyclus(popup.ot2))],
            [bindTr("DeviceInfo", "Earth Hour"), popup.yesNo(deviceService.hasEarthHour(popup.ot2))],
            [bindTr("DeviceInfo", "Erweiterungsmodul"), popup.yesNo(deviceService.hasExtensionModule(popup.ot2))],
            [bindTr("DeviceInfo", "Internes Bluetooth-Modul"), popup.yesNo(deviceService.hasInternalBleModule(popup.ot2))],
            [bindTr("DeviceInfo", "Zeitzone einstellbar"), popup.yesNo(deviceService.timezoneIsSettable(popup.ot2))],
            [bindTr("DeviceInfo", "Dämmerungsschalter"), popup.yesNo(deviceService.isNocta(popup.ot2))]
        ]
        delegate: RowLayout {
            id: row
            required property var modelData
            Layout.fillWidth: true
            spacing: Metrics.largeMargin
            DefaultText {
                Layout.preferredWidth: popup.availableWidth * 0.6
                text: row.modelData[0]
                color: Colors.secondaryColor
            }
            DefaultText {
                Layout.fillWidth: true
                text: row.modelData[1]
            }
        }
    }
}
