import QtQuick
import QtQuick.Layouts
import Tarvino

// The basic settings of a device in reset mode: its date and time with their formats and, for
// astronomic models, its location. One controller serves every reset of the program's run.
ColumnLayout {
    id: settings

    property ResettedDeviceViewController controller: null

    spacing: Metrics.middleMargin

    Component.onCompleted: controller = mainController.openResettedDeviceView()

    DefaultText {
        objectName: "resetModeText"
        Layout.fillWidth: true
        text: bindTr("Settings", "Das verbundene Gerät befindet sich im Reset-Modus, bitte geben Sie diese Einstellungen vor der Verwendung ein.", "Reset mode text")
        font.styleName: Fonts.bold
        wrapMode: Text.WordWrap
    }

    TitledSection {
        objectName: "resetDateSection"
        Layout.fillWidth: true
        title: bindTr("Settings", "Zeit/Datum")
        visible: settings.controller !== null
        Loader {
            Layout.fillWidth: true
            active: settings.controller !== null
            sourceComponent: ResetDateSettings {
                controller: settings.controller
            }
        }
    }

    TitledSection {
        objectName: "resetSoWiSection"
        Layout.fillWidth: true
        title: bindTr("Program settings", "Sommer-/Winterregel")
        visible: settings.controller !== null
        Loader {
            Layout.fillWidth: true
            active: settings.controller !== null
            sourceComponent: SoWiSettings {
                viewController: settings.controller
                resetUseCase: true
            }
        }
    }

    TitledSection {
        objectName: "resetLocationSection"
        Layout.fillWidth: true
        title: bindTr("Astro settings", "Standort")
        visible: settings.controller !== null && settings.controller.isAstro
        CountrySettings {
            Layout.fillWidth: true
            controller: settings.controller ? settings.controller.coordinatesController : null
        }
        CoordinatesSettings {
            Layout.fillWidth: true
            controller: settings.controller ? settings.controller.coordinatesController : null
        }
    }
}
