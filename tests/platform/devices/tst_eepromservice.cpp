#include "projectfixture.h"
#include "summertimegaps.h"

#include <devices/deviceservice.h>
#include <devices/eepromconfiguration.h>
#include <devices/eepromservice.h>
#include <devices/eepromutils.h>

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using devices::Device;
using devices::DeviceService;
using devices::EepromConfiguration;
using devices::EepromService;
using devices::EepromUtils;
using devices::Ot2File;

class TestEepromService : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void roundTripEveryModel_data();
    void roundTripEveryModel();
    void switchTimesOnlyIsTheTailOfTheImage();
    void headerFollowsTheLanguageImageScheme();
    void fieldsLieWhereTheDocumentSays();
    void gapDateTimesSurviveTheImage_data();
    void gapDateTimesSurviveTheImage();
    void switchedOffStartSurvivesTheImage();
    void layoutOfEveryModel_data();
    void layoutOfEveryModel();
    void projectOverTheMemoryIsRefused();
    void unknownModelIsRefused();
    void imagesItCannotReadAreRefused_data();
    void imagesItCannotReadAreRefused();
    void bytesBeyondTheImageAreIgnored();
    void damagedEntriesAreClampedToTheModel();
    void randomBytesNeverCrash();
    void sensorLuxValue_data();
    void sensorLuxValue();
    void byteHelpersStayInsideTheData();

private:
    QByteArray imageOf(int ot2);
    // Recomputes both checksums after a deliberate change inside the image.
    static void resign(QByteArray& image, const EepromConfiguration& config);

    DeviceService* m_devices = nullptr;
    EepromService* m_service = nullptr;
};

void TestEepromService::initTestCase()
{
    m_devices = new DeviceService;
    DeviceService::m_instance = m_devices;
    QVERIFY(m_devices->init(QStringLiteral(":/data/devices.json")));
    m_service = new EepromService;
    EepromService::m_instance = m_service;
    m_service->init();
}

void TestEepromService::cleanupTestCase()
{
    delete m_service;
    delete m_devices;
}

void TestEepromService::init()
{
    m_service->init();
}

QByteArray TestEepromService::imageOf(int ot2)
{
    return m_service->projectToBytes(projectfixture::fullProject(m_devices->deviceByOt2Number(ot2)));
}

void TestEepromService::resign(QByteArray& image, const EepromConfiguration& config)
{
    const int entries = config.settingsSize() + EepromConfiguration::EntryBlockHeaderSize;
    EepromUtils::writeUInt(image, config.settingsSize() + 2,
                           EepromUtils::crc16(image, entries, config.entryCapacity() * EepromConfiguration::EntrySize), 2);
    EepromUtils::writeUInt(image, 10,
                           EepromUtils::crc16(image, EepromConfiguration::HeaderSize,
                                              config.settingsSize() - EepromConfiguration::HeaderSize),
                           2);
}

void TestEepromService::roundTripEveryModel_data()
{
    QTest::addColumn<int>("ot2");
    for (const Device& device : m_devices->devices())
        QTest::newRow(qPrintable(device.name())) << device.ot2Number();
}

void TestEepromService::roundTripEveryModel()
{
    QFETCH(int, ot2);
    const Device device = m_devices->deviceByOt2Number(ot2);
    const Ot2File original = projectfixture::fullProject(device);
    QCOMPARE(original.memoryCount(), device.maxSz());

    const QByteArray image = m_service->projectToBytes(original);
    QCOMPARE(m_service->error(), EepromService::NoError);
    EepromConfiguration config;
    QVERIFY(config.init(device));
    QCOMPARE(image.size(), config.eepromSize());

    const Ot2File read = m_service->bytesToOt2(image, ot2);
    QCOMPARE(m_service->error(), EepromService::NoError);
    const Ot2File expected = projectfixture::imageView(original, device);
    QCOMPARE(read.settings(), expected.settings());
    QCOMPARE(read.summerWinterDateTimes(), expected.summerWinterDateTimes());
    QCOMPARE(read.astro(), expected.astro());
    QCOMPARE(read.channelSettings(), expected.channelSettings());
    QCOMPARE(read.channels(), expected.channels());
    QVERIFY(read == expected);
    // The record read back makes the same image again.
    QCOMPARE(m_service->projectToBytes(read), image);
}

