#include "BackupWindow.h"

#include "ExportAlerts.h"

#include "FileManager.h"
#include "Preferences.h"
#include "Texts.h"
#include "ui_BackupWindow.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QThread>

namespace {

// The failure alert names at most this many files.
constexpr int kListedFailures = 10;

BackupCopier::Sources sourcesOf(FileManager *fileManager, const QString &cardRoot,
                                const QList<ListRow> &event, const QList<ListRow> &normal,
                                const QList<ListRow> &log)
{
    BackupCopier::Sources sources;
    sources.cardRoot = cardRoot;
    if (!fileManager)
        return sources;
    const auto add = [&](const QList<ListRow> &rows, const QString &type, QStringList &paths) {
        for (const ListRow &row : rows)
            if (const FileVideo *video = fileManager->videoAtIndex(row.idx, type))
                paths.append(video->path());
    };
    add(event, QStringLiteral("event"), sources.event);
    add(normal, QStringLiteral("normal"), sources.normal);
    for (const ListRow &row : log)
        if (const FileLog *file = fileManager->logAtIndex(row.idx))
            sources.log.append(file->path());
    return sources;
}

} // namespace

BackupWindow::BackupWindow(FileManager *fileManager, const QString &cardRoot,
                           const QList<ListRow> &event, const QList<ListRow> &normal,
                           const QList<ListRow> &log, QWidget *parent)
    : BackupWindow(cardRoot, sourcesOf(fileManager, cardRoot, event, normal, log), false, parent)
{
}

BackupWindow::BackupWindow(FileManager *fileManager, const QString &cardRoot, QWidget *parent)
    : BackupWindow(cardRoot, sourcesOf(fileManager, cardRoot, {}, {}, {}), true, parent)
{
}

BackupWindow::BackupWindow(const QString &cardRoot, BackupCopier::Sources chosen, bool all,
                           QWidget *parent)
    : ToolWindow(parent)
    , _ui(std::make_unique<Ui::BackupWindow>())
    , _cardRoot(cardRoot)
    , _chosen(std::move(chosen))
{
    _ui->setupUi(this);
    applyTexts();
    fillTable(_ui->tableEvent, _chosen.event);
    fillTable(_ui->tableNormal, _chosen.normal);
    fillTable(_ui->tableLog, _chosen.log);
    _ui->textFolder->setText(QDir::toNativeSeparators(rememberedFolder(Preferences::BackupFolder)));
    _ui->btnCancel->setEnabled(false);
    _ui->btnFolder->setAutoDefault(false);
    _ui->btnStart->setDefault(true);
    _ui->btnAll->setChecked(all);
    connect(_ui->btnAll, &QCheckBox::toggled, this, &BackupWindow::btnAll);
    connect(_ui->btnFolder, &QPushButton::clicked, this, &BackupWindow::btnFolder);
    connect(_ui->btnStart, &QPushButton::clicked, this, &BackupWindow::btnStart);
    connect(_ui->btnCancel, &QPushButton::clicked, this, &ToolWindow::cancelJob);
    connect(_ui->btnClose, &QPushButton::clicked, this, &QDialog::reject);
    btnAll();
}

BackupWindow::~BackupWindow()
{
    for (QThread *thread : std::as_const(_sizeThreads)) {
        thread->wait();
        delete thread;
    }
}

void BackupWindow::applyTexts()
{
    setWindowTitle(Texts::text("gui_backup"));
    _ui->btnAll->setText(Texts::text("gui_backup_all"));
    _ui->labelFolder->setText(Texts::text("gui_backup_folder"));
    _ui->btnFolder->setText(Texts::text("gui_browse"));
    _ui->btnStart->setText(Texts::text("gui_start"));
    _ui->btnCancel->setText(Texts::text("gui_cancel"));
    _ui->btnClose->setText(Texts::text("gui_close"));
    _ui->tableEvent->horizontalHeaderItem(0)->setText(Texts::text("gui_selected_event"));
    _ui->tableNormal->horizontalHeaderItem(0)->setText(Texts::text("gui_selected_normal"));
    _ui->tableLog->horizontalHeaderItem(0)->setText(Texts::text("gui_selected_log"));
}

void BackupWindow::fillTable(QTableWidget *table, const QStringList &paths)
{
    table->setRowCount(int(paths.size()));
    for (int row = 0; row < paths.size(); ++row)
        table->setItem(row, 0, new QTableWidgetItem(QFileInfo(paths[row]).completeBaseName()));
}

void BackupWindow::btnAll()
{
    const bool all = _ui->btnAll->isChecked();
    for (QTableWidget *table : {_ui->tableEvent, _ui->tableNormal, _ui->tableLog})
        table->setEnabled(!all);
    calcSize();
}

