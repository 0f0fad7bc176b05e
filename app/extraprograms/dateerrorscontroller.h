#pragma once

#include "basecontroller.h"

#include <storage/daterange.h>

#include <QObject>

// Judges one date range of an extra program on its own: an end before the start, a start equal
// to the end, and a series that overlaps its own next occurrence. Ranges are not compared with
// one another.
class DateErrorsController : public BaseController {
    Q_OBJECT

public:
    enum DateErrors {
        DR_NoErrors = 0,
        DR_EndBeforeStart = 1,
        DR_IdenticalStartAndEnd = 2,
        DR_Overlap = 3,
    };
    Q_ENUM(DateErrors)

    explicit DateErrorsController(QObject* parent = nullptr);

    DateErrors dateError(const storage::DateRange& range) const;
    QString errorText(const storage::DateRange& range) const;

    Q_INVOKABLE QString errorToString(DateErrorsController::DateErrors error) const;
};
