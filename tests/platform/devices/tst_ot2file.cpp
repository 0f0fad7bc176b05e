#include "projectfixture.h"
#include "summertimegaps.h"

#include <devices/deviceservice.h>
#include <devices/iniwritter.h>
#include <devices/ot2file.h>

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using devices::Device;
using devices::DeviceService;
using devices::IniWritter;
using devices::Ot2File;

class TestOt2File : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void roundTripEveryModel_data();
    void roundTripEveryModel();
    void roundTripThroughBuffer();
    void refusesFilesItCannotPlace_data();
    void refusesFilesItCannotPlace();
    void olderFileOpensWithDefaults();
    void unusableValuesTakeDefaults();
    void valuesOutsideTheModelAreDropped();
    void brokenArraySizes();
    void gapDateTimesSurviveTheText_data();
    void gapDateTimesSurviveTheText();
    void switchedOffStartSurvivesTheText();
    void commaTextsAndUnusableValues();
    void fileOverTheEntryBoundIsRefused_data();
    void fileOverTheEntryBoundIsRefused();
    void projectOverTheMemoryOpensWhole();
    void fitAddsMissingChannelsAndPrograms();
    void setFirstCharAndChecksum();
    void memoryCountCountsEntries();

private:
    // Writes the text to a file and restores a record from it.
    bool restoreFrom(const QByteArray& text, Ot2File& file);
    QString save(const Ot2File& file);
    // The record written as text and read back through QSettings.
    Ot2File throughText(const Ot2File& file);

    QTemporaryDir m_dir;
    DeviceService* m_service = nullptr;
};

void TestOt2File::initTestCase()
{
    m_service = new DeviceService;
    DeviceService::m_instance = m_service;
    QVERIFY(m_service->init(QStringLiteral(":/data/devices.json")));
    QVERIFY(m_dir.isValid());
}

void TestOt2File::cleanupTestCase()
{
    delete m_service;
}

QString TestOt2File::save(const Ot2File& file)
{
    const QString path = m_dir.filePath(QStringLiteral("project.ot2"));
    IniWritter writer(path);
    file.save(writer);
    return writer.end() ? path : QString();
}

Ot2File TestOt2File::throughText(const Ot2File& file)
{
    QSettings settings(save(file), QSettings::IniFormat);
    Ot2File restored;
    if (!restored.restore(settings))
        return {};
    return restored;
}

