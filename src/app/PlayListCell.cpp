#include "PlayListCell.h"

#include "PlayListTable.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

void PlayListCell::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QRectF box = QRectF(option.rect).adjusted(Inset, Inset, -Inset, -Inset);

    painter->save();
    // The row may carry the style's selection band; the grey ground goes over it so only
    // the box tells the selected row apart.
    painter->fillRect(option.rect, PlayListTable::groundColor());
    painter->setRenderHint(QPainter::Antialiasing, true);
    QPainterPath path;
    // Half-pixel offset keeps the one-pixel outline crisp.
    path.addRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), Radius, Radius);
    if (selected) {
        painter->fillPath(path, Qt::black);
    } else {
        painter->fillPath(path, Qt::white);
        painter->setPen(QPen(Qt::black, 1.0));
        painter->drawPath(path);
    }

    const QString text = index.data(Qt::DisplayRole).toString();
    painter->setPen(selected ? Qt::white : Qt::black);
    painter->setFont(option.font);
    const QFontMetrics metrics(option.font);
    const QRect title = option.rect;
    const int y = title.y() + (title.height() - metrics.height()) / 2;
    const QRect textRect(title.x() + TextIndent, y, std::max(0, title.width() - TextIndent - Inset),
                         metrics.height());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(text, Qt::ElideRight, textRect.width()));
    painter->restore();
}

QSize PlayListCell::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(PlayListTable::RowHeight);
    return size;
}
