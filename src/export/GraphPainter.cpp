#include "GraphPainter.h"

#include "Geometry.h"
#include "vexa_telemetry.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

const QColor kPlotGrey(120, 120, 120);
const QColor kGridGrey(100, 100, 100);

// Whether a zoom is one of the four whole steps, and which.
int zoomStep(double zoom)
{
    if (zoom == 1.0 || zoom == 2.0 || zoom == 3.0 || zoom == 4.0)
        return int(zoom);
    return 0;
}

// Lines thinner than a device pixel are drawn one pixel wide, so they keep their colour.
QPen solidPen(const QPainter &painter, const QColor &colour, qreal width)
{
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    return QPen(colour, std::max(width, 1.0 / ratio));
}

QPen dashedPen(const QPainter &painter, const QColor &colour, qreal width)
{
    QPen pen = solidPen(painter, colour, width);
    width = pen.widthF();
    // Qt measures dashes in pen widths; these are in points.
    pen.setDashPattern({3.0 / width, 2.0 / width});
    pen.setDashOffset(0);
    return pen;
}

} // namespace

GraphPainter::GraphPainter(QPainter &painter, qreal viewHeight, const QFont &font)
    : _painter(painter), _height(viewHeight), _font(font)
{
}

QPointF GraphPainter::point(qreal x, qreal y) const
{
    return Geometry::toQt(QPointF(x, y), _height);
}

bool GraphPainter::zoomLabels(double zoom, double *lowest, double *step)
{
    static const double lowestOf[] = {0, -4.0, -3.0, -2.0, -1.0};
    static const double stepOf[] = {0, 2.0, 1.5, 1.0, 0.5};
    const int z = zoomStep(zoom);
    if (z == 0)
        return false;
    *lowest = lowestOf[z];
    *step = stepOf[z];
    return true;
}

double GraphPainter::pointsPerG(const QRectF &plot, double zoom)
{
    double lowest = 0, step = 0;
    if (!zoomLabels(zoom, &lowest, &step))
        return 0;
    const double top = lowest + 4 * step;
    return (plot.height() - 2) / 2 / top;
}

double GraphPainter::sampleStep(const QRectF &plot, qint64 length)
{
    return length > 1 ? plot.width() / double(length - 1) : 0.0;
}

void GraphPainter::drawBackground(const QRectF &plot, double zoom)
{
    double lowest = 0, step = 0;
    if (!zoomLabels(zoom, &lowest, &step))
        return;
    _painter.fillRect(Geometry::toQt(plot, _height), kPlotGrey);

    QPainterPath grid;
    const qreal r = plot.x() + plot.width() - 1;
    const qreal t = plot.y() + plot.height() - 1;
    for (int i = 0; i <= 4; ++i) {
        const qreal y = plot.y() + 1 + i * (plot.height() - 2) / 4;
        addLine(grid, plot.x() + 1, y, r, y);
    }
    for (int i = 1; i <= 3; ++i) {
        const qreal x = plot.x() + 1 + i * (plot.width() - 2) / 4;
        addLine(grid, x, plot.y() + 1, x, t);
    }
    strokeDashed(grid, 1.0, kGridGrey);

    const qreal q = plot.height() / 4;
    const qreal labelY[] = {12, q + 7, 2 * q + 7, 3 * q + 7, 4 * q + 1};
    for (int i = 0; i <= 4; ++i)
        drawText(QString::asprintf("%.1f", lowest + i * step), QRectF(0, labelY[i], 28, 20),
                 Qt::AlignRight, Qt::black);
}

void GraphPainter::drawCurves(const std::vector<Sample> &samples, const QRectF &plot, double zoom)
{
    const double perG = pointsPerG(plot, zoom);
    if (perG == 0 || samples.empty())
        return;
    const double yc = zeroLine(plot);
    const double step = sampleStep(plot, qint64(samples.size()));
    const QColor colours[] = {Qt::blue, Qt::green, Qt::red};
    _painter.save();
    _painter.setClipRect(Geometry::toQt(plot, _height));
    for (int axis = 0; axis < 3; ++axis) {
        QPolygonF line;
        line.reserve(qsizetype(std::min<size_t>(samples.size(), 4 * size_t(plot.width()) + 2)));
        int lastX = 0, lastY = 0;
        for (size_t j = 0; j < samples.size(); ++j) {
            const Sample &s = samples[j];
            const double g = axis == 0 ? gsensor_z_value(s.z) : gsensor_value(axis == 1 ? s.y : s.x);
            const double x = plot.x() + double(j) * step;
            const double y = g * perG + yc;
            if (j > 0 && int(x) == lastX && int(y) == lastY)
                continue;
            line.append(point(x, y));
            lastX = int(x);
            lastY = int(y);
        }
        // A lone sample shows as a one-point tick at the left edge.
        if (line.size() == 1)
            line.append(line.first() + QPointF(1, 0));
        _painter.setPen(solidPen(_painter, colours[axis], 0.7));
        _painter.drawPolyline(line);
    }
    _painter.restore();
}

void GraphPainter::addLine(QPainterPath &path, qreal x1, qreal y1, qreal x2, qreal y2) const
{
    path.moveTo(point(x1, y1));
    path.lineTo(point(x2, y2));
}

void GraphPainter::addVerticalLine(QPainterPath &path, qreal x, const QRectF &plot) const
{
    addLine(path, x, plot.y() + 1, x, plot.y() + plot.height() - 1);
}

void GraphPainter::strokeDashed(const QPainterPath &path, qreal width, const QColor &colour)
{
    _painter.strokePath(path, dashedPen(_painter, colour, width));
}

void GraphPainter::strokeRect(const QRectF &box, qreal width, const QColor &colour)
{
    _painter.setPen(solidPen(_painter, colour, width));
    _painter.setBrush(Qt::NoBrush);
    _painter.drawRect(Geometry::toQt(box, _height));
}

void GraphPainter::drawText(const QString &text, const QRectF &box, Qt::Alignment align,
                            const QColor &colour)
{
    _painter.setFont(_font);
    _painter.setPen(colour);
    _painter.drawText(Geometry::toQt(box, _height), int(align | Qt::AlignTop), text);
}

QRectF GraphPainter::markerLabelBox(qreal x, const QRectF &plot, Qt::Alignment *align)
{
    const qreal left = plot.x();
    const qreal right = plot.x() + plot.width();
    if (x - 25 <= left) {
        *align = Qt::AlignLeft;
        return QRectF(left, plot.y(), 50, 15);
    }
    if (x + 25 >= right) {
        *align = Qt::AlignRight;
        return QRectF(right - 50, plot.y(), 50, 15);
    }
    *align = Qt::AlignHCenter;
    return QRectF(x - 25, plot.y(), 50, 15);
}

QImage GraphPainter::newCache(const QPaintDevice &view)
{
    const qreal ratio = view.devicePixelRatioF();
    QImage cache(QSize(view.width(), view.height()) * ratio, QImage::Format_ARGB32_Premultiplied);
    cache.setDevicePixelRatio(ratio);
    cache.fill(Qt::transparent);
    return cache;
}

void GraphPainter::drawExposed(QPainter &painter, const QRect &exposed, const QImage &cache)
{
    const qreal ratio = cache.devicePixelRatio();
    painter.drawImage(QRectF(exposed), cache,
                      QRectF(exposed.x() * ratio, exposed.y() * ratio, exposed.width() * ratio,
                             exposed.height() * ratio));
}
