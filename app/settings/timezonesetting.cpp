#include "timezonesetting.h"

#include <QCoreApplication>
#include <array>

namespace {

const char* const Context = "GlobalSettings";
const std::array<const char*, 32> Texts = {
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC -11h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC -10h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC -9h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC -8h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC -7h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC -6h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC -5h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC -4h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC -3h30"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC -3h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC -2h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC -1h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC -0h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC +1h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC +2h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC +3h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC +3h30"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC +4h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC +4h30"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC +5h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC +5h30"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC +6h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC +6h30"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC +7h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC +8h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC +9h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC +9h30"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC +10h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC +10h30"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC +11h"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC +11h30"),
    QT_TRANSLATE_NOOP("GlobalSettings", "UTC +12h"),
};

} // namespace

TimeZoneSetting::TimeZoneSetting(QObject* parent, int value)
    : EnumerableSetting(QMetaEnum::fromType<TimeZone>(), parent)
{
    selectValue(value);
}

QString TimeZoneSetting::entryText(int value) const
{
    return tableText(Context, Texts, UTC_MINUS_11, value);
}
