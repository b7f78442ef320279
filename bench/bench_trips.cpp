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
#include "TripLoader.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <ctime>
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

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Trips from a freshly opened card, their sources gathered by `sources`; counts the card bytes read.
template <typename Sources> void tripsAfterOpen(benchmark::State &state, Sources sources)
{
    size_t trips = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto model = openCard();
        const uint64_t before = CardRead::bytes();
        state.ResumeTiming();
        trips = TripBuilder::build(sources(*model), TripBuilder::defaultGapSeconds, {}).size();
        state.PauseTiming();
        bytes = qint64(CardRead::bytes() - before);
        model.reset();
        state.ResumeTiming();
    }
    state.counters["trips"] = double(trips);
    state.counters["card_read_MB"] = double(bytes) / 1e6;
}

// The first trips after the open, as the Trips tab shows them at once: no log is read, the
// figures that need one wait. Only this thread works here.
void BM_TripsShownAfterOpen(benchmark::State &state)
{
    tripsAfterOpen(state, [](const FileManager &m) { return TripBuilder::sourcesAtOpen(m); });
}

// From the open until every figure is in, as the Trips tab gets them: the first trips on this
// (the main) thread, then the logs read and the trips rebuilt on the loader's threads. Real
// time; main_thread_ms is what this thread spent meanwhile.
void BM_TripFiguresAfterOpen(benchmark::State &state)
{
    double mainMs = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto model = openCard();
        TripLoader loader;
        QEventLoop loop;
        QObject::connect(&loader, &TripLoader::finished, &loop, &QEventLoop::quit);
        const uint64_t before = CardRead::bytes();
        state.ResumeTiming();
        const double cpu = threadCpuMs();
        std::vector<TripBuilder::Source> sources = TripBuilder::sourcesAtOpen(*model);
        benchmark::DoNotOptimize(TripBuilder::build(sources, TripBuilder::defaultGapSeconds, {}));
        loader.start(*model, std::move(sources), TripBuilder::defaultGapSeconds, {});
        loop.exec();
        mainMs = threadCpuMs() - cpu;
        state.PauseTiming();
        bytes = qint64(CardRead::bytes() - before);
        model.reset();
        state.ResumeTiming();
    }
    state.counters["main_thread_ms"] = mainMs;
    state.counters["card_read_MB"] = double(bytes) / 1e6;
}

// Every figure at once, as `tumbo-cli trips` waits for them: the logs read in parallel.
void BM_TripsFullRead(benchmark::State &state)
{
    tripsAfterOpen(state, [](const FileManager &m) { return TripBuilder::sourcesOf(m); });
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

BENCHMARK(BM_TripsShownAfterOpen)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_TripFiguresAfterOpen)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_TripsFullRead)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
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