void BackupWindow::btnFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, Texts::text("gui_select_folder"), QDir::fromNativeSeparators(_ui->textFolder->text()));
    if (folder.isEmpty())
        return;
    Preferences::setStringValue(Preferences::BackupFolder, folder);
    _ui->textFolder->setText(QDir::toNativeSeparators(folder));
}

// Reading every file's size (and listing the whole card) could stall on a slow card, so it
// runs on a worker; Start waits for the answer.
void BackupWindow::calcSize()
{
    const quint64 generation = ++_sizeGeneration;
    _ui->btnStart->setEnabled(false);
    auto sources = std::make_shared<BackupCopier::Sources>(_chosen);
    auto bytes = std::make_shared<qint64>(0);
    const bool all = _ui->btnAll->isChecked();
    const QString root = _cardRoot;
    QThread *thread = QThread::create([sources, bytes, all, root] {
        if (all)
            *sources = BackupCopier::wholeCard(root);
        *bytes = BackupCopier::totalSize(*sources);
    });
    _sizeThreads.append(thread);
    connect(thread, &QThread::finished, this, [this, thread, generation, sources, bytes] {
        _sizeThreads.removeOne(thread);
        thread->deleteLater();
        showSize(generation, *sources, *bytes);
    });
    thread->start();
}

void BackupWindow::showSize(quint64 generation, const BackupCopier::Sources &sources, qint64 bytes)
{
    if (generation != _sizeGeneration)
        return;
    _sources = sources;
    // The lists show what Start copies: the whole card's files when everything is chosen.
    fillTable(_ui->tableEvent, sources.event);
    fillTable(_ui->tableNormal, sources.normal);
    fillTable(_ui->tableLog, sources.log);
    const qsizetype files = sources.event.size() + sources.normal.size() + sources.log.size();
    _ui->progress->setRange(0, int(std::max<qsizetype>(files, 1)));
    _ui->progress->setValue(0);
    if (bytes > 0)
        _ui->labelSize->setText(QStringLiteral("%1 : %2").arg(Texts::text("gui_backup_size"),
                                                              BackupCopier::sizeText(bytes)));
    _ui->btnStart->setEnabled(bytes > 0 && !isRunningJob());
    emit sizeShown(bytes);
}

void BackupWindow::setCopying(bool copying)
{
    _ui->btnStart->setEnabled(!copying);
    _ui->btnClose->setEnabled(!copying);
    _ui->btnAll->setEnabled(!copying);
    _ui->btnFolder->setEnabled(!copying);
    _ui->textFolder->setEnabled(!copying);
    _ui->btnCancel->setEnabled(copying);
}

void BackupWindow::btnStart()
{
    rememberFolder(_ui->textFolder->text(), Preferences::BackupFolder);
    BackupCopier copier(_sources, QDir::fromNativeSeparators(_ui->textFolder->text().trimmed()));
    if (_freeSpace)
        copier.setFreeSpace(_freeSpace);
    setCopying(true);
    _ui->progress->setValue(0);
    runJob([&copier](const std::atomic_bool &cancel,
                     const Progress &progress) { return copier.run(cancel, progress); },
           _ui->progress);
    setCopying(false);
    report(copier.result());
}

void BackupWindow::report(const BackupCopier::Result &result)
{
    _completed = !result.cancelled && !result.noSpace && result.error.isEmpty();
    QString message;
    if (!result.error.isEmpty() && result.failed == 0) {
        message = Texts::text("msg_backup_unwritable") + u'\n' + result.error;
    } else if (result.noSpace) {
        message = Texts::text("msg_backup_no_space")
                      .arg(BackupCopier::sizeText(result.needed), BackupCopier::sizeText(result.available));
    } else if (result.failed > 0) {
        QStringList names;
        const QDir card(_cardRoot);
        for (const QString &path : result.failedFiles.mid(0, kListedFailures))
            names.append(QDir::toNativeSeparators(card.relativeFilePath(path)));
        if (result.failedFiles.size() > kListedFailures)
            names.append(QStringLiteral("…"));
        message = Texts::text("msg_backup_failed").arg(result.failed).arg(names.join(u'\n'))
                + u'\n' + result.error;
    }
    const QString folder = QDir::fromNativeSeparators(_ui->textFolder->text().trimmed());
    if (!message.isEmpty())
        ExportAlerts::show(this, message + QStringLiteral("\n\n") + QDir::toNativeSeparators(folder));
    else if (result.cancelled)
        showFinished(Texts::text("msg_backup_cancel"), folder, false);
    else
        showFinished(Texts::text("msg_backup_ok"), folder);
}
