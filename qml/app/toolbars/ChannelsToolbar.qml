import QtQuick
import QtQuick.Layouts
import Tarvino

// The channel choice of the touch layouts: "Kanal" and one button per channel, in a row that
// scrolls where the buttons do not fit. Channels without switch times are shown pale.
SubToolbar {
    id: bar

    // Entries with the roles "channelIndex" and "highlighted" (SettingsProvider.channelModel).
    required property var channels
    property int currentChannel: 0

    signal channelChosen(int channelIndex)

    DefaultText {
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        text: bindTr("Direct commands", "Kanal")
        color: ClientConfig.colors.toolbarElementColor
        font.styleName: Fonts.bold
    }
    Repeater {
        model: bar.channels
        ToggleButton {
            required property int channelIndex
            required property bool highlighted
            objectName: "channelButton_" + channelIndex
            anchors.verticalCenter: parent ? parent.verticalCenter : undefined
            text: channelIndex + 1
            selected: channelIndex === bar.currentChannel
            opacity: highlighted || selected ? 1 : 0.6
            onClicked: {
                if (!selected)
                    bar.channelChosen(channelIndex)
            }
        }
    }
}
