import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// One page with every kind of component of the library, for docs/screenshots/components.png.
// Only the screenshot scenes load it; the program does not ship it.
Rectangle {
    id: gallery

    width: 1280
    height: 800
    color: Colors.white

    component Caption: DefaultText {
        font.pixelSize: Metrics.fontSize.small
        color: Colors.secondaryColor
    }

    GridLayout {
        anchors.fill: parent
        anchors.margins: Metrics.middleMargin
        columns: 4
        columnSpacing: 25
        rowSpacing: Metrics.middleMargin

        // Column 1: text, buttons and choices
        ColumnLayout {
            Layout.alignment: Qt.AlignTop
            Layout.preferredWidth: 250
            Layout.maximumWidth: 250
            spacing: Metrics.margin
            DesignText { text: "Komponenten"; size: Metrics.fontSize.subtitle }
            DesignText { text: "Überschrift"; size: Metrics.fontSize.normal }
            DefaultText { text: "Fließtext in Noto Sans Light, 16 px" }
            Caption { text: "Beschriftung, 15 px" }
            RowLayout {
                DefaultButton { text: "Speichern" }
                DefaultButton { text: "Abbruch"; color: Colors.white }
            }
            RowLayout {
                DefaultButton { text: "Löschen"; color: Colors.red }
                DefaultButton { text: "Gesperrt"; enabled: false }
            }
            RowLayout {
                CheckableButton { text: "Ein"; checked: true }
                CheckableButton { text: "Aus" }
                BubbleMenuButton { _icon: Icons.plus }
                HapticIcon { source: ClientConfig.icons.settings }
                IconToogleButton { checkedIcon: Icons.checkmark; uncheckedIcon: Icons.close; checked: true }
            }
            RowLayout {
                ToggleButton { text: "Tag"; selected: true }
                ToggleButton { text: "Woche" }
                LabelButton { text: "Datenschutz" }
            }
            DefaultCheckBox { text: "Ich akzeptiere"; checked: true }
            RowLayout {
                DefaultRadioButton { text: "Bluetooth"; checked: true }
                DefaultRadioButton { text: "Seriell" }
            }
            DefaultSwitch { text: "Töne"; checked: true }
            DefaultSwitch { text: "Vibration" }
        }

        // Column 2: entries
        ColumnLayout {
            Layout.alignment: Qt.AlignTop
            Layout.preferredWidth: 280
            Layout.maximumWidth: 280
            spacing: Metrics.margin
            Caption { text: "Eingaben" }
            DefaultTextField { Layout.fillWidth: true; placeholderText: "Projektname" }
            DefaultTextField { Layout.fillWidth: true; text: "13"; validator: IntValidator { bottom: 1; top: 12 } }
            DefaultTextArea { Layout.fillWidth: true; text: "Mehrzeiliger Text\nzweite Zeile" }
            DefaultCombobox { Layout.fillWidth: true; model: ["31.12.00 (TT.MM.JJ)", "12/31/00 (MM/TT/JJ)"] }
            LanguageCombobox { Layout.fillWidth: true; model: localeService.languages; currentIndex: localeService.currentLanguage }
            DefaultSpinBox { value: 5; to: 99; unit: "min" }
            FilePicker { Layout.fillWidth: true; placeholderText: "Projektdatei" }
            EditableTimePicker { time: 6 * 3600 + 30 * 60 }
            EditableYearPicker { value: 2025; applyUntilYear: true; untilYear: 2027 }
            EditableCalendarDisplay { selectedDate: new Date(2025, 11, 24) }
            CalendarDisplay { selectedDate: new Date(2025, 11, 24) }
            SingleNumberPicker { value: 3; unit: "Kanal"; shift: 1 }
        }

        // Column 3: calendar, wheels, week
        ColumnLayout {
            Layout.alignment: Qt.AlignTop
            Layout.preferredWidth: 300
            Layout.maximumWidth: 300
            spacing: Metrics.margin
            Caption { text: "Kalender und Räder" }
            Calendar {
                minimumDate: new Date(2025, 11, 5)
                maximumDate: new Date(2026, 0, 31)
                selectedDate: new Date(2025, 11, 24)
            }
            WeekPicker { selectedDays: 128 | 32 | 8 }
            RowLayout {
                TumblerTimePicker { time: 6 * 3600 + 30 * 60 }
                TumblerNumberPicker { value: 4; to: 9; unit: "h" }
                LuxValuePicker { model: [5, 10, 20, 50]; value: 20 }
            }
            RowLayout {
                spacing: Metrics.largeMargin
                DatePicker { value: new Date(2025, 11, 24) }
                YearPicker { value: 2025 }
            }
        }

        // Column 4: frames, state and icons
        ColumnLayout {
            Layout.alignment: Qt.AlignTop
            Layout.preferredWidth: 320
            Layout.maximumWidth: 320
            spacing: Metrics.margin
            Caption { text: "Rahmen und Zustand" }
            TitledSection {
                Layout.fillWidth: true
                title: "Kanal 1"
                DefaultText { text: "Inhalt eines Abschnitts" }
                RowLayout {
                    ChannelIndicator { signaling: true }
                    ChannelIndicator { extension: true }
                    OldTimePicker { value: 7 * 3600 + 15 * 60 }
                }
            }
            BoxLabel { Layout.fillWidth: true; label: "Gerät"; DefaultText { x: Metrics.padding; y: Metrics.padding; text: "Tarvino Rix3 astro 2" } }
            LuxValueSelector { model: [5, 10, 20, 50]; luxValue: 10 }
            DefaultTabView {
                Layout.fillWidth: true
                Layout.preferredHeight: 90
                TabSubView { title: "Programm"; DefaultText { anchors.centerIn: parent; text: "Seite 1" } }
                TabSubView { title: "Astro"; DefaultText { anchors.centerIn: parent; text: "Seite 2" } }
            }
            DefaultProgressBar { Layout.fillWidth: true; value: 0.6 }
            DefaultProgressBar { Layout.fillWidth: true; value: 1; finished: true }
            RowLayout {
                spacing: Metrics.margin
                CircleProgressBar { value: 0.4; Layout.preferredWidth: 64; Layout.preferredHeight: 64 }
                CircleProgressBar { value: 1; finished: true; Layout.preferredWidth: 64; Layout.preferredHeight: 64 }
                CircleProgressBar { value: 0.7; errorsOccured: true; Layout.preferredWidth: 64; Layout.preferredHeight: 64 }
                DefaultBusyIndicator {}
                SyncArrow { iconSize: 32 }
            }
            Flow {
                Layout.fillWidth: true
                spacing: Metrics.margin
                Repeater {
                    model: Object.keys(ClientConfig.icons).filter(key => key !== "objectName" && typeof ClientConfig.icons[key] === "string")
                    ColoredIcon {
                        required property string modelData
                        source: ClientConfig.icons[modelData]
                        iconColor: Colors.primaryColor
                    }
                }
                Repeater {
                    model: [Icons.chevronLeft, Icons.chevronRight, Icons.close, Icons.calendar, Icons.clock, Icons.folder,
                            Icons.file, Icons.sync, Icons.pulseOn, Icons.pulseOff, Icons.cycle, Icons.search,
                            Icons.warning, Icons.menu, Icons.home, Icons.copy, Icons.print, Icons.mail, Icons.save]
                    ColoredIcon {
                        required property string modelData
                        source: modelData
                        iconColor: Colors.darkGrey
                    }
                }
            }
            RowLayout {
                SvgIcon { source: Images.logo; Layout.preferredWidth: 150; Layout.preferredHeight: 40 }
                SvgIcon { source: ClientConfig.images.makerLogo; Layout.preferredWidth: 110; Layout.preferredHeight: 36 }
            }
        }
    }

    ConfirmPopUp {
        objectName: "galleryPopUp"
        modal: false
        closePolicy: Popup.NoAutoClose
        x: Metrics.middleMargin
        y: gallery.height - height - Metrics.middleMargin
        width: 250
        enter: null
        title: "Bestätigung"
        contentText: "Möchten Sie das Projekt speichern?"
        Component.onCompleted: Qt.callLater(open)
    }
}
