// One picture cell of the video area: a frame scaled into the cell, flipped as the user
// set, with a border and outlined captions (size, recording part, frame number).
#pragma once

#include "vexa_types.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>

class VideoView : public QWidget {
    Q_OBJECT

public:
    static constexpr int CaptionPixelSize = 13;

    VideoView(const QImage &backImage, int index, QWidget *parent = nullptr);

    int index() const { return _index; }
    bool isSelected() const { return _select; }
    // The picture shown now (the placeholder when there is no frame).
    const QImage &image() const { return _drawImage; }
    bool showsPlaceholder() const { return _placeholder; }
    const QString &imgSizeText() const { return _imgSize; }
    const QString &recTypeText() const { return _recType; }
    const QString &countText() const { return _count; }

    // The caption of a frame's size: its JPEG length in whole kilobytes (1000 bytes).
    static QString imgSizeCaption(uint32_t length);

public slots:
    // A picture (null: the placeholder), its header (null: no captions) and the frame
    // number caption; a thumbnail shows only the recording part, not the event type.
    void drawImage(const QImage &picture, const _vexa_video_frame_header_t *header,
                   const QString &count, bool thumbnail);
    void setSelect(bool select);
    // Letterboxed in black instead of filling the cell (full window on a wider screen).
    void setKeepAspect(bool keep);
    // How frames are turned (FileVideo::flipped's modes); the placeholder never is.
    void setFlip(int flip);

signals:
    void selectIndex(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void drawPicture(QPainter &painter) const;
    void drawBorder(QPainter &painter) const;
    void drawCaptions(QPainter &painter) const;
    void drawOutlined(QPainter &painter, const QString &text, const QPointF &baseline) const;

    int _index;
    bool _select = false;
    QImage _backImage;
    QImage _drawImage;
    bool _placeholder = true;
    QString _imgSize;
    QString _recType;
    QString _count;
    QFont _font;
    bool _keepAspect = false;
    int _flip = 0;
};
