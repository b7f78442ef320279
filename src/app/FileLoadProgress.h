// The small window shown while a card folder is checked, counted and loaded.
#pragma once

#include <QDialog>
#include <QPointer>

#include <memory>

class FileManager;
class QProgressBar;
class QPushButton;
namespace Ui {
class FileLoadProgress;
}

class FileLoadProgress : public QDialog {
    Q_OBJECT
public:
    FileLoadProgress(QWidget *parent, FileManager *fileManager, const QString &path);
    ~FileLoadProgress() override;

    // Shows the window, loads the folder and returns the result: false without loading
    // when the folder lacks the camera's layout, and false when the user cancelled.
    bool doModal();
    QProgressBar *progress() const;
    QPushButton *cancelButton() const;
    bool done() const { return _done; }

public slots:
    void fileManagerLoadedFileCount(qint64 count);

protected:
    // Cancel, Escape or closing the window: stops a running load, which then returns.
    void reject() override;

private:
    void placeOverParent();

    std::unique_ptr<Ui::FileLoadProgress> _ui;
    QPointer<FileManager> _fileManager;
    QString _path;
    bool _done = false;
    bool _result = false;
};
