// The still-picture window: saves the frame being shown, or a series from it, as JPEG
// stills into a folder; the saving runs on a worker with progress and cancel.
#pragma once

#include "StillExport.h"
#include "ToolWindow.h"

#include <QList>
#include <QPointer>
#include <QStringList>

#include <memory>

class FileVideo;
class QButtonGroup;
namespace Ui {
class SaveJpgWindow;
}

class SaveJpgWindow : public ToolWindow {
    Q_OBJECT
public:
    // format: the zone of the stills' names.
    SaveJpgWindow(QWidget *parent, FileVideo *fileVideo, qint64 frameIndex, const DisplayFormat &format);
    ~SaveJpgWindow() override;

    Ui::SaveJpgWindow *ui() const { return _ui.get(); }
    QButtonGroup *matrix() const { return _matrix; }
    // The frames OK saves with the current choice, in order.
    QList<qint64> chosenFrames() const;

public slots:
    void chkCurrent();
    void chkSelected();
    void btnFolder();
    void btnOK();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void applyTexts();
    void fillLists();
    void setBusy(bool busy);
    // The result message; target is the still written, or the folder of a series.
    void showResult(bool ok, const QString &target);
    void showFailure(const StillExport::Result &result, qint64 total);

    std::unique_ptr<Ui::SaveJpgWindow> _ui;
    QButtonGroup *_matrix;
    // Not owned: the viewer's recording, used on the main thread only.
    QPointer<FileVideo> _fileVideo;
    qint64 _frameIndex;
    DisplayFormat _format;
    int _fps = 0;
};
