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
#include <QList>
#include <QRawFont>
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
    // A glyph drawn once with the viewer's caption painter: its picture and where that goes
    // from the glyph's whole-pixel origin.
    struct Drawn {
        QImage image;
        QPoint offset;
    };
    struct Glyph {
        int font;  // in _fonts
        quint32 index;
        QPointF offset;  // from the start of the line's baseline
    };
    void draw(const QList<FrameCaptions::Line> &lines);
    const QList<Glyph> &glyphs(const QString &text);
    const Drawn &drawn(const Glyph &glyph, int subX, int subY);
    QByteArray recompress(const QByteArray &jpeg) const;

    static constexpr qsizetype kMaxCached = 1024;
    static constexpr int kSubpixels = 4;

    FrameCaptions _captions;
    QSize _picture;
    QImage _band;
    QString _key;
    QHash<QString, QList<Glyph>> _layouts;
    QList<QRawFont> _fonts;
    QHash<quint64, Drawn> _glyphs;
    JpegBand _joiner;
};
