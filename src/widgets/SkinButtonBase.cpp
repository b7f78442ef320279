#include "SkinButtonBase.h"

#include "Geometry.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

SkinButtonBase::SkinButtonBase(QWidget *parent)
    : QAbstractButton(parent)
{
    // Skinned buttons are mouse controls; keyboard clicks would bypass mouse-down.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void SkinButtonBase::setTextColor(const QColor &color)
{
    _textColor = color;
    update();
}

QSize SkinButtonBase::sizeHint() const
{
    const QImage &image = currentImage();
    return image.isNull() ? QSize(0, 0) : image.size();
}

void SkinButtonBase::place(const SkinButtonInfo &info, int parentHeight)
{
    setGeometry(Geometry::toQt(info.position, parentHeight));
}

void SkinButtonBase::applyVisibility(const SkinButtonInfo &info)
{
    if (!info.visible)
        hide();
}

bool SkinButtonBase::isLaterClick(const QMouseEvent *event) const
{
    if (_lastMultiClick == 0 || event->timestamp() < _lastMultiClick)
        return false;
    const auto interval = quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    return event->timestamp() - _lastMultiClick < interval;
}

bool SkinButtonBase::acceptsPress(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return false;
    }
    event->accept();
    // Qt reports the second click of a multi-click as a double click, a third as a
    // plain press again; both count as repeats and do nothing.
    if (isLaterClick(event)) {
        _lastMultiClick = event->timestamp();
        return false;
    }
    _lastMultiClick = 0;
    return _enabled;
}

bool SkinButtonBase::acceptsRelease(QMouseEvent *event) const
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return false;
    }
    event->accept();
    return _enabled;
}

void SkinButtonBase::sendAction()
{
    emit triggered(_tag);
}

void SkinButtonBase::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click: swallowed, not treated as another press.
    if (event->button() == Qt::LeftButton)
        _lastMultiClick = event->timestamp();
    event->accept();
}

void SkinButtonBase::mouseMoveEvent(QMouseEvent *event)
{
    // A drag that starts on a button stays with it (it must not move the window).
    event->accept();
}

QString SkinButtonBase::fittedTitle(const QString &title, int width, QFont *font)
{
    const bool points = font->pointSizeF() > 0;
    qreal size = points ? font->pointSizeF() : font->pixelSize();
    const qreal smallest = points ? MinimumTitlePointSize : MinimumTitlePointSize * 4 / 3;
    while (QFontMetrics(*font).horizontalAdvance(title) > width && size > smallest) {
        size = qMax(smallest, size - 0.5);
        if (points)
            font->setPointSizeF(size);
        else
            font->setPixelSize(int(size));
    }
    const QFontMetrics metrics(*font);
    if (metrics.horizontalAdvance(title) <= width)
        return title;
    return metrics.elidedText(title, Qt::ElideRight, width);
}

// An outline in the selection blue over a lightened face: near the selected look, yet
// plainly not it.
void SkinButtonBase::paintHighlight(QPainter &painter) const
{
    const QColor accent(0x2e, 0x9b, 0xff);
    const QRectF box = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -0.5);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(accent, 2));
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawRoundedRect(box, 5, 5);
    painter.restore();
}

void SkinButtonBase::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (looksDisabled())
        painter.setOpacity(0.4);
    const QImage &image = currentImage();
    if (!image.isNull())
        painter.drawImage(rect(), image);
    if (_highlight && _enabled)
        paintHighlight(painter);
    if (!text().isEmpty()) {
        QFont font = this->font();
        const QString title = fittedTitle(text(), width() - 4, &font);
        painter.setPen(_textColor);
        painter.setFont(font);
        painter.drawText(rect(), Qt::AlignCenter, title);
    }
}
