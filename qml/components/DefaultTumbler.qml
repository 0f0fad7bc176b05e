import QtQuick
import QtQuick.Controls
import Tarvino

// A wheel of values; the current one is large and in the primary colour. `format` turns a
// model value into its text.
Tumbler {
    id: tumbler

    property var format: value => String(value)

    implicitWidth: 60
    implicitHeight: 150
    visibleItemCount: 3
    delegate: DefaultText {
        required property var modelData
        required property int index
        text: tumbler.format(modelData)
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: Metrics.fontSize.normal
        font.styleName: index === tumbler.currentIndex ? Fonts.bold : Fonts.regular
        color: index === tumbler.currentIndex ? Colors.primaryColor : Colors.grey
        opacity: 1.0 - Math.abs(Tumbler.displacement) / (tumbler.visibleItemCount / 2)
    }
    Rectangle {
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height / 3
        width: parent.width * 0.8
        height: 1
        color: Colors.delightGrey
    }
    Rectangle {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 2 * parent.height / 3
        width: parent.width * 0.8
        height: 1
        color: Colors.delightGrey
    }
}
