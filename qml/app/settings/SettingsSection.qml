import QtQuick
import QtQuick.Layouts
import Tarvino

// A titled frame of a settings page; `information` adds a note under the title.
TitledSection {
    id: section

    property string information

    Layout.fillWidth: true

    DefaultText {
        objectName: "sectionInformation"
        Layout.fillWidth: true
        visible: section.information !== ""
        text: section.information
        color: Colors.secondaryColor
        font.pixelSize: Metrics.fontSize.small
        wrapMode: Text.WordWrap
        elide: Text.ElideNone
    }
}
