#include "MovieWriter.h"

#include "DurableWrite.h"

#include <QBuffer>
#include <QImageReader>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
}

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Encoder quantiser per quality (1 best .. 31 worst): far enough apart to see and to weigh.
int qscaleOf(MovieWriter::Quality quality)
{
    switch (quality) {
    case MovieWriter::Quality::Low:
        return 20;
    case MovieWriter::Quality::Normal:
        return 8;
    case MovieWriter::Quality::High:
        break;
    }
    return 2;
}

QString avError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

#if LIBAVFORMAT_VERSION_MAJOR >= 61
using PacketBytes = const uint8_t *;
#else
using PacketBytes = uint8_t *;
#endif

// Every byte goes through the durable file, which keeps the first failure and its reason.
int writeBytes(void *opaque, PacketBytes bytes, int size)
{
    auto *file = static_cast<DurableWrite *>(opaque);
    if (!file->write(bytes, size_t(size)))
        return AVERROR(file->errorCode() ? file->errorCode() : EIO);
    return size;
}

int64_t seekTo(void *opaque, int64_t offset, int whence)
{
    auto *file = static_cast<DurableWrite *>(opaque);
    if (whence & AVSEEK_SIZE) {
        struct stat st {};
        return ::fstat(file->fd(), &st) == 0 ? int64_t(st.st_size) : AVERROR(errno);
    }
    const off_t at = ::lseek(file->fd(), off_t(offset), whence & ~AVSEEK_FORCE);
    return at < 0 ? AVERROR(errno) : int64_t(at);
}

constexpr int kIoBuffer = 256 * 1024;

// The tx3g sample description players expect of a mov_text track: no flags, centred at the
// bottom, no background or box, white 18-pixel text in the one font of its table.
const uint8_t kTextSampleEntry[] = {
    0, 0, 0, 0, 1, 0xFF, 0, 0, 0, 0,           // flags, justification, background
    0, 0, 0, 0, 0, 0, 0, 0,                    // text box
    0, 0, 0, 0, 0, 1, 0, 0x12, 0xFF, 0xFF, 0xFF, 0xFF,  // default style
    0, 0, 0, 0x12, 'f', 't', 'a', 'b', 0, 1, 0, 1, 5, 'S', 'e', 'r', 'i', 'f'};

} // namespace

void MovieWriter::FrameFree::operator()(AVFrame *frame) const
{
    av_frame_free(&frame);
}

MovieWriter::MovieWriter() = default;

MovieWriter::~MovieWriter()
{
    closeAll();
}

bool MovieWriter::fail(const QString &what, int code)
{
    if (!_error.isEmpty())
        return false;
    // A failed write names the file and the system's reason.
    if (_file && _file->failed())
        _error = QString::fromLocal8Bit(_file->errorString());
    else
        _error = code ? what + QStringLiteral(": ") + avError(code) : what;
    return false;
}

bool MovieWriter::open(DurableWrite &file, Codec codec, Quality quality, QSize size, int perSecond,
                       bool copyJpeg)
{
    closeAll();
    _error.clear();
    _pictures = 0;
    // 4:2:0 needs even sizes; the last odd row or column is scaled away.
    _size = copyJpeg ? size : QSize(size.width() & ~1, size.height() & ~1);
    _perSecond = perSecond;
    if (_size.width() < 2 || _size.height() < 2 || perSecond < 1)
        return fail(QStringLiteral("no picture size or rate"));
    int code = avformat_alloc_output_context2(&_format, nullptr, "mp4", nullptr);
    if (code < 0)
        return fail(QStringLiteral("mp4 container"), code);
    _stream = avformat_new_stream(_format, nullptr);
    if (!_stream)
        return fail(QStringLiteral("movie stream"));
    _stream->time_base = AVRational{1, perSecond};
    if (copyJpeg) {
        AVCodecParameters *par = _stream->codecpar;
        par->codec_type = AVMEDIA_TYPE_VIDEO;
        par->codec_id = AV_CODEC_ID_MJPEG;
        par->width = _size.width();
        par->height = _size.height();
    } else if (!openEncoder(codec, quality)) {
        return false;
    }
    for (const auto &[key, value] : _metadata)
        av_dict_set(&_format->metadata, key.constData(), value.toUtf8().constData(), 0);
    if (!openSubtitles() || !openOutput(file))
        return false;
    code = avformat_write_header(_format, nullptr);
    if (code < 0)
        return fail(QStringLiteral("movie header"), code);
    _headerWritten = true;
    return true;
}

