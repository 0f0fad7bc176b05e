#include <algorithm>

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// The languages whose every text is translated; the others still lack some.
const QStringList CompleteLanguages{"cs", "da", "de", "el", "en", "es", "fi", "fr", "he",
                                    "it", "nb", "nl", "pl", "pt", "ru", "sk", "sv", "tr"};

const QStringList Languages{"cs", "da", "de", "el", "en", "es", "fi", "fr", "he",
                            "it", "nb", "nl", "pl", "pt", "ru", "sk", "sv", "tr"};

QString translationsDir() {
    return QStringLiteral(TARVINO_SOURCE_DIR "/resources/translations");
}

struct Message {
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    QString type; // "", "unfinished", "vanished" or "obsolete"
    QStringList forms;

    QString key() const { return context + u'\x1f' + source + u'\x1f' + comment; }
    bool finished() const { return type.isEmpty(); }
};

struct TsFile {
    QString language;
    QString sourceLanguage;
    QList<Message> messages;
    QHash<QString, Message> byKey;
};

void readMessage(QXmlStreamReader& xml, const QString& context, TsFile& file) {
    Message message;
    message.context = context;
    message.numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
    while (xml.readNextStartElement()) {
        if (xml.name() == u"source") {
            message.source = xml.readElementText();
        } else if (xml.name() == u"comment") {
            message.comment = xml.readElementText();
        } else if (xml.name() == u"translation") {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (message.numerus) {
                while (xml.readNextStartElement())
                    message.forms.append(xml.readElementText());
            } else {
                message.forms.append(xml.readElementText());
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    file.byKey.insert(message.key(), message);
    file.messages.append(message);
}

TsFile readTs(const QString& path) {
    TsFile file;
    QFile device(path);
    if (!device.open(QIODevice::ReadOnly))
        return file;
    QXmlStreamReader xml(&device);
    if (!xml.readNextStartElement())
        return file;
    file.language = xml.attributes().value(QLatin1String("language")).toString();
    file.sourceLanguage = xml.attributes().value(QLatin1String("sourcelanguage")).toString();
    while (xml.readNextStartElement()) {
        QString context;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"name")
                context = xml.readElementText();
            else if (xml.name() == u"message")
                readMessage(xml, context, file);
            else
                xml.skipCurrentElement();
        }
    }
    return file;
}

// context, source text, languages ("*" for all) and reason, tab-separated; "#" starts a comment.
struct NeutralList {
    QHash<QString, QStringList> languagesByText;
    QStringList faults;

    static QString key(const QString& context, const QString& source) { return context + u'\x1f' + source; }

    bool lists(const Message& message, const QString& language) const {
        const QStringList languages = languagesByText.value(key(message.context, message.source));
        return languages.contains(QStringLiteral("*")) || languages.contains(language);
    }
};

NeutralList readNeutralList() {
    NeutralList list;
    QFile file(translationsDir() + QStringLiteral("/neutral.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        list.faults.append(QStringLiteral("neutral.txt cannot be read"));
        return list;
    }
    int lineNumber = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 4 || fields[3].trimmed().isEmpty()) {
            list.faults.append(
                QStringLiteral("line %1 needs context, text, languages and reason").arg(lineNumber));
            continue;
        }
        const QString source = QString(fields[1]).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        list.languagesByText[NeutralList::key(fields[0], source)] += fields[2].split(u',');
    }
    return list;
}

// How often each placeholder (%1 to %99, %L1, %n) stands in a text.
QHash<QString, int> placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%(L?[0-9]+|n)"));
    QHash<QString, int> counts;
    for (const QRegularExpressionMatch& match : pattern.globalMatch(text))
        ++counts[match.captured()];
    return counts;
}

// An accelerator is a "&" before a letter; "&&" is a plain ampersand.
int accelerators(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("(?<!&)&(?=[^&\\s])"));
    return static_cast<int>(text.count(pattern));
}

int expectedPluralForms(const QString& language) {
    static const QStringList three{"cs", "pl", "ru", "sk"};
    if (three.contains(language))
        return 3;
    return language == u"tr" ? 1 : 2;
}

