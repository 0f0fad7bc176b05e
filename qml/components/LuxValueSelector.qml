import QtQuick
import Tarvino

// A light value in lux chosen from a list of the values the device offers (`model`);
// `luxHasChanged` tells the user's choice.
DefaultCombobox {
    id: selector

    property int luxValue: model.length > 0 ? model[0] : 0

    signal luxHasChanged(int lux)

    model: []
    displayText: luxValue + " lx"
    currentIndex: model.indexOf(luxValue)
    onActivated: row => {
        luxValue = model[row]
        luxHasChanged(luxValue)
    }
}
