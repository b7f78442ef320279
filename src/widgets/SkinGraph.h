// The G-sensor graph beside the video: the three axes of a recording over a 30-second
// window around the frame on screen (a whole event recording at once), or of a driving
// log over a one-minute window with guides to the recordings made during it. A dashed
// grid, four value scales, three time labels, event markers and a cursor at the current
// frame that can be clicked or dragged to another frame.
//
// All positions are in the view's bottom-left coordinates (y up). The plot, labels and
// curves of a window are drawn once into a cached picture; playback inside the window
// repaints only where the cursor was and where it goes.
#pragma once

#include "FileLog.h"
#include "FileVideo.h"
#include "CursorDrag.h"
#include "EventMarks.h"
#include "GraphPainter.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <vector>

class FileManager;
class SkinManager;

class SkinGraph : public QWidget {
    Q_OBJECT

public:
    static constexpr int FrameKey = 2;
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

    // Placed at the skin's graph rectangle; a null skin gives an empty frame. The folder
    // model finds the recordings of a log; neither is owned.
    SkinGraph(SkinManager *skinManager, FileManager *fileManager, QWidget *parent = nullptr);

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
    // The plot area and the cursor box, bottom-left coordinates.
    QRectF plotRect() const { return _rect; }
    QRectF cursorRect() const { return _rectCursor; }

    Range calcVideoRangeWithFrameIndex(qint64 frameIndex) const;
    // Also rebuilds the guides of the new window.
    Range calcLogRangeWithFrameIndex(qint64 frameIndex);
    void calcLogGuideWithRange(Range range, const QRectF &plot);

public slots:
    // -1 stands for the last frame.
    void loadWithFileVideo(FileVideo *fileVideo, qint64 frameIndex);
    void loadWithFileLog(FileLog *fileLog, qint64 frameIndex);
    void clear();
    // Clamped to 1 .. 4.
    void setZoom(double zoom);
    void setFrameIndex(qint64 frameIndex);

signals:
    void fileVideoFrameIndex(FileVideo *fileVideo, qint64 frameIndex);
    void fileLogFrameIndex(FileLog *fileLog, qint64 frameIndex);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    qint64 count() const;
    void invalidate();
    void renderCache();
    void drawTimeline(GraphPainter &painter, const QRectF &bounds) const;
    void drawVideoMarkers(GraphPainter &painter) const;
    void drawLogGuides(GraphPainter &painter) const;
    std::vector<GraphPainter::Sample> windowSamples() const;
    QRectF cursorBoxAt(qint64 frameIndex) const;
    void moveCursorRect();
    void moveCursor(const QPointF &p);
    QPointF specPoint(const QPointF &qtPoint) const;

    FileManager *_fileManager;
    QPointer<FileVideo> _fileVideo;
    QPointer<FileLog> _fileLog;
    QList<QPointer<FileVideo>> _logVideos;
    QList<Guide> _logGuides;
    EventMarks _eventMarks;
    Range _range;
    qint64 _frameIndex = 0;
    QFont _font;
    double _zoom = 3.0;
    QRectF _rect;
    QRectF _rectCursor;
    CursorDrag _drag;
    // The first post-event frame of an event recording, or -1.
    qint64 _eventFrame = -1;
    QImage _cache;
    bool _cacheValid = false;
};
