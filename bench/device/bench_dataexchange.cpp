// Exporting a project over the simulated link, against a bare loop that sends the same packets on
// each acknowledgement. Counters: ratio = wall time / (packets x connection interval), goal at most
// 1.1; max_gap_ms = the longest gap of a 5 ms timer ticking beside the transfer; packets.
#include "dataexchangecontroller.h"
#include "exportedproject.h"
#include "projectfixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <ble/bleservice.h>
#include <ble/eepromcommittelegram.h>
#include <ble/eepromstarttelegram.h>
#include <ble/eepromwritetelegram.h>
#include <ble/simulatedbackend.h>
#include <ble/transferplan.h>
#include <devices/deviceservice.h>
#include <devices/eepromservice.h>
#include <devicesim/simulatedconnection.h>
#include <devicesim/simulateddevice.h>

namespace {

constexpr int TickerInterval = 5;

// The longest gap between the ticks of a 5 ms timer while it runs.
class Ticker {
public:
    Ticker()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(TickerInterval);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_maxGap = qMax(m_maxGap, m_clock.restart());
        });
        m_clock.start();
        m_timer.start();
    }
    double maxGapMs() const { return double(m_maxGap); }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_maxGap = 0;
};

devices::Device model(int ot2)
{
    return devices::DeviceService::instance().deviceByOt2Number(ot2);
}

std::chrono::microseconds interval(const benchmark::State& state)
{
    return std::chrono::microseconds(state.range(1));
}

void report(benchmark::State& state, qint64 nanoseconds, int packets, double maxGap)
{
    const double wall = double(nanoseconds) / 1e9;
    state.SetIterationTime(wall);
    state.counters["ratio"] = wall / (packets * double(state.range(1)) / 1e6);
    state.counters["max_gap_ms"] = maxGap;
    state.counters["packets"] = packets;
}

// The whole export through the data exchange: start, packets, commit and the project name.
void exportProject(benchmark::State& state)
{
    const devices::Device device = model(int(state.range(0)));
    const devices::Ot2File file = projectfixture::fullProject(device);
    for (auto _ : state) {
        auto backend = std::make_unique<ble::SimulatedBackend>();
        auto* simulated = new devicesim::SimulatedDevice(device, QStringLiteral("1"), backend.get());
        simulated->setConnectionInterval(interval(state));
        backend->addDevice(simulated);
        const QBluetoothDeviceInfo info = backend->advertisement(simulated);
        ble::BLEService& service = ble::BLEService::instance();
        service.setBackend(std::move(backend));
        ble::BLEDevice found(info, QString());
        QEventLoop connecting;
        QObject::connect(&service, &ble::BLEService::deviceReady, &connecting, &QEventLoop::quit);
        service.connectToDevice(&found);
        connecting.exec();

        DataExchangeController exchange(device.ot2Number());
        exchange.setProjectName(QStringLiteral("Benchmark"));
        ExportedProject project(file);
        QEventLoop transfer;
        bool written = false;
        QObject::connect(&exchange, &DataExchangeController::writeFinished, &transfer, [&](bool ok) {
            written = ok;
            transfer.quit();
        });
        QObject::connect(&exchange, &DataExchangeController::requestAborted, &transfer, &QEventLoop::quit);
        Ticker ticker;
        QElapsedTimer clock;
        clock.start();
        exchange.exportProject(&project, true);
        transfer.exec();
        const qint64 elapsed = clock.nsecsElapsed();
        if (!written) {
            state.SkipWithError("The export failed");
            return;
        }
        report(state, elapsed, exchange.totalSteps(), ticker.maxGapMs());
        service.disconnectFromDevice();
    }
}

// The same image as bare packets, each sent on the acknowledgement of the one before.
void bareLoop(benchmark::State& state)
{
    const devices::Device device = model(int(state.range(0)));
    devices::EepromService& memory = devices::EepromService::instance();
    const QByteArray image = memory.projectToBytes(projectfixture::fullProject(device));
    for (auto _ : state) {
        devicesim::SimulatedDevice simulated(device, QStringLiteral("1"));
        simulated.setConnectionInterval(interval(state));
        const bool adapter = simulated.connectionType() == devicesim::SimulatedDevice::AdapterConnection;
        const ble::TransferPlan plan(int(image.size()), adapter ? 69 : 37, adapter);
        QList<QByteArray> frames{ble::EepromStartTelegram(0, int(image.size()), true).bytes()};
        for (const ble::TransferPlan::Packet& packet : plan.packets()) {
            ble::EepromWriteTelegram write;
            write.setPacket(packet.offset, image.mid(packet.offset, packet.length));
            frames.append(write.bytes());
        }
        frames.append(ble::EepromCommitTelegram().bytes());

        devicesim::SimulatedConnection link(&simulated);
        QEventLoop transfer;
        qsizetype next = 0;
        QObject::connect(&link, &devicesim::SimulatedConnection::packetReceived, &transfer, [&] {
            if (next == frames.size())
                transfer.quit();
            else
                link.send(frames.at(next++));
        });
        Ticker ticker;
        QElapsedTimer clock;
        clock.start();
        link.send(frames.at(next++));
        transfer.exec();
        report(state, clock.nsecsElapsed(), int(plan.packets().size()), ticker.maxGapMs());
    }
}

void arguments(benchmark::internal::Benchmark* benchmark)
{
    // The largest image (internal module) and the largest without the module, at 7.5 and 15 ms.
    for (int ot2 : {121, 105})
        for (int microseconds : {7500, 15000})
            benchmark->Args({ot2, microseconds});
    benchmark->ArgNames({"model", "interval_us"})->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
}

BENCHMARK(exportProject)->Apply(arguments);
BENCHMARK(bareLoop)->Apply(arguments);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    devices::DeviceService catalogue;
    devices::DeviceService::m_instance = &catalogue;
    catalogue.init(QStringLiteral(":/data/devices.json"));
    devices::EepromService memory;
    devices::EepromService::m_instance = &memory;
    ble::BLEService service;
    ble::BLEService::m_instance = &service;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
