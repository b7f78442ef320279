#include "DeviceSettingWindow.h"

#include "BackupCopier.h"
#include "CardFolders.h"
#include "DeleteWindow.h"
#include "DurableWrite.h"
#include "FileManager.h"
#include "InitDataWindow.h"
#include "PasswordWindow.h"
#include "PinValidator.h"
#include "SettingEntries.h"
#include "Texts.h"
#include "ui_DeviceSettingWindow.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStorageInfo>

namespace {

// The camera refuses cards with less room than this.
constexpr qint64 minimumFreeBytes = 1'573'912'575;

const char *const breakingKeys[] = {"RECINGMODE1", "POSTFIELD1", "POSTRECINT1", "POSTSIZE1", "GPSRECTIME"};

constexpr int secondsRole = Qt::UserRole + 1;

void fill(QComboBox *combo, const QList<SettingEntries::Entry> &entries)
{
    combo->clear();
    for (const SettingEntries::Entry &entry : entries) {
        combo->addItem(entry.str, entry.val);
        combo->setItemData(combo->count() - 1, entry.sec, secondsRole);
    }
}

// The first entry with val, or the first entry when none has it.
void select(QComboBox *combo, long val)
{
    const int index = combo->findData(int(val));
    combo->setCurrentIndex(index < 0 ? 0 : index);
}

std::string utf8(const QString &text)
{
    return text.toUtf8().toStdString();
}

} // namespace

DeviceSettingWindow::DeviceSettingWindow(const QString &rootPath, FileManager *fileManager, QWidget *parent,
                                         CameraSettings::Variant variant)
    : ToolWindow(parent), _ui(std::make_unique<Ui::DeviceSettingWindow>()), _rootPath(rootPath),
      _fileManager(fileManager), _variant(variant)
{
    _ui->setupUi(this);
    applyTexts();
    fillFixedLists();
    _ui->textRecordPassword->setValidator(new PinValidator(true, this));
    // "=" ends a value and line breaks end a line in the settings file.
    _ui->textSystemVehicle->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^=\\x00-\\x1f\\x7f]*")), this));
    _ui->btnInitCard->setEnabled(false);

    // Only the user's own picks rebuild the dependent lists.
    connect(_ui->comboRecordMethod, &QComboBox::activated, this, &DeviceSettingWindow::rebuildFrameRates);
    connect(_ui->comboRecordPreRecTime, &QComboBox::activated, this, &DeviceSettingWindow::rebuildFrameRates);
    connect(_ui->comboRecordImgRes, &QComboBox::activated, this, &DeviceSettingWindow::rebuildQualities);
    connect(_ui->checkSensorSimple, &QCheckBox::toggled, this, &DeviceSettingWindow::updateSensorMode);
    connect(_ui->checkDateManual, &QCheckBox::toggled, this, &DeviceSettingWindow::updateDatePicker);
    connect(_ui->btnOK, &QPushButton::clicked, this, &DeviceSettingWindow::btnOK);
    connect(_ui->btnCancel, &QPushButton::clicked, this, &DeviceSettingWindow::reject);
    connect(_ui->btnInitCard, &QPushButton::clicked, this, &DeviceSettingWindow::btnInitCard);
    connect(_ui->btnInitData, &QPushButton::clicked, this, &DeviceSettingWindow::btnInitData);

    const CameraSettings settings = CameraSettings::read(utf8(_rootPath), _variant);
    _storedPin = int(CameraSettings::decodePin(settings.integer("PASSWORD")));
    loadControls(settings);
    _ui->btnOK->setAutoDefault(false);
    _ui->btnCancel->setDefault(true);
    _ui->btnCancel->setFocus();
}

DeviceSettingWindow::~DeviceSettingWindow() = default;

void DeviceSettingWindow::setFormatRunner(std::function<void()> runner)
{
    _formatRunner = std::move(runner);
    _ui->btnInitCard->setEnabled(bool(_formatRunner));
}