void TestEepromService::switchTimesOnlyIsTheTailOfTheImage()
{
    for (const Device& device : m_devices->devices()) {
        const Ot2File file = projectfixture::fullProject(device);
        EepromConfiguration config;
        QVERIFY(config.init(device));
        const QByteArray tail = m_service->projectSZToBytes(file);
        QCOMPARE(tail, m_service->projectToBytes(file).mid(config.settingsSize()));
        QCOMPARE(tail.size(), config.eepromSize() - config.settingsSize());
    }
}

void TestEepromService::headerFollowsTheLanguageImageScheme()
{
    const Device device = m_devices->deviceByOt2Number(111);
    const QByteArray image = imageOf(111);
    QCOMPARE(quint8(image.at(5)), EepromConfiguration::ProjectMark);
    QCOMPARE(quint8(image.at(6)), EepromConfiguration::ProjectMark);
    QCOMPARE(quint8(image.at(7)), device.eepromVersion());
    QCOMPARE(quint8(image.at(8)), quint8(111 - 1));
    const quint8 sum = quint8(image.at(5)) + quint8(image.at(6)) + quint8(image.at(7)) + quint8(image.at(8));
    QCOMPARE(quint8(image.at(9)), quint8(~sum));
    QVERIFY(EepromConfiguration::ProjectMark != EepromConfiguration::LanguageMark);
    QVERIFY(EepromConfiguration::ProjectMark != EepromConfiguration::EmptyMark);
}

void TestEepromService::fieldsLieWhereTheDocumentSays()
{
    const Device device = m_devices->deviceByOt2Number(74); // twilight, two channels, 7 light days
    EepromConfiguration config;
    QVERIFY(config.init(device));
    Ot2File file(74);
    file.fitToDevice(device);
    file.settings().firstDayOfWeek = 5;
    file.channels()[1].function = 1;
    file.channelSettings()[1].luxValues[6].luxOffValue = 0x123456;
    file.channels()[1].programs[3].luxOnValue = 0x0A0B0C;
    Ot2File::SwitchTime cycle{2, 0, 128 | 2, 3661, 1, 86399, 60, 7200};
    file.channels()[1].programs[2].switches.append(cycle);
    const QByteArray image = m_service->projectToBytes(file);
    QCOMPARE(EepromUtils::readUInt(image, 0, 2), quint32(config.eepromSize()));
    QCOMPARE(EepromUtils::readUInt(image, 2, 2), quint32(config.settingsSize()));
    QCOMPARE(image.at(16 + 2), char(5));
    const int channel1 = 50 + config.channelSettingSize();
    QCOMPARE(config.channelSettingSize(), 44 + 7 * 6);
    QCOMPARE(image.at(channel1), char(1));
    QCOMPARE(EepromUtils::readUInt(image, channel1 + 44 + 6 * 6 + 3, 3), 0x123456u);
    QCOMPARE(config.programLuxAddress(), 50 + 2 * config.channelSettingSize());
    QCOMPARE(EepromUtils::readUInt(image, config.programLuxAddress() + (4 + 3) * 6, 3), 0x0A0B0Cu);
    const int entry = config.settingsSize() + 4;
    QCOMPARE(EepromUtils::readUInt(image, config.settingsSize(), 2), 1u);
    QCOMPARE(quint8(image.at(entry)), quint8(2 << 3));
    QCOMPARE(quint8(image.at(entry + 1)), quint8(1 << 5 | 2));
    QCOMPARE(quint8(image.at(entry + 2)), quint8(130));
    QCOMPARE(quint8(image.at(entry + 3)), quint8(1));
    QCOMPARE(EepromUtils::readUInt(image, entry + 4, 3), 3661u);
    QCOMPARE(EepromUtils::readUInt(image, entry + 7, 3), 86399u);
    QCOMPARE(EepromUtils::readUInt(image, entry + 10, 3), 60u);
    QCOMPARE(EepromUtils::readUInt(image, entry + 13, 3), 7200u);
    QCOMPARE(image.mid(entry + 24), QByteArray(image.size() - entry - 24, char(0xFF)));
}

