#include "GraphPicture.h"

#include "FileManager.h"
#include "Geometry.h"
#include "vexa_time.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The window of span milliseconds, counted from the first of n items, that holds item i;
// timeAt(k) gives item k's time.
template <typename TimeAt>
GraphPicture::Range windowAround(qint64 i, qint64 n, qint64 span, TimeAt timeAt)
{
    if (n <= 0)
        return {};
    i = std::clamp<qint64>(i, 0, n - 1);
    const _vexa_time_t first = timeAt(0);
    auto t = [&](qint64 k) { return time_diff_msec(first, timeAt(k)); };
    const qint64 start = t(i) / span * span;
    qint64 location = 0;
    for (qint64 k = i; k >= 0; --k) {
        if (t(k) <= start) {
            location = k;
            break;
        }
    }
    // Items sharing the time of the window's first one belong to the window too, so a
    // clock that stood still never starts a window in the middle of its second.
    const qint64 firstTime = t(location);
    while (location > 0 && t(location - 1) == firstTime)
        --location;
    for (qint64 k = i; k < n; ++k)
        if (t(k) >= start + span)
            return {location, k - location};
    return {location, n - location};
}

qint64 wholeSeconds(const _vexa_time_t &time)
{
    return time_to_msec(time) / 1000;
}

const QColor kGuideBlack(0, 0, 0);

} // namespace

GraphPicture::GraphPicture(FileManager *fileManager) : _fileManager(fileManager)
{
    _font.setPixelSize(11);
}

void GraphPicture::setSize(const QSizeF &size)
{
    _size = size;
    _rect = QRectF(30, 20, size.width() - 40, size.height() - 24);
    if (_fileLog)
        calcLogGuideWithRange(_range, _rect);
}

qint64 GraphPicture::count() const
{
    if (_fileVideo)
        return _fileVideo->frameCount();
    if (_fileLog)
        return _fileLog->count();
    return 0;
}

// ---- Loading and windows ----

void GraphPicture::loadWithFileVideo(FileVideo *fileVideo, qint64 frameIndex)
{
    _fileLog = nullptr;
    _logVideos.clear();
    _logGuides.clear();
    _fileVideo = fileVideo;
    const qint64 n = count();
    _frameIndex = frameIndex == -1 && n > 0 ? n - 1 : frameIndex;
    _eventFrame = -1;
    if (fileVideo && fileVideo->type() == FileVideo::Event) {
        for (qint64 k = 0; k < n && _eventFrame < 0; ++k)
            if (fileVideo->headerAtIndex(k).record_phase == 3)
                _eventFrame = k;
    }
    _eventMarks.clear();
    if (fileVideo)
        _eventMarks.setEvents(DrivingEvents::ofRecording(fileVideo->file().headers(), DrivingEvents::storedThresholds(_format)));
    _range = calcVideoRangeWithFrameIndex(_frameIndex);
}

void GraphPicture::loadWithFileLog(FileLog *fileLog, qint64 frameIndex)
{
    _fileVideo = nullptr;
    _eventFrame = -1;
    _fileLog = fileLog;
    const qint64 n = count();
    _frameIndex = frameIndex == -1 && n > 0 ? n - 1 : frameIndex;
    _logVideos.clear();
    if (fileLog && _fileManager) {
        const QList<FileVideo *> videos =
            _fileManager->videoWithFromDate(fileLog->logAtIndex(0).time, fileLog->lastLog().time);
        for (FileVideo *video : videos)
            _logVideos.append(video);
    }
    _eventMarks.clear();
    if (fileLog)
        _eventMarks.setEvents(DrivingEvents::ofLog(fileLog->file().records(), DrivingEvents::storedThresholds(_format)));
    _range = calcLogRangeWithFrameIndex(_frameIndex);
}

void GraphPicture::clear()
{
    _fileVideo = nullptr;
    _fileLog = nullptr;
    _logVideos.clear();
    _logGuides.clear();
    _eventMarks.clear();
    _eventFrame = -1;
    _range = {};
}

GraphPicture::Range GraphPicture::calcVideoRangeWithFrameIndex(qint64 frameIndex) const
{
    if (!_fileVideo)
        return {};
    FileVideo *video = _fileVideo;
    const qint64 n = video->frameCount();
    if (video->type() == FileVideo::Event)
        return {0, n};
    return windowAround(frameIndex, n, VideoWindowMsec,
                        [video](qint64 k) { return video->headerAtIndex(k).time; });
}

GraphPicture::Range GraphPicture::calcLogRangeWithFrameIndex(qint64 frameIndex)
{
    Range range;
    if (FileLog *log = _fileLog)
        range = windowAround(frameIndex, log->count(), LogWindowMsec,
                             [log](qint64 k) { return log->logAtIndex(k).time; });
    calcLogGuideWithRange(range, _rect);
    return range;
}

