#include "directcommandinfocontainer.h"

#include "devicelogging.h"
#include "directcommandinfo.h"

#include <QJsonObject>

#include <algorithm>

DirectCommandInfoContainer::DirectCommandInfoContainer(QObject* parent)
    : QAbstractListModel(parent)
{
}

DirectCommandInfoContainer::~DirectCommandInfoContainer()
{
    qCDebug(deviceLog) << "Clear info list";
    clear();
}

int DirectCommandInfoContainer::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : length();
}

QVariant DirectCommandInfoContainer::data(const QModelIndex& index, int role) const
{
    DirectCommandInfo* info = index.isValid() ? item(index.row()) : nullptr;
    if (!info || role != SelfRole)
        return {};
    return QVariant::fromValue(info);
}

QHash<int, QByteArray> DirectCommandInfoContainer::roleNames() const
{
    return {{SelfRole, "self"}};
}

void DirectCommandInfoContainer::insertItems(int count, bool showLux)
{
    clear();
    if (count <= 0)
        return;
    beginInsertRows({}, 0, count - 1);
    for (int channel = 1; channel <= count; ++channel)
        m_items.append(new DirectCommandInfo(channel, DirectCommandInfo::NotRead, DirectCommandInfo::NotRead, showLux, this));
    endInsertRows();
}

void DirectCommandInfoContainer::clear()
{
    if (m_items.isEmpty())
        return;
    // Views let go of the rows before their items go.
    beginRemoveRows({}, 0, length() - 1);
    const QList<DirectCommandInfo*> items = std::exchange(m_items, {});
    endRemoveRows();
    qDeleteAll(items);
}

DirectCommandInfo* DirectCommandInfoContainer::itemOfChannel(int channel) const
{
    const auto found = std::find_if(m_items.cbegin(), m_items.cend(),
                                    [channel](const DirectCommandInfo* info) { return info->channel() == channel; });
    return found == m_items.cend() ? nullptr : *found;
}

void DirectCommandInfoContainer::updateChannelStates(const QList<ble::ChannelInfo>& channels)
{
    for (const ble::ChannelInfo& channel : channels) {
        if (DirectCommandInfo* info = itemOfChannel(channel.id())) {
            info->setState(channel.relayState());
            info->setMode(channel.state());
        }
    }
}

void DirectCommandInfoContainer::updateOperatingTimes(const QList<ble::ChannelInfo>& channels)
{
    for (const ble::ChannelInfo& channel : channels) {
        if (DirectCommandInfo* info = itemOfChannel(channel.id()))
            info->setOperatingTime(int(channel.hours()));
    }
}

void DirectCommandInfoContainer::updateServiceTimes(const QList<int>& hours)
{
    for (qsizetype i = 0; i < std::min(hours.size(), m_items.size()); ++i)
        m_items.at(i)->setServiceTime(hours.at(i));
}

void DirectCommandInfoContainer::updateLuxValues(const QList<int>& lux)
{
    for (qsizetype i = 0; i < std::min(lux.size(), m_items.size()); ++i)
        m_items.at(i)->setLuxValue(lux.at(i));
}

QJsonArray DirectCommandInfoContainer::jsonDeviceInfo() const
{
    QJsonArray array;
    for (const DirectCommandInfo* info : m_items) {
        const QStringList texts = info->formattedInfo();
        array.append(QJsonObject{{QStringLiteral("state"), texts.at(1)},
                                 {QStringLiteral("mode"), texts.at(2)},
                                 {QStringLiteral("operatingTime"), texts.at(3)},
                                 {QStringLiteral("serviceTime"), texts.at(4)}});
    }
    return array;
}
