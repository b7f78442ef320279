// Main-thread cost of the map's script calls: the route of a one-hour recording at
// 30 frames/s (a normal recording: a point every 15 s; the same frames read as an event
// recording: a point every second) and one centring call per frame. Each runs without a
// page (building and handing over the text) and with the real page loaded in the browser
// engine (the evaluation request included; the page runs it in its own process).
#include "BenchWidgets.h"
#include "DriveModel.h"
#include "FileManager.h"
#include "FileVideo.h"
#include "FramePayload.h"
#include "MapView.h"
#include "RecordingWriter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr int FramesPerSecond = 30;
constexpr int Frames = 3600 * FramesPerSecond;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct Data : BenchData<Data> {
    QTemporaryDir dir;
    std::unique_ptr<FileVideo> normal;
    std::unique_ptr<FileVideo> event;
    std::unique_ptr<MapView> page;

    Data()
    {
        RecordingWriter writer;
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(Qt::darkGray);
        const QByteArray jpeg = RecordingWriter::encodeJpeg(picture, 50);
        DriveModel drive(7);
        drive.extend(3601);
        for (int j = 0; j < Frames; ++j) {
            FrameStamp stamp;
            stamp.utcSeconds = 1795248000 + j / FramesPerSecond;
            stamp.frameInSecond = j % FramesPerSecond;
            stamp.framesPerSecond = FramesPerSecond;
            writer.addFrame(jpeg, FramePayload::build(stamp, drive.sample(j * 1000 / FramesPerSecond)));
        }
        const QString folder = dir.path();
        writeFile(folder + "/0000000001_N.vdd", writer.data());
        writeFile(folder + "/0000000001_N.vdx", RecordingWriter::sidecar(writer.headers(), SidecarForm::New));
        normal.reset(FileVideo::create(folder, "0000000001_N.vdd", FileVideo::Normal));
        event.reset(FileVideo::create(folder, "0000000001_N.vdd", FileVideo::Event));
    }

    // A map whose page has loaded, shared by the runs that need one.
    MapView *loadedMap()
    {
        if (!page) {
            page = std::make_unique<MapView>(nullptr, nullptr);
            page->resize(350, 308);
            page->show();
            page->createPage();
            QTest::qWaitFor([this] { return page->isPageLoaded(); }, 120000);
        }
        return page->isPageLoaded() ? page.get() : nullptr;
    }

};

// range(0): 1 with the loaded page. The engine's queue is drained between runs.
MapView *mapFor(benchmark::State &state, std::unique_ptr<MapView> &own)
{
    if (state.range(0))
        return Data::get().loadedMap();
    own = std::make_unique<MapView>(nullptr, nullptr);
    return own.get();
}

void runRoute(benchmark::State &state, FileVideo *video)
{
    std::unique_ptr<MapView> own;
    MapView *map = mapFor(state, own);
    if (!video || !map) {
        state.SkipWithError("no recording or no page");
        return;
    }
    qsizetype bytes = 0;
    QObject::connect(map, &MapView::scriptSent, map, [&bytes](const QString &s) { bytes = s.size(); });
    for (auto _ : state) {
        map->loadWithFileVideo(video, 0);
        state.PauseTiming();
        QTest::qWait(state.range(0) ? 50 : 0);
        state.ResumeTiming();
    }
    map->disconnect(map);
    state.counters["script_kB"] = double(bytes) / 1024.0;
}

void BM_MapRouteNormalHour(benchmark::State &state) { runRoute(state, Data::get().normal.get()); }
void BM_MapRouteEventHour(benchmark::State &state) { runRoute(state, Data::get().event.get()); }

// One frame report after another, each at a new position, as playback sends them.
void BM_MapCentrePerFrame(benchmark::State &state)
{
    FileVideo *video = Data::get().normal.get();
    std::unique_ptr<MapView> own;
    MapView *map = mapFor(state, own);
    if (!video || !map) {
        state.SkipWithError("no recording or no page");
        return;
    }
    qint64 k = 0;
    for (auto _ : state) {
        const _vexa_video_frame_header_t &h = video->headerAtIndex(k);
        map->moveCenterWithLatitude(h.latitude, h.longitude);
        k = (k + 1) % Frames;
        if (k % 1000 == 0) {
            state.PauseTiming();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
    }
}

} // namespace

BENCHMARK(BM_MapRouteNormalHour)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapRouteEventHour)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapCentrePerFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv, Data::reset);
}
