#include "CardWindow.h"

#include "Texts.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QInputDialog>
#include <QLocale>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QTableWidget>

CardWindow::CardWindow(UsbManager *usbManager, QWidget *parent)
    : ToolWindow(parent), _usbManager(usbManager)
{
    if (_usbManager && _usbManager->waitUntilReady())
        _array = _usbManager->disks();
    if (_usbManager)
        connect(_usbManager, &UsbManager::disksChanged, this, &CardWindow::disksChanged);
}

CardWindow::~CardWindow() = default;

void CardWindow::setUpList(QTableWidget *table, QProgressBar *progress, QLabel *message)
{
    _table = table;
    _progress = progress;
    _table->setColumnCount(3);
    _table->horizontalHeader()->hide();
    _table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    _table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    _table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
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
    for (int row = 0; row < _array.size(); ++row) {
        const UsbDisk &disk = _array.at(row);
        _table->setItem(row, 0, new QTableWidgetItem(disk.name));
        _table->setItem(row, 1, new QTableWidgetItem(QLocale().formattedDataSize(disk.size, 1, QLocale::DataSizeSIFormat)));
        _table->setItem(row, 2, new QTableWidgetItem(disk.label.isEmpty() ? Texts::text("gui_no_volume_name") : disk.label));
    }
    _table->clearSelection();
}

// A pulled reader leaves the list at once; the selection stays on the same drive.
void CardWindow::disksChanged()
{
    if (_busy || !_usbManager)
        return;
    const int row = selectedRow();
    const UsbDisk selected = row >= 0 ? _array.at(row) : UsbDisk();
    _array = _usbManager->disks();
    reloadTable();
    for (int i = 0; i < _array.size(); ++i)
        if (row >= 0 && _array.at(i).path == selected.path && _array.at(i).id == selected.id)
            _table->selectRow(i);
}

bool CardWindow::confirmErase(const UsbDisk &disk)
{
    const QString word = disk.label.isEmpty() ? QStringLiteral("ERASE") : disk.label;
    const QString size = QLocale().formattedDataSize(disk.size, 1, QLocale::DataSizeSIFormat);
    QInputDialog dialog(this);
    dialog.setWindowTitle(windowTitle());
    dialog.setLabelText(Texts::text("msg_format_not_card").arg(disk.name, size, disk.label.isEmpty() ? Texts::text("gui_no_volume_name") : disk.label, word));
    dialog.setTextValue(QString());
    return dialog.exec() == QDialog::Accepted && dialog.textValue() == word;
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