bool TestOt2File::restoreFrom(const QByteArray& text, Ot2File& file)
{
    const QString path = m_dir.filePath(QStringLiteral("written.ot2"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    out.write(text);
    out.close();
    QSettings settings(path, QSettings::IniFormat);
    return file.restore(settings);
}

void TestOt2File::roundTripEveryModel_data()
{
    QTest::addColumn<int>("ot2");
    for (const Device& device : m_service->devices())
        QTest::newRow(qPrintable(device.name())) << device.ot2Number();
}

void TestOt2File::roundTripEveryModel()
{
    QFETCH(int, ot2);
    const Device device = m_service->deviceByOt2Number(ot2);
    const Ot2File original = projectfixture::fullProject(device);
    QCOMPARE(original.memoryCount(), device.maxSz());

    const QString path = save(original);
    QVERIFY(!path.isEmpty());
    QSettings settings(path, QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Ident/Name")).toString().toLower().contains(QLatin1String("tarvino")), true);
    QCOMPARE(settings.value(QStringLiteral("Ident/FormatVersion")).toInt(), Ot2File::FormatVersion);
    Ot2File restored;
    QVERIFY(restored.restore(settings));
    QCOMPARE(restored.metadata(), original.metadata());
    QCOMPARE(restored.settings(), original.settings());
    QCOMPARE(restored.summerWinterDateTimes(), original.summerWinterDateTimes());
    QCOMPARE(restored.astro(), original.astro());
    QCOMPARE(restored.channelSettings(), original.channelSettings());
    QCOMPARE(restored.channels(), original.channels());
    QVERIFY(restored == original);
}

void TestOt2File::roundTripThroughBuffer()
{
    const Ot2File original = projectfixture::fullProject(m_service->deviceByOt2Number(74));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    IniWritter writer(&buffer);
    original.save(writer);
    QVERIFY(writer.end());
    Ot2File restored;
    QVERIFY(restoreFrom(bytes, restored));
    QVERIFY(restored == original);
}

void TestOt2File::refusesFilesItCannotPlace_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("readWarning");
    QTest::newRow("empty file") << QByteArray() << QStringLiteral("Not a project file") << QString();
    QTest::newRow("no ident") << QByteArray("[Project]\nName=x\n") << QStringLiteral("Not a project file") << QString();
    QTest::newRow("foreign name") << QByteArray("[Ident]\nName=Other tool\nDevice=101\n")
                                  << QStringLiteral("Not a project file") << QString();
    QTest::newRow("binary") << QByteArray("\x00\xff\x13[\x01]=\n\n\x80", 10) << QStringLiteral("Not a project file") << QString();
    QTest::newRow("unknown model") << QByteArray("[Ident]\nName=tarvino\nDevice=9999\n")
                                   << QStringLiteral("unknown model") << QString();
    QTest::newRow("no model") << QByteArray("[Ident]\nName=TARVINO\n") << QStringLiteral("unknown model") << QString();
    QTest::newRow("model not a number") << QByteArray("[Ident]\nName=tarvino\nDevice=abc\n")
                                        << QStringLiteral("unknown model") << QString();
}

void TestOt2File::refusesFilesItCannotPlace()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, warning);
    QFETCH(QString, readWarning);
    Ot2File file = projectfixture::fullProject(m_service->deviceByOt2Number(11));
    const Ot2File before = file;
    if (!readWarning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(readWarning));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    QVERIFY(!restoreFrom(text, file));
    QVERIFY(file == before);
}

void TestOt2File::olderFileOpensWithDefaults()
{
    // A file that knows nothing but its model: every value takes its default, every channel
    // and program of the model is there.
    Ot2File file;
    QVERIFY(restoreFrom("[Ident]\nName=Tarvino rix3\nDevice=103\n", file));
    const Device device = m_service->deviceByOt2Number(103);
    Ot2File expected(103);
    expected.fitToDevice(device);
    QVERIFY(file == expected);
    QCOMPARE(file.channels().keys(), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    QCOMPARE(file.channels().value(7).programs.size(), qsizetype(17));
    QCOMPARE(file.astro().firstChar, Ot2File::NoCity);
}

void TestOt2File::unusableValuesTakeDefaults()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no number")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no number")));
    Ot2File file;
    QVERIFY(restoreFrom("[Ident]\nName=tarvino\nDevice=104\n"
                        "[Project]\nDateFormat=two\nFirstDayOfWeek=9\nWiSoHour=86400\nWiSoMonth=12\n"
                        "WiSoDate=2024-02-30\nSoWiDate=1999-10-01\nCustomWiSo=40000\nExtensionModule=true\n"
                        "TimeFormat=1, 2\n"
                        "[Astro]\nLatitude=91\nLongitude=nan\nTimezone=32\nFirstChar=300\n"
                        "Favorites\\size=1\nFavorites\\1\\Latitude=-91\n"
                        "[OwnAstroTable]\nSunrise=06:00:30 25:00:00 x\n"
                        "[Channel2]\nFunction=2\nExternalInputTime=90000\nOffsetSunrise=-40000\n"
                        "HolidayBegin=not a date\nLuxValues\\size=1\nLuxValues\\1\\On=16777216\n"
                        "[Channel2.Program16]\nSwitches\\size=1\nSwitches\\1\\Type=4\nSwitches\\1\\State=-1\n"
                        "Switches\\1\\StartDays=255\nSwitches\\1\\StartTime=86401\nSwitches\\1\\PulsTime=-1\n"
                        "DateRanges\\size=1\nDateRanges\\1\\Type=7\nDateRanges\\1\\StartDate=2024-05-01T10:00:00\n"
                        "DateRanges\\1\\EndDate=2100-01-01T00:00:00\nDateRanges\\1\\WeekRuleDay=16\n",
                        file));
    const Ot2File::Settings& s = file.settings();
    QCOMPARE(s.dateFormat, 0);
    QCOMPARE(s.timeFormat, 0);
    QCOMPARE(s.firstDayOfWeek, 0);
    QCOMPARE(s.wiSoHour, 0);
    QCOMPARE(s.wiSoMonth, 0);
    QVERIFY(s.wiSoDate.isNull());
    QVERIFY(s.soWiDate.isNull());
    QCOMPARE(s.customWiSo, 0);
    QCOMPARE(s.extensionModule, false); // the model has no extension module
    QCOMPARE(file.astro().latitude, 0.0);
    QCOMPARE(file.astro().longitude, 0.0);
    QCOMPARE(file.astro().timezone, 0);
    QCOMPARE(file.astro().firstChar, Ot2File::NoCity);
    QCOMPARE(file.astro().favorites.value(0).latitude, 0);
    QCOMPARE(file.astro().ownAstroTable.sunrise.mid(0, 3), (QList<int>{6 * 3600, 0, 0}));
    QCOMPARE(file.channels().value(2).function, 0);
    const Ot2File::ChannelSetting c = file.channelSettings().value(2);
    QCOMPARE(c.externalInputTime, 0);
    QCOMPARE(c.offsetSunrise, 0);
    QVERIFY(c.holidayBegin.isNull());
    QCOMPARE(c.luxValues.value(0).luxOnValue, 0);
    const Ot2File::Program p = file.channels().value(2).programs.value(16);
    QCOMPARE(p.switches.size(), qsizetype(1));
    QCOMPARE(p.switches.at(0), (Ot2File::SwitchTime{0, 0, 254, 0, 0, 0, 0, 0}));
    QCOMPARE(p.dateRanges.size(), qsizetype(1));
    QCOMPARE(p.dateRanges.at(0).type, 0);
    QCOMPARE(p.dateRanges.at(0).startDate, utils::WallClock::at(QDate(2024, 5, 1), QTime(10, 0)));
    QVERIFY(p.dateRanges.at(0).endDate.isNull());
    QCOMPARE(p.dateRanges.at(0).weekRuleDay, 0);
}

