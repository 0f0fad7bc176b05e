import QtQuick
import QtQuick.Layouts
import Tarvino

// One favourite location: number, city (upper case, letters, digits, "-" and blanks, at most
// 22), whole degrees of latitude and longitude and the time zone; or, with `header`, the
// column titles. `compact` lays the fields out in two columns.
GridLayout {
    id: row

    property bool header: false
    property bool compact: false
    property int number: 0
    property string city
    property int latitudeDegrees: 0
    property int longitudeDegrees: 0
    property int timezoneNumber: 0

    // type 0 city, 1 latitude, 2 longitude, 3 time zone.
    signal edited(int type, var value)

    function focusCity() {
        cityField.forceActiveFocus()
    }

    columns: compact ? 2 : 5
    columnSpacing: Metrics.margin
    rowSpacing: Metrics.spacing

    DefaultText {
        Layout.preferredWidth: 40
        font.styleName: row.header ? Fonts.bold : Fonts.regular
        text: row.header ? bindTr("Astro settings", "Nr.") : String(row.number)
    }
    DefaultText {
        visible: row.header
        Layout.fillWidth: true
        font.styleName: Fonts.bold
        text: bindTr("Astro settings", "Stadt")
    }
    DefaultText {
        visible: row.header
        Layout.preferredWidth: 140
        font.styleName: Fonts.bold
        text: bindTr("Astro settings", "Breitengrad")
    }
    DefaultText {
        visible: row.header
        Layout.preferredWidth: 140
        font.styleName: Fonts.bold
        text: bindTr("Astro settings", "Längengrad")
    }
    DefaultText {
        visible: row.header
        Layout.preferredWidth: 130
        font.styleName: Fonts.bold
        text: bindTr("Astro settings", "Zeitzone")
    }

    DefaultTextField {
        id: cityField
        objectName: "favoriteCity"
        visible: !row.header
        Layout.fillWidth: true
        Layout.minimumWidth: 120
        text: row.city
        font.capitalization: Font.AllUppercase
        maximumLength: 22
        validator: RegularExpressionValidator { regularExpression: /^[\p{L}\d\- ]{0,22}$/ }
        onTextEdited: row.edited(0, text.toUpperCase())
    }
    Item {
        visible: !row.header && row.compact
        implicitWidth: 1
    }
    DefaultSpinBox {
        objectName: "favoriteLatitude"
        visible: !row.header
        Layout.preferredWidth: 140
        from: -90
        to: 90
        value: row.latitudeDegrees
        onValueModified: row.edited(1, value)
    }
    Item {
        visible: !row.header && row.compact
        implicitWidth: 1
    }
    DefaultSpinBox {
        objectName: "favoriteLongitude"
        visible: !row.header
        Layout.preferredWidth: 140
        from: -180
        to: 180
        value: row.longitudeDegrees
        onValueModified: row.edited(2, value)
    }
    Item {
        visible: !row.header && row.compact
        implicitWidth: 1
    }
    DefaultCombobox {
        objectName: "favoriteTimezone"
        visible: !row.header
        Layout.preferredWidth: 130
        model: AstroSettingsProvider.timezone
        currentIndex: row.timezoneNumber
        onActivated: index => row.edited(3, index)
    }
}
