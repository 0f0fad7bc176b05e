import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The device's clock and one line per channel: state, mode, operating hours, service interval
// and, on twilight models, the current lux value. Operating hours past the service interval
// show in red.
TitledSection {
    id: section

    required property var controller
    property bool showLux: false
    readonly property int columns: showLux ? 6 : 5
    readonly property real cellWidth: lines.width / columns
    readonly property var headers: {
        const texts = [bindTr("Direct commands", "Kanal"), bindTr("Direct commands", "Status", "Holiday state"),
                       bindTr("Direct commands", "Modus", "Mode auto, on, off..."),
                       bindTr("Direct commands", "Betriebsstunden"), bindTr("Direct commands", "Serviceintervall")]
        if (showLux)
            texts.push(bindTr("Direct commands", "Aktueller Luxwert"))
        return texts
    }

    title: controller.readDate
    objectName: "deviceInfo"

    Row {
        Layout.fillWidth: true
        Repeater {
            model: section.headers
            DefaultText {
                required property string modelData
                width: section.cellWidth
                text: modelData
                color: Colors.secondaryColor
                font.pixelSize: Metrics.fontSize.small
                wrapMode: Text.WordWrap
                elide: Text.ElideNone
            }
        }
    }

    ListView {
        id: lines
        objectName: "channelLines"
        Layout.fillWidth: true
        Layout.preferredHeight: Math.min(contentHeight, 150)
        clip: true
        interactive: contentHeight > height
        boundsBehavior: Flickable.StopAtBounds
        model: section.controller.infoContainer
        ScrollIndicator.vertical: DefaultScrollIndicator {}
        delegate: Row {
            id: line
            required property var self
            required property int index
            objectName: "channelLine" + index
            Repeater {
                model: line.self.formattedInfo
                DefaultText {
                    required property string modelData
                    required property int index
                    objectName: "channelLine" + line.index + "Cell" + index
                    width: section.cellWidth
                    height: 28
                    text: modelData
                    // The fourth text is the operating hours.
                    color: index === 3 && line.self.showOperatingTimeInRed ? Colors.red : Colors.textColor
                }
            }
        }
    }
}
