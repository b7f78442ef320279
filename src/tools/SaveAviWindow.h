// SaveAviWindow is the movie dialog; it writes MP4 files (MJPEG or MPEG-4), never AVI.
// The movie window: destination, pictures a second, codec, quality, captions and the end
// of the range; Start writes the movie on a worker thread with progress and cancel.
#pragma once

#include "DisplayFormat.h"
#include "ToolWindow.h"

#include <QString>

#include <memory>

class FileVideo;

namespace Ui {
class SaveAviWindow;
}

class SaveAviWindow : public ToolWindow {
    Q_OBJECT

public:
    // video and frameIndex: the picture shown (for the frame rate); rootPath: the card.
    // format: the captions' units and zone, and the zone of the suggested name.
    SaveAviWindow(FileVideo *video, qint64 frameIndex, const QString &rootPath,
                  const DisplayFormat &format, QWidget *parent = nullptr);
    ~SaveAviWindow() override;

    Ui::SaveAviWindow *ui() const { return _ui.get(); }
    int fps() const { return _fps; }
    // Whether the last Start wrote its movie.
    bool result() const { return _result; }
    QString moviePath() const;

public slots:
    void btnStart();
    void btnFolder();

private:
    void windowDidLoad();
    void enableControl(bool enabled);
    bool save(const QString &path);
    void endSave(const QString &path);
    void alert(const QString &message, bool critical);

    std::unique_ptr<Ui::SaveAviWindow> _ui;
    FileVideo *_fileVideo;
    qint64 _frameIndex;
    QString _rootPath;
    DisplayFormat _format;
    int _fps = 0;
    bool _result = false;
    bool _cancelled = false;
    QString _error;  // the engine's reason for a failed movie
};
