#include "SkinGraph.h"

#include "CursorDrag.h"
#include "Geometry.h"
#include "SkinManager.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

SkinGraph::SkinGraph(SkinManager *skinManager, FileManager *fileManager, QWidget *parent)
    : QWidget(parent), _picture(fileManager)
{
    if (skinManager)
        setGeometry(Geometry::toQt(skinManager->rectForKey(FrameKey), SkinManager::WindowHeight));
    _picture.setSize(size());
    setMouseTracking(true);
}

void SkinGraph::loadWithFileVideo(FileVideo *fileVideo, qint64 frameIndex)
{
    _picture.loadWithFileVideo(fileVideo, frameIndex);
    invalidate();
}

void SkinGraph::loadWithFileLog(FileLog *fileLog, qint64 frameIndex)
{
    _picture.loadWithFileLog(fileLog, frameIndex);
    invalidate();
}

void SkinGraph::clear()
{
    _picture.clear();
    invalidate();
}

void SkinGraph::setZoom(double zoom)
{
    if (_picture.setZoom(zoom))
        invalidate();
}

void SkinGraph::setFrameIndex(qint64 frameIndex)
{
    if (_picture.setFrameIndex(frameIndex))
        invalidate();
    else
        moveCursorRect();
}

// ---- Drawing ----

void SkinGraph::invalidate()
{
    _cacheValid = false;
    _rectCursor = _picture.cursorBoxAt(_picture.frameIndex());
    update();
}

// Only the strips under the old and the new cursor are repainted.
void SkinGraph::moveCursorRect()
{
    const QRectF old = _rectCursor;
    _rectCursor = _picture.cursorBoxAt(_picture.frameIndex());
    if (old == _rectCursor)
        return;
    for (const QRectF &box : {old, _rectCursor})
        if (!box.isNull())
            update(Geometry::toQt(box, height()).toAlignedRect().adjusted(-2, -2, 2, 2));
}

void SkinGraph::paintEvent(QPaintEvent *event)
{
    if (!_cacheValid || _cache.size() != size() * devicePixelRatioF()) {
        _cache = GraphPainter::newCache(*this);
        QPainter p(&_cache);
        _picture.paint(p);
        _cacheValid = true;
    }
    QPainter p(this);
    GraphPainter::drawExposed(p, event->rect(), _cache);
    if (!_rectCursor.isNull()) {
        GraphPainter painter(p, height(), _picture.font());
        painter.strokeRect(_rectCursor, 0.7, Qt::white);
    }
}

void SkinGraph::resizeEvent(QResizeEvent *)
{
    _picture.setSize(size());
    invalidate();
}

// ---- Mouse ----

QPointF SkinGraph::specPoint(const QPointF &qtPoint) const
{
    return Geometry::fromQt(qtPoint, height());
}

void SkinGraph::mousePressEvent(QMouseEvent *event)
{
    const QPointF p = specPoint(event->position());
    if (const qint64 mark = _picture.markAt(p); mark >= 0) {
        if (FileVideo *video = _picture.fileVideo())
            emit fileVideoFrameIndex(video, mark);
        else
            emit fileLogFrameIndex(_picture.fileLog(), mark);
        return;
    }
    _drag.press(_rectCursor, p);
    moveCursor(p);
}

void SkinGraph::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF p = specPoint(event->position());
    if (_drag.follows(this, _rectCursor, p, event->buttons()))
        moveCursor(p);
}

void SkinGraph::mouseReleaseEvent(QMouseEvent *)
{
    _drag.release();
}

// The first frame whose cursor box, 3 points either side of its x, holds the pointer.
void SkinGraph::moveCursor(const QPointF &p)
{
    const Range range = _picture.range();
    const QRectF plot = _picture.plotRect();
    if (range.length <= 0 || _picture.isEmpty())
        return;
    const double step = GraphPainter::sampleStep(plot, range.length);
    for (qint64 j = 0; j < range.length; ++j) {
        const QRectF box(plot.x() + double(j) * step - 3, plot.y() + 1, 6, plot.height() - 2);
        if (box.x() > p.x())
            return;
        if (!CursorDrag::holds(box, p))
            continue;
        if (FileVideo *video = _picture.fileVideo())
            emit fileVideoFrameIndex(video, range.location + j);
        else
            emit fileLogFrameIndex(_picture.fileLog(), range.location + j);
        return;
    }
}
