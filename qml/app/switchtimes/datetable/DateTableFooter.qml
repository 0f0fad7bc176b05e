import QtQuick
import Tarvino

// The line that adds a range: choosing a type creates one from today to tomorrow at 00:00
// (a yearly range on those days of 2008, the leap reference year). A holiday set chosen in the
// set window becomes ranges too.
Item {
    id: footer

    required property var epViewController
    readonly property var entries: DateRangeProvider.dateRangeTypes(epViewController ? epViewController.hasExtendedDateRanges : false)

    signal created
    signal rightClicked

    implicitHeight: DateTableMetrics.rowHeight

    function openHolidaySets() {
        const dialog = holidayDialog.createObject(footer)
        dialog.closing.connect(() => dialog.destroy())
        dialog.show()
    }
    function create(type) {
        const today = new Date()
        const year = type === 1 ? 2008 : today.getFullYear()
        const start = new Date(year, today.getMonth(), today.getDate())
        const end = new Date(year, today.getMonth(), today.getDate() + 1)
        epViewController.createFromTable(type, start, end, start, end, 0, 1)
        created()
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.RightButton
        onClicked: footer.rightClicked()
    }
    DefaultCombobox {
        objectName: "newDateRange"
        anchors.verticalCenter: parent.verticalCenter
        // Anchored, so that a right-to-left table puts it under its column too.
        anchors.left: parent.left
        anchors.leftMargin: DateTableMetrics.numberWidth
        width: DateTableMetrics.typeWidth
        model: footer.entries.map(entry => entry.text)
        // A choice of what to add, not a value.
        displayText: bindTr("DateRangeTable", "Neu")
        onActivated: index => footer.create(footer.entries[index].type)
    }
    DefaultButton {
        objectName: "applyHolidaySet"
        anchors.verticalCenter: parent.verticalCenter
        anchors.left: parent.left
        anchors.leftMargin: DateTableMetrics.numberWidth + DateTableMetrics.typeWidth + Metrics.margin
        text: bindTr("Extra program", "Feiertagsset übernehmen")
        onClicked: footer.openHolidaySets()
    }
    Component {
        id: holidayDialog
        WindowDialog {
            id: dialog
            objectName: "holidayApplyDialog"
            source: "qrc:/orvindal/Tarvino/app/holidays/HolidaySetEdition.qml"
            properties: ({editMode: false})
            minimumWidth: 768
            minimumHeight: 550
            Connections {
                target: dialog.item
                function onApplyHolidays(index) { footer.epViewController.createDateRangesForHolidaySet(index) }
            }
        }
    }
}
