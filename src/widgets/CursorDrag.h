// The cursor box of a graph: a press inside it starts a drag, a move with the button down
// drags only then, and hovering it shows the resize pointer. Positions in the view's
// bottom-left coordinates.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QWidget>

class CursorDrag {
public:
    // Left and bottom edges inside, right and top edges outside.
    static bool holds(const QRectF &box, const QPointF &p)
    {
        return p.x() >= box.x() && p.x() < box.x() + box.width() && p.y() >= box.y()
               && p.y() < box.y() + box.height();
    }

    void press(const QRectF &cursor, const QPointF &p) { _dragging = holds(cursor, p); }
    void release() { _dragging = false; }

    // Whether the cursor follows this move; without a button only the pointer changes.
    bool follows(QWidget *view, const QRectF &cursor, const QPointF &p, Qt::MouseButtons buttons) const
    {
        if (buttons & Qt::LeftButton)
            return _dragging;
        if (holds(cursor, p))
            view->setCursor(Qt::SizeHorCursor);
        else
            view->unsetCursor();
        return false;
    }

private:
    bool _dragging = false;
};
