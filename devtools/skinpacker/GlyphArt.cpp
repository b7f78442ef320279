#include "GlyphArt.h"

#include "Palette.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

// Segment bits: a top, b upper right, c lower right, d bottom, e lower left, f upper left,
// g middle.
enum Segment { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64 };
const int DigitSegments[10] = {
    A | B | C | D | E | F, B | C, A | B | G | E | D, A | B | G | C | D, F | G | B | C,
    A | F | G | C | D, A | F | G | E | C | D, A | B | C, A | B | C | D | E | F | G,
    A | B | C | D | F | G,
};

QPolygonF horizontal(qreal x0, qreal x1, qreal y, qreal t)
{
    const qreal h = t / 2;
    return QPolygonF({QPointF(x0, y), QPointF(x0 + h, y - h), QPointF(x1 - h, y - h), QPointF(x1, y),
                      QPointF(x1 - h, y + h), QPointF(x0 + h, y + h)});
}

QPolygonF vertical(qreal x, qreal y0, qreal y1, qreal t)
{
    const qreal h = t / 2;
    return QPolygonF({QPointF(x, y0), QPointF(x + h, y0 + h), QPointF(x + h, y1 - h), QPointF(x, y1),
                      QPointF(x - h, y1 - h), QPointF(x - h, y0 + h)});
}

struct SegmentBox {
    QRectF area;     // where the digit is drawn inside its slice
    qreal thickness;
};

SegmentBox boxFor(const QSizeF &cell)
{
    const qreal t = qMax(1.6, cell.height() * 0.125);
    const qreal mx = cell.width() >= 14 ? 1.5 : 0.6;
    return {QRectF(mx, 0.6, cell.width() - 2 * mx, cell.height() - 1.2), t};
}

QPainterPath segmentsPath(const SegmentBox &box, int mask)
{
    const QRectF &r = box.area;
    const qreal t = box.thickness;
    const qreal gap = qMax(0.35, t * 0.18);
    const qreal left = r.left() + t / 2, right = r.right() - t / 2;
    const qreal top = r.top() + t / 2, bottom = r.bottom() - t / 2, middle = (top + bottom) / 2;
    QPainterPath path;
    auto add = [&](int bit, const QPolygonF &poly) {
        if (mask & bit)
            path.addPolygon(poly), path.closeSubpath();
    };
    add(A, horizontal(left + gap, right - gap, top, t));
    add(G, horizontal(left + gap, right - gap, middle, t));
    add(D, horizontal(left + gap, right - gap, bottom, t));
    add(F, vertical(left, top + gap, middle - gap, t));
    add(B, vertical(right, top + gap, middle - gap, t));
    add(E, vertical(left, middle + gap, bottom - gap, t));
    add(C, vertical(right, middle + gap, bottom - gap, t));
    return path;
}

// Small digits are laid on whole pixels with two-pixel strokes, which keeps them sharp;
// the corners stay dark like the gaps between real segments.
bool pixelAligned(const QSizeF &cell)
{
    return cell.width() <= 12;
}

QPainterPath pixelSegments(const QSizeF &cell, int mask)
{
    const int t = 2;
    const int w = int(cell.width()), h = int(cell.height());
    const int middle = (h - t) / 2;
    QPainterPath path;
    auto add = [&](int bit, int x, int y, int rw, int rh) {
        if (mask & bit)
            path.addRect(x, y, rw, rh);
    };
    add(A, t, 0, w - 2 * t, t);
    add(G, t, middle, w - 2 * t, t);
    add(D, t, h - t, w - 2 * t, t);
    add(F, 0, t, t, middle - t);
    add(B, w - t, t, t, middle - t);
    add(E, 0, middle + t, t, h - t - middle - t);
    add(C, w - t, middle + t, t, h - t - middle - t);
    return path;
}

