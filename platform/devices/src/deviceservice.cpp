#include "devices/deviceservice.h"

#include "devices/cataloguevalidator.h"
#include "deviceslogging.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace devices {

DeviceService::DeviceService(QObject* parent) : QObject(parent), m_model(this) {}

bool DeviceService::init(const QString& path)
{
    ensureLoaded();
    return apply(read(path));
}

void DeviceService::initInBackground(const QString& path)
{
    ensureLoaded();
    m_loading.start([path] { return read(path); }, this, [this] { ensureLoaded(); });
}

DeviceService::Reading DeviceService::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(devicesLog) << ">> Couldn't read the device catalogue" << path << file.errorString();
        return {};
    }
    const QByteArray json = file.readAll();
    const QList<CatalogueValidator::Error> errors = CatalogueValidator::validate(json);
    for (const CatalogueValidator::Error& error : errors) {
        qCWarning(devicesLog).noquote()
            << ">> Device catalogue" << path << "entry" << error.row
            << CatalogueValidator::ruleName(error.rule) << error.key << error.message;
    }
    if (!errors.isEmpty() && errors.first().rule == CatalogueValidator::InvalidDocument
        && errors.first().row < 0)
        return {};
    return {QJsonDocument::fromJson(json).object().value(QLatin1String("devices")).toArray(), errors.isEmpty()};
}

bool DeviceService::apply(const Reading& reading)
{
    if (!reading.entries)
        return false;
    load(*reading.entries);
    return reading.consistent;
}

void DeviceService::ensureLoaded() const
{
    if (m_loading.pending())
        const_cast<DeviceService*>(this)->apply(m_loading.take());
}

// A broken entry is still served, unless it has no OT2 number to be asked by; of two entries
// with the same OT2 number or language identifier the first one wins.
void DeviceService::load(const QJsonArray& entries)
{
    m_devices.clear();
    m_byOt2.clear();
    m_byLanguageIdentifier.clear();
    for (const QJsonValue& value : entries) {
        const Device device(value.toObject());
        if (device.ot2Number() <= 0 || m_byOt2.contains(device.ot2Number()))
            continue;
        m_byOt2.insert(device.ot2Number(), m_devices.size());
        const QString identifier = device.languageFileIdentifier().toLower();
        if (!identifier.isEmpty() && !m_byLanguageIdentifier.contains(identifier))
            m_byLanguageIdentifier.insert(identifier, m_devices.size());
        m_devices.append(device);
    }
    m_model.setDevices(m_devices);
}

const Device& DeviceService::device(int ot2) const
{
    ensureLoaded();
    static const Device unknown;
    const auto it = m_byOt2.constFind(ot2);
    return it == m_byOt2.constEnd() ? unknown : m_devices.at(*it);
}

// Language files are named by people, so the identifier is matched without regard to case.
int DeviceService::deviceOt2FromLanguageFileIdentifier(const QString& identifier) const
{
    ensureLoaded();
    const auto it = m_byLanguageIdentifier.constFind(identifier.toLower());
    return it == m_byLanguageIdentifier.constEnd() ? 0 : m_devices.at(*it).ot2Number();
}

QString DeviceService::deviceNameFromLanguageFileIdentifier(const QString& identifier) const
{
    return deviceNameFromOt2(deviceOt2FromLanguageFileIdentifier(identifier));
}

QString DeviceService::clockTypeText(int ot2) const
{
    if (!exists(ot2))
        return {};
    static const char* const texts[] = {
        QT_TRANSLATE_NOOP("Device info", "Wochenschaltuhr"),
        QT_TRANSLATE_NOOP("Device info", "Jahresschaltuhr"),
        QT_TRANSLATE_NOOP("Device info", "Astro-Schaltuhr"),
        QT_TRANSLATE_NOOP("Device info", "Dämmerungsschalter"),
    };
    return QCoreApplication::translate("Device info", texts[device(ot2).clockType()]);
}

} // namespace devices
