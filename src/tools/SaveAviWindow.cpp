#include "SaveAviWindow.h"

#include "ExportAlerts.h"

#include "FileManager.h"
#include "FileVideo.h"
#include "MovieExport.h"
#include "Preferences.h"
#include "PrivacyZones.h"
#include "StillSeries.h"
#include "Texts.h"
#include "ui_SaveAviWindow.h"
#include "vexa_time.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

SaveAviWindow::SaveAviWindow(FileVideo *video, qint64 frameIndex, const QString &rootPath,
                             const DisplayFormat &format, QWidget *parent)
    : ToolWindow(parent), _ui(std::make_unique<Ui::SaveAviWindow>()), _fileVideo(video),
      _frameIndex(frameIndex), _rootPath(rootPath), _format(format)
{
    _ui->setupUi(this);
    connect(_ui->btnStart, &QPushButton::clicked, this, &SaveAviWindow::btnStart);
    connect(_ui->btnFolder, &QPushButton::clicked, this, &SaveAviWindow::btnFolder);
    connect(_ui->btnCancel, &QPushButton::clicked, this, &ToolWindow::cancelJob);
    connect(_ui->btnClose, &QPushButton::clicked, this, &QDialog::accept);
    windowDidLoad();
}

SaveAviWindow::~SaveAviWindow() = default;

void SaveAviWindow::windowDidLoad()
{
    setWindowTitle(Texts::text("gui_save_avi"));
    _ui->labelFolder->setText(Texts::text("gui_avi_folder"));
    _ui->btnFolder->setText(Texts::text("gui_browse"));
    _ui->labelName->setText(Texts::text("gui_avi_name"));
    _ui->labelFps->setText(Texts::text("gui_fps"));
    _ui->labelCodec->setText(Texts::text("gui_codec"));
    _ui->labelQuality->setText(Texts::text("gui_img_quality"));
    _ui->boxCaption->setTitle(Texts::text("gui_caption"));
    _ui->chkVehicle->setText(Texts::text("gui_vehicle_id"));
    _ui->chkDate->setText(QStringLiteral("%1 / %2").arg(Texts::text("gui_date"), Texts::text("gui_time")));
    _ui->chkSpeed->setText(Texts::text("gui_speed"));
    _ui->chkLatLng->setText(
        QStringLiteral("%1 / %2").arg(Texts::text("gui_latitude"), Texts::text("gui_longitude")));
    _ui->chkSensor->setText(Texts::text("gui_gsensor"));
    _ui->chkBand->setText(Texts::text("gui_avi_band"));
    _ui->chkSubtitles->setText(Texts::text("gui_avi_subtitles"));
    _ui->chkOverlay->setText(Texts::text("gui_avi_overlay"));
    // The captions leave the camera's own time readable, and players show the telemetry.
    _ui->chkBand->setChecked(true);
    _ui->chkSubtitles->setChecked(true);
    _ui->boxRange->setTitle(Texts::text("gui_avi_range"));
    _ui->btnStart->setText(Texts::text("gui_start"));
    _ui->btnCancel->setText(Texts::text("gui_cancel"));
    _ui->btnClose->setText(Texts::text("gui_close"));

    _ui->textFolder->setText(QDir::toNativeSeparators(rememberedFolder(Preferences::AviFolder)));
    _ui->comboCodec->addItems({QStringLiteral("JPEG"), QStringLiteral("MPEG4")});
    _ui->comboQuality->addItems(
        {Texts::text("gui_low"), Texts::text("gui_normal"), Texts::text("gui_high")});
    _ui->comboQuality->setCurrentIndex(2);
    _fps = _fileVideo ? StillSeries::framesPerSecond(*_fileVideo, _frameIndex) : 0;
    for (int n = 1; n <= _fps; ++n)
        _ui->comboFps->addItem(QString::number(n));
    _ui->comboFps->setCurrentIndex(_fps - 1);

    if (_fileVideo && _fileVideo->frameCount() > 0) {
        const _vexa_time_t first = _fileVideo->headerAtIndex(0).time;
        const _vexa_time_t local = _format.toLocal(first);
        _ui->textName->setText(QString::asprintf("%04d%02d%02d_%02d%02d%02d", local.year,
                                                 local.month, local.day, local.hour,
                                                 local.minute, local.second));
        _ui->pickerFrom->setDateTime(QDateTime::fromSecsSinceEpoch(time_to_seconds(first)));
        _ui->pickerTo->setDateTime(
            QDateTime::fromSecsSinceEpoch(time_to_seconds(_fileVideo->lastHeader().time)));
    }
    enableControl(true);
}