bool hasLetters(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

bool hasScript(const QString& text, QChar::Script script) {
    return std::any_of(text.begin(), text.end(), [script](QChar c) { return c.script() == script; });
}

QString describe(const Message& message) {
    return QStringLiteral("[%1] \"%2\"").arg(message.context, message.source);
}

void addLanguageRows() {
    QTest::addColumn<QString>("language");
    for (const QString& language : Languages)
        QTest::newRow(qPrintable(language)) << language;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    TsFile m_gathered;
    QHash<QString, TsFile> m_files;
    NeutralList m_neutral;

    TsFile file(const QString& language) const { return m_files.value(language); }

    // Each listed fault fails the test; all of them are shown at once.
    static void verifyNone(const QStringList& faults) {
        for (const QString& fault : faults)
            qWarning().noquote() << fault;
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults").arg(faults.size())));
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        const QString gathered = m_dir.filePath(QStringLiteral("gathered.ts"));
        QProcess lupdate;
        lupdate.start(QStringLiteral(TARVINO_SOURCE_DIR "/scripts/update-translations"), {gathered});
        QVERIFY(lupdate.waitForFinished(-1));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
        m_gathered = readTs(gathered);
        QVERIFY(m_gathered.messages.size() > 100);
        for (const QString& language : Languages)
            m_files.insert(language,
                           readTs(translationsDir() + QStringLiteral("/tarvino_%1.ts").arg(language)));
        m_neutral = readNeutralList();
    }

    void namesItsLanguages_data() { addLanguageRows(); }
    void namesItsLanguages() {
        QFETCH(QString, language);
        QCOMPARE(file(language).language, language);
        QCOMPARE(file(language).sourceLanguage, QStringLiteral("de"));
    }

    void holdsExactlyTheSourceTexts_data() { addLanguageRows(); }
    void holdsExactlyTheSourceTexts() {
        QFETCH(QString, language);
        const TsFile ts = file(language);
        QStringList faults;
        for (const Message& message : m_gathered.messages) {
            if (!ts.byKey.contains(message.key()))
                faults.append(QStringLiteral("missing ") + describe(message));
            else if (ts.byKey.value(message.key()).numerus != message.numerus)
                faults.append(QStringLiteral("plural use differs ") + describe(message));
        }
        for (const Message& message : ts.messages) {
            if (!m_gathered.byKey.contains(message.key()))
                faults.append(QStringLiteral("no longer in the sources ") + describe(message));
            if (message.type == u"vanished" || message.type == u"obsolete")
                faults.append(message.type + u' ' + describe(message));
        }
        verifyNone(faults);
    }

    void fillsEveryPluralForm_data() { addLanguageRows(); }
    void fillsEveryPluralForm() {
        QFETCH(QString, language);
        QStringList faults;
        for (const Message& message : file(language).messages) {
            if (!message.numerus)
                continue;
            if (message.forms.size() != expectedPluralForms(language))
                faults.append(QStringLiteral("%1 plural forms ").arg(message.forms.size()) +
                              describe(message));
            else if (message.finished() && message.forms.contains(QString()))
                faults.append(QStringLiteral("empty plural form ") + describe(message));
        }
        verifyNone(faults);
    }

    void keepsPlaceholdersAndAccelerators_data() { addLanguageRows(); }
    void keepsPlaceholdersAndAccelerators() {
        QFETCH(QString, language);
        QStringList faults;
        for (const Message& message : file(language).messages) {
            if (!message.finished())
                continue;
            const bool accelerated = accelerators(message.source) == 1;
            for (const QString& form : message.forms) {
                if (placeholders(form) != placeholders(message.source))
                    faults.append(QStringLiteral("placeholders differ in \"%1\" ").arg(form) +
                                  describe(message));
                if (accelerated && accelerators(form) != 1)
                    faults.append(QStringLiteral("not one accelerator in \"%1\" ").arg(form) +
                                  describe(message));
            }
        }
        verifyNone(faults);
    }

    void translatesEveryText_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : CompleteLanguages)
            QTest::newRow(qPrintable(language)) << language;
    }
    void translatesEveryText() {
        QFETCH(QString, language);
        QStringList faults;
        for (const Message& message : file(language).messages) {
            if (!message.finished() || message.forms.contains(QString()))
                faults.append(QStringLiteral("unfinished ") + describe(message));
        }
        verifyNone(faults);

        const QString path = translationsDir() + QStringLiteral("/tarvino_%1.ts").arg(language);
        QProcess lrelease;
        lrelease.start(QStringLiteral(TARVINO_LRELEASE),
                       {path, QStringLiteral("-qm"), m_dir.filePath(language + ".qm")});
        QVERIFY(lrelease.waitForFinished(-1));
        QCOMPARE(lrelease.exitCode(), 0);
        const QString report = QString::fromUtf8(lrelease.readAllStandardOutput());
        QVERIFY2(report.contains(QStringLiteral(" 0 unfinished")), qPrintable(report));
    }

    void neutralListIsSoundAndShort() {
        verifyNone(m_neutral.faults);
        QStringList faults;
        for (auto it = m_neutral.languagesByText.cbegin(); it != m_neutral.languagesByText.cend(); ++it) {
            const QStringList parts = it.key().split(u'\x1f');
            const bool known =
                std::any_of(m_gathered.messages.cbegin(), m_gathered.messages.cend(),
                            [&](const Message& m) { return m.context == parts[0] && m.source == parts[1]; });
            if (!known)
                faults.append(QStringLiteral("not a source text: [%1] \"%2\"").arg(parts[0], parts[1]));
            for (const QString& language : it.value()) {
                if (language != u"*" && !Languages.contains(language))
                    faults.append(QStringLiteral("unknown language %1 for \"%2\"").arg(language, parts[1]));
            }
        }
        verifyNone(faults);
        for (const QString& language : Languages) {
            const auto listed = std::count_if(m_gathered.messages.cbegin(), m_gathered.messages.cend(),
                                              [&](const Message& m) { return m_neutral.lists(m, language); });
            QVERIFY2(
                listed * 10 <= m_gathered.messages.size(),
                qPrintable(QStringLiteral("%1 texts listed as neutral for %2").arg(listed).arg(language)));
        }
    }

    void differsFromGermanAndEnglish_data() { addLanguageRows(); }
    void differsFromGermanAndEnglish() {
        QFETCH(QString, language);
        if (language == u"de")
            QSKIP("German is the source language");
        const TsFile english = file(QStringLiteral("en"));
        QStringList faults;
        for (const Message& message : file(language).messages) {
            if (!message.finished() || m_neutral.lists(message, language))
                continue;
            const QStringList englishForms = english.byKey.value(message.key()).forms;
            for (qsizetype i = 0; i < message.forms.size(); ++i) {
                const QString& form = message.forms[i];
                if (form == message.source)
                    faults.append(QStringLiteral("German source kept ") + describe(message));
                else if (language != u"en" && englishForms.contains(form))
                    faults.append(QStringLiteral("English kept \"%1\" ").arg(form) + describe(message));
            }
        }
        verifyNone(faults);
    }

    void usesItsOwnScript_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("script");
        QTest::newRow("el") << QStringLiteral("el") << int(QChar::Script_Greek);
        QTest::newRow("ru") << QStringLiteral("ru") << int(QChar::Script_Cyrillic);
        QTest::newRow("he") << QStringLiteral("he") << int(QChar::Script_Hebrew);
    }
    void usesItsOwnScript() {
        QFETCH(QString, language);
        QFETCH(int, script);
        QStringList faults;
        for (const Message& message : file(language).messages) {
            if (!message.finished() || m_neutral.lists(message, language))
                continue;
            for (const QString& form : message.forms) {
                if (hasLetters(form) && !hasScript(form, QChar::Script(script)))
                    faults.append(QStringLiteral("\"%1\" is not in its script ").arg(form) +
                                  describe(message));
            }
        }
        verifyNone(faults);
    }

    void namesExistingPictures_data() { addLanguageRows(); }
    void namesExistingPictures() {
        QFETCH(QString, language);
        QStringList faults;
        for (const Message& message : file(language).messages) {
            if (message.context != u"Image" || !message.finished())
                continue;
            const QString picture =
                QStringLiteral(TARVINO_SOURCE_DIR "/resources/images/%1.svg").arg(message.forms.value(0));
            if (!QFile::exists(picture))
                faults.append(QStringLiteral("no picture %1 ").arg(picture) + describe(message));
        }
        verifyNone(faults);
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
