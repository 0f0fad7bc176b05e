pragma Singleton
import QtQuick
import "../generated"

// Paths of the pictures; a localised picture's file name is the translation of its name.
QtObject {
    readonly property string logo: ClientConfig.images.logo
    readonly property string banner: ClientConfig.images.banner
    readonly property string phone: getLocalizedImage("phone.svg")
    readonly property string laptop: getLocalizedImage("laptop.svg")
    readonly property var searchWaves: [1, 2, 3, 4, 5, 6].map(frame => getLocalizedImage("search-wave-%1.svg".arg(frame)))
    readonly property string twilightRanges: getLocalizedImage(bindTr("Image", "daemmerungsbereiche") + ".svg")

    function getLocalizedImage(name) {
        return "qrc:/images/" + name
    }
}
