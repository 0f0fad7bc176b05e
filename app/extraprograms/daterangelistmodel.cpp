#include "daterangelistmodel.h"

#include "extraprogramslogging.h"
#include "insertcommand.h"
#include "removecommand.h"
#include "roweditcommand.h"

#include <utils/wallclock.h>

#include <algorithm>

using storage::DateRange;

namespace {

bool isIntValue(const QVariant& value) {
    bool ok = false;
    value.toInt(&ok);
    return ok;
}

using IntSetter = void (DateRange::*)(int);
const QHash<int, IntSetter> IntSetters{
    {DateRangeListModel::StartDayRole, &DateRange::setStartDay},
    {DateRangeListModel::EndDayRole, &DateRange::setEndDay},
    {DateRangeListModel::DurationRole, &DateRange::setDuration},
    {DateRangeListModel::RepeatRole, &DateRange::setRepeat},
    {DateRangeListModel::WeekRuleDayRole, &DateRange::setWeekRuleDay},
    {DateRangeListModel::WeekRuleWeekDayRole, &DateRange::setWeekRuleWeekDay},
    {DateRangeListModel::WeekRuleMonthRole, &DateRange::setWeekRuleMonth},
};

// The reading with another date or time of day (see utils::WallClock).
QDateTime withDate(const QDateTime& dateTime, const QDate& date) {
    return utils::WallClock::at(date, dateTime.time());
}

QDateTime withTime(const QDateTime& dateTime, const QTime& time) {
    return utils::WallClock::at(dateTime.date(), time);
}

} // namespace

DateRangeListModel::DateRangeListModel(QObject* parent)
    : RecordListModel(parent)
    , m_errors(new DateErrorsController(this)) {
    setUndoableRoles({TypeRole, StartDateRole, StartTimeRole, EndDateRole, EndTimeRole, StartDayRole,
                      EndDayRole, DurationRole, RepeatRole, WeekRuleDayRole, WeekRuleWeekDayRole,
                      WeekRuleMonthRole});
    connect(this, &UndoListModel::listUpdated, this, &DateRangeListModel::onListUpdated);
}

QVariant DateRangeListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !isRowValid(index.row()))
        return {};
    const DateRange& range = m_records.at(index.row());
    switch (role) {
    case TypeRole:
        return range.type();
    case StartDateRole:
    case StartTimeRole:
        return range.startDate();
    case EndDateRole:
    case EndTimeRole:
        return range.endDate();
    case SelectedRole:
        return isSelected(range);
    case StartDayRole:
        return range.startDay();
    case EndDayRole:
        return range.endDay();
    case DurationRole:
        return range.duration();
    case RepeatRole:
        return range.repeat();
    case WeekRuleDayRole:
        return range.weekRuleDay();
    case WeekRuleWeekDayRole:
        return range.weekRuleWeekDay();
    case WeekRuleMonthRole:
        return range.weekRuleMonth();
    case ErrorRole:
        return m_errors->errorText(range);
    default:
        return {};
    }
}

QHash<int, QByteArray> DateRangeListModel::roleNames() const {
    return {
        {TypeRole, "type"},
        {StartDateRole, "startDate"},
        {StartTimeRole, "startTime"},
        {EndDateRole, "endDate"},
        {EndTimeRole, "endTime"},
        {SelectedRole, "selected"},
        {StartDayRole, "startDay"},
        {EndDayRole, "endDay"},
        {DurationRole, "duration"},
        {RepeatRole, "repeat"},
        {WeekRuleDayRole, "weekRuleDay"},
        {WeekRuleWeekDayRole, "weekRuleWeekDay"},
        {WeekRuleMonthRole, "weekRuleMonth"},
        {ErrorRole, "error"},
    };
}

