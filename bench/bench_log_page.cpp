// The log page with a day of driving: 24 one-hour logs (86,400 records) and 48 recordings
// spread over them. Loading the logs into the page and its graph, a zoom change of the
// graph (curves recomputed and the graph redrawn), one playback step as the page sees it
// (the record handed over, the read-out and the cursor strips repainted) and searches.
// The card is generated once into $TUMBO_BENCH_DIR/log-day (kept) or a temporary folder.
#include "BenchWidgets.h"
#include "BenchCard.h"
#include "CardGenerator.h"
#include "FileManager.h"
#include "Geometry.h"
#include "LogLayout.h"
#include "LogResultModel.h"
#include "SkinLogGraph.h"
#include "SkinManager.h"
#include "Texts.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

struct Data : BenchData<Data> {
    QTemporaryDir temp;
    FileManager model;
    std::unique_ptr<SkinManager> skin = SkinManager::create();
    std::unique_ptr<LogLayout> page;
    QList<ListRow> rows;

    Data()
    {
        const QString dir = qEnvironmentVariable("TUMBO_BENCH_DIR", temp.path());
        const QString card = dir + QStringLiteral("/log-day");
        CardGenerator::Options o;
        o.seed = 5;
        o.eventCount = 12;
        o.normalCount = 36;
        o.recordingSeconds = 10;
        o.resolution = QSize(160, 120);
        o.reusePictures = true;
        o.logCount = 24;
        o.logSeconds = 3600;
        ensureBenchCard(card, o, QStringLiteral("log"));
        model.loadFiles(card);
        rows = model.listViewData(QStringLiteral("log"), DisplayFormat());
        page = std::make_unique<LogLayout>(skin.get(), &model);
        page->setData(rows);
    }
};

void BM_LoadLogs(benchmark::State &state)
{
    Data &data = Data::get();
    for (auto _ : state)
        data.page->setData(data.rows);
    state.counters["logs"] = double(data.page->logFiles().size());
    qint64 records = 0;
    for (FileLog *log : data.page->logFiles())
        records += log->count();
    state.counters["records"] = double(records);
}

void BM_ZoomChange(benchmark::State &state)
{
    Data &data = Data::get();
    SkinLogGraph *graph = data.page->logGraph();
    QImage canvas(graph->size(), QImage::Format_ARGB32_Premultiplied);
    double zoom = 3;
    for (auto _ : state) {
        zoom = zoom == 3 ? 4 : 3;
        graph->setZoom(zoom);
        graph->render(&canvas);
    }
    qint64 points = 0;
    for (int axis = 0; axis < 3; ++axis)
        for (const QPolygonF &line : graph->points(axis))
            points += line.size();
    state.counters["points"] = double(points);
}

void BM_PlaybackStep(benchmark::State &state)
{
    Data &data = Data::get();
    LogLayout *page = data.page.get();
    SkinLogGraph *graph = page->logGraph();
    FileLog *log = page->logFiles().value(12);
    QImage pageCanvas(page->size(), QImage::Format_ARGB32_Premultiplied);
    QImage graphCanvas(graph->size(), QImage::Format_ARGB32_Premultiplied);
    page->setFileLog(log, 0);
    graph->render(&graphCanvas);
    const QRect readout = Geometry::toQt(QRect(0, 145, 320, 115), page->height());
    qint64 index = 0;
    for (auto _ : state) {
        const QRectF before = graph->cursorRect();
        index = (index + 1) % log->count();
        page->setFileLog(log, index);
        page->render(&pageCanvas, readout.topLeft(), QRegion(readout),
                     QWidget::DrawWindowBackground);
        graph->render(&graphCanvas, QPoint(), movedBox(before, graph->cursorRect(), graph->height()));
    }
}

// Speed over 60 km/h and/or X and Y over 0.3 g.
void runSearch(benchmark::State &state, bool speed, bool gsensor)
{
    Data &data = Data::get();
    LogLayout *page = data.page.get();
    page->checkBox(LogLayout::TagSpeed)->setChecked(speed);
    page->speedField()->setText(QStringLiteral("60"));
    page->checkBox(LogLayout::TagGSensor)->setChecked(gsensor);
    page->checkBox(LogLayout::TagAxisX)->setChecked(true);
    page->checkBox(LogLayout::TagAxisY)->setChecked(true);
    page->sensorField(0)->setText(QStringLiteral("0.30"));
    page->sensorField(1)->setText(QStringLiteral("0.30"));
    for (auto _ : state)
        page->didSearch();
    state.counters["rows"] = double(page->results()->rowCount());
}

void BM_SearchSpeed(benchmark::State &state) { runSearch(state, true, false); }
void BM_SearchGSensor(benchmark::State &state) { runSearch(state, false, true); }
void BM_SearchSpeedAndGSensor(benchmark::State &state) { runSearch(state, true, true); }

} // namespace

BENCHMARK(BM_LoadLogs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoomChange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlaybackStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchSpeed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchGSensor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchSpeedAndGSensor)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv, Data::reset);
}
