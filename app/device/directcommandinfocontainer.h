#pragma once

#include <QAbstractListModel>
#include <QJsonArray>
#include <QList>
#include <QtQml/qqmlregistration.h>

#include "directcommandinfo.h"

#include <ble/channelinfo.h>

// The channel lines of the direct-command view, one item per channel from 1, filled from the
// device's replies and the sensors' lux values.
class DirectCommandInfoContainer : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created in DirectCommandController")
    Q_PROPERTY(QList<DirectCommandInfo*> deviceInfo READ deviceInfo CONSTANT)
    Q_PROPERTY(int length READ length CONSTANT)

public:
    enum Role { SelfRole = Qt::UserRole + 1 };

    explicit DirectCommandInfoContainer(QObject* parent = nullptr);
    ~DirectCommandInfoContainer() override;

    QList<DirectCommandInfo*> deviceInfo() const { return m_items; }
    int length() const { return int(m_items.size()); }
    DirectCommandInfo* item(int row) const { return row >= 0 && row < length() ? m_items.at(row) : nullptr; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Replaces the items by count fresh ones (state and mode not read).
    void insertItems(int count, bool showLux);
    void clear();
    void updateChannelStates(const QList<ble::ChannelInfo>& channels);
    void updateOperatingTimes(const QList<ble::ChannelInfo>& channels);
    void updateServiceTimes(const QList<int>& hours);
    void updateLuxValues(const QList<int>& lux);

public slots:
    QJsonArray jsonDeviceInfo() const;

private:
    DirectCommandInfo* itemOfChannel(int channel) const;

    QList<DirectCommandInfo*> m_items;
};
