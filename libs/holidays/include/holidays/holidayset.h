#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QSharedDataPointer>
#include <QString>

#include "holidays/holiday.h"
#include "holidays/holidaysetdata.h"

namespace holidays {

// A named list of holiday rules, shipped with the program or made by the user (custom).
// Implicitly shared; copies detach on the first write.
class HolidaySet {
public:
    HolidaySet();
    // From the rule records of a holiday data file, in file order.
    HolidaySet(const QString& name, const QJsonArray& records, bool custom);

    QString name() const { return d->name; }
    void setName(const QString& name);
    bool custom() const { return d->custom; }
    const QList<Holiday>& holidays() const { return d->holidays; }
    bool isGermany() const;
    bool isValidHolidayIndex(int index) const;

    // Rule edits from the holiday views' objects; an index outside the list changes nothing
    // and gives false.
    void addHoliday(const QJsonObject& viewObject);
    bool updateHoliday(int index, const QJsonObject& viewObject);
    bool removeHoliday(int index);

    // A custom set with the same rules, named newName, or this set's name when newName is empty.
    HolidaySet copy(const QString& newName) const;

    // The set record of a holiday data file.
    QJsonObject json() const;

private:
    QSharedDataPointer<HolidaySetData> d;
};

} // namespace holidays