void TestEepromService::gapDateTimesSurviveTheImage_data()
{
    summertimegaps::addRows();
}

// A device date-time the PC's clock skips lies in the image as it is and reads back as it was.
void TestEepromService::gapDateTimesSurviveTheImage()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDateTime, reading);
    const summertimegaps::ZoneScope inZone(zone);
    const Device device = m_devices->deviceByOt2Number(42); // 2 channels, 4 programs
    EepromConfiguration config;
    QVERIFY(config.init(device));
    Ot2File file(42);
    file.fitToDevice(device);
    Ot2File::DateRange range;
    range.startDate = reading;
    range.endDate = reading.addDays(1);
    file.channels()[1].programs[3].dateRanges.append(range);
    file.channelSettings()[0].holidayEnd = reading;

    const QByteArray image = m_service->projectToBytes(file);
    QCOMPARE(m_service->error(), EepromService::NoError);
    const int start = config.settingsSize() + EepromConfiguration::EntryBlockHeaderSize + 2;
    QCOMPARE(quint8(image.at(start)), quint8(reading.date().year() - 2000));
    QCOMPARE(quint8(image.at(start + 1)), quint8(reading.date().month()));
    QCOMPARE(quint8(image.at(start + 2)), quint8(reading.date().day()));
    QCOMPARE(EepromUtils::readUInt(image, start + 3, 3), quint32(reading.time().msecsSinceStartOfDay() / 1000));

    const Ot2File read = m_service->bytesToOt2(image, 42);
    QCOMPARE(m_service->error(), EepromService::NoError);
    const Ot2File::DateRange back = read.channels().value(1).programs.value(3).dateRanges.value(0);
    QCOMPARE(back.startDate, reading);
    QCOMPARE(back.startDate.time(), reading.time());
    QCOMPARE(back.endDate, reading.addDays(1));
    QCOMPARE(read.channelSettings().value(0).holidayEnd, reading);
}

// Extra programs keep switch times switched off with the start time 86400.
void TestEepromService::switchedOffStartSurvivesTheImage()
{
    const Device device = m_devices->deviceByOt2Number(104);
    EepromConfiguration config;
    QVERIFY(config.init(device));
    Ot2File file(104);
    file.fitToDevice(device);
    file.channels()[2].programs[9].switches.append(Ot2File::SwitchTime{0, 1, 254, Ot2File::SwitchedOff, 0, 0, 0, 0});
    const QByteArray image = m_service->projectToBytes(file);
    QCOMPARE(m_service->error(), EepromService::NoError);
    const int entry = config.settingsSize() + EepromConfiguration::EntryBlockHeaderSize;
    QCOMPARE(EepromUtils::readUInt(image, entry + 4, 3), 86400u);
    const Ot2File read = m_service->bytesToOt2(image, 104);
    QCOMPARE(read.channels().value(2).programs.value(9).switches.value(0).startTime, 86400);
    QCOMPARE(m_service->projectToBytes(read), image);
}

void TestEepromService::layoutOfEveryModel_data()
{
    roundTripEveryModel_data();
}

