#pragma once

#include "basecontroller.h"
#include "daterangefields.h"

#include <holidays/holidays.h>
#include <holidays/holidaysetfilter.h>
#include <storage/daterange.h>
#include <storage/program.h>
#include <storage/storableref.h>
#include <storage/switchtime.h>

#include <QClipboard>
#include <QDateTime>
#include <QJsonArray>
#include <QList>
#include <QObject>
#include <QPointer>

class DateRangeController;
class DateRangeFilter;
class DateRangeListModel;
class ExtraProgramOwner;
class ExtraProgramSwitchTimeController;

namespace holidays {
class HolidaySetService;
}

// The controller behind the view of one extra program: its date ranges with undo, their sorted
// view, the range editor, the extra switch times, the conversion of holiday sets and copy and
// paste through the clipboard. Every change is written back into the stored program, which is
// fetched from the owner each time (the selected channel may change).
class ExtraProgramViewController : public BaseController {
    Q_OBJECT
    Q_PROPERTY(int dateRangeCount READ dateRangeCount NOTIFY dateRangeCountChanged)
    Q_PROPERTY(int totalDateRangeCount READ totalDateRangeCount NOTIFY totalDateRangeCountChanged)
    Q_PROPERTY(bool hasCopy READ hasClipboardData NOTIFY hasCopyChanged)
    Q_PROPERTY(bool hasClipboardData READ hasClipboardData NOTIFY hasClipboardDataChanged)
    Q_PROPERTY(int selectionMode READ selectionMode WRITE setSelectionMode NOTIFY selectionModeChanged)
    Q_PROPERTY(DateRangeListModel* dateRanges READ dateRanges CONSTANT)
    Q_PROPERTY(DateRangeFilter* sortedDateRanges READ sortedDateRanges CONSTANT)
    Q_PROPERTY(QObject* parent READ ownerObject CONSTANT)
    Q_PROPERTY(ExtraProgramSwitchTimeController* switchTimes READ switchTimes CONSTANT)
    Q_PROPERTY(int programNumber READ programNumber CONSTANT)
    Q_PROPERTY(holidays::Holidays* holidays READ holidays CONSTANT)
    Q_PROPERTY(holidays::HolidaySetFilter* sortedHolidaySet READ sortedHolidaySet CONSTANT)
    Q_PROPERTY(int holidayIndex READ holidayIndex NOTIFY holidayIndexChanged)
    Q_PROPERTY(bool displayExtraSwitchTimes READ displayExtraSwitchTimes CONSTANT)
    Q_PROPERTY(ExtraType extraType READ extraType CONSTANT)
    Q_PROPERTY(bool hasExtendedDateRanges READ hasExtendedDateRanges CONSTANT)

public:
    enum SelectionMode { Normal = 0, Delete = 1, Copy = 2 };
    Q_ENUM(SelectionMode)
    enum ExtraType { Standard = 1, PermOn = 2, PermOff = 3 };
    Q_ENUM(ExtraType)

    static constexpr int DefaultLux = 15;

    // The owner's object becomes the parent.
    ExtraProgramViewController(ExtraProgramOwner* owner, int programNumber, bool hideSwitchTimes);
    ~ExtraProgramViewController() override;

    int dateRangeCount() const;
    int totalDateRangeCount() const;
    bool hasClipboardData() const { return m_hasClipboardData; }
    int selectionMode() const { return m_selectionMode; }
    DateRangeListModel* dateRanges() const { return m_dateRanges; }
    DateRangeFilter* sortedDateRanges() const { return m_sortedDateRanges; }
    QObject* ownerObject() const;
    ExtraProgramOwner* owner() const { return m_owner; }
    ExtraProgramSwitchTimeController* switchTimes() const { return m_switchTimes; }
    int programNumber() const { return m_programNumber; }
    holidays::Holidays* holidays() const;
    holidays::HolidaySetFilter* sortedHolidaySet() const;
    int holidayIndex() const;
    bool displayExtraSwitchTimes() const { return m_displayExtraSwitchTimes; }
    ExtraType extraType() const;
    bool hasExtendedDateRanges() const;

    // For the content controller: load the stored program (after a project load or a change of
    // channel or program), and whether the program holds nothing.
    void reloadDateRanges();
    bool isEmpty() const;

    // For the switch-time controller: the stored program's values; reads give the defaults and
    // writes change nothing while no program is loaded.
    int luxValueOn() const;
    int luxValueOff() const;
    void setLuxValues(int on, int off);
    QList<storage::SwitchTime> programSwitches() const;
    void setSwitchTimes(const QList<storage::SwitchTime>& switches);

    // For the range editor: a new range (index < 0) is stored and appended, an existing one gets
    // the fields; each is one undo step. A range the list no longer holds is left alone.
    void storeDateRange(int index, storage::DateRange range, const DateRangeFields& fields);

public slots:
    // The editor of a row, of the sorted view when isSortedIndex; null for a row outside it.
    DateRangeController* openDateRange(int index, bool isSortedIndex = false);
    DateRangeController* createDateRange(int type = 0);
    void createFromTable(int type, const QDateTime& startDate, const QDateTime& endDate, const QDateTime& startTime,
                         const QDateTime& endTime, int startDay, int endDay);
    void remove(int index);
    void removeAll();
    void setSelectionMode(int mode);
    void checkClipboard(QClipboard::Mode mode = QClipboard::Clipboard);
    bool canPaste() const;
    void paste();
    void changeHolidays(int index);
    void createDateRangesForHolidaySet(int index);
    int applyUntilYear() const;
    void setApplyUntilYear(int year);
    void forceRefreshDateRanges();

signals:
    void dateRangeCountChanged(int count);
    void totalDateRangeCountChanged(int count);
    void hasCopyChanged(bool hasCopy);
    void hasClipboardDataChanged();
    void selectionModeChanged(int mode);
    void holidayIndexChanged();
    void selectedChannelChanged(int channel);
    void switchTimeCountChanged();
    void unsupportedDateRanges();

private slots:
    void createDateRangeSlot(int type, const QDateTime& startDate, const QDateTime& endDate, int startOffset = -1,
                             int endOffset = -1, int duration = 1, int repeat = 2, int weekRuleDay = 1,
                             int weekRuleWeekDay = 1, int weekRuleMonth = 0);
    void fillClipboard(const QJsonArray& dateRanges);

private:
    storage::StorableRef<storage::Program> program() const;
    bool canHold(int type) const;
    // Adds every range as one undo step; those of types the device cannot hold are left out and
    // reported once.
    void insertAll(const QList<DateRangeFields>& ranges);
    // Writes the fields into the range, stores it and appends it as one undo step.
    void insertNew(const DateRangeFields& fields, storage::DateRange range = storage::DateRange());
    void writeBackDateRanges();
    void emitCounts();

    ExtraProgramOwner* m_owner;
    DateRangeListModel* m_dateRanges;
    DateRangeFilter* m_sortedDateRanges;
    ExtraProgramSwitchTimeController* m_switchTimes = nullptr;
    QPointer<holidays::HolidaySetService> m_holidayService;
    int m_selectionMode = Normal;
    bool m_hasClipboardData = false;
    int m_programNumber;
    bool m_displayExtraSwitchTimes;
    bool m_loaded = false;
};
