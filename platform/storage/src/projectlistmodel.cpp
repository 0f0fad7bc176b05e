#include "storage/projectlistmodel.h"

namespace storage {

int ProjectListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_projects.size());
}

QVariant ProjectListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_projects.size())
        return {};
    const Project& project = m_projects.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        return project.name();
    case DeviceRole:
        return project.device();
    case IdRole:
        return project.id();
    case SelectedRole:
        return m_selection.contains(project.id());
    default:
        return {};
    }
}

bool ProjectListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != SelectedRole || !index.isValid() || index.row() >= m_projects.size())
        return false;
    setSelected(m_projects.at(index.row()).id(), value.toBool());
    return true;
}

QHash<int, QByteArray> ProjectListModel::roleNames() const
{
    return { { NameRole, "name" }, { DeviceRole, "device" }, { IdRole, "id" }, { SelectedRole, "selected" } };
}

void ProjectListModel::setProjects(const QList<Project>& projects)
{
    beginResetModel();
    m_projects = projects;
    m_selection.clear();
    endResetModel();
    emit countChanged();
    emit selectionChanged();
}

void ProjectListModel::append(const Project& project)
{
    const int row = static_cast<int>(m_projects.size());
    beginInsertRows({}, row, row);
    m_projects.append(project);
    endInsertRows();
    emit countChanged();
}

void ProjectListModel::remove(qint64 id)
{
    const int row = rowOf(id);
    if (row < 0)
        return;
    beginRemoveRows({}, row, row);
    m_projects.removeAt(row);
    endRemoveRows();
    emit countChanged();
    if (m_selection.remove(id))
        emit selectionChanged();
}

void ProjectListModel::refresh(qint64 id)
{
    const int row = rowOf(id);
    if (row >= 0)
        emit dataChanged(index(row), index(row), { Qt::DisplayRole, NameRole, DeviceRole });
}

void ProjectListModel::setSelected(qint64 id, bool selected)
{
    const int row = rowOf(id);
    if (row < 0 || m_selection.contains(id) == selected)
        return;
    if (selected)
        m_selection.insert(id);
    else
        m_selection.remove(id);
    emit dataChanged(index(row), index(row), { SelectedRole });
    emit selectionChanged();
}

QList<qint64> ProjectListModel::selectedIds() const
{
    QList<qint64> ids;
    for (const Project& project : m_projects) {
        if (m_selection.contains(project.id()))
            ids.append(project.id());
    }
    return ids;
}

void ProjectListModel::clearSelection()
{
    if (m_selection.isEmpty())
        return;
    m_selection.clear();
    emit dataChanged(index(0), index(rowCount() - 1), { SelectedRole });
    emit selectionChanged();
}

int ProjectListModel::rowOf(qint64 id) const
{
    for (int row = 0; row < m_projects.size(); ++row) {
        if (m_projects.at(row).id() == id)
            return row;
    }
    return -1;
}

void ProjectListModel::selectAll()
{
    if (selectionCount() == rowCount())
        return;
    for (const Project& project : std::as_const(m_projects))
        m_selection.insert(project.id());
    emit dataChanged(index(0), index(rowCount() - 1), { SelectedRole });
    emit selectionChanged();
}

} // namespace storage
