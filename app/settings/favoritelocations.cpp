#include "favoritelocations.h"

#include <storage/favoritelocation.h>

void FavoriteLocations::setLocations(const QList<storage::FavoriteLocation*>& locations)
{
    beginResetModel();
    m_locations = locations;
    endResetModel();
}

int FavoriteLocations::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_locations.size());
}

QVariant FavoriteLocations::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_locations.size())
        return QVariant();
    const storage::FavoriteLocation* location = m_locations.at(index.row());
    if (!location)
        return QVariant();
    switch (role) {
    case NameRole:
        return location->city();
    case LongitudeRole:
        return int(location->longitude());
    case LatitudeRole:
        return int(location->latitude());
    case TimezoneRole:
        return location->timezone();
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> FavoriteLocations::roleNames() const
{
    return {{NameRole, "name"}, {LongitudeRole, "longitude"}, {LatitudeRole, "latitude"}, {TimezoneRole, "timezone"}};
}
