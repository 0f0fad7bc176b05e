import QtQuick
import QtQuick.Controls
import Tarvino

// The language choice: each entry may be shown in a face of its own (`delegateItemFontFn`
// returns the family for a row), so every language name shows in its own script.
DefaultCombobox {
    id: combo

    property var delegateItemFontFn: row => Fonts.defaultFamily

    delegate: ItemDelegate {
        id: entry
        required property int index
        required property var modelData
        width: combo.popup.width
        highlighted: combo.highlightedIndex === index
        contentItem: DefaultText {
            text: entry.modelData
            font.family: combo.delegateItemFontFn(entry.index)
            color: entry.index === combo.currentIndex ? Colors.primaryColor : Colors.textColor
        }
        background: Rectangle { color: entry.highlighted ? Colors.delightBlue : Colors.white }
    }
}
