#include "RoutePicture.h"

#include "FileLog.h"
#include "FileVideo.h"
#include "vexa_time.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace RoutePicture {

QImage draw(const QList<QPointF> &points, qsizetype current, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0xF2, 0xEF, 0xE9));
    if (points.isEmpty())
        return image;
    double west = points[0].x(), east = west, south = points[0].y(), north = south;
    for (const QPointF &p : points) {
        west = std::min(west, p.x()), east = std::max(east, p.x());
        south = std::min(south, p.y()), north = std::max(north, p.y());
    }
    // Equal scales on both axes, longitude shrunk by the latitude; a single point sits centred.
    const double shrink = std::cos(qDegreesToRadians((north + south) / 2));
    const double spanX = std::max((east - west) * shrink, 1e-6), spanY = std::max(north - south, 1e-6);
    const double margin = 20;
    const double scale = std::min((size.width() - 2 * margin) / spanX, (size.height() - 2 * margin) / spanY);
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    auto at = [&](const QPointF &p) {
        return QPointF(centre.x() + ((p.x() - (west + east) / 2) * shrink) * scale,
                       centre.y() - (p.y() - (north + south) / 2) * scale);
    };
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path(at(points[0]));
    for (const QPointF &p : points)
        path.lineTo(at(p));
    painter.setPen(QPen(QColor(0x1E, 0x6F, 0xD9), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    if (current >= 0 && current < points.size()) {
        painter.setPen(QPen(Qt::white, 2));
        painter.setBrush(QColor(0xD9, 0x30, 0x25));
        painter.drawEllipse(at(points[current]), 6, 6);
    }
    return image;
}

QImage ofVideo(const FileVideo &video, qint64 index, QSize size)
{
    QList<QPointF> points;
    qsizetype current = -1;
    for (qint64 i = 0; i < video.frameCount(); ++i) {
        const auto &h = video.headerAtIndex(i);
        if (!has_position_fix(h.gps_valid, h.latitude, h.longitude))
            continue;
        if (i <= index)
            current = points.size();
        points.append(QPointF(nmea_to_degrees(h.longitude), nmea_to_degrees(h.latitude)));
    }
    return draw(points, current, size);
}

QImage ofLogs(const QList<FileLog *> &logs, const FileLog *log, qint64 record, QSize size)
{
    QList<QPointF> points;
    qsizetype current = -1;
    for (const FileLog *l : logs) {
        for (qint64 i = 0; i < l->count(); ++i) {
            const auto &r = l->logAtIndex(i);
            if (!has_position_fix(r.gps_valid, r.latitude, r.longitude))
                continue;
            if (l == log && i <= record)
                current = points.size();
            points.append(QPointF(nmea_to_degrees(r.longitude), nmea_to_degrees(r.latitude)));
        }
    }
    return draw(points, current, size);
}

} // namespace RoutePicture
