import QtQuick
import QtQuick.Layouts
import Tarvino

// The light thresholds of a twilight device's extra program. The row keeps what the user chose
// until the editor takes it.
GridLayout {
    id: row

    property int luxValueOn: Models.luxValues[0]
    property int luxValueOff: Models.luxValues[0]

    columns: 2
    columnSpacing: Metrics.margin
    rowSpacing: Metrics.spacing

    DefaultText {
        Layout.fillWidth: true
        text: bindTr("Extra program", "Lux Ein")
    }
    LuxValueSelector {
        objectName: "luxOnSelector"
        model: Models.luxValues
        luxValue: row.luxValueOn
        onLuxHasChanged: lux => row.luxValueOn = lux
    }
    DefaultText {
        Layout.fillWidth: true
        text: bindTr("Extra program", "Lux Aus")
    }
    LuxValueSelector {
        objectName: "luxOffSelector"
        model: Models.luxValues
        luxValue: row.luxValueOff
        onLuxHasChanged: lux => row.luxValueOff = lux
    }
}