void SaveAviWindow::enableControl(bool enabled)
{
    for (QWidget *w : std::initializer_list<QWidget *>{
             _ui->btnFolder, _ui->textFolder, _ui->textName, _ui->comboFps, _ui->comboCodec, _ui->comboQuality,
             _ui->chkVehicle, _ui->chkDate, _ui->chkSpeed, _ui->chkLatLng, _ui->chkSensor,
             _ui->chkBand, _ui->chkSubtitles, _ui->chkOverlay, _ui->pickerTo, _ui->btnClose})
        w->setEnabled(enabled);
    // Without a frame rate there are no pictures a second to choose, so nothing to start.
    _ui->btnStart->setEnabled(enabled && _fps > 0);
    _ui->btnCancel->setEnabled(!enabled);
}

void SaveAviWindow::btnFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, Texts::text("gui_select_folder"), QDir::fromNativeSeparators(_ui->textFolder->text()));
    if (folder.isEmpty())
        return;
    Preferences::setStringValue(Preferences::AviFolder, folder);
    _ui->textFolder->setText(QDir::toNativeSeparators(folder));
}

QString SaveAviWindow::moviePath() const
{
    return QStringLiteral("%1/%2.mp4").arg(QDir::fromNativeSeparators(_ui->textFolder->text().trimmed()),
                                           _ui->textName->text());
}

void SaveAviWindow::alert(const QString &message, bool critical)
{
    ExportAlerts::show(this, message, critical ? QMessageBox::Critical : QMessageBox::Information);
}

void SaveAviWindow::btnStart()
{
    if (_ui->textName->text().isEmpty()) {
        alert(Texts::text("msg_enter_filename"), true);
        return;
    }
    rememberFolder(_ui->textFolder->text(), Preferences::AviFolder);
    const QString path = moviePath();
    // The old movie stays until the new one is complete, then is replaced in one step.
    if (!ExportAlerts::mayWrite(this, path))
        return;
    enableControl(false);
    _result = false;
    _cancelled = false;
    _error.clear();
    _result = save(path);
    endSave(path);
}

bool SaveAviWindow::save(const QString &path)
{
    _ui->progress->setValue(0);
    const qint64 from = _ui->pickerFrom->dateTime().toSecsSinceEpoch();
    const qint64 to = _ui->pickerTo->dateTime().toSecsSinceEpoch();
    if (to <= from || !_fileVideo)
        return false;
    MovieOptions options;
    options.frameRate = _fps;
    options.perSecond = _ui->comboFps->currentIndex() + 1;
    options.codec = _ui->comboCodec->currentIndex() == 1 ? MovieWriter::Codec::Mpeg4
                                                          : MovieWriter::Codec::Jpeg;
    options.quality = MovieWriter::Quality(_ui->comboQuality->currentIndex());
    options.fromMsec = from * 1000;
    // The end picker shows whole seconds: at the last frame's second it means the last frame.
    const bool toLast = to >= time_to_seconds(_fileVideo->lastHeader().time);
    options.untilMsec = toLast ? -1 : to * 1000;
    options.flip = Preferences::videoFlip();
    if (_ui->chkVehicle->isChecked())
        options.captions.vehicle = MovieExport::vehicleOf(_rootPath);
    options.captions.speed = _ui->chkSpeed->isChecked();
    options.captions.date = _ui->chkDate->isChecked();
    options.captions.latlng = _ui->chkLatLng->isChecked();
    options.captions.sensor = _ui->chkSensor->isChecked();
    options.captions.format = _format;
    options.band = _ui->chkBand->isChecked();
    options.subtitles = _ui->chkSubtitles->isChecked();
    options.overlay = _ui->chkOverlay->isChecked();
    // The preferences' privacy zones: the movie's positions leave the program too.
    options.captions.zones = PrivacyZones::stored();
    const QString vdd = _fileVideo->path();
    const bool ok = runJob(
        [vdd, path, options, this](const std::atomic_bool &cancel, const Progress &progress) {
            const MovieResult result = MovieExport::run(
                vdd, path, options, cancel,
                [&progress](qint64 done, qint64 total) { progress(done, total, QString()); });
            _error = result.error;
            return result.ok;
        },
        _ui->progress);
    _cancelled = cancelled();
    return ok;
}

void SaveAviWindow::endSave(const QString &path)
{
    // The bar stays where the job stopped. A movie that got written is reported as written,
    // even if Cancel came after the last picture.
    if (_result)
        showFinished(Texts::text("msg_avi_ok"), path);
    else if (_cancelled)
        showFinished(Texts::text("msg_avi_cancel"), path, false);
    else
        alert(_error.isEmpty() ? Texts::text("msg_avi_error") : Texts::text("msg_avi_failed") + u'\n' + _error, true);
    enableControl(true);
}
