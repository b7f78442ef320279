// The G-sensor graph beside the video: the three axes of a recording over a 30-second
// window around the frame on screen (a whole event recording at once), or of a driving
// log over a one-minute window with guides to the recordings made during it. A dashed
// grid, four value scales, three time labels, event markers and a cursor at the current
// frame that can be clicked or dragged to another frame.
//
// All positions are in the view's bottom-left coordinates (y up). The picture (GraphPicture)
// of a window is drawn once into a cache; playback inside the window repaints only where the
// cursor was and where it goes.
#pragma once

#include "CursorDrag.h"
#include "GraphPicture.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QWidget>

class FileManager;
class SkinManager;

class SkinGraph : public QWidget {
    Q_OBJECT

public:
    static constexpr int FrameKey = 2;
    static constexpr qint64 VideoWindowMsec = GraphPicture::VideoWindowMsec;
    static constexpr qint64 LogWindowMsec = GraphPicture::LogWindowMsec;
    using Range = GraphPicture::Range;
    using Guide = GraphPicture::Guide;

    // Placed at the skin's graph rectangle; a null skin gives an empty frame. The folder
    // model finds the recordings of a log; neither is owned.
    SkinGraph(SkinManager *skinManager, FileManager *fileManager, QWidget *parent = nullptr);

    // What the graph shows, for drawing it elsewhere (a printed report).
    const GraphPicture &picture() const { return _picture; }
    // The zone and date order of the time labels.
    void setDisplayFormat(const DisplayFormat &format)
    {
        _picture.setDisplayFormat(format);
        update();
    }
    double zoom() const { return _picture.zoom(); }
    qint64 frameIndex() const { return _picture.frameIndex(); }
    Range range() const { return _picture.range(); }
    FileVideo *fileVideo() const { return _picture.fileVideo(); }
    FileLog *fileLog() const { return _picture.fileLog(); }
    const QList<Guide> &logGuides() const { return _picture.logGuides(); }
    // The driving events of the recording or log, marked at the top of the plot.
    const EventMarks &eventMarks() const { return _picture.eventMarks(); }
    double markTipY() const { return _picture.markTipY(); }
    // The x of a frame inside the window, NaN outside it.
    double markX(qint64 frameIndex) const { return _picture.markX(frameIndex); }
    // The plot area and the cursor box, bottom-left coordinates.
    QRectF plotRect() const { return _picture.plotRect(); }
    QRectF cursorRect() const { return _rectCursor; }

    Range calcVideoRangeWithFrameIndex(qint64 frameIndex) const
    {
        return _picture.calcVideoRangeWithFrameIndex(frameIndex);
    }
    // Also rebuilds the guides of the new window.
    Range calcLogRangeWithFrameIndex(qint64 frameIndex)
    {
        return _picture.calcLogRangeWithFrameIndex(frameIndex);
    }
    void calcLogGuideWithRange(Range range, const QRectF &plot)
    {
        _picture.calcLogGuideWithRange(range, plot);
    }

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
    void invalidate();
    void moveCursorRect();
    void moveCursor(const QPointF &p);
    QPointF specPoint(const QPointF &qtPoint) const;

    GraphPicture _picture;
    QRectF _rectCursor;
    CursorDrag _drag;
    QImage _cache;
    bool _cacheValid = false;
};
