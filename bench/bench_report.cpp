// A 30-page event report (cover and 29 frame pages of 640 x 480 pictures) written as a PDF.
#include "BenchWidgets.h"
#include "CardGenerator.h"
#include "FileVideo.h"
#include "ReportPainter.h"
#include "RoutePicture.h"
#include "SkinGraph.h"
#include "SkinManager.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

struct Data : BenchData<Data> {
    QTemporaryDir dir;
    std::unique_ptr<SkinManager> skin = SkinManager::create();
    std::unique_ptr<FileVideo> video;
    ReportPainter::Content content;

    Data()
    {
        CardGenerator::Options options;
        options.eventCount = 1;
        options.normalCount = 0;
        options.logCount = 0;
        options.recordingSeconds = 30;
        CardGenerator generator(options);
        const QString card = dir.filePath("card");
        if (!generator.generate(card))
            return;
        for (const auto &file : generator.files())
            if (file.list == u"event")
                video.reset(FileVideo::create(card, file.path, FileVideo::Event));
        if (!video)
            return;
        for (qint64 i = 0; i < 29; ++i)
            content.indices.append(i * 10);
        content.video = video.get();
        content.title = QStringLiteral("Benchmark");
        SkinGraph graph(skin.get(), nullptr);
        graph.loadWithFileVideo(video.get(), 0);
        content.graph = graph.grab().toImage();
        content.map = RoutePicture::ofVideo(*video, 0, QSize(336, 252));
    }
};

void BM_EventReportPdf(benchmark::State &state)
{
    Data &data = Data::get();
    if (!data.video) {
        state.SkipWithError("no recording");
        return;
    }
    const ReportPainter report(data.content);
    const QString out = data.dir.filePath("report.pdf");
    for (auto _ : state) {
        if (!report.writePdf(out))
            state.SkipWithError("report not written");
    }
    state.counters["pages"] = report.pageCount();
    state.counters["bytes"] = double(QFileInfo(out).size());
}
BENCHMARK(BM_EventReportPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv, Data::reset);
}