bool DateRangeListModel::setDataInternal(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || !isRowValid(index.row()))
        return false;
    if (!isWritable(index.row(), value, role)) {
        qCWarning(extraProgramsLog) << ">> Refused date-range value" << value << "at row" << index.row()
                                    << "for role" << QString::fromUtf8(roleNames().value(role));
        return false;
    }
    if (role == SelectedRole) {
        writeSelected(index, value.toBool());
        return true;
    }
    DateRange range = m_records.at(index.row());
    const QList<int> roles = applyChange(range, value, role);
    emit dataChanged(index, index, roles);
    emitErrorsChanged();
    return true;
}

bool DateRangeListModel::isWritable(int row, const QVariant& value, int role) const {
    if (!isRowValid(row) || role < TypeRole || role >= ErrorRole)
        return false;
    switch (role) {
    case SelectedRole:
        return true;
    case TypeRole:
        return isIntValue(value) && value.toInt() >= DateRange::FixYear &&
               value.toInt() <= DateRange::Holiday;
    case StartDateRole:
    case EndDateRole:
        return value.toDate().isValid();
    case StartTimeRole:
    case EndTimeRole:
        return value.toTime().isValid();
    default:
        return isIntValue(value);
    }
}

// The change of one role; returns the roles of the row that it changed.
QList<int> DateRangeListModel::applyChange(DateRange& range, const QVariant& value, int role) {
    const bool weekRule = range.type() == DateRange::WeekRule;
    switch (role) {
    case TypeRole:
        return changeType(range, value.toInt());
    case StartDateRole:
    case StartTimeRole:
        range.setStartDate(role == StartDateRole ? withDate(range.startDate(), value.toDate())
                                                 : withTime(range.startDate(), value.toTime()));
        break;
    case EndDateRole:
    case EndTimeRole:
        range.setEndDate(role == EndDateRole ? withDate(range.endDate(), value.toDate())
                                             : withTime(range.endDate(), value.toTime()));
        break;
    default: {
        const IntSetter setter = IntSetters.value(role);
        if (!setter)
            return {};
        (range.*setter)(value.toInt());
        // The length of an Easter or Chinese New Year range follows from its offsets.
        if (role == StartDayRole || role == EndDayRole)
            return {role, DurationRole};
        return {role};
    }
    }
    // A yearly range keeps its dates in the leap reference year, whatever year the view wrote.
    if (range.type() == DateRange::Yearly)
        range.setLeapYear();
    const bool startRole = role == StartDateRole || role == StartTimeRole;
    if (startRole && weekRule)
        return {role};
    return {role, DurationRole};
}

QList<int> DateRangeListModel::changeType(DateRange& range, int type) {
    const int oldType = range.type();
    if (type == oldType)
        return {TypeRole};
    if (oldType == DateRange::Yearly)
        range.setCurrentYear();
    range.setType(type);
    if (type == DateRange::Yearly)
        range.setLeapYear();
    if (oldType == DateRange::Yearly || type == DateRange::Yearly)
        return {TypeRole, StartDateRole, EndDateRole, DurationRole};
    return {TypeRole};
}

void DateRangeListModel::writeSelected(const QModelIndex& index, bool selected) {
    const DateRange& range = m_records.at(index.row());
    if (isSelected(range) == selected)
        return;
    if (selected)
        m_selection.insert(range);
    else
        m_selection.remove(range);
    m_allSelectedDirty = true;
    emit dataChanged(index, index, {SelectedRole});
    emit selectionChanged();
}

void DateRangeListModel::fieldsRestored(int row) {
    emitRowChanged(row);
    emitErrorsChanged();
}

void DateRangeListModel::setDateRanges(const QList<DateRange>& ranges) {
    replaceRecords(ranges);
    resetSelection();
    emitSelectedRows(0, count() - 1);
    emit selectionChanged();
    emit countChanged();
}

void DateRangeListModel::insertDateRange(const DateRange& range) {
    push(new InsertCommand<DateRange>(this, &m_records, range));
}

void DateRangeListModel::editDateRange(const DateRange& range, const DateRangeFields& fields) {
    const int row = rowOfRecord(QVariant::fromValue(range));
    if (row < 0)
        return;
    auto* command = new RowEditCommand(this, row, QStringLiteral("EditDateRangeCommand"));
    command->apply([this, row, &fields] {
        DateRange edited = m_records.at(row);
        fields.writeChangesTo(edited, DateRangeFields::of(edited));
        fieldsRestored(row);
        return true;
    });
    pushIfChanged(command);
}

