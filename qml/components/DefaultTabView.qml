import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// Tab headers over a stack of TabSubView pages; `showTabs` hides the headers.
Item {
    id: tabView

    property int currentIndex: 0
    property bool showTabs: true
    default property list<TabSubView> pages

    implicitWidth: 400
    implicitHeight: 300

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        TabBar {
            id: bar
            Layout.fillWidth: true
            visible: tabView.showTabs
            currentIndex: tabView.currentIndex
            onCurrentIndexChanged: tabView.currentIndex = currentIndex
            background: Rectangle { color: Colors.lightGrey }
            Repeater {
                model: tabView.pages.length
                DefaultTab {
                    required property int index
                    objectName: "tab_" + index
                    text: tabView.pages[index].title
                    enabled: tabView.pages[index].tabEnabled
                }
            }
        }
        StackLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: tabView.currentIndex
            data: tabView.pages
        }
    }
}
