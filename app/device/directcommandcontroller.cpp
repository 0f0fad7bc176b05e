#include "directcommandcontroller.h"

#include "devicelogging.h"
#include "directcommandinfo.h"
#include "directcommandinfocontainer.h"
#include "sensorsaffectationcontroller.h"

#include <ble/abstractblerequest.h>
#include <ble/bledevice.h>
#include <ble/blerequestmanager.h>
#include <ble/bleservice.h>
#include <ble/frame.h>
#include <ble/readservicetimetelegram.h>
#include <ble/readservicetimev2telegram.h>
#include <devices/deviceservice.h>
#include <devices/eepromconfiguration.h>

namespace {

constexpr int DateCharacteristic = 34;
constexpr int ModuleConnection = 1;
constexpr int AutomaticMode = 0;
constexpr int ManualMode = 7;
constexpr int PermanentMode = 8;

// The PC's wall clock as a zone-less value.
QDateTime wallClockNow()
{
    const QDateTime now = QDateTime::currentDateTime();
    return QDateTime(now.date(), now.time(), Qt::UTC);
}

} // namespace

DirectCommandController::DirectCommandController(ble::BLEDevice* device, DatePattern datePattern, QObject* parent)
    : QObject(parent)
    , m_device(device)
    , m_datePattern(std::move(datePattern))
    , m_manager(ble::BLEService::instance().requestManager())
    , m_readDateTelegram(DateCharacteristic, true)
    , m_infoContainer(new DirectCommandInfoContainer(this))
    , m_customDate(QDate::currentDate())
    , m_customTime(wallClockNow())
    , m_holidayBeginTime(wallClockNow())
    , m_holidayEndTime(m_holidayBeginTime.addSecs(HolidayLength))
{
    connect(&ble::BLEService::instance(), &ble::BLEService::inactiveForTooLong, this,
            &DirectCommandController::onInactiveForTooLong);
    m_pollTimer.setInterval(PollInterval);
    m_pollTimer.setSingleShot(true);
    connect(&m_pollTimer, &QTimer::timeout, this, &DirectCommandController::readChannelStates);
    if (!m_device)
        return;
    m_model = devices::DeviceService::instance().deviceByOt2Number(m_device->ot2Number());
    m_canSetManualDateTime = m_model.canSetManualDateTime();
    m_canSetManualHolidays = m_model.canSetManualHolidays();
    if (m_device->connectionType() == ModuleConnection) {
        m_hideTimezone = true;
        m_serviceTimeTelegram = std::make_unique<ble::ReadServiceTimeV2Telegram>();
    } else {
        m_serviceTimeTelegram = std::make_unique<ble::ReadServiceTimeTelegram>(
            quint64(devices::EepromConfiguration::serviceAddress(m_model)), m_model.kanals());
    }
    readChannelStates();
    m_manager->createTelegramRequest(&m_firmwareTelegram, this, "onFirmwareVersionRead", "", false, true);
    m_infoContainer->insertItems(m_model.kanals(), m_model.isNocta());
    if (m_model.isNocta())
        startSensors();
}

DirectCommandController::~DirectCommandController()
{
    qCDebug(deviceLog) << "direct commands destroyed";
}

void DirectCommandController::startSensors()
{
    SensorsAffectationController* sensors = sensorsAffectation();
    sensors->startReading(m_model.kanals());
    connect(sensors, &SensorsAffectationController::dataChanged, this, &DirectCommandController::refreshSensorsData);
    connect(sensors, &SensorsAffectationController::tooManySensors, this, &DirectCommandController::tooManySensors);
    connect(sensors, &SensorsAffectationController::sensorError, this, &DirectCommandController::sensorError);
}

SensorsAffectationController* DirectCommandController::sensorsAffectation()
{
    if (!m_sensors)
        m_sensors = new SensorsAffectationController(this);
    return m_sensors;
}

bool DirectCommandController::timezoneIsSettable() const
{
    return m_device && m_dcfConnected && m_dcfSynchronised
        && devices::DeviceService::instance().timezoneIsSettable(m_device->ot2Number());
}

// ---- channel states and polling ----

void DirectCommandController::readChannelStates()
{
    // Until the first reply has come, its follow-up reads are still to be made.
    const char* slot = m_firstReplyTaken ? "onChannelStateRead" : "onDeviceInfoRead";
    m_manager->createPollRequest(&m_channelStateTelegram, this, slot, "onChannelStateFailed");
}

void DirectCommandController::restartPoll()
{
    if (!m_inactive)
        m_pollTimer.start();
}

