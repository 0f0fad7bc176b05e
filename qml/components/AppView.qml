import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The frame of every view: the tool bar of the main window shows its title item and buttons;
// the view lays out `topItems`, its content and `bottomItems` one under the other. Inside a
// WindowDialog (`insideDialog`) the view shows its title itself. Emitting `closeDialog` closes
// the dialog that holds it; `viewLeaved()` is called when the view is left: when its dialog
// closes or when it leaves the stack.
Pane {
    id: view

    property int viewKind: -1
    property string title
    property Item titleItem: null
    property list<Item> toolbarLeftButtons
    property list<Item> toolbarRightButtons
    property list<Item> toolbarFixButtons
    property bool allowBackButton: true
    property bool showToolbar: true
    property list<Item> topItems
    property list<Item> bottomItems
    // Views that need a device ask to be closed when its connection is lost.
    property bool closeDialogOnConnectionLost: false
    property bool insideDialog: false
    property bool showDebug: false
    default property alias content: body.data

    signal closeDialog

    function viewLeaved() {}

    padding: 0
    LayoutMirroring.enabled: localeService.isRightToLeft
    LayoutMirroring.childrenInherit: true
    background: Rectangle { color: Colors.white }
    StackView.onRemoved: viewLeaved()

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        DesignText {
            objectName: "viewTitle"
            Layout.fillWidth: true
            Layout.margins: Metrics.margin
            visible: view.insideDialog && view.showToolbar && text !== ""
            text: view.title
            size: Metrics.fontSize.big
        }
        // Rows inside a layout fill by default; the body alone takes the height.
        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: false
            Layout.margins: Metrics.margin
            spacing: Metrics.margin
            visible: view.topItems.length > 0
            data: view.topItems
        }
        Item {
            id: body
            Layout.fillWidth: true
            Layout.fillHeight: true
        }
        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: false
            Layout.margins: Metrics.margin
            spacing: Metrics.margin
            visible: view.bottomItems.length > 0
            data: view.bottomItems
        }
    }
}
