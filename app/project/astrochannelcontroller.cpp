#include "astrochannelcontroller.h"

#include "writeifchanged.h"

void AstroChannelController::setOffsetSunrise(int minutes) {
    if (writeIfChanged(offsetSunrise(), minutes, [&] { setting().setOffsetSunrise(minutes); }))
        emit offsetSunriseChanged(minutes);
}

void AstroChannelController::setOffsetSunset(int minutes) {
    if (writeIfChanged(offsetSunset(), minutes, [&] { setting().setOffsetSunset(minutes); }))
        emit offsetSunsetChanged(minutes);
}

void AstroChannelController::setAstroMode(int mode) {
    if (writeIfChanged(astroMode(), mode, [&] { setting().setAstroMode(mode); }))
        emit astroModeChanged(mode);
}

void AstroChannelController::setAstroPulseUsage(int usage) {
    if (writeIfChanged(astroPulseUsage(), usage, [&] { setting().setAstroPulseUsage(usage); }))
        emit astroPulseUsageChanged(usage);
}

void AstroChannelController::setAstroPulseDuration(const QDateTime& duration) {
    const int seconds = duration.time().minute() * 60 + duration.time().second();
    if (writeIfChanged(setting().astroPulseDuration(), seconds,
                       [&] { setting().setAstroPulseDuration(seconds); }))
        emit astroPulseDurationChanged(duration);
}

void AstroChannelController::setAstroTime(int value) {
    if (writeIfChanged(astroTime(), value, [&] { setting().setAstroTime(value); }))
        emit astroTimeChanged(value);
}
