#include "EvidenceWindow.h"

#include "ExportAlerts.h"
#include "FileLog.h"
#include "FileManager.h"
#include "FileVideo.h"
#include "Texts.h"
#include "vexa_time.h"
#include "ui_EvidenceWindow.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace {

EvidencePackage::CardFile spanOf(const FileVideo *video)
{
    return {video->path(), video->startTime(), video->endTime()};
}

} // namespace

EvidenceWindow::EvidenceWindow(FileManager *fileManager, const QString &cardRoot, const QStringList &chosen,
                               qint64 frame, QWidget *parent)
    : ToolWindow(parent)
    , _ui(std::make_unique<Ui::EvidenceWindow>())
    , _fileManager(fileManager)
    , _cardRoot(cardRoot)
    , _chosen(chosen)
    , _frame(frame)
{
    _ui->setupUi(this);
    applyTexts();
    for (const QString &path : _chosen)
        _ui->listChosen->addItem(QDir::toNativeSeparators(QDir(_cardRoot).relativeFilePath(path)));
    _ui->textFolder->setText(defaultFolder());
    _ui->btnCancel->setEnabled(false);
    _ui->btnFolder->setAutoDefault(false);
    _ui->btnStart->setDefault(true);
    _ui->btnStart->setEnabled(!_chosen.isEmpty());
    connect(_ui->btnFolder, &QPushButton::clicked, this, &EvidenceWindow::btnFolder);
    connect(_ui->btnStart, &QPushButton::clicked, this, &EvidenceWindow::btnStart);
    connect(_ui->btnCancel, &QPushButton::clicked, this, &ToolWindow::cancelJob);
    connect(_ui->btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &ToolWindow::progressed, _ui->labelStatus,
            [this](qint64, qint64, const QString &text) {
                if (!text.isEmpty())
                    _ui->labelStatus->setText(text);
            });
}

EvidenceWindow::~EvidenceWindow() = default;

void EvidenceWindow::applyTexts()
{
    setWindowTitle(Texts::text("gui_evidence"));
    _ui->labelIntro->setText(Texts::text("gui_evidence_intro"));
    _ui->labelChosen->setText(Texts::text("gui_evidence_chosen"));
    _ui->labelMargin->setText(Texts::text("gui_evidence_margin"));
    _ui->spinMargin->setSuffix(Texts::text("gui_evidence_seconds"));
    _ui->labelOperator->setText(Texts::text("gui_evidence_operator"));
    _ui->labelNote->setText(Texts::text("gui_evidence_note"));
    _ui->labelFolder->setText(Texts::text("gui_evidence_folder"));
    _ui->btnFolder->setText(Texts::text("gui_browse"));
    _ui->btnStart->setText(Texts::text("gui_start"));
    _ui->btnCancel->setText(Texts::text("gui_cancel"));
    _ui->btnClose->setText(Texts::text("gui_close"));
}

void EvidenceWindow::btnFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, Texts::text("gui_select_folder"),
                                                             _ui->textFolder->text());
    if (!folder.isEmpty())
        _ui->textFolder->setText(folder);
}

void EvidenceWindow::setWorking(bool working)
{
    for (QWidget *widget : std::initializer_list<QWidget *>{_ui->btnStart, _ui->btnClose, _ui->btnFolder, _ui->textFolder,
                                                            _ui->spinMargin, _ui->textOperator, _ui->textNote})
        widget->setEnabled(!working);
    _ui->btnCancel->setEnabled(working);
}

// The card's lists as loaded; the report draws its own graph.
EvidencePackage::Options EvidenceWindow::options() const
{
    EvidencePackage::Options o;
    o.cardRoot = _cardRoot;
    o.marginSeconds = _ui->spinMargin->value();
    o.operatorName = _ui->textOperator->text().trimmed();
    o.note = _ui->textNote->toPlainText().trimmed();
    o.toolName = QCoreApplication::applicationName();
    o.toolVersion = QCoreApplication::applicationVersion();
    o.format = _format;
    if (_fileManager) {
        for (const QList<FileVideo *> *list : {&_fileManager->eventVideos(), &_fileManager->normalVideos()})
            for (const FileVideo *video : *list)
                o.recordings.append(spanOf(video));
        for (const FileLog *log : _fileManager->logs())
            o.logs.append({log->path(), time_to_msec(log->logAtIndex(0).time), time_to_msec(log->lastLog().time)});
    }
    for (qsizetype i = 0; i < _chosen.size(); ++i) {
        const qint64 frame = i == 0 ? _frame : -1;
        // The report draws its graph from the recording itself.
        o.chosen.append({_chosen[i], frame, QImage()});
    }
    return o;
}

void EvidenceWindow::btnStart()
{
    const QString folder = _ui->textFolder->text().trimmed();
    if (folder.isEmpty()) {
        ExportAlerts::show(this, Texts::text("msg_evidence_no_folder"));
        return;
    }
    EvidencePackage package(options());
    if (_freeSpace)
        package.setFreeSpace(_freeSpace);
    setWorking(true);
    _ui->labelStatus->clear();
    _ui->progress->setValue(0);
    runJob([&](const std::atomic_bool &cancel, const Progress &progress) {
        _result = package.run(folder, cancel, progress);
        return _result.ok;
    }, _ui->progress);
    setWorking(false);
    _ui->labelStatus->setText(_result.ok ? Texts::text("msg_evidence_done_short") : QString());
    report();
}

void EvidenceWindow::report()
{
    if (_quiet)
        return;
    if (!_result.ok) {
        if (_result.cancelled)
            ExportAlerts::show(this, Texts::text("msg_evidence_cancelled"), QMessageBox::Information);
        else
            ExportAlerts::show(this, Texts::text("msg_evidence_failed").arg(_result.error));
        return;
    }
    QMessageBox box(QMessageBox::Information, QGuiApplication::applicationDisplayName(),
                    Texts::text("msg_evidence_done").arg(QDir::toNativeSeparators(_result.folder),
                                                         QString::fromLatin1(_result.sha256sums)),
                    QMessageBox::NoButton, this);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPushButton *open = box.addButton(Texts::text("gui_evidence_open_folder"), QMessageBox::ActionRole);
    box.addButton(Texts::text("gui_close"), QMessageBox::AcceptRole);
    box.exec();
    if (box.clickedButton() == open)
        QDesktopServices::openUrl(QUrl::fromLocalFile(_result.folder));
}
