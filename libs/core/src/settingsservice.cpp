#include "settingsservice.h"

#include "corelogging.h"
#include "settingsfileformat.h"
#include "locationconsent.h"
#include "settingsvaluecodec.h"

#include <QCoreApplication>
#include <QJSValue>

namespace core {

// Allocated by the first registration, which may run in any library's static initialiser.
QMap<QString, QString>* SettingsService::settingStrToName = nullptr;
QMap<QString, QString>* SettingsService::settingNameToStr = nullptr;
QMap<QString, QVariant>* SettingsService::defaultValues = nullptr;

const QString SettingsService::DebugModeKey = QStringLiteral("debugMode");
const QString SettingsService::DemoModeKey = QStringLiteral("demoMode");
const QString SettingsService::AcceptedTermsKey = QStringLiteral("settings/AcceptedTermsAndConditions");
const QString SettingsService::InterfaceLanguageKey = QStringLiteral("interface/language");

namespace {

QString organization()
{
    if (!QCoreApplication::organizationName().isEmpty())
        return QCoreApplication::organizationName();
    if (!QCoreApplication::organizationDomain().isEmpty())
        return QCoreApplication::organizationDomain();
    return QStringLiteral("Settings");
}

QString nameOf(const QMap<QString, QString>* map, const QString& key)
{
    return map ? map->value(key) : QString();
}

// QML hands objects and arrays over as QJSValue, which has no stored form: the plain lists and
// maps it stands for are stored instead, nested ones included.
QVariant plainValue(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::QVariantList: {
        QVariantList list = value.toList();
        for (QVariant& element : list)
            element = plainValue(element);
        return list;
    }
    case QMetaType::QVariantMap: {
        QVariantMap map = value.toMap();
        for (QVariant& element : map)
            element = plainValue(element);
        return map;
    }
    case QMetaType::QVariantHash: {
        QVariantHash hash = value.toHash();
        for (QVariant& element : hash)
            element = plainValue(element);
        return hash;
    }
    default:
        if (value.metaType() == QMetaType::fromType<QJSValue>())
            return plainValue(value.value<QJSValue>().toVariant());
        return value;
    }
}

struct CoreSettingsRegistration {
    CoreSettingsRegistration()
    {
        SettingsService::registerSetting(QStringLiteral("debugMode"), QStringLiteral("debugMode"), false);
        SettingsService::registerSetting(QStringLiteral("demoMode"), QStringLiteral("demoMode"), false);
        SettingsService::registerSetting(QStringLiteral("settings/AcceptedTermsAndConditions"),
                                         QStringLiteral("hasAcceptedLegalTerms"), false);
        SettingsService::registerSetting(QStringLiteral("interface/language"), QStringLiteral("interfaceLanguage"),
                                         QVariant());
    }
};
const CoreSettingsRegistration coreSettingsRegistration;

} // namespace

SettingsService::SettingsService(QObject* parent)
    : QObject(parent)
    , m_settings(SettingsFileFormat::format(), QSettings::UserScope, organization(), QCoreApplication::applicationName())
    , m_settingsMap(std::make_unique<QQmlPropertyMap>())
{
    qCDebug(coreSettingsLog) << "Using settings in" << m_settings.fileName();
}

SettingsService::~SettingsService() = default;

void SettingsService::registerSetting(const QString& key, const QString& name, const QVariant& defaultValue)
{
    if (!settingStrToName) {
        settingStrToName = new QMap<QString, QString>;
        settingNameToStr = new QMap<QString, QString>;
        defaultValues = new QMap<QString, QVariant>;
    }
    settingStrToName->insert(key, name);
    settingNameToStr->insert(name, key);
    if (defaultValue != QVariant())
        defaultValues->insert(key, defaultValue);
}

void SettingsService::initialize()
{
    m_settings.setFallbacksEnabled(false);
    if (defaultValues) {
        for (auto it = defaultValues->cbegin(); it != defaultValues->cend(); ++it)
            _setDefaultSettingValue(it.key(), it.value(), false);
    }
    const QStringList storedKeys = m_settings.allKeys();
    for (const QString& key : storedKeys) {
        if (!nameOf(settingStrToName, key).isEmpty()) {
            restoreStoredSetting(key);
        } else if (key.contains(QLatin1String("QQControlsFileDialog"))) {
            qCDebug(coreSettingsLog).noquote() << QStringLiteral("Keep Qt settings : %1").arg(key);
        } else {
            m_settings.remove(key);
            qCDebug(coreSettingsLog).noquote()
                << QStringLiteral("Removed old setting key : %1. REGISTER_SETTING is missing?").arg(key);
        }
    }
}

void SettingsService::restoreStoredSetting(const QString& key)
{
    const QString name = nameOf(settingStrToName, key);
    const QVariant value = fromSettings(key);
    if (value == QVariant()) {
        qCWarning(coreSettingsLog).noquote() << QStringLiteral("Cannot restore setting :%1").arg(name);
        if (defaultValues && defaultValues->contains(key)) {
            // Keep the setting valid for this run too, not only after the next start.
            _setDefaultSettingValue(key, defaultValues->value(key), true);
            m_settingsMap->insert(name, defaultValues->value(key));
        }
        return;
    }
    m_settingsMap->insert(name, value);
    qCDebug(coreSettingsLog).noquote() << QStringLiteral("Restore setting : %1 = %2").arg(name, value.toString());
}

QVariant SettingsService::settingValue(const QString& key) const
{
    const QString name = nameOf(settingStrToName, key);
    if (name.isEmpty() || !m_settingsMap->contains(name))
        return {};
    return m_settingsMap->value(name);
}

