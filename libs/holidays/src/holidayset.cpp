#include "holidays/holidayset.h"

namespace holidays {

HolidaySet::HolidaySet()
    : d(new HolidaySetData)
{
}

HolidaySet::HolidaySet(const QString& name, const QJsonArray& records, bool custom)
    : HolidaySet()
{
    d->name = name;
    d->custom = custom;
    d->holidays.reserve(records.size());
    for (const QJsonValue& record : records)
        d->holidays.append(Holiday::fromJson(record.toObject()));
}

void HolidaySet::setName(const QString& name)
{
    d->name = name;
}

bool HolidaySet::isGermany() const
{
    return d->name.startsWith(QLatin1String("Deutschland"));
}

bool HolidaySet::isValidHolidayIndex(int index) const
{
    return index >= 0 && index < d->holidays.size();
}

void HolidaySet::addHoliday(const QJsonObject& viewObject)
{
    d->holidays.append(Holiday(viewObject));
}

bool HolidaySet::updateHoliday(int index, const QJsonObject& viewObject)
{
    if (!isValidHolidayIndex(index))
        return false;
    d->holidays.replace(index, Holiday(viewObject));
    return true;
}

bool HolidaySet::removeHoliday(int index)
{
    if (!isValidHolidayIndex(index))
        return false;
    d->holidays.removeAt(index);
    return true;
}

HolidaySet HolidaySet::copy(const QString& newName) const
{
    HolidaySet result(*this);
    result.d->custom = true;
    if (!newName.isEmpty())
        result.d->name = newName;
    return result;
}

QJsonObject HolidaySet::json() const
{
    QJsonArray records;
    for (const Holiday& holiday : d->holidays)
        records.append(holiday.json());
    return {{QStringLiteral("Name"), d->name},
            {QStringLiteral("LenHoliday"), static_cast<int>(d->holidays.size())},
            {QStringLiteral("Holidays"), records}};
}

} // namespace holidays
