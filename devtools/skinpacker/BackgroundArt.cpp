#include "BackgroundArt.h"

#include "IconPainter.h"
#include "Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

namespace {

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QColor alpha(const QColor &c, int a)
{
    QColor out = c;
    out.setAlpha(a);
    return out;
}

void hairline(QPainter &p, qreal x0, qreal x1, qreal y, const QColor &c)
{
    p.setPen(QPen(c, 1));
    p.drawLine(QPointF(x0, y + 0.5), QPointF(x1, y + 0.5));
}

void titlebar(QPainter &p, const QRectF &r)
{
    p.fillRect(r, vertical(r, QColor(0x31, 0x36, 0x3e), QColor(0x21, 0x25, 0x2b)));
    hairline(p, r.left(), r.right(), r.top(), alpha(Qt::white, 30));
    hairline(p, r.left(), r.right(), r.bottom() - 1, Palette::edgeDark);
}

void toolbar(QPainter &p, const QRectF &r)
{
    p.fillRect(r, vertical(r, QColor(0x2a, 0x2f, 0x36), QColor(0x1d, 0x21, 0x26)));
    hairline(p, r.left(), r.right(), r.top(), alpha(Qt::white, 22));
    hairline(p, r.left(), r.right(), r.bottom() - 1, Palette::edgeDark);
}

void emblem(QPainter &p, const QRectF &r)
{
    const QPointF c = r.center();
    const qreal radius = qMin(r.width(), r.height()) / 2 - 1;
    p.setPen(QPen(QColor(0x5c, 0x64, 0x6e), 1.5));
    QRadialGradient lens(c - QPointF(radius * 0.3, radius * 0.3), radius * 1.2);
    lens.setColorAt(0, QColor(0x3a, 0x55, 0x74));
    lens.setColorAt(1, QColor(0x0b, 0x0e, 0x12));
    p.setBrush(lens);
    p.drawEllipse(c, radius, radius);
    p.setPen(QPen(Palette::accent, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, radius * 0.55, radius * 0.55);
    p.setPen(Qt::NoPen);
    p.setBrush(alpha(Qt::white, 160));
    p.drawEllipse(c - QPointF(radius * 0.28, radius * 0.28), radius * 0.16, radius * 0.16);
    p.setBrush(Palette::danger);
    p.drawEllipse(c + QPointF(radius * 0.62, -radius * 0.62), 2, 2);
}

void pod(QPainter &p, const QRectF &r)
{
    const QRectF box = r.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(alpha(Qt::white, 26), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.translated(0, 1), 7, 7);
    p.setPen(QPen(Palette::edgeDark, 1));
    p.setBrush(vertical(box, QColor(0x12, 0x14, 0x17), QColor(0x1b, 0x1e, 0x23)));
    p.drawRoundedRect(box, 7, 7);
}

void badge(QPainter &p, const QRectF &r)
{
    const QRectF box = r.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(0x3a, 0x40, 0x48), 1));
    p.setBrush(vertical(box, Palette::plateTop, Palette::plateBottom));
    p.drawRoundedRect(box, 4, 4);
}

