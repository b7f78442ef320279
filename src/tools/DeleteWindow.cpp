#include "DeleteWindow.h"

#include "Texts.h"
#include "ui_DeleteWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace {

const char *const dataFolders[] = {"log", "CH1/event", "CH1/normal"};

// An alert stays readable however many entries stayed.
constexpr int listedFailures = 20;

} // namespace

DeleteWindow::DeleteWindow(const QString &path, QWidget *parent)
    : ToolWindow(parent), _ui(std::make_unique<Ui::DeleteWindow>()), _path(path)
{
    _ui->setupUi(this);
    setWindowTitle(Texts::text("gui_del_files"));
    setWindowModality(Qt::ApplicationModal);
}

DeleteWindow::~DeleteWindow() = default;

bool DeleteWindow::runModal()
{
    show();
    const QString path = _path;
    QStringList failed;
    // Deleting cannot be half undone, so the job runs to the end even when asked to stop.
    runJob([path, &failed](const std::atomic_bool &, const Progress &progress) {
        failed = deleteRecordedData(path, progress);
        return failed.isEmpty();
    }, _ui->progress);
    _failed = failed;
    hide();
    reportFailures();
    return _failed.isEmpty();
}

QStringList DeleteWindow::deleteRecordedData(const QString &path, const Progress &progress)
{
    QStringList entries;
    QStringList failed;
    const QDir::Filters filters = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    const QString root = QFileInfo(path).canonicalFilePath();
    for (const char *folder : dataFolders) {
        const QString name = QString::fromLatin1(folder);
        const QFileInfo info(path + u'/' + name);
        if (!info.exists())
            continue;
        // A card may link a data folder anywhere; only what really lies on the card goes.
        if (root.isEmpty() || info.canonicalFilePath() != root + u'/' + name) {
            failed.append(name);
            continue;
        }
        for (const QString &entry : QDir(info.filePath()).entryList(filters, QDir::Name))
            entries.append(name + u'/' + entry);
    }
    qint64 done = 0;
    for (const QString &entry : entries) {
        if (!removeEntry(path + u'/' + entry))
            failed.append(entry);
        if (progress)
            progress(++done, entries.size(), entry);
    }
    return failed;
}

bool DeleteWindow::removeEntry(const QString &path)
{
    const QFileInfo info(path);
    // A link goes, never what it points to.
    if (info.isDir() && !info.isSymLink())
        QDir(path).removeRecursively();
    else
        QFile::remove(path);
    return !QFileInfo(path).exists() && !QFileInfo(path).isSymLink();
}

void DeleteWindow::reportFailures()
{
    if (_failed.isEmpty())
        return;
    QStringList shown = _failed.mid(0, listedFailures);
    if (_failed.size() > listedFailures)
        shown.append(QStringLiteral("…"));
    QMessageBox::critical(parentWidget(), windowTitle(),
                          Texts::text("msg_delete_data_incomplete").arg(_failed.size()) + u'\n'
                              + QDir::toNativeSeparators(shown.join(u'\n')));
}
