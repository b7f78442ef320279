#include "SkinLogGraph.h"

#include "CursorDrag.h"
#include "Geometry.h"
#include "GraphPainter.h"
#include "vexa_time.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

SkinLogGraph::SkinLogGraph(QWidget *parent) : QWidget(parent)
{
    _picture.setSize(size());
    setMouseTracking(true);
}

FileLog *SkinLogGraph::logAtIndex(qsizetype i) const
{
    const QList<Entry> &entries = _picture.entries();
    return i >= 0 && i < entries.size() ? entries[i].log.data() : nullptr;
}

void SkinLogGraph::loadWithFileLogs(const QList<FileLog *> &logs)
{
    _picture.loadWithFileLogs(logs);
    invalidate();
    if (FileLog *log = _picture.fileLog())
        emit changeFileLog(log, 0);
}

void SkinLogGraph::clear()
{
    _picture.clear();
    _rectCursor = QRectF();
    invalidate();
}

void SkinLogGraph::setZoom(double zoom)
{
    if (_picture.setZoom(zoom))
        invalidate();
}

void SkinLogGraph::setFileLog(FileLog *fileLog, qint64 logIndex)
{
    if (_picture.setFileLog(fileLog, logIndex))
        invalidate();  // the current log's distance is part of the picture
    else
        moveCursorRect();
}

void SkinLogGraph::setPosition(qint64 msec)
{
    const qint64 target = msec / 1000;
    for (const Entry &e : _picture.entries()) {
        for (size_t i = 0; i < e.msecs.size(); ++i) {
            if (e.msecs[i] / 1000 == target) {
                emit changeFileLog(e.log, qint64(i));
                return;
            }
        }
    }
}

// ---- Drawing ----

void SkinLogGraph::invalidate()
{
    _cacheValid = false;
    _rectCursor = cursorBox();
    update();
}

QRectF SkinLogGraph::cursorBox() const
{
    const QRectF plot = _picture.plotRect();
    if (_picture.entries().isEmpty() || GraphPainter::pointsPerG(plot, _picture.zoom()) == 0)
        return QRectF();
    double x = _xCursor;
    FileLog *log = _picture.fileLog();
    if (log && _picture.logIndex() != -1)
        x = xOfMsec(time_to_msec(log->logAtIndex(_picture.logIndex()).time));
    return QRectF(x - 3, plot.y() + 1, 6, plot.height() - 2);
}

void SkinLogGraph::moveCursorRect()
{
    const QRectF old = _rectCursor;
    _rectCursor = cursorBox();
    if (old == _rectCursor)
        return;
    for (const QRectF &box : {old, _rectCursor})
        if (!box.isNull())
            update(Geometry::toQt(box, height()).toAlignedRect().adjusted(-2, -2, 2, 2));
}

void SkinLogGraph::paintEvent(QPaintEvent *event)
{
    if (!_cacheValid || _cache.size() != size() * devicePixelRatioF()) {
        _cache = GraphPainter::newCache(*this);
        QPainter cache(&_cache);
        _picture.paint(cache);
        _cacheValid = true;
    }
    QPainter p(this);
    const QRect exposed = event->rect();
    const qreal ratio = _cache.devicePixelRatio();
    p.drawImage(QRectF(exposed), _cache,
                QRectF(exposed.x() * ratio, exposed.y() * ratio, exposed.width() * ratio,
                       exposed.height() * ratio));
    if (!_rectCursor.isNull()) {
        GraphPainter painter(p, height(), _picture.font());
        painter.strokeRect(_rectCursor, 0.7, Qt::white);
    }
}

void SkinLogGraph::resizeEvent(QResizeEvent *)
{
    _picture.setSize(size());
    invalidate();
}

// ---- Mouse ----

void SkinLogGraph::mousePressEvent(QMouseEvent *event)
{
    const QPointF p = Geometry::fromQt(event->position(), height());
    if (const LogGraphPicture::Mark mark = _picture.markAt(p); mark.log) {
        emit changeFileLog(mark.log, mark.index);
        return;
    }
    _drag.press(_rectCursor, p);
    moveCursor(p);
}

void SkinLogGraph::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF p = Geometry::fromQt(event->position(), height());
    if (_drag.follows(this, _rectCursor, p, event->buttons()))
        moveCursor(p);
}

void SkinLogGraph::mouseReleaseEvent(QMouseEvent *)
{
    _drag.release();
}

// Inside a log's span the record of the pixel column at or left of the pointer is chosen
// (the first record of that column), so a click between the columns of a short log does
// not fall back to its start. In a gap between logs, or below or above the plot, the first
// log that lies right of the pointer is chosen at record 0; right of every record, none.
void SkinLogGraph::moveCursor(const QPointF &p)
{
    _xCursor = p.x();
    const QRectF plot = _picture.plotRect();
    if (_picture.entries().isEmpty())
        return;
    const bool onPlot = p.y() >= plot.y() + 1 && p.y() < plot.y() + plot.height() - 1;
    FileLog *later = nullptr;
    for (const Entry &e : _picture.entries()) {
        if (e.msecs.empty())
            continue;
        qint64 best = -1;
        double bestX = 0, lastX = -1e300;
        bool right = false;
        for (size_t i = 0; i < e.msecs.size(); ++i) {
            const double x = xOfMsec(e.msecs[i]);
            lastX = std::max(lastX, x);
            right = right || x >= p.x();
            if (x <= p.x() && (best < 0 || x > bestX)) {
                best = qint64(i);
                bestX = x;
            }
        }
        if (onPlot && best >= 0 && p.x() < lastX + 1) {
            emit changeFileLog(e.log, best);
            return;
        }
        if (right && !later)
            later = e.log;
    }
    emit changeFileLog(later, 0);
}
