import QtQuick
import Tarvino

// The pages of an open project, one tab each. The program, device-settings, light and astro
// pages join as their views are built.
DefaultTabView {
    objectName: "projectTabs"
}
