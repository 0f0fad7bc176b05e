#pragma once

#include <QDate>
#include <QDateTime>
#include <QJsonArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include "directcommandinfocontainer.h"
#include "sensorsaffectationcontroller.h"

#include <ble/accidenttelegram.h>
#include <ble/blerequestresponse.h>
#include <ble/datetelegram.h>
#include <ble/holidaytelegram.h>
#include <ble/readchannelstatetelegram.h>
#include <ble/readfirmwareversiontelegram.h>
#include <ble/readoperatingtimetelegram.h>
#include <ble/readtelegram.h>
#include <ble/resetoperatingtimetelegram.h>
#include <ble/switchstatetelegram.h>
#include <ble/timertelegram.h>
#include <ble/timezonetelegram.h>
#include <devices/device.h>

#include <functional>
#include <memory>

namespace ble {
class BLEDevice;
class BLERequestManager;
} // namespace ble

// Drives a connected device without a project: shows its clock and the state, mode and counters
// of every channel (polled once a second), and sends manual switching, timer, random, holiday,
// clock or time-zone and counter-reset commands to the selected channel (a 0-based index).
class DirectCommandController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created in MainController")
    Q_PROPERTY(ble::BLEDevice* device READ device CONSTANT)
    Q_PROPERTY(bool isCustomTime READ isCustomTime WRITE setIsCustomTime)
    Q_PROPERTY(QDate customDate READ customDate CONSTANT)
    Q_PROPERTY(QDateTime customTime READ customTime CONSTANT)
    Q_PROPERTY(QDate holidayBeginDate READ holidayBeginDate NOTIFY holidayBeginDateChanged)
    Q_PROPERTY(QDate holidayEndDate READ holidayEndDate NOTIFY holidayEndDateChanged)
    Q_PROPERTY(QDateTime holidayBeginTime READ holidayBeginTime CONSTANT)
    Q_PROPERTY(QDateTime holidayEndTime READ holidayEndTime CONSTANT)
    Q_PROPERTY(int holidayState READ holidayState WRITE setHolidayState NOTIFY holidayStateChanged)
    Q_PROPERTY(int selectedChannel READ selectedChannel WRITE setSelectedChannel NOTIFY selectedChannelChanged)
    Q_PROPERTY(DirectCommandInfoContainer* infoContainer READ infoContainer CONSTANT)
    Q_PROPERTY(bool canSetManualDateTime READ canSetManualDateTime CONSTANT)
    Q_PROPERTY(bool canSetManualHolidays READ canSetManualHolidays CONSTANT)
    Q_PROPERTY(int selectedChannelState READ selectedChannelState WRITE setSelectedChannelState NOTIFY
                   selectedChannelStateChanged)
    Q_PROPERTY(QDateTime deviceDate READ deviceDate NOTIFY deviceDateChanged)
    Q_PROPERTY(QString readDate READ readDate NOTIFY readDateChanged)
    Q_PROPERTY(bool dcfConnected READ dcfConnected NOTIFY dcfConnectedChanged)
    Q_PROPERTY(bool dcfSynchronised READ dcfSynchronised NOTIFY dcfSynchronisedChanged)
    Q_PROPERTY(bool timeIsSettable READ timeIsSettable NOTIFY timeIsSettableChanged)
    Q_PROPERTY(bool timezoneIsSettable READ timezoneIsSettable NOTIFY timezoneIsSettableChanged)
    Q_PROPERTY(int timezone READ timezone WRITE setTimezone NOTIFY timezoneChanged)
    Q_PROPERTY(int deviceTimezone READ deviceTimezone NOTIFY deviceTimezoneChanged)
    Q_PROPERTY(double deviceSoftwareVersion READ deviceSoftwareVersion NOTIFY deviceSoftwareVersionChanged)
    Q_PROPERTY(bool hideTimezone READ hideTimezone CONSTANT)

