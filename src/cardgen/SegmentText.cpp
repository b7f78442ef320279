#include "SegmentText.h"

#include <QPainter>
#include <QRectF>

namespace {

// Segment bits: a top, b top right, c bottom right, d bottom, e bottom left, f top left, g middle.
enum : int { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64 };
constexpr int kDigits[10] = {
    A | B | C | D | E | F, B | C, A | B | D | E | G, A | B | C | D | G, B | C | F | G,
    A | C | D | F | G, A | C | D | E | F | G, A | B | C, A | B | C | D | E | F | G, A | B | C | D | F | G,
};

int segmentsOf(QChar c)
{
    if (c.isDigit())
        return kDigits[c.digitValue()];
    if (c == u'-')
        return G;
    return 0;
}

} // namespace

double SegmentText::advance(QChar c, double height)
{
    if (c == u':' || c == u'.')
        return height * 0.3;
    if (c == u' ')
        return height * 0.6;
    return height * 0.72;
}

double SegmentText::width(const QString &text, double height)
{
    double w = 0;
    for (QChar c : text)
        w += advance(c, height);
    return w;
}

void SegmentText::drawChar(QPainter &painter, QPointF at, double h, QChar c)
{
    const double t = h * 0.13;  // stroke
    const double w = h * 0.55;
    const double x = at.x();
    const double y = at.y();
    if (c == u':') {
        painter.drawRect(QRectF(x + t * 0.5, y + h * 0.25, t, t));
        painter.drawRect(QRectF(x + t * 0.5, y + h * 0.65, t, t));
        return;
    }
    if (c == u'.') {
        painter.drawRect(QRectF(x + t * 0.5, y + h - t, t, t));
        return;
    }
    const int s = segmentsOf(c);
    const double mid = y + (h - t) / 2;
    if (s & A)
        painter.drawRect(QRectF(x + t, y, w - 2 * t, t));
    if (s & G)
        painter.drawRect(QRectF(x + t, mid, w - 2 * t, t));
    if (s & D)
        painter.drawRect(QRectF(x + t, y + h - t, w - 2 * t, t));
    if (s & F)
        painter.drawRect(QRectF(x, y + t * 0.5, t, h / 2 - t * 0.5));
    if (s & B)
        painter.drawRect(QRectF(x + w - t, y + t * 0.5, t, h / 2 - t * 0.5));
    if (s & E)
        painter.drawRect(QRectF(x, y + h / 2, t, h / 2 - t * 0.5));
    if (s & C)
        painter.drawRect(QRectF(x + w - t, y + h / 2, t, h / 2 - t * 0.5));
}

void SegmentText::draw(QPainter &painter, QPointF topLeft, double height, const QString &text)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    QPointF at = topLeft;
    for (QChar c : text) {
        drawChar(painter, at, height, c);
        at.rx() += advance(c, height);
    }
    painter.restore();
}
