// Drawing for the G-sensor graphs in the view's own bottom-left coordinates (y growing
// upwards): the grey plot with its dashed grid and value labels, the three axis curves,
// dashed markers, outlines and texts in boxes. Every point goes through Geometry.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <vector>

class QPaintDevice;
class QPainter;

class GraphPainter {
public:
    // One sample of the three axes in milli-g, Z with gravity.
    struct Sample {
        int16_t x = 0;
        int16_t y = 0;
        int16_t z = 1000;
    };

    GraphPainter(QPainter &painter, qreal viewHeight, const QFont &font);

    // Lowest label value and label step of a zoom step 1 to 4; false for any other zoom.
    static bool zoomLabels(double zoom, double *lowest, double *step);
    // Points per g at a zoom: the top grid line stands for the top label's value, so the
    // curves agree with the labels at every zoom. 0 for a zoom without labels.
    static double pointsPerG(const QRectF &plot, double zoom);
    static double zeroLine(const QRectF &plot) { return plot.y() + plot.height() / 2; }
    // Points between samples of a window of length samples spread over the plot's width;
    // 0 for a window of one sample, which sits at the left edge.
    static double sampleStep(const QRectF &plot, qint64 length);

    // The grey plot, its grid and the five value labels; nothing for an unknown zoom.
    void drawBackground(const QRectF &plot, double zoom);
    // Z blue (gravity removed), Y green, X red, sample j at plot.x + j * step, clipped to
    // the plot. Samples on the pixel of the point before are left out.
    void drawCurves(const std::vector<Sample> &samples, const QRectF &plot, double zoom);
    // A vertical line over the plot's inner height at x, added to a path in Qt coordinates.
    void addVerticalLine(QPainterPath &path, qreal x, const QRectF &plot) const;
    void addLine(QPainterPath &path, qreal x1, qreal y1, qreal x2, qreal y2) const;
    // Strokes a path (Qt coordinates) dashed 3 on, 2 off.
    void strokeDashed(const QPainterPath &path, qreal width, const QColor &colour);
    void strokeRect(const QRectF &box, qreal width, const QColor &colour);
    // Text at the top of a box, in the given alignment (left, centre or right).
    void drawText(const QString &text, const QRectF &box, Qt::Alignment align, const QColor &colour);
    // A label box 50 wide and 15 high on the plot's bottom edge for a marker at x: centred
    // under it, or kept inside the plot at either end.
    static QRectF markerLabelBox(qreal x, const QRectF &plot, Qt::Alignment *align);

    QPointF point(qreal x, qreal y) const;

    // A clear picture of the view's size at its pixel ratio, for the view to cache its drawing.
    static QImage newCache(const QPaintDevice &view);
    // Copies the exposed part of a view's cached picture (of the view's pixel ratio) onto it.
    static void drawExposed(QPainter &painter, const QRect &exposed, const QImage &cache);

private:
    QPainter &_painter;
    qreal _height;
    QFont _font;
};
