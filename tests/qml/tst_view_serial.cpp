#include <QLocalSocket>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <devices/deviceservice.h>
#include <devices/eepromservice.h>
#include <devicesim/serialfrontend.h>
#include <devicesim/simulateddevice.h>
#include <quopral/quopralservice.h>
#include <serial/serialprotocol.h>

#include <memory>
#include <sys/socket.h>

#include "maincontroller.h"
#include "projectcontroller.h"
#include "viewharness.h"

// The serial transfer and device-language pop-ups and the menu entries that open them, over the
// serial link to a simulated device in this process.

namespace {

constexpr int Wait = 20000;
constexpr int Model = 42; // "TVRIX2WEEKLY2"

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

// A time switch on the other end of the line.
struct Device {
    explicit Device(int ot2)
        : simulated(devices::DeviceService::instance().deviceByOt2Number(ot2), QStringLiteral("7"))
        , frontEnd(&simulated, &line.device)
    {
        serial::SerialProtocol::instance().setDevice(&line.program);
    }
    ~Device() { serial::SerialProtocol::instance().setDevice(nullptr); }

    SocketLine line;
    devicesim::SimulatedDevice simulated;
    devicesim::SerialFrontEnd frontEnd;
};

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Two blocks, their tails not yet zeroed.
const QByteArray LanguageFile = QByteArray::fromHex("04001122334406007788990a0b0c");

} // namespace

