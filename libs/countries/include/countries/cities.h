#pragma once

#include "countries/city.h"

#include <QAbstractListModel>

namespace countries {

// The cities of the selected country as a list model.
class Cities : public QAbstractListModel {
    Q_OBJECT
public:
    enum Roles { NameRole = Qt::UserRole + 1, LongitudeRole, LatitudeRole, TimezoneRole };

    explicit Cities(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE int count() const;
    // The city of a row; an empty city and a warning for a row outside the list.
    City at(int row) const;
    QList<City> cities() const;
    void updateModel(const QList<City>& cities);

private:
    QList<City> m_cities;
};

} // namespace countries
