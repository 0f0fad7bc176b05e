#pragma once

#include <QAbstractListModel>
#include <QSet>
#include <QUndoStack>

#include <functional>
#include <optional>

class RowEditCommand;

// Base of the editable list models: each list keeps its own undo history. Writes of the roles a
// derived model declares undoable become commands on that history; every other write goes straight
// to setDataInternal(). Writes that come within 100 ms after an undo or redo are applied without
// being recorded: they are the views echoing the values the undo just restored.
class UndoListModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY canUndoChanged)
    Q_PROPERTY(bool canRedo READ canRedo NOTIFY canRedoChanged)
    Q_PROPERTY(bool clean READ isClean NOTIFY cleanChanged)

public:
    static constexpr qint64 GuardWindowMs = 100;
    // Milliseconds of a monotonic clock.
    using Clock = std::function<qint64()>;

    explicit UndoListModel(QObject* parent = nullptr);
    ~UndoListModel() override;

    bool canUndo() const { return m_stack.canUndo(); }
    bool canRedo() const { return m_stack.canRedo(); }
    bool isClean() const { return m_stack.isClean(); }

    void beginMacro();
    void endMacro();
    void clear();
    void setUndoableRoles(const QSet<int>& roles);
    void emitRowChanged(int row);
    // Replaces the clock that times the window after an undo or redo (tests step it by hand).
    void setClock(Clock clock);

    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // Writes a value into a row without any undo bookkeeping; false when the row or the value is
    // refused. Derived models emit dataChanged themselves.
    virtual bool setDataInternal(const QModelIndex& index, const QVariant& value, int role);

    // The record a row holds, so that a command finds its row again after the list moved.
    virtual QVariant recordAt(int row) const;
    // Row of a record from recordAt(); -1 when the list no longer holds it.
    virtual int rowOfRecord(const QVariant& record) const;
    // Every field of a row, so that an undo also restores what a write changed besides its own
    // role. The base keeps none (an invalid value); undo then writes the old value back.
    virtual QVariant fieldsAt(int row) const;
    // Writes into the row the fields in which fields differs from other (the state on the other
    // side of the step): what was written behind the model meanwhile stays.
    virtual void restoreFields(int row, const QVariant& fields, const QVariant& other);

public slots:
    void setClean();
    void undo();
    void redo();

signals:
    void canUndoChanged(bool canUndo);
    void canRedoChanged(bool canRedo);
    void cleanChanged(bool clean);
    void listUpdated();

protected:
    // Whether the row takes the value for the role at all; a refused write returns false.
    virtual bool isWritable(int row, const QVariant& value, int role) const;
    // Whether writing the value would leave the row as it is. The base compares with data();
    // a model whose role reads one value for several stored states says so here.
    virtual bool isUnchangedBy(const QModelIndex& index, const QVariant& value, int role) const;
    // Pushes a command onto the own history (the derived models' own edits).
    void push(QUndoCommand* command);
    // Pushes an applied row edit that changed something; deletes any other.
    void pushIfChanged(RowEditCommand* command);
    bool isRowValid(int row) const { return row >= 0 && row < rowCount(); }

private:
    template <typename T>
    friend class InsertCommand;
    template <typename T>
    friend class RemoveCommand;

    bool isInGuardWindow() const;

    QUndoStack m_stack;
    QSet<int> m_undoableRoles;
    Clock m_clock;
    std::optional<qint64> m_guardStart;
};
