#include "ble/bledevicecontainer.h"

#include "ble/bledevice.h"

namespace ble {

namespace {
// Stale devices are looked for this many times per time-out.
constexpr int ChecksPerTimeout = 10;
} // namespace

BLEDeviceContainer::BLEDeviceContainer(QObject* parent)
    : QAbstractListModel(parent)
{
    m_staleCheck.setInterval(m_staleTimeout / ChecksPerTimeout);
    connect(&m_staleCheck, &QTimer::timeout, this, &BLEDeviceContainer::removeStaleDevices);
}

BLEDeviceContainer::~BLEDeviceContainer() = default;

int BLEDeviceContainer::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : length();
}

QVariant BLEDeviceContainer::data(const QModelIndex& index, int role) const
{
    const BLEDevice* device = bleDeviceByIndex(index.row());
    if (!index.isValid() || !device)
        return {};
    switch (role) {
    case NameRole: return device->name();
    case SerialNumberRole: return device->serialNumber();
    default: return {};
    }
}

QHash<int, QByteArray> BLEDeviceContainer::roleNames() const
{
    return {{NameRole, "name"}, {SerialNumberRole, "serialNumber"}};
}

void BLEDeviceContainer::addDevice(const QBluetoothDeviceInfo& info, const QString& displayName)
{
    for (Entry& entry : m_devices) {
        if (entry.device->isSameDevice(info)) {
            entry.device->setDeviceInfo(info);
            entry.seen.start();
            return;
        }
    }
    const int row = length();
    beginInsertRows({}, row, row);
    Entry entry{new BLEDevice(info, displayName, this), {}};
    entry.seen.start();
    m_devices.append(entry);
    endInsertRows();
    emit lengthChanged();
}

BLEDevice* BLEDeviceContainer::bleDeviceByIndex(int index) const
{
    return index >= 0 && index < length() ? m_devices.at(index).device : nullptr;
}

int BLEDeviceContainer::indexOf(const BLEDevice* device) const
{
    if (!device)
        return -1;
    for (int row = 0; row < length(); ++row) {
        if (m_devices.at(row).device == device)
            return row;
    }
    return -1;
}

void BLEDeviceContainer::startRemoveStaleDevices()
{
    m_staleCheck.start();
}

void BLEDeviceContainer::stopRemoveStaleDevices()
{
    m_staleCheck.stop();
}

void BLEDeviceContainer::setStaleTimeout(int milliseconds)
{
    m_staleTimeout = milliseconds;
    m_staleCheck.setInterval(qMax(1, milliseconds / ChecksPerTimeout));
}

void BLEDeviceContainer::removeStaleDevices()
{
    for (int row = length() - 1; row >= 0; --row) {
        if (!m_devices.at(row).seen.hasExpired(m_staleTimeout))
            continue;
        beginRemoveRows({}, row, row);
        m_devices.takeAt(row).device->deleteLater();
        endRemoveRows();
        emit lengthChanged();
    }
}

} // namespace ble
