#pragma once

#include "devices/device.h"

#include <QAbstractListModel>
#include <QList>

namespace devices {

// Every model of the catalogue, in catalogue order, for choosing the model of a new project.
class DeviceListModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum Roles {
        NameRole = Qt::UserRole + 1,
        ImageRole,
        DeviceTypeRole,
        ChannelNumberRole,
        Ot2NumberRole,
        RixVersionRole,
    };
    Q_ENUM(Roles)

    explicit DeviceListModel(QObject* parent = nullptr);

    void setDevices(const QList<Device>& devices);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    QList<Device> m_devices;
};

} // namespace devices
