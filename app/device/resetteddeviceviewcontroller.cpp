#include "resetteddeviceviewcontroller.h"

#include "devicelogging.h"

#include <ble/abstractblerequest.h>
#include <ble/bledevice.h>
#include <ble/blerequestmanager.h>
#include <ble/bleservice.h>
#include <countries/countryservice.h>
#include <devices/deviceservice.h>
#include <trfunctions.h>

#include <QCoreApplication>

namespace {

constexpr int FormatsCharacteristic = ble::DateTimeFormatTelegram::Characteristic;
constexpr int SoWiCharacteristic = ble::SoWiTelegram::Characteristic;
constexpr int DateCharacteristic = ble::DateTelegram::Characteristic;
constexpr int CityCharacteristic = ble::CityTelegram::Characteristic;
constexpr int NoMatch = -1;

// Stores the value; true when it changed.
template <typename T>
bool change(T& member, const T& value)
{
    if (member == value)
        return false;
    member = value;
    return true;
}

// The PC's wall clock as a zone-less value.
QDateTime wallClockNow()
{
    const QDateTime now = QDateTime::currentDateTime();
    return QDateTime(now.date(), now.time(), Qt::UTC);
}

} // namespace

ResettedDeviceViewController::ResettedDeviceViewController(QObject* parent)
    : QObject(parent)
    , m_service(&ble::BLEService::instance())
    , m_manager(m_service->requestManager())
    , m_statusTelegram(ble::StatusTelegram::Ready)
    , m_readTelegram(FormatsCharacteristic, true)
    , m_coordinates(std::make_unique<CoordinatesSettingsController>())
    , m_wiSoDate(QDate::currentDate())
    , m_soWiDate(QDate::currentDate())
    , m_date(QDate::currentDate())
    , m_time(wallClockNow())
{
}

ResettedDeviceViewController::~ResettedDeviceViewController()
{
    qCDebug(deviceLog) << "ResettedDeviceViewController deleted";
}

// ---- read chain ----

void ResettedDeviceViewController::init()
{
    resetForm();
    const ble::BLEDevice* device = m_service->connectedDevice();
    m_deviceOt2 = device ? device->ot2Number() : 0;
    const bool haveCatalogue = devices::DeviceService::hasInstance();
    m_isAstro = haveCatalogue && devices::DeviceService::instance().isAstro(m_deviceOt2);
    emit deviceOt2Changed();
    emit isAstroChanged(m_isAstro);
    m_soWiTelegram.setInternalBleClock(haveCatalogue
                                       && devices::DeviceService::instance().hasInternalBleModule(m_deviceOt2));
    setBusy(true);
    read(FormatsCharacteristic, "onDateTimeFormatRead");
}

// Every reset starts from the form's initial values, so nothing of an earlier device remains.
void ResettedDeviceViewController::resetForm()
{
    setErrorMessage(QString());
    setSending(false);
    setReadDone(false);
    setTimeFormat(InitialFormat);
    setDateFormat(InitialFormat);
    setSoWiRuleType(0);
    setWiSoWeek(0);
    setWiSoMonth(0);
    setWiSoHour(0);
    setWiSoWeekDay(0);
    setSoWiWeek(0);
    setSoWiMonth(0);
    setSoWiHour(0);
    setSoWiWeekDay(0);
    setWiSoDate(QDate::currentDate());
    setSoWiDate(QDate::currentDate());
    setCustomWiSo(0);
    setCustomSoWi(0);
    setDate(QDate::currentDate());
    setTime(wallClockNow());
    m_coordinates->setCountry(NoMatch, false);
    m_coordinates->setCity(NoMatch, false);
}

void ResettedDeviceViewController::read(int characteristic, const char* slot)
{
    m_readTelegram.setCharacteristic(characteristic);
    m_manager->createTelegramRequest(&m_readTelegram, this, slot, "onError", false, true);
}

