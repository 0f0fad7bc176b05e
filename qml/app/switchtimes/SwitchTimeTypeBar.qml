import QtQuick
import QtQuick.Layouts
import Tarvino

// The kind of the switch time in the edit form: On and Off (fixed on astro and twilight
// channels), the impulses and the cycle where the device has them. Where the buttons do not fit,
// one button shows the kind and opens the pop-up "Typ auswählen".
Item {
    id: bar

    property bool astroMode: false
    property bool hasImpuls: false
    property bool hasZyclus: false
    property int type: 0
    property int switchState: 0
    readonly property var kinds: {
        const list = astroMode
            ? [{type: 3, state: 3, text: bindTr("Astro", "Fix Ein")}, {type: 3, state: 2, text: bindTr("Astro", "Fix Aus")}]
            : [{type: 0, state: 1, text: bindTr("Generic", "Ein")}, {type: 0, state: 0, text: bindTr("Generic", "Aus")}]
        if (hasImpuls) {
            list.push({type: 1, state: 1, text: bindTr("Astro", "Impuls Ein")})
            list.push({type: 1, state: 0, text: bindTr("Astro", "Impuls Aus")})
        }
        if (hasZyclus)
            list.push({type: 2, state: 0, text: bindTr("Generic", "Zyklus")})
        return list
    }
    readonly property var currentKind: kinds.find(kind => kind.type === type && kind.state === switchState) || null
    readonly property bool compact: buttons.implicitWidth > width

    signal kindChosen(int type, int state)

    implicitWidth: buttons.implicitWidth
    implicitHeight: buttons.implicitHeight

    function choose(kind) {
        if (kind.type !== type || kind.state !== switchState)
            kindChosen(kind.type, kind.state)
    }
    function openChooser() {
        PopUpManager.openPopup("SwitchStatusPopUp", {kinds: kinds, currentType: type, currentState: switchState},
                               result => { if (result) bar.choose(result) }, bar)
    }

    // Kept laid out while compact, so that its width tells when the buttons fit again.
    RowLayout {
        id: buttons
        opacity: bar.compact ? 0 : 1
        enabled: !bar.compact
        spacing: Metrics.spacing
        Repeater {
            model: bar.kinds
            ToggleButton {
                required property var modelData
                objectName: "kind_" + modelData.type + "_" + modelData.state
                text: modelData.text
                selected: modelData.type === bar.type && modelData.state === bar.switchState
                onClicked: bar.choose(modelData)
            }
        }
    }

    SwitchStatusRow {
        objectName: "kindChooser"
        anchors.left: parent.left
        anchors.right: parent.right
        visible: bar.compact
        type: bar.type
        switchState: bar.switchState
        text: bar.currentKind ? bar.currentKind.text : ""
        current: true
        onClicked: bar.openChooser()
    }
}
