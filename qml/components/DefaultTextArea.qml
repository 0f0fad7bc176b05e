import QtQuick
import QtQuick.Controls
import Tarvino

// A multi-line entry in the program's style.
TextArea {
    id: area

    color: Colors.textColor
    selectionColor: Colors.lightBlue
    selectedTextColor: Colors.white
    placeholderTextColor: Colors.grey
    font.family: Fonts.defaultFamily
    font.styleName: Fonts.regular
    font.pixelSize: Metrics.fontSize.defaultSize
    wrapMode: TextEdit.Wrap
    // Not mirrored itself: a text entry does not lay its text out again when only the
    // mirroring changes, so its alignment follows the language instead.
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true
    horizontalAlignment: localeService.textHAlign
    padding: Metrics.padding
    selectByMouse: true
    background: Rectangle {
        implicitHeight: 80
        radius: Metrics.radius
        color: area.enabled ? Colors.white : Colors.lightGrey
        border.width: area.activeFocus ? 2 : 1
        border.color: area.activeFocus ? Colors.primaryColor : Colors.delightGrey
    }
}