bool ResettedDeviceViewController::takeReply(ble::BaseTelegram& telegram, const ble::BLERequestResponse& response)
{
    if (telegram.parseReadReply(response.data()))
        return true;
    failRead(trText("Settings", "Die Antwort des Geräts ist unverständlich."));
    return false;
}

void ResettedDeviceViewController::onDateTimeFormatRead(const ble::BLERequestResponse& response)
{
    if (!takeReply(m_dateTimeFormatTelegram, response))
        return;
    setDateFormat(m_dateTimeFormatTelegram.dateFormat());
    setTimeFormat(m_dateTimeFormatTelegram.timeFormat());
    read(SoWiCharacteristic, "onSoWiRead");
}

void ResettedDeviceViewController::onSoWiRead(const ble::BLERequestResponse& response)
{
    if (!takeReply(m_soWiTelegram, response))
        return;
    takeSoWi();
    read(DateCharacteristic, "onDateRead");
}

void ResettedDeviceViewController::takeSoWi()
{
    const ble::SoWiTelegram& t = m_soWiTelegram;
    setSoWiRuleType(t.rule());
    setWiSoHour(t.wiSoHour());
    setSoWiHour(t.soWiHour());
    if (ble::SoWiTelegram::isDateRule(t.rule())) {
        setWiSoDate(t.wiSoDate());
        setSoWiDate(t.soWiDate());
    } else {
        setWiSoWeek(t.wiSoWeek());
        setWiSoMonth(t.wiSoMonth());
        setWiSoWeekDay(t.wiSoWeekDay());
        setSoWiWeek(t.soWiWeek());
        setSoWiMonth(t.soWiMonth());
        setSoWiWeekDay(t.soWiWeekDay());
    }
    // Only the internal clock keeps the own rule's values; writing 0 back would change them.
    if (t.internalBleClock()) {
        setCustomWiSo(t.customWiSo());
        setCustomSoWi(t.customSoWi());
    }
}

void ResettedDeviceViewController::onDateRead(const ble::BLERequestResponse& response)
{
    if (!takeReply(m_dateTelegram, response))
        return;
    // A device without a date keeps today's in the form.
    if (m_dateTelegram.date().isValid())
        setDate(m_dateTelegram.date());
    setTime(QDateTime(m_date, m_dateTelegram.time(), Qt::UTC));
    if (m_isAstro) {
        read(CityCharacteristic, "onCityRead");
        return;
    }
    setReadDone(true);
    setBusy(false);
}

void ResettedDeviceViewController::onCityRead(const ble::BLERequestResponse& response)
{
    if (!takeReply(m_cityTelegram, response))
        return;
    takeCity();
    setReadDone(true);
    setBusy(false);
}

void ResettedDeviceViewController::takeCity()
{
    const ble::CityTelegram& t = m_cityTelegram;
    QList<int> found{NoMatch, NoMatch};
    if (countries::CountryService::hasInstance())
        found = countries::CountryService::instance().cityIndexInDegreeCell(t.latitude(), t.longitude(), t.timezone(),
                                                                              t.firstChar(), t.checksum());
    qCDebug(deviceLog) << "Device city" << t.latitude() << t.longitude() << "is catalogue city" << found;
    m_coordinates->setCountry(found.value(0, NoMatch), false);
    m_coordinates->setCity(found.value(1, NoMatch), true);
    if (found.value(1, NoMatch) != NoMatch)
        return;
    // No catalogue city: the form shows the location the device holds, not the one it showed.
    m_coordinates->setLatitudeLongitude(t.latitude(), t.longitude());
    m_coordinates->setTimezone(t.timezone());
}

void ResettedDeviceViewController::failRead(const QString& detail)
{
    qCWarning(deviceLog).noquote() << "Reset settings not read:" << detail;
    setErrorMessage(
        trText("Settings", "Die Einstellungen des Geräts konnten nicht gelesen werden: %1").arg(detail));
    setBusy(false);
}

// ---- write chain ----

