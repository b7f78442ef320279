#include "PlayListTable.h"

#include "PlayListCell.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

PlayListTable::PlayListTable(QWidget *parent) : QTableWidget(parent)
{
    setColumnCount(1);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    verticalHeader()->setMinimumSectionSize(RowHeight);
    horizontalHeader()->setStretchLastSection(true);
    setShowGrid(false);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setItemDelegate(new PlayListCell(this));

    // The grey ground replaces the platform's selection band; the cells mark the
    // selected row themselves.
    QPalette ground = palette();
    ground.setColor(QPalette::Base, groundColor());
    ground.setColor(QPalette::Window, groundColor());
    setPalette(ground);
    viewport()->setAutoFillBackground(true);
}

void PlayListTable::setRowTexts(const QStringList &texts)
{
    clearSelection();
    clearContents();
    setRowCount(int(texts.size()));
    for (int row = 0; row < texts.size(); ++row) {
        auto *item = new QTableWidgetItem(texts[row]);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setItem(row, 0, item);
    }
    setCurrentItem(nullptr);
}

QString PlayListTable::rowText(int row) const
{
    const QTableWidgetItem *cell = item(row, 0);
    return cell ? cell->text() : QString();
}

void PlayListTable::selectRowQuietly(int row)
{
    if (row < 0 || row >= rowCount()) {
        clearSelection();
        return;
    }
    setCurrentCell(row, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollToItem(item(row, 0));
}

int PlayListTable::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void PlayListTable::mousePressEvent(QMouseEvent *event)
{
    // Only a left click on a row chooses; the table's own handling would also select on
    // other buttons, and deselect on a control-click or a click beside the rows, while
    // the selection here is the file being shown.
    event->accept();
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !index.isValid())
        return;
    emit shouldSelectRow(index.row());
    selectRowQuietly(index.row());
}

void PlayListTable::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The first click of a double click already chose the row.
    event->accept();
}

void PlayListTable::mouseMoveEvent(QMouseEvent *event)
{
    // Dragging over the rows would move the selection without a choice being made.
    if (event->buttons() != Qt::NoButton)
        return;
    QTableWidget::mouseMoveEvent(event);
}

void PlayListTable::keyPressEvent(QKeyEvent *event)
{
    if (!isNavigationKey(event->key())) {
        // Space, left and right belong to the player; let them reach the window.
        event->ignore();
        return;
    }
    const int before = currentRow();
    // In a one-column table Qt moves Home and End along the row; here they mean the first
    // and the last recording.
    if (event->key() == Qt::Key_Home && rowCount() > 0)
        setCurrentCell(0, 0);
    else if (event->key() == Qt::Key_End && rowCount() > 0)
        setCurrentCell(rowCount() - 1, 0);
    else
        QTableWidget::keyPressEvent(event);
    const int after = currentRow();
    if (after >= 0 && after != before)
        emit shouldSelectRow(after);
}

void PlayListTable::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    setColumnWidth(0, viewport()->width());
}

bool PlayListTable::isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}
