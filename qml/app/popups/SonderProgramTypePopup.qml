import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// "Typ auswählen": the date-range types the device holds, and the holiday rules unless they are
// left out. The row is the type (6 for the holiday rules); "OK" takes the chosen row as
// `result` and emits `accepted`.
DefaultPopUp {
    id: popup

    // Passed through: whether the range switches on or off, and the channel's astro mode.
    property bool isOn: true
    property bool astroMode: false
    property int selectedIndex: 0
    property bool allowHolidays: true
    property bool hasExtendedDateRanges: false
    property int currentType: -1
    readonly property var entries: {
        const list = DateRangeProvider.dateRangeTypes(hasExtendedDateRanges)
        if (allowHolidays)
            list.push({text: bindTr("Edit switch time", "Feiertagsregeln anwenden.."), type: 6})
        return list
    }

    signal accepted(bool isOn)

    objectName: "sonderProgramTypePopup"
    title: bindTr("Edit switch time", "Typ auswählen")

    Repeater {
        model: popup.entries
        ItemDelegate {
            id: entry
            required property var modelData
            readonly property bool chosen: modelData.type === popup.selectedIndex
            objectName: "rangeTypeEntry_" + modelData.type
            Layout.fillWidth: true
            implicitHeight: 44
            padding: Metrics.padding
            text: modelData.text
            background: Rectangle {
                color: entry.down ? Colors.delightBlue : entry.chosen ? Colors.lightGrey : Colors.white
            }
            contentItem: DefaultText {
                text: entry.text
                font.styleName: entry.chosen || entry.modelData.type === popup.currentType ? Fonts.bold : Fonts.regular
            }
            onClicked: popup.selectedIndex = modelData.type
        }
    }

    buttons: [
        DefaultButton {
            objectName: "typeCancel"
            text: bindTr("Generic", "Abbruch")
            color: Colors.white
            onClicked: popup.close()
        },
        DefaultButton {
            objectName: "typeOk"
            text: bindTr("Generic", "OK")
            enabled: popup.entries.some(entry => entry.type === popup.selectedIndex)
            onClicked: {
                popup.result = popup.selectedIndex
                popup.accepted(popup.isOn)
                popup.close()
            }
        }
    ]
}
