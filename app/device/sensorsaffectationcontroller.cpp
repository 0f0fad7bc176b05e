#include "sensorsaffectationcontroller.h"

#include "devicelogging.h"

#include <ble/blerequestmanager.h>
#include <ble/bleservice.h>
#include <devices/eepromutils.h>

namespace {

constexpr int SensorInformation = 56;
constexpr int SensorErrorCharacteristic = 60;
constexpr int CountByte = 2;
constexpr int SensorBytes = 4;
constexpr int ErrorReplySize = 4;

} // namespace

SensorsAffectationController::SensorsAffectationController(QObject* parent)
    : QAbstractListModel(parent)
    , m_manager(ble::BLEService::instance().requestManager())
    , m_infoTelegram(SensorInformation, false)
    , m_errorTelegram(SensorErrorCharacteristic, true)
{
    m_readTimer.setInterval(ReadInterval);
    connect(&m_readTimer, &QTimer::timeout, this, &SensorsAffectationController::readSensorsInfo);
    m_writeTimer.setInterval(WriteDelay);
    m_writeTimer.setSingleShot(true);
    connect(&m_writeTimer, &QTimer::timeout, this, &SensorsAffectationController::writeSensorsInfo);
}

SensorsAffectationController::~SensorsAffectationController()
{
    qCDebug(deviceLog) << "SensorsAffectationController destroyed";
}

void SensorsAffectationController::setIntervals(int readInterval, int writeDelay)
{
    m_readTimer.setInterval(readInterval);
    m_writeTimer.setInterval(writeDelay);
}

int SensorsAffectationController::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant SensorsAffectationController::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_rows.size())
        return {};
    const SensorInfo& row = m_rows.at(index.row());
    switch (role) {
    case SensorIndexRole:
        return row.sensorIndex();
    case LuxValueRole:
        return row.luxValue();
    case IsBlinkingRole:
        return row.isBlinking();
    case ChannelAffectationsRole:
        return QVariant::fromValue(row.assignments());
    default:
        return {};
    }
}

QHash<int, QByteArray> SensorsAffectationController::roleNames() const
{
    return {{SensorIndexRole, "sensorIndex"},
            {LuxValueRole, "luxValue"},
            {IsBlinkingRole, "isBlinking"},
            {ChannelAffectationsRole, "channelAffectations"}};
}

void SensorsAffectationController::startReading(int channels)
{
    if (m_channelNumber != channels) {
        m_channelNumber = channels;
        emit channelNumberChanged(channels);
    }
    m_firstWrite = true;
    m_reading = true;
    m_manager->createTelegramRequest(&m_errorTelegram, this, "onSensorsErrorRead", "", false, true);
    readSensorsInfo();
}

void SensorsAffectationController::readSensorsInfo()
{
    // A slow device must not pile reads up in the queue.
    if (m_readPending)
        return;
    m_readPending = true;
    m_manager->createExtendedPollRequest(&m_infoTelegram, this, "processSensorsInfo", "");
}

void SensorsAffectationController::stopReadTimer()
{
    // A reply still on its way must not start the polling again.
    m_reading = false;
    m_readTimer.stop();
}

void SensorsAffectationController::processSensorsInfo(const ble::BLERequestResponse& response)
{
    m_readPending = false;
    const QByteArray reply = response.data();
    if (response.error() == 0 && reply.size() > CountByte) {
        const int count = qint8(reply.at(CountByte));
        if (count > MaxSensors && !m_tooManyReported) {
            m_tooManyReported = true;
            emit tooManySensors();
        }
        resizeRows(count);
        if (reply.size() != SensorBytes * count + SensorBytes)
            qCWarning(deviceLog) << "There is not enough info for the sensors";
        else
            takeSensors(reply, count);
    }
    if (m_reading)
        m_readTimer.start();
}

void SensorsAffectationController::resizeRows(int count)
{
    const int wanted = std::max(count, 0);
    if (m_rows.size() == wanted)
        return;
    beginResetModel();
    QList<SensorInfo> rows;
    for (int k = 0; k < wanted; ++k) {
        rows.append(SensorInfo(k + 1, m_channelNumber));
        if (m_userWrite && k < m_rows.size())
            rows.last().setAssignments(m_rows.at(k).assignments());
    }
    m_rows = rows;
    endResetModel();
}

void SensorsAffectationController::takeSensors(const QByteArray& reply, int count)
{
    for (int k = 0; k < count; ++k) {
        const int pos = CountByte + 1 + SensorBytes * k;
        const int lux = devices::EepromUtils::bytesToSensorLuxValue(reply, pos);
        if (m_userWrite)
            m_rows[k].setLuxValue(lux);
        else
            m_rows[k].setLuxValueAndAssignment(lux, quint8(reply.at(pos + 3)));
    }
    if (count > 0)
        emit dataChanged(index(0), index(count - 1), {LuxValueRole, ChannelAffectationsRole});
    if (m_firstWrite)
        writeSensorsInfo();
}

void SensorsAffectationController::setAffectations(int sensorIndex, const QList<bool>& affectations)
{
    if (sensorIndex < 0 || sensorIndex >= m_rows.size())
        return;
    m_userWrite = true;
    m_rows[sensorIndex].setAssignments(affectations);
    emit dataChanged(index(sensorIndex), index(sensorIndex), {ChannelAffectationsRole});
    m_writeTimer.start();
}

void SensorsAffectationController::toggleSensorFlash(int sensorIndex)
{
    if (sensorIndex < 0 || sensorIndex >= m_rows.size())
        return;
    m_rows[sensorIndex].toggleBlinking();
    emit dataChanged(index(sensorIndex), index(sensorIndex), {IsBlinkingRole});
    writeSensorsInfo();
}

void SensorsAffectationController::writeSensorsInfo()
{
    QList<bool> blinking;
    QList<unsigned char> masks;
    for (const SensorInfo& row : std::as_const(m_rows)) {
        blinking.append(row.isBlinking());
        masks.append(row.toMask());
    }
    m_writeTelegram.setSensorsInfo(blinking, masks);
    m_manager->createTelegramRequest(&m_writeTelegram, this, "onSensorDataWritten", "", false, true);
}

void SensorsAffectationController::onSensorDataWritten(const ble::BLERequestResponse& response)
{
    m_userWrite = false;
    if (response.error() == 0)
        m_firstWrite = false;
}

void SensorsAffectationController::onSensorsErrorRead(const ble::BLERequestResponse& response)
{
    if (response.error() != 0)
        return;
    const QByteArray reply = response.data();
    if (reply.size() != ErrorReplySize) {
        qCWarning(deviceLog) << "Wrong sensor error reply";
        return;
    }
    if (qint8(reply.at(CountByte)) > 0)
        emit sensorError();
}

void SensorsAffectationController::acceptSensorError()
{
    m_manager->createTelegramRequest(&m_acceptTelegram, this, "onSensorErrorAccepted", "", false, true);
}

void SensorsAffectationController::onSensorErrorAccepted(const ble::BLERequestResponse& response)
{
    qCDebug(deviceLog) << "Sensor error accepted = " << response.data().toHex();
}

QList<int> SensorsAffectationController::lowestLuxPerChannel() const
{
    QList<int> lowest(m_channelNumber, NoSensorLux);
    for (const SensorInfo& row : m_rows) {
        for (int i = 0; i < m_channelNumber; ++i) {
            if (row.isAssigned(i) && row.luxValue() < lowest.at(i))
                lowest[i] = row.luxValue();
        }
    }
    return lowest;
}
