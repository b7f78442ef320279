// Makes an evidence package of chosen recordings of the open card: shows them, takes the
// margin, the operator's name, a note and the target folder, and builds the package with
// progress and cancel. Opened from the Tools menu and from the lists' context menu.
#pragma once

#include "EvidencePackage.h"
#include "ToolWindow.h"

#include <QStringList>

#include <memory>

class FileManager;
namespace Ui {
class EvidenceWindow;
}

class EvidenceWindow : public ToolWindow {
    Q_OBJECT
public:
    // chosen: the recordings' paths; frame: the frame of the still and report for the first
    // one (-1: its first trigger frame or 0).
    EvidenceWindow(FileManager *fileManager, const QString &cardRoot, const QStringList &chosen, qint64 frame = -1,
                   QWidget *parent = nullptr);
    ~EvidenceWindow() override;

    // The last package made, empty before one was made.
    const EvidencePackage::Result &result() const { return _result; }
    void setFreeSpace(EvidencePackage::FreeSpace probe) { _freeSpace = std::move(probe); }
    // Without the final message box (tests).
    void setQuiet(bool quiet) { _quiet = quiet; }
    // The units, date order and zone of the package's captions, names and reports.
    void setDisplayFormat(const DisplayFormat &format) { _format = format; }

public slots:
    void btnStart();

private:
    void applyTexts();
    void btnFolder();
    void setWorking(bool working);
    EvidencePackage::Options options() const;
    void report();

    std::unique_ptr<Ui::EvidenceWindow> _ui;
    FileManager *_fileManager;
    QString _cardRoot;
    DisplayFormat _format;
    QStringList _chosen;
    qint64 _frame;
    EvidencePackage::FreeSpace _freeSpace;
    EvidencePackage::Result _result;
    bool _quiet = false;
};
