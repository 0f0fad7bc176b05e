// Serves a simulated time switch on a pseudo-terminal (docs/serial-protocol.md, "The simulated
// device"): prints the slave's name on the first line and runs until it is ended.

#include <devices/deviceservice.h>
#include <devicesim/fault.h>
#include <devicesim/pseudoterminal.h>
#include <devicesim/serialfrontend.h>
#include <devicesim/simulateddevice.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSaveFile>

#include <cstdio>

namespace {

const QHash<QString, devicesim::Fault::Kind> FaultKinds = {
    {QStringLiteral("error"), devicesim::Fault::ErrorReply},
    {QStringLiteral("malformed"), devicesim::Fault::MalformedReply},
    {QStringLiteral("silent"), devicesim::Fault::DroppedReply},
    {QStringLiteral("late"), devicesim::Fault::LateReply},
};

int fail(const QString& message)
{
    std::fprintf(stderr, "tarvino-devicesim: %s\n", qPrintable(message));
    return 2;
}

bool saveMemory(const QString& path, const QByteArray& memory)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(memory) == memory.size() && file.commit();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A simulated time switch behind a serial programming adapter."));
    parser.addHelpOption();
    const QCommandLineOption model(QStringLiteral("model"), QStringLiteral("OT2 number of the model."),
                                   QStringLiteral("OT2"), QStringLiteral("42"));
    const QCommandLineOption memory(QStringLiteral("memory"), QStringLiteral("Memory file, written after every commit."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption bank(QStringLiteral("active-bank"), QStringLiteral("Active bank at the start."),
                                  QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption fault(QStringLiteral("fault"), QStringLiteral("error, malformed, silent or late."),
                                   QStringLiteral("KIND"));
    const QCommandLineOption faultFrame(QStringLiteral("fault-frame"), QStringLiteral("First frame the fault hits."),
                                        QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption persistent(QStringLiteral("persistent"), QStringLiteral("The fault hits every later frame."));
    const QCommandLineOption baud(QStringLiteral("baud"), QStringLiteral("Line rate to pace the replies at (0: none)."),
                                  QStringLiteral("N"), QStringLiteral("0"));
    parser.addOptions({model, memory, bank, fault, faultFrame, persistent, baud});
    parser.process(app);

    devices::DeviceService catalogue;
    devices::DeviceService::m_instance = &catalogue;
    catalogue.init(QStringLiteral(":/data/devices.json"));
    const devices::Device device = catalogue.deviceByOt2Number(parser.value(model).toInt());
    if (!device.isValid())
        return fail(QStringLiteral("the catalogue has no model %1").arg(parser.value(model)));

    devicesim::SimulatedDevice simulated(device, QStringLiteral("000000001"));
    const QString memoryPath = parser.value(memory);
    if (!memoryPath.isEmpty() && QFile::exists(memoryPath)) {
        QFile file(memoryPath);
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read %1: %2").arg(memoryPath, file.errorString()));
        simulated.setMemory(0, file.read(devicesim::SimulatedDevice::MemorySize));
    }
    bool bankIsNumber = false;
    const int activeBank = parser.value(bank).toInt(&bankIsNumber);
    if (!bankIsNumber || !simulated.setActiveBank(activeBank))
        return fail(QStringLiteral("model %1 has no bank %2").arg(parser.value(model), parser.value(bank)));
    bool baudIsNumber = false;
    const int baudRate = parser.value(baud).toInt(&baudIsNumber);
    if (!baudIsNumber || baudRate < 0)
        return fail(QStringLiteral("the line rate %1 is no number of baud").arg(parser.value(baud)));
    if (parser.isSet(fault)) {
        if (!FaultKinds.contains(parser.value(fault)))
            return fail(QStringLiteral("unknown fault %1").arg(parser.value(fault)));
        simulated.setFault({FaultKinds.value(parser.value(fault)), parser.value(faultFrame).toInt(), parser.isSet(persistent)});
    }

    devicesim::PseudoTerminal terminal;
    if (!terminal.open())
        return fail(QStringLiteral("cannot open a pseudo-terminal: %1").arg(terminal.errorString()));
    devicesim::SerialFrontEnd frontEnd(&simulated, &terminal);
    frontEnd.setBaudRate(baudRate);
    if (!memoryPath.isEmpty()) {
        QObject::connect(&frontEnd, &devicesim::SerialFrontEnd::committed, [&] {
            if (!saveMemory(memoryPath, simulated.memory()))
                std::fprintf(stderr, "tarvino-devicesim: cannot write %s\n", qPrintable(memoryPath));
        });
    }
    std::printf("%s\n", qPrintable(terminal.slaveName()));
    std::fflush(stdout);
    return app.exec();
}
