#include "switchtimelistmodel.h"

#include "insertcommand.h"
#include "removecommand.h"
#include "roweditcommand.h"
#include "switchcell.h"
#include "switchprogramlogging.h"
#include "switchtimecells.h"

#include <utils/wallclock.h>
#include <utils/weekdays.h>

#include <QDateTime>

#include <algorithm>
#include <numeric>

using storage::SwitchTime;
using utils::Weekdays;

namespace {

constexpr int SecondsPerColumn = 60;
constexpr int ColumnsPerDay = 1440;

bool isTime(const QVariant& value) {
    const int type = value.metaType().id();
    return type == QMetaType::QTime || type == QMetaType::QDateTime;
}

// Whole seconds since midnight; an invalid time counts as midnight.
int secondsOf(const QVariant& value) {
    const QTime time = value.metaType().id() == QMetaType::QTime ? value.toTime() : value.toDateTime().time();
    return time.isValid() ? time.msecsSinceStartOfDay() / 1000 : 0;
}


int columnOf(int seconds) {
    return std::clamp(seconds / SecondsPerColumn, 0, ColumnsPerDay - 1);
}

bool isIntIn(const QVariant& value, int low, int high) {
    bool ok = false;
    const int v = value.toInt(&ok);
    return ok && v >= low && v <= high;
}

} // namespace

SwitchTimeListModel::SwitchTimeListModel(QObject* parent)
    : RecordListModel(parent)
    , m_errors(new SwitchErrorsController(&m_records, this)) {
    setUndoableRoles({TypeRole, StateRole, StartDaysRole, StartTimeRole, PulsTimeRole, PauseTimeRole,
                      EndTimeRole, EndDayRole, EndlessRole});
    connect(this, &SwitchTimeListModel::selectionChanged, this, &SwitchTimeListModel::updateGrid);
    connect(this, &UndoListModel::listUpdated, this, &SwitchTimeListModel::onListUpdated);
    // Whatever changes the list, through the model or behind it, the kept errors are out of date.
    connect(
        this, &QAbstractItemModel::dataChanged, this,
        [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) { onDataChanged(roles); });
    connect(this, &QAbstractItemModel::rowsInserted, m_errors, &SwitchErrorsController::invalidate);
    connect(this, &QAbstractItemModel::rowsRemoved, m_errors, &SwitchErrorsController::invalidate);
    connect(this, &QAbstractItemModel::modelReset, m_errors, &SwitchErrorsController::invalidate);
    watchGridContent();
}

QVariant SwitchTimeListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !isRowValid(index.row()))
        return {};
    const SwitchTime& s = m_records.at(index.row());
    switch (role) {
    case TypeRole:
        return s.type();
    case StateRole:
        return s.state();
    case StartDaysRole:
        return s.startDays();
    case StartTimeRole:
        return utils::WallClock::todayAt(s.startQTime());
    case PulsTimeRole:
        return utils::WallClock::todayAt(s.pulsQTime());
    case PauseTimeRole:
        return utils::WallClock::todayAt(s.pauseQTime());
    case EndTimeRole:
        return utils::WallClock::todayAt(s.endQTime());
    case EndDayRole:
        return s.endDayIndex();
    case SelectedRole:
        return isSelected(s);
    case EndlessRole:
        return s.endDayIndex() == Weekdays::EndlessIndex;
    case ErrorRole:
        return static_cast<int>(m_errors->errorAt(index.row()));
    default:
        return {};
    }
}

QHash<int, QByteArray> SwitchTimeListModel::roleNames() const {
    return {
        {TypeRole, "type"},           {StateRole, "state"},       {StartDaysRole, "startDays"},
        {StartTimeRole, "startTime"}, {PulsTimeRole, "pulsTime"}, {PauseTimeRole, "pauseTime"},
        {EndTimeRole, "endTime"},     {EndDayRole, "endDay"},     {SelectedRole, "selected"},
        {EndlessRole, "endless"},     {ErrorRole, "error"},
    };
}

