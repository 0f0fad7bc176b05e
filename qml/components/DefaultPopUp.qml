import QtQuick
import QtQuick.Layouts
import Tarvino

// A pop-up with a title bar, its content and a row of `buttons` at the bottom.
DefaultEmptyPopUp {
    id: popup

    property string title: ClientConfig.details.displayedName
    property color titleColor: Colors.primaryColor
    default property alias content: body.data
    property alias buttons: buttonRow.data

    contentItem: ColumnLayout {
        spacing: Metrics.middleMargin
        // A pop-up is no item; its content follows the reading direction itself.
        LayoutMirroring.enabled: localeService.isRightToLeft
        LayoutMirroring.childrenInherit: true
        DesignText {
            objectName: "popupTitle"
            Layout.fillWidth: true
            text: popup.title
            color: popup.titleColor
            visible: text !== ""
        }
        ColumnLayout {
            id: body
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: Metrics.margin
        }
        RowLayout {
            id: buttonRow
            Layout.alignment: Qt.AlignRight
            spacing: Metrics.margin
            visible: children.length > 0
        }
    }
}
