// What a widget paints, for comparing pictures in the widget tests.
#pragma once

#include <QImage>
#include <QWidget>

namespace GlyphPicture {

// What the widget itself paints, over a transparent ground.
inline QImage grab(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace GlyphPicture
