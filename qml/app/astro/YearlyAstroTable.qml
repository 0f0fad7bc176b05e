import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// Sunrise and sunset of every day of a year as the selected astro channel switches, with the
// place, the year's extremes and the channel's offsets above; exported as CSV.
AppView {
    id: view

    required property var viewController
    readonly property var project: viewController.project
    readonly property var location: project.coordinatesController
    readonly property var channel: viewController.channelController
    readonly property bool showChannels: project.channelNumber > 1 || project.extensionModule
    // The view's own model, there from the start so that the head is laid out with its texts.
    readonly property var table: viewController.yearlyAstroTable()

    title: bindTr("Astro settings", "Astrotabelle")

    function direction(value, positive, negative) {
        return value > 0 ? positive : value < 0 ? negative : ""
    }
    function degrees(value, positive, negative) {
        return value.toLocaleString(Qt.locale(localeService.localeCode), "f", 5) + " " + direction(value, positive, negative)
    }
    function minutes(value) {
        return value + " " + bindTr("Astro settings", "min")
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Metrics.middleMargin
        spacing: Metrics.margin

        RowLayout {
            spacing: Metrics.margin
            DefaultCombobox {
                id: channelChoice
                objectName: "yearlyChannel"
                visible: view.showChannels
                textRole: "name"
                model: SettingsProvider.channelModel(channelChoice, view.project, 1)
                currentIndex: model.indexByValue("channelIndex", view.viewController.selectedChannel)
                onActivated: index => {
                    view.viewController.setSelectedChannel(model.get(index).channelIndex)
                    currentIndex = Qt.binding(() => model.indexByValue("channelIndex", view.viewController.selectedChannel))
                }
            }
            DefaultCombobox {
                objectName: "yearlyYear"
                model: SettingsProvider.years
                currentIndex: view.table ? view.table.year - 2023 : -1
                onActivated: index => {
                    view.table.year = index + 2023
                    currentIndex = Qt.binding(() => view.table.year - 2023)
                }
            }
            Item { Layout.fillWidth: true }
        }

        GridLayout {
            objectName: "yearlyHead"
            Layout.fillWidth: true
            columns: 6
            columnSpacing: Metrics.largeMargin
            rowSpacing: Metrics.spacing

            DesignText {
                Layout.columnSpan: 2
                size: Metrics.fontSize.normal
                text: bindTr("Astro settings", "Standort")
            }
            DesignText {
                Layout.columnSpan: 2
                text: bindTr("Astro settings", "Sonnenaufgang")
            }
            DesignText {
                Layout.columnSpan: 2
                text: bindTr("Astro settings", "Sonnenuntergang")
            }

            DefaultText { text: bindTr("Astro settings", "Breitengrad") }
            DefaultText {
                objectName: "yearlyLatitude"
                text: view.degrees(view.location.latitude, bindTr("Astro settings", "° Norden"), bindTr("Astro settings", "° Süden"))
            }
            DefaultText { text: bindTr("Astro settings", "frühestens") }
            DefaultText {
                objectName: "yearlyEarliestSunrise"
                text: view.table ? view.table.earliestSunrise : ""
            }
            DefaultText { text: bindTr("Astro settings", "frühestens") }
            DefaultText { text: view.table ? view.table.earliestSunset : "" }

            DefaultText { text: bindTr("Astro settings", "Längengrad") }
            DefaultText {
                objectName: "yearlyLongitude"
                text: view.degrees(view.location.longitude, bindTr("Astro settings", "° Osten"), bindTr("Astro settings", "° Westen"))
            }
            DefaultText { text: bindTr("Astro settings", "spätestens") }
            DefaultText { text: view.table ? view.table.latestSunrise : "" }
            DefaultText { text: bindTr("Astro settings", "spätestens") }
            DefaultText { text: view.table ? view.table.latestSunset : "" }

            DefaultText { text: bindTr("Astro settings", "Land") }
            DefaultText { text: view.location.countryName }
            DesignText {
                Layout.columnSpan: 2
                size: Metrics.fontSize.defaultSize
                text: bindTr("Astro settings", "Ausschaltzeit")
            }
            DesignText {
                Layout.columnSpan: 2
                size: Metrics.fontSize.defaultSize
                text: bindTr("Astro settings", "Einschaltzeit")
            }

            DefaultText { text: bindTr("Astro settings", "Stadt") }
            DefaultText { text: view.location.cityName }
            DefaultText { text: bindTr("Astro settings", "frühestens") }
            DefaultText { text: view.table ? view.table.earliestSunriseWithOffset : "" }
            DefaultText { text: bindTr("Astro settings", "frühestens") }
            DefaultText { text: view.table ? view.table.earliestSunsetWithOffset : "" }

            DefaultText { text: bindTr("Astro settings", "Zeitzone") }
            DefaultText {
                objectName: "yearlyTimezone"
                text: AstroSettingsProvider.timezone[view.location.timezone] || ""
            }
            DefaultText { text: bindTr("Astro settings", "spätestens") }
            DefaultText { text: view.table ? view.table.latestSunriseWithOffset : "" }
            DefaultText { text: bindTr("Astro settings", "spätestens") }
            DefaultText { text: view.table ? view.table.latestSunsetWithOffset : "" }

            DefaultText { text: bindTr("Program settings", "Sommer-/Winterregel") }
            DefaultText { text: view.table ? view.table.ruleText : "" }
            DefaultText { text: bindTr("Astro settings", "Offset") }
            DefaultText {
                objectName: "yearlySunriseOffset"
                text: view.channel ? view.minutes(view.channel.offsetSunrise) : ""
            }
            DefaultText { text: bindTr("Astro settings", "Offset") }
            DefaultText {
                objectName: "yearlySunsetOffset"
                text: view.channel ? view.minutes(view.channel.offsetSunset) : ""
            }

            DefaultText {
                visible: view.project.hasAstroTime
                text: bindTr("Astro settings", "Astrozeitpunkt")
            }
            DefaultText {
                objectName: "yearlyAstroTime"
                Layout.columnSpan: 5
                visible: view.project.hasAstroTime
                text: view.channel ? AstroSettingsProvider.astroTime[view.channel.astroTime] || "" : ""
            }
        }

        GridLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            columns: 2
            rowSpacing: 0
            columnSpacing: 0

            Item { implicitWidth: dayNumbers.implicitWidth; implicitHeight: 1 }
            HorizontalHeaderView {
                id: monthNames
                Layout.fillWidth: true
                implicitHeight: 40
                syncView: cells
                clip: true
                delegate: Item {
                    required property var display
                    implicitWidth: 100
                    implicitHeight: 40
                    DefaultText {
                        anchors.fill: parent
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        font.styleName: Fonts.bold
                        text: parent.display
                    }
                }
            }
            VerticalHeaderView {
                id: dayNumbers
                Layout.fillHeight: true
                implicitWidth: 40
                syncView: cells
                clip: true
                delegate: Item {
                    required property var display
                    implicitWidth: 40
                    implicitHeight: 50
                    DefaultText {
                        anchors.fill: parent
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        font.styleName: Fonts.bold
                        text: parent.display
                    }
                }
            }
            TableView {
                id: cells
                objectName: "yearlyCells"
                Layout.fillWidth: true
                Layout.fillHeight: true
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                model: view.table
                ScrollBar.horizontal: ScrollBar {}
                ScrollBar.vertical: ScrollBar {}
                delegate: Rectangle {
                    required property int row
                    required property int column
                    required property var display

                    objectName: "yearlyCell_%1_%2".arg(row).arg(column)
                    implicitWidth: 100
                    implicitHeight: 50
                    border.width: 1
                    border.color: Colors.delightGrey
                    color: row % 2 ? Colors.lightGrey : Colors.white
                    property alias text: label.text
                    DefaultText {
                        id: label
                        anchors.centerIn: parent
                        font.pixelSize: Metrics.fontSize.small
                        text: parent.display
                    }
                }
            }
        }
    }

    bottomItems: [
        Item { Layout.fillWidth: true },
        DefaultButton {
            objectName: "exportButton"
            text: bindTr("Generic", "Exportieren")
            onClicked: view.table.exportCsv()
        }
    ]
}
