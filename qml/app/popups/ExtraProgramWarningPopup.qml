import QtQuick
import QtQuick.Layouts
import Tarvino

// Asked before a project is written to a device while extra programs have switch times but no
// dates; `channels` maps each channel number to its extra programs without dates. `result` is
// true when the user goes on.
ConfirmPopUp {
    id: popup

    property var channels: ({})
    readonly property var channelNumbers: Object.keys(channels).map(Number).sort((a, b) => a - b)

    objectName: "extraProgramWarningPopup"
    title: bindTr("Generic", "Warnung")
    warning: true
    acceptLabel: bindTr("Generic", "Ja")
    rejectLabel: bindTr("Generic", "Nein")
    contentText: bindTr("Extra program", "Schaltzeiten von Zusatzprogrammen werden nur ausgeführt, wenn Datumsbereiche angegeben sind.")
                 + "\n" + bindTr("Extra program", "Bei den folgenden Zusatzprogrammen im Projekt fehlen Datumsbereiche:")

    Repeater {
        model: popup.channelNumbers
        ColumnLayout {
            id: channelEntry
            required property int modelData
            Layout.fillWidth: true
            spacing: Metrics.spacing
            DesignText {
                objectName: "warningChannel_" + channelEntry.modelData
                text: bindTr("Direct commands", "Kanal") + " " + channelEntry.modelData
            }
            Repeater {
                model: popup.channels[String(channelEntry.modelData)]
                DefaultText {
                    required property int modelData
                    objectName: "warningProgram_%1_%2".arg(channelEntry.modelData).arg(modelData)
                    Layout.leftMargin: Metrics.margin
                    text: "\u2022 " + bindTr("ProgramView", "Sonderprogramm %1").arg(modelData)
                }
            }
        }
    }
    DefaultText {
        objectName: "warningQuestion"
        Layout.fillWidth: true
        wrapMode: Text.WordWrap
        text: bindTr("Generic", "Möchten Sie trotzdem mit der Programmierung fortfahren?")
    }
}
