#pragma once

#include "daterangefields.h"
#include "trfunctions.h"
#include <storage/daterange.h>

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QPointer>

class ExtraProgramViewController;

// The editing buffer behind the dialog of one date range: the dialog binds its properties, and
// saveModifications() hands the result to the extra-program view controller, which writes it as
// one undo step. Nothing reaches the range before that. QML owns it (no parent).
//
// Date-times are wall-clock readings carried in UTC (see utils::WallClock).
class DateRangeController : public QObject, public TrFunctions {
    Q_OBJECT
    Q_INTERFACES(TrFunctions)
    Q_PROPERTY(QDateTime startTime READ startTime WRITE setStartTime NOTIFY startTimeChanged)
    Q_PROPERTY(QDateTime endTime READ endTime WRITE setEndTime NOTIFY endTimeChanged)
    Q_PROPERTY(QDate startDate READ startDate WRITE setStartDate NOTIFY startDateChanged)
    Q_PROPERTY(QDate endDate READ endDate WRITE setEndDate NOTIFY endDateChanged)
    Q_PROPERTY(int startOffset READ startOffset WRITE setStartOffset NOTIFY startOffsetChanged)
    Q_PROPERTY(int endOffset READ endOffset WRITE setEndOffset NOTIFY endOffsetChanged)
    Q_PROPERTY(int type READ type WRITE setType NOTIFY typeChanged)
    Q_PROPERTY(int repeat READ repeat WRITE setRepeat NOTIFY repeatChanged)
    Q_PROPERTY(int weekRuleDay READ weekRuleDay WRITE setWeekRuleDay NOTIFY weekRuleDayChanged)
    Q_PROPERTY(int weekRuleWeekDay READ weekRuleWeekDay WRITE setWeekRuleWeekDay NOTIFY weekRuleWeekDayChanged)
    Q_PROPERTY(int weekRuleMonth READ weekRuleMonth WRITE setWeekRuleMonth NOTIFY weekRuleMonthChanged)
    Q_PROPERTY(int duration READ duration WRITE setDuration NOTIFY durationChanged)
    // What the range would be if saved now: its length text and its error text (empty when valid).
    Q_PROPERTY(QString durationText READ durationText NOTIFY contentChanged)
    Q_PROPERTY(QString errorText READ errorText NOTIFY contentChanged)

public:
    // index: the list-model row the range was taken from, -1 for a new range.
    DateRangeController(ExtraProgramViewController* owner, int index, const storage::DateRange& range);

    // The length text of a range, as the range views and the report show it.
    static QString description(const storage::DateRange& range);

    QDateTime startTime() const { return m_start; }
    QDateTime endTime() const { return m_end; }
    QDate startDate() const { return m_start.date(); }
    QDate endDate() const { return m_end.date(); }
    int startOffset() const { return m_startOffset; }
    int endOffset() const { return m_endOffset; }
    int type() const { return m_type; }
    int repeat() const { return m_repeat; }
    int weekRuleDay() const { return m_weekRuleDay; }
    int weekRuleWeekDay() const { return m_weekRuleWeekDay; }
    int weekRuleMonth() const { return m_weekRuleMonth; }
    int duration() const { return m_duration; }
    int index() const { return m_index; }
    QString durationText() const;
    QString errorText() const;

public slots:
    // Take only the time of day of the argument.
    void setStartTime(const QDateTime& time);
    void setEndTime(const QDateTime& time);
    // Take only the date.
    void setStartDate(const QDate& date);
    void setEndDate(const QDate& date);
    void setType(int type);
    void setStartOffset(int offset);
    void setEndOffset(int offset);
    void setRepeat(int repeat);
    void setWeekRuleDay(int day);
    void setWeekRuleWeekDay(int weekDay);
    void setWeekRuleMonth(int month);
    void setDuration(int hours);
    // Writes the buffer as one undo step; nothing when the view controller is gone.
    void saveModifications();

signals:
    void startTimeChanged(const QDateTime& startTime);
    void endTimeChanged(const QDateTime& endTime);
    void startDateChanged(const QDate& startDate);
    void endDateChanged(const QDate& endDate);
    void startOffsetChanged(int startOffset);
    void endOffsetChanged(int endOffset);
    void typeChanged(int type);
    void repeatChanged();
    void weekRuleDayChanged();
    void weekRuleWeekDayChanged();
    void weekRuleMonthChanged();
    void durationChanged();
    void contentChanged();

private:
    DateRangeFields fields() const;
    storage::DateRange preview() const;
    void moveIntoYear(int year);
    void setStart(const QDateTime& start);
    void setEnd(const QDateTime& end);

    QPointer<ExtraProgramViewController> m_owner;
    int m_index;
    storage::DateRange m_range;
    QDateTime m_start;
    QDateTime m_end;
    int m_startOffset;
    int m_endOffset;
    int m_type;
    int m_repeat;
    int m_weekRuleDay;
    int m_weekRuleWeekDay;
    int m_weekRuleMonth;
    int m_duration;
};
