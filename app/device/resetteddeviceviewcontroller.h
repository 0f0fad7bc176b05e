#pragma once

#include "coordinatessettingscontroller.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>

#include <memory>

#include <ble/blerequestresponse.h>
#include <ble/citytelegram.h>
#include <ble/datetelegram.h>
#include <ble/datetimeformattelegram.h>
#include <ble/readtelegram.h>
#include <ble/sowitelegram.h>
#include <ble/statustelegram.h>

namespace ble {
class BLERequestManager;
class BLEService;
} // namespace ble

// The basic settings of a device that reports itself in reset mode: reads what it holds (date and
// time formats, summer/winter rule, date and time, and the city of astronomic models), lets the
// reset pop-up edit them, and writes them back as a chain of acknowledged telegrams ending with
// the status telegram, after which the service's deviceReady() goes out. One controller serves
// every reset of the program's run: each init() starts the form afresh. A failed read or write
// ends with errorMessage, so that the user can retry or cancel.
class ResettedDeviceViewController : public QObject {
    Q_OBJECT
    Q_PROPERTY(int timeFormat READ timeFormat WRITE setTimeFormat NOTIFY timeFormatChanged)
    Q_PROPERTY(int dateFormat READ dateFormat WRITE setDateFormat NOTIFY dateFormatChanged)
    Q_PROPERTY(int soWiRuleType READ soWiRuleType WRITE setSoWiRuleType NOTIFY soWiRuleTypeChanged)
    Q_PROPERTY(int wiSoWeek READ wiSoWeek WRITE setWiSoWeek NOTIFY wiSoWeekChanged)
    Q_PROPERTY(int wiSoMonth READ wiSoMonth WRITE setWiSoMonth NOTIFY wiSoMonthChanged)
    Q_PROPERTY(int wiSoHour READ wiSoHour WRITE setWiSoHour NOTIFY wiSoHourChanged)
    Q_PROPERTY(int wiSoWeekDay READ wiSoWeekDay WRITE setWiSoWeekDay NOTIFY wiSoWeekDayChanged)
    Q_PROPERTY(int soWiWeek READ soWiWeek WRITE setSoWiWeek NOTIFY soWiWeekChanged)
    Q_PROPERTY(int soWiMonth READ soWiMonth WRITE setSoWiMonth NOTIFY soWiMonthChanged)
    Q_PROPERTY(int soWiHour READ soWiHour WRITE setSoWiHour NOTIFY soWiHourChanged)
    Q_PROPERTY(int soWiWeekDay READ soWiWeekDay WRITE setSoWiWeekDay NOTIFY soWiWeekDayChanged)
    Q_PROPERTY(QDate wiSoDate READ wiSoDate WRITE setWiSoDate NOTIFY wiSoDateChanged)
    Q_PROPERTY(QDate soWiDate READ soWiDate WRITE setSoWiDate NOTIFY soWiDateChanged)
    Q_PROPERTY(int customWiSo READ customWiSo WRITE setCustomWiSo NOTIFY customWiSoChanged)
    Q_PROPERTY(int customSoWi READ customSoWi WRITE setCustomSoWi NOTIFY customSoWiChanged)
    Q_PROPERTY(QDate date READ date WRITE setDate NOTIFY dateChanged)
    Q_PROPERTY(QDateTime time READ time WRITE setTime NOTIFY timeChanged)
    Q_PROPERTY(CoordinatesSettingsController* coordinatesController READ coordinatesController CONSTANT)
    Q_PROPERTY(bool isAstro READ isAstro NOTIFY isAstroChanged)
    Q_PROPERTY(bool isBusy READ isBusy WRITE setBusy NOTIFY isBusyChanged)
    Q_PROPERTY(int deviceOt2 READ deviceOt2 NOTIFY deviceOt2Changed)
    // The write chain is under way.
    Q_PROPERTY(bool isSending READ isSending NOTIFY isSendingChanged)
    // The device's settings have been read and no write is under way.
    Q_PROPERTY(bool canSend READ canSend NOTIFY canSendChanged)
    // Why the last read or write failed; empty while nothing failed.
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY errorMessageChanged)

public:
    static constexpr int InitialFormat = 1;

    explicit ResettedDeviceViewController(QObject* parent = nullptr);
    ~ResettedDeviceViewController() override;

    int timeFormat() const { return m_timeFormat; }
    int dateFormat() const { return m_dateFormat; }
    int soWiRuleType() const { return m_soWiRuleType; }
    int wiSoWeek() const { return m_wiSoWeek; }
    int wiSoMonth() const { return m_wiSoMonth; }
    int wiSoHour() const { return m_wiSoHour; }
    int wiSoWeekDay() const { return m_wiSoWeekDay; }
    int soWiWeek() const { return m_soWiWeek; }
    int soWiMonth() const { return m_soWiMonth; }
    int soWiHour() const { return m_soWiHour; }
    int soWiWeekDay() const { return m_soWiWeekDay; }
    QDate wiSoDate() const { return m_wiSoDate; }
    QDate soWiDate() const { return m_soWiDate; }
    int customWiSo() const { return m_customWiSo; }
    int customSoWi() const { return m_customSoWi; }
    QDate date() const { return m_date; }
    QDateTime time() const { return m_time; }
    CoordinatesSettingsController* coordinatesController() const { return m_coordinates.get(); }
    bool isAstro() const { return m_isAstro; }
    bool isBusy() const { return m_isBusy; }
    int deviceOt2() const { return m_deviceOt2; }
    bool isSending() const { return m_isSending; }
    bool canSend() const { return m_readDone && !m_isSending; }
    QString errorMessage() const { return m_errorMessage; }

