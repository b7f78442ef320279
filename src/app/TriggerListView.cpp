#include "TriggerListView.h"

#include "FileManager.h"
#include "FileVideo.h"
#include "PlayListTable.h"
#include "Texts.h"

TriggerListView::TriggerListView(QWidget *parent)
    : QWidget(parent), _tableView(new PlayListTable(this))
{
    connect(_tableView, &PlayListTable::shouldSelectRow, this, &TriggerListView::shouldSelectRow);
    clear();
}

void TriggerListView::clear()
{
    _array.clear();
    _tableView->setRowTexts({Texts::text("gui_no_event_marker")});
}

void TriggerListView::loadWithIndex(qint64 fileIndex)
{
    _array.clear();
    const FileVideo *video =
        _fileManager ? _fileManager->videoAtIndex(fileIndex, QStringLiteral("normal")) : nullptr;
    if (video) {
        for (qint64 frame : video->triggerList()) {
            const _vexa_video_frame_header_t &header = video->headerAtIndex(frame);
            TriggerRow row;
            row.idx = frame;
            row.str = QStringLiteral("%1 [%2]").arg(_format.dateString(header.time),
                                                    DisplayFormat::eventTypeString(header.event_type));
            _array.append(row);
        }
    }
    QStringList texts;
    for (const TriggerRow &row : _array)
        texts << row.str;
    if (texts.isEmpty())
        texts << Texts::text("gui_no_event_marker");
    _tableView->setRowTexts(texts);
}

int TriggerListView::rowCount() const
{
    return _array.isEmpty() ? 1 : int(_array.size());
}

QString TriggerListView::rowText(int row) const
{
    return _tableView->rowText(row);
}

int TriggerListView::selectedRowIndex() const
{
    return _tableView->selectedRow();
}

void TriggerListView::shouldSelectRow(int row)
{
    // The "no trigger" row may be selected but points nowhere.
    if (row >= 0 && row < _array.size())
        emit selectedRow(_array[row].idx);
}

void TriggerListView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    _tableView->setGeometry(rect());
}