// The window counts as one record per second; every x comes from whole seconds.
void GraphPicture::calcLogGuideWithRange(Range range, const QRectF &plot)
{
    _logGuides.clear();
    if (!_fileLog || range.length <= 0)
        return;
    const qint64 logStart = wholeSeconds(_fileLog->logAtIndex(range.location).time);
    const qint64 logEnd = wholeSeconds(_fileLog->logAtIndex(range.location + range.length - 1).time);
    const double pps = GraphPainter::sampleStep(plot, range.length);
    auto xOf = [&](const _vexa_video_frame_header_t &h) {
        return double(wholeSeconds(h.time) - logStart) * pps + plot.x();
    };
    for (const QPointer<FileVideo> &pointer : std::as_const(_logVideos)) {
        FileVideo *v = pointer;
        if (!v || v->frameCount() <= 0)
            continue;
        const qint64 vStart = wholeSeconds(v->headerAtIndex(0).time);
        const qint64 vEnd = wholeSeconds(v->lastHeader().time);
        if (!(vStart < logEnd && vEnd > logStart))
            continue;
        const qint64 n = v->frameCount();
        auto header = [v](qint64 k) -> const _vexa_video_frame_header_t & {
            return v->headerAtIndex(k);
        };
        if (v->type() == FileVideo::Event) {
            double pre = -1.0;
            for (qint64 k = 0; k < n;) {
                const int phase = header(k).record_phase;
                if (phase == 2) {
                    pre = xOf(header(k));
                    while (k < n && header(k).record_phase == 2)
                        ++k;
                } else if (phase == 3) {
                    Guide guide{v, pre, xOf(header(k)), -1.0,
                                _format.timeString(header(k).time)};
                    while (k < n && header(k).record_phase == 3)
                        ++k;
                    guide.post = xOf(k < n ? header(k) : v->lastHeader());
                    _logGuides.append(guide);
                    pre = -1.0;
                    ++k;
                } else {
                    ++k;
                }
            }
        } else if (v->type() == FileVideo::Normal) {
            for (qint64 k = 0; k < n;) {
                if (header(k).event_type == 0) {
                    ++k;
                    continue;
                }
                const qint64 first = k;
                while (k < n && header(k).event_type != 0)
                    ++k;
                if (first > 0)
                    _logGuides.append({v, -1.0, xOf(header(first)), k < n ? xOf(header(k)) : -1.0,
                                       _format.timeString(header(first).time)});
                ++k;
            }
        }
    }
}

// ---- Zoom and playback ----

bool GraphPicture::setZoom(double zoom)
{
    if (std::isnan(zoom))
        return false;
    _zoom = std::clamp(zoom, 1.0, 4.0);
    return true;
}

bool GraphPicture::setFrameIndex(qint64 frameIndex)
{
    _frameIndex = frameIndex;
    if (isEmpty() || _range.contains(frameIndex))
        return false;
    _range = _fileVideo ? calcVideoRangeWithFrameIndex(frameIndex)
                        : calcLogRangeWithFrameIndex(frameIndex);
    return true;
}

QRectF GraphPicture::cursorBoxAt(qint64 frameIndex) const
{
    if (isEmpty() || !_range.contains(frameIndex) || GraphPainter::pointsPerG(_rect, _zoom) == 0)
        return QRectF();
    const double step = GraphPainter::sampleStep(_rect, _range.length);
    return QRectF(_rect.x() + double(frameIndex - _range.location) * step - 3, _rect.y() + 1, 6,
                  _rect.height() - 2);
}

// ---- Drawing ----

double GraphPicture::markX(qint64 frameIndex) const
{
    if (!_range.contains(frameIndex))
        return std::nan("");
    return _rect.x() + double(frameIndex - _range.location) * GraphPainter::sampleStep(_rect, _range.length);
}

qint64 GraphPicture::markAt(const QPointF &p) const
{
    if (isEmpty())
        return -1;
    return _eventMarks.indexAt(p, markTipY(), [this](qint64 k) { return markX(k); });
}

std::vector<GraphPainter::Sample> GraphPicture::windowSamples() const
{
    std::vector<GraphPainter::Sample> samples;
    samples.reserve(size_t(std::max<qint64>(_range.length, 0)));
    for (qint64 j = 0; j < _range.length; ++j) {
        const qint64 k = _range.location + j;
        if (_fileVideo) {
            const _vexa_video_frame_header_t &h = _fileVideo->headerAtIndex(k);
            samples.push_back({h.gsensor_x, h.gsensor_y, h.gsensor_z});
        } else {
            const _vexa_log_info_t &r = _fileLog->logAtIndex(k);
            samples.push_back({r.gsensor_x, r.gsensor_y, r.gsensor_z});
        }
    }
    return samples;
}

