// Frames decoded and drawn per second by the video area, in single division (one full
// picture per frame) and thumbnail division (sixteen pictures per step), plus the
// redraw of the glyph read-outs, on a generated 640 x 480 event recording.
#include "BenchWidgets.h"
#include "CardGenerator.h"
#include "FileManager.h"
#include "FileVideo.h"
#include "SkinDateTime.h"
#include "SkinGSensor.h"
#include "SkinGps.h"
#include "SkinManager.h"
#include "SkinSpeed.h"
#include "VideoLayout.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

struct Playback {
    QTemporaryDir dir;
    std::unique_ptr<SkinManager> skin;
    FileVideo *video = nullptr;
    std::unique_ptr<QWidget> window;
    VideoLayout *layout = nullptr;
    QImage canvas;

    // Made on first use, after the application object; dropped before it.
    static std::unique_ptr<Playback> &instance()
    {
        static std::unique_ptr<Playback> playback;
        return playback;
    }
    static Playback &get()
    {
        if (!instance())
            instance() = std::make_unique<Playback>();
        return *instance();
    }

    Playback()
    {
        CardGenerator::Options options;
        options.eventCount = 1;
        options.normalCount = 0;
        options.logCount = 0;
        options.recordingSeconds = 30;  // 300 frames
        options.resolution = QSize(640, 480);
        CardGenerator generator(options);
        const QString card = dir.path() + QStringLiteral("/card");
        if (!generator.generate(card)) {
            std::fprintf(stderr, "card generation failed: %s\n", qPrintable(generator.errorString()));
            return;
        }
        for (const CardGenerator::GeneratedFile &file : generator.files())
            if (file.list == QLatin1String("event"))
                video = FileVideo::create(card, file.path, FileVideo::Event);
        skin = SkinManager::create();
        window = std::make_unique<QWidget>();
        window->resize(1024, 768);
        layout = new VideoLayout(skin.get(), window.get());
        window->show();
        canvas = QImage(layout->size(), QImage::Format_ARGB32_Premultiplied);
        layout->setFileVideo(video);
        layout->setPause(false);
    }

    double averageJpegBytes() const
    {
        double total = 0;
        for (qint64 i = 0; i < video->frameCount(); ++i)
            total += video->headerAtIndex(i).length;
        return total / double(video->frameCount());
    }

    bool ready() const { return video && video->frameCount() > 0 && skin; }

    void drawFrame(qint64 index)
    {
        layout->drawWithFileVideo(video, index);
        layout->render(&canvas);
    }
};

void runDivision(benchmark::State &state, int division, qint64 stride, bool render = true,
                 bool fullWindow = false)
{
    Playback &p = Playback::get();
    if (!p.ready()) {
        state.SkipWithError("no recording");
        return;
    }
    p.layout->setFullWindow(fullWindow);
    p.canvas = QImage(p.layout->size(), QImage::Format_ARGB32_Premultiplied);
    p.layout->changeDivision(division);
    const qint64 count = p.video->frameCount();
    qint64 index = 0;
    for (auto _ : state) {
        if (render)
            p.drawFrame(index);
        else
            p.layout->drawWithFileVideo(p.video, index);
        index = (index + stride) % count;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["frames"] = double(count);
    state.counters["jpeg_kb"] = p.averageJpegBytes() / 1000.0;
    state.counters["area_px"] = double(p.layout->width() * p.layout->height());
}

// One picture decoded at full size and drawn into the single view, frame after frame.
void BM_SingleDivision(benchmark::State &state)
{
    runDivision(state, VideoLayout::Single, 1);
}

// The same scaled up to the whole 1024 x 768 window.
void BM_SingleDivisionFullWindow(benchmark::State &state)
{
    runDivision(state, VideoLayout::Single, 1, true, true);
}

// Grid steps at speed 1: each step shows one new frame and keeps fifteen.
void BM_ThumbnailStep(benchmark::State &state)
{
    runDivision(state, VideoLayout::Thumbnail, 1);
}

// Grid steps at speed 16: all sixteen pictures are new each step.
void BM_ThumbnailStepAllNew(benchmark::State &state)
{
    runDivision(state, VideoLayout::Thumbnail, 16);
}

// The grid's pictures and captions prepared, without painting them.
void BM_ThumbnailStepNoPaint(benchmark::State &state)
{
    runDivision(state, VideoLayout::Thumbnail, 1, false);
}

void BM_ThumbnailStepAllNewNoPaint(benchmark::State &state)
{
    runDivision(state, VideoLayout::Thumbnail, 16, false);
}

// The five read-outs and the date strip told one frame's values and redrawn.
void BM_ReadoutsRedraw(benchmark::State &state)
{
    QWidget parent;
    parent.resize(1024, 768);
    SkinSpeed speed(&parent);
    speed.setGeometry(55, 768 - 161 - 29, 62, 29);
    SkinGps gps(&parent);
    gps.setGeometry(11, 768 - 14 - 45, 168, 45);
    SkinGSensor x(&parent), y(&parent), z(&parent);
    x.setGeometry(85, 768 - 128 - 20, 67, 20);
    y.setGeometry(85, 768 - 100 - 20, 67, 20);
    z.setGeometry(85, 768 - 72 - 20, 67, 20);
    SkinDateTime date(nullptr, &parent);
    date.setGeometry(700, 768 - 166 - 24, 230, 24);
    parent.show();
    QImage canvas(parent.size(), QImage::Format_ARGB32_Premultiplied);
    _vexa_time_t t{2026, 11, 6, 21, 8, 30, 15, 0};
    int i = 0;
    for (auto _ : state) {
        speed.setSpeed(i % 140);
        gps.setLatitude(4808.1234 + i * 0.001, 1134.5678 + i * 0.001);
        x.setVal(i % 200 / 100.0 - 1.0);
        y.setVal(0.25);
        z.setVal(-0.03);
        t.second = uint16_t(i % 60);
        date.setDate(&t);
        for (QWidget *w : {static_cast<QWidget *>(&speed), static_cast<QWidget *>(&gps),
                           static_cast<QWidget *>(&x), static_cast<QWidget *>(&y),
                           static_cast<QWidget *>(&z), static_cast<QWidget *>(&date)})
            w->render(&canvas, w->pos());
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_SingleDivision)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SingleDivisionFullWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ThumbnailStep)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ThumbnailStepAllNew)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ThumbnailStepNoPaint)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ThumbnailStepAllNewNoPaint)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ReadoutsRedraw)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv, [] { Playback::instance().reset(); });
}
