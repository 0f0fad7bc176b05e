#pragma once

#include "projectcontroller.h"

#include <QVariantMap>

// The controller of a twilight switch project: the light values (lux) per day and the delays
// after sunrise and sunset of the selected channel, besides the project controller's part.
class NoctaProjectController : public ProjectController {
    Q_OBJECT
    Q_PROPERTY(QDateTime delaySunriseTime READ delaySunriseTime WRITE setDelaySunriseTime NOTIFY
                   delaySunriseTimeChanged)
    Q_PROPERTY(
        QDateTime delaySunsetTime READ delaySunsetTime WRITE setDelaySunsetTime NOTIFY delaySunsetTimeChanged)
    Q_PROPERTY(QVariantMap luxOnValues READ luxOnValues NOTIFY luxOnValuesChanged)
    Q_PROPERTY(QVariantMap luxOffValues READ luxOffValues NOTIFY luxOffValuesChanged)
    Q_PROPERTY(int nbDays READ nbDays CONSTANT)

public:
    // Light setting types of the models: one setting for all days, or one per weekday.
    static constexpr int OneSettingType = 1;
    static constexpr int PerWeekdayType = 2;

    explicit NoctaProjectController(const storage::Project& project, QObject* parent = nullptr);

    bool isNocta() const override { return true; }
    bool hasRestrictedSettings() const override { return programms() == 0; }

    QDateTime delaySunriseTime();
    QDateTime delaySunsetTime();
    QVariantMap luxOnValues();
    QVariantMap luxOffValues();
    int nbDays() const { return m_nbDays; }

public slots:
    // Minutes and seconds of the time; the hour is dropped.
    void setDelaySunriseTime(const QDateTime& time);
    void setDelaySunsetTime(const QDateTime& time);
    // Reads and writes of a day the model has no light values for are refused (0 read).
    int luxOnValue(int channel, int index);
    int luxOffValue(int channel, int index);
    void setLuxOnValue(int index, int value);
    void setLuxOffValue(int index, int value);

signals:
    void delaySunriseTimeChanged();
    void delaySunsetTimeChanged();
    void luxValuesChanged();
    void luxOnValuesChanged();
    void luxOffValuesChanged();

private:
    storage::ChannelSetting& selectedSetting();
    // Day indexes beyond the model's light settings are refused with a warning.
    bool isDay(int index) const;
    QVariantMap luxValues(int (storage::LuxValues::*value)() const);

    int m_nbDays = 1;
};
