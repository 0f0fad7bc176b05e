#pragma once

#include "enumerablesetting.h"

// The weekdays, Monday first, as the first day of the week is chosen from them.
class DaySetting : public EnumerableSetting {
    Q_OBJECT
public:
    enum Days {
        Monday = 1,
        Tuesday = 2,
        Wednesday = 3,
        Thursday = 4,
        Friday = 5,
        Saturday = 6,
        Sunday = 7,
    };
    Q_ENUM(Days)

    // Selects the row of value.
    DaySetting(QObject* parent, int value);

    QString entryText(int value) const override;
};
