#pragma once

#include <QSortFilterProxyModel>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace quopral {

class DeviceLanguageList;

// The languages of the one device model chosen by name; nothing while none is chosen.
class LanguagePerDevice : public QSortFilterProxyModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created in quopral service")
    Q_PROPERTY(QString selectedDeviceName READ selectedDeviceName WRITE setSelectedDeviceName NOTIFY
                   selectedDeviceNameChanged)

public:
    explicit LanguagePerDevice(DeviceLanguageList* source, QObject* parent = nullptr);

    QString selectedDeviceName() const { return m_selectedDeviceName; }
    void setSelectedDeviceName(const QString& name);

signals:
    void selectedDeviceNameChanged();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString m_selectedDeviceName;
};

} // namespace quopral
