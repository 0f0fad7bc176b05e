#pragma once

#include <QList>
#include <QSharedData>
#include <QString>

#include "holidays/holiday.h"

namespace holidays {

// Shared payload of a HolidaySet.
class HolidaySetData : public QSharedData {
public:
    QString name;
    QList<Holiday> holidays;
    bool custom = false;
};

} // namespace holidays
