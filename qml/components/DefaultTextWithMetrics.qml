import QtQuick
import Tarvino

// A text that reports the width its content needs, for columns that fit their widest entry.
DefaultText {
    id: measured

    readonly property real contentNeededWidth: metrics.advanceWidth + leftPadding + rightPadding

    TextMetrics {
        id: metrics
        font: measured.font
        text: measured.text
    }
}
