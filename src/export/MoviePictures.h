// Turns camera JPEG pictures into the movie encoder's pictures: decoded straight to YUV,
// flipped, captions blended in, and scaled or converted only when the encoder needs it.
// Staying in YUV spares a colour conversion each way, which is most of the work.
#pragma once

#include "FrameCaptions.h"
#include "MovieWriter.h"
#include "vexa_types.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QRawFont>
#include <QSize>

#include <vector>

struct AVCodecContext;
struct AVFrame;
struct SwsContext;

class MoviePictures {
public:
    // band: rows added under the picture for the captions; 0 draws them over the picture.
    MoviePictures(const FrameCaptions &captions, int flip, QSize size, int pixelFormat, int band = 0);
    ~MoviePictures();
    MoviePictures(const MoviePictures &) = delete;
    MoviePictures &operator=(const MoviePictures &) = delete;

    // Null when the bytes do not decode.
    // overlay: a premultiplied picture laid over the camera's picture with its top-left at `at`.
    MovieWriter::Frame make(const QByteArray &jpeg, const _vexa_video_frame_header_t &header,
                            const QImage &overlay = QImage(), QPoint at = QPoint());

private:
    MovieWriter::Frame decode(const QByteArray &jpeg);
    MovieWriter::Frame convert(const AVFrame &frame, QSize size, int format);
    void flip(AVFrame &frame) const;
    MovieWriter::Frame withBand(const AVFrame &frame) const;
    // A pixel of an outlined glyph: where it lies from the glyph's whole-pixel origin, how
    // much of the picture it keeps (of 255) and what it adds to Y, Cb and Cr.
    struct Dot {
        int16_t x, y;
        uint8_t keep;
        int16_t luma, cb, cr;
    };
    // An outlined glyph at a fraction of a pixel, drawn once and laid over many frames.
    struct Stamp {
        std::vector<Dot> dots;
    };
    struct Glyph {
        int font;  // in _fonts
        quint32 index;
        QPointF offset;  // from the start of the line's baseline
    };
    const QList<Glyph> &glyphs(const QString &text);
    const Stamp &stamp(const Glyph &glyph, int subX, int subY);
    void caption(AVFrame &frame, const _vexa_video_frame_header_t &header);
    static void blend(AVFrame &frame, const Stamp &stamp, QPoint origin);
    static std::vector<Dot> dotsOf(const QImage &image, QPoint topLeft);

    static constexpr qsizetype kMaxCached = 1024;
    static constexpr int kSubpixels = 4;

    FrameCaptions _captions;
    bool _hasCaptions;
    int _flip;
    int _band;
    QSize _size;
    int _format;
    AVCodecContext *_decoder = nullptr;
    SwsContext *_scaler = nullptr;
    QHash<QString, QList<Glyph>> _layouts;
    QList<QRawFont> _fonts;
    QHash<quint64, Stamp> _stamps;
};
