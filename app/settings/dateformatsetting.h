#pragma once

#include "enumerablesetting.h"

// The date formats the interface can show.
class DateFormatSetting : public EnumerableSetting {
    Q_OBJECT
public:
    enum DateFormat {
        Dot = 1,
        Slash = 2,
        Hyphen = 3,
    };
    Q_ENUM(DateFormat)

    // Selects the row of value.
    DateFormatSetting(QObject* parent, int value);

    QString entryText(int value) const override;
};
