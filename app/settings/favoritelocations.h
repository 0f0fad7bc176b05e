#pragma once

#include <QAbstractListModel>
#include <QList>

namespace storage {
class FavoriteLocation;
}

// The favourite locations of an astronomic project for the location views. The records belong
// to the storage library; the model only reads them.
class FavoriteLocations : public QAbstractListModel {
    Q_OBJECT
public:
    enum Roles { NameRole = Qt::UserRole + 1, LongitudeRole, LatitudeRole, TimezoneRole };

    using QAbstractListModel::QAbstractListModel;

    void setLocations(const QList<storage::FavoriteLocation*>& locations);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    QList<storage::FavoriteLocation*> m_locations;
};
