// Pictures of what a widget shows, for printing and copying views.
#pragma once

#include <QImage>
#include <QRect>

class QWidget;

class ViewSnapshot {
public:
    // The widget's content inside rect (widget coordinates, top-left origin; an invalid
    // rect means the whole widget) as an image of that size.
    static QImage imageForView(QWidget *view, const QRect &rect = QRect());
};