void DirectCommandController::onDeviceInfoRead(const ble::BLERequestResponse& response)
{
    m_firstReplyTaken = true;
    restartPoll();
    processChannelStates(response.data());
    if (m_canSetManualDateTime)
        readDeviceDate();
    readOperatingTime();
    readServiceTimes();
}

void DirectCommandController::onChannelStateRead(const ble::BLERequestResponse& response)
{
    processChannelStates(response.data());
    restartPoll();
}

void DirectCommandController::onChannelStateFailed(const ble::BLERequestResponse& response)
{
    // A lost reply must not end the live view; a lost link ends it anyway.
    qCDebug(deviceLog) << "Channel states not read:" << ble::AbstractBLERequest::errorToString(response);
    if (response.error() != ble::AbstractBLERequest::Disconnected
        && response.error() != ble::AbstractBLERequest::NotConnected)
        restartPoll();
}

bool DirectCommandController::processChannelStates(const QByteArray& reply)
{
    if (!m_channelStateTelegram.parseTelegram(reply))
        return false;
    m_infoContainer->updateChannelStates(m_channelStateTelegram.channels());
    updateSelectedChannelState();
    emitInfo();
    return true;
}

void DirectCommandController::updateSelectedChannelState()
{
    const DirectCommandInfo* info = m_infoContainer->item(m_selectedChannel);
    if (!info)
        return;
    int state = OtherMode;
    switch (info->mode()) {
    case AutomaticMode:
        state = Automatic;
        break;
    case ManualMode:
        state = ManualActive;
        break;
    case PermanentMode:
        if (info->state() == DirectCommandInfo::NotRead)
            return;
        state = info->state() == 0 ? PermanentOff : PermanentOn;
        break;
    default:
        break;
    }
    setSelectedChannelState(state);
}

void DirectCommandController::emitInfo()
{
    emit infoChanged(m_infoContainer->jsonDeviceInfo());
}

// ---- manual commands ----

void DirectCommandController::sendSwitchState(int state)
{
    m_switchStateTelegram.setChannel(quint8(m_selectedChannel));
    m_switchStateTelegram.setState(state);
    m_manager->createTelegramRequest(&m_switchStateTelegram, this, "onManualCommandExecuted", "onError", false, true);
}

void DirectCommandController::sendManuelTelegram()
{
    sendSwitchState(m_selectedChannelState == ManualActive ? BackToProgram : StartManual);
}

void DirectCommandController::sendOffTelegram()
{
    sendSwitchState(m_selectedChannelState == PermanentOff ? BackToProgram : SwitchOff);
}

void DirectCommandController::sendOnTelegram()
{
    sendSwitchState(m_selectedChannelState == PermanentOn ? BackToProgram : SwitchOn);
}

void DirectCommandController::sendAutoTelegram()
{
    sendSwitchState(BackToProgram);
}

void DirectCommandController::sendTimerTelegram(const QDateTime& time, int status)
{
    m_timerTelegram.setTime(time.time());
    m_timerTelegram.setStatus(status);
    m_timerTelegram.setChannel(quint8(m_selectedChannel));
    m_manager->createTelegramRequest(&m_timerTelegram, this, "onManualCommandExecuted", "onError", false, true);
}

void DirectCommandController::sendAccidentTelegram(int status)
{
    m_accidentTelegram.setStatus(status);
    m_accidentTelegram.setChannel(quint8(m_selectedChannel));
    m_manager->createTelegramRequest(&m_accidentTelegram, this, "onManualCommandExecuted", "onError", false, true);
}

void DirectCommandController::sendHolidayTelegram()
{
    m_holidayTelegram.setChannel(quint8(m_selectedChannel));
    m_holidayTelegram.setStatus(m_holidayState);
    m_holidayTelegram.setBeginDate(m_holidayBeginTime.date());
    m_holidayTelegram.setBeginTime(m_holidayBeginTime.time());
    m_holidayTelegram.setEndDate(m_holidayEndTime.date());
    m_holidayTelegram.setEndTime(m_holidayEndTime.time());
    m_manager->createTelegramRequest(&m_holidayTelegram, this, "onHolidayCommandExecuted", "onError", false, true);
}

void DirectCommandController::onManualCommandExecuted(const ble::BLERequestResponse& response)
{
    qCDebug(deviceLog) << "Manual command << " << response.data().toHex();
}

void DirectCommandController::onHolidayCommandExecuted(const ble::BLERequestResponse& response)
{
    qCDebug(deviceLog) << "Holiday command << " << response.data().toHex();
}

// ---- clock and time zone ----

