#include "PictureArt.h"

#include "IconPainter.h"
#include "Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace {

QImage sliderBack(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0x1a, 0x1d, 0x21));
    g.setColorAt(1, QColor(0x55, 0x5d, 0x66));
    p.setPen(QPen(QColor(0x0a, 0x0b, 0x0d), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 7, 7);
    return image;
}

QImage sliderThumb(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    const QRectF r(image.rect());
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, Palette::silverTop);
    g.setColorAt(1, Palette::silverBottom.darker(110));
    p.fillRect(r, g);
    p.setPen(QPen(QColor(0x22, 0x26, 0x2b), 1));
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(QColor(255, 255, 255, 220), 1));
    p.drawLine(QPointF(1.5, 1.5), QPointF(r.width() - 2, 1.5));
    // grip lines
    for (int i = -1; i <= 1; ++i) {
        const qreal x = r.center().x() + i * 3.5;
        p.setPen(QPen(QColor(0x4a, 0x52, 0x5b), 1));
        p.drawLine(QPointF(x - 0.5, 5), QPointF(x - 0.5, r.height() - 5));
        p.setPen(QPen(QColor(255, 255, 255, 170), 1));
        p.drawLine(QPointF(x + 0.5, 5), QPointF(x + 0.5, r.height() - 5));
    }
    return image;
}

// A calm, dark street map: blocks, a park, a river, streets and one highlighted route.
void paintMap(QPainter &p, const QSize &size)
{
    const QRectF r(QPointF(0, 0), size);
    p.fillRect(r, QColor(0x1b, 0x20, 0x26));
    QRandomGenerator rng(20260101);
    p.setRenderHint(QPainter::Antialiasing);
    p.save();
    p.translate(r.center());
    p.rotate(-14);
    p.translate(-r.center());
    const int pitch = 30;
    const int cols = size.width() / pitch + 8, rows = size.height() / pitch + 8;
    for (int gx = -4; gx < cols; ++gx) {
        for (int gy = -4; gy < rows; ++gy) {
            const int kind = rng.bounded(12);
            const QRectF block(gx * pitch + 3, gy * pitch + 3, pitch - 6, pitch - 6);
            p.setPen(Qt::NoPen);
            p.setBrush(kind == 0 ? QColor(0x1e, 0x35, 0x28) : QColor(0x25, 0x2b, 0x33));
            p.drawRoundedRect(block, 2, 2);
            if (kind > 6) {
                // buildings inside the block
                p.setBrush(QColor(0x2b, 0x32, 0x3b));
                p.drawRect(block.adjusted(3, 3, -block.width() / 2, -block.height() / 2));
                p.drawRect(block.adjusted(block.width() / 2 + 1, block.height() / 3, -3, -3));
            }
        }
    }
    for (int gx = -4; gx < cols; ++gx) {
        p.setPen(QPen(QColor(0x39, 0x42, 0x4d), gx % 4 == 0 ? 5 : 2.5));
        p.drawLine(QPointF(gx * pitch, -4 * pitch), QPointF(gx * pitch, rows * pitch));
    }
    for (int gy = -4; gy < rows; ++gy) {
        p.setPen(QPen(QColor(0x39, 0x42, 0x4d), gy % 4 == 0 ? 5 : 2.5));
        p.drawLine(QPointF(-4 * pitch, gy * pitch), QPointF(cols * pitch, gy * pitch));
    }
    p.restore();

    QPainterPath river;
    river.moveTo(-10, size.height() * 0.78);
    river.cubicTo(size.width() * 0.3, size.height() * 0.62, size.width() * 0.55, size.height() * 0.95,
                  size.width() + 10, size.height() * 0.70);
    p.strokePath(river, QPen(QColor(0x17, 0x33, 0x4d), 16, Qt::SolidLine, Qt::RoundCap));

    QPainterPath highway;
    highway.moveTo(-10, size.height() * 0.18);
    highway.cubicTo(size.width() * 0.35, size.height() * 0.30, size.width() * 0.6, size.height() * 0.05,
                    size.width() + 10, size.height() * 0.22);
    p.strokePath(highway, QPen(QColor(0x5b, 0x66, 0x73), 7, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(highway, QPen(QColor(0x7a, 0x86, 0x94), 3, Qt::SolidLine, Qt::RoundCap));

    QPainterPath route;
    route.moveTo(size.width() * 0.14, size.height() * 0.86);
    route.cubicTo(size.width() * 0.30, size.height() * 0.55, size.width() * 0.42, size.height() * 0.62,
                  size.width() * 0.52, size.height() * 0.42);
    route.cubicTo(size.width() * 0.60, size.height() * 0.28, size.width() * 0.74, size.height() * 0.30,
                  size.width() * 0.82, size.height() * 0.20);
    p.strokePath(route, QPen(QColor(0x0b, 0x2a, 0x4a), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(route, QPen(Palette::accent, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Palette::led);
    p.drawEllipse(QPointF(size.width() * 0.14, size.height() * 0.86), 5, 5);

    // the camera position: a pin at the end of the route
    const QPointF tip(size.width() * 0.82, size.height() * 0.20 + 2);
    QPainterPath pin;
    pin.moveTo(tip);
    pin.cubicTo(tip + QPointF(-10, -12), tip + QPointF(-10, -26), tip + QPointF(0, -26));
    pin.cubicTo(tip + QPointF(10, -26), tip + QPointF(10, -12), tip);
    p.setPen(QPen(QColor(0x5a, 0x12, 0x16), 1.5));
    p.setBrush(Palette::danger);
    p.drawPath(pin);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(tip + QPointF(0, -17), 3.2, 3.2);
}

QImage mapOnline(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    paintMap(p, size);
    return image;
}

// The same map, faded, under a crossed-out globe: no connection.
QImage mapOffline(const QSize &size)
{
    QImage image = mapOnline(size).convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(image.rect(), QColor(0x10, 0x12, 0x15, 170));
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    QRadialGradient g(c, 58);
    g.setColorAt(0, QColor(0x2c, 0x31, 0x38));
    g.setColorAt(1, QColor(0x1c, 0x20, 0x25));
    p.setPen(QPen(QColor(0x4a, 0x51, 0x5a), 1.5));
    p.setBrush(g);
    p.drawEllipse(c, 52, 52);
    const QColor ink(0x9a, 0xa3, 0xad);
    IconPainter::paint(p, QStringLiteral("globe"), QRectF(c.x() - 34, c.y() - 34, 68, 68), ink);
    p.setPen(QPen(QColor(0x1c, 0x20, 0x25), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-30, -30), c + QPointF(30, 30));
    p.setPen(QPen(Palette::danger, 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-30, -30), c + QPointF(30, 30));
    return image;
}

} // namespace

QImage PictureArt::picture(const PictureSpec &entry)
{
    const QSize size(entry.width, entry.height);
    if (size.isEmpty())
        return QImage();
    if (entry.art == QLatin1String("slider_back"))
        return sliderBack(size);
    if (entry.art == QLatin1String("slider_thumb"))
        return sliderThumb(size);
    if (entry.art == QLatin1String("map_online"))
        return mapOnline(size);
    if (entry.art == QLatin1String("map_offline"))
        return mapOffline(size);
    return QImage();
}
