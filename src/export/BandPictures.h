// Movie pictures with the captions in a band under the camera's picture. The picture's
// compressed blocks are kept as they are (JpegBand); only a picture the JPEG library cannot
// join that way is decoded and compressed again, band included.
#pragma once

#include "FrameCaptions.h"
#include "JpegBand.h"
#include "vexa_types.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
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
    // A caption line drawn once: its picture and where that goes from the line's baseline.
    struct Drawn {
        QImage image;
        QPoint offset;
    };
    void draw(const QList<FrameCaptions::Line> &lines);
    const Drawn &drawn(const FrameCaptions::Line &line);
    QByteArray recompress(const QByteArray &jpeg) const;

    static constexpr qsizetype kMaxCached = 512;

    FrameCaptions _captions;
    QSize _picture;
    QImage _band;
    QString _key;
    QHash<QString, Drawn> _lines;
    JpegBand _joiner;
};
