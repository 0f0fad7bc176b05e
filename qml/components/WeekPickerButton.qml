import QtQuick
import QtQuick.Controls
import Tarvino

// One weekday of a WeekPicker: a round toggle with the short day name.
AbstractButton {
    id: dayButton

    checkable: true
    implicitWidth: 40
    implicitHeight: 40
    contentItem: DefaultText {
        text: dayButton.text
        horizontalAlignment: Text.AlignHCenter
        // Some languages name the days in two short words: smaller rather than cut.
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 9
        color: dayButton.checked ? Colors.white : Colors.primaryColor
        font.styleName: dayButton.checked ? Fonts.bold : Fonts.regular
    }
    background: Rectangle {
        radius: width / 2
        color: dayButton.checked ? Colors.primaryColor : Colors.white
        border.width: 1
        border.color: dayButton.enabled ? Colors.primaryColor : Colors.grey
        opacity: dayButton.enabled ? 1 : 0.4
    }
}
