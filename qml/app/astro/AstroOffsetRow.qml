import QtQuick
import QtQuick.Layouts
import Tarvino

// One astro offset of a channel (`offsetName`: "offsetSunrise" or "offsetSunset"), in minutes
// from -120 to +120: on a picker, or typed after a press on the edit icon (or Return on the
// focused picker). Return in the field hands the focus back to the picker.
RowLayout {
    id: row

    property var channel: null
    property string offsetName
    property string label
    readonly property int stored: channel ? channel[offsetName] : 0
    readonly property bool typing: field.visible

    spacing: Metrics.margin

    function write(minutes) {
        if (channel && minutes !== stored)
            channel[offsetName] = minutes
    }

    // An empty text or a lone minus counts as 0; the picker comes back.
    function finishTyping() {
        if (!field.visible)
            return
        if (field.text === "" || field.text === "-") {
            field.text = "0"
            write(0)
        }
        field.visible = false
    }

    function startTyping() {
        field.text = String(stored)
        field.visible = true
        field.forceActiveFocus()
        field.selectAll()
    }

    function confirmTyping() {
        finishTyping()
        picker.forceActiveFocus()
    }

    DefaultText {
        objectName: "channelLabel"
        Layout.preferredWidth: 50
        visible: row.label !== ""
        text: row.label
    }
    ClickableIcon {
        objectName: "editOffsetIcon"
        source: ClientConfig.icons.edit
        iconColor: Colors.primaryColor
        onClicked: field.visible ? row.finishTyping() : row.startTyping()
    }
    SingleNumberPicker {
        id: picker
        objectName: "offsetPicker"
        visible: !field.visible
        activeFocusOnTab: true
        Keys.onReturnPressed: row.startTyping()
        Keys.onEnterPressed: row.startTyping()
        from: -120
        to: 120
        value: row.stored
        onValueChanged: {
            row.write(value)
            value = Qt.binding(() => row.stored)
        }
    }
    DefaultTextField {
        id: field
        objectName: "offsetField"
        Layout.preferredWidth: 80
        visible: false
        horizontalAlignment: TextInput.AlignHCenter
        inputMethodHints: Qt.ImhFormattedNumbersOnly
        validator: RegularExpressionValidator { regularExpression: /^-?(120|1[0-1]\d|\d{1,2})$/ }
        onTextChanged: {
            const minutes = parseInt(text, 10)
            if (visible && acceptableInput && !isNaN(minutes))
                row.write(minutes)
        }
        onAccepted: row.confirmTyping()
        Keys.onReturnPressed: row.confirmTyping()
        Keys.onEnterPressed: row.confirmTyping()
        onActiveFocusChanged: if (!activeFocus) row.finishTyping()
    }
    DefaultText {
        color: Colors.secondaryColor
        text: bindTr("Astro settings", "min")
    }
}
