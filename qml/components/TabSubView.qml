import QtQuick
import Tarvino

// A page of a DefaultTabView; `title` names its tab.
Item {
    property string title
    property bool tabEnabled: true
}
