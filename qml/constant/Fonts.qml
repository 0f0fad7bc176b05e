pragma Singleton
import QtQuick
import "../generated"

// The program's type face: a light face for text and a medium one for emphasis.
QtObject {
    readonly property string defaultFamily: light.name
    readonly property string regular: "Light"
    readonly property string bold: "Medium"

    readonly property FontLoader light: FontLoader { source: ClientConfig.fonts.font }
    readonly property FontLoader medium: FontLoader { source: ClientConfig.fonts.fontBold }
}