public:
    // The selected channel's state as the manual commands see it.
    enum ChannelState { OtherMode = 0, ManualActive = 1, Automatic = 2, PermanentOn = 3, PermanentOff = 4 };
    // The switch states the device takes.
    enum SwitchState { StartManual = 0, SwitchOff = 1, SwitchOn = 2, BackToProgram = 3 };

    static constexpr int PollInterval = 1000;
    static constexpr int DefaultTimezone = 12;
    static constexpr int HolidayLength = 3600;

    // The Qt date pattern the clock is shown with.
    using DatePattern = std::function<QString()>;

    // device: the connected device (the service's copy); without one nothing is sent.
    explicit DirectCommandController(ble::BLEDevice* device, DatePattern datePattern = {}, QObject* parent = nullptr);
    ~DirectCommandController() override;

    ble::BLEDevice* device() const { return m_device; }
    bool isCustomTime() const { return m_isCustomTime; }
    QDate customDate() const { return m_customDate; }
    QDateTime customTime() const { return m_customTime; }
    QDate holidayBeginDate() const { return m_holidayBeginTime.date(); }
    QDate holidayEndDate() const { return m_holidayEndTime.date(); }
    QDateTime holidayBeginTime() const { return m_holidayBeginTime; }
    QDateTime holidayEndTime() const { return m_holidayEndTime; }
    int holidayState() const { return m_holidayState; }
    int selectedChannel() const { return m_selectedChannel; }
    DirectCommandInfoContainer* infoContainer() const { return m_infoContainer; }
    bool canSetManualDateTime() const { return m_canSetManualDateTime; }
    bool canSetManualHolidays() const { return m_canSetManualHolidays; }
    int selectedChannelState() const { return m_selectedChannelState; }
    QDateTime deviceDate() const { return m_deviceDate; }
    QString readDate() const { return m_readDate; }
    bool dcfConnected() const { return m_dcfConnected; }
    bool dcfSynchronised() const { return m_dcfSynchronised; }
    bool timeIsSettable() const { return !(m_dcfConnected && m_dcfSynchronised); }
    bool timezoneIsSettable() const;
    int timezone() const { return m_timezone; }
    int deviceTimezone() const { return m_deviceTimezone; }
    double deviceSoftwareVersion() const { return m_firmwareTelegram.version(); }
    bool hideTimezone() const { return m_hideTimezone; }
    // Tests shorten the poll.
    void setPollInterval(int milliseconds) { m_pollTimer.setInterval(milliseconds); }

    Q_INVOKABLE void sendManuelTelegram();
    Q_INVOKABLE void sendOnTelegram();
    Q_INVOKABLE void sendOffTelegram();
    Q_INVOKABLE void sendAutoTelegram();
    // status: 0 off, 1 on, 2 end the timer; the time's hours and minutes are its duration.
    Q_INVOKABLE void sendTimerTelegram(const QDateTime& time, int status);
    // status: 0 off, 1 random 1, 2 random 2.
    Q_INVOKABLE void sendAccidentTelegram(int status);
    Q_INVOKABLE void sendHolidayTelegram();
    Q_INVOKABLE void sendDateTelegram();
    // selector 1: the individual time, 2: the holiday begin, 3: the holiday end.
    Q_INVOKABLE void setDate(int selector, int day, int month, int year);
    Q_INVOKABLE void setTime(int selector, int hour, int min, int sec);
    Q_INVOKABLE void readOperatingTime();
    Q_INVOKABLE void resetOperatingTime();
    Q_INVOKABLE void acceptSensorError();
    // Made on the first call, with this controller as parent.
    Q_INVOKABLE SensorsAffectationController* sensorsAffectation();
    Q_INVOKABLE void setInactivityTimeout(int time);
    Q_INVOKABLE void destroy();

