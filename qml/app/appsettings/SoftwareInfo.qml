import QtQuick
import QtQuick.Layouts
import softwareversion
import systeminfo
import Tarvino

// The program's version and build, the maker's address and links. Five quick presses on the
// banner show or hide the build details for service work.
Item {
    id: panel

    property bool showDebug: false

    signal licensesRequested

    function countryName(code) {
        switch (code) {
        case "ch": return bindTr("SoftwareInfo", "Schweiz")
        case "se": return bindTr("SoftwareInfo", "Schweden")
        case "fr": return "France"
        default: return bindTr("SoftwareInfo", "Deutschland")
        }
    }

    // What support needs to know about this installation, for the e-mail's body.
    function infoBundle() {
        return [
            ClientConfig.details.displayedName + " " + SystemInfo.version + "-" + SystemInfo.build,
            "Qt " + SoftwareVersion.qtVersion,
            SystemInfo.operatingSystem + " " + SystemInfo.kernel + " " + SystemInfo.cpuArchitecture
        ].join("\n")
    }

    implicitWidth: 600
    implicitHeight: column.implicitHeight

    ColumnLayout {
        id: column
        anchors.fill: parent
        spacing: Metrics.middleMargin

        Image {
            objectName: "softwareInfoBanner"
            Layout.fillWidth: true
            // Capped, so that in a wide window the version, address and links stay in sight.
            Layout.preferredHeight: Math.min(180, width * (implicitWidth > 0 ? implicitHeight / implicitWidth : 0.3))
            source: ClientConfig.images.banner
            fillMode: Image.PreserveAspectFit

            MouseArea {
                property int count: 0
                property real lastPress: 0

                anchors.fill: parent
                onPressed: {
                    const now = Date.now()
                    count = now - lastPress <= 800 ? count + 1 : 1
                    lastPress = now
                    if (count < 5)
                        return
                    count = 0
                    panel.showDebug = !panel.showDebug
                }
            }
        }

        DesignText {
            objectName: "versionTitle"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: bindTr("SoftwareInfo", "Version %1").arg("%1-%2".arg(softwareinfo.projectVersion).arg(softwareinfo.buildVersion))
            size: Metrics.fontSize.subtitle
        }
        GridLayout {
            Layout.fillWidth: true
            Layout.leftMargin: Metrics.middleMargin
            Layout.rightMargin: Metrics.middleMargin
            columns: 10
            columnSpacing: Metrics.largeMargin
            rowSpacing: Metrics.margin

            InfoLabel { text: bindTr("SoftwareInfo", "Build-Version") }
            InfoValue { text: softwareinfo.buildVersion }
            InfoLabel { text: bindTr("SoftwareInfo", "Datum") }
            InfoValue { text: softwareinfo.buildDate }

            InfoLabel { text: "Qt Version"; visible: panel.showDebug }
            InfoValue { objectName: "debugQtVersion"; text: SoftwareVersion.qtVersion; visible: panel.showDebug }
            InfoLabel { text: "Build Variant"; visible: panel.showDebug }
            InfoValue { text: softwareinfo.buildType; visible: panel.showDebug }
            InfoLabel { text: "Operating System"; visible: panel.showDebug }
            InfoValue { text: SystemInfo.operatingSystem + "\n" + SystemInfo.kernel; visible: panel.showDebug }
            InfoLabel { text: "CPU Architecture"; visible: panel.showDebug }
            InfoValue { text: SystemInfo.cpuArchitecture; visible: panel.showDebug }
            InfoLabel { text: "Update Address"; visible: panel.showDebug }
            InfoValue {
                objectName: "debugUpdateEndpoint"
                text: softwareUpdateService.softwareUpdateEndpoint
                wrapMode: Text.WrapAnywhere
                visible: panel.showDebug
            }
            InfoLabel { text: "Online Update Search"; visible: panel.showDebug }
            InfoValue {
                objectName: "debugOnlineUpdateSearch"
                text: softwareUpdateService.forceOnlineSoftwareUpdateSearch ? "always" : "once a day"
                visible: panel.showDebug
            }
            InfoLabel { text: "Last Update Check"; visible: panel.showDebug }
            InfoValue {
                objectName: "debugLastUpdateCheck"
                text: settings.lastSoftwareUpdateChecked || "-"
                visible: panel.showDebug
            }

            InfoLabel { text: bindTr("SoftwareInfo", "Adresse") }
            InfoValue {
                text: ClientConfig.details.address + "\n" + panel.countryName(ClientConfig.details.country)
            }
            InfoLabel { text: bindTr("SoftwareInfo", "E-Mail") }
            InfoValue {
                text: ClientConfig.details.supportEmail
                clickable: true
                onClicked: Qt.openUrlExternally("mailto:%1?body=%2".arg(ClientConfig.details.supportEmail)
                                                .arg(encodeURIComponent(panel.infoBundle())))
            }
            InfoLabel { text: bindTr("SoftwareInfo", "Webseite") }
            InfoValue {
                text: ClientConfig.details.website
                clickable: true
                onClicked: Qt.openUrlExternally("http://" + ClientConfig.details.website)
            }
        }

        Flow {
            Layout.fillWidth: true
            Layout.leftMargin: Metrics.middleMargin
            Layout.rightMargin: Metrics.middleMargin
            spacing: Metrics.middleMargin
            LabelButton {
                text: bindTr("Legal", "Geschäftsbedingungen")
                onClicked: Qt.openUrlExternally(ClientConfig.details.termsLink)
            }
            LabelButton {
                text: bindTr("Legal", "Datenschutzrichtlinien")
                onClicked: Qt.openUrlExternally(ClientConfig.details.privacyLink)
            }
            LabelButton {
                objectName: "licensesLink"
                text: bindTr("SoftwareInfo", "Software-Informationen")
                onClicked: panel.licensesRequested()
            }
        }
    }
}
