#pragma once

#include <QBluetoothDeviceInfo>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace ble {

// A time switch found by the scan. Its advertised name is "<family>_<OT2 number>_<serial>"
// (docs/device-protocol.md, "Advertising"); name() is the catalogue's model name given by the
// scan, or the advertised name.
class BLEDevice : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Found by the device scan")
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QString serialNumber READ serialNumber CONSTANT)
    Q_PROPERTY(int ot2Number READ ot2Number CONSTANT)
    Q_PROPERTY(int connectionType READ connectionType CONSTANT)

public:
    BLEDevice(const QBluetoothDeviceInfo& info, const QString& displayName, QObject* parent = nullptr);

    QString name() const { return m_displayName.isEmpty() ? advertisedName() : m_displayName; }
    QString advertisedName() const { return m_info.name(); }
    QString serialNumber() const { return parseSerialNumber(advertisedName()); }
    int ot2Number() const { return parseOt2Number(advertisedName()); }
    // 1 through the internal module, 0 through the plug-in adapter.
    int connectionType() const;
    QBluetoothDeviceInfo deviceInfo() const { return m_info; }
    void setDeviceInfo(const QBluetoothDeviceInfo& info) { m_info = info; }
    // The same device: the same address (or, where the system hides addresses, the same UUID).
    bool isSameDevice(const QBluetoothDeviceInfo& info) const;

    // The OT2 number of the second field: a short model code of the code table, or the number in
    // decimal; 0 when there is none or it is not 1 ... 256.
    static int parseOt2Number(const QString& advertisedName);
    // The third field; empty when there is none.
    static QString parseSerialNumber(const QString& advertisedName);

private:
    QBluetoothDeviceInfo m_info;
    QString m_displayName;
};

} // namespace ble
