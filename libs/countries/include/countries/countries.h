#pragma once

#include "countries/country.h"

#include <QAbstractListModel>

namespace countries {

// The country catalogue as a list model; row 0 is the favourites pseudo-country.
class Countries : public QAbstractListModel {
    Q_OBJECT
public:
    enum Roles { NameRole = Qt::UserRole + 1 };

    explicit Countries(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE int count() const;
    // The country of a row; an empty country and a warning for a row outside the list.
    Country at(int row) const;
    QList<Country> countries() const;
    void updateModel(const QList<Country>& countries);

private:
    QList<Country> m_countries;
};

} // namespace countries
