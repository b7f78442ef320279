#include "PlayListView.h"

#include "PlayListTable.h"

PlayListView::PlayListView(QWidget *parent) : QWidget(parent), _tableView(new PlayListTable(this))
{
    connect(_tableView, &PlayListTable::shouldSelectRow, this, &PlayListView::shouldSelectRow);
}

QString PlayListView::rowText(const ListRow &row)
{
    return QStringLiteral("%1 %2 [%3]").arg(row.seq, row.col2, row.col3);
}

void PlayListView::loadData(const QList<ListRow> &rows, const QString &type)
{
    _array = rows;
    _type = type;
    QStringList texts;
    QList<qint64> fileIndices;
    for (const ListRow &row : _array) {
        texts << rowText(row);
        fileIndices << row.idx;
    }
    _tableView->setRowTexts(texts);
    _tableView->selectRowQuietly(0);
    emit loadDataType(fileIndices, type);
    if (!_array.isEmpty())
        emit selectedRowFrameIndexSelectByUser(_array.first().idx, 0, true);
}

void PlayListView::clear()
{
    _array.clear();
    _type.clear();
    _tableView->setRowTexts({});
}

int PlayListView::selectedRowIndex() const
{
    return _tableView->selectedRow();
}

void PlayListView::playNext()
{
    const int row = selectedRowIndex();
    if (row < 0 || row + 1 >= _array.size())
        return;
    moveTo(row + 1, 0, false);
}

void PlayListView::playPrevious()
{
    const int row = selectedRowIndex();
    if (row <= 0 || row >= _array.size())
        return;
    moveTo(row - 1, -1, false);
}

void PlayListView::playWithFileIndex(qint64 fileIndex, qint64 frameIndex)
{
    for (int row = 0; row < _array.size(); ++row) {
        if (_array[row].idx == fileIndex) {
            moveTo(row, frameIndex, true);
            return;
        }
    }
}

void PlayListView::moveTo(int row, qint64 frameIndex, bool selectByUser)
{
    _tableView->selectRowQuietly(row);
    emit selectedRowFrameIndexSelectByUser(_array[row].idx, frameIndex, selectByUser);
}

void PlayListView::shouldSelectRow(int row)
{
    // Told before the selection moves; choosing the selected row again restarts its file.
    if (row >= 0 && row < _array.size())
        emit selectedRowFrameIndexSelectByUser(_array[row].idx, 0, true);
}

void PlayListView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    _tableView->setGeometry(rect());
}
