// The readable skin description (resources/skin/skin.json): skin items with their
// rectangles and artwork, the panels of the window background, glyph strips and pictures.
#pragma once

#include <QHash>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

struct SkinItem {
    int key = 0;
    QString kind;   // image, button, check or rect
    QString space;  // window, list or logpage
    QRect rect;     // top-left-origin pixels of its space
    bool visible = true;
    QString art;    // picture name of an image item
    QString style;  // face of a button
    QString icon;   // drawn symbol of a button, may be empty
    QString use;

    int binaryKind() const;  // 2 image, 3 button or check, 1 rectangle only
    bool isButton() const { return kind == QLatin1String("button") || kind == QLatin1String("check"); }
};

struct DecorItem {
    QString art;
    QRect rect;
};

struct StripSpec {
    QString name;
    int count = 0;
    int width = 0;   // of one glyph
    int height = 0;
    QString art;
};

struct PictureSpec {
    QString name;
    int width = 0;
    int height = 0;
    QString art;
};

class SkinSource {
public:
    bool load(const QString &path, QString *error);

    const SkinItem *item(int key) const;
    QSize spaceSize(const QString &space) const { return spaces.value(space); }
    // Where a space's origin lies in the window (list and log page sit on keys 4 and 1).
    QPoint spaceOrigin(const QString &space) const;

    QHash<QString, QSize> spaces;
    QList<SkinItem> items;
    QList<DecorItem> decor;
    QList<StripSpec> glyphs;
    QList<PictureSpec> pictures;
};
