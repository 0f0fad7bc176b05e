#include "devicesimprocess.h"

#include <devices/deviceservice.h>
#include <quopral/quopralservice.h>
#include <serial/serialprotocol.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using quopral::DeviceLanguageList;
using quopral::QuopralService;
using serial::SerialProtocol;

Q_DECLARE_METATYPE(quopral::QuopralService::QuopralError)

namespace {

// The image as the time switch expects it, computed here on its own: FF, the identification
// in bytes 5 to 9, the blocks from the language address with their last two bytes 0, and their
// checksums downward from just below it.
QByteArray expectedImage(int address, int version, int ot2, QByteArray file)
{
    QByteArray image(address, char(0xFF));
    image[5] = image[6] = char(0x81);
    image[7] = char(version);
    image[8] = char(ot2 - 1);
    image[9] = char(0xFF - ((0x81 + 0x81 + version + ot2 - 1) & 0xFF));
    int block = 0;
    for (int p = 0; p < file.size(); ++block) {
        const int l = quint8(file[p]) + 256 * quint8(file[p + 1]);
        file[p + l] = file[p + l + 1] = 0;
        int sum = 0;
        for (int i = p; i < p + l + 2; ++i)
            sum += quint8(file[i]);
        image[address - 1 - block] = char(0xFF - (sum & 0xFF));
        p += l + 2;
    }
    return image + file;
}

} // namespace

class TestQuopralService : public QObject {
    Q_OBJECT

    devices::DeviceService catalogue;
    QTemporaryDir folder;
    std::unique_ptr<SerialProtocol> protocol;
    std::unique_ptr<QuopralService> service;

    QString put(const QString& name, const QByteArray& content)
    {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return {};
        return file.fileName();
    }

    DeviceLanguageList::DeviceLanguage language(int ot2, const QString& path) const
    {
        return {QStringLiteral("X"), ot2, catalogue.deviceNameFromOt2(ot2), QStringLiteral("de"), path};
    }

    static QList<QuopralService::QuopralError> errors(const QSignalSpy& spy)
    {
        QList<QuopralService::QuopralError> values;
        for (const QList<QVariant>& arguments : spy)
            values.append(arguments.first().value<QuopralService::QuopralError>());
        return values;
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QuopralService::QuopralError>();
        devices::DeviceService::m_instance = &catalogue;
        QVERIFY(catalogue.init(QStringLiteral(":/data/devices.json")));
        QVERIFY(folder.isValid());
        qputenv(QuopralService::FolderVariable, folder.path().toLocal8Bit());
        qunsetenv("TARVINO_SERIAL_PORT");
    }

    void init()
    {
        protocol = std::make_unique<SerialProtocol>();
        SerialProtocol::m_instance = protocol.get();
        service = std::make_unique<QuopralService>();
    }

    void cleanup()
    {
        service.reset();
        protocol.reset();
    }