void TestOt2File::valuesOutsideTheModelAreDropped()
{
    // Channel 2 and program 4 do not exist on a two-channel model with four programs.
    Ot2File file(42);
    file.fitToDevice(m_service->deviceByOt2Number(42));
    file.channels()[0].programs[4].switches.append(Ot2File::SwitchTime());
    Ot2File::Channel extra;
    extra.programs[0].switches.append(Ot2File::SwitchTime());
    file.channels().insert(2, extra);
    file.channelSettings().insert(2, {});
    const QString path = save(file);
    QSettings settings(path, QSettings::IniFormat);
    Ot2File restored;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
        "lacks ignored: .*\"Channel0.Program4\", \"Channel2\", \"Channel2.Program0\"\\)")));
    QVERIFY(restored.restore(settings));
    QCOMPARE(restored.channels().keys(), (QList<int>{0, 1}));
    QCOMPARE(restored.channelSettings().keys(), (QList<int>{0, 1}));
    QCOMPARE(restored.channels().value(0).programs.keys(), (QList<int>{0, 1, 2, 3}));
    QCOMPARE(restored.memoryCount(), 0);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Channel 2 does not exist")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Channel setting 2 does not exist")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Program 4 does not exist")));
    file.fitToDevice(m_service->deviceByOt2Number(42));
    QVERIFY(file == restored);
}

void TestOt2File::brokenArraySizes()
{
    // A negative size reads as empty.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Switches.*-5")));
    Ot2File file;
    QVERIFY(restoreFrom("[Ident]\nName=tarvino\nDevice=11\n"
                        "[Channel0.Program0]\nSwitches\\size=-5\nDateRanges\\size=2\n",
                        file));
    QCOMPARE(file.memoryCount(), 2);

    // An absurd one is beyond every model's memory: the file is refused.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused: it holds 2000000000 .* more than 224")));
    Ot2File untouched(42);
    QVERIFY(!restoreFrom("[Ident]\nName=tarvino\nDevice=11\n"
                         "[Channel0.Program0]\nSwitches\\size=-5\nDateRanges\\size=2000000000\n",
                         untouched));
    QVERIFY(untouched == Ot2File(42));
}

