#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <memory>

#include "viewharness.h"

// Every picture, icon and font the views and the device catalogue name exists in the
// resources the program carries.
class TestResourcePaths : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        harness = std::make_unique<ViewHarness>();
    }

    void cleanupTestCase()
    {
        harness.reset();
    }

    void namedPathsExist_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("namedIn");
        const QRegularExpression named(QStringLiteral("qrc:/(?:icons|images|fonts)/[^\"'\\s)]+"));
        QStringList files{QStringLiteral(TARVINO_SOURCE_DIR "/resources/data/devices.json")};
        QDirIterator qml(QStringLiteral(TARVINO_SOURCE_DIR "/qml"), {QStringLiteral("*.qml"), QStringLiteral("*.qml.in")},
                         QDir::Files, QDirIterator::Subdirectories);
        while (qml.hasNext())
            files.append(qml.next());
        int count = 0;
        for (const QString& file : files) {
            QFile source(file);
            QVERIFY2(source.open(QIODevice::ReadOnly), qPrintable(file));
            const QString text = QString::fromUtf8(source.readAll());
            for (const QRegularExpressionMatch& match : named.globalMatch(text)) {
                const QString name = QFileInfo(file).fileName();
                QTest::addRow("%s in %s", qPrintable(match.captured()), qPrintable(name)) << match.captured() << name;
                ++count;
            }
        }
        QVERIFY(count > 60);
    }
    void namedPathsExist()
    {
        QFETCH(QString, path);
        QVERIFY2(QFile::exists(path.mid(3)), qPrintable(path));
    }

    // Paths the Images singleton builds, in both languages that have pictures of their own.
    void builtImagePathsExist_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << "de";
        QTest::newRow("English") << "en";
        QTest::newRow("Hebrew: the English pictures") << "he";
    }
    void builtImagePathsExist()
    {
        QFETCH(QString, language);
        QVERIFY(harness->setLanguage(language));
        const QStringList paths = harness->evaluate(QStringLiteral(
            "[Images.logo, Images.banner, Images.phone, Images.laptop, Images.twilightRanges]"
            ".concat(Images.searchWaves)")).toStringList();
        QCOMPARE(paths.size(), 11);
        for (const QString& path : paths)
            QVERIFY2(QFile::exists(path.mid(3)), qPrintable(path));
        const QString twilight = language == QLatin1String("de") ? QStringLiteral("daemmerungsbereiche.svg")
                                                                 : QStringLiteral("twilight-ranges.svg");
        QVERIFY(paths.at(4).endsWith(twilight));
    }

private:
    std::unique_ptr<ViewHarness> harness;
};

QTEST_MAIN(TestResourcePaths)
#include "tst_resourcepaths.moc"
