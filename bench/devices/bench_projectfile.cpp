// Project file and memory image conversions on the model with the largest image, its memory
// full of switch times and date ranges.
#include "projectfixture.h"

#include <devices/deviceservice.h>
#include <devices/eepromconfiguration.h>
#include <devices/eepromservice.h>
#include <devices/iniwritter.h>
#include <devices/ot2file.h>

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>

using devices::Device;
using devices::DeviceService;
using devices::EepromConfiguration;
using devices::EepromService;
using devices::IniWritter;
using devices::Ot2File;

namespace {

Device largestModel()
{
    Device largest;
    int largestSize = -1;
    for (const Device& device : DeviceService::instance().devices()) {
        EepromConfiguration config;
        if (config.init(device) && config.eepromSize() > largestSize) {
            largest = device;
            largestSize = config.eepromSize();
        }
    }
    return largest;
}

const Ot2File& fullProject()
{
    static const Ot2File file = projectfixture::fullProject(largestModel());
    return file;
}

QByteArray iniText(const Ot2File& file)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    IniWritter writer(&buffer);
    file.save(writer);
    writer.end();
    return bytes;
}

void projectToBytes(benchmark::State& state)
{
    const Ot2File& file = fullProject();
    for (auto _ : state)
        benchmark::DoNotOptimize(EepromService::instance().projectToBytes(file));
    state.SetLabel(QStringLiteral("model %1, %2 entries").arg(file.ot2Number()).arg(file.memoryCount()).toStdString());
}

void bytesToOt2(benchmark::State& state)
{
    const Ot2File& file = fullProject();
    const QByteArray image = EepromService::instance().projectToBytes(file);
    for (auto _ : state)
        benchmark::DoNotOptimize(EepromService::instance().bytesToOt2(image, file.ot2Number()));
    state.SetBytesProcessed(state.iterations() * image.size());
}

void iniSave(benchmark::State& state)
{
    const Ot2File& file = fullProject();
    qsizetype size = 0;
    for (auto _ : state)
        size = iniText(file).size();
    state.SetBytesProcessed(state.iterations() * size);
}

void iniRestore(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("project.ot2"));
    IniWritter writer(path);
    fullProject().save(writer);
    writer.end();
    for (auto _ : state) {
        QSettings settings(path, QSettings::IniFormat);
        Ot2File file;
        benchmark::DoNotOptimize(file.restore(settings));
    }
}

} // namespace

BENCHMARK(projectToBytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(bytesToOt2)->Unit(benchmark::kMicrosecond);
BENCHMARK(iniSave)->Unit(benchmark::kMillisecond);
BENCHMARK(iniRestore)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    DeviceService devices;
    DeviceService::m_instance = &devices;
    if (!devices.init(QStringLiteral(":/data/devices.json")))
        return 1;
    EepromService eeprom;
    EepromService::m_instance = &eeprom;
    eeprom.init();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
