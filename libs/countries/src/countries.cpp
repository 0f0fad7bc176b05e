#include "countries/countries.h"

#include "countrieslogging.h"

namespace countries {

Countries::Countries(QObject* parent)
    : QAbstractListModel(parent) {
}

int Countries::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_countries.size());
}

QVariant Countries::data(const QModelIndex& index, int role) const {
    if (role != NameRole || index.row() < 0 || index.row() >= m_countries.size())
        return {};
    return m_countries.at(index.row()).name();
}

QHash<int, QByteArray> Countries::roleNames() const {
    return {{NameRole, QByteArrayLiteral("name")}};
}

int Countries::count() const {
    return static_cast<int>(m_countries.size());
}

Country Countries::at(int row) const {
    if (row < 0 || row >= m_countries.size()) {
        qCWarning(countriesLog) << "No country in row" << row;
        return {};
    }
    return m_countries.at(row);
}

QList<Country> Countries::countries() const {
    return m_countries;
}

void Countries::updateModel(const QList<Country>& countries) {
    beginResetModel();
    m_countries = countries;
    endResetModel();
}

} // namespace countries
