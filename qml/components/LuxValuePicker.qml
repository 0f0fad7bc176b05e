import QtQuick
import Tarvino

// A light value in lux chosen on a wheel from `model`, the values the device offers; each
// change of `value` emits `valueChanged`.
Item {
    id: picker

    property var model: []
    property int value: model.length > 0 ? model[0] : 0

    implicitWidth: tumbler.implicitWidth
    implicitHeight: tumbler.implicitHeight

    DefaultTumbler {
        id: tumbler
        objectName: "luxTumbler"
        anchors.fill: parent
        implicitWidth: 100
        model: picker.model
        format: lux => lux + " lx"
        currentIndex: Math.max(0, picker.model.indexOf(picker.value))
        onMovingChanged: if (!moving && picker.model.length > 0) picker.value = picker.model[currentIndex]
    }
}