bool DateRangeListModel::removeDateRange(int row) {
    if (!isRowValid(row))
        return false;
    push(new RemoveCommand<DateRange>(this, &m_records, {row}));
    return true;
}

int DateRangeListModel::errorCount() const {
    const auto hasError = [this](const DateRange& range) {
        return m_errors->dateError(range) != DateErrorsController::DR_NoErrors;
    };
    return static_cast<int>(std::count_if(m_records.cbegin(), m_records.cend(), hasError));
}

void DateRangeListModel::selectRange(int startIndex, int endIndex) {
    const int first = std::max(std::min(startIndex, endIndex), 0);
    const int last = std::min(std::max(startIndex, endIndex), count() - 1);
    if (first > last) {
        qCWarning(extraProgramsLog) << ">> No rows to select from" << startIndex << "to" << endIndex;
        return;
    }
    // Rows that leave the selection are repainted as well.
    int repaintFirst = first;
    int repaintLast = last;
    for (const DateRange& range : std::as_const(m_selection)) {
        const int row = static_cast<int>(m_records.indexOf(range));
        if (row < 0)
            continue;
        repaintFirst = std::min(repaintFirst, row);
        repaintLast = std::max(repaintLast, row);
    }
    m_selection = QSet<DateRange>(m_records.cbegin() + first, m_records.cbegin() + last + 1);
    m_allSelected = first == 0 && last == count() - 1;
    m_allSelectedDirty = false;
    emitSelectedRows(repaintFirst, repaintLast);
    emit selectionChanged();
}

void DateRangeListModel::selectAll(bool select) {
    if (isAllSelected() == select)
        return;
    m_selection = select ? QSet<DateRange>(m_records.cbegin(), m_records.cend()) : QSet<DateRange>();
    m_allSelected = select;
    m_allSelectedDirty = false;
    emitSelectedRows(0, count() - 1);
    emit selectionChanged();
}

void DateRangeListModel::clearSelection() {
    resetSelection();
    emitSelectedRows(0, count() - 1);
    emit selectionChanged();
}

void DateRangeListModel::copySelected() {
    QJsonArray ranges;
    for (const DateRange& range : std::as_const(m_records)) {
        if (isSelected(range))
            ranges.append(range.toJsonObject());
    }
    // Copying nothing would only wipe what the user had on the clipboard.
    if (!ranges.isEmpty())
        emit fillClipboard(ranges);
}

void DateRangeListModel::removeSelected() {
    const QSet<int> rows = selectedRows();
    if (!rows.isEmpty())
        push(new RemoveCommand<DateRange>(this, &m_records, rows));
}

QJsonObject DateRangeListModel::getJsonObject(int index) const {
    if (!isRowValid(index)) {
        qCWarning(extraProgramsLog) << ">> No date range at row" << index;
        return {};
    }
    return m_records.at(index).toJsonObject();
}

void DateRangeListModel::removeAll() {
    resetSelection();
    emit selectionChanged();
    beginResetModel();
    m_records.clear();
    endResetModel();
    emit countChanged();
    emit needRefresh();
    clear();
}

void DateRangeListModel::triggerModelReset() {
    beginResetModel();
    endResetModel();
}

void DateRangeListModel::emitErrorsChanged() {
    if (count() > 0)
        emit dataChanged(index(0), index(count() - 1), {ErrorRole});
}

void DateRangeListModel::emitSelectedRows(int first, int last) {
    if (first <= last && first >= 0)
        emit dataChanged(index(first), index(last), {SelectedRole});
}

void DateRangeListModel::resetSelection() {
    m_selection.clear();
    m_allSelected = false;
    m_allSelectedDirty = false;
}

void DateRangeListModel::onListUpdated() {
    forgetRemovedSelection();
    emit selectionChanged();
    emit countChanged();
    emit needRefresh();
}
