import QtQuick

// A small on-screen view of the latest log lines, shown while logging runs.
Rectangle {
    id: root
    property var service: null
    property int lineCount: 8

    color: LoggerColors.background
    height: Math.min(lineCount, list.count) * 14 + 8
    visible: service !== null && service.running && list.count > 0

    ListView {
        id: list
        anchors.fill: parent
        anchors.margins: 4
        clip: true
        model: root.service ? root.service.recentMessages : []
        onCountChanged: positionViewAtEnd()
        delegate: Text {
            width: ListView.view.width
            text: modelData
            elide: Text.ElideRight
            font.pixelSize: 11
            font.family: "monospace"
            color: LoggerColors.colorOf(modelData)
        }
    }
}
