#pragma once

#include "sowidatetime.h"

#include <QAbstractListModel>
#include <QList>
#include <QSet>
#include <QStringList>

// A project's table of summer/winter time switches, one row per year from 2008 to 2099; row r
// always stands for year 2008 + r. The user edits it in a table, fills a span of years from a
// rule or from the built-in Israeli table, and copies and pastes rows through the clipboard.
// Nothing here is undoable. Every value given is checked: a row never holds a date that does
// not exist or an hour outside the hour lists.
class SommerWinterTableModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(QStringList soWiList READ soWiList NOTIFY soWiListChanged)
    Q_PROPERTY(QStringList wiSoList READ wiSoList NOTIFY wiSoListChanged)
    Q_PROPERTY(int selectionCount READ selectionCount NOTIFY hasSelectionChanged)

public:
    static constexpr int FirstYear = 2008;
    static constexpr int YearCount = 92;
    static constexpr int LastYear = FirstYear + YearCount - 1;
    static constexpr int FixedDateWeek = -1;

    enum Roles {
        WiSoDateRole = Qt::UserRole + 1,
        WiSoHourRole,
        SoWiDateRole,
        SoWiHourRole,
        EnabledRole,
        SelectedRole,
    };
    Q_ENUM(Roles)

    explicit SommerWinterTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;
    // True when the value was taken (also when the row held it already).
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    QList<SoWiDateTime> dateTimes() const { return m_table; }
    int selectionCount() const { return static_cast<int>(m_selection.size()); }

public slots:
    QStringList soWiList() const { return m_soWiList; }
    QStringList wiSoList() const { return m_wiSoList; }
    void clearAll();
    // Fills the years from firstYear to lastYear, kept within the table, from a rule per
    // direction: week 0 to 3 the first to fourth, 4 the last given weekday (0 Monday) of the month
    // of the date; week -1 the month and day of the date in every year. False, and nothing
    // written, when no year lies inside or a value is out of range.
    bool automaticFill(int firstYear, int lastYear, int newWiSoWeek, QDate newWiSoMonth, int newWiSoHour,
                       int newWiSoDay, int newSoWiWeek, QDate newSoWiMonth, int newSoWiHour, int newSoWiDay);
    // Copies the years from firstYear to lastYear, kept within the table, from the Israeli table.
    bool automaticFillIsrael(int firstYear, int lastYear);
    QDate getWeekDay(int week, int year, int month, int day) const;
    void select(int index, bool multiple);
    void selectRange(int startIndex, int endIndex);
    void selectAll();
    void copySelected();
    // Writes the rows of the clipboard document from startIndex on, each into the year of its
    // target row, and stops at the end of the table; returns the number of rows written.
    int paste(int startIndex);
    void removeSelected();
    void clearSelected();
    bool canCopy() const { return !m_selection.isEmpty(); }
    bool canPaste() const;
    // The row i; an empty value (year 0) outside the table.
    SoWiDateTime at(int i) const;
    // Writes every field of a row while a project is loaded; emits nothing. False, and nothing
    // written, when the row, its year, a date or an hour is not acceptable.
    bool set(int index, int year, QDate wiSoDate, int wiSoHour, QDate soWiDate, int soWiHour, bool enabled);

signals:
    void soWiListChanged();
    void wiSoListChanged();
    void hasSelectionChanged();
    void hasCopyChanged();

private:
    static bool isRow(int row) { return row >= 0 && row < YearCount; }
    // Keeps a span of years within the table; false when none of it lies inside.
    static bool clampYears(int& firstYear, int& lastYear);
    static QDate ruleDate(int week, const QDate& date, int weekDay, int year);
    bool writeField(int row, const QVariant& value, int role);
    void emitAllRowsChanged();
    void emitSelectionChanged();

    QList<SoWiDateTime> m_table;
    QSet<int> m_selection;
    QStringList m_soWiList;
    QStringList m_wiSoList;
};
