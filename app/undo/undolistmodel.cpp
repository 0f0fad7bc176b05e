#include "undolistmodel.h"

#include "setdatacommand.h"
#include "undologging.h"

#include <QElapsedTimer>

namespace {
qint64 monotonicMs() {
    static QElapsedTimer timer = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return timer.elapsed();
}
} // namespace

UndoListModel::UndoListModel(QObject* parent)
    : QAbstractListModel(parent)
    , m_clock(monotonicMs) {
    connect(&m_stack, &QUndoStack::canUndoChanged, this, &UndoListModel::canUndoChanged);
    connect(&m_stack, &QUndoStack::canRedoChanged, this, &UndoListModel::canRedoChanged);
    connect(&m_stack, &QUndoStack::cleanChanged, this, &UndoListModel::cleanChanged);
}

// The commands refer to this model: drop them before the model's own parts go.
UndoListModel::~UndoListModel() {
    m_stack.clear();
}

void UndoListModel::beginMacro() {
    m_stack.beginMacro(QString());
}

void UndoListModel::endMacro() {
    m_stack.endMacro();
}

void UndoListModel::clear() {
    m_stack.clear();
}

void UndoListModel::setUndoableRoles(const QSet<int>& roles) {
    m_undoableRoles = roles;
}

void UndoListModel::emitRowChanged(int row) {
    emit dataChanged(index(row, 0), index(row, 0), {});
}

void UndoListModel::setClock(Clock clock) {
    m_clock = std::move(clock);
}

bool UndoListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!m_undoableRoles.contains(role))
        return setDataInternal(index, value, role);
    if (isInGuardWindow()) {
        qCWarning(undoLog) << ">> Ignored setting" << value << "at row " << index.row() << " for role "
                           << QString::fromUtf8(roleNames().value(role));
        return setDataInternal(index, value, role);
    }
    // A refused write is refused whether or not the value is the current one.
    if (!index.isValid() || !isRowValid(index.row()) || !isWritable(index.row(), value, role))
        return false;
    if (isUnchangedBy(index, value, role))
        return true;
    const QVariant old = data(index, role);
    auto* command = new SetDataCommand(this, index, old, value, role);
    const bool applied = command->apply();
    pushIfChanged(command);
    return applied;
}

bool UndoListModel::setDataInternal(const QModelIndex&, const QVariant&, int) {
    return false;
}

QVariant UndoListModel::recordAt(int row) const {
    return row;
}

int UndoListModel::rowOfRecord(const QVariant& record) const {
    const int row = record.toInt();
    return isRowValid(row) ? row : -1;
}

QVariant UndoListModel::fieldsAt(int) const {
    return {};
}

void UndoListModel::restoreFields(int, const QVariant&, const QVariant&) {
}

bool UndoListModel::isWritable(int, const QVariant&, int) const {
    return true;
}

bool UndoListModel::isUnchangedBy(const QModelIndex& index, const QVariant& value, int role) const {
    return data(index, role) == value;
}

void UndoListModel::setClean() {
    m_stack.setClean();
}

void UndoListModel::undo() {
    m_guardStart = m_clock();
    m_stack.undo();
}

void UndoListModel::redo() {
    m_guardStart = m_clock();
    m_stack.redo();
}

void UndoListModel::push(QUndoCommand* command) {
    m_stack.push(command);
}

void UndoListModel::pushIfChanged(RowEditCommand* command) {
    if (command->isApplied() && command->changesRow())
        push(command);
    else
        delete command;
}

bool UndoListModel::isInGuardWindow() const {
    return m_guardStart && m_clock() - *m_guardStart <= GuardWindowMs;
}
