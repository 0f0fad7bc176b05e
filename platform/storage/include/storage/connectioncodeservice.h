#pragma once

#include "storage/abstractstorageservice.h"

#include <utils/singleton.h>

#include <QMap>
#include <QString>

namespace storage {

// The pairing codes of the devices the program has connected to, by device identifier (its
// serial number or address), kept in the project database so that a device is paired once.
class ConnectionCodeService : public AbstractStorageService, public utils::Singleton<ConnectionCodeService> {
    Q_OBJECT

public:
    inline static ConnectionCodeService* m_instance = nullptr;

    using AbstractStorageService::AbstractStorageService;

    // Reads the stored codes (again).
    bool init();

    bool hasCode(const QString& device) const { return m_codes.contains(device); }
    // The device's code, empty when none is stored.
    QString code(const QString& device) const { return m_codes.value(device); }
    bool setCode(const QString& device, const QString& code);
    bool removeCode(const QString& device);

signals:
    void codesChanged();

private:
    QMap<QString, QString> m_codes;
};

} // namespace storage
