#include "noctaprojectcontroller.h"

#include "channelcontroller.h"
#include "tarvinologging.h"
#include "writeifchanged.h"

namespace {

constexpr int DaysOfWeek = 7;

// The part of a time below one hour, in seconds.
int minutesAndSeconds(const QDateTime& time) {
    return (time.time().msecsSinceStartOfDay() / 1000) % ProjectController::SecondsPerHour;
}

int dayCount(int luxSettingType) {
    if (luxSettingType == NoctaProjectController::PerWeekdayType)
        return DaysOfWeek;
    if (luxSettingType != NoctaProjectController::OneSettingType)
        qCWarning(tarvinoLog) << ">> Unknown light setting type" << luxSettingType
                              << "; using one setting for all days";
    return 1;
}

} // namespace

NoctaProjectController::NoctaProjectController(const storage::Project& project, QObject* parent)
    : ProjectController(project, parent)
    , m_nbDays(dayCount(luxSettingType())) {
    for (int day = 0; day < m_nbDays; ++day)
        selectedSetting().luxValuesByDay(day);
    connect(this, &ProjectController::selectedChannelChanged, this, [this] {
        emit delaySunriseTimeChanged();
        emit delaySunsetTimeChanged();
        emit luxValuesChanged();
    });
}

storage::ChannelSetting& NoctaProjectController::selectedSetting() {
    return *setting(selectedChannelIndex());
}

QDateTime NoctaProjectController::delaySunriseTime() {
    return ChannelController::todayAt(selectedSetting().delaySunrise());
}

QDateTime NoctaProjectController::delaySunsetTime() {
    return ChannelController::todayAt(selectedSetting().delaySunset());
}

void NoctaProjectController::setDelaySunriseTime(const QDateTime& time) {
    storage::ChannelSetting& current = selectedSetting();
    const int seconds = minutesAndSeconds(time);
    if (writeIfChanged(current.delaySunrise(), seconds, [&] { current.setDelaySunrise(seconds); }))
        emit delaySunriseTimeChanged();
}

void NoctaProjectController::setDelaySunsetTime(const QDateTime& time) {
    storage::ChannelSetting& current = selectedSetting();
    const int seconds = minutesAndSeconds(time);
    if (writeIfChanged(current.delaySunset(), seconds, [&] { current.setDelaySunset(seconds); }))
        emit delaySunsetTimeChanged();
}

QVariantMap NoctaProjectController::luxValues(int (storage::LuxValues::*value)() const) {
    QVariantMap values;
    const auto days = selectedSetting().luxValuesConst();
    for (auto day = days.cbegin(); day != days.cend(); ++day)
        values.insert(QString::number(day.key()), (day.value().constData()->*value)());
    return values;
}

QVariantMap NoctaProjectController::luxOnValues() {
    return luxValues(&storage::LuxValues::luxOnValue);
}

QVariantMap NoctaProjectController::luxOffValues() {
    return luxValues(&storage::LuxValues::luxOffValue);
}

bool NoctaProjectController::isDay(int index) const {
    if (index >= 0 && index < m_nbDays)
        return true;
    qCWarning(tarvinoLog) << ">> Light values of day" << index << "do not exist; the model has" << m_nbDays;
    return false;
}

int NoctaProjectController::luxOnValue(int channel, int index) {
    return isDay(index) ? setting(channel)->luxValuesByDay(index)->luxOnValue() : 0;
}

int NoctaProjectController::luxOffValue(int channel, int index) {
    return isDay(index) ? setting(channel)->luxValuesByDay(index)->luxOffValue() : 0;
}

void NoctaProjectController::setLuxOnValue(int index, int value) {
    if (!isDay(index))
        return;
    selectedSetting().luxValuesByDay(index)->setLuxOnValue(value);
    emit luxOnValuesChanged();
}

void NoctaProjectController::setLuxOffValue(int index, int value) {
    if (!isDay(index))
        return;
    selectedSetting().luxValuesByDay(index)->setLuxOffValue(value);
    emit luxOffValuesChanged();
}
