// The strip across the bottom of the log page: the G-sensor X, Y and Z of every record of
// the loaded logs on one time axis, a dashed grid with the zoom's value labels, the start,
// middle and end date, guides where overlapping recordings were triggered, the total and
// the current log's distance, and a cursor at the current record. A click, or a drag that
// starts on the cursor, selects the record under the pointer.
//
// Positions are in the view's bottom-left coordinates (y up). The picture (LogGraphPicture)
// is drawn once into a cache; a playback step repaints only the old and new cursor strips.
#pragma once

#include "CursorDrag.h"

#include "LogGraphPicture.h"

#include <QImage>
#include <QPolygonF>
#include <QRectF>
#include <QWidget>

class FileManager;

class SkinLogGraph : public QWidget {
    Q_OBJECT

public:
    using Entry = LogGraphPicture::Entry;

    explicit SkinLogGraph(QWidget *parent = nullptr);

    void setFileManager(FileManager *fileManager) { _picture.setFileManager(fileManager); }
    void setDisplayFormat(const DisplayFormat &format)
    {
        _picture.setDisplayFormat(format);
        update();
    }
    // Logs in time order; reports the first record of the first log.
    void loadWithFileLogs(const QList<FileLog *> &logs);
    // The curve points of the loaded logs for a plot rectangle.
    void calcDrawWithFileLogs(const QRectF &plot) { _picture.calcDrawWithFileLogs(plot); }
    void loadGuideWithFileLogs(const QList<FileLog *> &logs, const QRectF &plot)
    {
        _picture.loadGuideWithFileLogs(logs, plot);
    }

    // What the graph shows, for drawing it elsewhere (a printed report).
    const LogGraphPicture &picture() const { return _picture; }
    double zoom() const { return _picture.zoom(); }
    const QList<LogGuide> &logGuides() const { return _picture.logGuides(); }
    FileLog *logAtIndex(qsizetype i) const;
    qsizetype logCount() const { return _picture.entries().size(); }
    FileLog *fileLog() const { return _picture.fileLog(); }
    qint64 logIndex() const { return _picture.logIndex(); }
    // One polyline per loaded log of axis 0 (X), 1 (Y) or 2 (Z).
    const QList<QPolygonF> &points(int axis) const { return _picture.points(axis); }
    QRectF plotRect() const { return _picture.plotRect(); }
    QRectF cursorRect() const { return _rectCursor; }
    const QString &totalDistance() const { return _picture.totalDistance(); }
    // The x of a time on the plot; the left edge when the logs span less than a second.
    double xOfMsec(qint64 msec) const { return _picture.xOfMsec(msec); }
    // Where the event marks' tips sit, at the top of the plot.
    double markTipY() const { return _picture.markTipY(); }

public slots:
    void clear();
    // Clamped to 1 .. 4.
    void setZoom(double zoom);
    // -1 or an index past the end stands for the last record.
    void setFileLog(FileLog *fileLog, qint64 logIndex);
    // The record of that second, if any, goes to the delegate.
    void setPosition(qint64 msec);

signals:
    void changeFileLog(FileLog *fileLog, qint64 logIndex);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void invalidate();
    QRectF cursorBox() const;
    void moveCursorRect();
    void moveCursor(const QPointF &p);

    LogGraphPicture _picture;
    double _xCursor = 0;
    QRectF _rectCursor;
    CursorDrag _drag;
    QImage _cache;
    bool _cacheValid = false;
};