public slots:
    void setHolidayState(int state);
    void setSelectedChannel(int channel);
    void setSelectedChannelState(int state);
    void setTimezone(int timezone);
    void setIsCustomTime(bool custom) { m_isCustomTime = custom; }

    void onDeviceInfoRead(const ble::BLERequestResponse& response);
    void onChannelStateRead(const ble::BLERequestResponse& response);
    void onChannelStateFailed(const ble::BLERequestResponse& response);
    void onFirmwareVersionRead(const ble::BLERequestResponse& response);
    void onDeviceDateRead(const ble::BLERequestResponse& response);
    void onDeviceDateWritten(const ble::BLERequestResponse& response);
    void onTimezoneRead(const ble::BLERequestResponse& response);
    void onTimezoneWritten(const ble::BLERequestResponse& response);
    void onOperatingTimeReceived(const ble::BLERequestResponse& response);
    void onOperatingTimeReseted(const ble::BLERequestResponse& response);
    void onManualCommandExecuted(const ble::BLERequestResponse& response);
    void onHolidayCommandExecuted(const ble::BLERequestResponse& response);
    void onError(const ble::BLERequestResponse& response);

signals:
    void holidayBeginDateChanged();
    void holidayEndDateChanged();
    void holidayStateChanged(int holidayState);
    void selectedChannelChanged(int selectedChannel);
    void selectedChannelStateChanged(int selectedChannelState);
    void deviceDateChanged();
    void readDateChanged(const QString& readDate);
    void dcfConnectedChanged(bool dcfConnected);
    void dcfSynchronisedChanged(bool dcfSynchronised);
    void timeIsSettableChanged(bool timeIsSettable);
    void timezoneIsSettableChanged(bool timezoneIsSettable);
    void timezoneChanged(int timezone);
    void deviceTimezoneChanged(int deviceTimezone);
    void deviceSoftwareVersionChanged(double deviceSoftwareVersion);
    void infoChanged(const QJsonArray& info);
    void inactiveForTooLong();
    void tooManySensors();
    void sensorError();

private slots:
    void refreshSensorsData();
    void onInactiveForTooLong();

private:
    void startSensors();
    void readChannelStates();
    // The next poll, unless the link went idle: a reply still on its way must not restart it.
    void restartPoll();
    void readDeviceDate();
    void readServiceTimes();
    void onServiceTimeRead(bool ok);
    bool processChannelStates(const QByteArray& reply);
    void updateSelectedChannelState();
    void sendSwitchState(int state);
    void takeClockFlags(bool connected, bool synchronised);
    void emitInfo();

    QPointer<ble::BLEDevice> m_device;
    DatePattern m_datePattern;
    devices::Device m_model;
    ble::BLERequestManager* m_manager;
    ble::DateTelegram m_dateTelegram;
    ble::SwitchStateTelegram m_switchStateTelegram;
    ble::ReadOperatingTimeTelegram m_operatingTimeTelegram;
    ble::ReadChannelStateTelegram m_channelStateTelegram;
    ble::HolidayTelegram m_holidayTelegram;
    ble::ReadTelegram m_readDateTelegram;
    ble::ResetOperatingTimeTelegram m_resetOperatingTimeTelegram;
    ble::TimezoneTelegram m_timezoneTelegram;
    ble::ReadFirmwareVersionTelegram m_firmwareTelegram;
    ble::TimerTelegram m_timerTelegram;
    ble::AccidentTelegram m_accidentTelegram;
    std::unique_ptr<ble::BaseTelegram> m_serviceTimeTelegram;
    DirectCommandInfoContainer* m_infoContainer;
    SensorsAffectationController* m_sensors = nullptr;
    QTimer m_pollTimer;
    bool m_firstReplyTaken = false;
    bool m_inactive = false;

    bool m_isCustomTime = false;
    QDate m_customDate;
    QDateTime m_customTime;
    QDateTime m_holidayBeginTime;
    QDateTime m_holidayEndTime;
    int m_holidayState = 0;
    int m_selectedChannel = 0;
    bool m_canSetManualDateTime = true;
    bool m_canSetManualHolidays = true;
    int m_selectedChannelState = OtherMode;
    QDateTime m_deviceDate;
    QString m_readDate;
    bool m_dcfConnected = false;
    bool m_dcfSynchronised = false;
    int m_timezone = 0;
    int m_deviceTimezone = DefaultTimezone;
    bool m_hideTimezone = false;
};