QQmlPropertyMap* SettingsService::settingsMap() const
{
    return m_settingsMap.get();
}

bool SettingsService::sync()
{
    m_settings.sync();
    if (m_settings.status() == QSettings::NoError)
        return true;
    qCWarning(coreSettingsLog).noquote() << "The settings could not be written to" << m_settings.fileName();
    return false;
}

void SettingsService::setSettingValue(const QString& settingName, const QVariant& value, bool persistent)
{
    setSettingValueFromStringKey(nameOf(settingNameToStr, settingName), value, persistent);
}

void SettingsService::setSettingValueFromStringKey(const QString& stringKey, const QVariant& given, bool persistant)
{
    const QString name = nameOf(settingStrToName, stringKey);
    if (name.isEmpty())
        return;
    const QVariant value = plainValue(given);
    if (!SettingsValueCodec::canStore(value)) {
        qCWarning(coreSettingsLog).noquote()
            << QStringLiteral("Setting %1 not changed: a value of type %2 cannot be stored")
                   .arg(stringKey, QString::fromLatin1(given.metaType().name()));
        return;
    }
    const TypedState before = typedState();
    if (m_settingsMap->value(name) != value)
        m_settingsMap->insert(name, value);
    if (persistant) {
        toSettings(stringKey, value);
        qCDebug(coreSettingsLog).noquote().nospace() << "Saving setting : " << stringKey << " - " << value;
    }
    emit settingChanged(stringKey);
    emitTypedChanges(before);
}

SettingsService::TypedState SettingsService::typedState() const
{
    return {debugMode(), demoMode(), hasAcceptedLegalTerms(), interfaceLanguage()};
}

// The typed signals follow every write path (typed setter, name or key), once per real change.
void SettingsService::emitTypedChanges(const TypedState& before)
{
    const TypedState after = typedState();
    if (after.debugMode != before.debugMode)
        emit debugModeChanged(after.debugMode);
    if (after.demoMode != before.demoMode)
        emit demoModeChanged(after.demoMode);
    if (after.acceptedTerms != before.acceptedTerms)
        emit hasAcceptedLegalTermsChanged();
    if (after.language != before.language)
        emit interfaceLanguageChanged(after.language);
}

bool SettingsService::debugMode() const
{
    return settingValue(DebugModeKey).toBool();
}

bool SettingsService::demoMode() const
{
    return settingValue(DemoModeKey).toBool();
}

bool SettingsService::hasAcceptedLegalTerms() const
{
    return settingValue(AcceptedTermsKey).toBool();
}

QString SettingsService::interfaceLanguage() const
{
    return settingValue(InterfaceLanguageKey).toString();
}

void SettingsService::setDebugMode(bool value)
{
    if (debugMode() != value)
        setSettingValueFromStringKey(DebugModeKey, value, true);
}

void SettingsService::setDemoMode(bool value)
{
    if (demoMode() != value)
        setSettingValueFromStringKey(DemoModeKey, value, true);
}

void SettingsService::setHasAcceptedLegalTerms(bool value)
{
    if (hasAcceptedLegalTerms() != value)
        setSettingValueFromStringKey(AcceptedTermsKey, value, true);
}

void SettingsService::setInterfaceLanguage(const QString& code)
{
    if (interfaceLanguage() != code)
        setSettingValueFromStringKey(InterfaceLanguageKey, code, true);
}

void SettingsService::setEncryptFunction(std::function<QString(const QVariant&)> encrypt)
{
    m_encrypt = std::move(encrypt);
}

void SettingsService::setDecryptFunction(std::function<QVariant(const QString&)> decrypt)
{
    m_decrypt = std::move(decrypt);
}

QString SettingsService::encryptQVariant(const QVariant& value) const
{
    return m_encrypt ? m_encrypt(value) : SettingsValueCodec::encode(value);
}

QVariant SettingsService::decryptQVariant(const QString& text) const
{
    return m_decrypt ? m_decrypt(text) : SettingsValueCodec::decode(text);
}

void SettingsService::toSettings(const QString& key, const QVariant& value)
{
    m_settings.setValue(key, encryptQVariant(value));
}

QVariant SettingsService::fromSettings(const QString& key)
{
    if (!m_settings.contains(key))
        return {};
    return decryptQVariant(m_settings.value(key).toString());
}

void SettingsService::_setDefaultSettingValue(const QString& key, const QVariant& value, bool force)
{
    if (!force && m_settings.contains(key))
        return;
    toSettings(key, value);
    qCDebug(coreSettingsLog).noquote() << QStringLiteral("Set default settings : %1, %2")
                                              .arg(nameOf(settingStrToName, key),
                                                   defaultValues ? defaultValues->value(key).toString() : QString());
}

void SettingsService::_clearSettings()
{
    m_settings.clear();
}

void SettingsService::printInfos()
{
    QString text = QStringLiteral("\nTemp settings :\n");
    const QStringList names = m_settingsMap->keys();
    for (const QString& name : names)
        text += QStringLiteral("key = %1, value = %2\n").arg(name, m_settingsMap->value(name).toString());
    text += QStringLiteral("\nPersistant settings :\n");
    const QStringList keys = m_settings.allKeys();
    for (const QString& key : keys)
        text += QStringLiteral("key = %1, value = %2\n").arg(key, m_settings.value(key).toString());
    qCDebug(coreSettingsLog).noquote() << text;
}

bool SettingsService::deviceLocationEnabled() const
{
    return LocationConsent::positionSourceAvailable();
}

bool SettingsService::appsAllowedToUseLocation() const
{
    return LocationConsent::positionSourceAvailable();
}

} // namespace core
