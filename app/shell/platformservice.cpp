#include "platformservice.h"

#include "programsettings.h"

#include <QApplication>
#include <QMetaEnum>

#include <core/settingsservice.h>
#include <core/windowlayout.h>

namespace {

QVariant stored(const QString& key, const QVariant& fallback)
{
    if (!core::SettingsService::hasInstance())
        return fallback;
    const QVariant value = core::SettingsService::instance().settingValue(key);
    return value.isValid() ? value : fallback;
}

// A stored override outside its enumeration counts as none.
int storedChoice(const QString& key, QMetaEnum choices, int none)
{
    const int value = stored(key, none).toInt();
    return choices.valueToKey(value) ? value : none;
}

// Stores a changed preference; false when it already has that value.
template <typename T>
bool changeStored(T& field, T value, const QString& key)
{
    if (field == value)
        return false;
    field = value;
    if (core::SettingsService::hasInstance())
        core::SettingsService::instance().setSettingValueFromStringKey(key, value);
    return true;
}

} // namespace

PlatformService::PlatformService(QObject* parent)
    : QObject(parent)
    , m_vibrateEnabled(stored(ProgramSettings::Vibrate, true).toBool())
    , m_notifyEnabled(stored(ProgramSettings::Notify, true).toBool())
    , m_overwriteDisplay(storedChoice(ProgramSettings::OverwriteDisplay,
                                      QMetaEnum::fromType<OverwriteDisplayPlatform>(), DP_Desktop))
    , m_overwriteOrientation(storedChoice(ProgramSettings::OverwriteOrientation,
                                          QMetaEnum::fromType<OverwriteScreenOrientation>(), SO_None))
{
    m_instance = this;
    computeDefaultWindowSize();
}

PlatformService::~PlatformService() = default;

bool PlatformService::vibrateEnabled() const
{
    return m_vibrateEnabled;
}

bool PlatformService::notifyEnabled() const
{
    return m_notifyEnabled;
}

PlatformService::OverwriteDisplayPlatform PlatformService::overwriteDisplay() const
{
    return OverwriteDisplayPlatform(m_overwriteDisplay);
}

PlatformService::OverwriteScreenOrientation PlatformService::overwriteOrientation() const
{
    return OverwriteScreenOrientation(m_overwriteOrientation);
}

QSize PlatformService::defaultWindowSize() const
{
    return m_defaultWindowSize;
}

void PlatformService::setVibrateEnabled(bool enabled)
{
    if (changeStored(m_vibrateEnabled, enabled, ProgramSettings::Vibrate))
        emit vibrateEnabledChanged(enabled);
}

void PlatformService::setNotifyEnabled(bool enabled)
{
    if (changeStored(m_notifyEnabled, enabled, ProgramSettings::Notify))
        emit notifyEnabledChanged(enabled);
}

void PlatformService::setOverwriteDisplay(OverwriteDisplayPlatform display)
{
    if (!QMetaEnum::fromType<OverwriteDisplayPlatform>().valueToKey(display)
        || !changeStored(m_overwriteDisplay, int(display), ProgramSettings::OverwriteDisplay))
        return;
    emit overwriteDisplayChanged();
    applyDefaultWindowSize();
}

void PlatformService::setOverwriteOrientation(OverwriteScreenOrientation orientation)
{
    if (!QMetaEnum::fromType<OverwriteScreenOrientation>().valueToKey(orientation)
        || !changeStored(m_overwriteOrientation, int(orientation), ProgramSettings::OverwriteOrientation))
        return;
    emit overwriteOrientationChanged();
    applyDefaultWindowSize();
}

QSize PlatformService::windowSizeFor(int display, int orientation)
{
    const bool landscape = orientation == SO_Landscape;
    switch (display) {
    case DP_Phone:
        return landscape ? QSize(878, 405) : QSize(405, 878);
    case DP_Tablet:
        return landscape ? QSize(1050, 657) : QSize(657, 1050);
    default:
        return QSize(1024, 912);
    }
}

void PlatformService::vibrateAndNotify()
{
    notifyOnly();
    vibrateOnly();
}

void PlatformService::vibrateOnly()
{
    if (m_vibrateEnabled)
        core::WindowLayout::instance()->alert();
}

void PlatformService::notifyOnly()
{
    if (m_notifyEnabled)
        QApplication::beep();
}

void PlatformService::computeDefaultWindowSize()
{
    m_defaultWindowSize = windowSizeFor(m_overwriteDisplay, m_overwriteOrientation);
    emit defaultWindowSizeChanged();
}

void PlatformService::applyDefaultWindowSize()
{
    computeDefaultWindowSize();
    core::WindowLayout::instance()->setWindowSize(m_defaultWindowSize);
}