void ResettedDeviceViewController::sendTelegrams()
{
    if (!canSend())
        return;
    setErrorMessage(QString());
    fillTelegrams();
    setSending(true);
    send(m_dateTimeFormatTelegram, "onDateTimeFormatAckReceived");
}

void ResettedDeviceViewController::fillTelegrams()
{
    m_dateTimeFormatTelegram.setDateFormat(m_dateFormat);
    m_dateTimeFormatTelegram.setTimeFormat(m_timeFormat);
    fillSoWi();
    m_dateTelegram.setDate(m_date);
    m_dateTelegram.setTime(m_time.time());
    m_sendCity = m_isAstro && fillCity();
}

void ResettedDeviceViewController::fillSoWi()
{
    if (m_soWiTelegram.internalBleClock())
        m_soWiTelegram.setSoWi(m_soWiRuleType, m_wiSoWeekDay, m_soWiWeekDay, m_wiSoMonth, m_soWiMonth, m_wiSoDate,
                               m_soWiDate, m_wiSoWeek, m_soWiWeek, m_wiSoHour, m_soWiHour, m_customWiSo,
                               m_customSoWi);
    else if (!ble::SoWiTelegram::isDateRule(m_soWiRuleType))
        m_soWiTelegram.setSoWi(m_soWiRuleType, m_wiSoHour, m_wiSoWeek, m_wiSoMonth, m_wiSoWeekDay, m_soWiWeek,
                               m_soWiMonth);
    else
        m_soWiTelegram.setSoWi(m_soWiRuleType, m_wiSoHour, m_wiSoDate, m_soWiDate);
}

bool ResettedDeviceViewController::fillCity()
{
    const std::optional<countries::City> city = m_coordinates->currentCity();
    if (!city) {
        qCDebug(deviceLog) << "No city chosen: the device keeps its location";
        return false;
    }
    // Whole degrees, cut toward zero.
    m_cityTelegram.setCity(int(city->longitude()), int(city->latitude()), city->timezone(), city->firstChar(),
                           city->checksum());
    return true;
}

void ResettedDeviceViewController::send(ble::BaseTelegram& telegram, const char* slot)
{
    m_manager->createTelegramRequest(&telegram, this, slot, "onError", false, true);
}

bool ResettedDeviceViewController::acknowledged(const ble::BLERequestResponse& response)
{
    if (response.error() == ble::AbstractBLERequest::NoError && response.data() == ble::BaseTelegram::STANDARD_ACK)
        return true;
    failWrite(trText("Settings", "Das Gerät hat die Daten nicht angenommen."));
    return false;
}

void ResettedDeviceViewController::onDateTimeFormatAckReceived(const ble::BLERequestResponse& response)
{
    if (acknowledged(response))
        send(m_soWiTelegram, "onSoWiAckReceived");
}

void ResettedDeviceViewController::onSoWiAckReceived(const ble::BLERequestResponse& response)
{
    if (acknowledged(response))
        send(m_dateTelegram, "onDateAckReceived");
}

void ResettedDeviceViewController::onDateAckReceived(const ble::BLERequestResponse& response)
{
    if (!acknowledged(response))
        return;
    if (m_sendCity)
        send(m_cityTelegram, "onCityAckReceived");
    else
        send(m_statusTelegram, "onStatusAckReceived");
}

void ResettedDeviceViewController::onCityAckReceived(const ble::BLERequestResponse& response)
{
    if (acknowledged(response))
        send(m_statusTelegram, "onStatusAckReceived");
}

void ResettedDeviceViewController::onStatusAckReceived(const ble::BLERequestResponse& response)
{
    if (!acknowledged(response))
        return;
    setSending(false);
    setReadDone(false);
    emit m_service->deviceReady(m_service->connectedDevice());
}

void ResettedDeviceViewController::failWrite(const QString& detail)
{
    qCWarning(deviceLog).noquote() << "Reset settings not written:" << detail;
    setErrorMessage(
        trText("Settings", "Die Einstellungen konnten nicht an das Gerät gesendet werden: %1").arg(detail));
    setSending(false);
}

