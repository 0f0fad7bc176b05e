#include "gatewayscontroller.h"

#include "cloudcredentials.h"

#include <core/settingsservice.h>

namespace {

const QString GatewaysKey = QString::fromLatin1(CloudCredentials::GatewaysKey);

} // namespace

GatewaysController::GatewaysController(QObject* parent)
    : QAbstractListModel(parent)
    , m_crypt(CloudCredentials::ScrambleKey)
{
}

int GatewaysController::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_gateways.size());
}

QVariant GatewaysController::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_gateways.size())
        return {};
    const network::Gateway& gateway = m_gateways.at(index.row());
    switch (role) {
    case NameRole:
        return gateway.name();
    case SerialNumberRole:
        return gateway.serial();
    default:
        return {};
    }
}

QHash<int, QByteArray> GatewaysController::roleNames() const
{
    return {{NameRole, QByteArrayLiteral("name")}, {SerialNumberRole, QByteArrayLiteral("serialNumber")}};
}

void GatewaysController::clear()
{
    setGateways({});
}

void GatewaysController::setGateways(const QList<network::Gateway>& gateways)
{
    beginResetModel();
    m_gateways = gateways;
    endResetModel();
}

network::Gateway GatewaysController::gatewayAt(int row) const
{
    return row >= 0 && row < m_gateways.size() ? m_gateways.at(row) : network::Gateway();
}

QString GatewaysController::firstGatewaySerial() const
{
    return m_gateways.isEmpty() ? QString() : m_gateways.first().serial();
}

void GatewaysController::setGatewayCredentials(const QString& serialNumber, const QString& username,
                                               const QString& password)
{
    if (serialNumber.isEmpty())
        return;
    QVariantMap remembered = core::SettingsService::instance().settingValue(GatewaysKey).toMap();
    if (username.isEmpty() || password.isEmpty())
        remembered.remove(serialNumber);
    else
        remembered.insert(serialNumber,
                          QStringList{m_crypt.encryptToString(username), m_crypt.encryptToString(password)});
    core::SettingsService::instance().setSettingValueFromStringKey(GatewaysKey, remembered, true);
}

QJsonObject GatewaysController::gatewayCredentials(const QString& serialNumber) const
{
    const QStringList entry = storedEntry(serialNumber);
    if (entry.isEmpty())
        return {};
    return {{QStringLiteral("username"), m_crypt.decryptToString(entry.at(0))},
            {QStringLiteral("password"), m_crypt.decryptToString(entry.at(1))}};
}

bool GatewaysController::hasGatewayCredentials(const QString& serialNumber) const
{
    return !storedEntry(serialNumber).isEmpty();
}

QStringList GatewaysController::storedEntry(const QString& serialNumber) const
{
    const QVariant entry =
        core::SettingsService::instance().settingValue(GatewaysKey).toMap().value(serialNumber);
    const QStringList texts = entry.toStringList();
    // An entry of another shape (a damaged store) counts as nothing remembered.
    return texts.size() == 2 ? texts : QStringList();
}
