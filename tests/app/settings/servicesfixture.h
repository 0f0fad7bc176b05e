#pragma once

#include <QCoreApplication>
#include <QSettings>
#include <QTest>
#include <memory>

#include <core/languageservice.h>
#include <core/settingsservice.h>

// The settings and language services as the application object makes them, on an empty
// store. The tests' own translations are English (chosen at start) and French.
struct ServicesFixture {
    ServicesFixture()
    {
        // The settings service's store is the one of the organisation and application names.
        QCoreApplication::setOrganizationName(QStringLiteral("Zorvik"));
        QSettings().clear();
        settings = std::make_unique<core::SettingsService>();
        core::SettingsService::m_instance = settings.get();
        settings->initialize();
        language = std::make_unique<core::LanguageService>();
        core::LanguageService::m_instance = language.get();
        language->initialize();
    }

    // Switches the interface to the language of that name.
    void switchTo(const QString& languageName)
    {
        const int index = int(language->languages().indexOf(languageName));
        QVERIFY2(index >= 0, qPrintable(languageName));
        language->setCurrentLanguage(index);
    }

    std::unique_ptr<core::SettingsService> settings;
    std::unique_ptr<core::LanguageService> language;
};
