// Writes an .mp4 movie of pictures that each last 1/n second, through FFmpeg: Motion-JPEG
// or MPEG-4 part 2 at one of three qualities, or camera JPEG pictures copied unchanged.
#pragma once

#include "MovieSubtitles.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QSize>
#include <QString>

#include <memory>

class DurableWrite;
struct AVCodecContext;
struct AVIOContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;

class MovieWriter {
public:
    enum class Codec { Jpeg, Mpeg4 };
    enum class Quality { Low, Normal, High };

    struct FrameFree {
        void operator()(AVFrame *frame) const;
    };
    using Frame = std::unique_ptr<AVFrame, FrameFree>;

    MovieWriter();
    ~MovieWriter();
    MovieWriter(const MovieWriter &) = delete;
    MovieWriter &operator=(const MovieWriter &) = delete;

    // Before open(): a mov_text track of these cues, written as the pictures reach them.
    void setSubtitles(const QList<MovieSubtitles::Cue> &cues) { _cues = cues; }
    // Before open(): a tag of the movie ("creation_time", "location").
    void setMetadata(const QByteArray &key, const QString &value) { _metadata.append({key, value}); }

    // Writes the movie (an MP4 whatever its name) into an open file, which the caller commits
    // after finish(). With copyJpeg, the pictures are given as JPEG bytes and stored as they
    // are (codec and quality are then unused).
    bool open(DurableWrite &file, Codec codec, Quality quality, QSize size, int perSecond,
              bool copyJpeg = false);
    // The pictures add() takes: this size and the encoder's AVPixelFormat.
    QSize size() const { return _size; }
    int pixelFormat() const;
    bool add(Frame frame);
    bool addJpeg(const QByteArray &jpeg);
    // Drains the encoder, writes the trailer and closes the file; false if any write failed.
    bool finish();

    qint64 pictures() const { return _pictures; }
    QString errorString() const { return _error; }

    static QString codecName(Codec codec) { return codec == Codec::Jpeg ? "jpeg" : "mp4v"; }
    // The JPEG's width and height from its header, without decoding it.
    static QSize jpegSize(const QByteArray &jpeg);

private:
    bool openEncoder(Codec codec, Quality quality);
    bool drain(bool flush);
    bool writePacket(AVPacket *packet);
    bool fail(const QString &what, int code = 0);
    void closeAll();
    bool openOutput(DurableWrite &file);
    bool openSubtitles();
    // The cues that start by msec, before the picture shown then.
    bool writeCues(qint64 msec);

    AVFormatContext *_format = nullptr;
    AVCodecContext *_encoder = nullptr;
    AVStream *_stream = nullptr;
    AVStream *_subtitles = nullptr;
    QList<MovieSubtitles::Cue> _cues;
    qsizetype _nextCue = 0;
    QList<QPair<QByteArray, QString>> _metadata;
    AVIOContext *_io = nullptr;
    DurableWrite *_file = nullptr;
    QSize _size;
    int _perSecond = 1;
    int _quality = 0;
    qint64 _pictures = 0;
    bool _headerWritten = false;
    QString _error;
};
