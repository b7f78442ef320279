// The log graph as data and drawing, without a widget: the G-sensor X, Y and Z of every
// record of the loaded logs on one time axis, a dashed grid with the zoom's value labels,
// the start, middle and end date, guides where overlapping recordings were triggered, the
// driving event marks, and the total and the current log's distance. The log page's graph
// shows it with a cursor; reports draw it at any size.
//
// Positions are in the picture's bottom-left coordinates (y up). The curves are reduced to
// distinct pixels when logs load, the size or the zoom changes.
#pragma once

#include "DisplayFormat.h"
#include "EventMarks.h"
#include "FileLog.h"
#include "LogGuide.h"

#include <QFont>
#include <QList>
#include <QPointer>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

class FileManager;
class GraphPainter;
class QPainter;

class LogGraphPicture {
public:
    struct Entry {
        QPointer<FileLog> log;
        std::vector<qint64> msecs;  // time_to_msec of every record
        EventMarks marks;           // its driving events, by record
    };
    // The record an event mark stands for; a null log for none.
    struct Mark {
        FileLog *log = nullptr;
        qint64 index = -1;
    };

    LogGraphPicture() { _font.setPixelSize(11); }

    void setFileManager(FileManager *fileManager) { _fileManager = fileManager; }
    void setSize(const QSizeF &size);
    QSizeF size() const { return _size; }
    // The units of the distances and the labels' zone and date order; the total distance
    // takes it at the next load.
    void setDisplayFormat(const DisplayFormat &format) { _format = format; }
    const QFont &font() const { return _font; }

    // Logs in time order; the first record of the first log becomes the current one.
    void loadWithFileLogs(const QList<FileLog *> &logs);
    // The curve points of the loaded logs for a plot rectangle.
    void calcDrawWithFileLogs(const QRectF &plot);
    void loadGuideWithFileLogs(const QList<FileLog *> &logs, const QRectF &plot);
    void clear();
    // Clamped to 1 .. 4; false for a value that is not a number.
    bool setZoom(double zoom);
    // -1 or an index past the end stands for the last record; true when the log changed.
    bool setFileLog(FileLog *fileLog, qint64 logIndex);

    const QList<Entry> &entries() const { return _fileLogs; }
    double zoom() const { return _zoom; }
    const QList<LogGuide> &logGuides() const { return _logGuides; }
    FileLog *fileLog() const { return _fileLog; }
    qint64 logIndex() const { return _logIndex; }
    // One polyline per loaded log of axis 0 (X), 1 (Y) or 2 (Z).
    const QList<QPolygonF> &points(int axis) const { return _arrSensor[axis]; }
    QRectF plotRect() const { return _rect; }
    const QString &totalDistance() const { return _totalDistance; }
    // The x of a time on the plot; the left edge when the logs span less than a second.
    double xOfMsec(qint64 msec) const;
    // Where the event marks' tips sit, at the top of the plot.
    double markTipY() const { return _rect.y() + _rect.height() - EventMarks::IconSize - 2; }
    // The event mark at p.
    Mark markAt(const QPointF &p) const;

    // Plot, labels, curves, guides and distances onto a painter over the picture's size.
    void paint(QPainter &painter) const;

private:
    double pixelsPerSecond(const QRectF &plot) const;
    void drawTimeline(GraphPainter &painter) const;
    void drawCurves(GraphPainter &painter, QPainter &p) const;
    void drawGuides(GraphPainter &painter) const;
    void drawDistances(GraphPainter &painter) const;
    void drawEventMarks(QPainter &p) const;

    FileManager *_fileManager = nullptr;
    DisplayFormat _format;
    QList<Entry> _fileLogs;
    QPointer<FileLog> _fileLog;
    QList<LogGuide> _logGuides;
    qint64 _logIndex = 0;
    QList<QPolygonF> _arrSensor[3];
    qint64 _left = 0;
    qint64 _msec = 0;
    QFont _font;
    double _zoom = 3.0;
    QSizeF _size;
    QRectF _rect;
    QString _totalDistance;
};
