#pragma once

#include <QSharedData>
#include <QString>

namespace holidays {

// Shared payload of a Holiday rule; see Holiday for the meaning of each field.
class HolidayData : public QSharedData {
public:
    QString name;
    int type = -1;
    int startOffset = 0;
    int startDay = 0;
    int startMonth = 0;
    int startYear = 0;
    int startHour = 0;
    int endOffset = 0;
    int endDay = 0;
    int endMonth = 0;
    int endYear = 0;
    int endHour = 0;
};

} // namespace holidays
