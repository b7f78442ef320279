#include "MovieOverlay.h"

#include "RoutePicture.h"
#include "vexa_telemetry.h"
#include "vexa_time.h"
#include "vexa_vdd_file.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kGap = 4;
// The gauge's full scale in km/h; the dial sweeps 240 degrees from its lower left.
constexpr double kTopSpeed = 200;
constexpr double kSweep = 240;
const QColor kPanel(0, 0, 0, 150);

QPointF onDial(const QPointF &centre, double radius, double fraction)
{
    const double angle = qDegreesToRadians(210 - kSweep * std::clamp(fraction, 0.0, 1.0));
    return centre + QPointF(std::cos(angle) * radius, -std::sin(angle) * radius);
}

} // namespace

MovieOverlay::MovieOverlay(const vexa_vdd_file &reader, QSize picture, const DisplayFormat &format,
                           const PrivacyZones &zones)
    : _format(format), _side(side(picture))
{
    bool broken = false;
    for (quint64 i = 0; i < reader.frame_count(); ++i) {
        const _vexa_video_frame_header_t &h = reader.header_at(i);
        if (!has_position_fix(h.gps_valid, h.latitude, h.longitude))
            continue;
        _fixFrames.append(qint64(i));
        if (zones.hides(h)) {
            broken = broken || !_route.isEmpty();
            _fixPoints.append(-1);
            continue;
        }
        if (broken)
            _breaks.append(_route.size());
        broken = false;
        _fixPoints.append(_route.size());
        _route.append(QPointF(nmea_to_degrees(h.longitude), nmea_to_degrees(h.latitude)));
    }
    _origin = QPoint(picture.width() - 3 * _side - 2 * kGap - kGap, kGap);
}

int MovieOverlay::side(QSize picture)
{
    // A fifth of the height, at most a quarter of the width for the three squares to fit.
    return std::clamp(std::min(picture.height() / 5, picture.width() / 4), 48, 160);
}

QImage MovieOverlay::draw(const _vexa_video_frame_header_t &header, qint64 index) const
{
    QImage panel(3 * _side + 2 * kGap, _side, QImage::Format_ARGB32_Premultiplied);
    panel.fill(Qt::transparent);
    QPainter painter(&panel);
    painter.setRenderHint(QPainter::Antialiasing);
    drawGauge(painter, QRectF(0, 0, _side, _side), header);
    drawBall(painter, QRectF(_side + kGap, 0, _side, _side), header);
    drawMap(painter, QRectF(2 * (_side + kGap), 0, _side, _side), index);
    return panel;
}

void MovieOverlay::drawGauge(QPainter &painter, const QRectF &box, const _vexa_video_frame_header_t &h) const
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPanel);
    painter.drawEllipse(box);
    const QPointF centre = box.center();
    const double radius = box.width() / 2 - 3;
    painter.setPen(QPen(Qt::white, std::max(1.0, radius / 20)));
    for (int tick = 0; tick <= 10; ++tick)
        painter.drawLine(onDial(centre, radius, tick / 10.0), onDial(centre, radius * 0.85, tick / 10.0));
    const double kmh = h.gps_valid ? h.speed : 0;
    painter.setPen(QPen(QColor(0xFF, 0x50, 0x30), std::max(2.0, radius / 12), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, onDial(centre, radius * 0.8, kmh / kTopSpeed));
    QFont font;
    font.setPixelSize(std::max(8, int(radius / 3)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QRectF lower(box.left(), centre.y() + radius * 0.2, box.width(), radius * 0.8);
    const QString value = h.gps_valid ? QString::number(qRound(_format.speedValue(h.speed))) : QStringLiteral("--");
    painter.drawText(lower, Qt::AlignHCenter | Qt::AlignTop, value + u'\n' + _format.speedFormat());
}

void MovieOverlay::drawBall(QPainter &painter, const QRectF &box, const _vexa_video_frame_header_t &h)
{
    // The ball's disc spans +-1 g; the Z bar at its right +-1 g around gravity.
    const QRectF disc(box.left(), box.top(), box.width() * 0.8, box.width() * 0.8);
    const QRectF bar(box.left() + box.width() * 0.86, box.top(), box.width() * 0.12, box.height());
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(kPanel);
    painter.drawEllipse(disc.translated(0, (box.height() - disc.height()) / 2));
    painter.drawRect(bar);
    const QPointF centre = disc.translated(0, (box.height() - disc.height()) / 2).center();
    const double radius = disc.width() / 2;
    painter.drawLine(centre - QPointF(radius, 0), centre + QPointF(radius, 0));
    painter.drawLine(centre - QPointF(0, radius), centre + QPointF(0, radius));
    const double x = std::clamp(gsensor_value(h.gsensor_x), -1.0, 1.0);
    const double y = std::clamp(gsensor_value(h.gsensor_y), -1.0, 1.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xD0, 0x20));
    painter.drawEllipse(centre + QPointF(x * radius, -y * radius), radius / 6, radius / 6);
    const double z = std::clamp(gsensor_z_value(h.gsensor_z), -1.0, 1.0);
    const double middle = bar.center().y();
    painter.setBrush(QColor(0x40, 0x90, 0xFF));
    painter.drawRect(QRectF(QPointF(bar.left(), middle), QPointF(bar.right(), middle - z * bar.height() / 2)).normalized());
}

void MovieOverlay::drawMap(QPainter &painter, const QRectF &box, qint64 index) const
{
    // The position is the last fix at or before the frame; none while that fix is in a zone.
    const auto after = std::upper_bound(_fixFrames.cbegin(), _fixFrames.cend(), index);
    const qsizetype fix = qsizetype(after - _fixFrames.cbegin()) - 1;
    const qsizetype current = fix >= 0 ? _fixPoints[fix] : -1;
    painter.drawImage(box.topLeft(), RoutePicture::draw(_route, current, box.size().toSize(), _breaks));
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
}
