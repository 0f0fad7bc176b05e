#pragma once

#include <QAbstractListModel>
#include <QJsonObject>
#include <QList>
#include <QtQml/qqmlregistration.h>

#include <network/gateway.h>
#include <utils/simplecrypt.h>

// The gateways of the cloud account as a list model, and the credentials remembered per gateway
// (scrambled in the settings store).
class GatewaysController : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created in CloudController")

public:
    enum Roles { NameRole = Qt::UserRole + 1, SerialNumberRole };

    explicit GatewaysController(QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    void clear();
    void setGateways(const QList<network::Gateway>& gateways);
    // The gateway of a row; an empty one outside the list.
    network::Gateway gatewayAt(int row) const;

    Q_INVOKABLE QString firstGatewaySerial() const;
    // Remembers the credentials of a gateway; an empty user name or password forgets them.
    Q_INVOKABLE void setGatewayCredentials(const QString& serialNumber, const QString& username,
                                           const QString& password);
    // {"username", "password"}, or an empty object when nothing is remembered.
    Q_INVOKABLE QJsonObject gatewayCredentials(const QString& serialNumber) const;
    Q_INVOKABLE bool hasGatewayCredentials(const QString& serialNumber) const;

private:
    // The remembered [user name, password] of a gateway, scrambled; empty when there is none.
    QStringList storedEntry(const QString& serialNumber) const;

    QList<network::Gateway> m_gateways;
    utils::SimpleCrypt m_crypt;
};
