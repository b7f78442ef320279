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

// The first differing pixel as text, or empty when the pictures match.
inline QString difference(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("size differs");
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("pixel (%1, %2) differs").arg(x).arg(y);
    return QString();
}

} // namespace GlyphPicture
