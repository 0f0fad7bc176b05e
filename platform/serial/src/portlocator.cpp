#include "portlocator.h"

#include <QFileInfo>
#include <QSerialPortInfo>

namespace serial {

QString PortLocator::portName(const QString& settingOverride)
{
    const QString variable = qEnvironmentVariable(PortVariable);
    if (!variable.isEmpty())
        return existing(variable);
    if (!settingOverride.isEmpty())
        return existing(settingOverride);
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& port : ports) {
        if (port.hasVendorIdentifier() && port.hasProductIdentifier() && port.vendorIdentifier() == VendorId
            && port.productIdentifier() == ProductId)
            return port.systemLocation();
    }
    return {};
}

// A pseudo-terminal is no port that the port list shows, so a named port only has to exist.
QString PortLocator::existing(const QString& name)
{
    const QString path = name.contains(QLatin1Char('/')) ? name : QStringLiteral("/dev/") + name;
    return QFileInfo::exists(path) ? path : QString();
}

} // namespace serial