bool MovieWriter::openSubtitles()
{
    _nextCue = 0;
    if (_cues.isEmpty())
        return true;
    _subtitles = avformat_new_stream(_format, nullptr);
    if (!_subtitles)
        return fail(QStringLiteral("subtitle stream"));
    _subtitles->time_base = AVRational{1, 1000};
    AVCodecParameters *par = _subtitles->codecpar;
    par->codec_type = AVMEDIA_TYPE_SUBTITLE;
    par->codec_id = AV_CODEC_ID_MOV_TEXT;
    par->extradata = static_cast<uint8_t *>(av_mallocz(sizeof kTextSampleEntry + AV_INPUT_BUFFER_PADDING_SIZE));
    if (!par->extradata)
        return fail(QStringLiteral("out of memory"));
    memcpy(par->extradata, kTextSampleEntry, sizeof kTextSampleEntry);
    par->extradata_size = int(sizeof kTextSampleEntry);
    return true;
}

bool MovieWriter::writeCues(qint64 msec)
{
    for (; _subtitles && _nextCue < _cues.size() && _cues[_nextCue].startMsec <= msec; ++_nextCue) {
        const MovieSubtitles::Cue &cue = _cues[_nextCue];
        // A tx3g sample: the text's length in two bytes, then the UTF-8 text.
        const QByteArray text = cue.text.toUtf8().left(0xFFFF);
        AVPacket *packet = av_packet_alloc();
        if (!packet || av_new_packet(packet, int(text.size()) + 2) < 0) {
            av_packet_free(&packet);
            return fail(QStringLiteral("out of memory"));
        }
        packet->data[0] = uint8_t(text.size() >> 8);
        packet->data[1] = uint8_t(text.size() & 0xFF);
        memcpy(packet->data + 2, text.constData(), size_t(text.size()));
        packet->flags |= AV_PKT_FLAG_KEY;
        packet->pts = packet->dts = cue.startMsec;
        packet->duration = cue.endMsec - cue.startMsec;
        packet->stream_index = _subtitles->index;
        av_packet_rescale_ts(packet, AVRational{1, 1000}, _subtitles->time_base);
        const int code = av_interleaved_write_frame(_format, packet);
        av_packet_free(&packet);
        if (code < 0)
            return fail(QStringLiteral("writing the subtitles"), code);
    }
    return true;
}

bool MovieWriter::openOutput(DurableWrite &file)
{
    auto *buffer = static_cast<unsigned char *>(av_malloc(kIoBuffer));
    _io = buffer ? avio_alloc_context(buffer, kIoBuffer, 1, &file, nullptr, writeBytes, seekTo) : nullptr;
    if (!_io) {
        av_free(buffer);
        return fail(QStringLiteral("out of memory"));
    }
    _io->seekable = AVIO_SEEKABLE_NORMAL;
    _file = &file;
    _format->pb = _io;
    _format->flags |= AVFMT_FLAG_CUSTOM_IO;
    return true;
}

bool MovieWriter::openEncoder(Codec codec, Quality quality)
{
    const AVCodec *found =
        avcodec_find_encoder(codec == Codec::Jpeg ? AV_CODEC_ID_MJPEG : AV_CODEC_ID_MPEG4);
    if (!found)
        return fail(QStringLiteral("no %1 encoder").arg(codecName(codec)));
    _encoder = avcodec_alloc_context3(found);
    if (!_encoder)
        return fail(QStringLiteral("encoder"));
    _encoder->width = _size.width();
    _encoder->height = _size.height();
    _encoder->time_base = AVRational{1, _perSecond};
    _encoder->framerate = AVRational{_perSecond, 1};
    _encoder->pix_fmt = codec == Codec::Jpeg ? AV_PIX_FMT_YUVJ420P : AV_PIX_FMT_YUV420P;
    _encoder->max_b_frames = 0;
    _encoder->flags |= AV_CODEC_FLAG_QSCALE;
    _quality = FF_QP2LAMBDA * qscaleOf(quality);
    _encoder->global_quality = _quality;
    _encoder->thread_count = 0;
    // The standard Huffman tables code the same pictures about a tenth faster than tables
    // fitted to each picture, for a file about a tenth larger.
    if (codec == Codec::Jpeg)
        av_opt_set(_encoder->priv_data, "huffman", "default", 0);
    if (_format->oformat->flags & AVFMT_GLOBALHEADER)
        _encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int code = avcodec_open2(_encoder, found, nullptr);
    if (code < 0)
        return fail(QStringLiteral("encoder"), code);
    code = avcodec_parameters_from_context(_stream->codecpar, _encoder);
    if (code < 0)
        return fail(QStringLiteral("encoder parameters"), code);
    return true;
}