void ResettedDeviceViewController::onError(const ble::BLERequestResponse& response)
{
    const QString detail = ble::AbstractBLERequest::errorToString(response);
    qCDebug(deviceLog).noquote() << detail;
    if (m_isSending)
        failWrite(detail);
    else
        failRead(detail);
}

// ---- state ----

void ResettedDeviceViewController::setBusy(bool busy)
{
    if (change(m_isBusy, busy))
        emit isBusyChanged(busy);
}

void ResettedDeviceViewController::setSending(bool sending)
{
    const bool could = canSend();
    if (change(m_isSending, sending))
        emit isSendingChanged(sending);
    if (could != canSend())
        emit canSendChanged(canSend());
}

void ResettedDeviceViewController::setReadDone(bool done)
{
    const bool could = canSend();
    m_readDone = done;
    if (could != canSend())
        emit canSendChanged(canSend());
}

void ResettedDeviceViewController::setErrorMessage(const QString& message)
{
    if (change(m_errorMessage, message))
        emit errorMessageChanged(message);
}

// ---- form ----

void ResettedDeviceViewController::setTimeFormat(int format)
{
    if (change(m_timeFormat, format))
        emit timeFormatChanged(format);
}

void ResettedDeviceViewController::setDateFormat(int format)
{
    if (change(m_dateFormat, format))
        emit dateFormatChanged(format);
}

void ResettedDeviceViewController::setSoWiRuleType(int rule)
{
    if (change(m_soWiRuleType, rule))
        emit soWiRuleTypeChanged(rule);
}

void ResettedDeviceViewController::setWiSoWeek(int week)
{
    if (change(m_wiSoWeek, week))
        emit wiSoWeekChanged(week);
}

void ResettedDeviceViewController::setWiSoMonth(int month)
{
    if (change(m_wiSoMonth, month))
        emit wiSoMonthChanged(month);
}

void ResettedDeviceViewController::setWiSoHour(int hour)
{
    if (change(m_wiSoHour, hour))
        emit wiSoHourChanged(hour);
}

void ResettedDeviceViewController::setWiSoWeekDay(int weekDay)
{
    if (change(m_wiSoWeekDay, weekDay))
        emit wiSoWeekDayChanged(weekDay);
}

void ResettedDeviceViewController::setSoWiWeek(int week)
{
    if (change(m_soWiWeek, week))
        emit soWiWeekChanged(week);
}

void ResettedDeviceViewController::setSoWiMonth(int month)
{
    if (change(m_soWiMonth, month))
        emit soWiMonthChanged(month);
}

void ResettedDeviceViewController::setSoWiHour(int hour)
{
    if (change(m_soWiHour, hour))
        emit soWiHourChanged();
}

void ResettedDeviceViewController::setSoWiWeekDay(int weekDay)
{
    if (change(m_soWiWeekDay, weekDay))
        emit soWiWeekDayChanged();
}

void ResettedDeviceViewController::setWiSoDate(const QDate& date)
{
    if (change(m_wiSoDate, date))
        emit wiSoDateChanged(date);
}

void ResettedDeviceViewController::setSoWiDate(const QDate& date)
{
    if (change(m_soWiDate, date))
        emit soWiDateChanged(date);
}

void ResettedDeviceViewController::setCustomWiSo(int value)
{
    if (change(m_customWiSo, value))
        emit customWiSoChanged();
}

void ResettedDeviceViewController::setCustomSoWi(int value)
{
    if (change(m_customSoWi, value))
        emit customSoWiChanged();
}

void ResettedDeviceViewController::setDate(const QDate& date)
{
    if (change(m_date, date))
        emit dateChanged(date);
}

void ResettedDeviceViewController::setTime(const QDateTime& time)
{
    if (change(m_time, time))
        emit timeChanged(time);
}
