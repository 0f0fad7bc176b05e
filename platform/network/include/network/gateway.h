#pragma once

#include <QJsonObject>
#include <QString>

namespace network {

// A network gateway of the cloud account, as the gateway list describes it.
class Gateway {
public:
    Gateway() = default;
    // From one entry of the gateway list: the members "name", "serial" and "type"; a member
    // that is missing or not a string reads as empty.
    explicit Gateway(const QJsonObject& object);

    QString name() const { return m_name; }
    QString serial() const { return m_serial; }
    QString type() const { return m_type; }
    // A gateway can be addressed only by its serial number.
    bool isValid() const { return !m_serial.isEmpty(); }

private:
    QString m_name;
    QString m_serial;
    QString m_type;
};

} // namespace network
