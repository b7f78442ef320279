// Everything a skinned button needs from one skin item: its four state images, where it
// sits in its view and whether it starts visible.
#pragma once

#include <QImage>
#include <QRect>

struct SkinButtonInfo {
    // For check buttons the same four slots mean: off, off with the mouse inside,
    // on, on with the mouse inside.
    QImage imageNormal;
    QImage imagePressed;
    QImage imageHover;
    QImage imageDisabled;
    // Bottom-left-origin rectangle inside the view (rectForKey(key, viewHeight));
    // widgets turn it into Qt geometry with Geometry::toQt.
    QRect position;
    bool visible = true;
};
