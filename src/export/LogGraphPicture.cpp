#include "LogGraphPicture.h"

#include "FileManager.h"
#include "FileVideo.h"
#include "Geometry.h"
#include "GraphPainter.h"
#include "Texts.h"
#include "vexa_time.h"
#include "vexa_telemetry.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <climits>
#include <cmath>
#include <unordered_set>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);

struct Pixel {
    int x;
    int y;
};

// The points of one curve in order, each pixel once: a pixel met again (many records share a
// column) is left out. A bitmap over the points' extent answers "met before" in constant
// time; a crafted log with a huge extent falls back to a hash set.
QPolygonF distinctPixels(const std::vector<Pixel> &pixels)
{
    QPolygonF line;
    if (pixels.empty())
        return line;
    int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
    for (const Pixel &p : pixels) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const quint64 width = quint64(qint64(maxX) - minX + 1);
    const quint64 area = width * quint64(qint64(maxY) - minY + 1);
    std::vector<bool> seen;
    std::unordered_set<quint64> seenSet;
    const bool dense = area <= (quint64(1) << 24);
    if (dense)
        seen.assign(size_t(area), false);
    for (const Pixel &p : pixels) {
        const quint64 key = quint64(qint64(p.y) - minY) * width + quint64(qint64(p.x) - minX);
        if (dense) {
            if (seen[size_t(key)])
                continue;
            seen[size_t(key)] = true;
        } else if (!seenSet.insert(key).second) {
            continue;
        }
        line.append(QPointF(p.x, p.y));
    }
    return line;
}

int truncated(double v)
{
    if (!std::isfinite(v))
        return 0;
    return int(std::clamp(std::trunc(v), double(INT_MIN / 2), double(INT_MAX / 2)));
}

} // namespace

void LogGraphPicture::setSize(const QSizeF &size)
{
    _size = size;
    _rect = QRectF(30, 20, size.width() - 40, size.height() - 24);
    calcDrawWithFileLogs(_rect);
    for (LogGuide &g : _logGuides)
        g.x = xOfMsec(g.msec);
}

// ---- Scales ----

// A span under one second has no horizontal scale: everything stands at the left edge.
double LogGraphPicture::pixelsPerSecond(const QRectF &plot) const
{
    const qint64 seconds = _msec / 1000;
    return seconds > 0 ? plot.width() / double(seconds) : 0.0;
}

double LogGraphPicture::xOfMsec(qint64 msec) const
{
    return _rect.x() + double((msec - _left) / 1000) * pixelsPerSecond(_rect);
}

// ---- Loading ----

void LogGraphPicture::loadWithFileLogs(const QList<FileLog *> &logs)
{
    _fileLogs.clear();
    double total = 0;
    for (FileLog *log : logs) {
        if (!log || log->count() == 0)
            continue;
        Entry entry{log, {}, {}};
        entry.msecs.reserve(size_t(log->count()));
        for (const _vexa_log_info_t &record : log->file().records())
            entry.msecs.push_back(time_to_msec(record.time));
        entry.marks.setEvents(DrivingEvents::ofLog(log->file().records(), DrivingEvents::storedThresholds(_format)));
        total += log->distance();
        _fileLogs.append(std::move(entry));
    }
    _totalDistance = Texts::text("gui_total_distance").arg(_format.distanceValue(total));
    // Logs are never empty; a span of 0 ms leaves every point at the left edge.
    _left = _fileLogs.isEmpty() ? 0 : _fileLogs.first().msecs.front();
    _msec = _fileLogs.isEmpty() ? 0 : _fileLogs.last().msecs.back() - _left;
    calcDrawWithFileLogs(_rect);
    loadGuideWithFileLogs(logs, _rect);
    _fileLog = _fileLogs.isEmpty() ? nullptr : _fileLogs.first().log.data();
    _logIndex = _fileLog && _fileLog->count() > 0 ? 0 : -1;
}

void LogGraphPicture::calcDrawWithFileLogs(const QRectF &r)
{
    for (QList<QPolygonF> &axis : _arrSensor)
        axis.clear();
    const double perG = GraphPainter::pointsPerG(r, _zoom);
    if (perG == 0)
        return;
    const double mid = GraphPainter::zeroLine(r);
    const double k = pixelsPerSecond(r);
    std::vector<Pixel> pixels[3];
    for (const Entry &e : std::as_const(_fileLogs)) {
        // A log that went away with its card keeps an empty curve until the page is cleared.
        static const std::vector<_vexa_log_info_t> none;
        const std::vector<_vexa_log_info_t> &records = e.log ? e.log->file().records() : none;
        for (std::vector<Pixel> &axis : pixels) {
            axis.clear();
            axis.reserve(records.size());
        }
        for (size_t j = 0; j < records.size() && j < e.msecs.size(); ++j) {
            const _vexa_log_info_t &rec = records[j];
            const int px = truncated(double((e.msecs[j] - _left) / 1000) * k + r.x());
            pixels[0].push_back({px, truncated(gsensor_value(rec.gsensor_x) * perG + mid)});
            pixels[1].push_back({px, truncated(gsensor_value(rec.gsensor_y) * perG + mid)});
            pixels[2].push_back({px, truncated(gsensor_z_value(rec.gsensor_z) * perG + mid)});
        }
        for (int axis = 0; axis < 3; ++axis)
            _arrSensor[axis].append(distinctPixels(pixels[axis]));
    }
}

