pragma Singleton
import QtQuick

// The holidays of the current set for the date pickers. `updateHolidays` counts the changes of
// the set, so that a calendar that reads it draws its marks again.
QtObject {
    id: map

    readonly property var holidays: holidaySetService.holidayRegistry
    property int updateHolidays: 0

    function isHoliday(date) {
        return holidaySetService.isHoliday(date)
    }
    function getName(date) {
        return holidaySetService.holidayName(date)
    }

    readonly property Connections registryWatch: Connections {
        target: holidaySetService
        function onHolidayRegistryChanged() { ++map.updateHolidays }
    }
}