    void calculateChecksum_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("checksum");
        QTest::newRow("1, 2, 3") << QByteArray::fromHex("010203") << 0 << -1 << 0xF9;
        QTest::newRow("a part") << QByteArray::fromHex("01020304") << 1 << 2 << 0xFA;
        QTest::newRow("wrapping sum") << QByteArray::fromHex("ff02") << 0 << -1 << 0xFE;
        QTest::newRow("to before from") << QByteArray::fromHex("010203") << 2 << 1 << 0xFF;
        QTest::newRow("nothing") << QByteArray() << 0 << -1 << 0xFF;
    }

    void calculateChecksum()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, checksum);
        QCOMPARE(int(QuopralService::calculateChecksum(bytes, from, to)), checksum);
    }

    void theImageOfALanguageFile_data()
    {
        QTest::addColumn<int>("ot2");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("one block, L = 4") << 42 << QByteArray::fromHex("040011223344");
        QTest::newRow("three blocks") << 121 << QByteArray::fromHex("0400112233440600aabbccddeeff0000");
        QTest::newRow("first generation") << 11 << QByteArray::fromHex("0200ffff0100ee");
    }

    void theImageOfALanguageFile()
    {
        QFETCH(int, ot2);
        QFETCH(QByteArray, file);
        const int address = catalogue.eepromLanguageAddress(ot2);
        const QByteArray image = service->txsToBytes(ot2, put(QStringLiteral("image.txs"), file));
        QCOMPARE(image.size(), address + file.size());
        QCOMPARE(image, expectedImage(address, catalogue.eepromVersion(ot2), ot2, file));
        QCOMPARE(quint8(image.at(8)), quint8(ot2 - 1));
    }

    void oneBlockOfFourBytes()
    {
        const QByteArray image = service->txsToBytes(42, put(QStringLiteral("one.txs"), QByteArray::fromHex("040011223344")));
        QCOMPARE(image.size(), 4096 + 6);
        QCOMPARE(image.mid(4096), QByteArray::fromHex("040011220000"));
        QCOMPARE(image.mid(5, 5), QByteArray::fromHex("81812029b4"));
        QCOMPARE(quint8(image.at(4095)), quint8(~(0x04 + 0x11 + 0x22)));
        QCOMPARE(image.mid(10, 4085), QByteArray(4085, char(0xFF)));
        QCOMPARE(image.left(5), QByteArray(5, char(0xFF)));
    }

    void aMissingFileIsReportedTwiceAndNothingIsWritten()
    {
        QSignalSpy refused(service.get(), &QuopralService::txsError);
        QSignalSpy busy(protocol.get(), &SerialProtocol::busyChanged);
        service->writeTxsOnSerial(language(42, folder.filePath(QStringLiteral("missing.txs"))));
        QCOMPARE(errors(refused), (QList{QuopralService::ExistFileError, QuopralService::BytesTranslationError}));
        QVERIFY(busy.isEmpty());
    }

    void craftedFilesAreRefused_data()
    {
        QTest::addColumn<int>("ot2");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("L = 0xFFFE") << 42 << QByteArray::fromHex("feff0102");
        QTest::newRow("one byte") << 42 << QByteArray::fromHex("04");
        QTest::newRow("empty") << 42 << QByteArray();
        QTest::newRow("block past the end") << 42 << QByteArray::fromHex("0400112233440800aabb");
        QTest::newRow("length word past the end") << 42 << QByteArray::fromHex("04001122334401");
        QTest::newRow("40000 zero bytes below 4096") << 42 << QByteArray(40000, '\0');
        QTest::newRow("70000 bytes") << 42 << QByteArray(70000, '\x01');
        QByteArray high(20000, '\x07');
        high[0] = char(0x1E);
        high[1] = char(0x4E); // one block of 20000 bytes
        QTest::newRow("beyond 16-bit positions") << 101 << high;
        QTest::newRow("unknown model") << 99 << QByteArray::fromHex("040011223344");
    }

    void craftedFilesAreRefused()
    {
        QFETCH(int, ot2);
        QFETCH(QByteArray, file);
        QSignalSpy refused(service.get(), &QuopralService::txsError);
        QSignalSpy busy(protocol.get(), &SerialProtocol::busyChanged);
        service->writeTxsOnSerial(language(ot2, put(QStringLiteral("crafted.txs"), file)));
        QCOMPARE(errors(refused), (QList{QuopralService::InvalidFileError, QuopralService::BytesTranslationError}));
        QVERIFY(busy.isEmpty());
    }

    void aFileThatFillsTheAddressSpaceExactly()
    {
        QByteArray file(0x10000 - 49152, '\x03');
        file[0] = char((file.size() - 2) & 0xFF);
        file[1] = char((file.size() - 2) >> 8);
        const QByteArray image = service->txsToBytes(101, put(QStringLiteral("full.txs"), file));
        QCOMPARE(image.size(), 0x10000);
    }

    // The sample files the build copies for the program: every one is listed and makes an image
    // whose block tails are zeroed where the file holds other bytes.
    void theSampleLanguagesMakeImages()
    {
        DeviceLanguageList samples(QDir(QStringLiteral(TARVINO_SAMPLE_LANGUAGES)));
        samples.initialize();
        QCOMPARE(samples.rowCount(), 20);
        QCOMPARE(samples.availableDeviceNames().size(), 4);
        for (int row = 0; row < samples.rowCount(); ++row) {
            const auto language = samples.index(row, 0).data(DeviceLanguageList::DeviceLanguageStructRole).value<quopral::DeviceLanguage>();
            QFile file(language.filePath);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray content = file.readAll();
            const int address = catalogue.eepromLanguageAddress(language.ot2);
            const QByteArray image = service->txsToBytes(language.ot2, language.filePath);
            QCOMPARE(image, expectedImage(address, catalogue.eepromVersion(language.ot2), language.ot2, content));
            QVERIFY(image.mid(address) != content);
            QVERIFY(quint8(image.at(address - 3)) != 0xFF); // several blocks
        }
    }

    void aLanguageWrittenLandsInTheDevice()
    {
        DeviceSimProcess sim(121);
        QVERIFY(!sim.port().isEmpty());
        protocol->setPortOverride(sim.port());
        const QString path = put(QStringLiteral("de_TVRIX3HYBRID4.txs"), QByteArray::fromHex("0600c1c2c3c4c5c60a00d1d2d3d4d5d6d7d8d9da"));
        QSignalSpy refused(service.get(), &QuopralService::txsError);
        QSignalSpy finished(protocol.get(), &SerialProtocol::operationFinished);
        QSignalSpy failed(protocol.get(), &SerialProtocol::operationError);
        QSignalSpy started(protocol.get(), &SerialProtocol::startProgress);
        service->writeTxsOnSerial(language(121, path));
        QVERIFY(QTest::qWaitFor([&] { return !finished.isEmpty() || !failed.isEmpty(); }, 20000));
        QVERIFY(failed.isEmpty());
        QVERIFY(refused.isEmpty());
        QCOMPARE(started.size(), 1);
        QCOMPARE(protocol->progress(), 100.0);
        const QByteArray image = service->txsToBytes(121, path);
        QCOMPARE(sim.memory().left(image.size()), image);
    }
};

QTEST_MAIN(TestQuopralService)
#include "tst_quopralservice.moc"
