// Expected pictures of the glyph read-outs, built from the same bundled strips the
// widgets use and placed by bottom-left numbers, for comparison with a grabbed widget.
#pragma once

#include "Geometry.h"
#include "SkinManager.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QWidget>

class GlyphPicture {
public:
    explicit GlyphPicture(QSize size, QColor background = Qt::transparent)
        : _image(size, QImage::Format_ARGB32_Premultiplied)
    {
        _image.fill(background);
    }

    // Glyph at its own size, bottom-left corner at (x, y).
    void place(const QImage &glyph, int x, int y)
    {
        QPainter painter(&_image);
        painter.drawImage(Geometry::toQt(QRect(QPoint(x, y), glyph.size()), _image.height()).topLeft(),
                          glyph);
    }
    // Glyph scaled into a bottom-left rectangle.
    void placeScaled(const QImage &glyph, const QRect &box)
    {
        QPainter painter(&_image);
        painter.drawImage(Geometry::toQt(box, _image.height()), glyph);
    }

    const QImage &image() const { return _image; }

    // What the widget itself paints, over a transparent ground.
    static QImage grab(QWidget *widget)
    {
        QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    }

    // The first differing pixel as text, or empty when the pictures match.
    static QString difference(const QImage &actual, const QImage &expected)
    {
        if (actual.size() != expected.size())
            return QStringLiteral("size %1x%2 instead of %3x%4")
                .arg(actual.width()).arg(actual.height()).arg(expected.width()).arg(expected.height());
        for (int y = 0; y < actual.height(); ++y)
            for (int x = 0; x < actual.width(); ++x)
                if (actual.pixel(x, y) != expected.pixel(x, y))
                    return QStringLiteral("pixel (%1, %2): %3 instead of %4")
                        .arg(x).arg(y).arg(actual.pixel(x, y), 8, 16).arg(expected.pixel(x, y), 8, 16);
        return QString();
    }

    static QList<QImage> strip(const char *name, int count)
    {
        return SkinManager::resourceImageArray(QString::fromLatin1(name), count);
    }

    // Pairs of equal glyphs among the first count ("i=j ..."), empty when a picture check
    // tells them all apart.
    static QString duplicates(const QList<QImage> &glyphs, int count)
    {
        QString found;
        for (int i = 0; i < count && i < glyphs.size(); ++i)
            for (int j = i + 1; j < count && j < glyphs.size(); ++j)
                if (glyphs[i] == glyphs[j])
                    found += QStringLiteral("%1=%2 ").arg(i).arg(j);
        return found;
    }

private:
    QImage _image;
};

#define COMPARE_PICTURE(widget, expected)                                                   \
    do {                                                                                    \
        const QString diff_ = GlyphPicture::difference(GlyphPicture::grab(widget), (expected).image()); \
        QVERIFY2(diff_.isEmpty(), qPrintable(diff_));                                      \
    } while (false)
