#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QTest>

#include "languagetestfixture.h"

// Translation set: tarvino_de ("Deutsch"), tarvino_el ("Ελληνικά"), tarvino_en ("English"),
// tarvino_he ("עברית"), nolanguagecode (no "_" in its name) and tarvino_xx (not a translation
// file). The names sort differently from the file names.
namespace {
const QString German = QStringLiteral("Deutsch");
const QString English = QStringLiteral("English");
const QString Greek = QStringLiteral("Ελληνικά");
const QString Hebrew = QStringLiteral("עברית");
} // namespace

class TestLanguageService : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("TarvinoTests"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_languageservice"));
    }

    void listsLoadableFilesSortedByName()
    {
        LanguageFixture fixture;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("without a language code.*nolanguagecode")));
        fixture.language->initialize();
        QCOMPARE(fixture.language->languages(), (QStringList{German, English, Greek, Hebrew}));
    }

    void choosesStoredLanguageIgnoringCase_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::newRow("same case") << "de" << German << "de";
        QTest::newRow("upper case") << "DE" << German << "de";
        QTest::newRow("mixed case") << "En" << English << "en";
        QTest::newRow("listed before English") << "el" << Greek << "el";
        QTest::newRow("right to left") << "he" << Hebrew << "he";
    }

    void choosesStoredLanguageIgnoringCase()
    {
        QFETCH(QString, stored);
        QFETCH(QString, name);
        QFETCH(QString, code);
        LanguageFixture fixture(stored);
        fixture.recordSignals();

        fixture.language->initialize();

        const core::LanguageService& language = *fixture.language;
        QCOMPARE(language.languages().value(language.currentLanguage()), name);
        QCOMPARE(language.localeCode(), code);
        QCOMPARE(language.currentLocale(), QLocale(code));
        QCOMPARE(QGuiApplication::layoutDirection(), code == u"he" ? Qt::RightToLeft : Qt::LeftToRight);
        QCOMPARE(installedLanguageName(), name);
        QCOMPARE(fixture.signalLog, QStringList());
        QCOMPARE(storedLanguageText(), QStringLiteral("10_") + stored);
    }

    void storedLanguageWithoutUsableFileFallsBack_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("no file for the code") << "pt";
        QTest::newRow("file that does not load") << "xx";
        QTest::newRow("empty code") << "";
    }

    void storedLanguageWithoutUsableFileFallsBack()
    {
        QFETCH(QString, stored);
        if (!systemLocaleIs(QStringLiteral("ja_JP")))
            QSKIP("needs a system locale that fits no translation");
        LanguageFixture fixture(stored);

        fixture.language->initialize();

        QCOMPARE(fixture.language->currentLanguage(), 1);
        QCOMPARE(fixture.language->localeCode(), QStringLiteral("en"));
        QCOMPARE(installedLanguageName(), English);
        QCOMPARE(storedLanguageText(), QStringLiteral("10_") + stored);
    }

    // Registered once per system locale; each run checks the row of its own locale.
    void choosesFromSystemLocale_data()
    {
        QTest::addColumn<QString>("systemLocale");
        QTest::addColumn<QStringList>("fitting");
        QTest::newRow("de_AT") << "de_AT" << QStringList{German};
        // Deutsch fits the territory, English the language; the one listed later wins.
        QTest::newRow("en_DE") << "en_DE" << QStringList{German, English};
        QTest::newRow("ja_JP") << "ja_JP" << QStringList{English};
    }

    void choosesFromSystemLocale()
    {
        QFETCH(QString, systemLocale);
        QFETCH(QStringList, fitting);
        if (!systemLocaleIs(systemLocale))
            QSKIP("runs under another system locale");
        LanguageFixture fixture;
        fixture.recordSignals();

        fixture.language->initialize();

        const core::LanguageService& language = *fixture.language;
        const QString chosen = language.languages().value(language.currentLanguage());
        QVERIFY2(fitting.contains(chosen), qPrintable(chosen));
        QCOMPARE(installedLanguageName(), chosen);
        QCOMPARE(fixture.signalLog, QStringList());
        QVERIFY(!QSettings().contains(QStringLiteral("interface/language")));
    }

    void switchingSignalsInOrderAndStoresTheCode()
    {
        LanguageFixture fixture(QStringLiteral("de"));
        fixture.language->initialize();
        QVERIFY(!fixture.language->isRightToLeft());
        QCOMPARE(fixture.language->textHAlign(), 1);
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        fixture.recordSignals();

        fixture.language->setCurrentLanguage(3);

        QCOMPARE(fixture.signalLog, (QStringList{QStringLiteral("currentLanguageChanged"),
                                                 QStringLiteral("localeCodeChanged he"),
                                                 QStringLiteral("emptyStringChanged"),
                                                 QStringLiteral("settingChanged interface/language"),
                                                 QStringLiteral("interfaceLanguageChanged he")}));
        const core::LanguageService& language = *fixture.language;
        QCOMPARE(language.currentLanguage(), 3);
        QCOMPARE(language.localeCode(), QStringLiteral("he"));
        QCOMPARE(language.currentLocale(), QLocale(QStringLiteral("he")));
        QVERIFY(language.isRightToLeft());
        QCOMPARE(language.textHAlign(), 2);
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        QCOMPARE(installedLanguageName(), Hebrew);
        QCOMPARE(fixture.settings->interfaceLanguage(), QStringLiteral("he"));
        QCOMPARE(storedLanguageText(), QStringLiteral("10_he"));
    }

    void bindTrTranslatesAgainAfterASwitch()
    {
        LanguageFixture fixture(QStringLiteral("de"));
        fixture.language->initialize();
        // A plain engine: nothing but bindTr's own dependency can re-evaluate the bindings.
        QQmlEngine engine;
        fixture.language->publishBindTr(engine);
        QQmlComponent component(&engine);
        component.setData("import QtQml\nQtObject {\n"
                          "    property string name: bindTr('Global', 'LANGUAGE_NAME')\n"
                          "    property string withoutDisambiguation: bindTr('Global', 'LANGUAGE_NAME', '')\n"
                          "}",
                          QUrl());
        const std::unique_ptr<QObject> texts(component.create());
        QVERIFY2(texts, qPrintable(component.errorString()));
        QCOMPARE(texts->property("name").toString(), German);

        fixture.language->setCurrentLanguage(3);
        QCOMPARE(texts->property("name").toString(), Hebrew);
        QCOMPARE(texts->property("withoutDisambiguation").toString(), Hebrew);
    }

    void switchingBackReplacesTheTranslator()
    {
        LanguageFixture fixture(QStringLiteral("de"));
        fixture.language->initialize();
        fixture.language->setCurrentLanguage(1);
        fixture.language->setCurrentLanguage(0);
        QCOMPARE(installedLanguageName(), German);
        QCOMPARE(storedLanguageText(), QStringLiteral("10_de"));
    }

    void destroyedServiceLeavesNoTranslator()
    {
        {
            LanguageFixture fixture(QStringLiteral("he"));
            fixture.language->initialize();
            QCOMPARE(installedLanguageName(), Hebrew);
        }
        QCOMPARE(installedLanguageName(), QStringLiteral("LANGUAGE_NAME"));
    }

    void switchingToCurrentOrMissingIndexDoesNothing_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("current") << 0;
        QTest::newRow("negative") << -1;
        QTest::newRow("one past the end") << 4;
        QTest::newRow("far past the end") << 1000;
    }

    void switchingToCurrentOrMissingIndexDoesNothing()
    {
        QFETCH(int, index);
        LanguageFixture fixture(QStringLiteral("de"));
        fixture.language->initialize();
        fixture.recordSignals();

        fixture.language->setCurrentLanguage(index);

        QCOMPARE(fixture.signalLog, QStringList());
        QCOMPARE(fixture.language->currentLanguage(), 0);
        QCOMPARE(fixture.language->localeCode(), QStringLiteral("de"));
        QCOMPARE(installedLanguageName(), German);
        QCOMPARE(storedLanguageText(), QStringLiteral("10_de"));
    }
};

QTEST_MAIN(TestLanguageService)
#include "tst_languageservice.moc"
