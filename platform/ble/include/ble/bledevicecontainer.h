#pragma once

#include <QAbstractListModel>
#include <QBluetoothDeviceInfo>
#include <QElapsedTimer>
#include <QList>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

namespace ble {

class BLEDevice;

// The devices a scan found, in the order found; roles "name" and "serialNumber". A device seen
// again is kept in its place. While stale devices are being removed (the scan runs), a device not
// seen for staleTimeout() (DefaultStaleTimeout: 10 s, ten advertising intervals of a device)
// leaves the list; the list is looked through ten times per time-out.
class BLEDeviceContainer : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created by the device scan")
    Q_PROPERTY(int length READ length NOTIFY lengthChanged)

public:
    enum Roles { NameRole = Qt::UserRole + 1, SerialNumberRole };
    static constexpr int DefaultStaleTimeout = 10000;

    explicit BLEDeviceContainer(QObject* parent = nullptr);
    ~BLEDeviceContainer() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    void addDevice(const QBluetoothDeviceInfo& info, const QString& displayName);
    int length() const { return int(m_devices.size()); }
    // Null outside 0 ... length() - 1.
    Q_INVOKABLE ble::BLEDevice* bleDeviceByIndex(int index) const;
    // The device's row, -1 when it is not (or no longer) listed.
    int indexOf(const BLEDevice* device) const;
    void startRemoveStaleDevices();
    void stopRemoveStaleDevices();
    int staleTimeout() const { return m_staleTimeout; }
    void setStaleTimeout(int milliseconds);

signals:
    void lengthChanged();

private:
    struct Entry {
        BLEDevice* device;
        QElapsedTimer seen;
    };

    void removeStaleDevices();

    QList<Entry> m_devices;
    QTimer m_staleCheck;
    int m_staleTimeout = DefaultStaleTimeout;
};

} // namespace ble
