import QtQuick
import QtQuick.Layouts
import Tarvino

// Sorts the switch times of every program by up to two keys, each ascending or descending.
AppView {
    id: view

    required property var viewController
    // The keys of the sort, in this order: none, time, weekday, state, type.
    readonly property var targets: [bindTr("Generic", "(nichts)"), bindTr("Generic", "Uhrzeit"),
                                    bindTr("Generic", "Wochentag"), bindTr("SwitchTimeTable", "Status"),
                                    bindTr("Generic", "Typ")]
    readonly property var orders: [bindTr("Generic", "aufsteigend"), bindTr("Generic", "absteigend")]

    viewKind: View.SortSwitchTimeView
    title: bindTr("Generic", "Sortieren")

    function sort() {
        viewController.sortData([firstTarget.currentIndex, secondTarget.currentIndex],
                                [firstOrder.currentIndex, secondOrder.currentIndex])
        closeDialog()
    }

    GridLayout {
        anchors.fill: parent
        anchors.margins: Metrics.middleMargin
        columns: 3
        columnSpacing: Metrics.largeMargin
        rowSpacing: Metrics.margin

        DefaultText { text: bindTr("Generic", "zuerst") }
        DefaultCombobox {
            id: firstTarget
            objectName: "firstSortTarget"
            Layout.fillWidth: true
            model: view.targets
            currentIndex: 1
        }
        DefaultCombobox {
            id: firstOrder
            objectName: "firstSortOrder"
            model: view.orders
        }

        DefaultText { text: bindTr("Generic", "danach") }
        DefaultCombobox {
            id: secondTarget
            objectName: "secondSortTarget"
            Layout.fillWidth: true
            model: view.targets
        }
        DefaultCombobox {
            id: secondOrder
            objectName: "secondSortOrder"
            model: view.orders
        }

        Item {
            Layout.columnSpan: 3
            Layout.fillHeight: true
        }
    }

    bottomItems: [
        Item { Layout.fillWidth: true },
        DefaultButton {
            objectName: "cancelButton"
            text: bindTr("Generic", "Abbruch")
            color: Colors.white
            textColor: Colors.cancelColor
            onClicked: view.closeDialog()
        },
        DefaultButton {
            objectName: "okButton"
            text: bindTr("Generic", "OK")
            onClicked: view.sort()
        }
    ]
}
