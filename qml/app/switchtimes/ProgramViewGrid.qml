import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The week grid of the selected program: a mode bar (select or draw one kind of switch time),
// the day rows with the time ruler below, a bubble menu on a selection, a tool tip over switch
// times and the zoom steps.
Item {
    id: gridView

    required property var viewController
    // An astro or twilight channel: fixed switch times only.
    property bool astroMode: false
    property bool hasImpuls: false
    property bool hasZyclus: false
    property int astroMin: -1
    property int astroMax: -1
    property int astroMinLight: -1
    property int astroMaxLight: -1
    property bool onlyShowLightAstro: false
    // The zoom steps: their labels and the grid's steps and visible steps.
    readonly property var zoomLabels: [bindTr("Generic", "%1 min").arg(30), bindTr("Generic", "%1 h").arg(2),
                                       bindTr("Generic", "%1 h").arg(6), bindTr("Generic", "%1 h").arg(12),
                                       bindTr("Generic", "%1 h").arg(24)]
    readonly property var zoomSteps: [1, 5, 15, 30, 60]
    readonly property var zoomVisibleSteps: [30, 24, 24, 24, 24]
    property int zoomIndex: zoomSteps.length - 1
    property int mode: 0
    readonly property alias grid: switchGrid
    readonly property int pasteKind: astroMode ? 3 : 0

    // The editor for the first selected switch time (a row of the list model).
    signal editRequested(int index)

    implicitHeight: column.implicitHeight

    // The grid's selection, kept for the bubble menu.
    QtObject {
        id: selection
        property int fromRow: -1
        property int toRow: -1
        property int fromCol: -1
        property var elements: []
    }

    function setMode(newMode) {
        mode = newMode
        const controller = viewController
        switch (newMode) {
        case 0: switchGrid.setupSelectMode(); break
        case 1: controller.enableOnSwitchMode(switchGrid, astroMode); break
        case 2: controller.enableOffSwitchMode(switchGrid, astroMode); break
        case 3: controller.enableOnOffSwitchMode(switchGrid); break
        case 4: controller.enableImpulsOnSwitchMode(switchGrid); break
        case 5: controller.enableImpulsOffSwitchMode(switchGrid); break
        case 6: controller.enableCycleSwitchMode(switchGrid); break
        }
    }

    function zoomTo(index) {
        zoomIndex = Math.max(0, Math.min(zoomSteps.length - 1, index))
        switchGrid.steps = zoomSteps[zoomIndex]
        switchGrid.visibleSteps = zoomVisibleSteps[zoomIndex]
    }

    function openBubbleMenu(fromRow, toRow, fromCol, elements, area) {
        selection.fromRow = fromRow
        selection.toRow = toRow
        selection.fromCol = fromCol
        selection.elements = elements
        viewController.switches.selectIndices(elements)
        viewController.checkClipboard()
        if (elements.length === 0 && !viewController.hasClipboardData)
            return
        bubbleMenu.x = Math.min(Math.max(0, area.x), gridArea.width - bubbleMenu.width)
        bubbleMenu.y = Math.max(0, area.y - bubbleMenu.height)
        bubbleMenu.open()
    }

    // One line per switch time: its weekdays, start and kind.
    function tooltipText(infos) {
        const lines = []
        for (const info of infos) {
            const days = info.days.map(day => calendarSettings.shortWeekDaysUnordered[day]).join(", ")
            lines.push(bindTr("Generic", "%1 %2 %3").arg(days).arg(info.start).arg(kindText(info.type, info.state)))
        }
        return lines.join("\n")
    }
    function kindText(type, state) {
        const on = state === "on" || state === "fix-on"
        if (type === "impuls")
            return on ? bindTr("Generic", "Puls Ein") : bindTr("Generic", "Puls aus")
        if (type === "cycle")
            return bindTr("Generic", "Zyklus")
        if (type === "fix-switch")
            return on ? bindTr("Generic", "Fix Ein") : bindTr("Generic", "Fix Aus")
        return on ? bindTr("Generic", "Einschalten") : bindTr("Generic", "Ausschalten")
    }

    Component.onCompleted: setMode(0)
    onAstroModeChanged: setMode(0)

    Connections {
        target: gridView.viewController
        function onUpdateGrid() { switchGrid.update() }
        function onInvertStartEndModel() { switchGrid.invertStartEndModel() }
    }

    ColumnLayout {
        id: column
        anchors.fill: parent
        spacing: Metrics.spacing

        RowLayout {
            objectName: "gridModeBar"
            Layout.fillWidth: true
            spacing: Metrics.spacing
            Repeater {
                model: [
                    {mode: 0, text: bindTr("Generic", "Auswählen"), shown: true},
                    {mode: 1, text: gridView.astroMode ? bindTr("Generic", "Fix Ein") : bindTr("Generic", "Ein"), shown: true},
                    {mode: 2, text: gridView.astroMode ? bindTr("Generic", "Fix Aus") : bindTr("Generic", "Aus"), shown: true},
                    {mode: 3, text: bindTr("Generic", "Ein+Aus"), shown: !gridView.astroMode},
                    {mode: 4, text: bindTr("Generic", "Impuls Ein"), shown: gridView.hasImpuls && !gridView.astroMode},
                    {mode: 5, text: bindTr("Generic", "Impuls Aus"), shown: gridView.hasImpuls && !gridView.astroMode},
                    {mode: 6, text: bindTr("Generic", "Zyklus"), shown: gridView.hasZyclus && !gridView.astroMode}
                ]
                ToggleButton {
                    required property var modelData
                    objectName: "gridMode_" + modelData.mode
                    visible: modelData.shown
                    text: modelData.text
                    selected: gridView.mode === modelData.mode
                    onClicked: gridView.setMode(modelData.mode)
                }
            }
            Item { Layout.fillWidth: true }
            ClickableIcon {
                objectName: "zoomOutButton"
                source: Icons.minus
                enabled: gridView.zoomIndex < gridView.zoomSteps.length - 1
                onClicked: gridView.zoomTo(gridView.zoomIndex + 1)
            }
            DefaultText {
                objectName: "zoomLabel"
                text: gridView.zoomLabels[gridView.zoomIndex]
            }
            ClickableIcon {
                objectName: "zoomInButton"
                source: Icons.plus
                enabled: gridView.zoomIndex > 0
                onClicked: gridView.zoomTo(gridView.zoomIndex - 1)
            }
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: Metrics.spacing

            Column {
                Layout.fillHeight: true
                Layout.alignment: Qt.AlignTop
                Repeater {
                    model: calendarSettings.shortWeekDays
                    DefaultText {
                        required property string modelData
                        height: switchGrid.height / switchGrid.rows
                        verticalAlignment: Text.AlignVCenter
                        font.pixelSize: Metrics.fontSize.small
                        text: modelData
                    }
                }
            }

            Item {
                id: gridArea
                Layout.fillWidth: true
                Layout.fillHeight: true

                SwitchGrid {
                    id: switchGrid
                    objectName: "switchGrid"
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.top: parent.top
                    anchors.bottom: ruler.top
                    controller: gridView.viewController ? gridView.viewController.gridController : null
                    mirror: localeService.isRightToLeft
                    posibleSteps: gridView.zoomSteps
                    posibleVisibleSteps: gridView.zoomVisibleSteps
                    steps: gridView.zoomSteps[gridView.zoomSteps.length - 1]
                    visibleSteps: gridView.zoomVisibleSteps[gridView.zoomVisibleSteps.length - 1]
                    minSolar: gridView.astroMin
                    maxSolar: gridView.astroMax
                    minSolarLite: gridView.astroMinLight
                    maxSolarLite: gridView.astroMaxLight
                    reverseSolar: gridView.onlyShowLightAstro ? 1 : 0
                    onStepsChanged: newSteps => gridView.zoomIndex = Math.max(0, gridView.zoomSteps.indexOf(newSteps))
                    onSelected: (fromRow, toRow, fromCol, elements, area) =>
                                gridView.openBubbleMenu(fromRow, toRow, fromCol, elements, area)
                    onHoveredElementsChanged: (position, row, col, indexes) => tip.showFor(position, indexes)
                }

                SwitchRuler {
                    id: ruler
                    // Reaches past the grid by its padding, so that the labels of the first and
                    // the last hour are not cut.
                    anchors.left: parent.left
                    anchors.leftMargin: -padding
                    anchors.right: parent.right
                    anchors.rightMargin: -padding
                    anchors.bottom: scroll.top
                    height: 40
                    padding: Metrics.margin
                    textColor: Colors.primaryColor
                    font.family: Fonts.defaultFamily
                    font.pixelSize: Metrics.fontSize.small
                    cols: switchGrid.cols
                    steps: switchGrid.steps
                    visibleSteps: switchGrid.visibleSteps
                    offset: switchGrid.offset
                    mirror: switchGrid.mirror
                    skip: switchGrid.width > 870 ? 0 : 6
                }

                Slider {
                    id: scroll
                    objectName: "gridScroll"
                    // The offset counts from the left edge in both reading directions.
                    LayoutMirroring.enabled: false
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.bottom: parent.bottom
                    visible: switchGrid.maxOffset > 0
                    height: visible ? implicitHeight : 0
                    from: 0
                    to: Math.max(0, switchGrid.maxOffset)
                    value: switchGrid.offset
                    onMoved: switchGrid.offset = value
                }

                DefaultToolTip {
                    id: tip
                    objectName: "gridToolTip"

                    function showFor(position, indexes) {
                        if (indexes.length === 0) {
                            hide()
                            return
                        }
                        text = gridView.tooltipText(gridView.viewController.tooltipInfo(indexes))
                        x = position.x
                        y = position.y + 20
                        open()
                    }
                }

                Popup {
                    id: bubbleMenu
                    objectName: "gridBubbleMenu"
                    padding: Metrics.halfMargin
                    background: Rectangle {
                        color: Colors.white
                        border.color: Colors.delightGrey
                        radius: Metrics.radius
                    }
                    readonly property bool hasSwitches: selection.elements.length > 0
                    property bool canPaste: false
                    // A channel whose function just changed has no switch-time controller yet.
                    onAboutToShow: canPaste = gridView.viewController ? gridView.viewController.canPaste(gridView.pasteKind) : false
                    Connections {
                        target: gridView.viewController
                        function onHasCopyChanged() { bubbleMenu.canPaste = gridView.viewController.canPaste(gridView.pasteKind) }
                        function onHasClipboardDataChanged() { bubbleMenu.canPaste = gridView.viewController.canPaste(gridView.pasteKind) }
                    }

                    contentItem: Row {
                        spacing: Metrics.spacing
                        LabelButton {
                            objectName: "bubbleCut"
                            text: bindTr("Generic", "Ausschneiden")
                            enabled: bubbleMenu.hasSwitches
                            onClicked: {
                                gridView.viewController.copyArea(selection.fromRow, selection.toRow, selection.fromCol, selection.elements)
                                gridView.viewController.deleteArea(selection.fromRow, selection.toRow, selection.elements)
                                bubbleMenu.close()
                            }
                        }
                        LabelButton {
                            objectName: "bubbleCopy"
                            text: bindTr("Generic", "Kopieren")
                            enabled: bubbleMenu.hasSwitches
                            onClicked: {
                                gridView.viewController.copyArea(selection.fromRow, selection.toRow, selection.fromCol, selection.elements)
                                bubbleMenu.close()
                            }
                        }
                        LabelButton {
                            objectName: "bubblePaste"
                            text: bindTr("Generic", "Einfügen")
                            enabled: bubbleMenu.canPaste
                            onClicked: {
                                gridView.viewController.pastTo(selection.fromRow, selection.fromCol)
                                bubbleMenu.close()
                            }
                        }
                        LabelButton {
                            objectName: "bubbleEdit"
                            text: bindTr("Generic", "Bearbeiten")
                            enabled: bubbleMenu.hasSwitches
                            onClicked: {
                                bubbleMenu.close()
                                gridView.editRequested(selection.elements[0])
                            }
                        }
                        LabelButton {
                            objectName: "bubbleDelete"
                            text: bindTr("Generic", "Löschen")
                            enabled: bubbleMenu.hasSwitches
                            onClicked: {
                                gridView.viewController.deleteArea(selection.fromRow, selection.toRow, selection.elements)
                                bubbleMenu.close()
                            }
                        }
                    }
                }
            }
        }
    }
}
