// Backs up recordings, logs and the camera's configuration files from the open card into a
// folder the user picks. Opened from the lists with the ticked rows, or from the device
// settings with everything on the card chosen.
#pragma once

#include "BackupCopier.h"
#include "ListRow.h"
#include "ToolWindow.h"

#include <QList>

#include <memory>

class FileManager;
class QTableWidget;
class QThread;
namespace Ui {
class BackupWindow;
}

class BackupWindow : public ToolWindow {
    Q_OBJECT
public:
    // The ticked rows of the three lists; cardRoot is the open card's folder.
    BackupWindow(FileManager *fileManager, const QString &cardRoot, const QList<ListRow> &event,
                 const QList<ListRow> &normal, const QList<ListRow> &log, QWidget *parent = nullptr);
    // Everything on the card, with "back up everything" on.
    BackupWindow(FileManager *fileManager, const QString &cardRoot, QWidget *parent = nullptr);
    ~BackupWindow() override;

    // Whether a copy ran to the end with nothing failed, since the window opened.
    bool completed() const { return _completed; }

    // Where the copy measures the destination's free space (the file system's by default).
    void setFreeSpace(BackupCopier::FreeSpace probe) { _freeSpace = std::move(probe); }

signals:
    // The size of the chosen files is known and shown; Start follows it.
    void sizeShown(qint64 bytes);

private:
    BackupWindow(const QString &cardRoot, BackupCopier::Sources chosen, bool all, QWidget *parent);
    void applyTexts();
    void fillTable(QTableWidget *table, const QStringList &paths);
    void btnAll();
    void btnFolder();
    void btnStart();
    void calcSize();
    void showSize(quint64 generation, const BackupCopier::Sources &sources, qint64 bytes);
    void setCopying(bool copying);
    void report(const BackupCopier::Result &result);

    std::unique_ptr<Ui::BackupWindow> _ui;
    QString _cardRoot;
    bool _completed = false;
    BackupCopier::Sources _chosen;   // the rows the window was opened with
    BackupCopier::Sources _sources;  // what Start copies: the chosen rows or the whole card
    BackupCopier::FreeSpace _freeSpace;
    quint64 _sizeGeneration = 0;
    QList<QThread *> _sizeThreads;
};
