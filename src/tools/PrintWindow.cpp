#include "PrintWindow.h"

#include "FileLog.h"
#include "FileVideo.h"
#include "Preferences.h"
#include "StillSeries.h"
#include "Texts.h"
#include "ui_PrintWindow.h"
#include "vexa_time.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <algorithm>

PrintWindow::PrintWindow(QWidget *parent, FileVideo *video, qint64 frameIndex)
    : ToolWindow(parent), _ui(std::make_unique<Ui::PrintWindow>()), _fileVideo(video),
      _frameIndex(frameIndex)
{
    _ui->setupUi(this);
    _ui->progressBar->hide();
    applyTexts();
    fillLists();
    chkCurrent();
    connect(_ui->radioCurrent, &QRadioButton::clicked, this, &PrintWindow::chkCurrent);
    connect(_ui->radioSelected, &QRadioButton::clicked, this, &PrintWindow::chkSelected);
    connect(_ui->btnOK, &QPushButton::clicked, this, &PrintWindow::btnOK);
    connect(_ui->btnPdf, &QPushButton::clicked, this, &PrintWindow::btnPdf);
    connect(_ui->btnClose, &QPushButton::clicked, this, &PrintWindow::btnClose);
    _ui->btnOK->setDefault(true);
}

PrintWindow::~PrintWindow() = default;

QString PrintWindow::title() const { return _ui->textTitle->text(); }
QString PrintWindow::comment() const { return _ui->textComment->toPlainText(); }

void PrintWindow::applyTexts()
{
    setWindowTitle(Texts::text("gui_print_image"));
    _ui->radioCurrent->setText(Texts::text("gui_current_image"));
    _ui->radioSelected->setText(Texts::text("gui_selected_image"));
    _ui->labelFps->setText(Texts::text("gui_fps"));
    _ui->labelSec->setText(Texts::text("gui_second"));
    _ui->labelTitle->setText(Texts::text("gui_print_title"));
    _ui->labelComment->setText(Texts::text("gui_print_comment"));
    _ui->btnPdf->setText(Texts::text("gui_save_pdf"));
    _ui->btnOK->setText(Texts::text("gui_ok"));
    _ui->btnClose->setText(Texts::text("gui_close"));
}

void PrintWindow::fillLists()
{
    if (!_fileVideo || _fileVideo->frameCount() == 0) {
        _ui->radioCurrent->setEnabled(false);
        _ui->radioSelected->setEnabled(false);
        return;
    }
    _fps = StillSeries::framesPerSecond(*_fileVideo, _frameIndex);
    for (int i = 1; i <= _fps; ++i)
        _ui->comboFps->addItem(QString::number(i));
    _ui->comboFps->setCurrentIndex(_ui->comboFps->count() - 1);
    const qint64 span = time_diff_msec(_fileVideo->headerAtIndex(0).time, _fileVideo->lastHeader().time);
    // A damaged time could claim years; a series cannot last longer than its frames.
    const qint64 seconds = std::min(span / 1000, _fileVideo->frameCount());
    for (qint64 s = 1; s <= seconds; ++s)
        _ui->comboSec->addItem(QString::number(s));
    _ui->comboSec->setCurrentIndex(0);
    // Without a frame rate or a whole second there is no series to choose.
    _ui->radioSelected->setEnabled(_fps > 0 && seconds > 0);
}

void PrintWindow::chkCurrent()
{
    _ui->radioCurrent->setChecked(true);
    _ui->comboFps->setEnabled(false);
    _ui->comboSec->setEnabled(false);
}

void PrintWindow::chkSelected()
{
    _ui->radioSelected->setChecked(true);
    _ui->comboFps->setEnabled(true);
    _ui->comboSec->setEnabled(true);
}

void PrintWindow::rebuildIndices()
{
    _indices.clear();
    if (!_fileVideo || !_ui->radioCurrent->isEnabled())
        return;
    if (_ui->radioCurrent->isChecked()) {
        _indices.append(_frameIndex);
        return;
    }
    const int step = StillSeries::step(_fps, _ui->comboFps->currentIndex() + 1);
    _indices = StillSeries::indices(*_fileVideo, _frameIndex, step, _ui->comboSec->currentIndex() + 1);
}

void PrintWindow::btnOK()
{
    rebuildIndices();
    done(Print);
}

void PrintWindow::btnPdf()
{
    rebuildIndices();
    done(SavePdf);
}

void PrintWindow::btnClose()
{
    done(Closed);
}

