#pragma once

#include <QList>
#include <QLocale>
#include <QObject>
#include <QStringList>
#include <QTranslator>
#include <QtQml/qqmlregistration.h>

class QJSEngine;

#include <utils/singleton.h>

namespace core {

// Finds the interface translations in ":/translations", chooses the language at start
// (stored choice, else one fitting the system locale, else English) and switches it at run time.
class LanguageService : public QObject, public utils::Singleton<LanguageService> {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created on start")
    Q_PROPERTY(QStringList languages READ languages CONSTANT)
    Q_PROPERTY(QString emptyString READ emptyString NOTIFY emptyStringChanged)
    Q_PROPERTY(int currentLanguage READ currentLanguage WRITE setCurrentLanguage NOTIFY currentLanguageChanged)
    Q_PROPERTY(QString localeCode READ localeCode NOTIFY localeCodeChanged)
    Q_PROPERTY(bool isRightToLeft READ isRightToLeft NOTIFY localeCodeChanged)
    Q_PROPERTY(int textHAlign READ textHAlign NOTIFY localeCodeChanged)

public:
    struct Language {
        QString code;
        QString name;
        QLocale locale;
        QTranslator* translator = nullptr;
    };

    explicit LanguageService(QObject* parent = nullptr);
    ~LanguageService() override;

    inline static LanguageService* m_instance = nullptr;

    void initialize();

    QStringList languages() const;
    QString emptyString() const;
    int currentLanguage() const;
    QString localeCode() const;
    bool isRightToLeft() const;
    int textHAlign() const;
    Q_INVOKABLE QLocale currentLocale() const;

    // Gives every QML file of the engine the global function
    // bindTr(context, sourceText, disambiguation, n): qsTranslate plus emptyString, so a
    // binding that calls it translates again after each language switch. lupdate finds the
    // calls with "-tr-function-alias qsTranslate+=bindTr".
    void publishBindTr(QJSEngine& engine);

    // The interface shows its German source texts when no translation can be chosen.
    static constexpr const char* SourceLanguageCode = "de";

public slots:
    void setCurrentLanguage(int index);

signals:
    void emptyStringChanged();
    void currentLanguageChanged();
    void localeCodeChanged(const QString& localeCode);

private:
    QTranslator* loadLanguages(const QString& storedCode, QTranslator** systemCandidate,
                               QTranslator** defaultCandidate);
    void install(QTranslator* translator);
    void useLocale(const QString& code);

    QList<Language> m_languages;
    QTranslator* m_installedTranslator = nullptr;
    int m_currentLanguage = 0;
    QString m_localeCode;
    QLocale m_locale;
};

} // namespace core