public slots:
    void init();
    void sendTelegrams();
    void setBusy(bool busy);
    void setTimeFormat(int format);
    void setDateFormat(int format);
    void setSoWiRuleType(int rule);
    void setWiSoWeek(int week);
    void setWiSoMonth(int month);
    void setWiSoHour(int hour);
    void setWiSoWeekDay(int weekDay);
    void setSoWiWeek(int week);
    void setSoWiMonth(int month);
    void setSoWiHour(int hour);
    void setSoWiWeekDay(int weekDay);
    void setWiSoDate(const QDate& date);
    void setSoWiDate(const QDate& date);
    void setCustomWiSo(int value);
    void setCustomSoWi(int value);
    void setDate(const QDate& date);
    void setTime(const QDateTime& time);

    void onDateTimeFormatRead(const ble::BLERequestResponse& response);
    void onSoWiRead(const ble::BLERequestResponse& response);
    void onDateRead(const ble::BLERequestResponse& response);
    void onCityRead(const ble::BLERequestResponse& response);
    void onDateTimeFormatAckReceived(const ble::BLERequestResponse& response);
    void onSoWiAckReceived(const ble::BLERequestResponse& response);
    void onDateAckReceived(const ble::BLERequestResponse& response);
    void onCityAckReceived(const ble::BLERequestResponse& response);
    void onStatusAckReceived(const ble::BLERequestResponse& response);
    void onError(const ble::BLERequestResponse& response);

signals:
    void timeFormatChanged(int timeFormat);
    void dateFormatChanged(int dateFormat);
    void soWiRuleTypeChanged(int soWiRuleType);
    void wiSoWeekChanged(int wiSoWeek);
    void wiSoMonthChanged(int wiSoMonth);
    void wiSoHourChanged(int wiSoHour);
    void wiSoWeekDayChanged(int wiSoWeekDay);
    void soWiWeekChanged(int soWiWeek);
    void soWiMonthChanged(int soWiMonth);
    void soWiHourChanged();
    void soWiWeekDayChanged();
    void wiSoDateChanged(const QDate& wiSoDate);
    void soWiDateChanged(const QDate& soWiDate);
    void customWiSoChanged();
    void customSoWiChanged();
    void dateChanged(const QDate& date);
    void timeChanged(const QDateTime& time);
    void isAstroChanged(bool isAstro);
    void isBusyChanged(bool isBusy);
    void deviceOt2Changed();
    void isSendingChanged(bool isSending);
    void canSendChanged(bool canSend);
    void errorMessageChanged(const QString& errorMessage);

private:
    void resetForm();
    void read(int characteristic, const char* slot);
    // Parses a read reply into the telegram; false (and the read ends with a message) when it
    // does not fit.
    bool takeReply(ble::BaseTelegram& telegram, const ble::BLERequestResponse& response);
    void takeSoWi();
    void takeCity();
    void fillTelegrams();
    void fillSoWi();
    // The city of the form, when one is chosen or matched.
    bool fillCity();
    void send(ble::BaseTelegram& telegram, const char* slot);
    // False (and the chain ends with a message) unless the response is the standard acknowledgement.
    bool acknowledged(const ble::BLERequestResponse& response);
    void sendStatusOrCity();
    void failRead(const QString& detail);
    void failWrite(const QString& detail);
    void setSending(bool sending);
    void setReadDone(bool done);
    void setErrorMessage(const QString& message);

    ble::BLEService* m_service;
    ble::BLERequestManager* m_manager;
    ble::DateTimeFormatTelegram m_dateTimeFormatTelegram;
    ble::SoWiTelegram m_soWiTelegram;
    ble::DateTelegram m_dateTelegram;
    ble::CityTelegram m_cityTelegram;
    ble::StatusTelegram m_statusTelegram;
    ble::ReadTelegram m_readTelegram;
    // Made without a parent or project; this controller owns it.
    std::unique_ptr<CoordinatesSettingsController> m_coordinates;
    bool m_sendCity = false;

    int m_timeFormat = InitialFormat;
    int m_dateFormat = InitialFormat;
    int m_soWiRuleType = 0;
    int m_wiSoWeek = 0;
    int m_wiSoMonth = 0;
    int m_wiSoHour = 0;
    int m_wiSoWeekDay = 0;
    int m_soWiWeek = 0;
    int m_soWiMonth = 0;
    int m_soWiHour = 0;
    int m_soWiWeekDay = 0;
    QDate m_wiSoDate;
    QDate m_soWiDate;
    int m_customWiSo = 0;
    int m_customSoWi = 0;
    QDate m_date;
    QDateTime m_time;
    bool m_isAstro = false;
    bool m_isBusy = true;
    int m_deviceOt2 = 0;
    bool m_isSending = false;
    bool m_readDone = false;
    QString m_errorMessage;
};
