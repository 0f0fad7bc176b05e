import QtQuick
import QtQuick.Layouts
import Tarvino

// The settings the project gives the device: clock display, summer/winter rule, options and
// the channels' settings, each section shown when the model has it.
SettingsPage {
    id: view

    required property var viewController
    readonly property var project: viewController ? viewController.project : null
    readonly property var projectContent: viewController ? viewController.projectContent : null

    title: bindTr("Edit project", "Einstellungen Gerät")
    ready: project !== null && projectContent !== null
    sections: column

    function confirm(text, onAccepted) {
        PopUpManager.openPopup("ConfirmPopup", { contentText: text, warning: true }, accepted => {
            if (accepted === true)
                onAccepted()
        }, view)
    }

    // Switching the module off drops the programs of channels 5 to 8: the box stays ticked
    // until the user agrees.
    function toggleExtensionModule(on) {
        if (projectContent.toggleExtensionModule(on))
            return
        confirm(bindTr("Generic", "Das Programm für das Erweiterungsmodul wird gelöscht."),
                () => view.projectContent.toggleExtensionModule(false, true))
    }

    // A used channel loses its program with its function, so that change is asked first.
    function setChannelFunction(channelFunction) {
        const channel = projectContent.selectedChannel
        if (channelFunction === projectContent.channelType)
            return
        if (!projectContent.channelIsUsed(channel)) {
            projectContent.setChannelType(channel, channelFunction)
            return
        }
        confirm(bindTr("Generic", "Das Programm dieses Kanals wird gelöscht."),
                () => view.projectContent.setChannelType(channel, channelFunction))
    }

    Component {
        id: column

        ColumnLayout {
            id: sections
            // Kept as they were when the page was made: while the project closes, the page
            // goes before the controllers do.
            property var project: view.project
            property var content: view.projectContent
            property var controller: view.viewController
            readonly property var emptyChannels: content ? content.emptyChannels : []
            readonly property int selectedChannel: content ? content.selectedChannel : 0
            readonly property int channelType: content ? content.channelType : 0

            spacing: Metrics.middleMargin
            Component.onCompleted: {
                project = project
                content = content
                controller = controller
            }

            DateTimeSettings {
                project: sections.project
            }

            SettingsSection {
                objectName: "soWiSettings"
                title: bindTr("Program settings", "Sommer-/Winterregel")
                visible: !sections.project.isControls && !sections.project.hasRestrictedSettings

                SoWiSettings {
                    Layout.fillWidth: true
                    viewController: sections.project
                }
            }

            OptionSettings {
                project: sections.project
            }

            SettingsSection {
                objectName: "channelSettings"
                title: bindTr("Program settings", "Einstellungen Kanal")

                DefaultCheckBox {
                    id: extensionBox
                    objectName: "extensionModuleBox"
                    visible: sections.project.hasExtensionModule
                    text: bindTr("Program settings", "Erweiterungsmodul")
                    checked: sections.project.extensionModule
                    onClicked: {
                        const on = checked
                        checked = Qt.binding(() => sections.project.extensionModule)
                        view.toggleExtensionModule(on)
                    }
                }

                GridLayout {
                    Layout.fillWidth: true
                    columns: 2
                    columnSpacing: Metrics.largeMargin
                    rowSpacing: Metrics.margin

                    DefaultText {
                        visible: channelChooser.visible
                        text: bindTr("Direct commands", "Kanal")
                    }
                    DefaultCombobox {
                        id: channelChooser
                        objectName: "settingsChannelChooser"
                        Layout.preferredWidth: 300
                        visible: sections.project.channelNumber > 1 || sections.project.extensionModule
                        textRole: "name"
                        highlightRole: "highlighted"
                        model: SettingsProvider.channelModel(channelChooser, sections.project, undefined,
                                                             sections.emptyChannels)
                        currentIndex: model.indexByValue("channelIndex", sections.selectedChannel)
                        onActivated: index => sections.content.selectedChannel = model.get(index).channelIndex
                    }

                    DefaultText {
                        visible: functionChooser.visible
                        text: bindTr("Program settings", "Kanalfunktion")
                    }
                    DefaultCombobox {
                        id: functionChooser
                        objectName: "channelFunctionChoice"
                        Layout.preferredWidth: 300
                        visible: sections.project.canSelectChannelType
                        model: SettingsProvider.channelFunctions
                        currentIndex: sections.channelType
                        onActivated: index => {
                            currentIndex = Qt.binding(() => sections.channelType)
                            view.setChannelFunction(index)
                        }
                    }
                }
                DefaultButton {
                    objectName: "overviewButton"
                    visible: ZorvikUtils.isDesktop
                    enabled: sections.project.yearlyProgram
                    text: bindTr("Program settings", "Überblick")
                    onClicked: ZorvikUtils.window.openWindowDialog("qrc:/orvindal/Tarvino/app/settings/ChannelOverview.qml", {
                        signalingChannels: sections.project.signalingChannels,
                        viewController: sections.controller,
                        projectContentController: sections.content
                    }, 800, { minimumHeight: 475, height: 475 })
                }
                HolidaySettings {
                    Layout.fillWidth: true
                    visible: sections.project.hasVaccancy && !sections.project.hasRestrictedSettings
                    viewController: sections.controller
                }
                ChannelSettings {
                    Layout.fillWidth: true
                    viewController: sections.controller
                }
            }
        }
    }
}
