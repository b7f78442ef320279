#include "CardWindow.h"

#include "Texts.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QTableWidget>

CardWindow::CardWindow(UsbManager *usbManager, QWidget *parent)
    : ToolWindow(parent), _usbManager(usbManager)
{
    if (_usbManager && _usbManager->waitUntilReady())
        _array = _usbManager->disks();
}

CardWindow::~CardWindow() = default;

void CardWindow::setUpList(QTableWidget *table, QProgressBar *progress, QLabel *message)
{
    _table = table;
    _progress = progress;
    _table->setColumnCount(1);
    _table->horizontalHeader()->hide();
    _table->horizontalHeader()->setStretchLastSection(true);
    _table->verticalHeader()->hide();
    _table->setSelectionBehavior(QAbstractItemView::SelectRows);
    _table->setSelectionMode(QAbstractItemView::SingleSelection);
    _table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    _progress->setRange(0, 1);
    _progress->setValue(0);
    _progress->setTextVisible(false);
    // Without UDisks2 the list stays empty; say why instead of showing nothing.
    const bool available = _usbManager && _usbManager->available();
    message->setVisible(!available);
    message->setText(Texts::text("msg_no_udisks"));
    reloadTable();
}

void CardWindow::reloadTable()
{
    _table->clearContents();
    _table->setRowCount(int(_array.size()));
    for (int row = 0; row < _array.size(); ++row)
        _table->setItem(row, 0, new QTableWidgetItem(_array.at(row).name));
    _table->clearSelection();
}

int CardWindow::selectedRow() const
{
    const QModelIndexList rows = _table->selectionModel()->selectedRows();
    const int row = rows.isEmpty() ? -1 : rows.constFirst().row();
    return row >= 0 && row < _array.size() ? row : -1;
}

void CardWindow::setBusy(bool busy)
{
    _busy = busy;
    _progress->setRange(0, busy ? 0 : 1);
    _table->setEnabled(!busy);
}

void CardWindow::showAlert(const QString &key, bool ok, const QString &detail)
{
    QMessageBox box(ok ? QMessageBox::Information : QMessageBox::Critical, windowTitle(),
        Texts::text(key), QMessageBox::Ok, this);
    box.setInformativeText(detail);
    box.exec();
    emit finished(ok);
}

void CardWindow::reject()
{
    if (!_busy)
        ToolWindow::reject();
}

void CardWindow::closeEvent(QCloseEvent *event)
{
    if (_busy)
        event->ignore();
    else
        ToolWindow::closeEvent(event);
}
