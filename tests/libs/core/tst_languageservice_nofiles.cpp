#include <QTest>

#include "languagetestfixture.h"

// No translation files at all: the program still starts, with its source texts.
class TestLanguageServiceWithoutFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("TarvinoTests"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_languageservice_nofiles"));
    }

    void startsWithSourceTextsAndIgnoresSwitching()
    {
        LanguageFixture fixture(QStringLiteral("en"));
        QTest::ignoreMessage(QtWarningMsg, "No interface translation fits; showing the source texts");
        fixture.language->initialize();
        fixture.recordSignals();

        fixture.language->setCurrentLanguage(0);

        const core::LanguageService& language = *fixture.language;
        QVERIFY(language.languages().isEmpty());
        QCOMPARE(language.currentLanguage(), -1);
        QCOMPARE(language.localeCode(), QString::fromLatin1(core::LanguageService::SourceLanguageCode));
        QVERIFY(!language.isRightToLeft());
        QCOMPARE(installedLanguageName(), QStringLiteral("LANGUAGE_NAME"));
        QCOMPARE(fixture.signalLog, QStringList());
        QCOMPARE(storedLanguageText(), QStringLiteral("10_en"));
    }
};

QTEST_GUILESS_MAIN(TestLanguageServiceWithoutFiles)
#include "tst_languageservice_nofiles.moc"
