#pragma once

#include "dateerrorscontroller.h"
#include "daterangefields.h"
#include "recordlistmodel.h"

#include <storage/daterange.h>

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>

// The date ranges of one extra program, editable with undo. Changes of a range's values by role,
// insertions and removals go through the undo history; the selection and the clipboard copy are
// kept here, the clipboard document itself is written by the owner.
//
// Rows are told apart by their records (handles), not by their ids: a range has id 0 until it is
// stored, so the selection holds records too.
class DateRangeListModel : public RecordListModel<storage::DateRange, DateRangeFields> {
    Q_OBJECT
    Q_PROPERTY(DateErrorsController* dateErrorsController READ dateErrorsController CONSTANT)
    Q_PROPERTY(bool isAllSelected READ isAllSelected WRITE selectAll NOTIFY selectionChanged)
    Q_PROPERTY(int selectionCount READ selectionCount NOTIFY selectionChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Roles {
        TypeRole = Qt::UserRole + 1,
        StartDateRole,
        StartTimeRole,
        EndDateRole,
        EndTimeRole,
        SelectedRole,
        StartDayRole,
        EndDayRole,
        DurationRole,
        RepeatRole,
        WeekRuleDayRole,
        WeekRuleWeekDayRole,
        WeekRuleMonthRole,
        ErrorRole,
    };
    Q_ENUM(Roles)

    explicit DateRangeListModel(QObject* parent = nullptr);

    DateErrorsController* dateErrorsController() const { return m_errors; }

    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;
    // True when the change was applied; the undo history records only such changes.
    bool setDataInternal(const QModelIndex& index, const QVariant& value, int role) override;

    // For the owning extra-program controller.
    QList<storage::DateRange> dateRanges() const { return m_records; }
    // Loads another program: the undo history and the selection start afresh.
    void setDateRanges(const QList<storage::DateRange>& ranges);
    // Appends a range as one undoable step.
    void insertDateRange(const storage::DateRange& range);
    // Gives a range of the list all the fields as one undoable step, wherever its row is now.
    void editDateRange(const storage::DateRange& range, const DateRangeFields& fields);
    // Removes a row as one undoable step; false for a row outside the list.
    bool removeDateRange(int row);
    Q_INVOKABLE int errorCount() const;

public slots:
    void selectRange(int startIndex, int endIndex);
    void selectAll(bool select = true);
    void clearSelection();
    void copySelected();
    void removeSelected();
    // An empty object for a row outside the list.
    QJsonObject getJsonObject(int index) const;
    // Empties the program; this cannot be undone and clears the history.
    void removeAll();
    void triggerModelReset();

signals:
    void createDateRange(storage::DateRange::Type type, QDateTime startDate, QDateTime endDate);
    void selectionChanged();
    void countChanged();
    void needRefresh();
    void fillClipboard(QJsonArray dateRanges);

protected:
    void fieldsRestored(int row) override;
    bool isWritable(int row, const QVariant& value, int role) const override;

private:
    QList<int> applyChange(storage::DateRange& range, const QVariant& value, int role);
    QList<int> changeType(storage::DateRange& range, int type);
    void writeSelected(const QModelIndex& index, bool selected);
    void emitErrorsChanged();
    void emitSelectedRows(int first, int last);
    void resetSelection();
    void onListUpdated();

    DateErrorsController* m_errors;
};
