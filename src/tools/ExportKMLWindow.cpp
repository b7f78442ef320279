#include "ExportKMLWindow.h"

#include "ExportAlerts.h"
#include "FileLog.h"
#include "FileManager.h"
#include "GeoJsonExport.h"
#include "GpxExport.h"
#include "KmlExport.h"
#include "NumberFormatter.h"
#include "Preferences.h"
#include "Texts.h"
#include "ui_ExportKMLWindow.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QUrl>

ExportKMLWindow::ExportKMLWindow(const QList<ListRow> &rows, const FileManager &fileManager, const QString &title,
                                 const DisplayFormat &format, QWidget *parent)
    : ToolWindow(parent), _ui(std::make_unique<Ui::ExportKMLWindow>()), _title(title), _format(format)
{
    _ui->setupUi(this);
    for (const ListRow &row : rows)
        if (const FileLog *log = fileManager.logAtIndex(row.idx))
            _array.push_back(&log->file());
    connect(_ui->btnFolder, &QPushButton::clicked, this, &ExportKMLWindow::btnFolderClicked);
    connect(_ui->btnStart, &QPushButton::clicked, this, &ExportKMLWindow::btnStartClicked);
    connect(_ui->btnCancel, &QPushButton::clicked, this, &ToolWindow::cancelJob);
    connect(_ui->btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(_ui->comboFormat, &QComboBox::currentIndexChanged, this, &ExportKMLWindow::formatChanged);
    connect(this, &ToolWindow::progressed, this, [this](qint64, qint64, const QString &count) {
        if (!count.isEmpty())
            _ui->labelCount->setText(count);
    });
    windowDidLoad();
}

ExportKMLWindow::~ExportKMLWindow() = default;


void ExportKMLWindow::windowDidLoad()
{
    setWindowTitle(Texts::text("gui_kml_convert"));
    _ui->labelFolder->setText(Texts::text("gui_kml_folder"));
    _ui->checkEvents->setText(Texts::text("gui_mark_events"));
    _ui->checkGxTrack->setText(Texts::text("gui_gx_track"));
    _ui->labelPoint->setText(Texts::text("gui_point_interval"));
    _ui->labelLine->setText(Texts::text("gui_line_interval"));
    _ui->labelPointSec->setText(Texts::text("gui_second"));
    _ui->labelLineSec->setText(Texts::text("gui_second"));
    _ui->boxIcon->setTitle(Texts::text("gui_icon_height"));
    _ui->radioSpeed->setText(Texts::text("gui_speed"));
    _ui->radioAltitude->setText(Texts::text("gui_altitude"));
    _ui->labelFormat->setText(Texts::text("gui_track_format"));
    _ui->comboFormat->addItem(Texts::text("gui_format_kml"), Kml);
    _ui->comboFormat->addItem(Texts::text("gui_format_gpx"), Gpx);
    _ui->comboFormat->addItem(Texts::text("gui_format_geojson"), GeoJson);
    _ui->btnFolder->setText(Texts::text("gui_browse"));
    _ui->btnStart->setText(Texts::text("gui_start"));
    _ui->btnCancel->setText(Texts::text("gui_cancel"));
    _ui->btnClose->setText(Texts::text("gui_close"));
    _ui->labelCount->setText(TrackExport::countText(0, qint64(_array.size())));
    for (QLineEdit *field : {_ui->textPoint, _ui->textLine})
        field->setValidator(new NumberFormatter(3, field));
    _ui->textPoint->setText(QStringLiteral("10"));
    _ui->textLine->setText(QStringLiteral("5"));
    _ui->textFolder->setText(QDir::toNativeSeparators(rememberedFolder(Preferences::KmlFolder)));
    _fileName = TrackExport::defaultName(_array);
    adjustSize();
}

ExportKMLWindow::Format ExportKMLWindow::format() const
{
    return Format(_ui->comboFormat->currentData().toInt());
}

QString ExportKMLWindow::path() const
{
    const Format chosen = format();
    const QString suffix = chosen == Gpx ? QStringLiteral("gpx") : chosen == GeoJson ? QStringLiteral("geojson")
                                                                                      : QStringLiteral("kml");
    return QStringLiteral("%1/%2.%3").arg(QDir::fromNativeSeparators(_ui->textFolder->text().trimmed()),
                                          _fileName, suffix);
}

void ExportKMLWindow::formatChanged()
{
    // GPX and GeoJSON have no arrows or raised track: their settings do not apply to them.
    const Format chosen = format();
    const bool kml = chosen == Kml;
    // The title and folder label name the format being written.
    const char *title = kml ? "gui_kml_convert" : chosen == Gpx ? "gui_gpx_convert" : "gui_geojson_convert";
    const char *folder = kml ? "gui_kml_folder" : chosen == Gpx ? "gui_gpx_folder" : "gui_geojson_folder";
    setWindowTitle(Texts::text(title));
    _ui->labelFolder->setText(Texts::text(folder));
    for (QWidget *w : {static_cast<QWidget *>(_ui->textPoint), static_cast<QWidget *>(_ui->textLine),
                       static_cast<QWidget *>(_ui->boxIcon), static_cast<QWidget *>(_ui->checkEvents),
                       static_cast<QWidget *>(_ui->checkGxTrack)})
        w->setEnabled(kml);
}

void ExportKMLWindow::btnFolderClicked()
{
    const QString folder = QFileDialog::getExistingDirectory(this, Texts::text("gui_select_folder"),
                                                             QDir::fromNativeSeparators(_ui->textFolder->text()));
    if (folder.isEmpty())
        return;
    Preferences::setStringValue(Preferences::KmlFolder, folder);
    _ui->textFolder->setText(QDir::toNativeSeparators(folder));
}

void ExportKMLWindow::setExporting(bool exporting)
{
    _ui->btnStart->setEnabled(!exporting);
    _ui->btnClose->setEnabled(!exporting);
    _ui->btnFolder->setEnabled(!exporting);
    _ui->comboFormat->setEnabled(!exporting);
    _ui->checkEvents->setEnabled(!exporting && format() == Kml);
    _ui->checkGxTrack->setEnabled(!exporting && format() == Kml);
    _ui->btnCancel->setEnabled(exporting);
}

KmlExport::Options ExportKMLWindow::options() const
{
    KmlExport::Options options;
    options.format = _format;
    // An empty field counts as 0 seconds.
    options.pointSeconds = _ui->textPoint->text().toInt();
    options.lineSeconds = _ui->textLine->text().toInt();
    options.altitudeHeight = _ui->radioAltitude->isChecked();
    options.title = _title;
    options.events = _ui->checkEvents->isChecked();
    options.thresholds = DrivingEvents::storedThresholds(_format);
    options.gxTrack = _ui->checkGxTrack->isChecked();
    options.zones = PrivacyZones::stored();
    return options;
}

void ExportKMLWindow::btnStartClicked()
{
    if (_array.empty())
        return;
    rememberFolder(_ui->textFolder->text(), Preferences::KmlFolder);
    const QString target = path();
    if (!ExportAlerts::mayWrite(this, target))
        return;
    setExporting(true);
    // The job reads no widget: what it needs is taken here, on the window's thread.
    const Format chosen = format();
    const KmlExport::Options kml = options();
    const GeoJsonExport::Options geoJson{kml.thresholds, kml.zones};
    const QString creator = QGuiApplication::applicationDisplayName();
    const TrackExport::Logs logs = _array;
    runJob(
        [&](const std::atomic_bool &cancel, const Progress &progress) {
            const TrackExport::Progress throttled = TrackExport::throttled(progress);
            if (chosen == Gpx)
                _result = GpxExport::write(target, logs, creator, cancel, throttled, kml.zones);
            else if (chosen == GeoJson)
                _result = GeoJsonExport::write(target, logs, geoJson, cancel, throttled);
            else
                _result = KmlExport::write(target, logs, kml, cancel, throttled);
            return _result.written;
        },
        _ui->progress);
    setExporting(false);
    if (!_result.written) {
        ExportAlerts::writeFailed(this, target, _result.error);
    } else if (_result.cancelled) {
        showFinished(Texts::text("msg_save_track_cancel"), target, false);
    } else {
        // The globe viewer (or the desktop's GPX application) opens it as before.
        QDesktopServices::openUrl(QUrl::fromLocalFile(target));
        showFinished(Texts::text("msg_save_track_ok"), target);
    }
}