bool SwitchTimeListModel::isWritable(int row, const QVariant& value, int role) const {
    if (!isRowValid(row))
        return false;
    const int type = m_records.at(row).type();
    switch (role) {
    case TypeRole:
        return isIntIn(value, SwitchTime::Switch, SwitchTime::FixSwitch);
    case StateRole:
        return isIntIn(value, SwitchTime::Off, SwitchTime::FixOn);
    case StartDaysRole:
        // Bit 0 is no weekday.
        return isIntIn(value, 0, Weekdays::AllDays) && (value.toInt() & ~Weekdays::AllDays) == 0;
    case StartTimeRole:
    case PulsTimeRole:
    case PauseTimeRole:
    case EndTimeRole:
        return isTime(value);
    case EndDayRole:
        // Only cycles end on a day of their own or never; fixed switch times may end on each start day.
        if (type == SwitchTime::Cycle)
            return isIntIn(value, 0, Weekdays::EndlessIndex);
        return type == SwitchTime::FixSwitch && isIntIn(value, -1, Weekdays::DaysPerWeek - 1);
    case SelectedRole:
        return true;
    default:
        return false;
    }
}

// The end-day role reads -1 both for "each start day" and for no end day at all: writing -1 on a
// fixed switch time changes it unless it already ends on each start day.
bool SwitchTimeListModel::isUnchangedBy(const QModelIndex& index, const QVariant& value, int role) const {
    if (role == EndDayRole && value.toInt() == SwitchTime::NoSingleEndDay)
        return m_records.at(index.row()).endDay() == SwitchTime::NoSingleEndDay;
    return UndoListModel::isUnchangedBy(index, value, role);
}

bool SwitchTimeListModel::setDataInternal(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || !isWritable(index.row(), value, role))
        return false;
    SwitchTime s = m_records.at(index.row());
    switch (role) {
    case TypeRole:
        s.setType(value.toInt());
        break;
    case StateRole:
        s.setState(value.toInt());
        break;
    case StartDaysRole:
        if (value.toInt() == s.startDays())
            return true;
        writeStartDays(index, value.toInt());
        break;
    case StartTimeRole:
    case PulsTimeRole:
    case PauseTimeRole:
    case EndTimeRole:
        writeTime(index, secondsOf(value), role);
        break;
    case EndDayRole:
        writeEndDay(index, value.toInt());
        break;
    case SelectedRole:
        writeSelected(index, value.toBool());
        return true;
    default:
        return false;
    }
    emit dataChanged(index, index, {role});
    emitErrorsChanged();
    emit updateGrid();
    return true;
}

void SwitchTimeListModel::writeStartDays(const QModelIndex& index, int days) {
    SwitchTime s = m_records.at(index.row());
    if (s.type() == SwitchTime::Cycle) {
        if (days == s.endDay() && s.startTime() == s.endTime() && s.endDay() != Weekdays::Endless) {
            s.setEndDay(Weekdays::Endless);
            emitEndDayChanged(index);
        } else if (s.endDay() == Weekdays::Endless) {
            s.setEndDay(s.startDays());
            emitEndDayChanged(index);
        }
    }
    s.setStartDays(days);
}

void SwitchTimeListModel::writeTime(const QModelIndex& index, int seconds, int role) {
    SwitchTime s = m_records.at(index.row());
    switch (role) {
    case StartTimeRole:
        s.setStartTime(seconds);
        applyEndlessRule(index, seconds, s.endTime());
        break;
    case EndTimeRole:
        s.setEndTime(seconds);
        applyEndlessRule(index, s.startTime(), seconds);
        break;
    case PulsTimeRole:
        s.setPulsTime(seconds);
        break;
    case PauseTimeRole:
        s.setPauseTime(seconds);
        break;
    default:
        break;
    }
}

