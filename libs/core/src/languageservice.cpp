#include "languageservice.h"

#include "corelogging.h"
#include "settingsservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QJSEngine>
#include <algorithm>

namespace core {

LanguageService::LanguageService(QObject* parent)
    : QObject(parent)
{
}

LanguageService::~LanguageService()
{
    if (m_installedTranslator)
        QCoreApplication::removeTranslator(m_installedTranslator);
}

void LanguageService::initialize()
{
    const QString stored = SettingsService::hasInstance() ? SettingsService::instance().interfaceLanguage() : QString();
    QTranslator* systemCandidate = nullptr;
    QTranslator* defaultCandidate = nullptr;
    QTranslator* chosen = loadLanguages(stored, &systemCandidate, &defaultCandidate);

    std::sort(m_languages.begin(), m_languages.end(),
              [](const Language& a, const Language& b) { return a.name < b.name; });

    if (!chosen)
        chosen = systemCandidate ? systemCandidate : defaultCandidate;

    const auto entry = std::find_if(m_languages.cbegin(), m_languages.cend(),
                                    [chosen](const Language& l) { return l.translator == chosen; });
    if (chosen && entry != m_languages.cend()) {
        m_currentLanguage = int(entry - m_languages.cbegin());
        m_localeCode = entry->code;
    } else {
        m_currentLanguage = -1;
        m_localeCode = QString::fromLatin1(SourceLanguageCode);
        qCWarning(coreLanguageLog) << "No interface translation fits; showing the source texts";
    }
    useLocale(m_localeCode);

    if (chosen && !chosen->isEmpty())
        install(chosen);
    qCDebug(coreLanguageLog).noquote() << "Started with locale"
                                       << (entry != m_languages.cend() ? entry->name : m_localeCode);
}

QTranslator* LanguageService::loadLanguages(const QString& storedCode, QTranslator** systemCandidate,
                                            QTranslator** defaultCandidate)
{
    const QLocale system = QLocale::system();
    QTranslator* chosen = nullptr;
    const QDir folder(QStringLiteral(":/translations"));
    const QStringList files = folder.entryList({QStringLiteral("*.qm")}, QDir::Files, QDir::Unsorted);
    for (const QString& fileName : files) {
        const QString path = folder.filePath(fileName);
        const QStringList parts = QFileInfo(fileName).completeBaseName().split(QLatin1Char('_'));
        if (parts.size() < 2) {
            qCWarning(coreLanguageLog).noquote() << "Skipping translation file without a language code" << path;
            continue;
        }
        auto* translator = new QTranslator(this);
        if (!translator->load(path)) {
            qCDebug(coreLanguageLog).noquote() << "Error loading translation file " << path;
            delete translator;
            continue;
        }
        const QString code = parts.at(1);
        const Language language{code, translator->translate("Global", "LANGUAGE_NAME"), QLocale(code), translator};
        m_languages.append(language);

        if (language.locale.language() == system.language() || language.locale.territory() == system.territory()) {
            qCDebug(coreLanguageLog).noquote() << "System locale found" << language.name;
            *systemCandidate = translator;
        }
        if (code.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0) {
            qCDebug(coreLanguageLog).noquote() << "Default locale found" << language.name;
            *defaultCandidate = translator;
        }
        if (!storedCode.isEmpty() && code.compare(storedCode, Qt::CaseInsensitive) == 0) {
            qCDebug(coreLanguageLog).noquote() << "Current locale found" << language.name;
            chosen = translator;
        }
    }
    return chosen;
}

void LanguageService::install(QTranslator* translator)
{
    QCoreApplication::installTranslator(translator);
    m_installedTranslator = translator;
}

// The native window's menus and widgets follow the reading direction as the views do.
void LanguageService::useLocale(const QString& code)
{
    m_locale = QLocale(code);
    // A console process (the command-line tools, some tests) has no GUI application.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(m_locale.textDirection());
}

void LanguageService::setCurrentLanguage(int index)
{
    if (index == m_currentLanguage || index < 0 || index >= m_languages.size())
        return;
    m_currentLanguage = index;
    emit currentLanguageChanged();

    if (m_installedTranslator) {
        QCoreApplication::removeTranslator(m_installedTranslator);
        m_installedTranslator = nullptr;
    }
    const Language& language = m_languages.at(index);
    if (!language.translator->isEmpty()) {
        install(language.translator);
        m_localeCode = language.code;
        useLocale(language.code);
        emit localeCodeChanged(m_localeCode);
    }
    emit emptyStringChanged();
    if (SettingsService::hasInstance())
        SettingsService::instance().setInterfaceLanguage(language.code);
}

QStringList LanguageService::languages() const
{
    QStringList names;
    names.reserve(m_languages.size());
    for (const Language& language : m_languages)
        names.append(language.name);
    return names;
}

QString LanguageService::emptyString() const
{
    return QString();
}

int LanguageService::currentLanguage() const
{
    return m_currentLanguage;
}

QString LanguageService::localeCode() const
{
    return m_localeCode;
}

QLocale LanguageService::currentLocale() const
{
    return m_locale;
}

bool LanguageService::isRightToLeft() const
{
    return m_locale.textDirection() == Qt::RightToLeft;
}

int LanguageService::textHAlign() const
{
    return isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft;
}

void LanguageService::publishBindTr(QJSEngine& engine)
{
    // Reading emptyString inside the binding's evaluation makes the binding depend on it.
    const QJSValue factory = engine.evaluate(QStringLiteral(R"((function(service) {
        return function(context, sourceText, disambiguation, n) {
            let text
            if (disambiguation === undefined)
                text = qsTranslate(context, sourceText)
            else if (n === undefined)
                text = qsTranslate(context, sourceText, disambiguation)
            else
                text = qsTranslate(context, sourceText, disambiguation, n)
            return text + service.emptyString
        }
    }))"));
    QJSEngine::setObjectOwnership(this, QJSEngine::CppOwnership);
    engine.globalObject().setProperty(QStringLiteral("bindTr"), factory.call({engine.newQObject(this)}));
}

} // namespace core
