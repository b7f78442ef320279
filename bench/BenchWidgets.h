// Helpers of the widget benchmarks: data built on first use inside the running application,
// and the strips a widget repaints when a box on it moves.
#pragma once

#include "Geometry.h"

#include <QRectF>
#include <QRegion>

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
