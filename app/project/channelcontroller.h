#pragma once

#include <QDateTime>
#include <QObject>

#include <storage/channelsetting.h>
#include <storage/project.h>
#include <storage/storableref.h>

class ProjectController;

// The settings of one channel of the open project for the views: external input, holiday
// period, operating hours, signalling and earth hour. Reads and writes the channel's stored
// setting; keeps no copy. Times of day are published as today at that time.
class ChannelController : public QObject {
    Q_OBJECT
    Q_PROPERTY(int externalInputFunction READ externalInputFunction WRITE setExternalInputFunction NOTIFY
                   externalInputFunctionChanged)
    Q_PROPERTY(int externalSwitchFunction READ externalSwitchFunction WRITE setExternalSwitchFunction NOTIFY
                   externalSwitchFunctionChanged)
    Q_PROPERTY(int externalTasterFunction READ externalTasterFunction WRITE setExternalTasterFunction NOTIFY
                   externalTasterFunctionChanged)
    Q_PROPERTY(int externalStatus READ externalStatus WRITE setExternalStatus NOTIFY externalStatusChanged)
    Q_PROPERTY(int externalResettable READ externalResettable WRITE setExternalResettable NOTIFY
                   externalResettableChanged)
    Q_PROPERTY(QDateTime externalInputTime READ externalInputTime WRITE setExternalInputTime NOTIFY
                   externalInputTimeChanged)
    Q_PROPERTY(int holidayStatus READ holidayStatus WRITE setHolidayStatus NOTIFY holidayStatusChanged)
    Q_PROPERTY(
        QDateTime holidayDateBegin READ holidayBegin WRITE setHolidayDateBegin NOTIFY holidayBeginChanged)
    Q_PROPERTY(
        QDateTime holidayTimeBegin READ holidayBegin WRITE setHolidayTimeBegin NOTIFY holidayBeginChanged)
    Q_PROPERTY(QDateTime holidayDateEnd READ holidayEnd WRITE setHolidayDateEnd NOTIFY holidayEndChanged)
    Q_PROPERTY(QDateTime holidayTimeEnd READ holidayEnd WRITE setHolidayTimeEnd NOTIFY holidayEndChanged)
    Q_PROPERTY(int operatingHour READ operatingHour WRITE setOperatingHour NOTIFY operatingHourChanged)
    Q_PROPERTY(int earthHour READ earthHour WRITE setEarthHour NOTIFY earthHourChanged FINAL)
    Q_PROPERTY(int signaling READ signaling NOTIFY signalingChanged)
    Q_PROPERTY(int isSignaling READ isSignaling NOTIFY isSignalingChanged)
    Q_PROPERTY(int channelType READ channelType CONSTANT)

public:
    static constexpr int PlainType = 0;
    static constexpr int AstroType = 1;

    ChannelController(storage::Project& project, int channelIndex, ProjectController* owner);

    virtual int channelType() const { return PlainType; }

    int channelIndex() const { return m_channelIndex; }
    int externalInputFunction() const { return m_setting->externalInputFunction(); }
    int externalSwitchFunction() const { return m_setting->externalSwitchFunction(); }
    int externalTasterFunction() const { return m_setting->externalTasterFunction(); }
    int externalStatus() const { return m_setting->externalStatus(); }
    int externalResettable() const { return m_setting->externalResettable(); }
    QDateTime externalInputTime() const { return todayAt(m_setting->externalInputTime()); }
    int holidayStatus() const { return m_setting->holidayStatus(); }
    QDateTime holidayBegin() const { return m_setting->holidayBegin(); }
    QDateTime holidayEnd() const { return m_setting->holidayEnd(); }
    int operatingHour() const { return m_setting->operatingHours(); }
    int earthHour() const { return m_setting->earthHour(); }
    int signaling() const { return m_setting->signaling(); }
    int isSignaling() const;

    void setEarthHour(int value);
    // False, and nothing written, when the channel signals that value already.
    bool setSignaling(int value);

    // Today at that many seconds after midnight.
    static QDateTime todayAt(int seconds);

public slots:
    void setExternalInputFunction(int value);
    void setExternalSwitchFunction(int value);
    void setExternalTasterFunction(int value);
    void setExternalStatus(int value);
    void setExternalResettable(int value);
    // Whole minutes; the seconds too where the model takes them for a timer input.
    void setExternalInputTime(const QDateTime& time);
    void setHolidayStatus(int value);
    void setOperatingHour(int hours);
    void setHolidayDateBegin(const QDateTime& date);
    void setHolidayTimeBegin(const QDateTime& time);
    void setHolidayDateEnd(const QDateTime& date);
    void setHolidayTimeEnd(const QDateTime& time);

signals:
    void externalInputFunctionChanged(int externalInputFunction);
    void externalSwitchFunctionChanged(int externalSwitchFunction);
    void externalTasterFunctionChanged(int externalTasterFunction);
    void externalStatusChanged(int externalStatus);
    void externalResettableChanged(int externalResettable);
    void externalInputTimeChanged(const QDateTime& externalInputTime);
    void holidayStatusChanged(int holidayStatus);
    void holidayBeginChanged(const QDateTime& holidayBegin);
    void holidayEndChanged(const QDateTime& holidayEnd);
    void operatingHourChanged(int operatingHour);
    void earthHourChanged();
    void signalingChanged();
    void isSignalingChanged();

protected:
    storage::ChannelSetting& setting() const { return *m_setting; }

private:
    ProjectController* m_owner;
    int m_channelIndex;
    storage::StorableRef<storage::ChannelSetting> m_setting;
};
