#include "RoutePicture.h"

#include "FileLog.h"
#include "FileVideo.h"
#include "vexa_time.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace RoutePicture {

namespace {

// The fixes left once the zones took theirs, with where the line breaks and the marked point.
struct Route {
    QList<QPointF> points;
    QList<qsizetype> breaks;
    qsizetype current = -1;
    bool broken = false;

    // Records one position; at is true for the position to mark.
    template <typename Fix>
    void add(const Fix &f, bool at, const PrivacyZones &zones)
    {
        if (!has_position_fix(f.gps_valid, f.latitude, f.longitude))
            return;
        const QPointF p(nmea_to_degrees(f.longitude), nmea_to_degrees(f.latitude));
        if (zones.contains(p.y(), p.x())) {
            broken = !points.isEmpty();
            if (at)
                current = -2;  // hidden: no point stands for it
            return;
        }
        if (broken)
            breaks.append(points.size());
        broken = false;
        if (at)
            current = points.size();
        points.append(p);
    }
    qsizetype marked() const { return current < 0 ? -1 : current; }
};

} // namespace

QImage draw(const QList<QPointF> &points, qsizetype current, QSize size, const QList<qsizetype> &breaks)
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
    // breaks is ascending: walk it alongside the points.
    auto nextBreak = breaks.cbegin();
    for (qsizetype i = 0; i < points.size(); ++i) {
        if (nextBreak != breaks.cend() && *nextBreak == i) {
            path.moveTo(at(points[i]));
            ++nextBreak;
        } else {
            path.lineTo(at(points[i]));
        }
    }
    painter.setPen(QPen(QColor(0x1E, 0x6F, 0xD9), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    if (current >= 0 && current < points.size()) {
        painter.setPen(QPen(Qt::white, 2));
        painter.setBrush(QColor(0xD9, 0x30, 0x25));
        painter.drawEllipse(at(points[current]), 6, 6);
    }
    return image;
}

QImage ofVideo(const FileVideo &video, qint64 index, QSize size, const PrivacyZones &zones)
{
    Route route;
    for (qint64 i = 0; i < video.frameCount(); ++i)
        route.add(video.headerAtIndex(i), i <= index, zones);
    return draw(route.points, route.marked(), size, route.breaks);
}

QImage ofLogs(const QList<FileLog *> &logs, const FileLog *log, qint64 record, QSize size, const PrivacyZones &zones)
{
    Route route;
    for (const FileLog *l : logs)
        for (qint64 i = 0; i < l->count(); ++i)
            route.add(l->logAtIndex(i), l == log && i <= record, zones);
    return draw(route.points, route.marked(), size, route.breaks);
}

} // namespace RoutePicture
