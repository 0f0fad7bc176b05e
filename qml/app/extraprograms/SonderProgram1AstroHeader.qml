import QtQuick
import QtQuick.Layouts
import Tarvino

// The head of a standard extra program on an astronomic channel: what each program switches at
// night or by day, from its start to its end; on twilight devices also the light thresholds.
SonderProgram1Header {
    id: header

    astroMode: true
    summary: GridLayout {
        columns: 2
        columnSpacing: Metrics.margin
        rowSpacing: Metrics.spacing
        DefaultText {
            Layout.columnSpan: 2
            font.pixelSize: Metrics.fontSize.small
            color: Colors.secondaryColor
            text: bindTr("Extra program", "Schalten Nacht/Tag")
        }
        DefaultText { text: DateRangeProvider.astroProgramTitle(false, header.value('onSunset')) }
        DefaultText {
            objectName: "summaryFirst"
            text: header.timeText(header.value('isActiveOnProg1'), header.value('onTimeProg1')) + " - "
                  + header.timeText(header.value('isActiveOnProg1'), header.value('offTimeProg1'))
        }
        DefaultText { text: DateRangeProvider.astroProgramTitle(true, header.value('onSunset')) }
        DefaultText {
            objectName: "summarySecond"
            text: header.timeText(header.value('isActiveOnProg2'), header.value('onTimeProg2')) + " - "
                  + header.timeText(header.value('isActiveOnProg2'), header.value('offTimeProg2'))
        }
        DefaultText {
            visible: header.lightMode
            text: bindTr("Extra program", "Luxwerte")
        }
        DefaultText {
            objectName: "summaryLux"
            visible: header.lightMode
            text: bindTr("Extra program", "Lux Ein") + " " + header.value('luxValueOn') + " lx, "
                  + bindTr("Extra program", "Lux Aus") + " " + header.value('luxValueOff') + " lx"
        }
    }
}
