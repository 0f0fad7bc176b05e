import QtQuick
import QtQuick.Controls
import Tarvino

// The logo and the software information.
AppView {
    id: view

    viewKind: View.SoftwareInfoView

    ToolBarFunctions {
        id: actions
    }
    title: bindTr("SoftwareInfo", "Software-Info")

    Flickable {
        anchors.fill: parent
        contentHeight: column.height
        clip: true
        Column {
            id: column
            width: parent.width
            spacing: Metrics.middleMargin
            topPadding: Metrics.middleMargin
            SvgIcon {
                anchors.horizontalCenter: parent.horizontalCenter
                height: 48
                width: implicitHeight > 0 ? implicitWidth * height / implicitHeight : 0
                source: ClientConfig.images.logo
            }
            SoftwareInfo {
                width: parent.width
                height: implicitHeight
                onLicensesRequested: {
                    if (ZorvikUtils.isDesktop)
                        actions.openLicenses()
                    else
                        ViewLoader.openView(View.LicenseView)
                }
            }
        }
    }
}
