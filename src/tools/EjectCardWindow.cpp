#include "EjectCardWindow.h"

#include "Texts.h"
#include "ui_EjectCardWindow.h"

EjectCardWindow::EjectCardWindow(UsbManager *usbManager, QWidget *parent)
    : CardWindow(usbManager, parent), _ui(std::make_unique<Ui::EjectCardWindow>())
{
    _ui->setupUi(this);
    setWindowTitle(Texts::text("menu_tool_sd_eject"));
    _ui->btnEject->setText(Texts::text("menu_tool_sd_eject"));
    _ui->btnClose->setText(Texts::text("gui_close"));
    setUpList(_ui->tableView, _ui->progress, _ui->labelMessage);
    _ui->btnEject->setEnabled(false);
    connect(_ui->tableView, &QTableWidget::itemSelectionChanged, this,
        [this] { _ui->btnEject->setEnabled(!isBusy() && selectedRow() >= 0); });
    connect(_ui->btnEject, &QPushButton::clicked, this, &EjectCardWindow::btnEject);
    connect(_ui->btnClose, &QPushButton::clicked, this, &EjectCardWindow::btnClose);
}

EjectCardWindow::~EjectCardWindow() = default;

void EjectCardWindow::btnEject()
{
    const int row = selectedRow();
    if (row < 0 || !_usbManager) {
        showAlert("msg_eject_fail", false);
        return;
    }
    const UsbDisk disk = _array.at(row);
    setBusy(true);
    _usbManager->ejectDisk(disk, this, [this, disk](bool ok, const QString &why) {
        setBusy(false);
        if (ok) {
            _array.removeIf([&](const UsbDisk &entry) { return entry.path == disk.path; });
            reloadTable();
        }
        showAlert(ok ? "msg_eject_ok" : "msg_eject_fail", ok, why);
    });
}

void EjectCardWindow::setBusy(bool busy)
{
    CardWindow::setBusy(busy);
    _ui->btnClose->setEnabled(!busy);
    _ui->btnEject->setEnabled(false);
}

void EjectCardWindow::btnClose()
{
    if (!isBusy())
        accept();
}
