// The G-sensor graph as data and drawing, without a widget: the three axes of a recording
// over a 30-second window around a frame (a whole event recording at once), or of a driving
// log over a one-minute window with guides to the recordings made during it; the dashed
// grid, value scales, three time labels, event markers and driving event marks. The graph view shows it with a
// cursor; reports draw it at any size.
//
// All positions are in the picture's bottom-left coordinates (y up).
#pragma once

#include "DisplayFormat.h"
#include "EventMarks.h"
#include "FileLog.h"
#include "FileVideo.h"
#include "GraphPainter.h"

#include <QFont>
#include <QList>
#include <QPointer>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

class FileManager;
class QPainter;

class GraphPicture {
public:
    static constexpr qint64 VideoWindowMsec = 30000;
    static constexpr qint64 LogWindowMsec = 60000;

    // A window of frames (or log records).
    struct Range {
        qint64 location = 0;
        qint64 length = 0;
        bool contains(qint64 i) const { return i >= location && i < location + length; }
        bool operator==(const Range &) const = default;
    };

    // Where a recording made during the log window had its event, as plot x values (which
    // may lie outside the plot); -1 for a missing start or end.
    struct Guide {
        QPointer<FileVideo> file;
        double pre = -1.0;
        double trig = 0.0;
        double post = -1.0;
        QString str;
    };

    // The folder model finds the recordings of a log; it is not owned and may be null.
    explicit GraphPicture(FileManager *fileManager = nullptr);

    // The picture's size; the plot keeps its margins for the scales and labels.
    void setSize(const QSizeF &size);
    QSizeF size() const { return _size; }
    // The time labels' zone and date order; takes effect at the next load or paint.
    void setDisplayFormat(const DisplayFormat &format) { _format = format; }
    const QFont &font() const { return _font; }

    double zoom() const { return _zoom; }
    qint64 frameIndex() const { return _frameIndex; }
    Range range() const { return _range; }
    FileVideo *fileVideo() const { return _fileVideo; }
    FileLog *fileLog() const { return _fileLog; }
    const QList<Guide> &logGuides() const { return _logGuides; }
    // The driving events of the recording or log, marked at the top of the plot.
    const EventMarks &eventMarks() const { return _eventMarks; }
    double markTipY() const { return _rect.y() + _rect.height() - EventMarks::IconSize - 2; }
    // The x of a frame inside the window, NaN outside it.
    double markX(qint64 frameIndex) const;
    // The frame of the event mark at p, or -1.
    qint64 markAt(const QPointF &p) const;
    QRectF plotRect() const { return _rect; }
    bool isEmpty() const { return !_fileVideo && !_fileLog; }

    Range calcVideoRangeWithFrameIndex(qint64 frameIndex) const;
    // Also rebuilds the guides of the new window.
    Range calcLogRangeWithFrameIndex(qint64 frameIndex);
    void calcLogGuideWithRange(Range range, const QRectF &plot);

    // -1 stands for the last frame.
    void loadWithFileVideo(FileVideo *fileVideo, qint64 frameIndex);
    void loadWithFileLog(FileLog *fileLog, qint64 frameIndex);
    void clear();
    // Clamped to 1 .. 4; false for a value that is not a number.
    bool setZoom(double zoom);
    // True when the frame lies in another window, so the whole picture changes.
    bool setFrameIndex(qint64 frameIndex);
    // The cursor's box at a frame of the window; null outside it.
    QRectF cursorBoxAt(qint64 frameIndex) const;

    // Plot, labels, curves and markers onto a painter over the picture's size.
    void paint(QPainter &painter) const;

private:
    qint64 count() const;
    void drawTimeline(GraphPainter &painter) const;
    void drawVideoMarkers(GraphPainter &painter) const;
    void drawLogGuides(GraphPainter &painter) const;
    std::vector<GraphPainter::Sample> windowSamples() const;

    FileManager *_fileManager;
    DisplayFormat _format;
    QPointer<FileVideo> _fileVideo;
    QPointer<FileLog> _fileLog;
    QList<QPointer<FileVideo>> _logVideos;
    QList<Guide> _logGuides;
    EventMarks _eventMarks;
    Range _range;
    qint64 _frameIndex = 0;
    QFont _font;
    double _zoom = 3.0;
    QSizeF _size;
    QRectF _rect;
    // The first post-event frame of an event recording, or -1.
    qint64 _eventFrame = -1;
};
