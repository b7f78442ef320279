#include "ExportCSVWindow.h"

#include "CsvExport.h"
#include "ExportAlerts.h"
#include "FileLog.h"
#include "FileManager.h"
#include "Preferences.h"
#include "Texts.h"
#include "ui_ExportCSVWindow.h"

#include <QDir>
#include <QFileDialog>

#include <optional>

ExportCSVWindow::ExportCSVWindow(const QList<ListRow> &rows, const FileManager &fileManager,
                                 const DisplayFormat &format, QWidget *parent)
    : ToolWindow(parent), _ui(std::make_unique<Ui::ExportCSVWindow>()), _format(format)
{
    _ui->setupUi(this);
    for (const ListRow &row : rows)
        if (const FileLog *log = fileManager.logAtIndex(row.idx))
            _array.push_back(&log->file());
    connect(_ui->btnFolder, &QPushButton::clicked, this, &ExportCSVWindow::btnFolderClicked);
    connect(_ui->btnStart, &QPushButton::clicked, this, &ExportCSVWindow::btnStartClicked);
    connect(_ui->btnCancel, &QPushButton::clicked, this, &ToolWindow::cancelJob);
    connect(_ui->btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(this, &ToolWindow::progressed, this, [this](qint64, qint64, const QString &count) {
        if (!count.isEmpty())
            _ui->labelCount->setText(count);
    });
    windowDidLoad();
}

ExportCSVWindow::~ExportCSVWindow() = default;


void ExportCSVWindow::windowDidLoad()
{
    setWindowTitle(Texts::text("gui_save_csv_file"));
    _ui->labelFolder->setText(Texts::text("gui_csv_folder"));
    _ui->labelName->setText(Texts::text("gui_csv_name"));
    _ui->btnFolder->setText(Texts::text("gui_browse"));
    _ui->btnStart->setText(Texts::text("gui_start"));
    _ui->btnCancel->setText(Texts::text("gui_cancel"));
    _ui->btnClose->setText(Texts::text("gui_close"));
    _ui->checkEvents->setText(Texts::text("gui_mark_events"));
    _ui->labelCount->setText(TrackExport::countText(0, qint64(_array.size())));
    _ui->textFolder->setText(QDir::toNativeSeparators(rememberedFolder(Preferences::CsvFolder)));
    _ui->textName->setText(TrackExport::defaultName(_array));
    adjustSize();
}

QString ExportCSVWindow::path() const
{
    return QStringLiteral("%1/%2.csv").arg(QDir::fromNativeSeparators(_ui->textFolder->text().trimmed()),
                                           _ui->textName->text());
}

void ExportCSVWindow::btnFolderClicked()
{
    const QString folder = QFileDialog::getExistingDirectory(this, Texts::text("gui_select_folder"),
                                                             QDir::fromNativeSeparators(_ui->textFolder->text()));
    if (folder.isEmpty())
        return;
    Preferences::setStringValue(Preferences::CsvFolder, folder);
    _ui->textFolder->setText(QDir::toNativeSeparators(folder));
}

void ExportCSVWindow::setExporting(bool exporting)
{
    _ui->btnStart->setEnabled(!exporting);
    _ui->btnClose->setEnabled(!exporting);
    _ui->btnFolder->setEnabled(!exporting);
    _ui->checkEvents->setEnabled(!exporting);
    _ui->btnCancel->setEnabled(exporting);
}

void ExportCSVWindow::btnStartClicked()
{
    if (_ui->textName->text().isEmpty()) {
        ExportAlerts::show(this, Texts::text("msg_enter_filename"));
        return;
    }
    rememberFolder(_ui->textFolder->text(), Preferences::CsvFolder);
    const QString target = path();
    if (!ExportAlerts::mayWrite(this, target))
        return;
    setExporting(true);
    const TrackExport::Logs logs = _array;
    const std::optional<DrivingEvents::Thresholds> events =
        _ui->checkEvents->isChecked() ? std::optional(DrivingEvents::storedThresholds(_format)) : std::nullopt;
    runJob(
        [this, logs, target, events, format = _format](const std::atomic_bool &cancel, const Progress &progress) {
            _result = CsvExport::write(target, logs, format, cancel, TrackExport::throttled(progress),
                                       events ? &*events : nullptr);
            return _result.written;
        },
        _ui->progress);
    setExporting(false);
    endExport(target);
}

void ExportCSVWindow::endExport(const QString &path)
{
    if (!_result.written)
        ExportAlerts::writeFailed(this, path, _result.error);
    else if (_result.cancelled)
        showFinished(Texts::text("msg_save_csvfile_cancel"), path, false);
    else
        showFinished(Texts::text("msg_save_csvfile_ok"), path);
}
