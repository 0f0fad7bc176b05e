import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tarvino

// The libraries, fonts and data the program is built from, with their licences.
AppView {
    id: view

    viewKind: View.LicenseView
    title: bindTr("SoftwareInfo", "Lizenzen")

    // Each entry: what is used, its licence.
    readonly property var entries: [
        ["Qt Core", "LGPL 3.0"],
        ["Qt Gui", "LGPL 3.0"],
        ["Qt Widgets", "LGPL 3.0"],
        ["Qt Qml", "LGPL 3.0"],
        ["Qt Quick", "LGPL 3.0"],
        ["Qt Quick Controls", "LGPL 3.0"],
        ["Qt Quick Layouts", "LGPL 3.0"],
        ["Qt Quick Shapes", "LGPL 3.0"],
        ["Qt Quick Window", "LGPL 3.0"],
        ["Qt Labs Folder List Model", "LGPL 3.0"],
        ["Qt Network", "LGPL 3.0"],
        ["Qt Bluetooth", "LGPL 3.0"],
        ["Qt Svg", "LGPL 3.0"],
        ["Qt Xml", "LGPL 3.0"],
        ["Qt Print Support", "LGPL 3.0"],
        ["Qt Sql", "LGPL 3.0"],
        ["Qt Positioning", "LGPL 3.0"],
        ["OpenSSL (libcrypto)", "Apache License 2.0"],
        ["libcurl", "curl License"],
        ["SQLite", "Public Domain"],
        ["Noto Sans Light, Noto Sans Medium", "SIL Open Font License 1.1"],
        ["timezone-boundary-builder, © OpenStreetMap contributors", "ODbL 1.0"],
        ["GeoNames", "CC BY 4.0"],
        ["Natural Earth (world-atlas)", "Public Domain, ISC"]
    ]

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Metrics.middleMargin
        spacing: Metrics.middleMargin
        DefaultText {
            Layout.fillWidth: true
            text: bindTr("SoftwareInfo", "Folgende Qt-Module und externe Bibliotheken wurden werwendet:")
            wrapMode: Text.WordWrap
            elide: Text.ElideNone
        }
        ListView {
            objectName: "licenseList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            spacing: Metrics.spacing
            model: view.entries
            delegate: RowLayout {
                id: entry
                required property var modelData
                width: ListView.view.width
                spacing: Metrics.largeMargin
                DefaultText {
                    Layout.fillWidth: true
                    text: entry.modelData[0]
                }
                DefaultText {
                    text: entry.modelData[1]
                    color: Colors.secondaryColor
                }
            }
            ScrollIndicator.vertical: DefaultScrollIndicator {}
        }
    }
}
