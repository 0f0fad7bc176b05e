#include "daysetting.h"

#include <QCoreApplication>
#include <array>

namespace {

const char* const Context = "Days";
const std::array<const char*, 7> Texts = {
    QT_TRANSLATE_NOOP("Days", "Montag"),
    QT_TRANSLATE_NOOP("Days", "Dienstag"),
    QT_TRANSLATE_NOOP("Days", "Mittwoch"),
    QT_TRANSLATE_NOOP("Days", "Donnerstag"),
    QT_TRANSLATE_NOOP("Days", "Freitag"),
    QT_TRANSLATE_NOOP("Days", "Samstag"),
    QT_TRANSLATE_NOOP("Days", "Sonntag"),
};

} // namespace

DaySetting::DaySetting(QObject* parent, int value)
    : EnumerableSetting(QMetaEnum::fromType<Days>(), parent)
{
    selectValue(value);
}

QString DaySetting::entryText(int value) const
{
    return tableText(Context, Texts, Monday, value);
}
