// Loading whole cards into the folder model: a card of 2,000 recordings with sidecars and
// one of 200 recordings without (indexed by scanning the pictures). The cards are generated
// once into $TUMBO_BENCH_DIR (kept for later runs) or a temporary folder.
#include "BenchCard.h"
#include "CardGenerator.h"
#include "FileManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <malloc.h>
#include <memory>

namespace {

constexpr int kSidecarRecordings = 2000;
constexpr int kScannedRecordings = 200;

struct BenchCards {
    QString sidecars;
    QString scanned;
};

CardGenerator::Options options(int recordings, bool sidecars)
{
    CardGenerator::Options o;
    o.seed = 7;
    o.eventCount = recordings / 4;
    o.normalCount = recordings - o.eventCount;
    o.recordingSeconds = 10;
    o.framesPerSecond = 10;
    o.resolution = QSize(160, 120);
    o.reusePictures = true;
    o.sidecar = sidecars ? SidecarForm::New : SidecarForm::None;
    o.logCount = 4;
    o.logSeconds = 900;
    return o;
}

const BenchCards &cards()
{
    static std::unique_ptr<QTemporaryDir> temp;
    static BenchCards cards = [] {
        QString base = qEnvironmentVariable("TUMBO_BENCH_DIR");
        if (base.isEmpty()) {
            temp = std::make_unique<QTemporaryDir>();
            base = temp->path();
        }
        const QString marker = QStringLiteral("CH1/event");
        return BenchCards{
            ensureBenchCard(base + QStringLiteral("/card-2000-sidecars"), options(kSidecarRecordings, true), marker),
            ensureBenchCard(base + QStringLiteral("/card-200-scanned"), options(kScannedRecordings, false), marker)};
    }();
    return cards;
}

// Bytes the allocator hands out at the moment, over all arenas.
qint64 heapBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

// Peak resident size of the process in bytes, from /proc/self/status.
qint64 peakResident()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return 0;
}

void loadCard(benchmark::State &state, const QString &folder)
{
    qint64 frames = 0;
    qint64 records = 0;
    qint64 files = 0;
    qint64 held = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<FileManager>();
        const qint64 before = heapBytes();
        state.ResumeTiming();

        model->loadFiles(folder);

        state.PauseTiming();
        held = heapBytes() - before;
        frames = records = 0;
        for (const QList<FileVideo *> *list : {&model->eventVideos(), &model->normalVideos()})
            for (const FileVideo *video : *list)
                frames += video->frameCount();
        for (const FileLog *log : model->logs())
            records += log->count();
        files = model->eventVideos().size() + model->normalVideos().size() + model->logs().size();
        model.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["files"] = double(files);
    state.counters["frames"] = double(frames);
    state.counters["log_records"] = double(records);
    // What the headers and records take at 66 and 58 bytes, and what the loaded model holds.
    state.counters["index_MB"] = double(frames * 66 + records * 58) / 1e6;
    state.counters["held_MB"] = double(held) / 1e6;
    state.counters["peak_rss_MB"] = double(peakResident()) / 1e6;
}

void BM_LoadCardWithSidecars(benchmark::State &state)
{
    loadCard(state, cards().sidecars);
}

void BM_LoadCardWithoutSidecars(benchmark::State &state)
{
    loadCard(state, cards().scanned);
}

} // namespace

BENCHMARK(BM_LoadCardWithSidecars)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(BM_LoadCardWithoutSidecars)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    cards();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
