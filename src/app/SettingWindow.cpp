#include "SettingWindow.h"

#include "FileManager.h"
#include "Preferences.h"
#include "Texts.h"
#include "ui_SettingWindow.h"

#include <QButtonGroup>

namespace {

// A stored value outside the offered rows selects the first row.
int rowFor(int value, int rows)
{
    return value >= 1 && value < rows ? value : 0;
}

} // namespace

SettingWindow::SettingWindow(QWidget *parent)
    : QDialog(parent), _ui(std::make_unique<Ui::SettingWindow>()),
      _matrixDate(new QButtonGroup(this)), _matrixSpeed(new QButtonGroup(this))
{
    _ui->setupUi(this);
    _matrixDate->addButton(_ui->radioDate0, 0);
    _matrixDate->addButton(_ui->radioDate1, 1);
    _matrixDate->addButton(_ui->radioDate2, 2);
    _matrixSpeed->addButton(_ui->radioSpeed0, 0);
    _matrixSpeed->addButton(_ui->radioSpeed1, 1);
    _matrixSpeed->addButton(_ui->radioSpeed2, 2);
    _ui->comboFlip->addItems(flipOptions());
    applyTexts();
    loadSelection();
    connect(_ui->btnOK, &QPushButton::clicked, this, &SettingWindow::btnOK);
    connect(_ui->btnCancel, &QPushButton::clicked, this, &SettingWindow::btnCancel);
    _ui->btnOK->setAutoDefault(false);
    _ui->btnCancel->setDefault(true);
    _ui->btnCancel->setFocus();
}

SettingWindow::~SettingWindow() = default;

QStringList SettingWindow::flipOptions()
{
    return {Texts::text("gui_flip_none"), Texts::text("gui_flip_updown"),
            Texts::text("gui_flip_leftright"), Texts::text("gui_flip_leftrightupdown")};
}

void SettingWindow::applyTexts()
{
    setWindowTitle(Texts::text("gui_viewer_setting"));
    _ui->boxDate->setTitle(Texts::text("gui_date_format"));
    _ui->boxSpeed->setTitle(Texts::text("gui_measure_system"));
    _ui->boxFlip->setTitle(Texts::text("gui_camera_position"));
    _ui->radioSpeed0->setText(Texts::text("gui_method_meter"));
    _ui->radioSpeed1->setText(Texts::text("gui_method_us"));
    _ui->radioSpeed2->setText(Texts::text("gui_method_knot"));
    _ui->labelFlip->setText(Texts::text("gui_video_flip"));
    _ui->btnOK->setText(Texts::text("gui_ok"));
    _ui->btnCancel->setText(Texts::text("gui_cancel"));
}

void SettingWindow::loadSelection()
{
    _matrixDate->button(rowFor(Preferences::dateFormat(), 3))->setChecked(true);
    _matrixSpeed->button(rowFor(Preferences::speedFormat(), 3))->setChecked(true);
    _ui->comboFlip->setCurrentIndex(rowFor(Preferences::videoFlip(), 4));
}

void SettingWindow::placeOverParent()
{
    const QWidget *parent = parentWidget() ? parentWidget()->window() : nullptr;
    if (!parent)
        return;
    const QRect frame = parent->frameGeometry();
    move(frame.x() + (frame.width() - width()) / 2, frame.y() + (frame.height() - height()) / 2);
}

void SettingWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    placeOverParent();
    _ui->btnCancel->setFocus();
}

bool SettingWindow::runModal()
{
    _result = false;
    exec();
    return _result;
}

void SettingWindow::btnOK()
{
    Preferences::setDateFormat(_matrixDate->checkedId());
    Preferences::setSpeedFormat(_matrixSpeed->checkedId());
    Preferences::setVideoFlip(_ui->comboFlip->currentIndex());
    FileManager::reloadSettings();
    _result = true;
    accept();
}

void SettingWindow::btnCancel()
{
    _result = false;
    reject();
}