// A faint halo under the lit shape, then the shape itself.
void paintLit(QPainter &p, const QPainterPath &path, bool crisp = false)
{
    if (crisp) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillPath(path, Palette::segment);
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    QColor glow = Palette::segmentGlow;
    glow.setAlpha(55);
    p.strokePath(path, QPen(glow, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, Palette::segment);
}

// A one drawn as a right-side segment pair leaves its cell half empty, so "11" reads as
// "1 1". This one stands in the middle of its cell with a flag and a foot, like the one
// of a fixed-width typeface, so every digit fills its cell alike.
QPainterPath pixelOne(const QSizeF &cell)
{
    const int t = 2;
    const int w = int(cell.width()), h = int(cell.height());
    const int x = (w - t) / 2;
    const int flag = qMax(2, w / 4);
    QPainterPath path;
    path.addRect(x, 0, t, h - t);
    path.addRect(x - flag, t, flag, t);
    path.addRect(qMax(0, x - flag), h - t, qMin(w, t + 2 * flag), t);
    return path;
}

QPainterPath smoothOne(const SegmentBox &box)
{
    const QRectF &r = box.area;
    const qreal t = box.thickness;
    const qreal x = r.center().x();
    const qreal flag = r.width() * 0.28;
    QPainterPath path;
    path.addPolygon(vertical(x, r.top() + t / 2, r.bottom() - t, t));
    path.closeSubpath();
    path.addPolygon(QPolygonF({QPointF(x - t / 2, r.top() + t * 0.2), QPointF(x - t / 2, r.top() + t * 1.4),
                               QPointF(x - t / 2 - flag, r.top() + t * 2.2),
                               QPointF(x - t / 2 - flag, r.top() + t * 1.0)}));
    path.closeSubpath();
    path.addPolygon(horizontal(x - t / 2 - flag, x + t / 2 + flag, r.bottom() - t / 2, t));
    path.closeSubpath();
    return path;
}

void paintDigit(QPainter &p, const QSizeF &cell, int mask)
{
    const bool one = mask == DigitSegments[1];
    if (pixelAligned(cell))
        paintLit(p, one ? pixelOne(cell) : pixelSegments(cell, mask), true);
    else
        paintLit(p, one ? smoothOne(boxFor(cell)) : segmentsPath(boxFor(cell), mask));
}

void paintColon(QPainter &p, const QSizeF &cell)
{
    const int t = 2;
    const int x = (int(cell.width()) - t) / 2, h = int(cell.height());
    QPainterPath path;
    path.addRect(x, h * 3 / 10 - 1, t, t);
    path.addRect(x, h * 7 / 10 - 1, t, t);
    paintLit(p, path, true);
}

// Separators that sit at the baseline or near the top of the digits, on whole pixels.
void paintMark(QPainter &p, const QSizeF &cell, int index, bool gps)
{
    const int t = 2;
    const int w = int(cell.width()), h = int(cell.height());
    const int x = (w - t) / 2;
    QPainterPath path;
    if (!gps) {
        if (index == 0)
            path.addRect(x, h - t, t, t);              // date dot
        else
            path.addRect(0, (h - t) / 2, w, t);        // dash
        paintLit(p, path, true);
        return;
    }
    switch (index) {
    case 0:  // decimal point
        path.addRect(x, h - t, t, t);
        break;
    case 1:  // degree: a small hollow square
        path.addRect(x - 1, 0, 4, 1);
        path.addRect(x - 1, 3, 4, 1);
        path.addRect(x - 1, 1, 1, 2);
        path.addRect(x + 2, 1, 1, 2);
        break;
    default: {  // minute and second ticks, leaning right
        const int ticks = index == 2 ? 1 : 2;
        for (int i = 0; i < ticks; ++i) {
            const int tx = ticks == 1 ? x : 1 + i * 3;
            path.addRect(tx + 1, 0, t, 2);
            path.addRect(tx, 2, t, 2);
        }
        break;
    }
    }
    paintLit(p, path, true);
}

// Letters keep a margin on both sides of their slice, so a word set between digits
// ("21 SAT 08") stands apart from them.
void paintLetters(QPainter &p, const QSizeF &cell, const QString &text, qreal margin)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    const qreal room = cell.width() - 1 - 2 * margin;
    // squeeze horizontally, then shrink, until the letters fit their slice
    for (int pixels = int(cell.height() - 1); pixels >= 8; --pixels) {
        font.setPixelSize(pixels);
        int stretch = 100;
        for (; stretch >= 60; stretch -= 5) {
            font.setStretch(stretch);
            if (QFontMetricsF(font).horizontalAdvance(text) <= room)
                break;
        }
        if (stretch >= 60)
            break;
    }
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(Palette::segment);
    p.drawText(QRectF(0, 0, cell.width(), cell.height() + 1), Qt::AlignCenter, text);
}

using GlyphPainter = std::function<void(QPainter &, const QSizeF &, int)>;

GlyphPainter painterFor(const QString &art)
{
    if (art == QLatin1String("digits") || art == QLatin1String("digits_dash"))
        return [](QPainter &p, const QSizeF &cell, int i) { paintDigit(p, cell, i < 10 ? DigitSegments[i] : G); };
    if (art == QLatin1String("time"))
        return [](QPainter &p, const QSizeF &cell, int i) {
            if (i < 10)
                paintDigit(p, cell, DigitSegments[i]);
            else
                paintColon(p, cell);  // 10 after the minutes, 11 after the hours
        };
    if (art == QLatin1String("date_dots"))
        return [](QPainter &p, const QSizeF &cell, int i) { paintMark(p, cell, i, false); };
    if (art == QLatin1String("gps_dots"))
        return [](QPainter &p, const QSizeF &cell, int i) { paintMark(p, cell, i, true); };
    if (art == QLatin1String("weekdays"))
        return [](QPainter &p, const QSizeF &cell, int i) {
            static const char *const days[] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
            paintLetters(p, cell, QString::fromLatin1(days[i % 7]), 3);
        };
    if (art == QLatin1String("compass"))
        return [](QPainter &p, const QSizeF &cell, int i) {
            static const char *const dirs[] = {"N", "S", "E", "W"};
            paintLetters(p, cell, QString::fromLatin1(dirs[i % 4]), 0);
        };
    return {};
}

} // namespace

QImage GlyphArt::strip(const StripSpec &entry)
{
    const GlyphPainter paint = painterFor(entry.art);
    if (!paint || entry.count < 1 || entry.width < 1 || entry.height < 1)
        return QImage();
    QImage image(entry.width * entry.count, entry.height, QImage::Format_RGB32);
    image.fill(Palette::lcd);
    const QSizeF cell(entry.width, entry.height);
    for (int i = 0; i < entry.count; ++i) {
        QPainter p(&image);
        p.setClipRect(QRect(i * entry.width, 0, entry.width, entry.height));
        p.translate(i * entry.width, 0);
        paint(p, cell, i);
    }
    return image;
}