void TestEepromService::layoutOfEveryModel()
{
    QFETCH(int, ot2);
    const Device device = m_devices->deviceByOt2Number(ot2);
    EepromConfiguration config;
    QVERIFY(config.init(device));
    QCOMPARE(config.eepromSize(), config.settingsSize() + EepromConfiguration::EntryBlockHeaderSize
                                      + device.maxSz() * EepromConfiguration::EntrySize);
    QCOMPARE(config.channelSettingsAddress(), EepromConfiguration::HeaderSize + EepromConfiguration::ProjectSettingsSize);
    QVERIFY(config.programLuxAddress() <= config.astroAddress());
    QVERIFY(config.summerWinterAddress() <= config.settingsSize());
    // The counters and, with two banks, the second bank lie behind the image, inside the 16-bit
    // address range the transfers use.
    const int service = EepromConfiguration::serviceAddress(device);
    QCOMPARE(config.bankAddress(0), 0);
    QCOMPARE(config.bankCount(), device.hasInternalBleModule() ? 2 : 1);
    if (device.hasInternalBleModule()) {
        QVERIFY(config.bankAddress(1) >= config.eepromSize());
        QVERIFY(service >= config.bankAddress(1) + config.eepromSize());
        QVERIFY(service + 8 * EepromConfiguration::ServiceTimeSize <= device.eepromLanguageAddress());
    }
    QCOMPARE(config.bankAddress(config.bankCount()), -1);
    QVERIFY(service >= config.eepromSize());
    QVERIFY(service + 8 * EepromConfiguration::ServiceTimeSize <= 0x10000);
}

void TestEepromService::projectOverTheMemoryIsRefused()
{
    const Device device = m_devices->deviceByOt2Number(41);
    Ot2File file = projectfixture::fullProject(device);
    file.channels()[0].programs[0].switches.append(Ot2File::SwitchTime());
    QCOMPARE(file.memoryCount(), device.maxSz() + 1);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("entries, the model holds")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("mehr Schaltzeiten")));
    QVERIFY(m_service->projectToBytes(file).isEmpty());
    QCOMPARE(m_service->error(), EepromService::ProjectTooLarge);
    QVERIFY(!m_service->errorString().isEmpty());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("entries, the model holds")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("mehr Schaltzeiten")));
    QVERIFY(m_service->projectSZToBytes(file).isEmpty());

    // The model without memory takes a project without entries only.
    const Device basic = m_devices->deviceByOt2Number(32);
    EepromConfiguration config;
    QVERIFY(config.init(basic));
    Ot2File empty = projectfixture::fullProject(basic);
    QCOMPARE(m_service->projectToBytes(empty).size(), config.eepromSize());
    empty.channels()[0].programs[0].dateRanges.append(Ot2File::DateRange());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^1 entries, the model holds 0")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("mehr Schaltzeiten")));
    QVERIFY(m_service->projectToBytes(empty).isEmpty());
}

void TestEepromService::unknownModelIsRefused()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("unbekannt")));
    QVERIFY(m_service->projectToBytes(Ot2File(9999)).isEmpty());
    QCOMPARE(m_service->error(), EepromService::UnknownModel);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("unbekannt")));
    QVERIFY(!m_service->bytesToOt2(imageOf(101), 0).isValid());
    QCOMPARE(m_service->error(), EepromService::UnknownModel);
}