void DeviceSettingWindow::applyTexts()
{
    setWindowTitle(Texts::text("gui_setting"));
    _ui->boxRecord->setTitle(Texts::text("gui_record"));
    _ui->boxSensor->setTitle(Texts::text("gui_gsensor_setting"));
    _ui->boxSystem->setTitle(Texts::text("gui_system"));
    _ui->boxDate->setTitle(Texts::text("gui_datetime"));
    _ui->labelRecordMethod->setText(Texts::text("gui_record_method"));
    _ui->labelRecordImgRes->setText(Texts::text("gui_img_resolution"));
    _ui->labelRecordFrameRate->setText(Texts::text("gui_frame_rate"));
    _ui->labelRecordImgQuality->setText(Texts::text("gui_img_quality"));
    _ui->labelRecordRecMode->setText(Texts::text("gui_rec_mode"));
    _ui->labelRecordPreRecTime->setText(Texts::text("gui_pre_record_time"));
    _ui->labelRecordPassword->setText(Texts::text("gui_password_setting"));
    _ui->checkRecordBeep->setText(Texts::text("gui_beep_record"));
    _ui->checkSensorSimple->setText(Texts::text("gui_simple_set_mode"));
    _ui->checkSpeedGSensor->setText(Texts::text("gui_speed_gsensor"));
    _ui->labelSensorSensitivity->setText(Texts::text("gui_sensitivity"));
    _ui->labelSensorTriggerX->setText(Texts::text("gui_trigger_xval"));
    _ui->labelSensorTriggerY->setText(Texts::text("gui_trigger_yval"));
    _ui->labelSensorTriggerZ->setText(Texts::text("gui_trigger_zval"));
    _ui->labelSystemRecTime->setText(Texts::text("gui_gps_rec_time"));
    _ui->labelSystemAlarmDuration->setText(Texts::text("gui_alarm_duration"));
    _ui->labelSystemVehicle->setText(Texts::text("gui_vehicle_id"));
    _ui->checkDateManual->setText(Texts::text("gui_man_time_setting"));
    _ui->btnInitCard->setText(Texts::text("gui_init_sdcard"));
    _ui->btnInitData->setText(Texts::text("gui_initial_data"));
    _ui->btnOK->setText(Texts::text("gui_ok"));
    _ui->btnCancel->setText(Texts::text("gui_cancel"));
}

void DeviceSettingWindow::fillFixedLists()
{
    fill(_ui->comboRecordMethod, SettingEntries::methods());
    fill(_ui->comboRecordImgRes, SettingEntries::resolutions());
    fill(_ui->comboRecordRecMode, SettingEntries::recordModes());
    fill(_ui->comboRecordPreRecTime, SettingEntries::prePostOptions());
    for (QComboBox *combo : {_ui->comboSensorSensitivity, _ui->comboSensorTriggerX, _ui->comboSensorTriggerY,
                             _ui->comboSensorTriggerZ})
        fill(combo, SettingEntries::levels());
    fill(_ui->comboSystemRecTime, SettingEntries::gpsTimes());
    fill(_ui->comboSystemAlarmDuration, SettingEntries::alarmDurations());
}

