#include "FileTableView.h"

#include "Texts.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>

namespace {

enum Column { ColCheck = 0, ColDate = 1, ColText = 2 };

const char *dateTitleKey(const QString &type)
{
    if (type == QLatin1String("event"))
        return "gui_event_file";
    if (type == QLatin1String("normal"))
        return "gui_normal_file";
    return "gui_log_file";
}

bool isListType(const QString &type)
{
    return type == QLatin1String("event") || type == QLatin1String("normal")
           || type == QLatin1String("log");
}

QTableWidgetItem *textItem(const QString &text, Qt::Alignment alignment)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

} // namespace

FileTableView::FileTableView(const QString &type, QWidget *parent)
    : QWidget(parent), _type(type), _tableView(new QTableWidget(this))
{
    _tableView->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    _tableView->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    _tableView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    _tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    _tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    _tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    _tableView->verticalHeader()->hide();
    _tableView->horizontalHeader()->setSectionsClickable(false);
    _tableView->horizontalHeader()->setHighlightSections(false);
    // The last column takes what the fixed widths leave, so its texts are cut less.
    _tableView->horizontalHeader()->setStretchLastSection(true);
    _tableView->setWordWrap(false);
    _tableView->installEventFilter(this);
    addColumns();
    connect(_tableView, &QTableWidget::itemChanged, this, &FileTableView::itemChanged);
}

void FileTableView::addColumns()
{
    addColumn("gui_list_no", CheckWidth);
    if (!isListType(_type))
        return;
    addColumn(dateTitleKey(_type), DateWidth);
    addColumn(_type == QLatin1String("event") ? "gui_type" : "gui_duration", TextWidth);
}

void FileTableView::addColumn(const char *titleKey, int width)
{
    const int column = _tableView->columnCount();
    _tableView->setColumnCount(column + 1);
    auto *title = new QTableWidgetItem(Texts::text(titleKey));
    title->setTextAlignment(Qt::AlignCenter);
    _tableView->setHorizontalHeaderItem(column, title);
    _tableView->setColumnWidth(column, width);
}

QStringList FileTableView::columnTitles() const
{
    QStringList titles;
    for (int column = 0; column < _tableView->columnCount(); ++column)
        titles << _tableView->horizontalHeaderItem(column)->text();
    return titles;
}

void FileTableView::loadData(const QList<ListRow> &rows)
{
    _array = rows;
    _filling = true;
    _tableView->clearContents();
    _tableView->setRowCount(int(_array.size()));
    for (int row = 0; row < _array.size(); ++row)
        fillRow(row);
    _filling = false;
}

void FileTableView::updateRow(const ListRow &row)
{
    if (row.idx < 0 || row.idx >= _array.size())
        return;
    const bool checked = _array[row.idx].col1;
    _array[row.idx] = row;
    _array[row.idx].col1 = checked;
    _filling = true;
    fillRow(int(row.idx));
    _filling = false;
}

void FileTableView::fillRow(int row)
{
    const ListRow &data = _array[row];
    // The check box carries the row number as its title.
    auto *check = new QTableWidgetItem(data.seq);
    check->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    check->setCheckState(data.col1 ? Qt::Checked : Qt::Unchecked);
    check->setTextAlignment(Qt::AlignCenter);
    _tableView->setItem(row, ColCheck, check);
    if (_tableView->columnCount() > ColDate) {
        QTableWidgetItem *date = textItem(data.col2, Qt::AlignHCenter);
        if (data.damaged)
            date->setForeground(QColor(0xc0, 0x30, 0x30));
        _tableView->setItem(row, ColDate, date);
    }
    if (_tableView->columnCount() > ColText)
        _tableView->setItem(row, ColText, textItem(data.col3, Qt::AlignRight));
}

void FileTableView::checkAll(bool flag)
{
    _filling = true;
    for (int row = 0; row < _array.size(); ++row) {
        _array[row].col1 = flag;
        if (QTableWidgetItem *check = _tableView->item(row, ColCheck))
            check->setCheckState(flag ? Qt::Checked : Qt::Unchecked);
    }
    _filling = false;
}

void FileTableView::setChecked(int row, bool flag)
{
    if (row < 0 || row >= _array.size())
        return;
    // Goes through the item so that the box and the row's mark cannot disagree.
    if (QTableWidgetItem *check = _tableView->item(row, ColCheck))
        check->setCheckState(flag ? Qt::Checked : Qt::Unchecked);
}

QList<ListRow> FileTableView::checkedRows() const
{
    QList<ListRow> rows;
    for (const ListRow &row : _array) {
        if (row.col1)
            rows.append(row);
    }
    return rows;
}

void FileTableView::itemChanged(QTableWidgetItem *item)
{
    if (_filling || item->column() != ColCheck)
        return;
    const int row = item->row();
    if (row < 0 || row >= _array.size())
        return;
    const bool flag = item->checkState() != Qt::Unchecked;
    if (_array[row].col1 == flag)
        return;
    _array[row].col1 = flag;
    emit rowChecked(row, flag);
}

bool FileTableView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == _tableView && event->type() == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent *>(event));
    return QWidget::eventFilter(watched, event);
}

bool FileTableView::handleKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space: {
        if (event->isAutoRepeat())
            return true;
        int row = _tableView->currentRow();
        if (row < 0 && !_array.isEmpty()) {
            row = 0;
            _tableView->selectRow(row);
        }
        if (row >= 0)
            setChecked(row, !_array[row].col1);
        return true;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
        // Not used by the table: the window steps frames with them. Key events travel
        // up the parents from the receiver until one accepts them.
        event->accept();
        QApplication::sendEvent(this, event);
        // Delivered once; the table itself must not see it again on the way up.
        event->accept();
        return true;
    default:
        return false;
    }
}

void FileTableView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    _tableView->setGeometry(rect());
}
