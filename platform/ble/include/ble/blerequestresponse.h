#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QObject>

namespace ble {

// The outcome of a request as its receiver gets it: error() 0 and the reply frame (the image bytes
// of a memory read), or an AbstractBLERequest::Error and the reply that caused it, if any.
class BLERequestResponse {
    Q_GADGET
    Q_PROPERTY(int error READ error CONSTANT)
    Q_PROPERTY(QByteArray data READ data CONSTANT)

public:
    BLERequestResponse() = default;
    BLERequestResponse(int error, const QByteArray& data)
        : m_error(error)
        , m_data(data)
    {
    }

    int error() const { return m_error; }
    QByteArray data() const { return m_data; }

private:
    int m_error = 0;
    QByteArray m_data;
};

} // namespace ble

Q_DECLARE_METATYPE(ble::BLERequestResponse)
