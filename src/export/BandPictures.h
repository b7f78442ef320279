// Movie pictures with the captions in a band under the camera's picture. The picture's
// compressed blocks are kept as they are (JpegBand); only a picture the JPEG library cannot
// join that way is decoded and compressed again, band included.
#pragma once

#include "CaptionGlyphs.h"
#include "FrameCaptions.h"
#include "JpegBand.h"
#include "vexa_types.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

class BandPictures {
public:
    // picture: the camera's picture size; bandHeight: rows added under it.
    BandPictures(const FrameCaptions &captions, QSize picture, int bandHeight);

    // The movie's picture, picture and band; empty when the camera's bytes do not decode.
    QByteArray make(const QByteArray &jpeg, const _vexa_video_frame_header_t &header);

    // Rows the captions take under a picture, before rounding to the picture's MCU rows.
    static int wantedHeight(const FrameCaptions &captions);
private:
    void draw(const QList<FrameCaptions::Line> &lines);
    QByteArray recompress(const QByteArray &jpeg) const;

    FrameCaptions _captions;
    QSize _picture;
    QImage _band;
    QString _key;
    CaptionGlyphs _glyphs{CaptionGlyphs::Form::Image};
    JpegBand _joiner;
};
