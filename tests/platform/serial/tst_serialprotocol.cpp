#include "devicesimprocess.h"
#include "projectfixture.h"

#include <devices/deviceservice.h>
#include <devices/eepromconfiguration.h>
#include <devices/eepromservice.h>
#include <devicesim/serialfrontend.h>
#include <devicesim/simulateddevice.h>
#include <serial/serialprotocol.h>

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>

#include <memory>
#include <sys/socket.h>

using serial::SerialProtocol;

Q_DECLARE_METATYPE(serial::SerialProtocol::SerialError)

namespace {

constexpr int Wait = 20000;

// How one operation ended.
struct Outcome {
    explicit Outcome(SerialProtocol* protocol)
        : finished(protocol, &SerialProtocol::operationFinished)
        , errors(protocol, &SerialProtocol::operationError)
        , opened(protocol, &SerialProtocol::openProject)
        , started(protocol, &SerialProtocol::startProgress)
        , progress(protocol, &SerialProtocol::progressChanged)
        , protocol(protocol)
    {
    }

    bool wait()
    {
        return QTest::qWaitFor([this] { return !finished.isEmpty() || !errors.isEmpty(); }, Wait)
            && !protocol->busy();
    }
    SerialProtocol::SerialError error() const
    {
        return errors.isEmpty() ? SerialProtocol::NoError : errors.first().first().value<SerialProtocol::SerialError>();
    }

    QSignalSpy finished;
    QSignalSpy errors;
    QSignalSpy opened;
    QSignalSpy started;
    QSignalSpy progress;
    SerialProtocol* protocol;
};

// A device language image as the language service builds it: FF below the language address but
// for the identification, then the file's bytes.
QByteArray languageImage(const devices::Device& device, const QByteArray& file)
{
    QByteArray image(device.eepromLanguageAddress(), char(0xFF));
    image[5] = image[6] = char(0x81);
    image[7] = char(device.eepromVersion());
    image[8] = char(device.ot2Number() - 1);
    image[9] = char(~quint8(0x81 + 0x81 + device.eepromVersion() + device.ot2Number() - 1));
    image[image.size() - 1] = char(0x5A);
    return image + file;
}

// Two ends of one byte stream, as a serial cable is.
struct SocketLine {
    SocketLine()
    {
        int fds[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, fds) == 0) {
            program.setSocketDescriptor(fds[0]);
            device.setSocketDescriptor(fds[1]);
        }
    }
    QLocalSocket program;
    QLocalSocket device;
};

} // namespace

class TestSerialProtocol : public QObject {
    Q_OBJECT

    devices::DeviceService catalogue;
    devices::EepromService memory;
    std::unique_ptr<SerialProtocol> protocol;

    devices::Device device(int ot2) const { return catalogue.deviceByOt2Number(ot2); }
    QByteArray projectImage(int ot2) { return memory.projectToBytes(projectfixture::fullProject(device(ot2))); }

    // A protocol on the simulated device's port.
    SerialProtocol* on(const DeviceSimProcess& sim)
    {
        protocol->setPortOverride(sim.port());
        return protocol.get();
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<SerialProtocol::SerialError>();
        devices::DeviceService::m_instance = &catalogue;
        QVERIFY(catalogue.init(QStringLiteral(":/data/devices.json")));
        devices::EepromService::m_instance = &memory;
        qunsetenv("TARVINO_SERIAL_PORT");
    }

    void init() { protocol = std::make_unique<SerialProtocol>(); }
    void cleanup() { protocol.reset(); }

    void aProgramWrittenReadsBackEqual_data()
    {
        QTest::addColumn<int>("ot2");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("one bank") << 42 << QStringList();
        QTest::newRow("two banks, bank 0 active") << 121 << QStringList();
        QTest::newRow("two banks, bank 1 active") << 102 << QStringList{QStringLiteral("--active-bank"), QStringLiteral("1")};
        // The line as fast as a real one: every reply within its time-out, the progress in steps.
        QTest::newRow("one bank, at 115 200 baud") << 42 << QStringList{QStringLiteral("--baud"), QStringLiteral("115200")};
    }

