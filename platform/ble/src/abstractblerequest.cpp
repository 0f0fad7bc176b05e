#include "ble/abstractblerequest.h"

#include "ble/frame.h"
#include "blelogging.h"

#include <QCoreApplication>

namespace ble {

namespace {

struct Bluetooth {
    Q_DECLARE_TR_FUNCTIONS(Bluetooth)
};

QString deviceErrorText(int number)
{
    switch (number) {
    case 1: return Bluetooth::tr("Das Gerät kennt die Anfrage nicht.");
    case 2: return Bluetooth::tr("Das Gerät hat ungültige Werte erhalten.");
    case 3: return Bluetooth::tr("Die Adresse liegt außerhalb des Gerätespeichers.");
    case 4: return Bluetooth::tr("Das Gerät hat das Projekt nicht übernommen.");
    case 5: return Bluetooth::tr("Das Gerät erwartet keine Speicherübertragung.");
    case Frame::BusyError: return Bluetooth::tr("Das Gerät ist beschäftigt.");
    case 7: return Bluetooth::tr("Das Gerät verlangt eine Authentifizierung.");
    default: return Bluetooth::tr("Das Gerät meldet den Fehler %1.").arg(number);
    }
}

} // namespace

QString AbstractBLERequest::errorToString(const BLERequestResponse& response)
{
    switch (response.error()) {
    case NoError: return QString();
    case Timeout: return Bluetooth::tr("Das Gerät antwortet nicht.");
    case Disconnected: return Bluetooth::tr("Die Verbindung mit dem Gerät wurde unterbrochen.");
    case NotConnected: return Bluetooth::tr("Es ist kein Gerät verbunden.");
    case DeviceError: return deviceErrorText(Frame::errorNumber(response.data()));
    case Nak: return Bluetooth::tr("Das Gerät hat die Daten nicht angenommen.");
    case MalformedReply: return Bluetooth::tr("Die Antwort des Geräts ist beschädigt.");
    case UnexpectedReply: return Bluetooth::tr("Die Antwort des Geräts passt nicht zur Anfrage.");
    case Aborted: return Bluetooth::tr("Übertragung durch Benutzer abgebrochen");
    case InvalidRequest: return Bluetooth::tr("Die Anfrage kann nicht gesendet werden.");
    default: return Bluetooth::tr("Unbekannter Fehler %1").arg(response.error());
    }
}

AbstractBLERequest::AbstractBLERequest(QObject* receiver, bool logPackets, bool retry)
    : m_receiver(receiver)
    , m_hasReceiver(receiver != nullptr)
    , m_logPackets(logPackets)
    , m_retry(retry)
{
}

AbstractBLERequest::~AbstractBLERequest() = default;

bool AbstractBLERequest::begin(bool adapterLink)
{
    Q_UNUSED(adapterLink)
    return true;
}

void AbstractBLERequest::invoke(const QByteArray& slot, const BLERequestResponse& response) const
{
    if (slot.isEmpty() || !m_receiver)
        return;
    if (!QMetaObject::invokeMethod(m_receiver, slot.constData(), Qt::DirectConnection,
                                   Q_ARG(ble::BLERequestResponse, response)))
        qCWarning(bleLog) << "The receiver has no slot" << slot << "taking a ble::BLERequestResponse";
}

} // namespace ble
