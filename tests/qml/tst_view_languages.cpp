#include <QFile>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>
#include <memory>

#include <core/languageservice.h>

#include "maincontroller.h"
#include "tarvinoapp.h"
#include "viewharness.h"

// Each language chosen in the settings view, as a user does: the home view and the program view
// then show no German source text, unless the text reads the same in that language.

namespace {

const int HomeScreenView = 0;
const int ProjectContentView = 2;
const int GlobalSettingsView = 8;

QString translationsDir() {
    return QStringLiteral(TARVINO_SOURCE_DIR "/resources/translations");
}

QSet<QString> germanSources() {
    QSet<QString> sources;
    QFile file(translationsDir() + QStringLiteral("/tarvino_de.ts"));
    if (!file.open(QIODevice::ReadOnly))
        return sources;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"source")
            sources.insert(xml.readElementText());
    }
    return sources;
}

// The source texts neutral.txt allows to stay as they are in the language.
QSet<QString> neutralSources(const QString& language) {
    QSet<QString> sources;
    QFile file(translationsDir() + QStringLiteral("/neutral.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return sources;
    while (!file.atEnd()) {
        const QStringList fields = QString::fromUtf8(file.readLine()).chopped(1).split(u'\t');
        if (fields.size() < 3 || fields[0].startsWith(u'#'))
            continue;
        const QStringList languages = fields[2].split(u',');
        if (languages.contains(QStringLiteral("*")) || languages.contains(language))
            sources.insert(QString(fields[1]).replace(QStringLiteral("\\n"), QStringLiteral("\n")));
    }
    return sources;
}

void collectTexts(const QQuickItem* item, QStringList& texts) {
    if (!item->isVisible())
        return;
    const QString text = item->property("text").toString();
    if (!text.isEmpty())
        texts.append(text);
    for (const QQuickItem* child : item->childItems())
        collectTexts(child, texts);
}

} // namespace

class TestViewLanguages : public QObject {
    Q_OBJECT

    std::unique_ptr<ViewHarness> m_harness;
    QQuickWindow* m_window = nullptr;
    QSet<QString> m_german;

    bool showView(int viewKind) {
        auto* stack = m_window->findChild<QQuickItem*>(QStringLiteral("viewStack"));
        m_harness->evaluate(QStringLiteral("ViewLoader.openView(%1, {}, true)").arg(viewKind));
        return ViewHarness::waitFor([stack, viewKind] {
            const auto* view = stack->property("currentItem").value<QQuickItem*>();
            return view && view->property("viewKind").toInt() == viewKind &&
                   !stack->property("busy").toBool();
        });
    }

    // The position of the language in the settings view's list (the languages sorted by name).
    int languageIndex(const QString& code) const {
        core::LanguageService* service = m_harness->app().languageService();
        const int before = service->currentLanguage();
        int found = -1;
        for (int index = 0; index < service->languages().size() && found < 0; ++index) {
            service->setCurrentLanguage(index);
            if (service->localeCode() == code)
                found = index;
        }
        service->setCurrentLanguage(before);
        return found;
    }

    // The German source texts among the texts the current view shows.
    QStringList germanTexts(const QString& language) const {
        const QSet<QString> neutral = neutralSources(language);
        QStringList texts;
        collectTexts(m_window->contentItem(), texts);
        QStringList found;
        for (const QString& text : texts) {
            if (m_german.contains(text) && !neutral.contains(text))
                found.append(text);
        }
        return found;
    }

private slots:
    void initTestCase() {
        m_german = germanSources();
        QVERIFY(m_german.size() > 100);
        m_harness = std::make_unique<ViewHarness>();
        m_window = m_harness->loadMain();
        QVERIFY(m_window);
        QVERIFY(MainController::instance().createProject(102, QStringLiteral("Halle 7")));
    }

    void cleanupTestCase() { m_harness.reset(); }

    void homeAndProgramViewsAreTranslated_data() {
        QTest::addColumn<QString>("language");
        for (const char* code : {"cs", "da", "de", "el", "en", "es", "fi", "fr", "he", "it", "nb", "nl", "pl",
                                 "pt", "ru", "sk", "sv", "tr"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }

    void homeAndProgramViewsAreTranslated() {
        QFETCH(QString, language);
        QVERIFY(showView(GlobalSettingsView));
        const int index = languageIndex(language);
        QVERIFY(index >= 0);
        QVERIFY(m_harness->choose(m_harness->find(QStringLiteral("languageChoice")), index));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("okSettingsButton"))));
        QCOMPARE(m_harness->app().languageService()->localeCode(), language);

        for (const int view : {HomeScreenView, ProjectContentView}) {
            QVERIFY(showView(view));
            const QStringList german = germanTexts(language);
            if (language == u"de")
                QVERIFY(!german.isEmpty());
            else
                QVERIFY2(german.isEmpty(), qPrintable(german.join(QStringLiteral(" | "))));
        }
    }
};

QTEST_MAIN(TestViewLanguages)
#include "tst_view_languages.moc"
