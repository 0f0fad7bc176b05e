import QtQuick
import QtQuick.Layouts
import Tarvino

// A year typed between `minYear` and `maxYear`; with `applyUntilYear` a second field takes
// the last year of a span. Valid entries set the values and emit `yearHasChanged`.
RowLayout {
    id: picker

    property int minYear: 2000
    property int maxYear: SettingsProvider.soWiSpecifics.lastYear
    property int value: minYear
    property bool applyUntilYear: false
    property int untilYear: value

    signal yearHasChanged(int year, int untilYear)

    spacing: Metrics.margin

    function take(year, until) {
        if (year === value && until === untilYear)
            return
        value = year
        untilYear = until
        yearHasChanged(year, until)
    }

    DefaultTextField {
        id: first
        objectName: "yearField"
        Layout.preferredWidth: 80
        horizontalAlignment: TextInput.AlignHCenter
        validator: IntValidator { bottom: picker.minYear; top: picker.maxYear }
        text: String(picker.value)
        onEditingFinished: {
            if (valid)
                picker.take(Number(text), Math.max(picker.untilYear, Number(text)))
            text = Qt.binding(() => String(picker.value))
        }
    }
    DefaultText {
        visible: picker.applyUntilYear
        text: bindTr("Calendar", "bis")
    }
    DefaultTextField {
        objectName: "untilYearField"
        Layout.preferredWidth: 80
        visible: picker.applyUntilYear
        horizontalAlignment: TextInput.AlignHCenter
        validator: IntValidator { bottom: picker.value; top: picker.maxYear }
        text: String(picker.untilYear)
        onEditingFinished: {
            if (valid)
                picker.take(picker.value, Number(text))
            text = Qt.binding(() => String(picker.untilYear))
        }
    }
}
