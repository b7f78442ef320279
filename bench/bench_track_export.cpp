// Output rate of the track exports: eight one-hour logs (28,800 records) written as CSV,
// KML (the window's default intervals, and a mark at every record) and GPX. Bytes per
// second count the bytes of the finished file. The logs are generated once into
// $TUMBO_BENCH_DIR/track-logs (kept) or a temporary folder.
#include "BenchCard.h"
#include "CardGenerator.h"
#include "CsvExport.h"
#include "FileManager.h"
#include "FolderScanner.h"
#include "GpxExport.h"
#include "KmlExport.h"
#include "Texts.h"
#include "vexa_log_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Logs {
    QTemporaryDir temp;
    QString out;
    std::vector<std::unique_ptr<vexa_log_file>> files;
    TrackExport::Logs logs;

    Logs()
    {
        const QString dir = qEnvironmentVariable("TUMBO_BENCH_DIR", temp.path());
        const QString card = dir + QStringLiteral("/track-logs");
        CardGenerator::Options o;
        o.seed = 11;
        o.eventCount = 0;
        o.normalCount = 0;
        o.logCount = 8;
        o.logSeconds = 3600;
        ensureBenchCard(card, o, QStringLiteral("log"));
        const QString folder = card + QStringLiteral("/log");
        for (const QString &name : FolderScanner::files(folder, QStringLiteral("log"))) {
            auto file = std::make_unique<vexa_log_file>();
            if (file->load(qPrintable(folder + u'/' + name))) {
                logs.push_back(file.get());
                files.push_back(std::move(file));
            }
        }
        out = temp.filePath(QStringLiteral("out"));
    }
};

Logs &data()
{
    static Logs logs;
    return logs;
}

template <typename Write>
void run(benchmark::State &state, Write write)
{
    Logs &d = data();
    const std::atomic_bool cancel{false};
    qint64 records = 0;
    for (auto _ : state) {
        const TrackExport::Result result = write(d.out, d.logs, cancel);
        if (!result.written)
            state.SkipWithError("not written");
        records += result.records + result.placemarks;
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * QFileInfo(d.out).size());
    state.counters["records"] = double(records) / double(state.iterations());
}

void BM_Csv(benchmark::State &state)
{
    run(state, [](const QString &out, const TrackExport::Logs &logs, const std::atomic_bool &cancel) {
        return CsvExport::write(out, logs, DisplayFormat(), cancel);
    });
}

void BM_Kml(benchmark::State &state)
{
    KmlExport::Options options;
    options.pointSeconds = int(state.range(0));
    run(state, [&](const QString &out, const TrackExport::Logs &logs, const std::atomic_bool &cancel) {
        return KmlExport::write(out, logs, options, cancel);
    });
}

void BM_Gpx(benchmark::State &state)
{
    run(state, [](const QString &out, const TrackExport::Logs &logs, const std::atomic_bool &cancel) {
        return GpxExport::write(out, logs, QStringLiteral("bench"), cancel);
    });
}

} // namespace

BENCHMARK(BM_Csv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Kml)->Arg(10)->Arg(0)->ArgName("point")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gpx)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Texts::install(QLocale(QLocale::English));
    benchmark::Initialize(&argc, argv);
    data();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
