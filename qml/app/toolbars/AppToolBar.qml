import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The main window's header: the back button, the current view's left buttons, its title item
// (or title: in the middle, at the start on the phone), and its right and fixed buttons. The
// buttons belong to the view; the bar only shows them while the view is current. The button
// rows are positioners, not layouts: a hidden layout keeps the buttons of a view just left
// until it is polished again, and the view deletes them before that; a layout shown again then
// reached deleted items.
ToolBar {
    id: bar

    property StackView stack
    readonly property Item view: stack ? stack.currentItem : null
    property Item shownView: null

    function show(items, area) {
        for (let index = 0; index < items.length; ++index)
            items[index].parent = area
    }

    // The widths of the buttons with their labels, and the room the title wants.
    function fullWidth(items) {
        let width = 0
        for (let index = 0; index < items.length; ++index) {
            if (items[index].visible)
                width += items[index].fullWidth !== undefined ? items[index].fullWidth : items[index].implicitWidth
        }
        return width
    }

    function compactItems(items) {
        for (let index = 0; index < items.length; ++index) {
            if ("compact" in items[index])
                items[index].compact = Qt.binding(() => bar.compactButtons)
        }
    }

    readonly property bool compactButtons: shownView !== null
        && fullWidth(shownView.toolbarLeftButtons) + fullWidth(shownView.toolbarRightButtons)
           + fullWidth(shownView.toolbarFixButtons)
           + (shownView.titleItem ? shownView.titleItem.implicitWidth : 0) + 8 * Metrics.margin > width

    function showView(next) {
        if (shownView) {
            show(shownView.toolbarLeftButtons, null)
            show(shownView.toolbarRightButtons, null)
            show(shownView.toolbarFixButtons, null)
            if (shownView.titleItem)
                shownView.titleItem.parent = null
        }
        shownView = next
        if (!next)
            return
        show(next.toolbarLeftButtons, leftButtons)
        show(next.toolbarRightButtons, rightButtons)
        show(next.toolbarFixButtons, fixButtons)
        compactItems(next.toolbarLeftButtons)
        compactItems(next.toolbarRightButtons)
        compactItems(next.toolbarFixButtons)
        if (next.titleItem) {
            const item = next.titleItem
            item.parent = titleArea
            item.anchors.centerIn = titleArea
            // Narrower than the room between the buttons, so it never runs under them.
            item.width = Qt.binding(() => Math.min(Math.ceil(item.implicitWidth), titleArea.width))
        }
    }

    implicitHeight: Metrics.toolbar.barHeight
    visible: view !== null && view.showToolbar
    padding: 0
    leftPadding: Metrics.margin
    rightPadding: Metrics.margin
    onViewChanged: showView(view)

    background: Rectangle {
        color: ClientConfig.colors.headerColor
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: Colors.delightGrey
        }
    }

    RowLayout {
        anchors.fill: parent
        spacing: Metrics.margin
        ToolBarButton {
            objectName: "backButton"
            source: ClientConfig.icons.back
            text: bindTr("Generic", "Zurück")
            visible: bar.stack !== null && bar.stack.depth > 1 && bar.view !== null && bar.view.allowBackButton
            onClicked: ViewLoader.popView()
        }
        Row {
            id: leftButtons
            spacing: Metrics.spacing
        }
        Item {
            id: titleArea
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            DesignText {
                objectName: "toolbarTitle"
                anchors.fill: parent
                horizontalAlignment: Text.AlignHCenter
                text: bar.view ? bar.view.title : ""
                size: Metrics.fontSize.big
                wrapMode: Text.NoWrap
                elide: Text.ElideRight
                visible: bar.view !== null && bar.view.titleItem === null && ZorvikUtils.tabletLayout
            }
            LeftTitle {
                objectName: "toolbarLeftTitle"
                anchors.fill: parent
                text: bar.view ? bar.view.title : ""
                visible: bar.view !== null && bar.view.titleItem === null && !ZorvikUtils.tabletLayout
            }
        }
        Row {
            id: rightButtons
            spacing: Metrics.spacing
        }
        Row {
            id: fixButtons
            spacing: Metrics.spacing
        }
    }
}