void DirectCommandController::readDeviceDate()
{
    m_manager->createTelegramRequest(&m_readDateTelegram, this, "onDeviceDateRead", "", false, true);
}

void DirectCommandController::sendDateTelegram()
{
    if (timezoneIsSettable()) {
        m_timezoneTelegram.setWriteState();
        m_timezoneTelegram.setTimezone(m_timezone);
        m_manager->createTelegramRequest(&m_timezoneTelegram, this, "onTimezoneWritten", "onError", false, true);
        return;
    }
    if (m_isCustomTime) {
        m_dateTelegram.setDate(m_customDate);
        m_dateTelegram.setTime(m_customTime.time());
    } else {
        m_dateTelegram.setCurrentDateTime();
    }
    m_manager->createTelegramRequest(&m_dateTelegram, this, "onDeviceDateWritten", "onError", false, true);
}

void DirectCommandController::onDeviceDateWritten(const ble::BLERequestResponse&)
{
    readDeviceDate();
}

void DirectCommandController::onTimezoneWritten(const ble::BLERequestResponse&)
{
    readDeviceDate();
}

void DirectCommandController::onDeviceDateRead(const ble::BLERequestResponse& response)
{
    const QByteArray reply = response.data();
    // A reply that makes no clock leaves the clock shown as it was.
    ble::DateTelegram clock;
    if (!clock.readClock(ble::Frame::payload(reply))) {
        qCWarning(deviceLog) << "Date reply unreadable:" << reply.toHex();
        return;
    }
    const QDate date = clock.date();
    const QTime time = clock.time();
    const QString timeFormat = QStringLiteral("hh:mm:ss");
    if (date.isValid()) {
        m_deviceDate = QDateTime(date, time, Qt::UTC);
        const QString pattern = m_datePattern ? m_datePattern() : QStringLiteral("MM/dd/yy");
        m_readDate = m_deviceDate.toString(pattern + QLatin1Char(' ') + timeFormat);
    } else {
        m_deviceDate = QDateTime(QDate::currentDate(), time, Qt::UTC);
        m_readDate = m_deviceDate.toString(timeFormat);
    }
    emit readDateChanged(m_readDate);
    emit deviceDateChanged();
    const bool connected = clock.radioConnected();
    const bool synchronised = clock.radioSynchronised();
    qCDebug(deviceLog) << "DCF_CONNECTED = " << connected << "DCF_SYNC = " << synchronised;
    takeClockFlags(connected, synchronised);
    if (timezoneIsSettable()) {
        emit timezoneIsSettableChanged(true);
        m_timezoneTelegram.setReadState();
        m_manager->createTelegramRequest(&m_timezoneTelegram, this, "onTimezoneRead", "onError", false, true);
    }
}

void DirectCommandController::takeClockFlags(bool connected, bool synchronised)
{
    const bool settableBefore = timezoneIsSettable();
    if (connected != m_dcfConnected) {
        m_dcfConnected = connected;
        emit dcfConnectedChanged(connected);
        emit timeIsSettableChanged(timeIsSettable());
    }
    if (synchronised != m_dcfSynchronised) {
        m_dcfSynchronised = synchronised;
        emit dcfSynchronisedChanged(synchronised);
        emit timeIsSettableChanged(timeIsSettable());
    }
    // The view hides the time zone again when the radio clock is lost.
    if (settableBefore && !timezoneIsSettable())
        emit timezoneIsSettableChanged(false);
}

void DirectCommandController::onTimezoneRead(const ble::BLERequestResponse& response)
{
    if (!m_timezoneTelegram.parseTelegram(response.data())) {
        qCWarning(deviceLog) << "Error while reading timezone with response: " << response.data().toHex();
        return;
    }
    m_deviceTimezone = m_timezoneTelegram.timezone();
    emit deviceTimezoneChanged(m_deviceTimezone);
    setTimezone(m_deviceTimezone);
}

// ---- counters ----

void DirectCommandController::readOperatingTime()
{
    m_manager->createTelegramRequest(&m_operatingTimeTelegram, this, "onOperatingTimeReceived", "onError", false,
                                     true);
}

void DirectCommandController::onOperatingTimeReceived(const ble::BLERequestResponse& response)
{
    if (!m_operatingTimeTelegram.parseTelegram(response.data()))
        return;
    m_infoContainer->updateOperatingTimes(m_operatingTimeTelegram.channels());
    emitInfo();
}

void DirectCommandController::resetOperatingTime()
{
    m_resetOperatingTimeTelegram.setChannel(quint8(m_selectedChannel));
    m_manager->createTelegramRequest(&m_resetOperatingTimeTelegram, this, "onOperatingTimeReseted", "onError", false,
                                     true);
}