void TestOt2File::gapDateTimesSurviveTheText_data()
{
    summertimegaps::addRows();
}

// A device date-time the PC's clock skips is written as it is and reads back as it was.
void TestOt2File::gapDateTimesSurviveTheText()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDateTime, reading);
    const summertimegaps::ZoneScope inZone(zone);
    Ot2File file(104);
    file.fitToDevice(m_service->deviceByOt2Number(104));
    Ot2File::DateRange range;
    range.startDate = reading;
    range.endDate = reading.addSecs(1800);
    file.channels()[3].programs[5].dateRanges.append(range);
    file.channelSettings()[3].holidayBegin = reading;

    const QString path = save(file);
    QFile text(path);
    QVERIFY(text.open(QIODevice::ReadOnly));
    const QByteArray written = text.readAll();
    const QByteArray expected = reading.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toLatin1();
    QVERIFY2(written.contains("DateRanges\\1\\StartDate=" + expected), written.constData());
    QVERIFY(written.contains("HolidayBegin=" + expected));

    QSettings settings(path, QSettings::IniFormat);
    Ot2File restored;
    QVERIFY(restored.restore(settings));
    const Ot2File::DateRange read = restored.channels().value(3).programs.value(5).dateRanges.value(0);
    QCOMPARE(read.startDate, reading);
    QCOMPARE(read.startDate.date(), reading.date());
    QCOMPARE(read.startDate.time(), reading.time());
    QCOMPARE(read.endDate, reading.addSecs(1800));
    QCOMPARE(restored.channelSettings().value(3).holidayBegin, reading);
    QVERIFY(restored == file);
}

// Extra programs keep switch times switched off with the start time 86400.
void TestOt2File::switchedOffStartSurvivesTheText()
{
    Ot2File file(104);
    file.fitToDevice(m_service->deviceByOt2Number(104));
    Ot2File::SwitchTime off;
    off.startDays = 254;
    off.startTime = Ot2File::SwitchedOff;
    file.channels()[1].programs[2].switches.append(off);
    file.fitToDevice(m_service->deviceByOt2Number(104));
    QCOMPARE(file.channels().value(1).programs.value(2).switches.value(0).startTime, 86400);

    const QString path = save(file);
    QSettings settings(path, QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Channel1.Program2/Switches/1/StartTime")).toString(), QStringLiteral("86400"));
    Ot2File restored;
    QVERIFY(restored.restore(settings));
    QCOMPARE(restored.channels().value(1).programs.value(2).switches.value(0).startTime, 86400);
    QVERIFY(restored == file);
}

// Hand-edited files: unquoted texts with commas keep their text; values that do not read keep
// their defaults and say where they are.
void TestOt2File::commaTextsAndUnusableValues()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Astro/Latitude is no number, keeping 0$")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Project/ExtensionModule is no flag, keeping false$")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Astro/AstroTableEnabled is no flag, keeping false$")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Channel0/HolidayEnd is no date and time")));
    Ot2File file;
    QVERIFY(restoreFrom("[Ident]\nName=tarvino\nDevice=121\n"
                        "[Project]\nName=Anlage Sued, Halle 3\nExtensionModule=yes\n"
                        "[Metadata]\nProjectTitle=Beleuchtung, Halle 3\nClientName=\"Zorvik, Werk 2\"\n"
                        "[Astro]\nLatitude=50,5\nLongitude=8.25\nAstroTableEnabled=ja\n"
                        "[Channel0]\nHolidayEnd=31.12.2030\n",
                        file));
    QCOMPARE(file.name(), QStringLiteral("Anlage Sued, Halle 3"));
    QCOMPARE(file.metadata().projectTitle, QStringLiteral("Beleuchtung, Halle 3"));
    QCOMPARE(file.metadata().clientName, QStringLiteral("Zorvik, Werk 2"));
    QCOMPARE(file.settings().extensionModule, false);
    QCOMPARE(file.astro().latitude, 0.0);
    QCOMPARE(file.astro().longitude, 8.25);
    QVERIFY(file.channelSettings().value(0).holidayEnd.isNull());
}

