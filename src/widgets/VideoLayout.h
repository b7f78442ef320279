// VideoLayout is a widget, not a QLayout: it owns the sixteen VideoView cells and the slider band.
// The video area: sixteen picture cells shown as one large picture or as a 4 x 4 grid of
// consecutive frames around the current one, with a band for the timeline slider under
// normal recordings, and a full-window mode.
#pragma once

#include "DisplayFormat.h"
#include "FileVideo.h"

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <array>

class SkinManager;
class VideoView;

class VideoLayout : public QWidget {
    Q_OBJECT

public:
    static constexpr int CellCount = 16;
    static constexpr int Single = 1;
    static constexpr int Thumbnail = 16;
    static constexpr int SliderHeight = 40;
    static constexpr int CenterCell = 8;
    static constexpr int AreaKey = 1;
    static constexpr int BackImageKey = 42;

    // Placed at the skin's video area (key 1) of a window 768 high; the skin is not owned.
    explicit VideoLayout(SkinManager *skinManager, QWidget *parent = nullptr);

    VideoView *videoAtIndex(int index) const;
    // The timeline slider in the 40-pixel band; the layout places, shows and hides it.
    QWidget *slider() const { return _skinSlider; }
    void setSlider(QWidget *slider);
    // How every cell turns its frames, and the format of the slider's time labels.
    void setVideoFlip(int flip);
    void setDisplayFormat(const DisplayFormat &format);

    int division() const { return _division; }
    int selectVideo() const { return _selectVideo; }
    FileVideo *fileVideo() const { return _fileVideo; }
    qint64 frameIndex() const { return _frameIndex; }
    bool isFullWindow() const { return _fullWindow; }
    bool isPaused() const { return _pause; }
    // The area available for the cells, bottom-left coordinates of the layout.
    QRect availableRect() const { return _rect; }
    // Bottom-left frame of a grid cell inside the available area.
    QRect thumbnailFrame(int cell) const;

public slots:
    void changeDivision(int division);
    void clear();
    void setFileVideo(FileVideo *video);
    void recalcLayout();
    void setFullWindow(bool flag);
    void setPause(bool pause);
    void drawWithFileVideo(FileVideo *video, qint64 frameIndex);
    void changeSelect(int cell);
    void videoViewSelectIndex(int cell);

signals:
    // The user picked the frame shown in a cell while paused.
    void fileVideoFrameIndex(FileVideo *fileVideo, qint64 frameIndex);
    // The slider is shown for this normal recording.
    void sliderFileVideo(FileVideo *fileVideo);

private:
    bool isNormalRecording() const;
    void setCellFrame(int cell, const QRect &frame);
    void drawSingle(FileVideo *video, qint64 frameIndex);
    void drawThumbnails(FileVideo *video, qint64 frameIndex);
    QImage thumbnailImage(FileVideo *video, qint64 frameIndex, const QSize &size);
    static QImage decodeScaled(FileVideo *video, qint64 frameIndex, const QSize &size);
    static QString countCaption(qint64 frameIndex, qint64 frameCount);

    SkinManager *_skinManager;
    std::array<VideoView *, CellCount> _videoViews{};
    QImage _backImage;
    QPointer<QWidget> _skinSlider;
    int _division = Single;
    int _selectVideo = CenterCell;
    QPointer<FileVideo> _fileVideo;
    qint64 _frameIndex = -1;
    QRect _rect;
    bool _fullWindow = false;
    bool _pause = false;

    // Decoded grid pictures of the last thumbnail step: consecutive steps share all but
    // one of them.
    QHash<qint64, QImage> _thumbnails;
    QPointer<FileVideo> _thumbnailVideo;
    QSize _thumbnailSize;
};
