// The pages of a printed event or log report: an event report is a cover and one page per
// chosen frame; a log report is two log pages and then the frame pages. Pages are laid out
// relative to the printable page of any paged device (a printer or a PDF writer), with a
// centred "N / M" header above each.
#pragma once

#include "DisplayFormat.h"
#include "PrivacyZones.h"
#include "vexa_types.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

#include <functional>

class FileLog;
class FileVideo;
class QPagedPaintDevice;
class QPainter;

class ReportPainter {
public:
    struct Content {
        FileVideo *video = nullptr;  // may be null: no frame pages
        FileLog *log = nullptr;      // non-null makes it a log report
        QList<qint64> indices;       // frames that get a page, in order
        qint64 currentFrame = -1;    // the frame on screen; -1: the recording's current one
        QString title;
        QString comment;
        QImage graph;     // the G-sensor graph
        QImage map;       // the map with the route
        QImage logGraph;  // the log graph (log reports only)
        DisplayFormat format;  // units, date order and zone of every text
        PrivacyZones zones;    // a position inside one reads as without a fix
        int flip = 0;          // of the frame pictures, as FileVideo::flipped takes it
        // Pages added after the report's own, each painted in points on a top-left-origin
        // page box (the evidence certificate).
        QList<std::function<void(QPainter *painter, const QRectF &page)>> extraPages;
    };
    // Told page (1-based) of count before each page; answering false stops the report.
    using Progress = std::function<bool(int page, int count)>;

    explicit ReportPainter(Content content);

    int pageCount() const;
    // Paints every page, starting a new page between them; false when stopped or when the
    // device cannot be painted on.
    bool paint(QPagedPaintDevice *device, const Progress &progress = {}) const;
    // Writes the report as a PDF of A4 pages; the file at path is replaced only when the
    // whole report was written. error (optional) says why it failed.
    bool writePdf(const QString &path, const Progress &progress = {}, QString *error = nullptr) const;

    // ": (weekday) MM.DD.YYYY  hh:mm:ss" and the other date orders of the format, local in
    // its zone; the dashed form when not valid.
    static QString dateString(const _vexa_time_t &utc, bool valid, const DisplayFormat &format);

private:
    // The page box: bottom-left origin, y up, in points; h is the page height in Qt terms.
    struct Page {
        QPainter *painter;
        QRectF r;
    };

    void drawPage(const Page &page, int number) const;
    void drawCover(const Page &page) const;
    // The driving events of the report's recording or log, as many rows as fit in area.
    void drawEvents(const Page &page, const QRectF &area) const;
    void drawFrame(const Page &page, qint64 index) const;
    void drawLogFirst(const Page &page) const;
    void drawLogSecond(const Page &page) const;
    void drawTitle(const Page &page, const QString &fallbackKey) const;
    // The picture at the fraction of the page width with its bottom-left corner at (x, y);
    // returns its outline (1 point outside) unless outline is false.
    QRectF drawPicture(const Page &page, const QImage &image, double widthPart, double x,
                       double y, bool outline = true) const;

    Content _content;
};
