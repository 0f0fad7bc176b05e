#include <QTest>

#include "languagetestfixture.h"

// Translation set without English: tarvino_it ("Italiano"), tarvino_nl ("Nederlands") and
// tarvino_fi, which loads but holds no translation (so its name is empty).
class TestLanguageServiceWithoutEnglish : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("TarvinoTests"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_languageservice_noenglish"));
    }

    void withoutFittingLanguageShowsSourceTexts()
    {
        if (!systemLocaleIs(QStringLiteral("ja_JP")))
            QSKIP("needs a system locale that fits no translation");
        LanguageFixture fixture(QStringLiteral("pt"));
        QTest::ignoreMessage(QtWarningMsg, "No interface translation fits; showing the source texts");

        fixture.language->initialize();

        const core::LanguageService& language = *fixture.language;
        QCOMPARE(language.languages(), (QStringList{QString(), QStringLiteral("Italiano"), QStringLiteral("Nederlands")}));
        QCOMPARE(language.currentLanguage(), -1);
        QCOMPARE(language.localeCode(), QString::fromLatin1(core::LanguageService::SourceLanguageCode));
        QCOMPARE(installedLanguageName(), QStringLiteral("LANGUAGE_NAME"));
        QCOMPARE(storedLanguageText(), QStringLiteral("10_pt"));
    }

    void userCanChooseALanguageAfterwards()
    {
        if (!systemLocaleIs(QStringLiteral("ja_JP")))
            QSKIP("needs a system locale that fits no translation");
        LanguageFixture fixture;
        QTest::ignoreMessage(QtWarningMsg, "No interface translation fits; showing the source texts");
        fixture.language->initialize();
        fixture.recordSignals();

        fixture.language->setCurrentLanguage(2);

        QCOMPARE(fixture.signalLog, (QStringList{QStringLiteral("currentLanguageChanged"),
                                                 QStringLiteral("localeCodeChanged nl"),
                                                 QStringLiteral("emptyStringChanged"),
                                                 QStringLiteral("settingChanged interface/language"),
                                                 QStringLiteral("interfaceLanguageChanged nl")}));
        QCOMPARE(fixture.language->localeCode(), QStringLiteral("nl"));
        QCOMPARE(installedLanguageName(), QStringLiteral("Nederlands"));
        QCOMPARE(storedLanguageText(), QStringLiteral("10_nl"));
    }

    void storedLanguageIsChosen()
    {
        LanguageFixture fixture(QStringLiteral("NL"));
        fixture.language->initialize();
        QCOMPARE(fixture.language->currentLanguage(), 2);
        QCOMPARE(installedLanguageName(), QStringLiteral("Nederlands"));
    }

    void choosesFromSystemLocale()
    {
        if (!systemLocaleIs(QStringLiteral("it_IT")))
            QSKIP("runs under the system locale it_IT");
        LanguageFixture fixture;
        fixture.language->initialize();
        QCOMPARE(fixture.language->currentLanguage(), 1);
        QCOMPARE(installedLanguageName(), QStringLiteral("Italiano"));
    }

    // An empty translation is not installed; the texts fall back to the source language
    // while the locale code stays that of the previous language.
    void switchingToAnEmptyTranslationKeepsTheLocaleCode()
    {
        LanguageFixture fixture(QStringLiteral("nl"));
        fixture.language->initialize();
        fixture.recordSignals();

        fixture.language->setCurrentLanguage(0);

        QCOMPARE(fixture.signalLog, (QStringList{QStringLiteral("currentLanguageChanged"),
                                                 QStringLiteral("emptyStringChanged"),
                                                 QStringLiteral("settingChanged interface/language"),
                                                 QStringLiteral("interfaceLanguageChanged fi")}));
        QCOMPARE(fixture.language->currentLanguage(), 0);
        QCOMPARE(fixture.language->localeCode(), QStringLiteral("nl"));
        QCOMPARE(installedLanguageName(), QStringLiteral("LANGUAGE_NAME"));
        QCOMPARE(storedLanguageText(), QStringLiteral("10_fi"));
    }

    void storedEmptyTranslationIsChosenButNotInstalled()
    {
        LanguageFixture fixture(QStringLiteral("fi"));
        fixture.language->initialize();
        QCOMPARE(fixture.language->currentLanguage(), 0);
        QCOMPARE(fixture.language->localeCode(), QStringLiteral("fi"));
        QCOMPARE(installedLanguageName(), QStringLiteral("LANGUAGE_NAME"));
    }
};

QTEST_GUILESS_MAIN(TestLanguageServiceWithoutEnglish)
#include "tst_languageservice_noenglish.moc"
