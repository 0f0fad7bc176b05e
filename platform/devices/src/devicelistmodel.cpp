#include "devices/devicelistmodel.h"

namespace devices {

DeviceListModel::DeviceListModel(QObject* parent) : QAbstractListModel(parent) {}

void DeviceListModel::setDevices(const QList<Device>& devices)
{
    beginResetModel();
    m_devices = devices;
    endResetModel();
}

int DeviceListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_devices.size());
}

QVariant DeviceListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_devices.size())
        return {};
    const Device& device = m_devices.at(index.row());
    switch (role) {
    case NameRole:
        return device.name();
    case ImageRole:
        return device.image();
    case DeviceTypeRole:
        return device.type();
    case ChannelNumberRole:
        return device.kanals();
    case Ot2NumberRole:
        return device.ot2Number();
    case RixVersionRole:
        return device.rixVersion();
    default:
        return {};
    }
}

QHash<int, QByteArray> DeviceListModel::roleNames() const
{
    return {
        {NameRole, "name"},
        {ImageRole, "image"},
        {DeviceTypeRole, "deviceType"},
        {ChannelNumberRole, "channelNumber"},
        {Ot2NumberRole, "ot2Number"},
        {RixVersionRole, "rixVersion"},
    };
}

} // namespace devices
