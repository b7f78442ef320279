// The strip across the bottom of the log page: the G-sensor X, Y and Z of every record of
// the loaded logs on one time axis, a dashed grid with the zoom's value labels, the start,
// middle and end date, guides where overlapping recordings were triggered, the total and
// the current log's distance, and a cursor at the current record. A click, or a drag that
// starts on the cursor, selects the record under the pointer.
//
// Positions are in the view's bottom-left coordinates (y up). The curves are reduced to
// distinct pixels when logs load and when the zoom changes; the plot is drawn once into a
// cached picture and a playback step repaints only the old and new cursor strips.
#pragma once

#include "CursorDrag.h"
#include "EventMarks.h"

#include "FileLog.h"
#include "LogGuide.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <vector>

class FileManager;
class GraphPainter;

class SkinLogGraph : public QWidget {
    Q_OBJECT

public:
    struct Entry {
        QPointer<FileLog> log;
        std::vector<qint64> msecs;  // time_to_msec of every record
        EventMarks marks;           // its driving events, by record
    };

    explicit SkinLogGraph(QWidget *parent = nullptr);

    void setFileManager(FileManager *fileManager) { _fileManager = fileManager; }
    // Logs in time order; reports the first record of the first log.
    void loadWithFileLogs(const QList<FileLog *> &logs);
    // The curve points of the loaded logs for a plot rectangle.
    void calcDrawWithFileLogs(const QRectF &plot);
    void loadGuideWithFileLogs(const QList<FileLog *> &logs, const QRectF &plot);

    double zoom() const { return _zoom; }
    const QList<LogGuide> &logGuides() const { return _logGuides; }
    FileLog *logAtIndex(qsizetype i) const;
    qsizetype logCount() const { return _fileLogs.size(); }
    FileLog *fileLog() const { return _fileLog; }
    qint64 logIndex() const { return _logIndex; }
    // One polyline per loaded log of axis 0 (X), 1 (Y) or 2 (Z).
    const QList<QPolygonF> &points(int axis) const { return _arrSensor[axis]; }
    QRectF plotRect() const { return _rect; }
    QRectF cursorRect() const { return _rectCursor; }
    const QString &totalDistance() const { return _totalDistance; }
    // The x of a time on the plot; the left edge when the logs span less than a second.
    double xOfMsec(qint64 msec) const;
    // Where the event marks' tips sit, at the top of the plot.
    double markTipY() const { return _rect.y() + _rect.height() - EventMarks::IconSize - 2; }

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
    double pixelsPerSecond(const QRectF &plot) const;
    void invalidate();
    void renderCache();
    void drawTimeline(GraphPainter &painter) const;
    void drawCurves(GraphPainter &painter, QPainter &p) const;
    void drawGuides(GraphPainter &painter) const;
    void drawDistances(GraphPainter &painter) const;
    void drawEventMarks(QPainter &p) const;
    // A press on an event mark goes to its record; false when none holds the point.
    bool chooseEventMark(const QPointF &p);
    QRectF cursorBox() const;
    void moveCursorRect();
    void moveCursor(const QPointF &p);

    FileManager *_fileManager = nullptr;
    QList<Entry> _fileLogs;
    QPointer<FileLog> _fileLog;
    QList<LogGuide> _logGuides;
    qint64 _logIndex = 0;
    QList<QPolygonF> _arrSensor[3];
    double _xCursor = 0;
    qint64 _left = 0;
    qint64 _msec = 0;
    QFont _font;
    double _zoom = 3.0;
    QRectF _rect;
    QRectF _rectCursor;
    CursorDrag _drag;
    QString _totalDistance;
    QImage _cache;
    bool _cacheValid = false;
};
