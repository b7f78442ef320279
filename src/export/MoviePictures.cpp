#include "MoviePictures.h"

#include "MovieExport.h"

#include <algorithm>
#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

namespace {

// The scaler takes the "J" formats as their plain twins plus a full-range flag.
AVPixelFormat plainFormat(int format, bool *fullRange)
{
    switch (format) {
    case AV_PIX_FMT_YUVJ420P:
        *fullRange = true;
        return AV_PIX_FMT_YUV420P;
    case AV_PIX_FMT_YUVJ422P:
        *fullRange = true;
        return AV_PIX_FMT_YUV422P;
    case AV_PIX_FMT_YUVJ444P:
        *fullRange = true;
        return AV_PIX_FMT_YUV444P;
    case AV_PIX_FMT_YUVJ440P:
        *fullRange = true;
        return AV_PIX_FMT_YUV440P;
    default:
        return AVPixelFormat(format);
    }
}

bool isFullRangeYuv(int format)
{
    return format == AV_PIX_FMT_YUVJ420P || format == AV_PIX_FMT_YUVJ422P
        || format == AV_PIX_FMT_YUVJ444P || format == AV_PIX_FMT_YUVJ440P;
}

// Reverses a row eight bytes at a time from both ends; per byte it is the slowest step of a flip.
void mirrorRow(uint8_t *row, int width)
{
    int i = 0;
    int j = width;
    for (; j - i >= 16; i += 8, j -= 8) {
        uint64_t left, right;
        std::memcpy(&left, row + i, 8);
        std::memcpy(&right, row + j - 8, 8);
        left = __builtin_bswap64(left);
        right = __builtin_bswap64(right);
        std::memcpy(row + i, &right, 8);
        std::memcpy(row + j - 8, &left, 8);
    }
    std::reverse(row + i, row + j);
}

uint8_t clampByte(int v)
{
    return uint8_t(std::clamp(v, 0, 255));
}

} // namespace

MoviePictures::MoviePictures(const FrameCaptions &captions, int flip, QSize size, int pixelFormat, int band)
    : _captions(captions),
      _hasCaptions(!captions.vehicle.isEmpty() || captions.date || captions.speed || captions.latlng
                   || captions.sensor),
      _flip(flip), _band(band), _size(size), _format(pixelFormat)
{
    if (const AVCodec *codec = avcodec_find_decoder(AV_CODEC_ID_MJPEG)) {
        _decoder = avcodec_alloc_context3(codec);
        if (_decoder) {
            // One picture at a time: the encoder has the other core.
            _decoder->thread_count = 1;
            // A hostile header may claim any size: the decoder allocates no more than a camera picture.
            const QSize largest = MovieExport::largestPicture();
            _decoder->max_pixels = int64_t(largest.width()) * largest.height();
            if (avcodec_open2(_decoder, codec, nullptr) < 0)
                avcodec_free_context(&_decoder);
        }
    }
}

MoviePictures::~MoviePictures()
{
    avcodec_free_context(&_decoder);
    sws_freeContext(_scaler);
}

MovieWriter::Frame MoviePictures::make(const QByteArray &jpeg, const _vexa_video_frame_header_t &header,
                                       const QImage &overlay, QPoint at)
{
    MovieWriter::Frame frame = decode(jpeg);
    if (!frame)
        return nullptr;
    // Flipping and captions work on full-range YUV planes; anything else is brought there.
    if (!isFullRangeYuv(frame->format)) {
        frame = convert(*frame, QSize(frame->width, frame->height), AV_PIX_FMT_YUVJ420P);
        if (!frame)
            return nullptr;
    }
    if (av_frame_make_writable(frame.get()) < 0)
        return nullptr;
    flip(*frame);
    if (_band > 0 && _hasCaptions) {
        frame = withBand(*frame);
        if (!frame)
            return nullptr;
    }
    if (_hasCaptions)
        caption(*frame, header);
    if (!overlay.isNull())
        blend(*frame, CaptionGlyphs::dotsOf(overlay, QPoint()), at);
    if (frame->format == _format && QSize(frame->width, frame->height) == _size)
        return frame;
    return convert(*frame, _size, _format);
}

MovieWriter::Frame MoviePictures::decode(const QByteArray &jpeg)
{
    if (!_decoder || jpeg.isEmpty())
        return nullptr;
    AVPacket *packet = av_packet_alloc();
    if (!packet)
        return nullptr;
    // The decoder reads only what the packet says; the bytes stay ours.
    packet->data = reinterpret_cast<uint8_t *>(const_cast<char *>(jpeg.constData()));
    packet->size = int(jpeg.size());
    MovieWriter::Frame frame(av_frame_alloc());
    const bool ok = frame && avcodec_send_packet(_decoder, packet) >= 0
                 && avcodec_receive_frame(_decoder, frame.get()) >= 0;
    av_packet_free(&packet);
    if (!ok)
        return nullptr;
    return frame;
}

