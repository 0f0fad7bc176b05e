#pragma once

#include "iswitchgridcontroller.h"
#include "recordlistmodel.h"
#include "switcherrorscontroller.h"
#include "switchtimefields.h"

#include <storage/switchtime.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QSet>

// The switch times of the program open in the editor: the list behind the list view, the table and
// the week grid. Edits of fields, insertions and removals go through the undo history; the grid
// reads its cells from here and reports what the user drew as requests to create switch times.
//
// Rows are told apart by their records (handles), not by their ids: a switch time has id 0
// until it is stored, and is given its id only then.
class SwitchTimeListModel : public RecordListModel<storage::SwitchTime, SwitchTimeFields>,
                            public ISwitchGridController {
    Q_OBJECT
    Q_PROPERTY(int firstDayOfWeek READ firstDayOfWeek WRITE setFirstDayOfWeek NOTIFY firstDayOfWeekChanged)
    Q_PROPERTY(SwitchErrorsController* switchErrorsController READ switchErrorsController CONSTANT)
    Q_PROPERTY(bool isAllSelected READ isAllSelected WRITE selectAll NOTIFY selectionChanged)
    Q_PROPERTY(int selectionCount READ selectionCount NOTIFY selectionChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Roles {
        TypeRole = Qt::UserRole + 1,
        StateRole,
        StartDaysRole,
        StartTimeRole,
        PulsTimeRole,
        PauseTimeRole,
        EndTimeRole,
        EndDayRole,
        SelectedRole,
        EndlessRole,
        ErrorRole,
    };
    Q_ENUM(Roles)

    explicit SwitchTimeListModel(QObject* parent = nullptr);

    int firstDayOfWeek() const { return m_firstDayOfWeek; }
    SwitchErrorsController* switchErrorsController() const { return m_errors; }

    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;
    bool setDataInternal(const QModelIndex& index, const QVariant& value, int role) override;

    // For the switch-times view controller.
    void insertSwitchTime(const storage::SwitchTime& switchTime);
    void removeSwitchTimes(const QSet<int>& rows);
    bool containsEqual(const storage::SwitchTime& switchTime) const;
    QJsonObject jsonObjectAt(int row, int flags) const;
    static storage::SwitchTime makeDefaultSwitchTime();
    QList<storage::SwitchTime> switches() const { return m_records; }
    // Loads another program: the undo history and the selection start afresh.
    void setSwitches(const QList<storage::SwitchTime>& switches);
    // Empties the editor; this cannot be undone and clears the history.
    void removeAll();
    // Keeps only the start days in keepDays (a cycle loses all), as one undoable step.
    void moveSwitchDays(int row, int keepDays);
    // Writes an editor's fields into a listed switch time and removes it when it has no weekday
    // left, as one undoable step; nothing for a switch time the list does not hold.
    void saveFields(const storage::SwitchTime& switchTime, const SwitchTimeFields& fields);
    // Removes the switch times without a weekday, as one undoable step.
    void clearEmptySwitches();
    QJsonArray tooltipInfo(const QList<int>& indexes) const;
    int rowOfId(qint64 id) const;

    Q_INVOKABLE int errorCount() const;

    // True after a change of what fillGrid() places (rows, fields, selection, first day of the
    // week), until the next fillGrid().
    bool needsRefresh() override { return m_gridStale; }
    void fillGrid(GridModel& grid) override;
    void applySimpleEdit(std::shared_ptr<CellModel> model, int fromRow, int toRow, int col,
                         std::shared_ptr<CellModel> followModel) override;
    void applyRangeEdit(std::shared_ptr<CellModel> startModel, std::shared_ptr<CellModel> endModel,
                        int fromRow, int toRow, int startCol, int endCol,
                        std::shared_ptr<CellModel> innerModel) override;

public slots:
    void setFirstDayOfWeek(int firstDayOfWeek);
    void selectIndices(const QList<int>& indices);
    void selectRange(int startIndex, int endIndex);
    void selectAll(bool select = true);
    void clearSelection();
    void copySelected();
    void removeSelected();

signals:
    void createSwitchTime(storage::SwitchTime::Type type, storage::SwitchTime::State state, int startTime,
                          int startDays);
    void createImpuls(storage::SwitchTime::Type type, storage::SwitchTime::State state, int startTime,
                      int startDays, int pulsTime = 0);
    void createSwitchTimeRange(storage::SwitchTime::Type type, storage::SwitchTime::State state,
                               int startTime, int endTime, int startDays);
    void createCycle(storage::SwitchTime::Type type, storage::SwitchTime::State state, int startTime,
                     int endTime, int startDay, int endDay, int pulsTime = 0, int pauseTime = 0,
                     bool fromCopyPaste = false);
    void firstDayOfWeekChanged(int firstDayOfWeek);
    void selectionChanged();
    void countChanged();
    void needRefresh();
    void fillClipboard(int fromDay, int fromTime, QJsonArray switches);
    void needClearEmptySwitches();
    void updateGrid();
    void invertStartEndModel();

protected:
    void fieldsRestored(int row) override;
    bool isWritable(int row, const QVariant& value, int role) const override;
    bool isUnchangedBy(const QModelIndex& index, const QVariant& value, int role) const override;

private:
    void writeStartDays(const QModelIndex& index, int days);
    void writeTime(const QModelIndex& index, int seconds, int role);
    void writeEndDay(const QModelIndex& index, int endIndex);
    void writeSelected(const QModelIndex& index, bool selected);
    // The cycle rules that follow a change of its start or end time.
    void applyEndlessRule(const QModelIndex& index, int startTime, int endTime);
    void emitEndDayChanged(const QModelIndex& index);
    void emitErrorsChanged();
    void onDataChanged(const QList<int>& roles);
    void onListUpdated();
    // Replaces the selection and refreshes the rows of the old and the new one.
    void replaceSelection(const QSet<storage::SwitchTime>& selection);
    void emitSelectedRows(int first, int last);
    void placeInGrid(GridModel& grid, int row) const;
    void watchGridContent();

    int m_firstDayOfWeek = 0;
    SwitchErrorsController* m_errors;
    bool m_gridStale = true;
};