void TestEepromService::imagesItCannotReadAreRefused_data()
{
    QTest::addColumn<int>("ot2");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("error");
    const QByteArray image = imageOf(112);
    QTest::newRow("no bytes") << 112 << QByteArray() << int(EepromService::ImageTooShort);
    QTest::newRow("one byte short") << 112 << image.chopped(1) << int(EepromService::ImageTooShort);
    QTest::newRow("header only") << 112 << image.left(16) << int(EepromService::ImageTooShort);
    QTest::newRow("empty memory") << 112 << QByteArray(image.size(), char(0xFF)) << int(EepromService::EmptyMemory);
    QByteArray language(image.size(), char(0xFF));
    language[5] = language[6] = char(0x81);
    QTest::newRow("language") << 112 << language << int(EepromService::LanguageImage);
    QTest::newRow("zeros") << 112 << QByteArray(image.size(), 0) << int(EepromService::NotAProjectImage);
    QByteArray badHeader = image;
    badHeader[9] = char(badHeader.at(9) ^ 1);
    QTest::newRow("header checksum") << 112 << badHeader << int(EepromService::NotAProjectImage);
    QTest::newRow("other model") << 111 << image + QByteArray(1000, 0) << int(EepromService::WrongModel);
    // The size fields lie outside the header checksum; the identification still names model 112.
    QByteArray sizeDamaged = image;
    sizeDamaged[0] = char(sizeDamaged.at(0) ^ 0x01);
    QTest::newRow("size damaged") << 112 << sizeDamaged << int(EepromService::CorruptImage);
    QByteArray settingsSizeDamaged = image;
    settingsSizeDamaged[3] = char(settingsSizeDamaged.at(3) ^ 0x01);
    QTest::newRow("settings size damaged") << 112 << settingsSizeDamaged << int(EepromService::CorruptImage);
    QByteArray settingsDamaged = image;
    settingsDamaged[20] = char(settingsDamaged.at(20) ^ 0x10);
    QTest::newRow("settings damaged") << 112 << settingsDamaged << int(EepromService::CorruptImage);
    QByteArray entryDamaged = image;
    entryDamaged[entryDamaged.size() - 30] = char(entryDamaged.at(entryDamaged.size() - 30) ^ 0x01);
    QTest::newRow("entry damaged") << 112 << entryDamaged << int(EepromService::CorruptImage);
}

void TestEepromService::imagesItCannotReadAreRefused()
{
    QFETCH(int, ot2);
    QFETCH(QByteArray, bytes);
    QFETCH(int, error);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Memory image:")));
    const Ot2File file = m_service->bytesToOt2(bytes, ot2);
    QVERIFY(!file.isValid());
    QCOMPARE(int(m_service->error()), error);
}

void TestEepromService::bytesBeyondTheImageAreIgnored()
{
    const QByteArray image = imageOf(104);
    const Ot2File exact = m_service->bytesToOt2(image, 104);
    QVERIFY(exact.isValid());
    // A read of a whole bank or more brings trailing bytes along.
    const Ot2File longer = m_service->bytesToOt2(image + QByteArray(4096, char(0x5A)), 104);
    QCOMPARE(m_service->error(), EepromService::NoError);
    QVERIFY(longer == exact);
}

void TestEepromService::damagedEntriesAreClampedToTheModel()
{
    const Device device = m_devices->deviceByOt2Number(42); // 2 channels, 4 programs
    EepromConfiguration config;
    QVERIFY(config.init(device));
    QByteArray image = imageOf(42);
    const int first = config.settingsSize() + EepromConfiguration::EntryBlockHeaderSize;
    const int size = EepromConfiguration::EntrySize;
    image[first + 1] = char(7 << 5);          // entry 0: channel 7 does not exist
    image[first + size + 1] = char(31);       // entry 1: program 31 does not exist
    image[first + 2 * size] = char(0x80);     // entry 2: unknown kind
    image[first + 3 * size] = char(0x3F);     // entry 3: switch time of type 7, state 3
    EepromUtils::writeUInt(image, first + 3 * size + 4, 0xFFFFFF, 3); // start time past midnight
    image[first + 4 * size] = char(0x40 | (7 << 3)); // entry 4: date range of type 7
    image[first + 4 * size + 3] = char(13);   // start month 13
    EepromUtils::writeUInt(image, config.settingsSize(), 60000, 2); // entry count beyond the memory
    image[EepromConfiguration::HeaderSize + 2] = char(9); // first day of the week 9
    resign(image, config);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^3 memory entries .* skipped")));
    const Ot2File file = m_service->bytesToOt2(image, 42);
    QCOMPARE(m_service->error(), EepromService::NoError);
    QCOMPARE(file.channels().keys(), (QList<int>{0, 1}));
    QCOMPARE(file.memoryCount(), device.maxSz() - 3);
    QCOMPARE(file.settings().firstDayOfWeek, 0);
    Ot2File::SwitchTime clamped;
    bool found = false;
    for (const Ot2File::Channel& channel : file.channels()) {
        for (const Ot2File::Program& program : channel.programs) {
            for (const Ot2File::SwitchTime& s : program.switches) {
                QVERIFY(s.type >= 0 && s.type <= 3);
                QVERIFY(s.startTime >= 0 && s.startTime < Ot2File::SecondsPerDay);
                if (!found && s.state == 3 && s.type == 0) {
                    clamped = s;
                    found = true;
                }
            }
            for (const Ot2File::DateRange& r : program.dateRanges)
                QVERIFY(r.type >= 0 && r.type <= 6);
        }
    }
    QVERIFY(found);
    QCOMPARE(clamped.startTime, 0);
}