void TestOt2File::fileOverTheEntryBoundIsRefused_data()
{
    QTest::addColumn<int>("ot2");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    // Every array of every channel and program at the largest size an array may have.
    QByteArray everywhere = "[Ident]\nName=tarvino\nDevice=104\n";
    for (int channel = 0; channel < 8; ++channel) {
        for (int program = 0; program < 17; ++program)
            everywhere += QStringLiteral("[Channel%1.Program%2]\nSwitches\\size=100000\nDateRanges\\size=100000\n")
                              .arg(channel)
                              .arg(program)
                              .toLatin1();
    }
    QTest::newRow("272 arrays of 100000") << 104 << everywhere << "27200000 .* more than 3200 \\(4 times the 800";
    QTest::newRow("one array of 100000")
        << 104 << QByteArray("[Ident]\nName=tarvino\nDevice=104\n[Channel0.Program0]\nSwitches\\size=100000\n")
        << "100000 .* more than 3200";
    QTest::newRow("one past the bound")
        << 104
        << QByteArray("[Ident]\nName=tarvino\nDevice=104\n[Channel0.Program0]\nSwitches\\size=3000\n"
                      "[Channel7.Program16]\nDateRanges\\size=201\n")
        << "3201 .* more than 3200";
}

void TestOt2File::fileOverTheEntryBoundIsRefused()
{
    QFETCH(int, ot2);
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    QVERIFY(m_service->exists(ot2));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Project file refused: it holds ") + message));
    Ot2File file(11);
    QVERIFY(!restoreFrom(text, file));
    QVERIFY(file == Ot2File(11));
}

// More than the model holds, but within the bound: the file is the user's work and opens whole.
void TestOt2File::projectOverTheMemoryOpensWhole()
{
    const Device device = m_service->deviceByOt2Number(104);
    QCOMPARE(device.maxSz(), 800);
    Ot2File file(104);
    file.fitToDevice(device);
    for (int i = 0; i < 1000; ++i) {
        Ot2File::SwitchTime s;
        s.startDays = 128;
        s.startTime = i * 60;
        file.channels()[i % 8].programs[0].switches.append(s);
    }
    const Ot2File restored = throughText(file);
    QCOMPARE(restored.memoryCount(), 1000);
    QVERIFY(restored == file);

    Ot2File atTheBound;
    QVERIFY(restoreFrom("[Ident]\nName=tarvino\nDevice=104\n[Channel0.Program0]\nSwitches\\size=3000\n"
                        "[Channel7.Program16]\nDateRanges\\size=200\n",
                        atTheBound));
    QCOMPARE(atTheBound.memoryCount(), 3200);
}

void TestOt2File::fitAddsMissingChannelsAndPrograms()
{
    Ot2File file(15); // one channel and the extension module
    file.fitToDevice(m_service->deviceByOt2Number(15));
    QCOMPARE(file.channels().keys(), (QList<int>{0, 4, 5, 6, 7}));
    QCOMPARE(file.channelSettings().keys(), (QList<int>{0, 4, 5, 6, 7}));
    QCOMPARE(file.channels().value(5).programs.keys(), (QList<int>{0, 1, 2, 3}));
    QCOMPARE(file.channelSettings().value(5).luxValues.size(), qsizetype(Ot2File::WeekDays));
}

void TestOt2File::setFirstCharAndChecksum()
{
    Ot2File file(111);
    file.astro().setFirstCharAndChecksum(77, 201);
    QCOMPARE(file.astro().firstChar, 77);
    QCOMPARE(file.astro().checksum, 201);
}

void TestOt2File::memoryCountCountsEntries()
{
    Ot2File file(42);
    file.channels()[0].programs[0].switches.resize(3);
    file.channels()[1].programs[3].dateRanges.resize(2);
    QCOMPARE(file.memoryCount(), 5);
}

QTEST_GUILESS_MAIN(TestOt2File)
#include "tst_ot2file.moc"
