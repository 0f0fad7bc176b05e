#include <devices/iniwritter.h>

#include <QBuffer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <memory>

using devices::IniWritter;

namespace {

// A device that takes nothing: every write fails.
class FullDevice : public QIODevice {
protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override { return -1; }
};

} // namespace

class TestIniWritter : public QObject {
    Q_OBJECT

private slots:
    void init();

    void valueRoundTrip_data();
    void valueRoundTrip();
    void keyAndGroupRoundTrip_data();
    void keyAndGroupRoundTrip();
    void rootAndGeneralGroups();
    void arraysReadAsQSettingsArrays();
    void numbersAndBooleans();
    void writesIntoBuffer();
    void unwritableDeviceFails();
    void closedDeviceFails();
    void pathIsReplacedOnlyOnSuccess();
    void missingFolderFails();

private:
    // Writes with the writer, then reads with QSettings.
    QSettings* writeAndOpen(const std::function<void(IniWritter&)>& write);

    QTemporaryDir m_dir;
    QString m_path;
    int m_runs = 0;
    std::unique_ptr<QSettings> m_settings;
};

void TestIniWritter::init()
{
    QVERIFY(m_dir.isValid());
    m_settings.reset();
    // A file of its own for every run: QSettings keeps what it read of a path and takes it again
    // when size and modification time match, which two rows written in one second may share.
    m_path = m_dir.filePath(QStringLiteral("run-%1.ini").arg(++m_runs));
    QFile::remove(m_path);
}

QSettings* TestIniWritter::writeAndOpen(const std::function<void(IniWritter&)>& write)
{
    IniWritter writer(m_path);
    write(writer);
    if (!writer.end())
        return nullptr;
    m_settings = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
    return m_settings.get();
}

void TestIniWritter::valueRoundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("empty") << QString();
    QTest::newRow("plain") << QStringLiteral("Halle 3");
    QTest::newRow("comma") << QStringLiteral("a,b,c");
    QTest::newRow("only comma") << QStringLiteral(",");
    QTest::newRow("quotes") << QStringLiteral("say \"hi\"");
    QTest::newRow("lone quote") << QStringLiteral("\"");
    QTest::newRow("backslashes") << QStringLiteral("C:\\path\\to\\x41");
    QTest::newRow("trailing backslash") << QStringLiteral("end\\");
    QTest::newRow("semicolon") << QStringLiteral("a; not a comment");
    QTest::newRow("leading semicolon") << QStringLiteral(";x");
    QTest::newRow("hash") << QStringLiteral("#x # y");
    QTest::newRow("equals") << QStringLiteral("a=b==c");
    QTest::newRow("line breaks") << QStringLiteral("one\ntwo\r\nthree\rfour");
    QTest::newRow("tab and controls") << QStringLiteral("a\tb\x01" "c\x7f" "d");
    QTest::newRow("control before hex digit") << QStringLiteral("\x01" "Fa\x1f" "0");
    QTest::newRow("nul") << QString(QChar(0)) + QStringLiteral("1");
    QTest::newRow("spaces around") << QStringLiteral("  padded  ");
    QTest::newRow("only spaces") << QStringLiteral("   ");
    QTest::newRow("at sign") << QStringLiteral("@Invalid()");
    QTest::newRow("at variant") << QStringLiteral("@Variant(\\0\\0\\0\\x7f)");
    QTest::newRow("double at") << QStringLiteral("@@x");
    QTest::newRow("brackets") << QStringLiteral("[General]");
    QTest::newRow("umlauts") << QStringLiteral("Grüße aus Köln");
    QTest::newRow("cyrillic") << QStringLiteral("Привет, мир");
    QTest::newRow("cjk") << QStringLiteral("東京都");
    QTest::newRow("emoji") << QStringLiteral("lamp 💡 on");
    QTest::newRow("true text") << QStringLiteral("true");
    QTest::newRow("number text") << QStringLiteral("0042");
    QTest::newRow("everything") << QStringLiteral(" \"a\",b;c=d\\e\n€@ ");
}

