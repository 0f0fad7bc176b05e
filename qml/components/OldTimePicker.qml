import QtQuick
import Tarvino

// The older time entry: hours and minutes with a button above and below each, held to
// repeat. `value` is seconds since midnight; each change emits `valueChanged`.
Row {
    id: picker

    property int value: 0
    property int maxHour: 23

    spacing: Metrics.margin
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    function step(seconds) {
        const day = (picker.maxHour + 1) * 3600
        value = ((value + seconds) % day + day) % day
    }

    Repeater {
        model: [{ name: "hours", seconds: 3600 }, { name: "minutes", seconds: 60 }]
        Column {
            required property var modelData
            spacing: Metrics.spacing
            ClickableIcon {
                objectName: modelData.name + "Up"
                anchors.horizontalCenter: parent.horizontalCenter
                source: Icons.chevronUp
                iconColor: Colors.primaryColor
                RepeatedArea { anchors.fill: parent; onActivated: picker.step(modelData.seconds) }
            }
            DefaultText {
                objectName: modelData.name + "Text"
                width: 48
                horizontalAlignment: Text.AlignHCenter
                font.pixelSize: Metrics.fontSize.normal
                text: Models.twoDigits(modelData.seconds === 3600 ? Math.floor(picker.value / 3600)
                                                                  : Math.floor(picker.value % 3600 / 60))
            }
            ClickableIcon {
                objectName: modelData.name + "Down"
                anchors.horizontalCenter: parent.horizontalCenter
                source: Icons.chevronDown
                iconColor: Colors.primaryColor
                RepeatedArea { anchors.fill: parent; onActivated: picker.step(-modelData.seconds) }
            }
        }
    }
}
