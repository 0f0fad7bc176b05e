import QtQuick
import QtQuick.Controls
import Tarvino

// A number entry with minus and plus buttons; `unit` follows the number.
SpinBox {
    id: spin

    property string unit

    editable: true
    implicitHeight: 40
    font.family: Fonts.defaultFamily
    font.pixelSize: Metrics.fontSize.defaultSize
    textFromValue: (value, locale) => Number(value).toLocaleString(locale, "f", 0) + (unit !== "" ? " " + unit : "")
    valueFromText: (text, locale) => Number.fromLocaleString(locale, text.replace(unit, "").trim())
    validator: RegularExpressionValidator { regularExpression: /-?\d*\s*\S*/ }
    contentItem: TextInput {
        objectName: "spinBoxInput"
        text: spin.displayText
        font: spin.font
        color: Colors.textColor
        horizontalAlignment: Qt.AlignHCenter
        verticalAlignment: Qt.AlignVCenter
        readOnly: !spin.editable
        validator: spin.validator
        inputMethodHints: Qt.ImhFormattedNumbersOnly
        selectByMouse: true
    }
    up.indicator: Rectangle {
        x: spin.mirrored ? 0 : spin.width - width
        height: spin.height
        implicitWidth: 40
        color: spin.up.pressed ? Colors.delightBlue : Colors.lightGrey
        ColoredIcon { anchors.centerIn: parent; source: Icons.plus; iconColor: Colors.primaryColor; opacity: spin.value < spin.to ? 1 : 0.3 }
    }
    down.indicator: Rectangle {
        x: spin.mirrored ? spin.width - width : 0
        height: spin.height
        implicitWidth: 40
        color: spin.down.pressed ? Colors.delightBlue : Colors.lightGrey
        ColoredIcon { anchors.centerIn: parent; source: Icons.minus; iconColor: Colors.primaryColor; opacity: spin.value > spin.from ? 1 : 0.3 }
    }
    background: Rectangle {
        implicitWidth: 150
        radius: Metrics.radius
        border.width: 1
        border.color: spin.activeFocus ? Colors.primaryColor : Colors.delightGrey
    }
}
