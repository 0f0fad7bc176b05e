import QtQuick
import QtQuick.Layouts
import Tarvino

// The head of a permanent extra program: green for the one that keeps the channel on over its
// dates, red for the one that keeps it off.
Rectangle {
    id: header

    // ExtraProgramViewController.PermOn or PermOff.
    property int extraType: ExtraProgramViewController.PermOn
    property int programNumber: 0
    readonly property bool permanentOn: extraType === ExtraProgramViewController.PermOn

    implicitHeight: row.implicitHeight + 2 * Metrics.margin
    implicitWidth: row.implicitWidth + 2 * Metrics.margin
    radius: Metrics.radius
    color: permanentOn ? Colors.green : Colors.red

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.margins: Metrics.margin
        spacing: Metrics.largeMargin
        DesignText {
            objectName: "permanentKind"
            size: Metrics.fontSize.normal
            color: Colors.white
            text: header.permanentOn ? bindTr("Extra program", "Dauer Ein") : bindTr("Extra program", "Dauer Aus")
        }
        DefaultText {
            objectName: "permanentProgram"
            Layout.fillWidth: true
            color: Colors.white
            text: bindTr("ProgramView", "Sonderprogramm %1").arg(header.programNumber)
        }
    }
}