MovieWriter::Frame MoviePictures::convert(const AVFrame &frame, QSize size, int format)
{
    bool sourceFull = frame.color_range == AVCOL_RANGE_JPEG;
    bool targetFull = false;
    const AVPixelFormat source = plainFormat(frame.format, &sourceFull);
    const AVPixelFormat target = plainFormat(format, &targetFull);
    _scaler = sws_getCachedContext(_scaler, frame.width, frame.height, source, size.width(),
                                   size.height(), target, SWS_BILINEAR, nullptr, nullptr, nullptr);
    MovieWriter::Frame out(av_frame_alloc());
    if (!_scaler || !out)
        return nullptr;
    const int *coefficients = sws_getCoefficients(SWS_CS_DEFAULT);
    sws_setColorspaceDetails(_scaler, coefficients, sourceFull, coefficients, targetFull, 0,
                             1 << 16, 1 << 16);
    out->format = format;
    out->width = size.width();
    out->height = size.height();
    if (av_frame_get_buffer(out.get(), 0) < 0)
        return nullptr;
    sws_scale(_scaler, frame.data, frame.linesize, 0, frame.height, out->data, out->linesize);
    return out;
}

// The picture over a black band of _band rows, in the picture's own planar format.
MovieWriter::Frame MoviePictures::withBand(const AVFrame &frame) const
{
    MovieWriter::Frame out(av_frame_alloc());
    if (!out)
        return nullptr;
    out->format = frame.format;
    out->width = frame.width;
    out->height = frame.height + _band;
    out->color_range = frame.color_range;
    if (av_frame_get_buffer(out.get(), 0) < 0)
        return nullptr;
    const AVPixFmtDescriptor *desc = av_pix_fmt_desc_get(AVPixelFormat(frame.format));
    for (int plane = 0; plane < 3; ++plane) {
        const int w = plane ? AV_CEIL_RSHIFT(frame.width, desc->log2_chroma_w) : frame.width;
        const int h = plane ? AV_CEIL_RSHIFT(frame.height, desc->log2_chroma_h) : frame.height;
        const int total = plane ? AV_CEIL_RSHIFT(out->height, desc->log2_chroma_h) : out->height;
        for (int y = 0; y < total; ++y) {
            uint8_t *row = out->data[plane] + y * out->linesize[plane];
            if (y < h)
                std::memcpy(row, frame.data[plane] + y * frame.linesize[plane], size_t(w));
            else
                std::memset(row, plane ? 128 : 0, size_t(w));
        }
    }
    return out;
}

void MoviePictures::flip(AVFrame &frame) const
{
    if (_flip < 1 || _flip > 3)
        return;
    const AVPixFmtDescriptor *desc = av_pix_fmt_desc_get(AVPixelFormat(frame.format));
    for (int plane = 0; plane < 3; ++plane) {
        const int w = plane ? AV_CEIL_RSHIFT(frame.width, desc->log2_chroma_w) : frame.width;
        const int h = plane ? AV_CEIL_RSHIFT(frame.height, desc->log2_chroma_h) : frame.height;
        uint8_t *data = frame.data[plane];
        const int stride = frame.linesize[plane];
        if (_flip != 1)  // mirrored or half turn
            for (int y = 0; y < h; ++y)
                mirrorRow(data + y * stride, w);
        if (_flip != 2)  // upside down or half turn
            for (int y = 0; y < h / 2; ++y)
                std::swap_ranges(data + y * stride, data + y * stride + w,
                                 data + (h - 1 - y) * stride);
    }
}

void MoviePictures::caption(AVFrame &frame, const _vexa_video_frame_header_t &header)
{
    // With a band, the captions are laid out in it as they would be on a picture its size.
    const QPointF shift(0, _band > 0 ? frame.height - _band : 0);
    const QSize area(frame.width, _band > 0 ? _band : frame.height);
    // Drawing outlined text is the dearest step of a captioned frame: glyphs are drawn once.
    _glyphs.place(_captions.lines(header, area), shift,
                  [&frame](const CaptionGlyphs::Drawn &d, QPoint origin) { blend(frame, d.dots, origin); });
}

// Lays dots over the planes: what the picture keeps of each pixel plus the dot's own part.
void MoviePictures::blend(AVFrame &frame, const std::vector<CaptionGlyphs::Dot> &dots, QPoint origin)
{
    const AVPixFmtDescriptor *desc = av_pix_fmt_desc_get(AVPixelFormat(frame.format));
    const int sx = desc->log2_chroma_w;
    const int sy = desc->log2_chroma_h;
    const int maskX = (1 << sx) - 1;
    const int maskY = (1 << sy) - 1;
    for (const CaptionGlyphs::Dot &dot : dots) {
        const int x = origin.x() + dot.x;
        const int y = origin.y() + dot.y;
        if (x < 0 || y < 0 || x >= frame.width || y >= frame.height)
            continue;
        uint8_t &luma = frame.data[0][y * frame.linesize[0] + x];
        luma = clampByte(luma * dot.keep / 255 + dot.luma);
        if ((x & maskX) || (y & maskY))
            continue;
        uint8_t &cb = frame.data[1][(y >> sy) * frame.linesize[1] + (x >> sx)];
        uint8_t &cr = frame.data[2][(y >> sy) * frame.linesize[2] + (x >> sx)];
        cb = clampByte(cb * dot.keep / 255 + dot.cb);
        cr = clampByte(cr * dot.keep / 255 + dot.cr);
    }
}