    void aProgramWrittenReadsBackEqual()
    {
        QFETCH(int, ot2);
        QFETCH(QStringList, options);
        DeviceSimProcess sim(ot2, options);
        QVERIFY(!sim.port().isEmpty());
        const QByteArray image = projectImage(ot2);
        QVERIFY(!image.isEmpty());

        Outcome written(on(sim));
        QVERIFY(protocol->adapterPresent());
        protocol->writeProgramAsync(image);
        QVERIFY(protocol->busy());
        QVERIFY(written.wait());
        QCOMPARE(written.error(), SerialProtocol::NoError);
        QCOMPARE(written.finished.size(), 1);
        QCOMPARE(written.started.size(), 1);
        QCOMPARE(protocol->progress(), 100.0);
        QCOMPARE(written.progress.last().first().toDouble(), 100.0);
        QVERIFY(written.progress.size() > 10);

        // The device took the image into the bank that was not active.
        devices::EepromConfiguration layout;
        QVERIFY(layout.init(device(ot2)));
        const int bank = options.isEmpty() && layout.bankCount() > 1 ? layout.bankAddress(1) : 0;
        QCOMPARE(sim.memory().mid(bank, image.size()), image);

        Outcome read(protocol.get());
        protocol->readProgramAsync();
        QVERIFY(read.wait());
        QCOMPARE(read.error(), SerialProtocol::NoError);
        QCOMPARE(read.opened.size(), 1);
        QCOMPARE(read.opened.first().at(0).toByteArray(), image);
        QCOMPARE(read.opened.first().at(1).toInt(), ot2);
        QCOMPARE(protocol->progress(), 100.0);
    }

    void theSimulatedDeviceRefusesABankItsModelLacks_data()
    {
        QTest::addColumn<int>("ot2");
        QTest::addColumn<QString>("bank");
        QTest::newRow("one bank, bank 1") << 42 << "1";
        QTest::newRow("two banks, bank 2") << 102 << "2";
        QTest::newRow("no number") << 102 << "first";
    }

    void theSimulatedDeviceRefusesABankItsModelLacks()
    {
        QFETCH(int, ot2);
        QFETCH(QString, bank);
        const DeviceSimProcess sim(ot2, {QStringLiteral("--active-bank"), bank});
        QVERIFY(sim.port().isEmpty());
    }

    void aLanguageLandsByteForByte()
    {
        DeviceSimProcess sim(42);
        const QByteArray image = languageImage(device(42), QByteArray::fromHex("0400112233000006007788990a0b0000"));
        Outcome written(on(sim));
        protocol->writeDataAsync(image);
        QVERIFY(written.wait());
        QCOMPARE(written.error(), SerialProtocol::NoError);
        QCOMPARE(protocol->progress(), 100.0);
        QCOMPARE(sim.memory().left(image.size()), image);

        Outcome read(protocol.get());
        protocol->readProgramAsync();
        QVERIFY(read.wait());
        QCOMPARE(read.error(), SerialProtocol::ReadErrorLanguage);
        QVERIFY(read.opened.isEmpty());
    }

    void aLanguageOfAnotherModelIsNotWritten()
    {
        DeviceSimProcess sim(42);
        Outcome written(on(sim));
        protocol->writeDataAsync(languageImage(device(41), QByteArray(8, '\1')));
        QVERIFY(written.wait());
        QCOMPARE(written.error(), SerialProtocol::WriteError);
        QVERIFY(!sim.hasCommitted());
    }

