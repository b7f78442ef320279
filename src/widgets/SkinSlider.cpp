#include "SkinSlider.h"

#include "DisplayFormat.h"
#include "FileVideo.h"
#include "Geometry.h"
#include "GraphPainter.h"
#include "SkinManager.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

SkinSlider::SkinSlider(QWidget *parent)
    : QWidget(parent),
      _backImage(SkinManager::resourceImage(QStringLiteral("slider_back"))),
      _thumbImage(SkinManager::resourceImage(QStringLiteral("slider_thumb")))
{
    _font = font();
    _font.setPixelSize(11);
}

QList<double> SkinSlider::markArray() const
{
    QList<double> marks;
    for (qint64 k : _markFrames)
        marks.append(double(k) * _thumbOffset);
    return marks;
}

// Marks and labels are kept by frame, so a later width only changes the scale.
void SkinSlider::setFileVideo(FileVideo *fileVideo)
{
    _markFrames.clear();
    _eventMarks.clear();
    _timeArray.clear();
    _frameCount = 0;
    _thumbOffset = 0;
    if (!fileVideo || fileVideo->type() != FileVideo::Normal)
        return;
    const qint64 n = fileVideo->frameCount();
    _frameCount = n;
    _frameIndex = std::clamp<qint64>(_frameIndex, 0, std::max<qint64>(n - 1, 0));
    for (qint64 k = 0; k < n;) {
        if (fileVideo->headerAtIndex(k).event_type == 0) {
            ++k;
            continue;
        }
        _markFrames.append(k);
        // The rest of the run and the frame that ends it.
        while (k < n && fileVideo->headerAtIndex(k).event_type != 0)
            ++k;
        ++k;
    }
    _eventMarks.setEvents(DrivingEvents::ofRecording(fileVideo->file().headers(), DrivingEvents::storedThresholds(_format)));
    const qint64 q = n / 4;
    for (qint64 k : {qint64(0), q, 2 * q, 3 * q, n - 1})
        _timeArray.append(_format.timeString(fileVideo->headerAtIndex(k).time));
    rescale();
}

void SkinSlider::setFrameIndex(qint64 frameIndex)
{
    if (_frameCount == 0)
        return;
    _frameIndex = frameIndex;
    placeThumb();
}

void SkinSlider::resizeEvent(QResizeEvent *)
{
    rescale();
}

// A recording of one frame keeps the thumb at its start.
void SkinSlider::rescale()
{
    _thumbOffset = _frameCount > 1 ? std::max(0.0, (width() - 10.0) / double(_frameCount - 1)) : 0.0;
    _cacheValid = false;
    _thumbRect.moveLeft(thumbX());
    update();
}

double SkinSlider::markX(qint64 frameIndex) const
{
    return std::max(10.0, double(frameIndex) * _thumbOffset);
}

double SkinSlider::thumbX() const
{
    const double x = std::max(5.0, double(_frameIndex) * _thumbOffset - 10);
    return std::min(x, width() - 25.0);
}

// Repaints only the old and the new place of the thumb, and only when it moves a pixel.
void SkinSlider::placeThumb()
{
    const QRectF old = _thumbRect;
    _thumbRect.moveLeft(thumbX());
    if (std::lround(old.x()) == std::lround(_thumbRect.x()))
        return;
    for (const QRectF &box : {old, _thumbRect})
        update(Geometry::toQt(box, height()).toAlignedRect().adjusted(-1, -1, 1, 1));
}

// ---- Drawing ----

void SkinSlider::renderCache()
{
    _cache = GraphPainter::newCache(*this);
    QPainter p(&_cache);
    const int h = height();
    const QRectF bar(0, BarY, width(), _backImage.isNull() ? 18 : _backImage.height());
    p.drawImage(Geometry::toQt(bar, h), _backImage);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath red;
    red.addRoundedRect(Geometry::toQt(bar.adjusted(3, 3, -3, -3), h), 5, 5);
    p.fillPath(red, QColor(255, 0, 0));
    p.setRenderHint(QPainter::Antialiasing, false);

    QPainterPath marks;
    for (double m : markArray()) {
        const double x = std::max(10.0, m);
        marks.moveTo(Geometry::toQt(QPointF(x, bar.y() + 3), h));
        marks.lineTo(Geometry::toQt(QPointF(x, bar.y() + bar.height() - 3), h));
    }
    p.strokePath(marks, QPen(QColor(255, 255, 0), 2));
    _eventMarks.draw(p, h, MarkTipY, [this](qint64 k) { return markX(k); });

    p.setFont(_font);
    p.setPen(QColor(255, 255, 255));
    const int w = width();
    for (int k = 0; k < _timeArray.size() && k < 5; ++k) {
        const double x = k == 0 ? 0 : (k == 4 ? w - 50 : k * (w - 50) / 4.0);
        const int align = k == 0 ? Qt::AlignLeft : (k == 4 ? Qt::AlignRight : Qt::AlignHCenter);
        p.drawText(Geometry::toQt(QRectF(x, 0, 50, 15), h), align | Qt::AlignTop, _timeArray[k]);
    }
    _cacheValid = true;
}

void SkinSlider::paintEvent(QPaintEvent *event)
{
    if (!_cacheValid || _cache.size() != size() * devicePixelRatioF())
        renderCache();
    QPainter p(this);
    GraphPainter::drawExposed(p, event->rect(), _cache);
    const QPointF corner(std::lround(_thumbRect.x()), _thumbRect.y());
    p.drawImage(Geometry::toQt(QRectF(corner, _thumbImage.size()), height()).topLeft(), _thumbImage);
}

// ---- Mouse ----

// Each frame owns a band one point wide from its x; with more frames than points the
// lowest frame whose band holds the pointer wins, between bands the nearest frame does.
qint64 SkinSlider::frameAt(const QPointF &p) const
{
    if (_frameCount <= 0 || p.y() < ThumbY || p.y() >= ThumbY + _thumbRect.height())
        return -1;
    const qint64 last = _frameCount - 1;
    if (_thumbOffset <= 0)
        return 0;
    const double x = p.x();
    const qint64 lowest = std::max<qint64>(0, qint64(std::floor((x - 1) / _thumbOffset)) + 1);
    if (lowest <= last && double(lowest) * _thumbOffset <= x)
        return lowest;
    return std::clamp<qint64>(std::llround(x / _thumbOffset), 0, last);
}

void SkinSlider::moveThumb(const QPointF &p)
{
    const qint64 k = frameAt(p);
    if (k >= 0)
        emit changeFrameIndex(k);
}

void SkinSlider::mousePressEvent(QMouseEvent *event)
{
    const QPointF p = Geometry::fromQt(event->position(), height());
    _canDrag = _thumbRect.contains(p);
    const qint64 mark = _canDrag ? -1 : _eventMarks.indexAt(p, MarkTipY, [this](qint64 k) { return markX(k); });
    if (mark >= 0 && mark < _frameCount) {
        emit changeFrameIndex(mark);
        return;
    }
    moveThumb(p);
}

void SkinSlider::mouseMoveEvent(QMouseEvent *event)
{
    if (_canDrag && (event->buttons() & Qt::LeftButton))
        moveThumb(Geometry::fromQt(event->position(), height()));
}

void SkinSlider::mouseReleaseEvent(QMouseEvent *)
{
    _canDrag = false;
}
