// Helpers of the widget benchmarks: data built on first use inside the running application,
// and the strips a widget repaints when a box on it moves.
#pragma once

#include "FileManager.h"
#include "Geometry.h"
#include "Texts.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

#include <QRectF>
#include <QRegion>

#include <functional>
#include <memory>

// Built on first use, after the QApplication exists; reset() lets it go before the
// application ends.
template <class T>
struct BenchData {
    static std::unique_ptr<T> &instance()
    {
        static std::unique_ptr<T> data;
        return data;
    }
    static T &get()
    {
        if (!instance())
            instance() = std::make_unique<T>();
        return *instance();
    }
    static void reset() { instance().reset(); }
};

// Where the box was and where it is, as the widget asks to repaint them.
inline QRegion movedBox(const QRectF &before, const QRectF &after, int height)
{
    QRegion region;
    for (const QRectF &box : {before, after})
        if (!box.isNull())
            region += Geometry::toQt(box, height).toAlignedRect().adjusted(-2, -2, 2, 2);
    return region;
}

// The main() of a widget benchmark: an offscreen application unless another platform is
// asked for, private preferences, English texts and the default display settings; letGo
// frees the benchmark's data while the application still exists.
inline int runWidgetBenchmarks(int argc, char **argv, const std::function<void()> &letGo)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    Texts::install(QLocale(QLocale::English));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    letGo();
    return 0;
}
