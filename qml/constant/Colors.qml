pragma Singleton
import QtQuick
import "../generated"

// The colours of the interface: the client's, then the fixed palette (docs/ui.md).
QtObject {
    readonly property color primaryColor: ClientConfig.colors.primaryColor
    readonly property color secondaryColor: ClientConfig.colors.secondaryColor
    readonly property color ternaryColor: ClientConfig.colors.ternaryColor
    readonly property color textColor: ClientConfig.colors.textColor
    readonly property color cancelColor: ClientConfig.colors.cancelColor
    readonly property color headerElementColor: ClientConfig.colors.headerElementColor
    readonly property color toolbarElementColor: ClientConfig.colors.toolbarElementColor
    readonly property color toolbarSelectedElementColor: ClientConfig.colors.toolbarSelectedElementColor
    readonly property color homeHeaderColor: ClientConfig.colors.homeHeaderColor
    readonly property color headerColor: ClientConfig.colors.headerColor
    readonly property bool orangeUploadButton: ClientConfig.behavior.hasOrangeUploadButton

    readonly property color darkBlue: "#144a81"
    readonly property color delightBlue: "#C1D1DE"
    readonly property color delightGrey: "#DBDBDB"
    readonly property color middleGrey: "#afafaf"
    readonly property color lightGrey: "#F2F2F2"
    readonly property color grey: "#AFAFAF"
    readonly property color darkGrey: "#787878"
    readonly property color blue: "#144A81"
    readonly property color lightBlue: "#4B91E6"
    readonly property color yellow: "#FFEC0E"
    readonly property color lightYellow: "#DCB95A"
    readonly property color red: "#E20014"
    readonly property color lightRed: "#EE6B6E"
    readonly property color orange: "#E85C10"
    readonly property color green: "#00B432"
    readonly property color darkOrange: Qt.darker(orange, 1 / (1 - 0.2))
    readonly property color backgroundDarkColor: "#CBCBCB"
    readonly property color backgroundLightColor: "#F2F2F2"
    readonly property color errorColor: "#CD5B60"
    readonly property color white: "#FFFFFF"

    // Switch-time types: 0 switch, 1 impulse, 2 cycle, 3 fixed switch; states 0 and 2 are off.
    function backgroudColorBySwitchTimeState(type, state) {
        if (type === 0 || type === 3)
            return state === 0 || state === 2 ? red : green
        if (type === 1)
            return yellow
        return blue
    }

    function colorBySwitchTimeType(type) {
        return type === 1 ? blue : white
    }

    // True when the perceived brightness of a colour ("#RGB", "#RRGGBB", "#AARRGGBB" or
    // "rgb(r, g, b)") is at most half the scale; white text reads on such a colour.
    function isDarkColor(color) {
        const channels = rgbChannels(String(color).trim())
        if (!channels)
            return false
        const [r, g, b] = channels
        return Math.sqrt(0.299 * r * r + 0.587 * g * g + 0.114 * b * b) <= 127.5
    }

    function rgbChannels(text) {
        let match = /^#([0-9a-f])([0-9a-f])([0-9a-f])$/i.exec(text)
        if (match)
            return match.slice(1).map(digit => parseInt(digit + digit, 16))
        match = /^#(?:[0-9a-f]{2})?([0-9a-f]{2})([0-9a-f]{2})([0-9a-f]{2})$/i.exec(text)
        if (match)
            return match.slice(1).map(pair => parseInt(pair, 16))
        match = /^rgba?\(\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*(?:,[^)]*)?\)$/i.exec(text)
        if (match)
            return match.slice(1).map(Number)
        return null
    }
}