void DirectCommandController::onOperatingTimeReseted(const ble::BLERequestResponse& response)
{
    if (response.error() == 0 && response.data() == ble::BaseTelegram::STANDARD_ACK)
        readOperatingTime();
}

void DirectCommandController::readServiceTimes()
{
    m_manager->createTelegramRequest(
        m_serviceTimeTelegram.get(), [this](bool ok) { onServiceTimeRead(ok); }, {}, false, false, this);
}

void DirectCommandController::onServiceTimeRead(bool ok)
{
    if (!ok)
        return;
    QList<int> times;
    if (auto* perChannel = dynamic_cast<ble::ReadServiceTimeTelegram*>(m_serviceTimeTelegram.get())) {
        if (!perChannel->atEnd()) {
            perChannel->nextChannel();
            readServiceTimes();
            return;
        }
        times = perChannel->serviceTimes();
    } else if (auto* all = dynamic_cast<ble::ReadServiceTimeV2Telegram*>(m_serviceTimeTelegram.get())) {
        times = all->serviceTimes();
    }
    if (times.isEmpty())
        return;
    m_infoContainer->updateServiceTimes(times);
    emitInfo();
}

void DirectCommandController::onFirmwareVersionRead(const ble::BLERequestResponse& response)
{
    if (!m_firmwareTelegram.parseTelegram(response.data())) {
        qCWarning(deviceLog) << "An error occured while reading the software version of the device, maybe the "
                                "command is not supported.";
        return;
    }
    qCDebug(deviceLog) << "Device software version = " << m_firmwareTelegram.version();
    emit deviceSoftwareVersionChanged(m_firmwareTelegram.version());
}

// ---- settings of the view ----

void DirectCommandController::setDate(int selector, int day, int month, int year)
{
    qCDebug(deviceLog).nospace() << "Date " << selector << ": " << day << "/" << month << "/" << year;
    const QDate date(year, month, day);
    if (selector == 1) {
        m_customDate = date;
    } else if (selector == 2) {
        m_holidayBeginTime.setDate(date);
        emit holidayBeginDateChanged();
    } else if (selector == 3) {
        m_holidayEndTime.setDate(date);
        emit holidayEndDateChanged();
    }
}

void DirectCommandController::setTime(int selector, int hour, int min, int sec)
{
    qCDebug(deviceLog).nospace() << "Time " << selector << ": " << hour << ":" << min << ":" << sec;
    const QTime time(hour, min, sec);
    if (selector == 1)
        m_customTime.setTime(time);
    else if (selector == 2)
        m_holidayBeginTime.setTime(time);
    else if (selector == 3)
        m_holidayEndTime.setTime(time);
}

void DirectCommandController::setHolidayState(int state)
{
    if (m_holidayState == state)
        return;
    m_holidayState = state;
    emit holidayStateChanged(state);
}

void DirectCommandController::setSelectedChannel(int channel)
{
    if (m_selectedChannel != channel) {
        m_selectedChannel = channel;
        emit selectedChannelChanged(channel);
    }
    updateSelectedChannelState();
}

void DirectCommandController::setSelectedChannelState(int state)
{
    if (m_selectedChannelState == state)
        return;
    m_selectedChannelState = state;
    emit selectedChannelStateChanged(state);
}

void DirectCommandController::setTimezone(int timezone)
{
    if (m_timezone == timezone)
        return;
    m_timezone = timezone;
    emit timezoneChanged(timezone);
}

// ---- sensors, inactivity, errors ----

void DirectCommandController::refreshSensorsData()
{
    if (m_sensors)
        m_infoContainer->updateLuxValues(m_sensors->lowestLuxPerChannel());
}

void DirectCommandController::acceptSensorError()
{
    if (m_sensors)
        m_sensors->acceptSensorError();
}

void DirectCommandController::setInactivityTimeout(int time)
{
    qCDebug(deviceLog) << "Set inactivity timeout: " << time;
    ble::BLEService::instance().setInactivityTimeout(time);
}

void DirectCommandController::onInactiveForTooLong()
{
    m_inactive = true;
    m_pollTimer.stop();
    if (m_model.isNocta())
        sensorsAffectation()->stopReadTimer();
    emit inactiveForTooLong();
}

void DirectCommandController::onError(const ble::BLERequestResponse& response)
{
    qCDebug(deviceLog) << ble::AbstractBLERequest::errorToString(response);
}

void DirectCommandController::destroy()
{
    deleteLater();
}