void DeviceSettingWindow::loadControls(const CameraSettings &settings)
{
    select(_ui->comboRecordMethod, settings.integer("RECINGMODE1"));
    select(_ui->comboRecordImgRes, settings.integer("POSTFIELD1"));
    _ui->comboRecordPreRecTime->setCurrentIndex(SettingEntries::prePostIndex(
        int(settings.integer("PRERECTIME1")), int(settings.integer("POSTRECTIME1"))));
    select(_ui->comboRecordRecMode, settings.integer("RECMOD"));
    select(_ui->comboSystemRecTime, settings.integer("GPSRECTIME"));
    select(_ui->comboSystemAlarmDuration, settings.integer("BEEPERROR"));
    _ui->comboRecordFrameRate->clear();
    rebuildFrameRates();
    select(_ui->comboRecordFrameRate, settings.integer("POSTRECINT1"));
    _ui->comboRecordImgQuality->clear();
    rebuildQualities();
    select(_ui->comboRecordImgQuality, settings.integer("POSTSIZE1"));

    const long sensor = settings.integer("ACCSEN");
    _ui->checkSensorSimple->setChecked(sensor & 1);
    select(_ui->comboSensorSensitivity, sensor >> 1);
    select(_ui->comboSensorTriggerX, settings.integer("ACCSENX"));
    select(_ui->comboSensorTriggerY, settings.integer("ACCSENY"));
    select(_ui->comboSensorTriggerZ, settings.integer("ACCSENZ"));
    _ui->checkSpeedGSensor->setChecked(settings.integer("GSSPEED") & 1);
    updateSensorMode();

    const int64_t clock = CameraSettings::readClock(utf8(_rootPath));
    _ui->checkDateManual->setChecked(clock >= 0);
    _ui->pickerDate->setDateTime(clock >= 0 ? QDateTime::fromSecsSinceEpoch(clock) : QDateTime::currentDateTime());
    updateDatePicker();

    const int pin = int(CameraSettings::decodePin(settings.integer("PASSWORD")));
    _ui->textRecordPassword->setText(pin ? QString::number(pin) : QString());
    _ui->checkRecordBeep->setChecked(settings.integer("BEEPRECORD") != 0);
    // A control character from the card could never be saved back.
    _ui->textSystemVehicle->setText(QString::fromStdString(settings.string("VEHICLEID"))
                                        .remove(QRegularExpression(QStringLiteral("[\\x00-\\x1f\\x7f]"))));
}

CameraSettings DeviceSettingWindow::collectSettings() const
{
    CameraSettings settings = CameraSettings::read(utf8(_rootPath), _variant);
    settings.setInteger("RECINGMODE1", value(_ui->comboRecordMethod));
    settings.setInteger("POSTFIELD1", value(_ui->comboRecordImgRes));
    settings.setInteger("POSTRECINT1", value(_ui->comboRecordFrameRate));
    settings.setInteger("POSTSIZE1", value(_ui->comboRecordImgQuality));
    settings.setInteger("RECMOD", value(_ui->comboRecordRecMode));
    const int pre = value(_ui->comboRecordPreRecTime);
    settings.setInteger("PRERECTIME1", pre);
    settings.setInteger("POSTRECTIME1", _ui->comboRecordPreRecTime->currentData(secondsRole).toInt() - pre);
    settings.setInteger("BEEPRECORD", _ui->checkRecordBeep->isChecked() ? 1 : 0);
    settings.setInteger("PASSWORD", long(CameraSettings::encodePin(PinValidator::pinOf(_ui->textRecordPassword->text()))));
    settings.setInteger("ACCSEN", value(_ui->comboSensorSensitivity) * 2 + (_ui->checkSensorSimple->isChecked() ? 1 : 0));
    settings.setInteger("ACCSENX", value(_ui->comboSensorTriggerX));
    settings.setInteger("ACCSENY", value(_ui->comboSensorTriggerY));
    settings.setInteger("ACCSENZ", value(_ui->comboSensorTriggerZ));
    settings.setInteger("GSSPEED", _ui->checkSpeedGSensor->isChecked() ? 1 : 0);
    settings.set("VEHICLEID", utf8(_ui->textSystemVehicle->text()));
    settings.setInteger("GPSRECTIME", value(_ui->comboSystemRecTime));
    settings.setInteger("BEEPERROR", value(_ui->comboSystemAlarmDuration));
    return settings;
}

// The rate chosen before stays when the new list still offers it.
void DeviceSettingWindow::rebuildFrameRates()
{
    const QVariant before = _ui->comboRecordFrameRate->currentData();
    const int seconds = _ui->comboRecordPreRecTime->currentData(secondsRole).toInt();
    fill(_ui->comboRecordFrameRate, SettingEntries::frameRates(value(_ui->comboRecordMethod), seconds));
    if (before.isValid())
        select(_ui->comboRecordFrameRate, before.toInt());
}