// A cycle that starts and ends at the same moment of the same day runs without end; once its
// times differ again it ends on its start day.
void SwitchTimeListModel::applyEndlessRule(const QModelIndex& index, int startTime, int endTime) {
    SwitchTime s = m_records.at(index.row());
    if (s.type() != SwitchTime::Cycle)
        return;
    if (startTime == endTime && s.endDay() == s.startDays()) {
        qCDebug(switchProgramLog) << "Set endless";
        s.setEndDay(Weekdays::Endless);
        emitEndDayChanged(index);
    } else if (startTime != endTime && s.endDay() == Weekdays::Endless) {
        qCDebug(switchProgramLog) << "Remove endless";
        s.setEndDay(s.startDays());
        emitEndDayChanged(index);
    }
}

void SwitchTimeListModel::writeEndDay(const QModelIndex& index, int endIndex) {
    SwitchTime s = m_records.at(index.row());
    if (s.type() == SwitchTime::FixSwitch) {
        if (endIndex < 0)
            s.setMultipleEndDays();
        else
            s.setEndDay(Weekdays::endDayOfIndex(endIndex));
    } else {
        const int endDay = Weekdays::endDayOfIndex(endIndex);
        const bool endless = s.startTime() == s.endTime() && endDay == s.startDays();
        s.setEndDay(endless ? Weekdays::Endless : endDay);
    }
    emitEndDayChanged(index);
}

void SwitchTimeListModel::writeSelected(const QModelIndex& index, bool selected) {
    const SwitchTime& s = m_records.at(index.row());
    if (isSelected(s) == selected)
        return;
    if (selected)
        m_selection.insert(s);
    else
        m_selection.remove(s);
    m_allSelectedDirty = true;
    emit dataChanged(index, index, {SelectedRole});
    emit selectionChanged();
}

void SwitchTimeListModel::emitEndDayChanged(const QModelIndex& index) {
    emit dataChanged(index, index, {EndDayRole, EndlessRole});
}

void SwitchTimeListModel::emitErrorsChanged() {
    if (!m_records.isEmpty())
        emit dataChanged(index(0), index(count() - 1), {ErrorRole});
}

void SwitchTimeListModel::onDataChanged(const QList<int>& roles) {
    const bool onlyDerived = !roles.isEmpty() && std::all_of(roles.cbegin(), roles.cend(), [](int role) {
        return role == SelectedRole || role == ErrorRole;
    });
    if (onlyDerived)
        return;
    m_errors->invalidate();
    // A whole row announced as changed was written behind the model: the errors of the others may follow.
    if (roles.isEmpty())
        emitErrorsChanged();
}

void SwitchTimeListModel::onListUpdated() {
    m_allSelectedDirty = true;
    emit selectionChanged();
    emit countChanged();
    emit needRefresh();
}

void SwitchTimeListModel::fieldsRestored(int row) {
    emitRowChanged(row);
    emit updateGrid();
}

void SwitchTimeListModel::insertSwitchTime(const SwitchTime& switchTime) {
    push(new InsertCommand<SwitchTime>(this, &m_records, switchTime));
}

void SwitchTimeListModel::removeSwitchTimes(const QSet<int>& rows) {
    const bool any = std::any_of(rows.cbegin(), rows.cend(), [this](int row) { return isRowValid(row); });
    if (any)
        push(new RemoveCommand<SwitchTime>(this, &m_records, rows));
}

// Equal as their clipboard forms are: the numbers first, the type and state names (which several
// values may share) only when those match. A paste tests every row it inserts.
bool SwitchTimeListModel::containsEqual(const SwitchTime& switchTime) const {
    const SwitchTime& a = switchTime;
    return std::any_of(m_records.cbegin(), m_records.cend(), [&a](const SwitchTime& b) {
        return a.startTime() == b.startTime() && a.endTime() == b.endTime() &&
               (a.startDays() & Weekdays::AllDays) == (b.startDays() & Weekdays::AllDays) &&
               a.endDay() == b.endDay() && a.pulsTime() == b.pulsTime() && a.pauseTime() == b.pauseTime() &&
               SwitchTime::typeName(a.type()) == SwitchTime::typeName(b.type()) &&
               SwitchTime::stateName(a.state()) == SwitchTime::stateName(b.state());
    });
}

