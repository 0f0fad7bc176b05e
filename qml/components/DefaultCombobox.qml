import QtQuick
import QtQuick.Controls
import Tarvino

// A choice list in the program's style. The entry of `highlightRole` (when set) is marked in
// the list; long texts are elided. With the client's uniform combo boxes, every box of a form
// takes the width of the widest (`uniformWidth`, set by the form on `layoutUpdated`).
ComboBox {
    id: combo

    property string highlightRole
    property real uniformWidth: 0
    // The box's own padding and its text's both narrow the room of the entry.
    readonly property real contentNeededWidth: widestEntry + leftPadding + rightPadding
                                               + contentItem.leftPadding + contentItem.rightPadding
    // Measured again whenever the list is swapped, even for one of the same length.
    readonly property real widestEntry: {
        void model
        void textRole
        void entryMetrics.font
        let widest = 0
        for (let row = 0; row < count; ++row)
            widest = Math.max(widest, entryMetrics.advanceWidth(textAt(row)))
        // A laid-out text may run a pixel past its measured advance.
        return Math.ceil(widest) + 1
    }

    signal layoutUpdated

    implicitHeight: 40
    implicitWidth: ClientConfig.behavior.uniformizedComboboxes && uniformWidth > 0
                   ? uniformWidth : Math.max(120, contentNeededWidth)
    font.family: Fonts.defaultFamily
    font.pixelSize: Metrics.fontSize.defaultSize
    onContentNeededWidthChanged: layoutUpdated()

    function entryText(index) {
        return index < 0 ? "" : combo.textAt(index)
    }

    FontMetrics {
        id: entryMetrics
        font: combo.font
    }

    delegate: ItemDelegate {
        id: entry
        required property int index
        required property var model
        width: combo.popup.width
        highlighted: combo.highlightedIndex === index
        contentItem: DefaultText {
            text: combo.textRole !== "" ? entry.model[combo.textRole] : entry.model.modelData
            font.styleName: combo.highlightRole !== "" && entry.model[combo.highlightRole] ? Fonts.bold : Fonts.regular
            color: entry.index === combo.currentIndex ? Colors.primaryColor : Colors.textColor
        }
        background: Rectangle { color: entry.highlighted ? Colors.delightBlue : Colors.white }
    }
    indicator: ColoredIcon {
        id: indicatorItem
        x: combo.mirrored ? Metrics.padding : combo.width - width - Metrics.padding
        y: (combo.height - height) / 2
        source: Icons.chevronDown
        iconColor: Colors.primaryColor
        iconSize: 20
    }
    contentItem: DefaultText {
        leftPadding: combo.mirrored ? indicatorItem.width + Metrics.padding : Metrics.padding
        rightPadding: combo.mirrored ? Metrics.padding : indicatorItem.width + Metrics.padding
        text: combo.displayText
        font: combo.font
        color: combo.enabled ? Colors.textColor : Colors.grey
    }
    background: Rectangle {
        radius: Metrics.radius
        color: combo.enabled ? Colors.white : Colors.lightGrey
        border.width: combo.activeFocus ? 2 : 1
        border.color: combo.activeFocus ? Colors.primaryColor : Colors.delightGrey
    }
    popup.background: Rectangle {
        radius: Metrics.radius
        border.width: 1
        border.color: Colors.delightGrey
    }
}