    void readsThatAreRefused_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<SerialProtocol::SerialError>("error");
        QTest::newRow("empty memory") << "empty" << SerialProtocol::ReadErrorEmpty;
        QTest::newRow("damaged image") << "damaged" << SerialProtocol::InvalidDataError;
        QTest::newRow("image of another model") << "another model" << SerialProtocol::InvalidDataError;
    }

    void readsThatAreRefused()
    {
        QFETCH(QString, content);
        QFETCH(SerialProtocol::SerialError, error);
        QByteArray image;
        if (content == QLatin1String("damaged")) {
            image = projectImage(42);
            image[image.size() - 3] = char(image.at(image.size() - 3) ^ 0x01);
        } else if (content == QLatin1String("another model")) {
            image = projectImage(41);
        }
        DeviceSimProcess sim(42, {}, image);
        Outcome read(on(sim));
        protocol->readProgramAsync();
        QVERIFY(read.wait());
        QCOMPARE(read.error(), error);
        QVERIFY(read.opened.isEmpty());
        QVERIFY(read.finished.isEmpty());
    }

    void aBlankMemoryIsRefusedAfterItsFirstBlock_data()
    {
        QTest::addColumn<bool>("language");
        QTest::addColumn<SerialProtocol::SerialError>("error");
        QTest::newRow("empty memory") << false << SerialProtocol::ReadErrorEmpty;
        QTest::newRow("language") << true << SerialProtocol::ReadErrorLanguage;
    }

    void aBlankMemoryIsRefusedAfterItsFirstBlock()
    {
        QFETCH(bool, language);
        QFETCH(SerialProtocol::SerialError, error);
        // Frame 3 is the first read and frame 4 the LED off after it; the device refuses frame 5,
        // the third read of a whole memory, so a read that does not stop fails as a link fault.
        const QStringList faults{QStringLiteral("--fault"), QStringLiteral("error"), QStringLiteral("--fault-frame"),
                                 QStringLiteral("5")};
        DeviceSimProcess sim(42, faults,
                             language ? languageImage(device(42), QByteArray::fromHex("0400112233000006007788990a0b0000"))
                                      : QByteArray());
        Outcome read(on(sim));
        protocol->readProgramAsync();
        QVERIFY(read.wait());
        QCOMPARE(read.error(), error);
        QCOMPARE(protocol->progress(), 100.0);
        QVERIFY(read.opened.isEmpty());
    }

    void failuresOfTheLink_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<SerialProtocol::SerialError>("error");
        const QString fault = QStringLiteral("--fault");
        const QString frame = QStringLiteral("--fault-frame");
        QTest::newRow("silent device") << QStringList{fault, QStringLiteral("silent"), QStringLiteral("--persistent")}
                                       << SerialProtocol::BadBehaviorError;
        QTest::newRow("identify refused") << QStringList{fault, QStringLiteral("error")} << SerialProtocol::BadBehaviorError;
        QTest::newRow("LED on refused") << QStringList{fault, QStringLiteral("error"), frame, QStringLiteral("2")}
                                        << SerialProtocol::LedOnError;
        QTest::newRow("a read refused") << QStringList{fault, QStringLiteral("error"), frame, QStringLiteral("5")}
                                        << SerialProtocol::ReadError;
        QTest::newRow("LED off refused") << QStringList{fault, QStringLiteral("error"), frame, QStringLiteral("20")}
                                         << SerialProtocol::LedOffError;
        QTest::newRow("malformed reply") << QStringList{fault, QStringLiteral("malformed"), frame, QStringLiteral("4")}
                                         << SerialProtocol::BadBehaviorError;
        QTest::newRow("reply after the time-out") << QStringList{fault, QStringLiteral("late"), frame, QStringLiteral("3")}
                                                  << SerialProtocol::BadBehaviorError;
    }

    void failuresOfTheLink()
    {
        QFETCH(QStringList, options);
        QFETCH(SerialProtocol::SerialError, error);
        // Model 42: identify, LED on, 17 reads of its 2158 bytes, LED off (frame 20).
        DeviceSimProcess sim(42, options, projectImage(42));
        Outcome read(on(sim));
        protocol->readProgramAsync();
        QVERIFY(read.wait());
        QCOMPARE(read.error(), error);
        QCOMPARE(read.errors.size(), 1);
        QVERIFY(read.opened.isEmpty());
        QVERIFY(read.finished.isEmpty());
    }

    // Frames: identify, LED on, then the writes; the device refuses the second write.
    void aBrokenWriteSaysWhetherTheDeviceStillHasAProgram_data()
    {
        QTest::addColumn<int>("ot2");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("lost");
        const QStringList secondWriteRefused{QStringLiteral("--fault"), QStringLiteral("error"),
                                             QStringLiteral("--fault-frame"), QStringLiteral("4")};
        QTest::newRow("one bank, broken off") << 42 << secondWriteRefused << true;
        QTest::newRow("two banks, broken off") << 121 << secondWriteRefused << false;
        QTest::newRow("one bank, written") << 42 << QStringList() << false;
    }

    void aBrokenWriteSaysWhetherTheDeviceStillHasAProgram()
    {
        QFETCH(int, ot2);
        QFETCH(QStringList, options);
        QFETCH(bool, lost);
        DeviceSimProcess sim(ot2, options);
        Outcome written(on(sim));
        protocol->writeProgramAsync(projectImage(ot2));
        QVERIFY(written.wait());
        QCOMPARE(written.errors.size(), options.isEmpty() ? 0 : 1);
        QCOMPARE(protocol->programLost(), lost);
    }

    void aWriteRefusedAtTheCommitKeepsTheRunningProject()
    {
        DeviceSimProcess sim(42);
        Outcome written(on(sim));
        QByteArray image = projectImage(42);
        image[image.size() - 1] = char(image.at(image.size() - 1) ^ 0x01);
        protocol->writeProgramAsync(image);
        QVERIFY(written.wait());
        QCOMPARE(written.error(), SerialProtocol::WriteError);
        QVERIFY(!sim.hasCommitted());
    }

    void anAbortEndsTheTransfer()
    {
        const QByteArray before = projectImage(121);
        DeviceSimProcess sim(121);
        Outcome written(on(sim));
        const QMetaObject::Connection abort =
            connect(protocol.get(), &SerialProtocol::progressChanged, protocol.get(), [this](double progress) {
                if (progress > 0 && progress < 50)
                    protocol->abortOperation();
            });
        protocol->writeProgramAsync(before);
        QVERIFY(written.wait());
        QCOMPARE(written.error(), SerialProtocol::OperationAborted);
        QCOMPARE(written.errors.size(), 1);
        QVERIFY(written.finished.isEmpty());
        QVERIFY(!sim.hasCommitted());
        QVERIFY(protocol->progress() < 50);
        disconnect(abort);

        // The link is free again, and the device answers the next operation.
        Outcome read(protocol.get());
        protocol->readProgramAsync();
        QVERIFY(read.wait());
        QCOMPARE(read.error(), SerialProtocol::ReadErrorEmpty);
    }

    void anEmptyImageIsNeverSent_data()
    {
        QTest::addColumn<bool>("language");
        QTest::newRow("program") << false;
        QTest::newRow("language") << true;
    }

    void anEmptyImageIsNeverSent()
    {
        QFETCH(bool, language);
        DeviceSimProcess sim(42);
        Outcome written(on(sim));
        if (language)
            protocol->writeDataAsync(QByteArray());
        else
            protocol->writeProgramAsync(QByteArray());
        QVERIFY(written.wait());
        QCOMPARE(written.error(), SerialProtocol::EmptyDataError);
        QVERIFY(written.finished.isEmpty());
        QVERIFY(written.started.isEmpty());
        QVERIFY(!sim.hasCommitted());
    }

    void withoutAnAdapterNoPortIsFound()
    {
        Outcome read(protocol.get());
        QVERIFY(!protocol->adapterPresent());
        protocol->readProgramAsync();
        QVERIFY(read.wait());
        QCOMPARE(read.error(), SerialProtocol::PortFindingError);

        protocol->setPortOverride(QStringLiteral("/dev/tarvino-no-such-port"));
        QVERIFY(!protocol->adapterPresent());
        Outcome named(protocol.get());
        protocol->readProgramAsync();
        QVERIFY(named.wait());
        QCOMPARE(named.error(), SerialProtocol::PortFindingError);
    }

    void aPortThatCannotBeOpened()
    {
        QTemporaryFile notATerminal;
        QVERIFY(notATerminal.open());
        protocol->setPortOverride(notATerminal.fileName());
        QVERIFY(protocol->adapterPresent());
        Outcome read(protocol.get());
        protocol->readProgramAsync();
        QVERIFY(read.wait());
        QCOMPARE(read.error(), SerialProtocol::PortOpeningError);
    }

    void theEnvironmentVariableWinsOverTheSetting()
    {
        DeviceSimProcess sim(42, {}, projectImage(42));
        protocol->setPortOverride(QStringLiteral("/dev/tarvino-no-such-port"));
        qputenv("TARVINO_SERIAL_PORT", sim.port().toLocal8Bit());
        Outcome read(protocol.get());
        protocol->readProgramAsync();
        const bool ended = read.wait();
        qunsetenv("TARVINO_SERIAL_PORT");
        QVERIFY(ended);
        QCOMPARE(read.error(), SerialProtocol::NoError);
        QCOMPARE(read.opened.size(), 1);
    }

    void aSecondOperationWaitsForTheFirst()
    {
        DeviceSimProcess sim(42, {}, projectImage(42));
        Outcome read(on(sim));
        protocol->readProgramAsync();
        protocol->writeProgramAsync(projectImage(42));
        QVERIFY(read.wait());
        QCOMPARE(read.error(), SerialProtocol::NoError);
        QCOMPARE(read.finished.size(), 1);
        QVERIFY(read.errors.isEmpty());
        QVERIFY(!protocol->busy());
    }

    // The line handed in instead of a port: the same traffic, to a device in this process.
    void anInjectedLineReachesTheSimulatedDevice()
    {
        SocketLine line;
        QVERIFY(line.program.isOpen());
        devicesim::SimulatedDevice simulated(device(111), QStringLiteral("7"));
        devicesim::SerialFrontEnd frontEnd(&simulated, &line.device);
        QSignalSpy committed(&frontEnd, &devicesim::SerialFrontEnd::committed);
        protocol->setDevice(&line.program);
        QVERIFY(protocol->adapterPresent());

        const QByteArray image = projectImage(111);
        Outcome written(protocol.get());
        protocol->writeProgramAsync(image);
        QVERIFY(written.wait());
        QCOMPARE(written.error(), SerialProtocol::NoError);
        QCOMPARE(committed.size(), 1);
        QCOMPARE(simulated.activeImage(), image);
        QVERIFY(!frontEnd.ledOn());
        QVERIFY(line.program.isOpen());

        simulated.setFault({devicesim::Fault::ShortReply, frontEnd.framesReceived() + 3, false});
        Outcome read(protocol.get());
        protocol->readProgramAsync();
        QVERIFY(read.wait());
        QCOMPARE(read.error(), SerialProtocol::BadBehaviorError);

        simulated.setFault({});
        Outcome again(protocol.get());
        protocol->readProgramAsync();
        QVERIFY(again.wait());
        QCOMPARE(again.error(), SerialProtocol::NoError);
        QCOMPARE(again.opened.first().at(0).toByteArray(), image);
    }
};

QTEST_MAIN(TestSerialProtocol)
#include "tst_serialprotocol.moc"
