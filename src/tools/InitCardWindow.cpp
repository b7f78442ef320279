#include "InitCardWindow.h"

#include "FreshCard.h"
#include "Texts.h"
#include "ui_InitCardWindow.h"

InitCardWindow::InitCardWindow(UsbManager *usbManager, QWidget *parent)
    : CardWindow(usbManager, parent), _ui(std::make_unique<Ui::InitCardWindow>())
{
    _ui->setupUi(this);
    setWindowTitle(Texts::text("gui_format_sdcard"));
    _ui->chkBackupConfig->setText(Texts::text("gui_backup_config_file"));
    _ui->btnFormat->setText(Texts::text("gui_format_sdcard"));
    _ui->btnClose->setText(Texts::text("gui_close"));
    setUpList(_ui->tableView, _ui->progress, _ui->labelMessage);
    _ui->btnFormat->setEnabled(false);
    connect(_ui->tableView, &QTableWidget::itemSelectionChanged, this,
        [this] { _ui->btnFormat->setEnabled(!isBusy() && selectedRow() >= 0); });
    connect(_ui->btnFormat, &QPushButton::clicked, this, &InitCardWindow::btnFormat);
    connect(_ui->btnClose, &QPushButton::clicked, this, &InitCardWindow::btnClose);
}

InitCardWindow::~InitCardWindow() = default;

void InitCardWindow::btnFormat()
{
    const int row = selectedRow();
    if (row < 0 || !_usbManager) {
        showAlert("msg_format_fail", false);
        return;
    }
    const UsbDisk disk = _array.at(row);
    if (!_usbManager->looksLikeCard(disk) && !confirmErase(disk))
        return;
    // The settings are kept in memory for this one format; a copy left by an earlier run
    // could belong to another card or an older PIN.
    QByteArray settings;
    if (_ui->chkBackupConfig->isChecked()) {
        QString why;
        const std::optional<QByteArray> kept = FreshCard::readSettings(_usbManager->mountPoint(disk), &why);
        if (!kept) {
            showAlert("msg_backup_config_fail", false, why);
            return;
        }
        settings = *kept;
    }
    setBusy(true);
    _usbManager->formatDisk(disk, UsbManager::cardLabel(), this, [this, settings](bool ok, const QString &text) {
        formatted(ok, text, settings);
    });
}

void InitCardWindow::formatted(bool ok, const QString &mountPoint, const QByteArray &settings)
{
    setBusy(false);
    if (!ok) {
        showAlert("msg_format_fail", false, mountPoint);
        return;
    }
    QString why;
    if (!FreshCard::create(mountPoint, settings, &why))
        showAlert("msg_format_layout_fail", false, why);
    else
        showAlert("msg_format_ok", true);
}

void InitCardWindow::setBusy(bool busy)
{
    CardWindow::setBusy(busy);
    _ui->chkBackupConfig->setEnabled(!busy);
    _ui->btnClose->setEnabled(!busy);
    // Format waits for a row to be selected again.
    _ui->btnFormat->setEnabled(false);
}

void InitCardWindow::btnClose()
{
    if (!isBusy())
        accept();
}
