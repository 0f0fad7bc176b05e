pragma Singleton
import QtQuick

// Sizes, spacing and durations of the interface (docs/ui.md).
QtObject {
    readonly property int radius: 4
    readonly property int shadow: 8
    readonly property real shadowStrength: 0.618
    readonly property int margin: 10
    readonly property int halfMargin: 5
    readonly property int middleMargin: 20
    readonly property int largeMargin: 30
    readonly property int padding: 8
    readonly property int spacing: 5
    readonly property bool tabletLayout: false

    // The tablet value or the phone value, by layout.
    function tp(tablet, phone) {
        return tabletLayout ? tablet : phone
    }

    readonly property QtObject popups: QtObject {
        readonly property int maxContentWidth: 700
    }
    readonly property QtObject toolbar: QtObject {
        readonly property int barHeight: 50
        readonly property int minBarHeight: 30
    }
    readonly property QtObject tiles: QtObject {
        readonly property int preferredWidth: 172
        readonly property int preferredHeight: 100
        readonly property int smallHeight: 45
        readonly property real minimumRatio: 0.87
    }

    // Durations in ms; the factor slows every animation down for debugging.
    readonly property real debugFactor: 1
    readonly property QtObject durations: QtObject {
        readonly property int viewTransition: debugFactor * 1000 * 0.362
        readonly property int popupTransition: debugFactor * 1000 * 0.078
        readonly property int popupFlash: debugFactor * 1000 * 0.178
        readonly property int popupDuration: debugFactor * 1000 * 0.775
    }

    readonly property QtObject fontSize: QtObject {
        readonly property int min: 5
        readonly property int small: 15
        readonly property int defaultSize: 16
        readonly property int normal: 20
        readonly property int big: 25
        readonly property int subtitle: 35
        readonly property int bigSubtitle: 40
        readonly property int title: 50
        readonly property int max: 150
    }
}
