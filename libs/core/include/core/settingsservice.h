#pragma once

#include <QMap>
#include <QObject>
#include <QQmlPropertyMap>
#include <QSettings>
#include <QVariant>
#include <QtQml/qqmlregistration.h>
#include <functional>
#include <memory>

#include <utils/singleton.h>

namespace core {

// The one settings store of the program. Every setting is registered once, before main,
// with a storage key, a name and an optional default. The program reads and writes by key;
// QML reads by name through the property map and writes through the slots.
class SettingsService : public QObject, public utils::Singleton<SettingsService> {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created on start")
    Q_PROPERTY(bool demoMode READ demoMode WRITE setDemoMode NOTIFY demoModeChanged)
    Q_PROPERTY(bool debugMode READ debugMode WRITE setDebugMode NOTIFY debugModeChanged)
    Q_PROPERTY(bool hasAcceptedLegalTerms READ hasAcceptedLegalTerms WRITE setHasAcceptedLegalTerms NOTIFY
                   hasAcceptedLegalTermsChanged)

public:
    explicit SettingsService(QObject* parent = nullptr);
    ~SettingsService() override;

    inline static SettingsService* m_instance = nullptr;

    static void registerSetting(const QString& key, const QString& name, const QVariant& defaultValue = QVariant());

    void initialize();

    QVariant settingValue(const QString& key) const;
    QQmlPropertyMap* settingsMap() const;
    // Writes the settings out; false when they could not be written (the file stays as it was).
    // QSettings keeps its first error: after one failed write, every later call answers false.
    bool sync();

    bool debugMode() const;
    bool demoMode() const;
    bool hasAcceptedLegalTerms() const;
    QString interfaceLanguage() const;
    void setHasAcceptedLegalTerms(bool value);

    void setEncryptFunction(std::function<QString(const QVariant&)> encrypt);
    void setDecryptFunction(std::function<QVariant(const QString&)> decrypt);

    Q_INVOKABLE bool deviceLocationEnabled() const;
    Q_INVOKABLE bool appsAllowedToUseLocation() const;

    static const QString DebugModeKey;
    static const QString DemoModeKey;
    static const QString AcceptedTermsKey;
    static const QString InterfaceLanguageKey;

public slots:
    void setDemoMode(bool value);
    void setDebugMode(bool value);
    void printInfos();
    void setSettingValue(const QString& settingName, const QVariant& value, bool persistent = true);
    void setSettingValueFromStringKey(const QString& stringKey, const QVariant& value, bool persistant = true);

signals:
    void settingChanged(const QString& settingKey);
    void interfaceLanguageChanged(const QString& code);
    void demoModeChanged(bool value);
    void debugModeChanged(bool value);
    void hasAcceptedLegalTermsChanged();

protected:
    virtual void toSettings(const QString& key, const QVariant& value);
    virtual QVariant fromSettings(const QString& key);

    QString encryptQVariant(const QVariant& value) const;
    QVariant decryptQVariant(const QString& text) const;
    void _setDefaultSettingValue(const QString& key, const QVariant& value, bool force);
    void _clearSettings();
    void setInterfaceLanguage(const QString& code);

    friend class LanguageService;

private:
    struct TypedState {
        bool debugMode;
        bool demoMode;
        bool acceptedTerms;
        QString language;
    };
    TypedState typedState() const;
    void emitTypedChanges(const TypedState& before);
    void restoreStoredSetting(const QString& key);

    static QMap<QString, QString>* settingStrToName;
    static QMap<QString, QString>* settingNameToStr;
    static QMap<QString, QVariant>* defaultValues;

    QSettings m_settings;
    std::unique_ptr<QQmlPropertyMap> m_settingsMap;
    std::function<QString(const QVariant&)> m_encrypt;
    std::function<QVariant(const QString&)> m_decrypt;
};

} // namespace core