class TestViewSerial : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_languages.isValid());
        QVERIFY(writeFile(m_languages.filePath(QStringLiteral("de_TVRIX2WEEKLY2.txs")), LanguageFile));
        // A length word that never advances.
        QVERIFY(writeFile(m_languages.filePath(QStringLiteral("fr_TVRIX2WEEKLY2.txs")), QByteArray::fromHex("feff0000")));
        QVERIFY(writeFile(m_languages.filePath(QStringLiteral("it_TVRIX2WEEKLY2.txs")), LanguageFile));
        qputenv(quopral::QuopralService::FolderVariable, m_languages.path().toLocal8Bit());
        qunsetenv("TARVINO_SERIAL_PORT");
        m_harness = std::make_unique<ViewHarness>();
        QVERIFY(m_harness->loadMain());
        quopral::QuopralService::instance().initialize();
    }

    void cleanupTestCase() { m_harness.reset(); }

    void init()
    {
        QVERIFY(MainController::instance().createProject(Model, QStringLiteral("Serial")));
        MainController::instance().setDirty(false);
    }

    void cleanup()
    {
        m_harness->evaluate(QStringLiteral("PopUpManager.opened.forEach(popup => popup.close())"));
        QVERIFY(ViewHarness::waitFor(
            [this] { return m_harness->evaluate(QStringLiteral("PopUpManager.opened.length")).toInt() == 0; }));
        serial::SerialProtocol::instance().setDevice(nullptr);
    }

    void theMenuWritesTheProjectIntoTheDevice()
    {
        Device device(Model);
        const QByteArray image = projectImage();
        QVERIFY(m_harness->triggerMenuAction(QStringLiteral("Programm TARVINO rix2/rix3")));
        QVERIFY(chooseTheSerialAdapter());
        QObject* popup = waitForPopup(QStringLiteral("serialTransferPopup"));
        QVERIFY(popup);
        QCOMPARE(popup->property("title").toString(), QStringLiteral("Programm seriell schreiben"));
        QVERIFY(m_harness->find(QStringLiteral("serialAbortButton")));
        QVERIFY(waitForText(QStringLiteral("serialStatusText"), QStringLiteral("Übertragung abgeschlossen")));
        QCOMPARE(device.simulated.activeImage(), image);
        QQuickItem* progress = m_harness->find(QStringLiteral("serialProgressBar"));
        QVERIFY(progress);
        QCOMPARE(progress->property("value").toDouble(), 100.0);
        QVERIFY(!m_harness->find(QStringLiteral("serialAbortButton")));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("serialOkButton"))));
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->findPopup(QStringLiteral("serialTransferPopup")); }));
    }

    void theMenuReadsTheDeviceIntoANewProject()
    {
        Device device(Model);
        device.simulated.setMemory(device.simulated.activeBankAddress(), projectImage());
        const int projects = MainController::instance().nbProjects();
        QVERIFY(m_harness->triggerMenuAction(QStringLiteral("TARVINO rix2/rix3 lesen")));
        QVERIFY(chooseTheSerialAdapter());
        QObject* popup = waitForPopup(QStringLiteral("serialTransferPopup"));
        QVERIFY(popup);
        QCOMPARE(popup->property("title").toString(), QStringLiteral("Programm von serieller Schnittstelle lesen"));
        QVERIFY(waitForText(QStringLiteral("serialStatusText"), QStringLiteral("Übertragung abgeschlossen")));
        QVERIFY(ViewHarness::waitFor([projects] { return MainController::instance().nbProjects() == projects + 1; }));
        QCOMPARE(MainController::instance().currentProject()->deviceOt2(), Model);
    }

    void errorsOfTheTransfer_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty memory") << "empty" << "Programm kann nicht gelesen werden. Leerer Flash.";
        QTest::newRow("silent device") << "silent" << "Tarvino rix2/3 scheint im Fehlerzustand zu sein.";
        QTest::newRow("LED on refused") << "led" << "Led konnte nicht eingeschaltet werden.";
        QTest::newRow("aborted") << "abort" << "Operation abgebrochen.";
        QTest::newRow("no port") << "no port" << "Der Port wurde nicht gefunden, überprüfen Sie die Verbindung.";
    }

    void errorsOfTheTransfer()
    {
        QFETCH(QString, setup);
        QFETCH(QString, text);
        std::unique_ptr<Device> device;
        if (setup != QLatin1String("no port")) {
            device = std::make_unique<Device>(Model);
            device->simulated.setMemory(device->simulated.activeBankAddress(), projectImage());
        }
        if (setup == QLatin1String("empty"))
            device->simulated.setMemory(0, QByteArray(devicesim::SimulatedDevice::MemorySize, char(0xFF)));
        else if (setup == QLatin1String("silent"))
            device->simulated.setFault({devicesim::Fault::DroppedReply, 1, true});
        else if (setup == QLatin1String("led"))
            device->simulated.setFault({devicesim::Fault::ErrorReply, 2, false});
        else if (setup == QLatin1String("abort"))
            device->simulated.setFault({devicesim::Fault::DroppedReply, 3, false});

        m_harness->evaluate(QStringLiteral("ZorvikUtils.openSerialTransfer({ reading: true })"));
        QVERIFY(waitForPopup(QStringLiteral("serialTransferPopup")));
        if (setup == QLatin1String("abort"))
            QVERIFY(m_harness->click(m_harness->find(QStringLiteral("serialAbortButton"))));
        QVERIFY(waitForText(QStringLiteral("serialStatusText"), text));
        QVERIFY(m_harness->find(QStringLiteral("serialOkButton")));
        QVERIFY(!m_harness->find(QStringLiteral("serialAbortButton")));
        QVERIFY(ViewHarness::waitFor([] { return !serial::SerialProtocol::instance().busy(); }, Wait));
    }

    // A project the memory service refuses is never sent: the pop-up tells why.
    void aRefusedImageShowsTheMemoryServicesError()
    {
        Device device(Model);
        const QByteArray before = device.simulated.activeImage();
        m_harness->evaluate(QStringLiteral("ZorvikUtils.openSerialTransfer({ reading: false, bytes: new ArrayBuffer(0) })"));
        QVERIFY(waitForPopup(QStringLiteral("serialTransferPopup")));
        const QString expected = devices::EepromService::instance().errorString();
        QVERIFY(waitForText(QStringLiteral("serialStatusText"), expected));
        QCOMPARE(device.simulated.activeImage(), before);
        QCOMPARE(device.frontEnd.framesReceived(), 0);
    }

    void theUserChoosesTheMedium_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("Bluetooth") << "acceptButton" << "ble";
        QTest::newRow("PC-Set") << "rejectButton" << "serial";
        QTest::newRow("cancelled") << "cancelButton" << "";
    }

    void theUserChoosesTheMedium()
    {
        QFETCH(QString, button);
        QFETCH(QString, chosen);
        Device device(Model);
        // Each route says that it was taken by a pop-up of its own.
        m_harness->evaluate(QStringLiteral("ZorvikUtils.bleOrSerial(serialProtocol,"
                                           " () => PopUpManager.openPopup('InfoPopup', { objectName: 'ble' }),"
                                           " () => PopUpManager.openPopup('InfoPopup', { objectName: 'serial' }))"));
        QObject* popup = waitForPopup(QStringLiteral("transferMediumPopup"));
        QVERIFY(popup);
        QCOMPARE(popup->property("contentText").toString(),
                 QStringLiteral("Welches Übertragungsmedium möchten Sie verwenden?"));
        QVERIFY(m_harness->find(QStringLiteral("Bluetooth")));
        QVERIFY(m_harness->find(QStringLiteral("PC-Set Tarvino")));
        QVERIFY(m_harness->click(m_harness->find(button)));
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->findPopup(QStringLiteral("transferMediumPopup")); }));
        if (!chosen.isEmpty())
            QVERIFY(waitForPopup(chosen));
        QCOMPARE(m_harness->openPopups().size(), chosen.isEmpty() ? 0 : 1);
    }

    void withoutAMediumTheUserIsTold()
    {
        QVERIFY(!serial::SerialProtocol::instance().adapterPresent());
        m_harness->evaluate(QStringLiteral("ZorvikUtils.bleOrSerial(serialProtocol, null, () => {})"));
        QObject* popup = waitForPopup(QStringLiteral("noTransferMediumPopup"));
        QVERIFY(popup);
        QCOMPARE(popup->property("contentText").toString(),
                 QStringLiteral("Keine serielle oder Bluetooth-Verbindung erkannt."));
    }

    void theLanguageIsWrittenIntoTheDevice()
    {
        Device device(Model);
        QObject* popup = openLanguagePopup();
        QVERIFY(popup);
        QCOMPARE(popup->property("width").toReal(), 500.0);
        QVERIFY(!m_harness->find(QStringLiteral("languageWriteButton")));
        chooseLanguage(QStringLiteral("de"));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("Schreiben"))));
        QVERIFY(waitForText(QStringLiteral("languageStatusText"), QStringLiteral("Übertragung abgeschlossen")));
        const QByteArray image = quopral::QuopralService::instance().txsToBytes(
            Model, m_languages.filePath(QStringLiteral("de_TVRIX2WEEKLY2.txs")));
        QVERIFY(!image.isEmpty());
        QCOMPARE(device.simulated.memory().left(image.size()), image);
        QCOMPARE(m_harness->find(QStringLiteral("languageProgressBar"))->property("value").toDouble(), 100.0);
        QVERIFY(!m_harness->find(QStringLiteral("languageCancelButton")));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("OK"))));
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->findPopup(QStringLiteral("deviceLanguagePopup")); }));
    }

    void languageErrors_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("text");
        QTest::newRow("invalid file") << "fr" << ""
                                      << "Die Sprachdatei ist beschädigt oder passt nicht in den Speicher des Geräts.";
        QTest::newRow("missing file") << "it" << "remove" << "File doesn't exist.";
        QTest::newRow("refused write") << "de" << "refuse" << "Tarvino rix2/3 scheint im Fehlerzustand zu sein.";
        QTest::newRow("LED on refused") << "de" << "led" << "Led konnte nicht eingeschaltet werden.";
    }

    void languageErrors()
    {
        QFETCH(QString, language);
        QFETCH(QString, setup);
        QFETCH(QString, text);
        Device device(Model);
        if (setup == QLatin1String("refuse"))
            device.simulated.setFault({devicesim::Fault::ErrorReply, 1, false});
        else if (setup == QLatin1String("led"))
            device.simulated.setFault({devicesim::Fault::ErrorReply, 2, false});
        QVERIFY(openLanguagePopup());
        chooseLanguage(language);
        const QString path = m_languages.filePath(language + QStringLiteral("_TVRIX2WEEKLY2.txs"));
        if (setup == QLatin1String("remove"))
            QVERIFY(QFile::rename(path, path + QStringLiteral(".away")));
        QVERIFY(m_harness->click(m_harness->find(QStringLiteral("Schreiben"))));
        QVERIFY(waitForText(QStringLiteral("languageStatusText"), text));
        // The choice is over: only cancelling is left.
        QVERIFY(!m_harness->find(QStringLiteral("languageWriteButton")));
        QVERIFY(!m_harness->find(QStringLiteral("deviceTypeChoice"))->isEnabled());
        QVERIFY(m_harness->find(QStringLiteral("languageCancelButton")));
        if (setup == QLatin1String("remove"))
            QVERIFY(QFile::rename(path + QStringLiteral(".away"), path));
    }

    void aLanguageWaitsForARunningTransfer()
    {
        Device device(Model);
        // A device that answers nothing keeps a read busy until its reply time-out.
        device.simulated.setFault({devicesim::Fault::DroppedReply, 1, true});
        serial::SerialProtocol& serial = serial::SerialProtocol::instance();
        QSignalSpy ended(&serial, &serial::SerialProtocol::operationError);
        serial.readProgramAsync();
        QVERIFY(serial.busy());
        QVERIFY(!openLanguagePopup());
        QVERIFY(ended.wait(3 * serial::SerialProtocol::ReplyTimeoutMs));

        QObject* popup = openLanguagePopup();
        QVERIFY(popup);
        chooseLanguage(QStringLiteral("de"));
        serial.readProgramAsync();
        QVERIFY(ViewHarness::waitFor([this] { return !m_harness->find(QStringLiteral("languageWriteButton"))->isEnabled(); }));
        // Asked anyway, the write is refused and says so; the read's end is not taken for its own.
        const QString refusal = QStringLiteral("Eine andere Übertragung läuft. Warten Sie, bis sie beendet ist.");
        QVERIFY(QMetaObject::invokeMethod(popup, "write"));
        QVERIFY(waitForText(QStringLiteral("languageStatusText"), refusal));
        QVERIFY(ended.wait(3 * serial::SerialProtocol::ReplyTimeoutMs));
        QVERIFY(waitForText(QStringLiteral("languageStatusText"), refusal));
        QVERIFY(!popup->property("finished").toBool());
        QVERIFY(m_harness->find(QStringLiteral("languageCancelButton")));
    }

