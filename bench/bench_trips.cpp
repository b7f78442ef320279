// Trips and the card overview's script on a card of 2,400 one-minute recordings and 40
// hour-long logs, opened lazily as the viewer opens it. The recordings carry one frame a
// second: trips look only at a recording's first and last frames, so the frame rate changes
// nothing measured here and keeps the card quick to generate. Generated once into
// $TUMBO_BENCH_DIR (kept for later runs) or a temporary folder.
#include "BenchCard.h"
#include "CardRead.h"
#include "FileManager.h"
#include "OverviewScript.h"
#include "TripBuilder.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QString card()
{
    static std::unique_ptr<QTemporaryDir> temp;
    QString base = qEnvironmentVariable("TUMBO_BENCH_DIR");
    if (base.isEmpty()) {
        temp = std::make_unique<QTemporaryDir>();
        base = temp->path();
    }
    CardGenerator::Options o;
    o.seed = 7;
    o.eventCount = 240;
    o.normalCount = 2160;
    o.recordingSeconds = 60;
    o.framesPerSecond = 1;
    o.resolution = QSize(32, 24);
    o.reusePictures = true;
    o.logCount = 40;
    return ensureBenchCard(base + QStringLiteral("/card-2400-trips"), o, QStringLiteral("CH1/event"));
}

std::unique_ptr<FileManager> openCard()
{
    static const QString folder = card();
    auto model = std::make_unique<FileManager>();
    model->loadFiles(folder);
    return model;
}

// The first trips after the open: the logs are read in full here.
void BM_TripsAfterOpen(benchmark::State &state)
{
    size_t trips = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto model = openCard();
        const uint64_t before = CardRead::bytes();
        state.ResumeTiming();
        trips = TripBuilder::build(TripBuilder::sourcesOf(*model), TripBuilder::defaultGapSeconds, {}).size();
        state.PauseTiming();
        bytes = qint64(CardRead::bytes() - before);
        model.reset();
        state.ResumeTiming();
    }
    state.counters["trips"] = double(trips);
    state.counters["card_read_MB"] = double(bytes) / 1e6;
}

// Trips again, the logs already read (the Trips tab after a preference change).
void BM_TripsAgain(benchmark::State &state)
{
    auto model = openCard();
    TripBuilder::sourcesOf(*model);
    for (auto _ : state)
        benchmark::DoNotOptimize(TripBuilder::build(TripBuilder::sourcesOf(*model), TripBuilder::defaultGapSeconds, {}));
}

// The overview page's whole batch: routes simplified, markers, legend.
void BM_OverviewScript(benchmark::State &state)
{
    auto model = openCard();
    const std::vector<TripBuilder::Source> sources = TripBuilder::sourcesOf(*model);
    const TripBuilder::Trips trips = TripBuilder::build(sources, TripBuilder::defaultGapSeconds, {});
    const uint64_t before = CardRead::bytes();
    qsizetype length = 0;
    for (auto _ : state)
        length = OverviewScript::of(trips, sources, DisplayFormat()).size();
    state.counters["script_kB"] = double(length) / 1e3;
    state.counters["card_read_MB"] = double(CardRead::bytes() - before) / 1e6;
}

} // namespace

BENCHMARK(BM_TripsAfterOpen)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_TripsAgain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OverviewScript)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
