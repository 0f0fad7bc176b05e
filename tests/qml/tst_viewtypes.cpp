#include <QDirIterator>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

// Every type name a view writes (an object, a property's type, an enum's qualifier) is known to
// a module it can import: Qt's, ours ("Tarvino", "quopral", ...) through their qmltypes and
// qmldir files. A C++ type that a view uses but nobody registered is only found at run time,
// on the path that reaches it; this finds it at once.

namespace {

QStringList filesBelow(const QString& root, const QStringList& patterns)
{
    QStringList files;
    QDirIterator it(root, patterns, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Exported names ("QtQuick/Text 2.0"), components ("Name 1.0 Name.qml") and singletons.
void addModuleNames(const QString& root, QSet<QString>& names)
{
    static const QRegularExpression exported(QStringLiteral("\"[\\w.]+/(\\w+) \\d+\\.\\d+\""));
    static const QRegularExpression component(
        QStringLiteral("^(?:singleton\\s+)?([A-Z]\\w*)\\s+\\d+\\.\\d+\\s+\\S+\\.qml"),
        QRegularExpression::MultilineOption);
    for (const QString& path : filesBelow(root, {QStringLiteral("*.qmltypes")})) {
        for (const auto& match : exported.globalMatch(readAll(path)))
            names.insert(match.captured(1));
    }
    for (const QString& path : filesBelow(root, {QStringLiteral("qmldir")})) {
        for (const auto& match : component.globalMatch(readAll(path)))
            names.insert(match.captured(1));
    }
}

// The text without comments and string literals, so that texts like "Datei.Neu" do not count.
QString codeOnly(const QString& source)
{
    static const QRegularExpression noise(
        QStringLiteral(R"(//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|'(?:\\.|[^'\\\n])*')"),
        QRegularExpression::DotMatchesEverythingOption);
    QString code = source;
    return code.replace(noise, QStringLiteral("\"\""));
}

QSet<QString> typeNamesUsed(const QString& code)
{
    static const QRegularExpression aliases(QStringLiteral("^\\s*import\\s+[\\w.]+(?:\\s+[\\d.]+)?\\s+as\\s+(\\w+)"),
                                            QRegularExpression::MultilineOption);
    static const QRegularExpression uses(QStringLiteral(
        "^\\s*([A-Z]\\w*)\\s*\\{"                    // an object
        "|\\bproperty\\s+(?:list<)?([A-Z]\\w*)>?\\s" // a property's type
        "|(?<![\\w.])([A-Z]\\w*)\\.[A-Z]\\w*"),      // an enum value or attached type
                                        QRegularExpression::MultilineOption);
    // Inline components are declared in the file itself.
    static const QRegularExpression inlineComponents(QStringLiteral("^\\s*component\\s+([A-Z]\\w*)\\s*:"),
                                                     QRegularExpression::MultilineOption);
    QSet<QString> skip;
    for (const auto& match : aliases.globalMatch(code))
        skip.insert(match.captured(1));
    for (const auto& match : inlineComponents.globalMatch(code))
        skip.insert(match.captured(1));
    QSet<QString> names;
    for (const QString& line : code.split(QLatin1Char('\n'))) {
        if (line.trimmed().startsWith(QLatin1String("import ")))
            continue;
        for (const auto& match : uses.globalMatch(line)) {
            const QString name = match.captured(1) + match.captured(2) + match.captured(3);
            if (!skip.contains(name))
                names.insert(name);
        }
    }
    return names;
}

} // namespace

class TestViewTypes : public QObject {
    Q_OBJECT

private slots:
    void everyTypeAViewUsesIsKnown()
    {
        QSet<QString> known{QStringLiteral("Math"), QStringLiteral("JSON"), QStringLiteral("Number"),
                            QStringLiteral("Date"), QStringLiteral("String"), QStringLiteral("Object")};
        addModuleNames(QLibraryInfo::path(QLibraryInfo::QmlImportsPath), known);
        addModuleNames(QStringLiteral(TARVINO_QML_OUTPUT), known);
        QVERIFY(known.contains(QStringLiteral("Text")));
        QVERIFY(known.contains(QStringLiteral("MainController")));

        QStringList unknown;
        const QStringList views = filesBelow(QStringLiteral(TARVINO_QML_SOURCES), {QStringLiteral("*.qml")});
        QVERIFY(views.size() > 50);
        for (const QString& path : views) {
            for (const QString& name : typeNamesUsed(codeOnly(readAll(path)))) {
                if (!known.contains(name))
                    unknown << QStringLiteral("%1 in %2").arg(name, path);
            }
        }
        QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(QLatin1String("\n"))));
    }
};

QTEST_GUILESS_MAIN(TestViewTypes)
#include "tst_viewtypes.moc"