private:
    static QByteArray projectImage()
    {
        return devices::EepromService::instance().projectToBytes(MainController::instance().currentProject()->toOt2(true));
    }

    // With the adapter there, the menu asks which medium to use.
    bool chooseTheSerialAdapter() const
    {
        return waitForPopup(QStringLiteral("transferMediumPopup"))
               && m_harness->click(m_harness->find(QStringLiteral("PC-Set Tarvino")));
    }

    QObject* waitForPopup(const QString& name) const
    {
        QObject* popup = nullptr;
        const bool opened = ViewHarness::waitFor([&] {
            popup = m_harness->findPopup(name);
            return popup && popup->property("opened").toBool();
        });
        return opened ? popup : nullptr;
    }

    bool waitForText(const QString& name, const QString& text) const
    {
        const bool shown = ViewHarness::waitFor(
            [&] {
                QQuickItem* item = m_harness->find(name);
                return item && ViewHarness::text(item) == text;
            },
            Wait);
        if (!shown)
            qWarning().noquote() << "Shown instead:" << ViewHarness::text(m_harness->find(name));
        return shown;
    }

    QObject* openLanguagePopup() const
    {
        if (!m_harness->triggerMenuAction(QStringLiteral("Sprache erstellen TARVINO rix2/rix3")))
            return nullptr;
        return waitForPopup(QStringLiteral("deviceLanguagePopup"));
    }

    void chooseLanguage(const QString& language) const
    {
        QQuickItem* devices = m_harness->find(QStringLiteral("deviceTypeChoice"));
        QVERIFY(devices);
        const QString name = devices::DeviceService::instance().deviceByOt2Number(Model).name();
        int row = -1;
        QVERIFY(QMetaObject::invokeMethod(devices, "find", Q_RETURN_ARG(int, row), Q_ARG(QString, name)));
        QVERIFY(m_harness->choose(devices, row));
        QQuickItem* languages = m_harness->find(QStringLiteral("deviceLanguageChoice"));
        QVERIFY(ViewHarness::waitFor([languages] { return languages->property("count").toInt() == 3; }));
        QVERIFY(QMetaObject::invokeMethod(languages, "find", Q_RETURN_ARG(int, row), Q_ARG(QString, language)));
        QVERIFY(m_harness->choose(languages, row));
    }

    QTemporaryDir m_languages;
    std::unique_ptr<ViewHarness> m_harness;
};

QTEST_MAIN(TestViewSerial)
#include "tst_view_serial.moc"