// Event recordings: the first post-event frame; normal recordings: each trigger run that
// does not start at frame 0.
void LogGraphPicture::loadGuideWithFileLogs(const QList<FileLog *> &logs, const QRectF &r)
{
    QList<FileVideo *> videos;
    if (_fileManager) {
        for (FileLog *log : logs) {
            if (!log || log->count() == 0)
                continue;
            for (FileVideo *v : _fileManager->videoWithFromDate(log->logAtIndex(0).time,
                                                                log->lastLog().time))
                if (!videos.contains(v))
                    videos.append(v);
        }
    }
    _logGuides.clear();
    const double k = pixelsPerSecond(r);
    auto addGuide = [&](FileVideo *v, qint64 frame) {
        const qint64 msec = time_to_msec(v->headerAtIndex(frame).time);
        _logGuides.append({r.x() + double((msec - _left) / 1000) * k, v, frame, msec});
    };
    for (FileVideo *v : std::as_const(videos)) {
        if (v->type() == FileVideo::Event) {
            for (qint64 f = 0; f < v->frameCount(); ++f) {
                if (v->headerAtIndex(f).record_phase == 3) {
                    addGuide(v, f);
                    break;
                }
            }
        } else if (v->type() == FileVideo::Normal) {
            for (qint64 f : v->triggerList())
                addGuide(v, f);
        }
    }
}

void LogGraphPicture::clear()
{
    _fileLogs.clear();
    _fileLog = nullptr;
    _logIndex = 0;
    _logGuides.clear();
    for (QList<QPolygonF> &axis : _arrSensor)
        axis.clear();
    _left = 0;
    _msec = 0;
}

bool LogGraphPicture::setZoom(double zoom)
{
    if (std::isnan(zoom))
        return false;
    _zoom = std::clamp(zoom, 1.0, 4.0);
    calcDrawWithFileLogs(_rect);
    return true;
}

bool LogGraphPicture::setFileLog(FileLog *fileLog, qint64 logIndex)
{
    const bool otherLog = fileLog != _fileLog;
    _fileLog = fileLog;
    const qint64 n = fileLog ? fileLog->count() : 0;
    _logIndex = logIndex < 0 || logIndex >= n ? n - 1 : logIndex;
    return otherLog;
}

// ---- Drawing ----

void LogGraphPicture::drawTimeline(GraphPainter &painter) const
{
    const QRectF box(10, 0, _size.width() - 20, 15);
    const Entry &first = _fileLogs.first();
    const Entry &last = _fileLogs.last();
    painter.drawText(_format.dateString(msec_to_time(first.msecs.front())), box,
                     Qt::AlignLeft, kRed);
    painter.drawText(_format.dateString(msec_to_time(_left + _msec / 2)), box,
                     Qt::AlignHCenter, kRed);
    painter.drawText(_format.dateString(msec_to_time(last.msecs.back())), box,
                     Qt::AlignRight, kRed);
}

// Z under Y under X; each log its own polyline, so no line joins two logs.
void LogGraphPicture::drawCurves(GraphPainter &painter, QPainter &p) const
{
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
    p.save();
    p.setClipRect(Geometry::toQt(_rect, _size.height()));
    for (int axis = 2; axis >= 0; --axis) {
        QPainterPath path;
        for (const QPolygonF &line : _arrSensor[axis]) {
            if (line.isEmpty())
                continue;
            path.moveTo(painter.point(line.first().x(), line.first().y()));
            for (qsizetype i = 1; i < line.size(); ++i)
                path.lineTo(painter.point(line[i].x(), line[i].y()));
            // A lone point shows as a one-point tick.
            if (line.size() == 1)
                path.lineTo(painter.point(line.first().x() + 1, line.first().y()));
        }
        const qreal ratio = p.device() ? p.device()->devicePixelRatioF() : 1.0;
        p.strokePath(path, QPen(colours[axis], std::max(0.7, 1.0 / ratio)));
    }
    p.restore();
}

void LogGraphPicture::drawGuides(GraphPainter &painter) const
{
    QPainterPath path;
    for (const LogGuide &g : _logGuides)
        painter.addVerticalLine(path, g.x, _rect);
    painter.strokeDashed(path, 0.7, Qt::black);
}

void LogGraphPicture::drawDistances(GraphPainter &painter) const
{
    const QRectF box(_rect.x() + 5, 110, _rect.width() - 10, 20);
    painter.drawText(_totalDistance, box, Qt::AlignLeft, kWhite);
    if (_fileLog)
        painter.drawText(_format.distanceValue(_fileLog->distance()), box, Qt::AlignRight,
                         kWhite);
}

void LogGraphPicture::drawEventMarks(QPainter &p) const
{
    for (const Entry &entry : _fileLogs)
        entry.marks.draw(p, _size.height(), markTipY(),
                         [this, &entry](qint64 k) { return xOfMsec(entry.msecs[size_t(k)]); });
}

LogGraphPicture::Mark LogGraphPicture::markAt(const QPointF &p) const
{
    for (const Entry &entry : _fileLogs) {
        const qint64 k = entry.marks.indexAt(
            p, markTipY(), [this, &entry](qint64 i) { return xOfMsec(entry.msecs[size_t(i)]); });
        if (k >= 0 && entry.log)
            return {entry.log, k};
    }
    return {};
}

void LogGraphPicture::paint(QPainter &p) const
{
    GraphPainter painter(p, _size.height(), _font);
    painter.drawBackground(_rect, _zoom);
    if (_fileLogs.isEmpty())
        return;
    drawTimeline(painter);
    drawCurves(painter, p);
    p.save();
    p.setClipRect(Geometry::toQt(_rect, _size.height()));
    drawGuides(painter);
    drawEventMarks(p);
    p.restore();
    drawDistances(painter);
}
