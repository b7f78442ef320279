#include "SaveJpgWindow.h"

#include "ExportAlerts.h"

#include "FileManager.h"
#include "FileVideo.h"
#include "Preferences.h"
#include "StillExport.h"
#include "StillSeries.h"
#include "Texts.h"
#include "ui_SaveJpgWindow.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

namespace {

QStringList numbersUpTo(int last)
{
    QStringList items;
    items.reserve(qMax(last, 0));
    for (int n = 1; n <= last; ++n)
        items.append(QString::number(n));
    return items;
}

} // namespace

SaveJpgWindow::SaveJpgWindow(QWidget *parent, FileVideo *fileVideo, qint64 frameIndex)
    : ToolWindow(parent), _ui(std::make_unique<Ui::SaveJpgWindow>()), _matrix(new QButtonGroup(this)),
      _fileVideo(fileVideo), _frameIndex(frameIndex)
{
    _ui->setupUi(this);
    _matrix->addButton(_ui->radioCurrent, 0);
    _matrix->addButton(_ui->radioSelected, 1);
    applyTexts();
    _ui->textFolder->setText(QDir::toNativeSeparators(rememberedFolder(Preferences::JpgFolder)));
    fillLists();
    _ui->progressBar->setValue(0);
    connect(_ui->radioCurrent, &QRadioButton::clicked, this, &SaveJpgWindow::chkCurrent);
    connect(_ui->radioSelected, &QRadioButton::clicked, this, &SaveJpgWindow::chkSelected);
    connect(_ui->btnFolder, &QPushButton::clicked, this, &SaveJpgWindow::btnFolder);
    connect(_ui->btnOK, &QPushButton::clicked, this, &SaveJpgWindow::btnOK);
    // While saving, Close asks the job to stop (ToolWindow's reject()).
    connect(_ui->btnClose, &QPushButton::clicked, this, &SaveJpgWindow::reject);
    _ui->radioCurrent->setChecked(true);
    chkCurrent();
    _ui->btnOK->setAutoDefault(false);
    _ui->btnClose->setDefault(true);
}

SaveJpgWindow::~SaveJpgWindow() = default;

void SaveJpgWindow::applyTexts()
{
    setWindowTitle(Texts::text("gui_save_jpeg"));
    _ui->labelFolder->setText(Texts::text("gui_jpeg_folder"));
    _ui->btnFolder->setText(Texts::text("gui_browse"));
    _ui->radioCurrent->setText(Texts::text("gui_current_image"));
    _ui->radioSelected->setText(Texts::text("gui_selected_image"));
    _ui->labelFps->setText(Texts::text("gui_fps"));
    _ui->labelSec->setText(Texts::text("gui_second"));
    _ui->btnOK->setText(Texts::text("gui_ok"));
    _ui->btnClose->setText(Texts::text("gui_close"));
}

void SaveJpgWindow::fillLists()
{
    if (!_fileVideo)
        return;
    _fps = StillSeries::framesPerSecond(*_fileVideo, _frameIndex);
    _ui->comboFps->addItems(numbersUpTo(_fps));
    _ui->comboFps->setCurrentIndex(_ui->comboFps->count() - 1);
    _ui->comboSec->addItems(numbersUpTo(StillSeries::lengthSeconds(*_fileVideo)));
    _ui->comboSec->setCurrentIndex(_ui->comboSec->count() > 0 ? 0 : -1);
    // Without a frame rate a series has no step.
    _ui->radioSelected->setEnabled(_fps > 0);
}

void SaveJpgWindow::showEvent(QShowEvent *event)
{
    ToolWindow::showEvent(event);
    _ui->btnClose->setFocus();
}

void SaveJpgWindow::chkCurrent()
{
    _ui->comboFps->setEnabled(false);
    _ui->comboSec->setEnabled(false);
}

void SaveJpgWindow::chkSelected()
{
    _ui->comboFps->setEnabled(true);
    _ui->comboSec->setEnabled(true);
}

void SaveJpgWindow::btnFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, Texts::text("gui_select_folder"),
                                                             QDir::fromNativeSeparators(_ui->textFolder->text()));
    if (folder.isEmpty())
        return;
    Preferences::setStringValue(Preferences::JpgFolder, folder);
    _ui->textFolder->setText(QDir::toNativeSeparators(folder));
}

QList<qint64> SaveJpgWindow::chosenFrames() const
{
    if (!_fileVideo)
        return {};
    if (_matrix->checkedId() == 0)
        return {_frameIndex};
    const int step = StillSeries::step(_fps, _ui->comboFps->currentIndex() + 1);
    return StillSeries::indices(*_fileVideo, _frameIndex, step, _ui->comboSec->currentIndex() + 1);
}

void SaveJpgWindow::btnOK()
{
    if (!_fileVideo || isRunningJob())
        return;
    rememberFolder(_ui->textFolder->text(), Preferences::JpgFolder);
    const QList<qint64> frames = chosenFrames();
    const QString path = _fileVideo->path();
    const QString folder = QDir::fromNativeSeparators(_ui->textFolder->text().trimmed());
    const int flip = FileManager::videoFlip();
    const DisplayZone zone = FileManager::displayFormat().zone();
    StillExport::Result result;
    if (!frames.isEmpty()) {
        setBusy(true);
        // The worker reads through its own reader; the viewer's stays on the main thread.
        runJob(
            [&](const std::atomic_bool &cancel, const Progress &progress) {
                const std::unique_ptr<FileVideo> video = StillExport::open(path);
                if (!video) {
                    result.status = StillExport::Status::Failed;
                    result.error = QStringLiteral("cannot read %1").arg(QDir::toNativeSeparators(path));
                    return false;
                }
                result = StillExport::save(*video, frames, folder, flip, &cancel, progress, zone);
                return result.status == StillExport::Status::Saved;
            },
            _ui->progressBar);
        setBusy(false);
    }
    if (result.status == StillExport::Status::Saved)
        // One still is named itself; a series by its folder.
        showResult(true, result.files.size() == 1 ? QDir(folder).filePath(result.files.first()) : folder);
    else if (result.status == StillExport::Status::Failed)
        showFailure(result, frames.size());
    else
        showFinished(Texts::text("msg_save_jpeg_cancel"), folder, false);
}

// What was saved before the failure, and why it stopped.
void SaveJpgWindow::showFailure(const StillExport::Result &result, qint64 total)
{
    QString message = Texts::text("msg_save_jpeg_error");
    if (!result.files.isEmpty())
        message += u'\n' + Texts::text("msg_save_jpeg_partial").arg(result.files.size()).arg(total);
    if (!result.error.isEmpty())
        message += u'\n' + result.error;
    ExportAlerts::show(this, message);
}

void SaveJpgWindow::setBusy(bool busy)
{
    _ui->btnOK->setEnabled(!busy);
    _ui->btnFolder->setEnabled(!busy);
    _ui->textFolder->setEnabled(!busy);
    _ui->radioCurrent->setEnabled(!busy);
    _ui->radioSelected->setEnabled(!busy && _fps > 0);
    const bool lists = !busy && _matrix->checkedId() == 1;
    _ui->comboFps->setEnabled(lists);
    _ui->comboSec->setEnabled(lists);
    _ui->btnClose->setText(Texts::text(busy ? "gui_cancel" : "gui_close"));
    if (busy)
        _ui->progressBar->setValue(0);
}

void SaveJpgWindow::showResult(bool ok, const QString &folder)
{
    if (ok)
        showFinished(Texts::text("msg_save_jpeg_ok"), folder);
    else
        ExportAlerts::show(this, Texts::text("msg_save_jpeg_error"), QMessageBox::Critical);
}