QJsonObject SwitchTimeListModel::jsonObjectAt(int row, int flags) const {
    return isRowValid(row) ? m_records.at(row).toJsonObject(flags) : QJsonObject();
}

SwitchTime SwitchTimeListModel::makeDefaultSwitchTime() {
    return SwitchTime();
}

void SwitchTimeListModel::setSwitches(const QList<SwitchTime>& switches) {
    replaceRecords(switches);
    clearSelection();
    emit countChanged();
}

void SwitchTimeListModel::removeAll() {
    beginResetModel();
    m_records.clear();
    endResetModel();
    m_selection.clear();
    m_allSelected = false;
    emit selectionChanged();
    emit countChanged();
    clear();
}

void SwitchTimeListModel::moveSwitchDays(int row, int keepDays) {
    if (!isRowValid(row))
        return;
    auto* command = new RowEditCommand(this, row, QStringLiteral("MoveSwitchDaysCommand"));
    command->apply([this, row, keepDays] {
        SwitchTime s = m_records.at(row);
        const int before = s.numDays();
        s.setStartDays(s.type() == SwitchTime::Cycle ? 0 : s.startDays() & keepDays);
        if (before > 1 && s.numDays() == 1) {
            const int day = s.startDays() & Weekdays::AllDays;
            s.setEndDay(s.endTime() < s.startTime() ? Weekdays::nextDay(day) : day);
        }
        emitRowChanged(row);
        emit updateGrid();
        return true;
    });
    pushIfChanged(command);
}

void SwitchTimeListModel::saveFields(const SwitchTime& switchTime, const SwitchTimeFields& fields) {
    const int row = static_cast<int>(m_records.indexOf(switchTime));
    if (row < 0)
        return;
    beginMacro();
    auto* command = new RowEditCommand(this, row, QStringLiteral("SaveSwitchTimeCommand"));
    command->apply([this, row, &fields] {
        SwitchTime s = m_records.at(row);
        fields.writeChangesTo(s, SwitchTimeFields::of(s));
        emitRowChanged(row);
        emit updateGrid();
        return true;
    });
    pushIfChanged(command);
    if ((fields.startDays & Weekdays::AllDays) == 0)
        clearEmptySwitches();
    endMacro();
}

void SwitchTimeListModel::clearEmptySwitches() {
    QSet<int> empty;
    for (int row = 0; row < count(); ++row) {
        if ((m_records.at(row).startDays() & Weekdays::AllDays) == 0)
            empty.insert(row);
    }
    removeSwitchTimes(empty);
    clearSelection();
    emit countChanged();
}

QJsonArray SwitchTimeListModel::tooltipInfo(const QList<int>& indexes) const {
    QList<SwitchTime> listed;
    for (int row : indexes) {
        if (isRowValid(row))
            listed.append(m_records.at(row));
    }
    SwitchTime::sort(listed, {4, 1, 3}, {0, 0, 0});
    QJsonArray info;
    for (const SwitchTime& s : std::as_const(listed))
        info.append(s.tooltipInfo());
    return info;
}

int SwitchTimeListModel::rowOfId(qint64 id) const {
    const auto found = std::find_if(m_records.cbegin(), m_records.cend(),
                                    [id](const SwitchTime& s) { return s.id() == id; });
    return found == m_records.cend() ? -1 : static_cast<int>(found - m_records.cbegin());
}

int SwitchTimeListModel::errorCount() const {
    return m_errors->errorCount();
}

void SwitchTimeListModel::setFirstDayOfWeek(int firstDayOfWeek) {
    if (firstDayOfWeek < 0 || firstDayOfWeek >= Weekdays::DaysPerWeek) {
        qCWarning(switchProgramLog) << "First day of the week out of range:" << firstDayOfWeek;
        return;
    }
    if (firstDayOfWeek == m_firstDayOfWeek)
        return;
    m_firstDayOfWeek = firstDayOfWeek;
    emit firstDayOfWeekChanged(firstDayOfWeek);
    emit updateGrid();
}

