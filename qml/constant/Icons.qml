pragma Singleton
import QtQuick

// Paths of the icons (24 x 24 line drawings, coloured by ColoredIcon and SvgIcon).
QtObject {
    readonly property string chevronLeft: "qrc:/icons/chevron-left.svg"
    readonly property string chevronRight: "qrc:/icons/chevron-right.svg"
    readonly property string chevronUp: "qrc:/icons/chevron-up.svg"
    readonly property string chevronDown: "qrc:/icons/chevron-down.svg"
    readonly property string close: "qrc:/icons/close.svg"
    readonly property string calendar: "qrc:/icons/calendar.svg"
    readonly property string clock: "qrc:/icons/clock.svg"
    readonly property string folder: "qrc:/icons/folder.svg"
    readonly property string file: "qrc:/icons/file.svg"
    readonly property string sync: "qrc:/icons/sync.svg"
    readonly property string pulseOn: "qrc:/icons/pulse-on.svg"
    readonly property string pulseOff: "qrc:/icons/pulse-off.svg"
    readonly property string cycle: "qrc:/icons/cycle.svg"
    readonly property string plus: "qrc:/icons/plus.svg"
    readonly property string minus: "qrc:/icons/minus.svg"
    readonly property string search: "qrc:/icons/search.svg"
    readonly property string warning: "qrc:/icons/warning.svg"
    readonly property string menu: "qrc:/icons/menu.svg"
    readonly property string home: "qrc:/icons/home.svg"
    readonly property string copy: "qrc:/icons/copy.svg"
    readonly property string print: "qrc:/icons/print.svg"
    readonly property string mail: "qrc:/icons/mail.svg"
    readonly property string save: "qrc:/icons/save.svg"
    readonly property string checkmark: "qrc:/icons/checkmark.svg"
    readonly property string info: "qrc:/icons/info.svg"
    readonly property string power: "qrc:/icons/power.svg"
    readonly property string sun: "qrc:/icons/sun.svg"

    // The address that paints a resource drawing in one colour (see ColoredImageProvider);
    // a transparent colour keeps the drawing's own colours.
    function colored(source, color) {
        const path = String(source)
        if (color.a === 0 || !path.startsWith("qrc:/"))
            return source
        return "image://colored/" + String(color).replace("#", "") + "/" + path.substring(5)
    }

    // The icon of a switch time in lists: impulses by state, cycles; switches show none.
    function switchTimeIcon(type, state) {
        if (type === 1)
            return state === 0 ? pulseOff : pulseOn
        if (type === 2)
            return cycle
        return ""
    }
}
