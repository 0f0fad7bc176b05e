#pragma once

#include "ble/basetelegram.h"

namespace ble {

// The device's location (characteristic 50) in whole degrees, with its time-zone number and the
// city key (first character and checksum of the city's name, FF for none): written, and taken
// from the 9-byte read reply (parseReadReply).
class CityTelegram : public BaseTelegram {
public:
    static constexpr int Characteristic = 50;
    static constexpr int NoKey = 0xFF;

    CityTelegram();

    // Whole degrees, east and north positive.
    void setCity(int longitude, int latitude, int timezone, int firstChar, int checksum);
    int latitude() const { return m_latitude; }
    int longitude() const { return m_longitude; }
    int timezone() const { return m_timezone; }
    int firstChar() const { return m_firstChar; }
    int checksum() const { return m_checksum; }

    QByteArray data() const override;
    // Empty for a location outside the device's ranges.
    QByteArray bytes() const override;
    bool fromData(const QByteArray& payload) override;

private:
    bool isValid() const;

    int m_latitude = 0;
    int m_longitude = 0;
    int m_timezone = 0;
    int m_firstChar = NoKey;
    int m_checksum = NoKey;
};

} // namespace ble
