import QtQuick
import QtQuick.Layouts
import Tarvino

// The line that adds a row: choosing a kind creates a switch time of it at 00:00 without days.
Item {
    id: footer

    required property var stViewController
    property bool astroMode: false
    property bool lightMode: false
    property bool hasImpuls: false
    property bool hasZyclus: false
    // Only on and off switch times can be made here.
    readonly property bool onOffOnly: astroMode || lightMode || (!hasImpuls && !hasZyclus)
    readonly property bool fixedOnly: astroMode || lightMode
    readonly property var entries: {
        if (fixedOnly)
            return [{text: bindTr("Generic", "Fix Aus"), type: 3, state: 2},
                    {text: bindTr("Generic", "Fix Ein"), type: 3, state: 3}]
        if (onOffOnly)
            return [{text: bindTr("Generic", "Aus"), type: 0, state: 0},
                    {text: bindTr("Generic", "Ein"), type: 0, state: 1}]
        const list = [{text: bindTr("SwitchTimeTable", "Schaltzeit"), type: 0, state: 0}]
        if (hasImpuls)
            list.push({text: bindTr("SwitchTimeTable", "Impuls"), type: 1, state: 1})
        if (hasZyclus)
            list.push({text: bindTr("SwitchTimeTable", "Zyklus"), type: 2, state: 0})
        return list
    }

    signal created
    signal rightClicked

    implicitHeight: SwitchTableMetrics.rowHeight

    function create(entry) {
        const midnight = new Date(2000, 0, 1, 0, 0, 0)
        stViewController.createFromTable(entry.type, entry.state, 0, 0, midnight, midnight, midnight, midnight)
        created()
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.RightButton
        onClicked: footer.rightClicked()
    }
    DefaultCombobox {
        id: newRow
        objectName: "newSwitchTime"
        anchors.verticalCenter: parent.verticalCenter
        x: SwitchTableMetrics.numberWidth
        model: footer.entries.map(entry => entry.text)
        currentIndex: -1
        displayText: currentIndex < 0 ? bindTr("SwitchTimeTable", "Neu") : currentText
        onActivated: index => {
            footer.create(footer.entries[index])
            currentIndex = -1
        }
    }
}
