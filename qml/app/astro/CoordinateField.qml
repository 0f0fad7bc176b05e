import QtQuick
import Tarvino

// Degrees between -limit and +limit with five decimals in the given locale's format. A valid
// entry is handed on at once (`valueEntered`); Return hands on any number, which the
// controller brings into range; an entry left unfinished goes back to `value` after 2 s. While
// the user types, the text is theirs: it shows `value` again on Return or once the field is left.
DefaultTextField {
    id: field

    property real value: 0
    property real limit: 90
    property var locale: Qt.locale()

    // Typed and not yet confirmed or left.
    property bool editing: false

    signal valueEntered(real degrees)

    function shown() {
        return Number(value).toLocaleString(locale, "f", 5)
    }
    function parsed() {
        try {
            return Number.fromLocaleString(locale, text)
        } catch (notANumber) {
            return NaN
        }
    }
    function showValue() {
        resetTimer.stop()
        editing = false
        text = shown()
    }
    function enter() {
        const degrees = parsed()
        if (!isNaN(degrees) && degrees !== value)
            valueEntered(degrees)
        showValue()
    }

    horizontalAlignment: TextInput.AlignRight
    inputMethodHints: Qt.ImhFormattedNumbersOnly
    validator: DoubleValidator {
        bottom: -field.limit
        top: field.limit
        decimals: 5
        notation: DoubleValidator.StandardNotation
        locale: field.locale.name
    }
    onTextEdited: {
        editing = true
        if (acceptableInput) {
            resetTimer.stop()
            const degrees = parsed()
            if (degrees !== value)
                valueEntered(degrees)
        } else {
            resetTimer.restart()
        }
    }
    Keys.onReturnPressed: enter()
    Keys.onEnterPressed: enter()
    onActiveFocusChanged: if (!activeFocus) showValue()
    onValueChanged: if (!editing) showValue()
    onLocaleChanged: showValue()
    Component.onCompleted: showValue()

    Timer {
        id: resetTimer
        interval: 2000
        onTriggered: field.showValue()
    }
}