void SwitchTimeListModel::selectIndices(const QList<int>& indices) {
    if (indices.isEmpty()) {
        clearSelection();
        return;
    }
    QSet<SwitchTime> selection;
    for (int row : indices) {
        if (isRowValid(row))
            selection.insert(m_records.at(row));
    }
    replaceSelection(selection);
    emit selectionChanged();
}

void SwitchTimeListModel::selectRange(int startIndex, int endIndex) {
    const int lo = std::max(std::min(startIndex, endIndex), 0);
    const int hi = std::min(std::max(startIndex, endIndex), count() - 1);
    if (lo > hi)
        return;
    m_allSelected = lo == 0 && hi == count() - 1;
    m_allSelectedDirty = false;
    const QSet<SwitchTime> selection(m_records.cbegin() + lo, m_records.cbegin() + hi + 1);
    if (m_selection.isEmpty()) {
        m_selection = selection;
        emitSelectedRows(lo, hi);
    } else {
        replaceSelection(selection);
    }
    emit selectionChanged();
}

void SwitchTimeListModel::replaceSelection(const QSet<SwitchTime>& selection) {
    int first = count();
    int last = -1;
    for (const QSet<SwitchTime>* set : {&std::as_const(m_selection), &selection}) {
        for (const SwitchTime& s : *set) {
            const int row = static_cast<int>(m_records.indexOf(s));
            if (row >= 0) {
                first = std::min(first, row);
                last = std::max(last, row);
            }
        }
    }
    m_selection = selection;
    if (last >= 0)
        emitSelectedRows(first, last);
}

void SwitchTimeListModel::emitSelectedRows(int first, int last) {
    emit dataChanged(index(first), index(last), {SelectedRole});
}

void SwitchTimeListModel::selectAll(bool select) {
    if (isAllSelected() == select)
        return;
    m_selection = select ? QSet<SwitchTime>(m_records.cbegin(), m_records.cend()) : QSet<SwitchTime>();
    m_allSelected = select;
    m_allSelectedDirty = false;
    if (!m_records.isEmpty())
        emitSelectedRows(0, count() - 1);
    emit selectionChanged();
}

void SwitchTimeListModel::clearSelection() {
    m_selection.clear();
    m_allSelected = false;
    if (!m_records.isEmpty())
        emitSelectedRows(0, count() - 1);
    emit selectionChanged();
}

void SwitchTimeListModel::copySelected() {
    QJsonArray copied;
    for (const SwitchTime& s : std::as_const(m_records)) {
        if (isSelected(s))
            copied.append(s.toJsonObject(Weekdays::AllDays));
    }
    emit fillClipboard(0, -1, copied);
}

void SwitchTimeListModel::removeSelected() {
    removeSwitchTimes(selectedRows());
}

// The grid keeps its cells until something it shows has changed.
void SwitchTimeListModel::watchGridContent() {
    const auto stale = [this] { m_gridStale = true; };
    connect(this, &QAbstractItemModel::rowsInserted, this, stale);
    connect(this, &QAbstractItemModel::rowsRemoved, this, stale);
    connect(this, &QAbstractItemModel::rowsMoved, this, stale);
    connect(this, &QAbstractItemModel::modelReset, this, stale);
    connect(this, &QAbstractItemModel::layoutChanged, this, stale);
    connect(this, &SwitchTimeListModel::selectionChanged, this, stale);
    connect(this, &SwitchTimeListModel::firstDayOfWeekChanged, this, stale);
    connect(this, &SwitchTimeListModel::updateGrid, this, stale);
    connect(this, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.size() != 1 || roles.first() != ErrorRole)
                    m_gridStale = true;
            });
}

void SwitchTimeListModel::fillGrid(GridModel& grid) {
    m_gridStale = false;
    // Fixed switch times first, then cycles, impulses and switches: the grid's priority rule
    // relies on that order.
    QList<int> order(count());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return m_records.at(a).type() > m_records.at(b).type(); });
    for (int row : std::as_const(order))
        placeInGrid(grid, row);
}