void DeviceSettingWindow::rebuildQualities()
{
    const QVariant before = _ui->comboRecordImgQuality->currentData();
    fill(_ui->comboRecordImgQuality, SettingEntries::qualities(value(_ui->comboRecordImgRes)));
    if (before.isValid())
        select(_ui->comboRecordImgQuality, before.toInt());
}

void DeviceSettingWindow::updateSensorMode()
{
    const bool simple = _ui->checkSensorSimple->isChecked();
    _ui->comboSensorSensitivity->setEnabled(simple);
    _ui->comboSensorTriggerX->setEnabled(!simple);
    _ui->comboSensorTriggerY->setEnabled(!simple);
    _ui->comboSensorTriggerZ->setEnabled(!simple);
}

void DeviceSettingWindow::updateDatePicker()
{
    _ui->pickerDate->setEnabled(_ui->checkDateManual->isChecked());
}

int DeviceSettingWindow::runModal()
{
    if (_storedPin && !askOpeningPin())
        return 0;
    return ToolWindow::runModal();
}

// Over the main window: the settings window, which shows the PIN, is not drawn yet.
bool DeviceSettingWindow::askOpeningPin()
{
    PasswordWindow prompt(_storedPin, parentWidget());
    return prompt.runModal();
}

void DeviceSettingWindow::btnOK()
{
    if (!confirmPin() || !cardFoldersOwn() || !cardWritable())
        return;
    if (QStorageInfo(_rootPath).bytesAvailable() <= minimumFreeBytes) {
        alert("msg_not_suport_sd", true);
        return;
    }
    if (ask("msg_save_cur_setting", {"gui_cancel", "gui_ok"}) != 1)
        return;
    const CameraSettings stored = CameraSettings::read(utf8(_rootPath), _variant);
    if (!askDataBreaking(breakingValues(stored), breakingValues(collectSettings())))
        return;
    const bool saved = saveSettings(_ui->checkDateManual->isChecked());
    alert(saved ? "msg_save_set_ok" : "msg_save_set_fail", !saved);
    done(Saved);
}

bool DeviceSettingWindow::confirmPin()
{
    const QString text = _ui->textRecordPassword->text();
    if (text.isEmpty())
        return true;
    const int pin = PinValidator::pinOf(text);
    if (!pin) {
        alert("msg_invalid_password", true);
        return false;
    }
    PasswordWindow prompt(pin, this);
    return prompt.runModal();
}

// A card folder that is a link could lead the settings or a deletion anywhere.
bool DeviceSettingWindow::cardFoldersOwn()
{
    if (CardFolders::linkedFolder(utf8(_rootPath)).empty())
        return true;
    alert("msg_card_folder_linked", true);
    return false;
}

// Settings the camera cannot read are worse than none: make sure the card takes a file first.
bool DeviceSettingWindow::cardWritable()
{
    const QString path = _rootPath + QStringLiteral("/test.txt");
    // Written beside and renamed into place: a link named test.txt is replaced, never followed.
    const bool written = DurableWrite::writeFile(QFile::encodeName(path).toStdString(), "test");
    QFile::remove(path);
    if (!written)
        alert("msg_save_set_fail", true);
    return written;
}

DeviceSettingWindow::BreakingValues DeviceSettingWindow::breakingValues(const CameraSettings &settings)
{
    BreakingValues values{};
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = settings.integer(breakingKeys[i]);
    return values;
}

// False when the user cancels. Data the user asked to back up is never deleted without it.
bool DeviceSettingWindow::askDataBreaking(const BreakingValues &before, const BreakingValues &after)
{
    if (before == after)
        return true;
    const int answer = ask("msg_remove_data", {"gui_cancel", "gui_yes", "gui_no"});
    if (answer == 0)
        return false;
    if (answer == 1 && !(_backupRunner && _backupRunner())) {
        alert("msg_backup_not_done", true);
        return true;
    }
    deleteData(answer == 1);
    return true;
}

