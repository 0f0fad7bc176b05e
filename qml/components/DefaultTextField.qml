import QtQuick
import QtQuick.Controls
import Tarvino

// A one-line entry; `valid` is false while a validator rejects the text or the input mask
// is incomplete, and the frame then turns to the error colour.
TextField {
    id: field

    property bool showBorder: true
    readonly property bool valid: acceptableInput

    implicitHeight: 40
    color: Colors.textColor
    selectionColor: Colors.lightBlue
    selectedTextColor: Colors.white
    placeholderTextColor: Colors.grey
    font.family: Fonts.defaultFamily
    font.styleName: Fonts.regular
    font.pixelSize: Metrics.fontSize.defaultSize
    // Not mirrored itself: a text entry does not lay its text out again when only the
    // mirroring changes, so its alignment follows the language instead.
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true
    horizontalAlignment: localeService.textHAlign
    leftPadding: Metrics.padding
    rightPadding: Metrics.padding
    selectByMouse: true
    background: Rectangle {
        radius: Metrics.radius
        color: field.enabled ? Colors.white : Colors.lightGrey
        border.width: field.showBorder ? (field.activeFocus ? 2 : 1) : 0
        border.color: !field.valid ? Colors.errorColor : field.activeFocus ? Colors.primaryColor : Colors.delightGrey
    }
}
