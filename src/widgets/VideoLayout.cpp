#include "VideoLayout.h"

#include "Geometry.h"
#include "SkinManager.h"
#include "SkinSlider.h"
#include "VideoView.h"

#include <QBuffer>
#include <QImageReader>

#include <cmath>

VideoLayout::VideoLayout(SkinManager *skinManager, QWidget *parent)
    : QWidget(parent), _skinManager(skinManager)
{
    if (_skinManager) {
        setGeometry(Geometry::toQt(_skinManager->rectForKey(AreaKey), SkinManager::WindowHeight));
        _backImage = _skinManager->imageForKey(BackImageKey);
    }
    for (int k = 0; k < CellCount; ++k) {
        auto *cell = new VideoView(_backImage, k, this);
        cell->setGeometry(QRect());
        connect(cell, &VideoView::selectIndex, this, &VideoLayout::videoViewSelectIndex);
        _videoViews[k] = cell;
    }
    _rect = QRect(QPoint(0, 0), size());
    auto *slider = new SkinSlider(this);
    connect(this, &VideoLayout::sliderFileVideo, slider, &SkinSlider::setFileVideo);
    setSlider(slider);
    changeDivision(Single);
}

VideoView *VideoLayout::videoAtIndex(int index) const
{
    if (index < 0 || index >= CellCount)
        return nullptr;
    return _videoViews[index];
}

// The layout takes the slider over; it sits under the cells in the band at the bottom.
void VideoLayout::setSlider(QWidget *slider)
{
    if (_skinSlider == slider)
        return;
    delete _skinSlider;
    _skinSlider = slider;
    if (!slider)
        return;
    slider->setParent(this);
    slider->lower();
    slider->setGeometry(Geometry::toQt(QRect(0, 0, width(), SliderHeight), height()));
    slider->setVisible(!_fullWindow && isNormalRecording());
}

void VideoLayout::setVideoFlip(int flip)
{
    for (VideoView *view : _videoViews)
        view->setFlip(flip);
}

void VideoLayout::setDisplayFormat(const DisplayFormat &format)
{
    if (auto *slider = qobject_cast<SkinSlider *>(_skinSlider.data()))
        slider->setDisplayFormat(format);
}

bool VideoLayout::isNormalRecording() const
{
    return _fileVideo && _fileVideo->type() == FileVideo::Normal;
}

QRect VideoLayout::thumbnailFrame(int cell) const
{
    const int column = cell % 4;
    const int row = cell / 4;
    const qreal cellWidth = _rect.width() / 4.0;
    const qreal cellHeight = _rect.height() / 4.0;
    // Rounded edges so that neighbouring cells meet without gaps.
    const int left = _rect.x() + int(std::lround(column * cellWidth));
    const int right = _rect.x() + int(std::lround((column + 1) * cellWidth));
    const int bottom = _rect.y() + int(std::lround((3 - row) * cellHeight));
    const int top = _rect.y() + int(std::lround((4 - row) * cellHeight));
    return QRect(left, bottom, right - left, top - bottom);
}

void VideoLayout::setCellFrame(int cell, const QRect &frame)
{
    _videoViews[cell]->setGeometry(frame.isEmpty() ? QRect() : Geometry::toQt(frame, height()));
}

// In full-window mode the cells take the whole layout and the slider stays hidden.
void VideoLayout::recalcLayout()
{
    _rect = QRect(QPoint(0, 0), size());
    const bool normal = isNormalRecording();
    if (normal && !_fullWindow)
        _rect.adjust(0, SliderHeight, 0, 0);
    if (normal)
        emit sliderFileVideo(_fileVideo);
    if (_skinSlider) {
        _skinSlider->setGeometry(Geometry::toQt(QRect(0, 0, width(), SliderHeight), height()));
        _skinSlider->setVisible(normal && !_fullWindow);
    }
}

void VideoLayout::setFileVideo(FileVideo *video)
{
    _selectVideo = CenterCell;
    _fileVideo = video;
    _frameIndex = -1;
    _thumbnails.clear();
    recalcLayout();
    changeDivision(_division);
}

// Values other than single and thumbnail are ignored.
void VideoLayout::changeDivision(int division)
{
    if (division == Thumbnail) {
        for (int k = 0; k < CellCount; ++k)
            setCellFrame(k, thumbnailFrame(k));
    } else if (division == Single) {
        for (int k = 0; k < CellCount; ++k)
            setCellFrame(k, k == _selectVideo ? _rect : QRect());
    } else {
        return;
    }
    _division = division;
    changeSelect(_selectVideo);
    if (_fileVideo && _frameIndex != -1)
        drawWithFileVideo(_fileVideo, _frameIndex);
}

void VideoLayout::changeSelect(int cell)
{
    for (int k = 0; k < CellCount; ++k)
        _videoViews[k]->setSelect(k == cell && _division != Single);
}

void VideoLayout::setPause(bool pause)
{
    _pause = pause;
}

