import QtQuick
import QtQuick.Layouts
import Tarvino

// The "Astro" tab of an astronomic project: per astro channel its astro time, its offsets and
// its astro mode with the astro pulse, the yearly astro table and the location. Every control
// shows a controller property and writes it back.
SettingsPage {
    id: view

    // The project content controller.
    required property var viewController
    readonly property var project: viewController ? viewController.project : null

    signal goToSettingsView

    title: bindTr("Astro settings", "Astro", "Tab title")
    ready: project !== null
    sections: column

    function openYearlyAstroTable() {
        viewController.selectAstroChannel()
        ZorvikUtils.window.openWindowDialog("qrc:/orvindal/Tarvino/app/astro/YearlyAstroTable.qml",
                                            { viewController: viewController },
                                            1024, { height: 900, minimumHeight: 700 })
    }

    DefaultEmptyPopUp {
        id: twilightPopup
        objectName: "twilightRangesPopup"

        SvgIcon {
            readonly property real shownWidth: Math.min(500, twilightPopup.availableWidth)
            width: shownWidth
            height: 0.472 * shownWidth
            source: Images.twilightRanges
        }
    }

    Component {
        id: column

        Item {
            id: page
            // Kept as it was when the page was made: while the project closes, the page goes
            // before the controllers do.
            property var project: view.project
            // The astro channels' entries of the settings lists, formed again when channel
            // functions change.
            property var channels: SettingsProvider.channelEntries(project, 1)
            readonly property bool hasAstroChannels: project.hasAstroChannels
            readonly property bool showLabels: project.channelNumber > 1 || project.extensionModule
            readonly property bool hasPulses: project.hasAstroImpuls !== 0

            implicitHeight: sections.implicitHeight
            Component.onCompleted: project = project

            function channelLabel(entry) {
                if (!showLabels)
                    return ""
                return bindTr("Generic", "C %1", "Abbreviation for channel, %1 contains the index of the channel")
                    .arg(entry.channelIndex + 1)
            }

            Connections {
                target: page.project
                function onTypeOfChannelsChanged() { page.channels = SettingsProvider.channelEntries(page.project, 1) }
            }

            ColumnLayout {
                id: sections
                width: Math.min(page.width, 700)
                spacing: Metrics.middleMargin

                SettingsSection {
                    objectName: "noAstroChannelWarning"
                    visible: !page.hasAstroChannels
                    DefaultText {
                        Layout.fillWidth: true
                        text: bindTr("Astro settings", "Kein Astrokanal definiert") + "\n"
                              + bindTr("Astro settings", "Astrokanal auf der Registerkarte Geräteeinstellungen aktivieren")
                        color: Colors.red
                        wrapMode: Text.WordWrap
                        elide: Text.ElideNone
                    }
                }

                SettingsSection {
                    objectName: "astroTimeSection"
                    title: bindTr("Astro settings", "Astrozeitpunkt")
                    visible: page.hasAstroChannels && page.project.hasAstroTime !== 0

                    Repeater {
                        model: page.channels
                        delegate: RowLayout {
                            id: timeRow
                            required property var modelData
                            required property int index
                            readonly property var channel: page.project.channel(modelData.channelIndex)
                            objectName: "astroTimeRow_" + modelData.channelIndex
                            visible: channel !== null && channel.channelType === 1
                            spacing: Metrics.margin
                            DefaultText {
                                objectName: "channelLabel"
                                Layout.preferredWidth: 50
                                visible: page.showLabels
                                text: page.channelLabel(modelData)
                            }
                            DefaultCombobox {
                                objectName: "astroTimeChoice"
                                Layout.preferredWidth: 300
                                model: AstroSettingsProvider.astroTime
                                currentIndex: timeRow.channel ? timeRow.channel.astroTime : -1
                                onActivated: index => timeRow.channel.astroTime = index
                            }
                            ClickableIcon {
                                objectName: "twilightRangesButton"
                                visible: index === 0
                                source: Icons.info
                                iconColor: Colors.primaryColor
                                onClicked: twilightPopup.open()
                            }
                        }
                    }
                }

                SettingsSection {
                    objectName: "offsetSection"
                    title: bindTr("Astro settings", "Offset")
                    visible: page.hasAstroChannels

                    DefaultText {
                        font.styleName: Fonts.bold
                        text: bindTr("Astro settings", "Offset Sonnenaufgang")
                    }
                    Repeater {
                        model: page.channels
                        delegate: AstroOffsetRow {
                            required property var modelData
                            objectName: "sunriseOffset_" + modelData.channelIndex
                            channel: page.project.channel(modelData.channelIndex)
                            visible: channel !== null && channel.channelType === 1
                            offsetName: "offsetSunrise"
                            label: page.channelLabel(modelData)
                        }
                    }
                    DefaultText {
                        font.styleName: Fonts.bold
                        text: bindTr("Astro settings", "Offset Sonnenuntergang")
                    }
                    Repeater {
                        model: page.channels
                        delegate: AstroOffsetRow {
                            required property var modelData
                            objectName: "sunsetOffset_" + modelData.channelIndex
                            channel: page.project.channel(modelData.channelIndex)
                            visible: channel !== null && channel.channelType === 1
                            offsetName: "offsetSunset"
                            label: page.channelLabel(modelData)
                        }
                    }
                    DefaultButton {
                        objectName: "yearlyAstroTableButton"
                        visible: ZorvikUtils.isDesktop
                        text: bindTr("Astro settings", "Astrozeiten anzeigen")
                        onClicked: view.openYearlyAstroTable()
                    }
                }

                SettingsSection {
                    objectName: "astroModeSection"
                    title: bindTr("Astro settings", "Astromode")
                    visible: page.hasAstroChannels

                    Repeater {
                        model: page.channels
                        delegate: AstroModeRow {
                            required property var modelData
                            objectName: "astroModeRow_" + modelData.channelIndex
                            Layout.fillWidth: true
                            project: page.project
                            channel: page.project.channel(modelData.channelIndex)
                            visible: channel !== null && channel.channelType === 1
                            label: page.channelLabel(modelData)
                            showPulse: page.hasPulses
                        }
                    }
                }

                SettingsSection {
                    objectName: "locationSection"
                    title: bindTr("Astro settings", "Standort")
                    visible: !page.project.isControls

                    DesignText {
                        text: bindTr("Astro settings", "Länderliste")
                        size: Metrics.fontSize.defaultSize
                    }
                    CountrySettings {
                        Layout.fillWidth: true
                        controller: page.project.isControls ? null : page.project.coordinatesController
                        viewController: page.project
                        showFavourites: true
                    }
                    DesignText {
                        text: bindTr("Astro settings", "Koordinaten")
                        size: Metrics.fontSize.defaultSize
                    }
                    CoordinatesSettings {
                        Layout.fillWidth: true
                        controller: page.project.isControls ? null : page.project.coordinatesController
                        viewController: page.project
                        contentController: view.viewController
                        onGoToSettingsView: view.goToSettingsView()
                    }
                }
            }
        }
    }
}
