pragma Singleton
import QtQuick

// The choice lists of the astro, location and own-table views. Texts are formed through bindTr,
// so every list is formed again when the interface language changes. Like the shell's other
// singletons it does not import the module "Tarvino".
QtObject {
    id: provider

    readonly property var astroMode: [
        bindTr("Astro settings", "Ein bei Sonnenuntergang + Aus bei Sonnenaufgang"),
        bindTr("Astro settings", "Aus bei Sonnenuntergang + Ein bei Sonnenaufgang"),
        bindTr("Astro settings", "Astro inaktiv")]
    readonly property var extendedAstroMode: astroMode.concat([bindTr("Astro settings", "Astro-Impuls")])
    readonly property var kq207AstroMode: [astroMode[0], astroMode[1], bindTr("Astro settings", "Astro-Impuls")]
    readonly property var astroPulse: [bindTr("Astro settings", "Abend + Morgen"), bindTr("Astro settings", "Morgen"),
                                       bindTr("Astro settings", "Abend")]
    // Index = the channel's astro time.
    readonly property var astroTime: [bindTr("Astro settings", "Sonnenuntergang"), bindTr("Astro settings", "Dämmerung"),
                                      bindTr("Astro settings", "Dunkelheit")]

    // The hours of the device time-zone numbers 0 .. 31.
    readonly property var timezoneOffset: [-11, -10, -9, -8, -7, -6, -5, -4, -3.5, -3, -2, -1, 0, 1, 2, 3, 3.5, 4,
                                           4.5, 5, 5.5, 6, 6.5, 7, 8, 9, 9.5, 10, 10.5, 11, 11.5, 12]
    // Index = device time-zone number.
    readonly property var timezone: timezoneOffset.map(hours => {
        if (hours === 0)
            return bindTr("Astro settings", "UTC", "Coordinated Universal Time")
        return bindTr("Astro settings", "UTC %1h", "Coordinated Universal Time, %1 is the number of hours")
            .arg((hours > 0 ? "+" : "") + hours)
    })

    // The mode that switches an astro pulse: the last entry of the channel's mode list.
    function astroPulseModeIndex(project) {
        return astroModeModel(project).length - 1
    }

    function astroModeModel(project) {
        if (project.isControls || project.yearlyProgram)
            return kq207AstroMode
        return project.hasAstroImpuls ? extendedAstroMode : astroMode
    }

    // Every time zone with the time of day there when it is `currentTime` in `currentTimezone`:
    // "11:00:00 (UTC)".
    function generateCustomTimezone(currentTime, currentTimezone) {
        const hourMs = 3600 * 1000
        return timezone.map((text, index) => {
            const moved = new Date(currentTime.getTime()
                                   + (timezoneOffset[index] - timezoneOffset[currentTimezone]) * hourMs)
            return "%1 (%2)".arg(Qt.formatTime(moved, "hh:mm:ss")).arg(text)
        })
    }

    // The labels "dd.MM" of every day of the year (by default the current one).
    function generateDayMonthOfYear(year) {
        const shown = year === undefined ? new Date().getFullYear() : year
        const leap = (shown % 4 === 0 && shown % 100 !== 0) || shown % 400 === 0
        const labels = []
        for (let day = 0; day < (leap ? 366 : 365); ++day)
            labels.push(Qt.formatDate(new Date(shown, 0, 1 + day), "dd.MM"))
        return labels
    }
}
