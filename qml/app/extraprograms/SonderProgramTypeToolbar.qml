import QtQuick
import Tarvino

// The choice of a new range's type, and the taking over of a holiday set. A type makes a new
// range in its editor buffer; nothing is stored before the editor's "OK".
SubToolbar {
    id: bar

    required property var epViewController
    readonly property bool extended: epViewController ? epViewController.hasExtendedDateRanges : false
    // The types by number: the extended ones only where the device has them.
    readonly property var entries: DateRangeProvider.rangeTypeNames.slice(0, extended ? 6 : 3)

    // The editor buffer of the new range.
    signal rangeCreated(var controller)
    signal holidaysRequested

    Repeater {
        model: bar.entries
        LabeledToolBarButton {
            required property var modelData
            required property int index
            objectName: "newRange_" + index
            source: Icons.plus
            text: modelData
            onClicked: bar.rangeCreated(bar.epViewController.createDateRange(index))
        }
    }
    LabeledToolBarButton {
        objectName: "newRangesFromHolidays"
        source: Icons.calendar
        text: bindTr("Extra program", "Feiertagsset übernehmen")
        onClicked: bar.holidaysRequested()
    }
}
