#pragma once

#include "storage/project.h"

#include <QAbstractListModel>
#include <QList>
#include <QSet>

namespace storage {

// The stored projects as a list model for the home screen, in the order they were stored, with a
// selection of project ids (the selection survives insertions and removals).
class ProjectListModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
    Q_PROPERTY(int selectionCount READ selectionCount NOTIFY selectionChanged)

public:
    enum Roles { NameRole = Qt::UserRole + 1, DeviceRole, IdRole, SelectedRole };

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Writes the selection (SelectedRole) only.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QHash<int, QByteArray> roleNames() const override;

    void setProjects(const QList<Project>& projects);
    void append(const Project& project);
    void remove(qint64 id);
    // Tells the views that the project's name or device may have changed.
    void refresh(qint64 id);

    Q_INVOKABLE void setSelected(qint64 id, bool selected);
    Q_INVOKABLE QList<qint64> selectedIds() const;
    Q_INVOKABLE void clearSelection();
    Q_INVOKABLE void selectAll();
    int selectionCount() const { return static_cast<int>(m_selection.size()); }

signals:
    void countChanged();
    void selectionChanged();

private:
    int rowOf(qint64 id) const;

    QList<Project> m_projects;
    QSet<qint64> m_selection;
};

} // namespace storage
