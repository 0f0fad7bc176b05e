#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QPointer>

#include <storage/switchtime.h>

class SwitchTimesViewController;
struct SwitchTimeFields;

// The editing buffer of the dialog for one switch time. Nothing reaches the switch time before
// saveModifications(), which hands the edited fields to the view controller. Times of day are
// today at that time, in UTC so that every time of day exists.
class SwitchTimeController : public QObject {
    Q_OBJECT
    Q_PROPERTY(QDateTime time READ time WRITE setTime NOTIFY timeChanged)
    Q_PROPERTY(QDateTime endTime READ endTime WRITE setEndTime NOTIFY endTimeChanged)
    Q_PROPERTY(QDateTime pulsTime READ pulsTime WRITE setPulsTime NOTIFY pulsTimeChanged)
    Q_PROPERTY(QDateTime pauseTime READ pauseTime WRITE setPauseTime NOTIFY pauseTimeChanged)
    Q_PROPERTY(int endDay READ endDay WRITE setEndDay NOTIFY endDayChanged)
    Q_PROPERTY(QList<bool> selectedDays READ selectedDays WRITE setSelectedDays NOTIFY selectedDaysChanged)
    Q_PROPERTY(int state READ state WRITE setState NOTIFY stateChanged)
    Q_PROPERTY(int type READ type WRITE setType NOTIFY typeChanged)
    Q_PROPERTY(bool endless READ endless WRITE setEndless NOTIFY endlessChanged)

public:
    static constexpr int EndlessIndex = 7;

    // index: the switch time's row when it is listed, -1 for a new one.
    SwitchTimeController(SwitchTimesViewController* owner, int index, const storage::SwitchTime& switchTime);

    QDateTime time() const { return m_time; }
    QList<bool> selectedDays() const { return m_selectedDays; }
    QDateTime endTime() const { return m_endTime; }
    int endDay() const { return m_endDay; }
    int state() const { return m_state; }
    QDateTime pulsTime() const { return m_pulsTime; }
    QDateTime pauseTime() const { return m_pauseTime; }
    int type() const { return m_type; }
    bool endless() const { return m_endDay == EndlessIndex; }

public slots:
    void setTime(const QDateTime& time);
    void setSelectedDays(const QList<bool>& days);
    void setEndTime(const QDateTime& time);
    void setEndDay(int day);
    void setState(int state);
    void setPulsTime(const QDateTime& time);
    void setPauseTime(const QDateTime& time);
    void setType(int type);
    void setEndless(bool endless);
    // False for a fixed switch time that would end where it starts.
    bool isEndDateValide(int endDay, const QDateTime& endTime) const;
    void saveModifications();

signals:
    void timeChanged(const QDateTime& time);
    void selectedDaysChanged(const QList<bool>& selectedDays);
    void endTimeChanged(const QDateTime& endTime);
    void endDayChanged(int endDay);
    void stateChanged(int state);
    void pulsTimeChanged(const QDateTime& pulsTime);
    void pauseTimeChanged(const QDateTime& pauseTime);
    void typeChanged(int type);
    void endlessChanged(bool endless);

private:
    int firstSelectedDay() const;
    int selectedDayBits() const;
    bool sameMinute(const QDateTime& a, const QDateTime& b) const;
    void settleCycleEnd();
    SwitchTimeFields editedFields();

    QPointer<SwitchTimesViewController> m_owner;
    QDateTime m_time;
    QList<bool> m_selectedDays;
    int m_index;
    storage::SwitchTime m_switchTime;
    QDateTime m_endTime;
    int m_endDay = 0;
    int m_state = 0;
    QDateTime m_pulsTime;
    QDateTime m_pauseTime;
    int m_type = 0;
};
