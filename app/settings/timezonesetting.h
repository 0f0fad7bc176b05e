#pragma once

#include "enumerablesetting.h"

// The fixed UTC offsets, numbered as the devices number them.
class TimeZoneSetting : public EnumerableSetting {
    Q_OBJECT
public:
    enum TimeZone {
        UTC_MINUS_11 = 0,
        UTC_MINUS_10 = 1,
        UTC_MINUS_9 = 2,
        UTC_MINUS_8 = 3,
        UTC_MINUS_7 = 4,
        UTC_MINUS_6 = 5,
        UTC_MINUS_5 = 6,
        UTC_MINUS_4 = 7,
        UTC_MINUS_3_5 = 8,
        UTC_MINUS_3 = 9,
        UTC_MINUS_2 = 10,
        UTC_MINUS_1 = 11,
        UTC_0 = 12,
        UTC_1 = 13,
        UTC_2 = 14,
        UTC_3 = 15,
        UTC_3_5 = 16,
        UTC_4 = 17,
        UTC_4_5 = 18,
        UTC_5 = 19,
        UTC_5_5 = 20,
        UTC_6 = 21,
        UTC_6_5 = 22,
        UTC_7 = 23,
        UTC_8 = 24,
        UTC_9 = 25,
        UTC_9_5 = 26,
        UTC_10 = 27,
        UTC_10_5 = 28,
        UTC_11 = 29,
        UTC_11_5 = 30,
        UTC_12 = 31,
    };
    Q_ENUM(TimeZone)

    // Selects the row of value.
    TimeZoneSetting(QObject* parent, int value);

    QString entryText(int value) const override;
};
