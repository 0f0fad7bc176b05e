#include "switchtimecontainer.h"

SwitchTimeContainer::SwitchTimeContainer(QObject* parent)
    : QAbstractListModel(parent)
    , m_roleNames{{Qt::UserRole + 1, "self"},
                  {Qt::UserRole + 2, "status"},
                  {Qt::UserRole + 3, "time"},
                  {Qt::UserRole + 4, "days"}} {
}

SwitchTimeContainer::~SwitchTimeContainer() {
    qDeleteAll(m_items);
}

int SwitchTimeContainer::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_items.size());
}

QVariant SwitchTimeContainer::data(const QModelIndex&, int) const {
    return {};
}

QHash<int, QByteArray> SwitchTimeContainer::roleNames() const {
    return m_roleNames;
}
