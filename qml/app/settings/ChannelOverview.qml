import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The overview of every channel's settings in a window of its own: one column per channel (the
// extension module's channels 5 to 8 green), a signalling target's header red. Read only.
AppView {
    id: overview

    property var signalingChannels: []
    property var viewController: null
    property var projectContentController: null
    readonly property var project: projectContentController ? projectContentController.project : null
    readonly property var model: projectContentController ? projectContentController.channelOverview() : null
    readonly property int columns: model ? model.columnCount() : 0
    readonly property int channelCount: project ? project.channelNumber : 0
    readonly property var rowTitles: [
        bindTr("Program settings", "Kanalfunktion"), bindTr("Program settings", "Speicher verwendet"),
        bindTr("Program settings", "Sonderprogramme benutzt"), bindTr("Program settings", "Ferien"),
        bindTr("Program settings", "Externer Eingang"), bindTr("Program settings", "Signalisierung auf"),
        bindTr("Program settings", "Serviceintervall")]

    title: !project ? "" : projectContentController.deviceName + (project.extensionModule ? " EM 4 " : "")

    // The channel number a header stands for: past the device's own channels come 5 to 8.
    function channelOfHeader(column) {
        const number = model.headerData(column, Qt.Horizontal)
        return number > channelCount ? number + 4 - channelCount : number
    }
    function headerColor(column) {
        const number = channelOfHeader(column)
        if (signalingChannels.indexOf(number) >= 0)
            return Colors.red
        return number > channelCount ? Colors.green : Colors.white
    }

    ScrollView {
        anchors.fill: parent
        anchors.margins: Metrics.middleMargin
        contentWidth: availableWidth

        GridLayout {
            width: parent.width
            columns: overview.columns + 1
            rowSpacing: 0
            columnSpacing: 0

            Repeater {
                model: overview.model ? (overview.columns + 1) * (overview.rowTitles.length + 1) : 0

                delegate: Rectangle {
                    id: cell
                    required property int index
                    // -1 is the header row and the column of row titles.
                    readonly property int row: Math.floor(index / (overview.columns + 1)) - 1
                    readonly property int column: index % (overview.columns + 1) - 1
                    readonly property bool isHeader: row < 0 && column >= 0

                    objectName: row < 0 ? "overviewHeader_%1".arg(column) : "overviewCell_%1_%2".arg(row).arg(column)
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.preferredWidth: column < 0 ? 170 : 100
                    Layout.minimumWidth: column < 0 ? 170 : 70
                    Layout.preferredHeight: Math.max(44, label.implicitHeight + 2 * Metrics.padding)
                    color: isHeader ? overview.headerColor(column) : column < 0 ? Colors.lightGrey : Colors.white
                    border.width: 1
                    border.color: Colors.delightGrey

                    DefaultText {
                        id: label
                        anchors.fill: parent
                        anchors.margins: Metrics.padding
                        verticalAlignment: Text.AlignVCenter
                        horizontalAlignment: cell.column < 0 ? Text.AlignLeft : Text.AlignHCenter
                        font.styleName: cell.row < 0 || cell.column < 0 ? Fonts.bold : Fonts.regular
                        font.pixelSize: Metrics.fontSize.small
                        wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                        elide: Text.ElideNone
                        color: Colors.isDarkColor(cell.color) ? Colors.white : Colors.primaryColor
                        text: {
                            if (cell.row < 0)
                                return cell.column < 0 ? "" : bindTr("Direct commands", "Kanal") + " "
                                                              + overview.channelOfHeader(cell.column)
                            if (cell.column < 0)
                                return overview.rowTitles[cell.row]
                            return String(overview.model.data(overview.model.index(cell.row, cell.column)))
                        }
                    }
                }
            }
        }
    }
}