void TestEepromService::randomBytesNeverCrash()
{
    // Random content behind a valid header and valid checksums: whatever it decodes to stays
    // inside the model.
    QRandomGenerator random(20261209);
    for (int ot2 : {11, 74, 121, 141}) {
        const Device device = m_devices->deviceByOt2Number(ot2);
        EepromConfiguration config;
        QVERIFY(config.init(device));
        for (int round = 0; round < 20; ++round) {
            QByteArray image = imageOf(ot2);
            for (int i = EepromConfiguration::HeaderSize; i < image.size(); ++i)
                image[i] = char(random.bounded(256));
            resign(image, config);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("memory entries .* skipped")));
            const Ot2File file = m_service->bytesToOt2(image, ot2);
            QVERIFY(file.isValid());
            QVERIFY(file.memoryCount() <= device.maxSz());
            Ot2File refitted = file;
            refitted.fitToDevice(device);
            QVERIFY(refitted == file);
        }
    }
}

void TestEepromService::sensorLuxValue_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("pos");
    QTest::addColumn<int>("lux");
    QTest::newRow("zero") << QByteArray(3, 0) << 0 << 0;
    QTest::newRow("little endian") << QByteArray("\x01\x02\x03", 3) << 0 << 0x030201;
    QTest::newRow("largest") << QByteArray(3, char(0xFF)) << 0 << 0xFFFFFF;
    QTest::newRow("inside a reply") << QByteArray("\x00\x00\x02\xE8\x03\x00\x01\x00", 8) << 3 << 1000;
}

void TestEepromService::sensorLuxValue()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, pos);
    QFETCH(int, lux);
    QCOMPARE(EepromUtils::bytesToSensorLuxValue(bytes, pos), lux);
}

void TestEepromService::byteHelpersStayInsideTheData()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("needs 3 bytes")));
    QCOMPARE(EepromUtils::bytesToSensorLuxValue(QByteArray(2, 1)), 0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("needs 3 bytes")));
    QCOMPARE(EepromUtils::bytesToSensorLuxValue(QByteArray(8, 1), 6), 0);
    QCOMPARE(EepromUtils::readUInt(QByteArray(3, 1), 2, 2), 0u);
    QCOMPARE(EepromUtils::readUInt(QByteArray(3, 1), -1, 1), 0u);
    QByteArray bytes(3, 0);
    EepromUtils::writeUInt(bytes, 2, 0xFFFF, 2);
    QCOMPARE(bytes, QByteArray(3, 0));
    QCOMPARE(EepromUtils::headerChecksum(QByteArray("\x01\x02\x03", 3), 0, 2), quint8(0xF9));
    QCOMPARE(EepromUtils::headerChecksum(QByteArray(3, 0), 2, 1), quint8(0xFF));
    QCOMPARE(EepromUtils::crc16(QByteArray("123456789"), 0, 9), quint16(0x906E));
}

QTEST_GUILESS_MAIN(TestEepromService)
#include "tst_eepromservice.moc"
