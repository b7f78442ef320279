#include "RoadScene.h"

#include "SegmentText.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

// World: the camera sits 1.3 m above the centre of the right lane of a two-lane road.
constexpr double kCameraHeight = 1.3;
constexpr double kNearDepth = 4.0;
constexpr double kLeftEdge = -5.25;
constexpr double kCentreLine = -1.75;
constexpr double kRightEdge = 1.75;
constexpr int kCacheLimit = 256;

struct Projection {
    double width, horizon, groundScale, lateralScale;

    double y(double z, double height = 0) const { return horizon + (kCameraHeight - height) * groundScale / z; }
    double x(double z, double across) const { return width / 2 + across * lateralScale / z; }
};

QPolygonF stripe(const Projection &p, double left, double right, double z1, double z2)
{
    return QPolygonF({QPointF(p.x(z1, left), p.y(z1)), QPointF(p.x(z1, right), p.y(z1)),
                      QPointF(p.x(z2, right), p.y(z2)), QPointF(p.x(z2, left), p.y(z2))});
}

} // namespace

RoadScene::RoadScene(QSize size, int quality) : size_(size), quality_(quality)
{
    for (int phase = 0; phase < phaseCount; ++phase)
        roads_.push_back(drawRoad(phase));
    buffer_.open(QIODevice::WriteOnly);
    writer_.setFormat("jpeg");
    writer_.setQuality(quality_);
}

int RoadScene::phaseOf(double distanceM)
{
    double d = std::fmod(distanceM, dashPeriodM);
    if (d < 0)
        d += dashPeriodM;
    return std::clamp(int(d / dashPeriodM * phaseCount), 0, phaseCount - 1);
}

QImage RoadScene::drawRoad(int phase) const
{
    const double w = size_.width();
    const double h = size_.height();
    QImage image(size_, QImage::Format_RGB32);
    image.fill(QColor(0x4f, 0x7d, 0x3c));  // antialiased edges blend with what is below them
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    const double horizon = h * 0.42;
    const double roadBottom = h * 0.9;  // where the bonnet begins
    const Projection p{w, horizon, (roadBottom - horizon) * kNearDepth / kCameraHeight, w * 0.2 * kNearDepth};

    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(0x3f, 0x6f, 0xb0));
    sky.setColorAt(1, QColor(0xc4, 0xd8, 0xec));
    painter.fillRect(QRectF(0, 0, w, horizon), sky);

    QPolygonF hills;
    hills << QPointF(0, horizon);
    for (int i = 0; i <= 32; ++i) {
        const double x = w * i / 32.0;
        const double rise = h * (0.035 + 0.025 * std::sin(i * 0.7) + 0.015 * std::sin(i * 1.9 + 1.0));
        hills << QPointF(x, horizon - rise);
    }
    hills << QPointF(w, horizon);
    painter.setBrush(QColor(0x5b, 0x74, 0x62));
    painter.drawPolygon(hills);

    painter.fillRect(QRectF(0, horizon, w, h - horizon), QColor(0x4f, 0x7d, 0x3c));

    const double far = 3000.0;
    painter.setBrush(QColor(0x55, 0x58, 0x5c));
    painter.drawPolygon(stripe(p, kLeftEdge, kRightEdge, kNearDepth * 0.5, far));

    painter.setBrush(QColor(0xee, 0xee, 0xe8));
    painter.drawPolygon(stripe(p, kLeftEdge + 0.1, kLeftEdge + 0.25, kNearDepth * 0.5, far));
    painter.drawPolygon(stripe(p, kRightEdge - 0.25, kRightEdge - 0.1, kNearDepth * 0.5, far));

    // Dashes of 4 m every 12 m and a post at the roadside every 12 m; the phase moves them nearer.
    const double shift = dashPeriodM * phase / phaseCount;
    for (int n = 0; n < 30; ++n) {
        const double z1 = n * dashPeriodM - shift + 2.0;
        const double z2 = z1 + 4.0;
        if (z2 <= kNearDepth * 0.5)
            continue;
        painter.setBrush(QColor(0xf2, 0xf2, 0xea));
        painter.drawPolygon(stripe(p, kCentreLine - 0.1, kCentreLine + 0.1, std::max(z1, kNearDepth * 0.5), z2));
        const double zp = z1 + 6.0;
        const double top = p.y(zp, 1.0);
        const double half = std::max(0.6, 0.06 * p.lateralScale / zp);
        painter.setBrush(QColor(0xf5, 0xf5, 0xf5));
        painter.drawRect(QRectF(p.x(zp, kRightEdge + 1.2) - half, top, 2 * half, p.y(zp) - top));
        painter.setBrush(QColor(0x20, 0x20, 0x20));
        painter.drawRect(QRectF(p.x(zp, kRightEdge + 1.2) - half, top, 2 * half, (p.y(zp) - top) * 0.15));
    }

    painter.setBrush(QColor(0x1c, 0x1e, 0x22));
    QPolygonF bonnet({QPointF(0, h), QPointF(0, roadBottom + h * 0.03), QPointF(w * 0.2, roadBottom),
                      QPointF(w * 0.8, roadBottom), QPointF(w, roadBottom + h * 0.03), QPointF(w, h)});
    painter.drawPolygon(bonnet);
    return image;
}

void RoadScene::drawText(QImage &image, const QString &text) const
{
    if (text.isEmpty())
        return;
    QPainter painter(&image);
    const double height = std::max(7.0, std::round(size_.height() / 20.0));
    const double margin = std::max(2.0, height * 0.3);
    const double width = SegmentText::width(text, height);
    const QRectF box(margin, size_.height() - height - 3 * margin, width + 2 * margin, height + 2 * margin);
    painter.fillRect(box, QColor(0, 0, 0, 160));
    painter.setBrush(QColor(0xff, 0xe0, 0x40));
    SegmentText::draw(painter, box.topLeft() + QPointF(margin, margin), height, text);
}

QByteArray RoadScene::encode(const QImage &image)
{
    buffer_.buffer().clear();
    buffer_.seek(0);
    writer_.setDevice(&buffer_);
    if (!writer_.write(image))
        return {};
    return buffer_.buffer();
}

QByteArray RoadScene::picture(int phase, const QString &text)
{
    phase = std::clamp(phase, 0, phaseCount - 1);
    const QString key = QString::number(phase) + u'|' + text;
    const auto cached = cache_.constFind(key);
    if (cached != cache_.constEnd())
        return *cached;
    QImage image = roads_[size_t(phase)];
    drawText(image, text);
    const QByteArray bytes = encode(image);
    if (cache_.size() >= kCacheLimit)
        cache_.clear();
    cache_.insert(key, bytes);
    return bytes;
}