void bezel(QPainter &p, const QRectF &r)
{
    const QRectF box = r.adjusted(0.5, 0.5, -0.5, -0.5);
    // recessed: dark above, a light lip below
    p.setPen(QPen(alpha(Qt::white, 30), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.translated(0, 1), 5, 5);
    p.setPen(QPen(Palette::edgeDark, 1));
    p.setBrush(QColor(0x06, 0x07, 0x08));
    p.drawRoundedRect(box, 5, 5);
}

void plate(QPainter &p, const QRectF &r)
{
    const QRectF box = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(box, 8, 8);
    p.fillPath(shape, vertical(box, Palette::plateTop, Palette::plateBottom));
    // brushed metal: faint horizontal streaks
    p.save();
    p.setClipPath(shape);
    QRandomGenerator rng(4711);
    for (int y = int(box.top()); y < int(box.bottom()); ++y) {
        const int a = rng.bounded(0, 14);
        const bool light = rng.bounded(2) == 0;
        p.setPen(QPen(light ? QColor(255, 255, 255, a) : QColor(0, 0, 0, a / 2), 1));
        const qreal x0 = box.left() + rng.bounded(0, int(box.width() / 3));
        const qreal x1 = box.right() - rng.bounded(0, int(box.width() / 3));
        p.drawLine(QPointF(x0, y + 0.5), QPointF(x1, y + 0.5));
    }
    p.restore();
    p.setPen(QPen(QColor(0x50, 0x58, 0x61), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.setPen(QPen(alpha(Qt::white, 170), 1));
    p.drawLine(QPointF(box.left() + 7, box.top() + 1.5), QPointF(box.right() - 7, box.top() + 1.5));
}

void lcd(QPainter &p, const QRectF &r)
{
    const QRectF box = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient edge(box.topLeft(), box.bottomLeft());
    edge.setColorAt(0, QColor(0x45, 0x4c, 0x55));
    edge.setColorAt(1, QColor(0xf4, 0xf6, 0xf8));
    p.setPen(QPen(QBrush(edge), 1.5));
    p.setBrush(Palette::lcd);
    p.drawRoundedRect(box, 4, 4);
}

void gaugeIcon(QPainter &p, const QRectF &r)
{
    const QPointF c(r.center().x(), r.bottom() - 6);
    const qreal radius = qMin(r.width() / 2, r.height() - 6) - 1;
    p.setPen(QPen(Palette::plateInk, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius), -10 * 16, 200 * 16);
    for (int i = 0; i <= 6; ++i) {
        const qreal a = qDegreesToRadians(190.0 - i * 200.0 / 6);
        const QPointF dir(qCos(a), -qSin(a));
        p.setPen(QPen(Palette::plateInk, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + dir * (radius - 5), c + dir * (radius - 2));
    }
    const qreal needle = qDegreesToRadians(48.0);
    p.setPen(QPen(Palette::danger, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(qCos(needle), -qSin(needle)) * (radius - 4));
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::plateInk);
    p.drawEllipse(c, 2.6, 2.6);
}

void arrow(QPainter &p, const QPointF &from, const QPointF &to, const QColor &c)
{
    p.setPen(QPen(c, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const qreal len = qSqrt(d.x() * d.x() + d.y() * d.y());
    const QPointF u = d / len, n(-u.y(), u.x());
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygonF({to + u * 3, to - u * 4 + n * 3.5, to - u * 4 - n * 3.5}));
}

// Three axes in the colours of the X, Y and Z labels beside them.
void axisIcon(QPainter &p, const QRectF &r)
{
    const QPointF o(r.left() + r.width() * 0.32, r.bottom() - r.height() * 0.30);
    arrow(p, o, o + QPointF(r.width() * 0.62, 0), QColor(0xc0, 0x1c, 0x1c));
    arrow(p, o, o + QPointF(r.width() * 0.42, -r.height() * 0.34), QColor(0x1a, 0x8a, 0x2a));
    arrow(p, o, o + QPointF(0, -r.height() * 0.62), QColor(0x1c, 0x3c, 0xc8));
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::plateInk);
    p.drawEllipse(o, 3, 3);
}

void groove(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(0x7d, 0x85, 0x8e), 1));
    p.drawLine(QPointF(r.left() + 0.5, r.top()), QPointF(r.left() + 0.5, r.bottom()));
    p.setPen(QPen(alpha(Qt::white, 190), 1));
    p.drawLine(QPointF(r.left() + 1.5, r.top()), QPointF(r.left() + 1.5, r.bottom()));
}

void paintDecor(QPainter &p, const DecorItem &d)
{
    const QRectF r(d.rect);
    const QString &a = d.art;
    if (a == QLatin1String("titlebar"))
        titlebar(p, r);
    else if (a == QLatin1String("toolbar"))
        toolbar(p, r);
    else if (a == QLatin1String("emblem"))
        emblem(p, r);
    else if (a == QLatin1String("pod"))
        pod(p, r);
    else if (a == QLatin1String("badge"))
        badge(p, r);
    else if (a == QLatin1String("bezel"))
        bezel(p, r);
    else if (a == QLatin1String("plate"))
        plate(p, r);
    else if (a == QLatin1String("lcd"))
        lcd(p, r);
    else if (a == QLatin1String("gauge_icon"))
        gaugeIcon(p, r);
    else if (a == QLatin1String("axis_icon"))
        axisIcon(p, r);
    else if (a == QLatin1String("groove"))
        groove(p, r);
}

} // namespace

QImage BackgroundArt::window(const SkinSource &source)
{
    const QSize size = source.spaceSize(QStringLiteral("window"));
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(image.rect(), vertical(QRectF(image.rect()), Palette::chromeTop, Palette::chromeBottom));
    p.setRenderHint(QPainter::Antialiasing);
    for (const DecorItem &d : source.decor)
        paintDecor(p, d);
    return image;
}

QImage BackgroundArt::noVideo(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(image.rect());
    QRadialGradient g(r.center(), qMax(r.width(), r.height()) * 0.65);
    g.setColorAt(0, QColor(0x1b, 0x1f, 0x24));
    g.setColorAt(1, QColor(0x05, 0x06, 0x07));
    p.fillRect(r, g);
    // a camera lens, quiet enough to sit behind captions
    const QPointF c = r.center();
    const qreal radius = qMin(r.width(), r.height()) * 0.14;
    p.setPen(QPen(QColor(0x2c, 0x32, 0x39), radius * 0.16));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, radius, radius);
    p.setPen(QPen(QColor(0x25, 0x2a, 0x30), radius * 0.10));
    p.drawEllipse(c, radius * 0.62, radius * 0.62);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2c, 0x32, 0x39));
    p.drawEllipse(c - QPointF(radius * 0.22, radius * 0.22), radius * 0.13, radius * 0.13);
    return image;
}

