// What one playback step costs the G-sensor graph and the timeline slider: the new index
// handed over and the region that changed painted, as the window system would ask for it.
// Data, generated at start: a one-minute normal recording at 30 frames/s (two windows of
// 900 frames) with moving G values, and a one-hour driving log (3,600 records).
#include "BenchWidgets.h"
#include "DriveModel.h"
#include "FileLog.h"
#include "FileManager.h"
#include "FileVideo.h"
#include "FramePayload.h"
#include "Geometry.h"
#include "NmeaLog.h"
#include "RecordingWriter.h"
#include "SkinGraph.h"
#include "SkinSlider.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <memory>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct Data : BenchData<Data> {
    QTemporaryDir dir;
    FileVideo *video = nullptr;
    FileLog *log = nullptr;

    Data()
    {
        const QString folder = dir.path();
        RecordingWriter writer;
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::darkGray);
        const QByteArray jpeg = RecordingWriter::encodeJpeg(picture, 70);
        for (int j = 0; j < 1800; ++j) {
            FrameStamp stamp;
            stamp.utcSeconds = 1795248000 + j / 30;
            stamp.frameInSecond = j % 30;
            stamp.framesPerSecond = 30;
            stamp.eventType = j >= 400 && j < 430 ? 1 : 0;
            DriveSample sample;
            sample.gx = int(std::lround(800 * std::sin(j / 20.0)));
            sample.gy = int(std::lround(500 * std::cos(j / 13.0)));
            sample.gz = 1000 + int(std::lround(300 * std::sin(j / 7.0)));
            writer.addFrame(jpeg, FramePayload::build(stamp, sample));
        }
        writeFile(folder + QStringLiteral("/0000000001_N.vdd"), writer.data());
        writeFile(folder + QStringLiteral("/0000000001_N.vdx"),
                  RecordingWriter::sidecar(writer.headers(), SidecarForm::New));
        video = FileVideo::create(folder, QStringLiteral("0000000001_N.vdd"), FileVideo::Normal);

        DriveModel drive(1);
        drive.extend(3600);
        NmeaLog text(drive, 1795248000, 0, true);
        for (int s = 0; s < 3600; ++s)
            text.addSecond(s, 0);
        writeFile(folder + QStringLiteral("/0000000001.log"), text.text());
        log = FileLog::create(folder, QStringLiteral("0000000001.log"));
    }
    ~Data()
    {
        delete video;
        delete log;
    }

};

// Steps through indices [first, first + span) of the loaded window, wrapping inside it
// when moveWindow is false, or alternating between two windows when it is true.
void runGraph(benchmark::State &state, bool log, bool moveWindow)
{
    Data &data = Data::get();
    if (!data.video || !data.log) {
        state.SkipWithError("no data");
        return;
    }
    SkinGraph graph(nullptr, nullptr);
    graph.resize(640, 146);
    QImage canvas(graph.size(), QImage::Format_ARGB32_Premultiplied);
    const qint64 first = log ? 1800 : 0;
    if (log)
        graph.loadWithFileLog(data.log, first);
    else
        graph.loadWithFileVideo(data.video, first);
    graph.render(&canvas);
    const qint64 span = graph.range().length;
    qint64 step = 0;
    for (auto _ : state) {
        const QRectF before = graph.cursorRect();
        const qint64 index = moveWindow ? first + (step % 2) * span : first + step % span;
        graph.setFrameIndex(index);
        if (moveWindow)
            graph.render(&canvas);
        else
            graph.render(&canvas, QPoint(), movedBox(before, graph.cursorRect(), graph.height()));
        ++step;
    }
    state.counters["window"] = double(span);
}

void BM_GraphStep(benchmark::State &state) { runGraph(state, false, false); }
void BM_GraphWindowMove(benchmark::State &state) { runGraph(state, false, true); }
void BM_LogGraphStep(benchmark::State &state) { runGraph(state, true, false); }
void BM_LogGraphWindowMove(benchmark::State &state) { runGraph(state, true, true); }

// The slider under a 640-point video area, one frame further each step.
void BM_SliderStep(benchmark::State &state)
{
    Data &data = Data::get();
    if (!data.video) {
        state.SkipWithError("no data");
        return;
    }
    SkinSlider slider;
    slider.resize(640, 40);
    slider.setFileVideo(data.video);
    QImage canvas(slider.size(), QImage::Format_ARGB32_Premultiplied);
    slider.render(&canvas);
    qint64 index = 0;
    for (auto _ : state) {
        const QRectF before = slider.thumbRect();
        slider.setFrameIndex(index);
        slider.render(&canvas, QPoint(), movedBox(before, slider.thumbRect(), slider.height()));
        index = (index + 1) % 1800;
    }
}

} // namespace

BENCHMARK(BM_GraphStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GraphWindowMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LogGraphStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LogGraphWindowMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SliderStep)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv, Data::reset);
}
