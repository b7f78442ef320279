// The timeline under the picture of a normal recording: a bar with a yellow mark at each
// event run, a thumb at the frame on screen and five time labels (start, quarters, end).
// A click or a drag that started on the thumb asks for the frame under the pointer.
//
// Positions are in the view's bottom-left coordinates (y up). The bar, marks and labels
// are drawn once per recording and width; playback repaints only where the thumb moves.
#pragma once

#include "DisplayFormat.h"
#include "EventMarks.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QStringList>
#include <QWidget>

class FileVideo;

class SkinSlider : public QWidget {
    Q_OBJECT

public:
    static constexpr int BarY = 18;
    static constexpr int ThumbY = 14;

    explicit SkinSlider(QWidget *parent = nullptr);

    qint64 frameIndex() const { return _frameIndex; }
    // 0 while no normal recording is set.
    qint64 frameCount() const { return _frameCount; }
    // Points per frame; 0 for a recording of one frame.
    double thumbOffset() const { return _thumbOffset; }
    // The thumb's box, bottom-left coordinates.
    QRectF thumbRect() const { return _thumbRect; }
    // The x of each event mark, and the five time labels.
    QList<double> markArray() const;
    const QStringList &timeArray() const { return _timeArray; }
    // The driving events of the recording, drawn on the bar where they start.
    const EventMarks &eventMarks() const { return _eventMarks; }
    // Where a mark's tip sits and the x of a frame, bottom-left coordinates.
    static constexpr double MarkTipY = BarY + 4;
    double markX(qint64 frameIndex) const;
    // The frame a press at p asks for, or -1 for none.
    qint64 frameAt(const QPointF &p) const;
    // The zone of the time labels; takes effect at the next recording.
    void setDisplayFormat(const DisplayFormat &format) { _format = format; }

public slots:
    // Anything but a normal recording empties the slider.
    void setFileVideo(FileVideo *fileVideo);
    // Ignored while no normal recording is set.
    void setFrameIndex(qint64 frameIndex);

signals:
    void changeFrameIndex(qint64 frameIndex);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // Points per frame from the current width; the marks and the thumb follow.
    void rescale();
    double thumbX() const;
    void placeThumb();
    void renderCache();
    void moveThumb(const QPointF &p);

    QList<qint64> _markFrames;
    EventMarks _eventMarks;
    QStringList _timeArray;
    DisplayFormat _format;
    QImage _backImage;
    QImage _thumbImage;
    QRectF _thumbRect{0, ThumbY, 20, 20};
    double _thumbOffset = 0;
    bool _canDrag = false;
    qint64 _frameIndex = 0;
    qint64 _frameCount = 0;
    QFont _font;
    QImage _cache;
    bool _cacheValid = false;
};
