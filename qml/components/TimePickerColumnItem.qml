import QtQuick
import Tarvino

// One column of a time wheel (hours, minutes or seconds) with its unit under it.
Column {
    id: column

    property alias model: tumbler.model
    property alias currentIndex: tumbler.currentIndex
    property alias moving: tumbler.moving
    property string unit

    spacing: Metrics.spacing

    DefaultTumbler {
        id: tumbler
        objectName: column.objectName + "Tumbler"
        format: value => Models.twoDigits(value)
    }
    DefaultText {
        width: tumbler.width
        text: column.unit
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: Metrics.fontSize.small
        color: Colors.secondaryColor
    }
}