void TestIniWritter::valueRoundTrip()
{
    QFETCH(QString, value);
    QSettings* settings = writeAndOpen([&](IniWritter& w) {
        w.beginGroup(QStringLiteral("Group"));
        w.setValue(QStringLiteral("Value"), value);
        w.setValue(QStringLiteral("After"), QStringLiteral("next"));
        w.endGroup();
    });
    QVERIFY(settings);
    QCOMPARE(settings->status(), QSettings::NoError);
    const QVariant read = settings->value(QStringLiteral("Group/Value"));
    QCOMPARE(read.typeId(), QMetaType::QString);
    QCOMPARE(read.toString(), value);
    QCOMPARE(settings->value(QStringLiteral("Group/After")).toString(), QStringLiteral("next"));
}

void TestIniWritter::keyAndGroupRoundTrip_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("key");
    QTest::newRow("plain") << QStringLiteral("Channel0.Program3") << QStringLiteral("Light_on-1");
    QTest::newRow("spaces") << QStringLiteral(" my group ") << QStringLiteral("a key");
    QTest::newRow("specials") << QStringLiteral("a=b;c,d") << QStringLiteral("k=[x];\"y\"#%");
    QTest::newRow("percent") << QStringLiteral("100%") << QStringLiteral("%U0041");
    QTest::newRow("umlauts") << QStringLiteral("Größe") << QStringLiteral("Schlüssel");
    QTest::newRow("non latin") << QStringLiteral("東京") << QStringLiteral("ключ");
    QTest::newRow("emoji") << QStringLiteral("💡") << QStringLiteral("k💡");
    QTest::newRow("backslash in key") << QStringLiteral("g") << QStringLiteral("a\\b");
}

void TestIniWritter::keyAndGroupRoundTrip()
{
    QFETCH(QString, group);
    QFETCH(QString, key);
    QSettings* settings = writeAndOpen([&](IniWritter& w) {
        w.beginGroup(group);
        w.setValue(key, QStringLiteral("v"));
        w.endGroup();
    });
    QVERIFY(settings);
    QCOMPARE(settings->childGroups(), QStringList{group});
    settings->beginGroup(group);
    QCOMPARE(settings->childKeys(), QStringList{key});
    QCOMPARE(settings->value(key).toString(), QStringLiteral("v"));
}

void TestIniWritter::rootAndGeneralGroups()
{
    QSettings* settings = writeAndOpen([](IniWritter& w) {
        w.beginGroup(QString());
        w.setValue(QStringLiteral("RootKey"), 1);
        w.endGroup();
        w.beginGroup(QStringLiteral("General"));
        w.setValue(QStringLiteral("InGroup"), 2);
        w.endGroup();
        w.beginGroup(QStringLiteral("general"));
        w.setValue(QStringLiteral("Lower"), 3);
        w.endGroup();
    });
    QVERIFY(settings);
    QCOMPARE(settings->value(QStringLiteral("RootKey")).toInt(), 1);
    QCOMPARE(settings->value(QStringLiteral("General/InGroup")).toInt(), 2);
    QCOMPARE(settings->value(QStringLiteral("general/Lower")).toInt(), 3);
    QStringList groups = settings->childGroups();
    groups.sort();
    QCOMPARE(groups, (QStringList{QStringLiteral("General"), QStringLiteral("general")}));
    QCOMPARE(settings->childKeys(), QStringList{QStringLiteral("RootKey")});
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("[General]\nRootKey=1\n"));
    QVERIFY(text.contains("[%General]\n"));
}