QImage BackgroundArt::listPage(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    const QRectF r(image.rect());
    p.fillRect(r, vertical(r, QColor(0x22, 0x26, 0x2c), QColor(0x18, 0x1b, 0x1f)));
    // the tables sit at (7, 42) from the bottom left, leaving 24 pixels for the tabs on top
    const QRectF tables(7, 24, size.width() - 14, size.height() - 66);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Palette::edgeDark, 1));
    p.setBrush(QColor(0x0e, 0x10, 0x12));
    p.drawRect(tables.adjusted(-1.5, -1.5, 1.5, 1.5));
    // the band under the tables that carries the buttons
    const QRectF band(0, tables.bottom() + 2, size.width(), size.height() - tables.bottom() - 2);
    p.fillRect(band, vertical(band, QColor(0x26, 0x2b, 0x31), QColor(0x1b, 0x1f, 0x24)));
    hairline(p, 0, size.width(), band.top(), alpha(Qt::white, 22));
    hairline(p, 0, size.width(), 0, alpha(Qt::white, 26));
    return image;
}

QImage BackgroundArt::logPage(const QSize &size)
{
    // what the log page paints under its search button: white, with the two dark panels
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const int h = size.height();
    p.fillRect(QRect(1, h - 145 - 170, 318, 170), QColor(60, 60, 60));
    p.fillRect(QRect(320, h - 145 - 143, 320, 143), QColor(60, 60, 60));
    return image;
}

QImage BackgroundArt::forItem(const SkinSource &source, const SkinItem &item)
{
    if (item.art == QLatin1String("window"))
        return window(source);
    if (item.art == QLatin1String("no_video"))
        return noVideo(item.rect.size());
    if (item.art == QLatin1String("list"))
        return listPage(item.rect.size());
    return QImage();
}
