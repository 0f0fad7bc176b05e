#include "countries/cities.h"

#include "countrieslogging.h"

namespace countries {

Cities::Cities(QObject* parent)
    : QAbstractListModel(parent) {
}

int Cities::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_cities.size());
}

QVariant Cities::data(const QModelIndex& index, int role) const {
    if (index.row() < 0 || index.row() >= m_cities.size())
        return {};
    const City& city = m_cities.at(index.row());
    switch (role) {
    case NameRole:
        return city.name();
    case LongitudeRole:
        return city.longitude();
    case LatitudeRole:
        return city.latitude();
    case TimezoneRole:
        return city.timezone();
    default:
        return {};
    }
}

QHash<int, QByteArray> Cities::roleNames() const {
    return {{NameRole, QByteArrayLiteral("name")},
            {LongitudeRole, QByteArrayLiteral("longitude")},
            {LatitudeRole, QByteArrayLiteral("latitude")},
            {TimezoneRole, QByteArrayLiteral("timezone")}};
}

int Cities::count() const {
    return static_cast<int>(m_cities.size());
}

City Cities::at(int row) const {
    if (row < 0 || row >= m_cities.size()) {
        qCWarning(countriesLog) << "No city in row" << row;
        return {};
    }
    return m_cities.at(row);
}

QList<City> Cities::cities() const {
    return m_cities;
}

void Cities::updateModel(const QList<City>& cities) {
    beginResetModel();
    m_cities = cities;
    endResetModel();
}

} // namespace countries
