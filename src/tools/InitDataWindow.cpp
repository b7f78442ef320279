#include "InitDataWindow.h"

#include "Texts.h"
#include "ui_InitDataWindow.h"

InitDataWindow::InitDataWindow(QWidget *parent)
    : ToolWindow(parent), _ui(std::make_unique<Ui::InitDataWindow>())
{
    _ui->setupUi(this);
    setWindowTitle(Texts::text("gui_initial_data"));
    _ui->chkConfig->setText(Texts::text("gui_initial_config_file"));
    _ui->chkRecord->setText(Texts::text("gui_rec_data_delete"));
    _ui->btnOK->setText(Texts::text("gui_ok"));
    _ui->btnCancel->setText(Texts::text("gui_cancel"));
    connect(_ui->btnOK, &QPushButton::clicked, this, &InitDataWindow::accept);
    connect(_ui->btnCancel, &QPushButton::clicked, this, &InitDataWindow::reject);
    _ui->btnCancel->setDefault(true);
}

InitDataWindow::~InitDataWindow() = default;

bool InitDataWindow::runModal()
{
    return ToolWindow::runModal() == Accepted;
}

bool InitDataWindow::configChecked() const
{
    return _ui->chkConfig->isChecked();
}

bool InitDataWindow::recordChecked() const
{
    return _ui->chkRecord->isChecked();
}
