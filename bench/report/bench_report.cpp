// The report of the largest model (8 channels, 17 programs) with 800 and with 200 switch times
// plus date ranges: building it, and paginating it at the print service's content size, against
// the same text laid out as plain text at that size ("ratio" = pagination time / baseline).
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <QTextDocument>

#include <devices/deviceservice.h>
#include <holidays/holidaysetservice.h>
#include <storage/project.h>

#include "calendarsettings.h"
#include "printservice.h"
#include "projectdocument.h"

#include <algorithm>
#include <memory>

using namespace storage;

namespace {

constexpr int Model = 104;
constexpr int Channels = 8;
constexpr int Programs = 17;
constexpr int RangesPerExtraProgram = 2;

// Switch times of every kind on program 0 of every channel, and date ranges of every kind in the
// extra programs.
Project largeProject(int switchTimes) {
    Project project(Model, QStringLiteral("Gross"));
    project.setProjectTitle(QStringLiteral("Lastprobe"));
    const StorableRef<ProgramData> data = project.data();
    for (int channel = 0; channel < Channels; ++channel) {
        QList<SwitchTime> switches;
        for (int i = channel; i < switchTimes; i += Channels) {
            SwitchTime s(SwitchTime::Type(i % 3), i % 2 ? SwitchTime::On : SwitchTime::Off, (i * 97) % 86400,
                         SwitchTime::AllDays);
            s.setPulsTime(30);
            s.setPauseTime(60);
            s.setEndTime(18 * 3600);
            switches.append(s);
        }
        StorableRef<Channel> record = data->channel(channel);
        record->program(0)->setSwitches(switches);
        for (int number = 1; number < Programs; ++number) {
            QList<DateRange> ranges;
            for (int i = 0; i < RangesPerExtraProgram; ++i) {
                DateRange range(DateRange::Type((number + i) % 6));
                range.setStartDate(
                    QDateTime(QDate(2026, 1, 1).addDays(number * 7 + i), QTime(8, 0), Qt::UTC));
                range.setEndDate(QDateTime(QDate(2026, 1, 2).addDays(number * 7 + i), QTime(18, 0), Qt::UTC));
                ranges.append(range);
            }
            record->program(number)->setDateRanges(ranges);
        }
    }
    return project;
}

// The program's services that the report reads.
struct Services {
    Services() {
        devices::DeviceService::m_instance = &devices;
        devices.init(QStringLiteral(":/data/devices.json"));
        holidays::HolidaySetService::m_instance = &holidays;
        holidays.init();
    }
    devices::DeviceService devices;
    holidays::HolidaySetService holidays;
    CalendarSettings calendar;
    PrintService print;
};

// Made by main after the application object (the print service holds widgets), gone before it.
Services* runningServices = nullptr;

Services& services() {
    return *runningServices;
}

// The page count of the document at the content size of the print service's printer.
int paginate(QTextDocument& document) {
    QPrinter& printer = *services().print.printer();
    document.documentLayout()->setPaintDevice(&printer);
    document.setPageSize(PrintService::contentRect(printer).size());
    return document.pageCount();
}

std::unique_ptr<QTextDocument> reportDocument(const Project& project) {
    return std::unique_ptr<QTextDocument>(ProjectDocument(project).takeDocument());
}

// The fastest of a few layouts of the report's text as plain text, in seconds.
double plainTextSeconds(const QString& text) {
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        QTextDocument plain;
        plain.setPlainText(text);
        QElapsedTimer timer;
        timer.start();
        benchmark::DoNotOptimize(paginate(plain));
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

void BM_BuildReport(benchmark::State& state) {
    const Project project = largeProject(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(reportDocument(project));
}
BENCHMARK(BM_BuildReport)->Arg(800)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_PaginateReport(benchmark::State& state) {
    const Project project = largeProject(int(state.range(0)));
    const double baseline = plainTextSeconds(reportDocument(project)->toPlainText());
    int pages = 0;
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<QTextDocument> document = reportDocument(project);
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        pages = paginate(*document);
        seconds += timer.nsecsElapsed() / 1e9;
    }
    state.counters["pages"] = pages;
    state.counters["ratio"] = seconds / double(state.iterations()) / baseline;
}
BENCHMARK(BM_PaginateReport)->Arg(800)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_PaginatePlainTextBaseline(benchmark::State& state) {
    const QString text = reportDocument(largeProject(int(state.range(0))))->toPlainText();
    int pages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTextDocument plain;
        plain.setPlainText(text);
        state.ResumeTiming();
        pages = paginate(plain);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PaginatePlainTextBaseline)->Arg(800)->Arg(200)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    auto instance = std::make_unique<Services>();
    runningServices = instance.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    runningServices = nullptr;
    return 0;
}
