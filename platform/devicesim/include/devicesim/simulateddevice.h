#pragma once

#include "devicesim/channelcontrols.h"
#include "devicesim/fault.h"
#include "devicesim/pairing.h"
#include "devicesim/resetsettings.h"
#include "devicesim/sensorbank.h"

#include <devices/device.h>
#include <devices/eepromconfiguration.h>

#include <QBitArray>
#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>

#include <chrono>

namespace devicesim {

// A time switch of one catalogue model as docs/device-protocol.md describes it: its memory (both
// banks where the model has the internal Bluetooth LE module, and the service intervals taken
// from the last image), the project name and city it keeps apart from the images, its clock,
// channels and light sensors, and how its link behaves. It answers
// request frames with its own decoding, so that a layout mistake on either side shows.
class SimulatedDevice : public QObject {
    Q_OBJECT

public:
    static constexpr int AdapterConnection = 0;
    static constexpr int ModuleConnection = 1;
    static constexpr int MaxNameBytes = 48;
    static constexpr int MemorySize = 0x10000;

    // The device's location, as the city telegram carries it.
    struct City {
        int latitude = 0;  // whole degrees, north positive
        int longitude = 0; // whole degrees, east positive
        int timezone = 0;
        int firstChar = 0xFF;
        int checksum = 0xFF;
        bool operator==(const City&) const = default;
    };

    // A new device with erased memory (64 KiB of FF, the service intervals 0), no name, the model's default city,
    // the connection of its model and the advertised name "<family>_<OT2 number>_<serial>".
    SimulatedDevice(const devices::Device& model, const QString& serialNumber, QObject* parent = nullptr);

    const devices::Device& model() const { return m_layout.device(); }
    const devices::EepromConfiguration& layout() const { return m_layout; }
    QString serialNumber() const { return m_serialNumber; }
    QString advertisedName() const { return m_advertisedName; }
    void setAdvertisedName(const QString& name) { m_advertisedName = name; }
    int connectionType() const { return m_connectionType; }
    void setConnectionType(int type) { m_connectionType = type; }
    // The largest packet of its link, and the image bytes one memory packet carries.
    int packetLimit() const;
    int dataLimit() const;

    QByteArray memory() const { return m_memory; }
    // Overwrites memory from address on (tests put images, language images or garbage there).
    void setMemory(int address, const QByteArray& bytes);
    int activeBankAddress() const { return m_layout.bankAddress(m_activeBank); }
    // False, with the bank kept, when the model has no such bank.
    bool setActiveBank(int bank);
    // The image the device runs: eepromSize() bytes from the active bank.
    QByteArray activeImage() const { return m_memory.mid(activeBankAddress(), m_layout.eepromSize()); }
    QString projectName() const { return m_projectName; }
    void setProjectName(const QString& name) { m_projectName = name; }
    City city() const { return m_city; }
    void setCity(const City& city) { m_city = city; }
    // Who may use the device; a new connection starts a new session of it.
    Pairing& pairing() { return m_pairing; }
    const Pairing& pairing() const { return m_pairing; }
    // The clock as a program last set it (a zone-less wall-clock value in Qt::UTC), and the
    // interface language it was given (ISO 639-1); both invalid or empty until then.
    QDateTime dateTime() const { return m_dateTime; }
    // Sets the clock; it runs on from there. An invalid value: the clock has no date and counts
    // the time from midnight.
    void setDateTime(const QDateTime& dateTime);
    // The clock now: the time set plus the time since.
    QDateTime clock() const;
    bool radioClockConnected() const { return m_radioConnected; }
    bool radioClockSynchronised() const { return m_radioSynchronised; }
    void setRadioClock(bool connected, bool synchronised);
    int timezone() const { return m_timezone; }
    void setTimezone(int timezone) { m_timezone = timezone; }
    // Major and minor (0 ... 99).
    void setFirmwareVersion(int major, int minor);
    ChannelControls& channels() { return m_channels; }
    const ChannelControls& channels() const { return m_channels; }
    // The transmission status, formats and summer/winter rule; a new device is not in reset mode.
    ResetSettings& resetSettings() { return m_reset; }
    const ResetSettings& resetSettings() const { return m_reset; }
    // Sensors answer on twilight models; others know no sensor requests.
    SensorBank& sensors() { return m_sensors; }
    const SensorBank& sensors() const { return m_sensors; }
    // The service interval (hours) of the channel with that 0-based index, from the block at the
    // model's service address.
    int serviceInterval(int channel) const;
    void setServiceInterval(int channel, int hours);
    QString language() const { return m_language; }
    // Every frame received, in order, including those refused.
    QList<QByteArray> receivedTelegrams() const { return m_received; }
    void clearReceivedTelegrams() { m_received.clear(); }

    Fault fault() const { return m_fault; }
    void setFault(const Fault& fault) { m_fault = fault; }
    std::chrono::microseconds connectionInterval() const { return m_interval; }
    void setConnectionInterval(std::chrono::microseconds interval) { m_interval = interval; }
    std::chrono::milliseconds lateReplyDelay() const { return m_lateDelay; }
    void setLateReplyDelay(std::chrono::milliseconds delay) { m_lateDelay = delay; }

    // The reply to a request frame; an error reply or NAK fault refuses it without carrying it out.
    QByteArray handleFrame(const QByteArray& frame, Fault::Kind fault = Fault::None);

private:
    // The memory transfer being received.
    struct Reception {
        bool active = false;
        int bank = 0;
        int start = 0;
        int length = 0;
        bool wholeImage = false;
        QBitArray received;
        int count = 0;
    };

    QByteArray carryOut(quint8 code, const QByteArray& payload);
    QByteArray startTransfer(const QByteArray& payload);
    QByteArray writePacket(const QByteArray& payload);
    QByteArray commit();
    QByteArray read(const QByteArray& payload);
    QByteArray writeName(const QByteArray& payload);
    QByteArray cityBytes() const;
    QByteArray writeCity(const QByteArray& payload);
    QByteArray writeDateTime(const QByteArray& payload);
    QByteArray readDateTime() const;
    QByteArray writeTimezone(const QByteArray& payload);
    QByteArray serviceIntervals() const;
    bool isSensorRequest(quint8 code) const;
    // The service intervals of the channel settings of the image committed.
    void takeServiceIntervals(const QByteArray& image);
    QByteArray writeLanguage(const QByteArray& payload);
    void takeCityFromImage(const QByteArray& image);

    devices::EepromConfiguration m_layout;
    QString m_serialNumber;
    QString m_advertisedName;
    int m_connectionType = AdapterConnection;
    QByteArray m_memory;
    int m_activeBank = 0;
    Reception m_reception;
    QString m_projectName;
    City m_city;
    Pairing m_pairing;
    QDateTime m_dateTime;
    QElapsedTimer m_clockSet;
    bool m_radioConnected = false;
    bool m_radioSynchronised = false;
    int m_timezone = 12;
    int m_firmwareMajor = 1;
    int m_firmwareMinor = 20;
    ChannelControls m_channels;
    SensorBank m_sensors;
    ResetSettings m_reset;
    QString m_language;
    QList<QByteArray> m_received;
    Fault m_fault;
    std::chrono::microseconds m_interval{7500};
    std::chrono::milliseconds m_lateDelay{5000};
};

} // namespace devicesim
