import QtQuick
import QtQuick.Layouts
import Tarvino

// "Typ auswählen": the kinds of switch time the channel offers, each with its colour mark.
// Choosing one emits `accepted(type, state)` and closes; the result is {type, state}.
DefaultPopUp {
    id: popup

    // The kinds to offer: {type, state, text}, as SwitchTimeTypeBar lists them.
    required property var kinds
    property int currentType: -1
    property int currentState: -1

    signal accepted(int type, int state)

    objectName: "switchStatusPopup"
    title: bindTr("Generic", "Typ auswählen")

    Repeater {
        model: popup.kinds
        SwitchStatusRow {
            required property var modelData
            objectName: "switchStatus_" + modelData.type + "_" + modelData.state
            type: modelData.type
            switchState: modelData.state
            text: modelData.text
            current: modelData.type === popup.currentType && modelData.state === popup.currentState
            onClicked: {
                popup.result = {type: modelData.type, state: modelData.state}
                popup.accepted(modelData.type, modelData.state)
                popup.close()
            }
        }
    }
}
