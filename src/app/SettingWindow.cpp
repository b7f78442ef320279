#include "SettingWindow.h"

#include "DisplayFormat.h"
#include "DisplayZone.h"
#include "DrivingEvents.h"
#include "Preferences.h"
#include "PrivacyZoneEditor.h"
#include "Texts.h"
#include "TripBuilder.h"
#include "ui_SettingWindow.h"

#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QTimeZone>

#include <algorithm>

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
    _privacy = new PrivacyZoneEditor(_ui->boxPrivacy);
    _ui->layoutPrivacy->addWidget(_privacy);
    fillZones();
    prepareThresholds();
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

// The system's zone, UTC, then every IANA zone the system knows.
void SettingWindow::fillZones()
{
    _ui->comboZone->addItem(Texts::text("gui_zone_system"), QByteArray());
    _ui->comboZone->addItem(QStringLiteral("UTC"), QByteArrayLiteral("UTC"));
    for (const QByteArray &id : QTimeZone::availableTimeZoneIds())
        if (id != "UTC")
            _ui->comboZone->addItem(QString::fromUtf8(id), id);
    _ui->comboZone->setMaxVisibleItems(20);
}

void SettingWindow::prepareThresholds()
{
    for (QDoubleSpinBox *spin : {_ui->spinBrake, _ui->spinAccel, _ui->spinCorner, _ui->spinImpact}) {
        spin->setDecimals(1);
        spin->setRange(0.5, 20.0);
        spin->setSingleStep(0.1);
    }
    _ui->spinBrake->setSuffix(QStringLiteral(" m/s²"));
    _ui->spinAccel->setSuffix(QStringLiteral(" m/s²"));
    _ui->spinCorner->setSuffix(QStringLiteral(" m/s²"));
    _ui->spinImpact->setSuffix(QStringLiteral(" g"));
    _ui->spinSpeedLimit->setDecimals(0);
    _ui->spinSpeedLimit->setRange(0, 400);
    _ui->spinTripGap->setRange(1, 120);
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
    _ui->boxZone->setTitle(Texts::text("gui_time_zone"));
    _ui->boxEvents->setTitle(Texts::text("gui_events"));
    _ui->boxPrivacy->setTitle(Texts::text("gui_privacy_zones"));
    _ui->labelBrake->setText(Texts::text("gui_event_brake"));
    _ui->labelAccel->setText(Texts::text("gui_event_accel"));
    _ui->labelCorner->setText(Texts::text("gui_event_corner"));
    _ui->labelImpact->setText(Texts::text("gui_event_impact"));
    _ui->labelSpeedLimit->setText(Texts::text("gui_event_speed_limit"));
    _ui->labelTripGap->setText(Texts::text("gui_trip_gap"));
    _ui->spinSpeedLimit->setSpecialValueText(Texts::text("gui_off"));
    _ui->btnOK->setText(Texts::text("gui_ok"));
    _ui->btnCancel->setText(Texts::text("gui_cancel"));
}

void SettingWindow::loadSelection()
{
    _matrixDate->button(rowFor(Preferences::dateFormat(), 3))->setChecked(true);
    _matrixSpeed->button(rowFor(Preferences::speedFormat(), 3))->setChecked(true);
    _ui->comboFlip->setCurrentIndex(rowFor(Preferences::videoFlip(), 4));
    _ui->comboZone->setCurrentIndex(std::max(0, _ui->comboZone->findData(DisplayZone::stored().id())));
    const DrivingEvents::Thresholds t = DrivingEvents::storedThresholds(DisplayFormat::fromPreferences());
    _ui->spinBrake->setValue(t.brake);
    _ui->spinAccel->setValue(t.accel);
    _ui->spinCorner->setValue(t.corner);
    _ui->spinImpact->setValue(t.impact);
    _ui->spinSpeedLimit->setValue(t.speedLimit);
    // Stored in seconds; the box offers whole minutes and clamps what it cannot show.
    _ui->spinTripGap->setValue(int((TripBuilder::storedGapSeconds() + 30) / 60));
    _privacy->setZones(PrivacyZones::stored());
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
    DisplayZone::store(DisplayZone(_ui->comboZone->currentData().toByteArray()));
    Preferences::setDoubleValue(Preferences::EventBrake, _ui->spinBrake->value());
    Preferences::setDoubleValue(Preferences::EventAccel, _ui->spinAccel->value());
    Preferences::setDoubleValue(Preferences::EventCorner, _ui->spinCorner->value());
    Preferences::setDoubleValue(Preferences::EventImpact, _ui->spinImpact->value());
    Preferences::setDoubleValue(Preferences::EventSpeedLimit, _ui->spinSpeedLimit->value());
    Preferences::setIntValue(Preferences::TripGap, _ui->spinTripGap->value() * 60);
    _privacy->zones().store();
    _result = true;
    accept();
}

void SettingWindow::btnCancel()
{
    _result = false;
    reject();
}
