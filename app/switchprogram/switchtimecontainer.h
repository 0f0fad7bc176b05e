#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QList>

// A list model type known to the meta-object system that holds no switch-time data of its own.
class SwitchTimeContainer : public QAbstractListModel {
    Q_OBJECT

public:
    explicit SwitchTimeContainer(QObject* parent = nullptr);
    ~SwitchTimeContainer() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    QHash<int, QByteArray> m_roleNames;
    QList<QObject*> m_items;
};
