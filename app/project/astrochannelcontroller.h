#pragma once

#include "channelcontroller.h"

// The channel controller of an astronomic channel: besides the plain settings, the astro mode,
// the astro time, the astro pulse and the sunrise and sunset offsets (minutes).
class AstroChannelController : public ChannelController {
    Q_OBJECT
    Q_PROPERTY(int offsetSunrise READ offsetSunrise WRITE setOffsetSunrise NOTIFY offsetSunriseChanged)
    Q_PROPERTY(int offsetSunset READ offsetSunset WRITE setOffsetSunset NOTIFY offsetSunsetChanged)
    Q_PROPERTY(int astroMode READ astroMode WRITE setAstroMode NOTIFY astroModeChanged)
    Q_PROPERTY(
        int astroPulseUsage READ astroPulseUsage WRITE setAstroPulseUsage NOTIFY astroPulseUsageChanged)
    Q_PROPERTY(QDateTime astroPulseDuration READ astroPulseDuration WRITE setAstroPulseDuration NOTIFY
                   astroPulseDurationChanged)
    Q_PROPERTY(int astroTime READ astroTime WRITE setAstroTime NOTIFY astroTimeChanged)

public:
    using ChannelController::ChannelController;

    int channelType() const override { return AstroType; }

    int offsetSunrise() const { return setting().offsetSunrise(); }
    int offsetSunset() const { return setting().offsetSunset(); }
    int astroMode() const { return setting().astroMode(); }
    int astroPulseUsage() const { return setting().astroPulseUsage(); }
    QDateTime astroPulseDuration() const { return todayAt(setting().astroPulseDuration()); }
    int astroTime() const { return setting().astroTime(); }

public slots:
    void setOffsetSunrise(int minutes);
    void setOffsetSunset(int minutes);
    void setAstroMode(int mode);
    void setAstroPulseUsage(int usage);
    // Minutes and seconds; the hour is not taken.
    void setAstroPulseDuration(const QDateTime& duration);
    void setAstroTime(int value);

signals:
    void offsetSunriseChanged(int offsetSunrise);
    void offsetSunsetChanged(int offsetSunset);
    void astroModeChanged(int astroMode);
    void astroPulseUsageChanged(int astroPulseUsage);
    void astroPulseDurationChanged(const QDateTime& astroPulseDuration);
    void astroTimeChanged(int astroTime);
};
