#include "PasswordWindow.h"

#include "PinValidator.h"
#include "Texts.h"
#include "ui_PasswordWindow.h"

#include <QMessageBox>

PasswordWindow::PasswordWindow(int password, QWidget *parent)
    : ToolWindow(parent), _ui(std::make_unique<Ui::PasswordWindow>()), _password(password)
{
    _ui->setupUi(this);
    setWindowTitle(Texts::text("gui_password"));
    // Not every desktop shows a dialog's title; the question is in the window as well.
    _ui->labelPassword->setText(Texts::text("gui_password"));
    _ui->btnOK->setText(Texts::text("gui_ok"));
    _ui->btnCancel->setText(Texts::text("gui_cancel"));
    _ui->textPassword->setValidator(new PinValidator(false, this));
    connect(_ui->btnOK, &QPushButton::clicked, this, &PasswordWindow::btnOK);
    connect(_ui->btnCancel, &QPushButton::clicked, this, &PasswordWindow::reject);
    _ui->btnOK->setDefault(true);
    _ui->textPassword->setFocus();
}

PasswordWindow::~PasswordWindow() = default;

bool PasswordWindow::runModal()
{
    return ToolWindow::runModal() == Accepted;
}

void PasswordWindow::btnOK()
{
    // A PIN of 0 is "no PIN" and never opens anything.
    const int typed = PinValidator::pinOf(_ui->textPassword->text());
    if (typed != 0 && typed == _password) {
        accept();
        return;
    }
    QMessageBox::critical(this, windowTitle(), Texts::text("msg_password_not_equal"));
    _ui->textPassword->selectAll();
    _ui->textPassword->setFocus();
}
