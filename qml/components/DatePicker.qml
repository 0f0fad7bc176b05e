import QtQuick
import QtQuick.Layouts
import Tarvino

// A date chosen with wheels in the order of the user's date format: day, month and, unless
// `hideYear`, year. Each change of `value` emits `valueChanged`.
Item {
    id: picker

    property date value: new Date()
    property bool hideYear: false
    property int minYear: 2000
    property int maxYear: SettingsProvider.soWiSpecifics.lastYear
    // Column of day, month and year for the date formats 1 (d.m.y), 2 (m/d/y), 3 (y-m-d).
    readonly property var columns: ({ 1: [0, 1, 2], 2: [1, 0, 2], 3: [2, 1, 0] })[Models.dateFormat] || [0, 1, 2]

    implicitWidth: grid.implicitWidth
    implicitHeight: grid.implicitHeight

    function daysIn(month, year) {
        return new Date(year, month + 1, 0).getDate()
    }
    function update(day, month, year) {
        const date = new Date(year, month, Math.min(day, daysIn(month, year)))
        if (date.getTime() !== value.getTime())
            value = date
    }

    GridLayout {
        id: grid
        anchors.centerIn: parent
        rows: 1
        columnSpacing: Metrics.spacing
        DefaultTumbler {
            objectName: "dayTumbler"
            Layout.column: picker.hideYear ? (Models.dateFormat === 1 ? 0 : 1) : picker.columns[0]
            model: picker.daysIn(picker.value.getMonth(), picker.hideYear ? 2008 : picker.value.getFullYear())
            format: index => Models.twoDigits(index + 1)
            currentIndex: picker.value.getDate() - 1
            onMovingChanged: if (!moving) picker.update(currentIndex + 1, picker.value.getMonth(), picker.value.getFullYear())
        }
        DefaultTumbler {
            objectName: "monthTumbler"
            Layout.column: picker.hideYear ? (Models.dateFormat === 1 ? 1 : 0) : picker.columns[1]
            model: 12
            format: index => Models.twoDigits(index + 1)
            currentIndex: picker.value.getMonth()
            onMovingChanged: if (!moving) picker.update(picker.value.getDate(), currentIndex, picker.value.getFullYear())
        }
        DefaultTumbler {
            objectName: "yearTumbler"
            Layout.column: picker.columns[2]
            visible: !picker.hideYear
            model: picker.maxYear - picker.minYear + 1
            format: index => String(picker.minYear + index)
            currentIndex: picker.value.getFullYear() - picker.minYear
            onMovingChanged: if (!moving) picker.update(picker.value.getDate(), picker.value.getMonth(), picker.minYear + currentIndex)
        }
    }
}