void VideoLayout::setFullWindow(bool flag)
{
    if (flag) {
        setGeometry(QRect(QPoint(0, 0), window()->size()));
        raise();
    } else if (_skinManager) {
        setGeometry(Geometry::toQt(_skinManager->rectForKey(AreaKey), SkinManager::WindowHeight));
    }
    _rect = QRect(QPoint(0, 0), size());
    _fullWindow = flag;
    for (VideoView *cell : _videoViews)
        cell->setKeepAspect(flag);
    if (flag && _skinSlider)
        _skinSlider->hide();
    if (!flag)
        recalcLayout();
    changeDivision(_division);
}

void VideoLayout::clear()
{
    for (VideoView *cell : _videoViews)
        cell->drawImage(QImage(), nullptr, QString(), false);
    _rect = QRect(QPoint(0, 0), size());
    for (int k = 0; k < CellCount; ++k)
        setCellFrame(k, k == _selectVideo ? _rect : QRect());
    _division = Single;
    _fileVideo = nullptr;
    _frameIndex = -1;
    _pause = false;
    _thumbnails.clear();
    changeSelect(_selectVideo);
    if (_skinSlider)
        _skinSlider->hide();
}

void VideoLayout::drawWithFileVideo(FileVideo *video, qint64 frameIndex)
{
    if (!video || frameIndex == -1)
        return;
    if (_division == Thumbnail)
        drawThumbnails(video, frameIndex);
    else
        drawSingle(video, frameIndex);
    _frameIndex = frameIndex;
}

QString VideoLayout::countCaption(qint64 frameIndex, qint64 frameCount)
{
    return QStringLiteral("%1 / %2").arg(frameIndex + 1).arg(frameCount);
}

// An index outside the recording shows the placeholder rather than an all-zero header.
void VideoLayout::drawSingle(FileVideo *video, qint64 frameIndex)
{
    VideoView *cell = _videoViews[_selectVideo];
    const qint64 count = video->frameCount();
    if (frameIndex < 0 || frameIndex >= count) {
        cell->drawImage(QImage(), nullptr, QString(), false);
        return;
    }
    cell->drawImage(video->imageAtIndex(frameIndex), &video->headerAtIndex(frameIndex),
                    countCaption(frameIndex, count), false);
}

void VideoLayout::drawThumbnails(FileVideo *video, qint64 frameIndex)
{
    const qint64 count = video->frameCount();
    const QSize size = thumbnailFrame(0).size() * devicePixelRatioF();
    if (_thumbnailVideo != video || _thumbnailSize != size)
        _thumbnails.clear();
    QHash<qint64, QImage> shown;
    for (int k = 0; k < CellCount; ++k) {
        const qint64 j = frameIndex - _selectVideo + k;
        if (j < 0 || j >= count) {
            _videoViews[k]->drawImage(QImage(), nullptr, QString(), false);
            continue;
        }
        const QImage picture = thumbnailImage(video, j, size);
        shown.insert(j, picture);
        _videoViews[k]->drawImage(picture, &video->headerAtIndex(j), countCaption(j, count), true);
    }
    _thumbnails = shown;
    _thumbnailVideo = video;
    _thumbnailSize = size;
}

QImage VideoLayout::thumbnailImage(FileVideo *video, qint64 frameIndex, const QSize &size)
{
    const auto cached = _thumbnails.constFind(frameIndex);
    if (cached != _thumbnails.constEnd())
        return cached.value();
    return decodeScaled(video, frameIndex, size);
}

// A picture larger than the cell is decoded straight at the cell's size: libjpeg scales
// while decoding, which costs a fraction of a full decode.
QImage VideoLayout::decodeScaled(FileVideo *video, qint64 frameIndex, const QSize &size)
{
    const _vexa_video_frame_header_t &header = video->headerAtIndex(frameIndex);
    vexa_vdd_file &file = video->file();
    if (header.length == 0 || qint64(header.length) > file.file_size())
        return QImage();
    QByteArray data(qsizetype(header.length), Qt::Uninitialized);
    if (!file.get_frame_data(quint64(frameIndex), reinterpret_cast<uint8_t *>(data.data()),
                             header.length))
        return QImage();
    QBuffer buffer(&data);
    QImageReader reader(&buffer);
    const QSize full = reader.size();
    if (!size.isEmpty() && full.isValid()
        && (full.width() > size.width() || full.height() > size.height()))
        reader.setScaledSize(size);
    return reader.read();
}

void VideoLayout::videoViewSelectIndex(int cell)
{
    if (!_pause || cell < 0 || cell >= CellCount)
        return;
    if (_fileVideo && _frameIndex != -1) {
        const qint64 j = _frameIndex + (cell - _selectVideo);
        if (j >= 0 && j < _fileVideo->frameCount()) {
            _frameIndex = j;
            emit fileVideoFrameIndex(_fileVideo, j);
        }
    }
    _selectVideo = cell;
    changeSelect(cell);
}
