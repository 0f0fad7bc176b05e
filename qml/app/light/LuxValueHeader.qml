import QtQuick
import QtQuick.Layouts
import Tarvino

// The column heads over the lux rows; `dayWidth` keeps room for the day names.
RowLayout {
    property real dayWidth: 0
    property real valueWidth: 120

    spacing: Metrics.margin

    Item {
        visible: parent.dayWidth > 0
        Layout.preferredWidth: parent.dayWidth
    }
    DefaultText {
        Layout.preferredWidth: parent.valueWidth
        text: bindTr("Generic", "Ein (lux)")
        color: Colors.secondaryColor
    }
    DefaultText {
        Layout.preferredWidth: parent.valueWidth
        text: bindTr("Generic", "Aus (lux)")
        color: Colors.secondaryColor
    }
}