int MovieWriter::pixelFormat() const
{
    return _encoder ? _encoder->pix_fmt : AV_PIX_FMT_NONE;
}

bool MovieWriter::add(Frame frame)
{
    if (!_encoder || !_headerWritten || !frame)
        return fail(QStringLiteral("picture not added"));
    if (!writeCues(_pictures * 1000 / _perSecond))
        return false;
    frame->pts = _pictures;
    frame->quality = _quality;
    const int code = avcodec_send_frame(_encoder, frame.get());
    if (code < 0)
        return fail(QStringLiteral("encoding"), code);
    ++_pictures;
    return drain(false);
}

bool MovieWriter::addJpeg(const QByteArray &jpeg)
{
    if (_encoder || !_headerWritten || jpeg.isEmpty())
        return fail(QStringLiteral("picture not added"));
    AVPacket *packet = av_packet_alloc();
    if (!packet || av_new_packet(packet, int(jpeg.size())) < 0) {
        av_packet_free(&packet);
        return fail(QStringLiteral("out of memory"));
    }
    memcpy(packet->data, jpeg.constData(), size_t(jpeg.size()));
    if (!writeCues(_pictures * 1000 / _perSecond)) {
        av_packet_free(&packet);
        return false;
    }
    packet->flags |= AV_PKT_FLAG_KEY;
    packet->pts = packet->dts = _pictures;
    packet->duration = 1;
    const bool ok = writePacket(packet);
    av_packet_free(&packet);
    if (ok)
        ++_pictures;
    return ok;
}

bool MovieWriter::writePacket(AVPacket *packet)
{
    packet->stream_index = _stream->index;
    av_packet_rescale_ts(packet, AVRational{1, _perSecond}, _stream->time_base);
    const int code = av_interleaved_write_frame(_format, packet);
    if (code < 0)
        return fail(QStringLiteral("writing the movie"), code);
    return true;
}

bool MovieWriter::drain(bool flush)
{
    if (flush) {
        const int code = avcodec_send_frame(_encoder, nullptr);
        if (code < 0)
            return fail(QStringLiteral("encoding"), code);
    }
    AVPacket *packet = av_packet_alloc();
    if (!packet)
        return fail(QStringLiteral("out of memory"));
    bool ok = true;
    for (;;) {
        const int code = avcodec_receive_packet(_encoder, packet);
        if (code == AVERROR(EAGAIN) || code == AVERROR_EOF)
            break;
        if (code < 0) {
            ok = fail(QStringLiteral("encoding"), code);
            break;
        }
        packet->duration = 1;
        ok = writePacket(packet);
        av_packet_unref(packet);
        if (!ok)
            break;
    }
    av_packet_free(&packet);
    return ok;
}

bool MovieWriter::finish()
{
    if (!_headerWritten)
        return fail(QStringLiteral("movie not open"));
    bool ok = (!_encoder || drain(true)) && writeCues(_pictures * 1000 / _perSecond);
    _headerWritten = false;
    if (ok) {
        const int code = av_write_trailer(_format);
        if (code < 0)
            ok = fail(QStringLiteral("movie trailer"), code);
    }
    // Buffered bytes reach the file only here; a full disk shows up now.
    avio_flush(_format->pb);
    if (_format->pb->error < 0 || _file->failed())
        ok = fail(QStringLiteral("writing the movie"), _format->pb->error);
    closeAll();
    return ok;
}

void MovieWriter::closeAll()
{
    if (_format)
        _format->pb = nullptr;
    if (_io)
        av_freep(&_io->buffer);
    avio_context_free(&_io);
    _file = nullptr;
    avformat_free_context(_format);
    _format = nullptr;
    _stream = nullptr;
    _subtitles = nullptr;
    avcodec_free_context(&_encoder);
    _headerWritten = false;
}

QSize MovieWriter::jpegSize(const QByteArray &jpeg)
{
    QBuffer buffer;
    buffer.setData(jpeg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    return reader.size();
}
