#include "dateformatsetting.h"

#include <QCoreApplication>
#include <array>

namespace {

const char* const Context = "GlobalSettings";
const std::array<const char*, 3> Texts = {
    QT_TRANSLATE_NOOP("GlobalSettings", "31.12.00 (TT.MM.JJ)"),
    QT_TRANSLATE_NOOP("GlobalSettings", "12/31/00 (MM/TT/JJ)"),
    QT_TRANSLATE_NOOP("GlobalSettings", "00-12-31 (JJ-MM-TT)"),
};

} // namespace

DateFormatSetting::DateFormatSetting(QObject* parent, int value)
    : EnumerableSetting(QMetaEnum::fromType<DateFormat>(), parent)
{
    selectValue(value);
}

QString DateFormatSetting::entryText(int value) const
{
    return tableText(Context, Texts, Dot, value);
}
