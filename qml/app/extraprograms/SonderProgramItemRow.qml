import QtQuick
import QtQuick.Layouts
import Tarvino

// One line of a date range in the list: a caption and its value, and where the value has a time
// of day (or a second value), that with its own caption.
RowLayout {
    id: line

    property string caption
    property string value
    property string timeCaption: bindTr("Extra program", "Uhrzeit")
    property string timeValue
    property string valueName
    property string timeName

    spacing: Metrics.margin

    // A caption longer than its column takes a second line rather than being cut.
    DefaultText {
        objectName: line.valueName + "Caption"
        Layout.preferredWidth: 70
        elide: Text.ElideNone
        wrapMode: Text.Wrap
        text: line.caption
        color: Colors.secondaryColor
        font.pixelSize: Metrics.fontSize.small
    }
    DefaultText {
        objectName: line.valueName
        Layout.fillWidth: true
        text: line.value
        elide: Text.ElideRight
    }
    DefaultText {
        visible: line.timeValue !== ""
        text: line.timeCaption
        color: Colors.secondaryColor
        font.pixelSize: Metrics.fontSize.small
    }
    DefaultText {
        objectName: line.timeName
        visible: line.timeValue !== ""
        text: line.timeValue
    }
}