// Nothing is deleted before the user has seen what goes and said so.
bool DeviceSettingWindow::deleteData(bool backedUp)
{
    const Deletion answer = askDeletion(backedUp);
    if (answer == Deletion::Cancel)
        return false;
    if (answer == Deletion::BackUpFirst && !(_backupRunner && _backupRunner())) {
        alert("msg_backup_not_done", true);
        return false;
    }
    if (!cardFoldersOwn())
        return false;
    DeleteWindow window(_rootPath, this);
    const bool complete = window.runModal();
    _dataDeleted = true;
    return complete;
}

DeviceSettingWindow::Deletion DeviceSettingWindow::askDeletion(bool backedUp)
{
    const BackupCopier::Sources sources = BackupCopier::wholeCard(_rootPath);
    const QString size = QLocale().formattedDataSize(BackupCopier::totalSize(sources), 1, QLocale::DataSizeSIFormat);
    QMessageBox box(QMessageBox::Warning, windowTitle(),
        Texts::text("msg_delete_what").arg(sources.event.size() + sources.normal.size()).arg(sources.log.size()).arg(size),
        QMessageBox::NoButton, this);
    // Just backed up, the user is not offered it again.
    QPushButton *backup = backedUp ? nullptr : box.addButton(Texts::text("gui_backup_first"), QMessageBox::AcceptRole);
    QPushButton *remove = box.addButton(Texts::text("gui_delete_now"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(Texts::text("gui_cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(backup ? backup : cancel);
    box.setEscapeButton(cancel);
    box.exec();
    if (backup && box.clickedButton() == backup)
        return Deletion::BackUpFirst;
    return box.clickedButton() == remove ? Deletion::Delete : Deletion::Cancel;
}

bool DeviceSettingWindow::saveSettings(bool withClock)
{
    const std::string folder = utf8(_rootPath);
    CameraSettings settings = collectSettings();
    if (!settings.write(folder))
        return false;
    return !withClock || CameraSettings::writeClock(folder, _ui->pickerDate->dateTime().toSecsSinceEpoch());
}

void DeviceSettingWindow::btnInitCard()
{
    if (!_formatRunner || ask("msg_init_sdcard", {"gui_cancel", "gui_ok"}) != 1)
        return;
    _formatRunner();
    done(FormatStarted);
}

void DeviceSettingWindow::btnInitData()
{
    InitDataWindow window(this);
    if (!window.runModal())
        return;
    if (window.configChecked()) {
        // Compared with what the reset really writes: the defaults of this product.
        const CameraSettings stored = CameraSettings::read(utf8(_rootPath), _variant);
        const CameraSettings defaults = CameraSettings::defaults(_variant);
        if (!askDataBreaking(breakingValues(stored), breakingValues(defaults)))
            return;
        loadControls(defaults);
        resetSettings();
    }
    if (window.recordChecked() && deleteData())
        alert("msg_complete_delete_data", false);
}

// The defaults are written over "set.dat" in one step rather than after removing it, so a
// failure leaves the old settings in place.
void DeviceSettingWindow::resetSettings()
{
    if (!cardFoldersOwn())
        return;
    QFile::remove(_rootPath + QStringLiteral("/config/set.ini"));
    if (saveSettings(false))
        alert("msg_complete_del_config", false);
    else
        alert("msg_save_set_fail", true);
}

int DeviceSettingWindow::value(const QComboBox *combo)
{
    return combo->currentData().toInt();
}

int DeviceSettingWindow::ask(const char *message, const QList<const char *> &buttons)
{
    QMessageBox box(QMessageBox::Question, windowTitle(), Texts::text(message), QMessageBox::NoButton, this);
    QList<QAbstractButton *> added;
    for (const char *key : buttons)
        added.append(box.addButton(Texts::text(key), added.isEmpty() ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
    box.setDefaultButton(qobject_cast<QPushButton *>(added.first()));
    box.setEscapeButton(added.first());
    box.exec();
    const int index = int(added.indexOf(box.clickedButton()));
    return index < 0 ? 0 : index;
}

void DeviceSettingWindow::alert(const char *message, bool critical)
{
    QMessageBox box(critical ? QMessageBox::Critical : QMessageBox::Information, windowTitle(),
                    Texts::text(message), QMessageBox::Ok, this);
    box.exec();
}