void SwitchTimeListModel::placeInGrid(GridModel& grid, int row) const {
    const SwitchTime& s = m_records.at(row);
    if ((s.startDays() & Weekdays::AllDays) == 0)
        return;
    const SwitchTimeCells cells = SwitchTimeCells::of(s, isSelected(s));
    if (!cells.main)
        return;
    const int f = m_firstDayOfWeek;
    const int startCol = columnOf(s.startTime());
    // Without an end day (a cycle not yet given one) only its start is drawn.
    if (!cells.end || s.endDay() == 0)
        grid.addElement(row, cells.main, s.rows(f), startCol, cells.priority, cells.dot);
    else if (s.endDay() > 0)
        grid.addRange(row, cells.main, cells.end, s.fixStart(f), startCol, s.fixEnd(f), columnOf(s.endTime()),
                      cells.priority, cells.followMarker, cells.dot);
    else
        grid.addStartEnd(row, cells.main, cells.end, s.rows(f), startCol, columnOf(s.endTime()),
                         cells.priority, cells.dot);
}

void SwitchTimeListModel::applySimpleEdit(std::shared_ptr<CellModel> model, int fromRow, int toRow, int col,
                                          std::shared_ptr<CellModel>) {
    if (!model)
        return;
    const int days = Weekdays::daysOfRows(fromRow, toRow, m_firstDayOfWeek);
    const int time = col * SecondsPerColumn;
    switch (model->typeCode()) {
    case SwitchCell::Green:
        emit createSwitchTime(SwitchTime::Switch, SwitchTime::On, time, days);
        break;
    case SwitchCell::Red:
        emit createSwitchTime(SwitchTime::Switch, SwitchTime::Off, time, days);
        break;
    case SwitchCell::YellowOn:
        emit createImpuls(SwitchTime::Impuls, SwitchTime::On, time, days, 1);
        break;
    case SwitchCell::YellowOff:
        emit createImpuls(SwitchTime::Impuls, SwitchTime::Off, time, days, 1);
        break;
    default:
        break;
    }
}

void SwitchTimeListModel::applyRangeEdit(std::shared_ptr<CellModel> startModel,
                                         std::shared_ptr<CellModel> endModel, int fromRow, int toRow,
                                         int startCol, int endCol, std::shared_ptr<CellModel>) {
    if (!startModel || !endModel)
        return;
    const int f = m_firstDayOfWeek;
    const int days = Weekdays::daysOfRows(fromRow, toRow, f);
    const int startTime = startCol * SecondsPerColumn;
    const int endTime = endCol * SecondsPerColumn;
    const int startCode = startModel->typeCode();
    const int endCode = endModel->typeCode();
    switch (startCode) {
    case SwitchCell::GreenStart:
        emit createSwitchTimeRange(SwitchTime::FixSwitch, SwitchTime::FixOn, startTime, endTime, days);
        return;
    case SwitchCell::RedStart:
        emit createSwitchTimeRange(SwitchTime::FixSwitch, SwitchTime::FixOff, startTime, endTime, days);
        return;
    case SwitchCell::BlueStart:
        emit createCycle(SwitchTime::Cycle, SwitchTime::Off, startTime, endTime,
                         Weekdays::bitOfRow(fromRow, f), Weekdays::bitOfRow(toRow, f), 1, 1, false);
        return;
    default:
        break;
    }
    const bool greenAndRed = (startCode == SwitchCell::Green && endCode == SwitchCell::Red) ||
                             (startCode == SwitchCell::Red && endCode == SwitchCell::Green);
    if (!greenAndRed)
        return;
    const auto stateOf = [](int code) {
        return code == SwitchCell::Green ? SwitchTime::On : SwitchTime::Off;
    };
    emit createSwitchTime(SwitchTime::Switch, stateOf(startCode), startTime, days);
    if (startCol == endCol)
        emit invertStartEndModel();
    else
        emit createSwitchTime(SwitchTime::Switch, stateOf(endCode), endTime, days);
}
