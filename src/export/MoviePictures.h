// Turns camera JPEG pictures into the movie encoder's pictures: decoded straight to YUV,
// flipped, captions blended in, and scaled or converted only when the encoder needs it.
// Staying in YUV spares a colour conversion each way, which is most of the work.
#pragma once

#include "CaptionGlyphs.h"
#include "FrameCaptions.h"
#include "MovieWriter.h"
#include "vexa_types.h"

#include <QByteArray>
#include <QImage>
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
    void caption(AVFrame &frame, const _vexa_video_frame_header_t &header);
    static void blend(AVFrame &frame, const std::vector<CaptionGlyphs::Dot> &dots, QPoint origin);

    FrameCaptions _captions;
    bool _hasCaptions;
    int _flip;
    int _band;
    QSize _size;
    int _format;
    AVCodecContext *_decoder = nullptr;
    SwsContext *_scaler = nullptr;
    CaptionGlyphs _glyphs{CaptionGlyphs::Form::Dots};
};
