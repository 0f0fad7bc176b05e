import QtQuick
import Tarvino

// A text that reports the width its content needs, for columns that fit their widest entry.
DefaultText {
    readonly property real contentNeededWidth: metrics.advanceWidth + leftPadding + rightPadding

    TextMetrics {
        id: metrics
        font: parent.font
        text: parent.text
    }
}
