#include "devicesim/simulateddevice.h"

#include "deviceframe.h"
#include "devicesimlogging.h"
#include "imagecheck.h"
#include "littleendian.h"

#include <devices/eepromutils.h>

#include <algorithm>
#include <cstdlib>

namespace devicesim {

namespace {

using devices::EepromUtils;

// Characteristic numbers of docs/device-protocol.md.
constexpr quint8 AuthenticationStatus = 2;
constexpr quint8 Authentication = 4;
constexpr quint8 PinUnlock = 6;
constexpr quint8 TransferStart = 10;
constexpr quint8 Memory = 12;
constexpr quint8 TransferCommit = 14;
constexpr quint8 ActiveBank = 16;
constexpr quint8 ProjectName = 18;
constexpr quint8 DateTime = 34;
constexpr quint8 Timezone = 48;
constexpr quint8 FirmwareVersion = 52;
constexpr quint8 ServiceIntervals = 66;
constexpr quint8 Location = 50; // the city
constexpr quint8 Language = 68;
constexpr quint8 W = DeviceFrame::WriteFlag;

constexpr int ModulePacket = 37;
constexpr int AdapterPacket = 74;
constexpr int MemoryHeader = 5;
constexpr int IntervalSize = 4;
constexpr int OperatingHoursOffset = 22; // of a channel setting: the service interval
constexpr int RadioConnectedBit = 0x40;
constexpr int RadioSynchronisedBit = 0x80;
constexpr int CityPayload = 6;
constexpr int SouthBit = 0x01;
constexpr int WestBit = 0x02;
constexpr int MaxLatitude = 90;
constexpr int MaxLongitude = 180;
constexpr int MaxTimezone = 31;
constexpr int Millionths = 1000000;
constexpr int DateTimePayload = 6;
constexpr int LanguagePayload = 2;
constexpr int FirstYear = 2000;

bool isAuthenticationCode(quint8 code)
{
    const quint8 characteristic = code & ~DeviceFrame::WriteFlag;
    return characteristic == AuthenticationStatus || characteristic == Authentication || characteristic == PinUnlock;
}


} // namespace

SimulatedDevice::SimulatedDevice(const devices::Device& model, const QString& serialNumber, QObject* parent)
    : QObject(parent)
    , m_serialNumber(serialNumber)
    , m_connectionType(model.hasInternalBleModule() ? ModuleConnection : AdapterConnection)
    , m_reset(model.hasInternalBleModule())
{
    m_layout.init(model);
    m_advertisedName = QStringLiteral("TarvinoRix%1_%2_%3").arg(model.rixVersion()).arg(model.ot2Number()).arg(serialNumber);
    // The whole 16-bit address space: banks, service intervals and the language area above them.
    m_memory = QByteArray(MemorySize, char(0xFF));
    const int intervals = devices::EepromConfiguration::serviceAddress(model);
    m_memory.replace(intervals, m_layout.channelSlots().size() * IntervalSize,
                     QByteArray(m_layout.channelSlots().size() * IntervalSize, '\0'));
    m_channels = ChannelControls(model.kanals());
    m_clockSet.start();
    if (model.hasDefaultLocation())
        m_city = {model.defaultLatitude(), model.defaultLongitude(), model.defaultTimezone(), model.defaultFirstChar(),
                  model.defaultChecksum()};
}

int SimulatedDevice::packetLimit() const
{
    return m_connectionType == ModuleConnection ? ModulePacket : AdapterPacket;
}

int SimulatedDevice::dataLimit() const
{
    return packetLimit() - MemoryHeader;
}

void SimulatedDevice::setMemory(int address, const QByteArray& bytes)
{
    if (address < 0 || address + bytes.size() > m_memory.size()) {
        qCWarning(devicesimLog) << "Memory write outside the memory at" << address;
        return;
    }
    m_memory.replace(address, bytes.size(), bytes);
}

bool SimulatedDevice::setActiveBank(int bank)
{
    if (bank < 0 || bank >= m_layout.bankCount())
        return false;
    m_activeBank = bank;
    return true;
}

QByteArray SimulatedDevice::handleFrame(const QByteArray& frame, Fault::Kind fault)
{
    m_received.append(frame);
    if (fault == Fault::ErrorReply)
        return DeviceFrame::error(DeviceFrame::Busy);
    if (fault == Fault::Nak || !DeviceFrame::isValid(frame))
        return DeviceFrame::nak();
    return carryOut(quint8(frame.at(1)), DeviceFrame::payload(frame));
}

QByteArray SimulatedDevice::carryOut(quint8 code, const QByteArray& payload)
{
    if (!isAuthenticationCode(code) && !m_pairing.isAuthorised())
        return DeviceFrame::error(DeviceFrame::NotAuthorised);
    if (ChannelControls::handles(code))
        return m_channels.handle(code, payload);
    if (isSensorRequest(code))
        return m_sensors.handle(code, payload);
    if (ResetSettings::handles(code))
        return m_reset.handle(code, payload);
    switch (code) {
    case AuthenticationStatus:
        return payload.isEmpty() ? m_pairing.status() : DeviceFrame::error(DeviceFrame::BadParameter);
    case W | Authentication:
        return m_pairing.authenticate(payload);
    case W | PinUnlock:
        return m_pairing.unlock(payload);
    case W | DateTime:
        return writeDateTime(payload);
    case W | Timezone:
        return writeTimezone(payload);
    case W | Language:
        return writeLanguage(payload);
    case W | TransferStart:
        return startTransfer(payload);
    case W | Memory:
        return writePacket(payload);
    case W | TransferCommit:
        return payload.isEmpty() ? commit() : DeviceFrame::error(DeviceFrame::BadParameter);
    case Memory:
        return read(payload);
    case W | ProjectName:
        return writeName(payload);
    case W | Location:
        return writeCity(payload);
    case ActiveBank:
    case ProjectName:
    case Location:
    case DateTime:
    case Timezone:
    case FirmwareVersion:
    case ServiceIntervals:
        break;
    default:
        return DeviceFrame::error(DeviceFrame::UnknownCode);
    }
    if (!payload.isEmpty())
        return DeviceFrame::error(DeviceFrame::BadParameter);
    const quint8 reply = code + 1;
    switch (code) {
    case ActiveBank:
        return DeviceFrame::make(reply, u16(activeBankAddress()));
    case ProjectName:
        return DeviceFrame::make(reply, m_projectName.toUtf8());
    case DateTime:
        return readDateTime();
    case Timezone:
        return DeviceFrame::make(reply, QByteArray(1, char(m_timezone)));
    case FirmwareVersion:
        return DeviceFrame::make(reply, QByteArray(1, char(m_firmwareMajor)) + char(m_firmwareMinor));
    case ServiceIntervals:
        return serviceIntervals();
    default:
        return DeviceFrame::make(reply, cityBytes());
    }
}

QByteArray SimulatedDevice::startTransfer(const QByteArray& payload)
{
    m_reception = {};
    if (payload.size() != 5)
        return DeviceFrame::error(DeviceFrame::BadParameter);
    const int start = readU16(payload, 0);
    const int length = readU16(payload, 2);
    const int kind = quint8(payload.at(4));
    const int expectedStart = kind == 0 ? 0 : m_layout.settingsSize();
    if (kind > 1 || start != expectedStart || length < 1 || start + length > m_layout.eepromSize())
        return DeviceFrame::error(DeviceFrame::BadParameter);

    const int target = m_layout.bankCount() > 1 ? 1 - m_activeBank : 0;
    if (kind == 1 && target != m_activeBank)
        m_memory.replace(m_layout.bankAddress(target), start, m_memory.mid(activeBankAddress(), start));
    m_reception = {true, target, start, length, kind == 0, QBitArray(length), 0};
    return DeviceFrame::ack();
}

QByteArray SimulatedDevice::writePacket(const QByteArray& payload)
{
    if (!m_reception.active)
        return DeviceFrame::error(DeviceFrame::NoTransfer);
    if (payload.size() < 3 || payload.size() - 2 > dataLimit())
        return DeviceFrame::error(DeviceFrame::BadParameter);
    const int address = readU16(payload, 0);
    const QByteArray data = payload.mid(2);
    const int offset = address - m_reception.start;
    if (offset < 0 || offset + data.size() > m_reception.length)
        return DeviceFrame::error(DeviceFrame::OutOfRange);
    m_memory.replace(m_layout.bankAddress(m_reception.bank) + address, data.size(), data);
    for (int i = offset; i < offset + data.size(); ++i) {
        if (!m_reception.received.testBit(i)) {
            m_reception.received.setBit(i);
            ++m_reception.count;
        }
    }
    return DeviceFrame::make(Memory + 1, u16(address));
}

QByteArray SimulatedDevice::commit()
{
    if (!m_reception.active)
        return DeviceFrame::error(DeviceFrame::NoTransfer);
    const Reception reception = m_reception;
    m_reception = {};
    const QByteArray image = m_memory.mid(m_layout.bankAddress(reception.bank), m_layout.eepromSize());
    if (reception.count != reception.length || !ImageCheck::accepts(image, m_layout)) {
        qCDebug(devicesimLog) << "Commit refused;" << reception.count << "of" << reception.length << "bytes received";
        return DeviceFrame::error(DeviceFrame::ImageRefused);
    }
    m_activeBank = reception.bank;
    takeServiceIntervals(image);
    if (reception.wholeImage && m_layout.hasAstro())
        takeCityFromImage(image);
    return DeviceFrame::ack();
}

QByteArray SimulatedDevice::read(const QByteArray& payload)
{
    if (payload.size() != 3)
        return DeviceFrame::error(DeviceFrame::BadParameter);
    const int address = readU16(payload, 0);
    const int count = quint8(payload.at(2));
    if (count < 1 || count > dataLimit())
        return DeviceFrame::error(DeviceFrame::BadParameter);
    if (address + count > m_memory.size())
        return DeviceFrame::error(DeviceFrame::OutOfRange);
    return DeviceFrame::make(Memory + 1, u16(address) + m_memory.mid(address, count));
}

QByteArray SimulatedDevice::writeName(const QByteArray& payload)
{
    if (payload.size() > MaxNameBytes)
        return DeviceFrame::error(DeviceFrame::BadParameter);
    m_projectName = QString::fromUtf8(payload);
    return DeviceFrame::ack();
}

QByteArray SimulatedDevice::cityBytes() const
{
    QByteArray bytes;
    bytes.append(char(std::abs(m_city.latitude)));
    bytes.append(char(std::abs(m_city.longitude)));
    bytes.append(char(m_city.timezone));
    bytes.append(char(m_city.firstChar));
    bytes.append(char(m_city.checksum));
    bytes.append(char((m_city.latitude < 0 ? SouthBit : 0) | (m_city.longitude < 0 ? WestBit : 0)));
    return bytes;
}

QByteArray SimulatedDevice::writeCity(const QByteArray& payload)
{
    if (payload.size() != CityPayload)
        return DeviceFrame::error(DeviceFrame::BadParameter);
    const int latitude = quint8(payload.at(0));
    const int longitude = quint8(payload.at(1));
    const int timezone = quint8(payload.at(2));
    if (latitude > MaxLatitude || longitude > MaxLongitude || timezone > MaxTimezone)
        return DeviceFrame::error(DeviceFrame::BadParameter);
    const int signs = quint8(payload.at(5));
    m_city = {signs & SouthBit ? -latitude : latitude, signs & WestBit ? -longitude : longitude, timezone,
              quint8(payload.at(3)), quint8(payload.at(4))};
    return DeviceFrame::ack();
}

QByteArray SimulatedDevice::writeDateTime(const QByteArray& payload)
{
    if (payload.size() != DateTimePayload)
        return DeviceFrame::error(DeviceFrame::BadParameter);
    const auto at = [&](int pos) { return int(quint8(payload.at(pos))); };
    const QDate date(FirstYear + at(0), at(1), at(2));
    const QTime time(at(3), at(4), at(5));
    if (!date.isValid() || !time.isValid())
        return DeviceFrame::error(DeviceFrame::BadParameter);
    setDateTime(QDateTime(date, time, Qt::UTC));
    return DeviceFrame::ack();
}

void SimulatedDevice::setDateTime(const QDateTime& dateTime)
{
    m_dateTime = dateTime;
    m_clockSet.start();
}

QDateTime SimulatedDevice::clock() const
{
    const qint64 seconds = m_clockSet.elapsed() / 1000;
    if (!m_dateTime.isValid())
        return QDateTime(QDate(), QTime(0, 0).addSecs(int(seconds % (24 * 3600))), Qt::UTC);
    return m_dateTime.addSecs(seconds);
}

void SimulatedDevice::setRadioClock(bool connected, bool synchronised)
{
    m_radioConnected = connected;
    m_radioSynchronised = synchronised;
}

void SimulatedDevice::setFirmwareVersion(int major, int minor)
{
    m_firmwareMajor = major;
    m_firmwareMinor = minor;
}

QByteArray SimulatedDevice::readDateTime() const
{
    const QDateTime now = clock();
    const QDate date = now.date();
    // Without a date the first three bytes are 0.
    QByteArray bytes(3, '\0');
    if (date.isValid())
        bytes = QByteArray(1, char(date.year() - FirstYear)) + char(date.month()) + char(date.day());
    bytes.append(char(now.time().hour()));
    bytes.append(char(now.time().minute()));
    bytes.append(char(now.time().second() | (m_radioConnected ? RadioConnectedBit : 0)
                      | (m_radioSynchronised ? RadioSynchronisedBit : 0)));
    return DeviceFrame::make(DateTime + 1, bytes);
}

QByteArray SimulatedDevice::writeTimezone(const QByteArray& payload)
{
    if (payload.size() != 1 || quint8(payload.at(0)) > MaxTimezone)
        return DeviceFrame::error(DeviceFrame::BadParameter);
    m_timezone = quint8(payload.at(0));
    return DeviceFrame::ack();
}

int SimulatedDevice::serviceInterval(int channel) const
{
    const int address = devices::EepromConfiguration::serviceAddress(model()) + channel * IntervalSize;
    return int(EepromUtils::readUInt(m_memory, address, IntervalSize));
}

void SimulatedDevice::setServiceInterval(int channel, int hours)
{
    if (channel < 0 || channel >= m_layout.channelSlots().size())
        return;
    const int address = devices::EepromConfiguration::serviceAddress(model()) + channel * IntervalSize;
    EepromUtils::writeUInt(m_memory, address, quint32(hours), IntervalSize);
}

QByteArray SimulatedDevice::serviceIntervals() const
{
    QByteArray bytes(1, char(m_channels.count()));
    for (int i = 0; i < m_channels.count(); ++i) {
        QByteArray interval(IntervalSize, '\0');
        EepromUtils::writeUInt(interval, 0, quint32(serviceInterval(i)), IntervalSize);
        bytes.append(interval);
    }
    return DeviceFrame::make(ServiceIntervals + 1, bytes);
}

bool SimulatedDevice::isSensorRequest(quint8 code) const
{
    return model().isNocta() && SensorBank::handles(code);
}

void SimulatedDevice::takeServiceIntervals(const QByteArray& image)
{
    const int slotCount = int(m_layout.channelSlots().size());
    for (int k = 0; k < slotCount; ++k) {
        const int setting = m_layout.channelSettingsAddress() + k * m_layout.channelSettingSize();
        setServiceInterval(k, int(EepromUtils::readUInt(image, setting + OperatingHoursOffset, IntervalSize)));
    }
}

QByteArray SimulatedDevice::writeLanguage(const QByteArray& payload)
{
    if (payload.size() != LanguagePayload || !std::all_of(payload.cbegin(), payload.cend(), [](char c) {
            return c >= 'a' && c <= 'z';
        }))
        return DeviceFrame::error(DeviceFrame::BadParameter);
    m_language = QString::fromLatin1(payload);
    return DeviceFrame::ack();
}

void SimulatedDevice::takeCityFromImage(const QByteArray& image)
{
    const int location = m_layout.astroAddress();
    const auto degrees = [&](int pos) { return qint32(EepromUtils::readUInt(image, location + pos, 4)) / Millionths; };
    m_city = {degrees(0), degrees(4), quint8(image.at(location + 8)), quint8(image.at(location + 9)),
              quint8(image.at(location + 10))};
}

} // namespace devicesim
