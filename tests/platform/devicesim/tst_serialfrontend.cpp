#include <devices/deviceservice.h>
#include <devicesim/serialfrontend.h>
#include <devicesim/simulateddevice.h>

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>

#include <sys/socket.h>

using devicesim::SerialFrontEnd;
using devicesim::SimulatedDevice;

namespace {

// A frame as the document writes it: 7E, code, length, payload, complement of the sum.
QByteArray frame(quint8 code, const QByteArray& payload = {})
{
    QByteArray bytes = QByteArray(1, char(0x7E)) + char(code) + char(payload.size()) + payload;
    quint8 sum = 0;
    for (int i = 1; i < bytes.size(); ++i)
        sum = quint8(sum + quint8(bytes.at(i)));
    return bytes + char(~sum);
}

QByteArray error(quint8 request, quint8 number)
{
    return frame(0x7F, QByteArray(1, char(request)) + char(number));
}

} // namespace

class TestSerialFrontEnd : public QObject {
    Q_OBJECT

    devices::DeviceService catalogue;
    QLocalSocket program;
    QLocalSocket line;

    // What the device answers to the bytes, once it has answered (or not at all).
    QByteArray ask(const QByteArray& bytes, bool answered = true)
    {
        program.write(bytes);
        program.flush();
        if (!answered) {
            QTest::qWait(200);
            return program.readAll();
        }
        const auto whole = [this] {
            const QByteArray head = program.peek(3);
            return head.size() == 3 && program.bytesAvailable() >= 4 + quint8(head.at(2));
        };
        return QTest::qWaitFor(whole, 5000) ? program.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        devices::DeviceService::m_instance = &catalogue;
        QVERIFY(catalogue.init(QStringLiteral(":/data/devices.json")));
        int fds[2];
        QCOMPARE(::socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0);
        QVERIFY(program.setSocketDescriptor(fds[0]));
        QVERIFY(line.setSocketDescriptor(fds[1]));
    }

    void answersTheFramesOfTheDocument()
    {
        SimulatedDevice device(catalogue.deviceByOt2Number(121), QStringLiteral("5"));
        QVERIFY(device.setActiveBank(1));
        SerialFrontEnd frontEnd(&device, &line);
        QCOMPARE(ask(frame(0x01)), frame(0x81, QByteArray::fromHex("017900") + QByteArray::fromHex("0058")));
        QCOMPARE(ask(frame(0x02)), frame(0x82));
        QVERIFY(frontEnd.ledOn());
        QCOMPARE(ask(frame(0x05, QByteArray::fromHex("3412aabbcc"))), frame(0x85, QByteArray::fromHex("3412")));
        QCOMPARE(device.memory().mid(0x1234, 3), QByteArray::fromHex("aabbcc"));
        QCOMPARE(ask(frame(0x04, QByteArray::fromHex("341203"))), frame(0x84, QByteArray::fromHex("3412aabbcc")));
        QCOMPARE(ask(frame(0x03)), frame(0x83));
        QVERIFY(!frontEnd.ledOn());
    }

    void refusesWhatTheDocumentRefuses()
    {
        SimulatedDevice device(catalogue.deviceByOt2Number(42), QStringLiteral("5"));
        SerialFrontEnd frontEnd(&device, &line);
        QCOMPARE(ask(frame(0x09)), error(0x09, 1));
        QCOMPARE(ask(frame(0x04, QByteArray::fromHex("000081"))), error(0x04, 2));
        QCOMPARE(ask(frame(0x04, QByteArray::fromHex("f0ff20"))), error(0x04, 3));
        QCOMPARE(ask(frame(0x05, QByteArray::fromHex("0000"))), error(0x05, 2));
        QCOMPARE(ask(frame(0x06, QByteArray::fromHex("000100"))), error(0x06, 2));
        QCOMPARE(ask(frame(0x06, QByteArray::fromHex("000000"))), error(0x06, 4));
        QCOMPARE(ask(frame(0x06, QByteArray::fromHex("010000"))), error(0x06, 4));
    }

    void takesALanguageOfItsModel()
    {
        SimulatedDevice device(catalogue.deviceByOt2Number(42), QStringLiteral("5"));
        SerialFrontEnd frontEnd(&device, &line);
        QSignalSpy committed(&frontEnd, &SerialFrontEnd::committed);
        // 81 81, memory version 0x20, OT2 number 42 - 1, the complement of their sum.
        QCOMPARE(ask(frame(0x05, QByteArray::fromHex("0500818120") + char(41) + char(0xB4))),
                 frame(0x85, QByteArray::fromHex("0500")));
        QCOMPARE(ask(frame(0x06, QByteArray::fromHex("010000"))), frame(0x86));
        QCOMPARE(committed.size(), 1);
    }

    void readsAByteStream()
    {
        SimulatedDevice device(catalogue.deviceByOt2Number(42), QStringLiteral("5"));
        SerialFrontEnd frontEnd(&device, &line);
        // Noise before a frame, a frame in two pieces, a malformed frame that gets no answer.
        const QByteArray identify = frame(0x02);
        QVERIFY(ask(QByteArray::fromHex("00ff") + identify.left(2), false).isEmpty());
        QCOMPARE(ask(identify.mid(2)), frame(0x82));
        QByteArray broken = frame(0x03);
        broken[3] = char(broken.at(3) ^ 1);
        QVERIFY(ask(broken, false).isEmpty());
        QCOMPARE(ask(frame(0x03)), frame(0x83));
    }
};

QTEST_MAIN(TestSerialFrontEnd)
#include "tst_serialfrontend.moc"
