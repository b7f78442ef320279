#include "FileLoadProgress.h"

#include "FileManager.h"
#include "Texts.h"
#include "ui_FileLoadProgress.h"

#include <QCoreApplication>

FileLoadProgress::FileLoadProgress(QWidget *parent, FileManager *fileManager, const QString &path)
    : QDialog(parent), _ui(std::make_unique<Ui::FileLoadProgress>()), _fileManager(fileManager),
      _path(path)
{
    _ui->setupUi(this);
    setWindowTitle(QCoreApplication::applicationName());
    _ui->btnCancel->setText(Texts::text("gui_cancel"));
    connect(_ui->btnCancel, &QPushButton::clicked, this, &FileLoadProgress::reject);
}

FileLoadProgress::~FileLoadProgress() = default;

QProgressBar *FileLoadProgress::progress() const
{
    return _ui->progress;
}

QPushButton *FileLoadProgress::cancelButton() const
{
    return _ui->btnCancel;
}

void FileLoadProgress::placeOverParent()
{
    const QWidget *parent = parentWidget() ? parentWidget()->window() : nullptr;
    if (!parent)
        return;
    const QRect frame = parent->frameGeometry();
    move(frame.x() + (frame.width() - width()) / 2, frame.y() + 2 * height());
}

bool FileLoadProgress::doModal()
{
    _done = false;
    _result = false;
    placeOverParent();
    show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (_fileManager && FileManager::checkFolder(_path)) {
        _ui->progress->setMaximum(int(qMin<qint64>(FileManager::fileCount(_path), INT_MAX)));
        const auto connection = connect(_fileManager, &FileManager::loadedFileCount, this,
                                        &FileLoadProgress::fileManagerLoadedFileCount);
        _result = _fileManager->loadFiles(_path);
        disconnect(connection);
    }
    _done = true;
    hide();
    return _result;
}

void FileLoadProgress::fileManagerLoadedFileCount(qint64 count)
{
    _ui->progress->setValue(int(qMin<qint64>(count, _ui->progress->maximum())));
}

void FileLoadProgress::reject()
{
    if (_done)
        QDialog::reject();
    else if (_fileManager)
        _fileManager->cancelLoading();
}
