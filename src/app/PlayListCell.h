// Draws a row of the play list or trigger list as a box with curved corners: black with
// white text when selected, white with a black outline and black text otherwise.
#pragma once

#include <QStyledItemDelegate>

class PlayListCell : public QStyledItemDelegate {
    Q_OBJECT

public:
    // Gap between the row's edge and its box, the corner radius, and where the text starts.
    static constexpr int Inset = 2;
    static constexpr qreal Radius = 5.0;
    static constexpr int TextIndent = 60;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
