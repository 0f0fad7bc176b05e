#pragma once

#include <QColor>
#include <QObject>
#include <QQmlApplicationEngine>
#include <QtQml/qqmlregistration.h>

#include <core/eventservice.h>
#include <core/languageservice.h>
#include <core/settingsservice.h>
#include <logger/logservice.h>

namespace core {

// Base of the program's application object: owns the QML engine, creates the settings,
// language and event services, publishes them to QML and lets logging follow the debug mode.
class BaseApplication : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created in main cpp")
    Q_PROPERTY(core::SettingsService* settingsService READ settingsService CONSTANT)
    Q_PROPERTY(core::LanguageService* languageService READ languageService CONSTANT)
    Q_PROPERTY(core::EventService* eventService READ eventService CONSTANT)
    Q_PROPERTY(bool hasLogger READ hasLogger CONSTANT)
    Q_PROPERTY(bool logState READ logState WRITE setLogState NOTIFY logStateChanged)
    Q_PROPERTY(logger::LogService* logger READ logger NOTIFY loggerChanged)

public:
    BaseApplication(bool hasLogger, const QString& version, const QString& buildVersion, const QColor& color);
    ~BaseApplication() override;

    virtual bool initialize();

    QQmlApplicationEngine& engine();
    QQmlContext* context() const;
    SettingsService* settingsService() const;
    LanguageService* languageService() const;
    EventService* eventService() const;
    logger::LogService* logger() const;
    bool hasLogger() const;
    bool logState() const;

public slots:
    void setLogState(bool active);
    void printSystemInfo();

signals:
    void loggerChanged();
    void logStateChanged(bool active);

protected slots:
    virtual void onLogExported(const QByteArray& data);

private:
    void createLogger();

    QQmlApplicationEngine m_engine;
    QQmlContext* m_context;
    bool m_hasLogger;
    SettingsService* m_settingsService;
    LanguageService* m_languageService;
    logger::LogService* m_logger = nullptr;
    EventService* m_eventService;
    QString m_version;
    QString m_buildVersion;
    QColor m_color;
};

} // namespace core
