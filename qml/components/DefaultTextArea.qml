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
    // A mirrored layout flips an explicit alignment itself.
    horizontalAlignment: LayoutMirroring.enabled ? TextEdit.AlignLeft : localeService.textHAlign
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
