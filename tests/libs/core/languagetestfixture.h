#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QStringList>
#include <memory>

#include <core/languageservice.h>
#include <core/settingsservice.h>

// The settings and language services as the application object builds them, on a store that
// holds the given interface language (none when the code is null). The language is chosen by
// the test calling language->initialize(), so it can watch the signals.
struct LanguageFixture {
    explicit LanguageFixture(const QString& storedCode = QString())
    {
        QSettings store;
        store.clear();
        if (!storedCode.isNull())
            store.setValue(QStringLiteral("interface/language"), QStringLiteral("10_") + storedCode);
        store.sync();

        settings = std::make_unique<core::SettingsService>();
        core::SettingsService::m_instance = settings.get();
        settings->initialize();
        language = std::make_unique<core::LanguageService>();
        core::LanguageService::m_instance = language.get();
    }

    // Logs every signal a language switch sends, in order, with its argument.
    void recordSignals()
    {
        const auto log = [this](const QString& entry) { signalLog.append(entry); };
        QObject* context = language.get();
        QObject::connect(language.get(), &core::LanguageService::currentLanguageChanged, context,
                         [log] { log(QStringLiteral("currentLanguageChanged")); });
        QObject::connect(language.get(), &core::LanguageService::localeCodeChanged, context,
                         [log](const QString& code) { log(QStringLiteral("localeCodeChanged ") + code); });
        QObject::connect(language.get(), &core::LanguageService::emptyStringChanged, context,
                         [log] { log(QStringLiteral("emptyStringChanged")); });
        QObject::connect(settings.get(), &core::SettingsService::interfaceLanguageChanged, context,
                         [log](const QString& code) { log(QStringLiteral("interfaceLanguageChanged ") + code); });
        QObject::connect(settings.get(), &core::SettingsService::settingChanged, context,
                         [log](const QString& key) { log(QStringLiteral("settingChanged ") + key); });
    }

    QStringList signalLog;
    std::unique_ptr<core::SettingsService> settings;
    std::unique_ptr<core::LanguageService> language;
};

// The name of the installed translation, or the source text when none is installed.
inline QString installedLanguageName()
{
    return QCoreApplication::translate("Global", "LANGUAGE_NAME");
}

inline QString storedLanguageText()
{
    return QSettings().value(QStringLiteral("interface/language")).toString();
}

inline bool systemLocaleIs(const QString& name)
{
    return QLocale::system().name() == name;
}
