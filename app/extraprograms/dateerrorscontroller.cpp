#include "dateerrorscontroller.h"

#include <QCoreApplication>

#include <utils/wallclock.h>

using storage::DateRange;

namespace {

// Only hours and minutes count: the editors show no seconds.
QDateTime toMinute(const QDateTime& dateTime) {
    const QTime time = dateTime.time();
    return utils::WallClock::at(dateTime.date(), QTime(time.hour(), time.minute()));
}

// A yearly range repeats every year: its year means nothing.
bool sameYearlyMoment(const QDateTime& a, const QDateTime& b) {
    return a.date().month() == b.date().month() && a.date().day() == b.date().day() && a.time() == b.time();
}

DateErrorsController::DateErrors fixedError(const QDateTime& start, const QDateTime& end) {
    if (start == end)
        return DateErrorsController::DR_IdenticalStartAndEnd;
    if (end < start)
        return DateErrorsController::DR_EndBeforeStart;
    return DateErrorsController::DR_NoErrors;
}

} // namespace

DateErrorsController::DateErrorsController(QObject* parent)
    : BaseController(parent) {
}

DateErrorsController::DateErrors DateErrorsController::dateError(const DateRange& range) const {
    const QDateTime start = toMinute(range.startDate());
    const QDateTime end = toMinute(range.endDate());
    switch (range.type()) {
    case DateRange::FixYear:
        return fixedError(start, end);
    case DateRange::Yearly:
        // A yearly range may run over the turn of the year.
        return sameYearlyMoment(start, end) ? DR_IdenticalStartAndEnd : DR_NoErrors;
    case DateRange::Easter:
    case DateRange::ChineseNewYear:
        return range.startDay() == range.endDay() && start.time() == end.time() ? DR_IdenticalStartAndEnd
                                                                                : DR_NoErrors;
    case DateRange::Serie: {
        const DateErrors error = fixedError(start, end);
        if (error != DR_NoErrors)
            return error;
        return start.date().daysTo(end.date()) >= range.repeat() ? DR_Overlap : DR_NoErrors;
    }
    default:
        return DR_NoErrors;
    }
}

QString DateErrorsController::errorText(const DateRange& range) const {
    return errorToString(dateError(range));
}

QString DateErrorsController::errorToString(DateErrors error) const {
    switch (error) {
    case DR_EndBeforeStart:
        return QCoreApplication::translate("Extra program", "Ende muss nach dem Beginn liegen");
    case DR_IdenticalStartAndEnd:
        return QCoreApplication::translate("Extra program", "Start und Ende müssen sich unterscheiden");
    case DR_Overlap:
        return QCoreApplication::translate("Extra program", "Überschneidung nicht zulässig");
    default:
        return QString();
    }
}