void PrintWindow::setBusy(bool busy)
{
    // Only Escape and closing (which cancel) stay live while the pages are painted; the
    // controls come back as they were.
    const QList<QWidget *> controls = {_ui->btnOK, _ui->btnPdf, _ui->radioCurrent, _ui->radioSelected,
                                       _ui->comboFps, _ui->comboSec, _ui->textTitle, _ui->textComment};
    if (busy) {
        _enabledBefore.clear();
        for (QWidget *w : controls) {
            _enabledBefore.append(w->isEnabled());
            w->setEnabled(false);
        }
    } else {
        for (qsizetype i = 0; i < controls.size() && i < _enabledBefore.size(); ++i)
            controls[i]->setEnabled(_enabledBefore[i]);
    }
    _ui->progressBar->setValue(0);
    _ui->progressBar->setVisible(busy);
}

bool PrintWindow::printReport(const ReportPainter::Content &content, Result how)
{
    if (how == SavePdf) {
        QString folder = Preferences::stringValue(Preferences::PdfFolder);
        if (folder.isEmpty() || !QFileInfo(folder).isDir())
            folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString start = QDir(folder).filePath(defaultPdfName(content));
        QString path = QFileDialog::getSaveFileName(parentWidget(), Texts::text("gui_save_pdf"), start,
                                                    QStringLiteral("PDF (*.pdf)"));
        if (path.isEmpty())
            return false;
        if (QFileInfo(path).suffix().compare(u"pdf", Qt::CaseInsensitive) != 0)
            path += QStringLiteral(".pdf");
        rememberFolder(QFileInfo(path).absolutePath(), Preferences::PdfFolder);
        const bool ok = paintReport(content, nullptr, path);
        if (ok)
            showFinished(Texts::text("msg_save_pdf_ok"), path);
        return ok;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageMargins(QMarginsF(36, 36, 36, 36), QPageLayout::Point);
    printer.setDocName(content.title.isEmpty() ? Texts::text("gui_print_image") : content.title);
    QPrintDialog dialog(&printer, parentWidget());
    dialog.setWindowTitle(Texts::text("gui_print_image"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return paintReport(content, &printer);
}

QString PrintWindow::defaultPdfName(const ReportPainter::Content &content)
{
    QString source;
    _vexa_time_t time{};
    if (content.log && content.log->count() > 0) {
        source = content.log->path();
        time = content.log->logAtIndex(std::clamp<qint64>(content.log->currentIndex(), 0, content.log->count() - 1)).time;
    } else if (content.video && content.video->frameCount() > 0) {
        source = content.video->path();
        const qint64 frame = content.currentFrame >= 0 ? content.currentFrame : content.video->currentIndex();
        time = content.video->headerAtIndex(std::clamp<qint64>(frame, 0, content.video->frameCount() - 1)).time;
    } else {
        return QStringLiteral("report.pdf");
    }
    const _vexa_time_t local = utc_to_local(time);
    return QStringLiteral("%1_%2.pdf")
        .arg(QFileInfo(source).completeBaseName(),
             QString::asprintf("%04d%02d%02d_%02d%02d%02d", local.year, local.month, local.day, local.hour,
                               local.minute, local.second));
}

bool PrintWindow::paintReport(const ReportPainter::Content &content, QPagedPaintDevice *device,
                              const QString &pdfPath)
{
    ReportPainter::Content report = content;
    // The worker reads the frames through a reader of its own: the viewer's recording may
    // go on being used on this thread meanwhile.
    QString folder, file;
    int type = 0;
    if (report.video) {
        const QFileInfo info(report.video->path());
        folder = info.path(), file = info.fileName(), type = report.video->type();
        if (report.currentFrame < 0)
            report.currentFrame = report.video->currentIndex();
    }
    auto *printer = dynamic_cast<QPrinter *>(device);
    QString pdfError;
    const Job job = [&](const std::atomic_bool &cancel, const Progress &progress) {
        std::unique_ptr<FileVideo> copy;
        if (report.video) {
            auto reader = FileVideo::openReader(folder, file);
            if (!reader)
                return false;
            copy.reset(FileVideo::fromReader(std::move(reader), type));
            report.video = copy.get();
        }
        const ReportPainter painter(report);
        const auto step = [&](int page, int count) {
            progress(page - 1, count, QString());
            if (cancel && printer)
                printer->abort();
            return !cancel;
        };
        return pdfPath.isEmpty() ? painter.paint(device, step) : painter.writePdf(pdfPath, step, &pdfError);
    };
    setModal(true);
    show();
    setBusy(true);
    const bool ok = runJob(job, _ui->progressBar);
    setBusy(false);
    hide();
    if (!ok && !cancelled())
        QMessageBox::critical(parentWidget(), QString(), pdfError.isEmpty() ? Texts::text("msg_print_error")
                                                         : Texts::text("msg_print_error") + u'\n' + pdfError);
    return ok;
}
