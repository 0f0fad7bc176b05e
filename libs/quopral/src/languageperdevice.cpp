#include "quopral/languageperdevice.h"

#include "quopral/devicelanguagelist.h"
#include "quoprallogging.h"

namespace quopral {

LanguagePerDevice::LanguagePerDevice(DeviceLanguageList* source, QObject* parent)
    : QSortFilterProxyModel(parent)
{
    setSourceModel(source);
}

void LanguagePerDevice::setSelectedDeviceName(const QString& name)
{
    if (name == m_selectedDeviceName)
        return;
    m_selectedDeviceName = name;
    qCDebug(quopralLog).noquote() << "Selected device name changed " + name;
    emit selectedDeviceNameChanged();
    invalidateFilter();
}

bool LanguagePerDevice::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (m_selectedDeviceName.isEmpty())
        return false;
    const QModelIndex row = sourceModel()->index(sourceRow, 0, sourceParent);
    return row.data(DeviceLanguageList::DeviceNameRole).toString() == m_selectedDeviceName;
}

} // namespace quopral
