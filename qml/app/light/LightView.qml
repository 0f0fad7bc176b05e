import QtQuick
import QtQuick.Layouts
import Tarvino

// The light settings of a twilight project's selected channel: the lux thresholds and the
// delays.
SettingsPage {
    id: view

    required property var viewController
    readonly property var project: viewController ? viewController.project : null

    title: bindTr("Light settings", "Licht")
    ready: project !== null
    sections: Component {
        ColumnLayout {
            id: sections
            // Kept as they were when the page was made: while the project closes, the page
            // goes before the controllers do.
            property var project: view.project
            property var content: view.viewController
            readonly property int selectedChannel: content ? content.selectedChannel : 0

            spacing: Metrics.middleMargin
            Component.onCompleted: {
                project = project
                content = content
            }

            DefaultCombobox {
                id: channelChooser
                objectName: "lightChannelChooser"
                visible: count > 1
                textRole: "name"
                model: SettingsProvider.channelModel(channelChooser, sections.project)
                currentIndex: model.indexByValue("channelIndex", sections.selectedChannel)
                onActivated: index => sections.content.selectedChannel = model.get(index).channelIndex
            }
            SettingsSection {
                objectName: "luxSection"
                title: bindTr("Light settings", "Luxwerte")
                LuxValuesSetting {
                    project: sections.project
                    channel: sections.selectedChannel
                }
            }
            SettingsSection {
                objectName: "delaySection"
                title: bindTr("Light settings", "Verzögerungszeit")
                DelaySettings {
                    project: sections.project
                }
            }
        }
    }
}