void GraphPicture::drawTimeline(GraphPainter &painter) const
{
    const qint64 location = _range.location;
    const qint64 length = _range.length;
    if (length <= 0)
        return;
    auto timeAt = [this](qint64 k) {
        return _fileVideo ? _fileVideo->headerAtIndex(k).time : _fileLog->logAtIndex(k).time;
    };
    const QRectF box(10, 0, _size.width() - 20, 15);
    const QColor red(255, 0, 0);
    painter.drawText(_format.dateString(timeAt(location)), box, Qt::AlignLeft, red);
    painter.drawText(_format.dateString(timeAt(location + length - length / 2)), box,
                     Qt::AlignHCenter, red);
    painter.drawText(_format.dateString(timeAt(location + length - 1)), box, Qt::AlignRight,
                     red);
}

// The event recording's first post-event frame, or each event run of a normal recording
// that starts inside the window.
void GraphPicture::drawVideoMarkers(GraphPainter &painter) const
{
    const double step = GraphPainter::sampleStep(_rect, _range.length);
    QPainterPath lines;
    const QColor black(0, 0, 0);
    if (_fileVideo->type() == FileVideo::Event && _range.contains(_eventFrame)) {
        const double x = _rect.x() + double(_eventFrame - _range.location) * step;
        painter.addVerticalLine(lines, x, _rect);
        painter.drawText(_format.timeString(_fileVideo->headerAtIndex(_eventFrame).time),
                         QRectF(x - 50, _rect.y(), 100, 15), Qt::AlignHCenter, black);
    } else if (_fileVideo->type() == FileVideo::Normal) {
        for (qint64 j = 0; j < _range.length;) {
            const _vexa_video_frame_header_t &h = _fileVideo->headerAtIndex(_range.location + j);
            if (h.event_type == 0) {
                ++j;
                continue;
            }
            if (j > 0) {
                const double x = _rect.x() + double(j) * step;
                painter.addVerticalLine(lines, x, _rect);
                Qt::Alignment align;
                const QRectF box = GraphPainter::markerLabelBox(x, _rect, &align);
                painter.drawText(_format.timeString(h.time), box, align, black);
            }
            while (j < _range.length && _fileVideo->headerAtIndex(_range.location + j).event_type != 0)
                ++j;
        }
    }
    painter.strokeDashed(lines, 0.7, black);
}

void GraphPicture::drawLogGuides(GraphPainter &painter) const
{
    const double xL = _rect.x();
    const double xR = _rect.x() + _rect.width();
    const double yA = _rect.y() + 80;
    QPainterPath path;
    for (const Guide &g : _logGuides) {
        const double t = std::min(xR, g.trig);
        if (g.pre != -1.0) {
            if (g.pre < xL) {
                painter.addLine(path, xL, yA, t, yA);
            } else {
                painter.addLine(path, g.pre, yA, t, yA);
                painter.addLine(path, g.pre + 5, yA + 3, g.pre - 1, yA);
                painter.addLine(path, g.pre - 1, yA, g.pre + 5, yA - 3);
            }
        }
        if (g.post != -1.0) {
            if (g.post > xR) {
                painter.addLine(path, t, yA, xR, yA);
            } else {
                painter.addLine(path, t, yA, g.post, yA);
                painter.addLine(path, g.post - 5, yA + 3, g.post + 1, yA);
                painter.addLine(path, g.post + 1, yA, g.post - 5, yA - 3);
            }
        }
        if (g.trig >= xL && g.trig <= xR) {
            painter.addVerticalLine(path, g.trig, _rect);
            Qt::Alignment align;
            const QRectF box = GraphPainter::markerLabelBox(g.trig, _rect, &align);
            painter.drawText(g.str, box, align, kGuideBlack);
        }
    }
    painter.strokeDashed(path, 0.7, kGuideBlack);
}

void GraphPicture::paint(QPainter &p) const
{
    GraphPainter painter(p, _size.height(), _font);
    painter.drawBackground(_rect, _zoom);
    if (isEmpty())
        return;
    drawTimeline(painter);
    painter.drawCurves(windowSamples(), _rect, _zoom);
    // Markers and guides stay inside the plot; their texts sit on its bottom edge.
    p.save();
    p.setClipRect(Geometry::toQt(_rect, _size.height()));
    if (_fileVideo)
        drawVideoMarkers(painter);
    else
        drawLogGuides(painter);
    _eventMarks.draw(p, _size.height(), markTipY(), [this](qint64 k) { return markX(k); });
    p.restore();
}
