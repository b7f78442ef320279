#include "VideoView.h"

#include "DisplayFormat.h"
#include "Geometry.h"
#include "Texts.h"

#include <QFontMetricsF>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kBorder(200, 200, 200);

QString recordPhaseText(int phase)
{
    switch (phase) {
    case 2:
        return Texts::text("gui_rec_pre");
    case 3:
        return Texts::text("gui_rec_post");
    default:
        return Texts::text("gui_rec_normal");
    }
}

// The picture's orientation by the "video_flip" preference, as a transform of a w x h cell.
QTransform flipTransform(int flip, qreal w, qreal h)
{
    switch (flip) {
    case 1:
        return QTransform(1, 0, 0, -1, 0, h);
    case 2:
        return QTransform(-1, 0, 0, 1, w, 0);
    case 3:
        return QTransform(-1, 0, 0, -1, w, h);
    default:
        return QTransform();
    }
}

struct Caption {
    QImage image;
    QPoint offset;  // of the image's top-left corner from the text's baseline origin
};

// Outlined text is slow to build from glyph outlines, and a grid shows the same captions
// cell after cell and step after step, so each one is drawn once and reused.
Caption outlinedCaption(const QString &text, const QFont &font, const QColor &colour, qreal dpr)
{
    static QHash<QString, Caption> cache;
    const QString key = text + QLatin1Char('\n') + colour.name() + QLatin1Char('\n') + font.key()
                        + QLatin1Char('\n') + QString::number(dpr);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return found.value();
    if (cache.size() >= 2048)
        cache.clear();

    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRect box = path.boundingRect().toAlignedRect().adjusted(-2, -2, 2, 2);
    QImage image(box.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-box.topLeft());
    painter.strokePath(path, QPen(Qt::black, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, colour);
    painter.end();
    return cache.insert(key, {image, box.topLeft()}).value();
}

} // namespace

VideoView::VideoView(const QImage &backImage, int index, QWidget *parent)
    : QWidget(parent), _index(index), _backImage(backImage), _drawImage(backImage)
{
    _font = font();
    _font.setBold(true);
    _font.setPixelSize(CaptionPixelSize);
}

QString VideoView::imgSizeCaption(uint32_t length)
{
    return QStringLiteral("%1 KB").arg(length / 1000);
}

void VideoView::drawImage(const QImage &picture, const _vexa_video_frame_header_t *header,
                          const QString &count, bool thumbnail)
{
    _imgSize.clear();
    _recType.clear();
    if (header) {
        _imgSize = imgSizeCaption(header->length);
        const QString part = recordPhaseText(header->record_phase);
        if (thumbnail)
            _recType = QStringLiteral("[%1]").arg(part);
        else
            _recType = QStringLiteral("%1 [%2]").arg(DisplayFormat::eventTypeString(header->event_type), part);
    }
    _count = count;
    _placeholder = picture.isNull();
    _drawImage = _placeholder ? _backImage : picture;
    update();
}

void VideoView::setSelect(bool select)
{
    _select = select;
    update();
}

void VideoView::setFlip(int flip)
{
    _flip = flip;
    update();
}

void VideoView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawPicture(painter);
    drawBorder(painter);
    if (!_imgSize.isEmpty())
        drawCaptions(painter);
}

void VideoView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit selectIndex(_index);
    event->accept();
}

// Only a real frame is flipped; the placeholder always stands upright.
void VideoView::drawPicture(QPainter &painter) const
{
    if (_drawImage.isNull())
        return;
    painter.save();
    QRectF target(rect());
    if (_keepAspect && !_placeholder) {
        // Black bars rather than a picture stretched to the screen's shape.
        painter.fillRect(rect(), Qt::black);
        const QSizeF fitted = QSizeF(_drawImage.size()).scaled(target.size(), Qt::KeepAspectRatio);
        target = QRectF(QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
    }
    if (!_placeholder)
        painter.setTransform(flipTransform(_flip, width(), height()));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, _drawImage);
    painter.restore();
}

void VideoView::setKeepAspect(bool keep)
{
    _keepAspect = keep;
    update();
}

void VideoView::drawBorder(QPainter &painter) const
{
    painter.save();
    painter.setPen(QPen(kBorder, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()));
    painter.restore();
}

// Size at the top left (the camera burns its time into the bottom left), recording part
// at the top right, frame number at the bottom right; positions are the cell's bottom-left
// numbers.
void VideoView::drawCaptions(QPainter &painter) const
{
    const QFontMetricsF metrics(_font);
    const qreal lineHeight = metrics.ascent() + metrics.descent();
    const auto baselineOf = [&](const QRectF &qtLine) { return qtLine.top() + metrics.ascent(); };
    const auto rightAligned = [&](const QString &text, const QRectF &box) {
        const QRectF qtBox = Geometry::toQt(box, height());
        const qreal x = qtBox.right() - metrics.horizontalAdvance(text);
        return QPointF(x, baselineOf(qtBox));
    };

    const QRectF recLine(0, 0, width() - 4, height() - 4);
    drawOutlined(painter, _imgSize, QPointF(4, rightAligned(_recType, recLine).y()));
    drawOutlined(painter, _recType, rightAligned(_recType, recLine));
    drawOutlined(painter, _count, rightAligned(_count, QRectF(0, 0, width() - 4, 20)));
}

// Red on the highlighted cell, white elsewhere, with a black outline for any background.
void VideoView::drawOutlined(QPainter &painter, const QString &text, const QPointF &baseline) const
{
    if (text.isEmpty())
        return;
    const Caption caption = outlinedCaption(text, _font, _select ? Qt::red : Qt::white, devicePixelRatioF());
    painter.drawImage(baseline.toPoint() + caption.offset, caption.image);
}