void TestIniWritter::arraysReadAsQSettingsArrays()
{
    QSettings* settings = writeAndOpen([](IniWritter& w) {
        w.beginGroup(QStringLiteral("Lists"));
        w.setValue(QStringLiteral("Items/size"), 2);
        w.setValue(QStringLiteral("Items/1/Name"), QStringLiteral("first, really"));
        w.setValue(QStringLiteral("Items/2/Name"), QStringLiteral("second"));
        w.endGroup();
    });
    QVERIFY(settings);
    settings->beginGroup(QStringLiteral("Lists"));
    QCOMPARE(settings->beginReadArray(QStringLiteral("Items")), 2);
    settings->setArrayIndex(0);
    QCOMPARE(settings->value(QStringLiteral("Name")).toString(), QStringLiteral("first, really"));
    settings->setArrayIndex(1);
    QCOMPARE(settings->value(QStringLiteral("Name")).toString(), QStringLiteral("second"));
}

void TestIniWritter::numbersAndBooleans()
{
    QSettings* settings = writeAndOpen([](IniWritter& w) {
        w.beginGroup(QStringLiteral("N"));
        w.setValue(QStringLiteral("Int"), -42);
        w.setValue(QStringLiteral("Long"), qint64(1) << 40);
        w.setValue(QStringLiteral("True"), true);
        w.setValue(QStringLiteral("False"), false);
        w.setValue(QStringLiteral("Double"), 50.110924);
        w.setValue(QStringLiteral("Tiny"), -8.682127e-5);
        w.endGroup();
    });
    QVERIFY(settings);
    QCOMPARE(settings->value(QStringLiteral("N/Int")).toInt(), -42);
    QCOMPARE(settings->value(QStringLiteral("N/Long")).toLongLong(), qint64(1) << 40);
    QCOMPARE(settings->value(QStringLiteral("N/True")).toBool(), true);
    QCOMPARE(settings->value(QStringLiteral("N/False")).toBool(), false);
    QCOMPARE(settings->value(QStringLiteral("N/Double")).toString().toDouble(), 50.110924);
    QCOMPARE(settings->value(QStringLiteral("N/Tiny")).toString().toDouble(), -8.682127e-5);
}

void TestIniWritter::writesIntoBuffer()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    IniWritter writer(&buffer);
    writer.beginGroup(QStringLiteral("Ident"));
    writer.setValue(QStringLiteral("Name"), QStringLiteral("tarvino"));
    writer.endGroup();
    QVERIFY(writer.end());
    QCOMPARE(bytes, QByteArray("[Ident]\nName=tarvino\n\n"));
    // A second end() writes nothing more.
    QVERIFY(writer.end());
    QCOMPARE(bytes.size(), 22);
}

void TestIniWritter::unwritableDeviceFails()
{
    FullDevice device;
    QVERIFY(device.open(QIODevice::WriteOnly));
    IniWritter writer(&device);
    writer.setValue(QStringLiteral("Key"), 1);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Cannot write")));
    QVERIFY(!writer.end());
}

void TestIniWritter::closedDeviceFails()
{
    QBuffer buffer;
    IniWritter writer(&buffer);
    writer.setValue(QStringLiteral("Key"), 1);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not open for writing")));
    QVERIFY(!writer.end());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not open for writing")));
    QVERIFY(!IniWritter(nullptr).end());
}

void TestIniWritter::pathIsReplacedOnlyOnSuccess()
{
    {
        QFile old(m_path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old content");
    }
    {
        // Never ended: the old file stays as it was.
        IniWritter abandoned(m_path);
        abandoned.setValue(QStringLiteral("Key"), 1);
    }
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("old content"));
    file.close();

    IniWritter writer(m_path);
    writer.setValue(QStringLiteral("Key"), 2);
    QVERIFY(writer.end());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Key=2\n"));
}

void TestIniWritter::missingFolderFails()
{
    IniWritter writer(m_dir.filePath(QStringLiteral("no/such/folder/file.ot2")));
    writer.setValue(QStringLiteral("Key"), 1);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Cannot open")));
    QVERIFY(!writer.end());
}

QTEST_GUILESS_MAIN(TestIniWritter)
#include "tst_iniwritter.moc"
