// The movie of a recording: from a time until a time, thinned to n pictures a second,
// optionally flipped and captioned. The movie is built in a file without a name beside the
// destination and replaces it only once complete and on the disk.
#pragma once

#include "DisplayFormat.h"
#include "FrameCaptions.h"
#include "MovieWriter.h"
#include "PrivacyZones.h"

#include <QList>
#include <QSize>
#include <QString>

#include <atomic>
#include <functional>

class vexa_vdd_file;

struct MovieOptions {
    int frameRate = 0;  // the recording's frames a second; 0: read from frame 0
    int perSecond = 0;  // pictures a second; 0: the frame rate
    MovieWriter::Codec codec = MovieWriter::Codec::Jpeg;
    MovieWriter::Quality quality = MovieWriter::Quality::High;
    qint64 fromMsec = -1;   // frames before this UTC time are left out; -1: from the first frame
    qint64 untilMsec = -1;  // frames at or after this UTC time are left out; -1: to the last frame
    FrameCaptions captions;
    bool band = false;  // captions in a band under the picture instead of over it
    bool overlay = false;  // speed gauge, G-ball and mini-map over the picture
    bool subtitles = false;  // a mov_text track and an .srt file beside the movie
    int flip = 0;
    // captions.zones: positions inside them leave the captions, the overlay's map, the
    // subtitles and the movie's location too.
};

struct MovieResult {
    bool ok = false;
    bool cancelled = false;
    qint64 pictures = 0;
    int perSecond = 0;
    QString error;
};

class MovieExport {
public:
    using Progress = std::function<void(qint64 done, qint64 total)>;

    static MovieResult run(const QString &vddPath, const QString &outPath, MovieOptions options,
                           const std::atomic_bool &cancel, const Progress &progress = {});

    // The camera's own pictures go into the movie untouched: nothing to draw, turn or re-encode.
    static bool copiesPictures(const MovieOptions &options);
    // The camera's pictures keep their compressed blocks, with the captions' band joined under.
    static bool joinsBand(const MovieOptions &options);
    // Rows of the captions' band under the picture, whole MCU rows of that height; 0: no band.
    static int bandHeight(const MovieOptions &options, int mcuRows);
    // The frames-per-second field of a frame's telemetry; 0 when it cannot be read.
    static int framesPerSecond(vexa_vdd_file &reader, qint64 index);
    // From the first frame at or after fromMsec, every step-th frame whose time is before
    // untilMsec; -1 leaves that end open.
    static QList<qint64> pictureFrames(const vexa_vdd_file &reader, int step, qint64 fromMsec,
                                       qint64 untilMsec);
    // The largest picture a movie takes: the camera's largest, or the decoder's limit if smaller.
    static QSize largestPicture();
    // The camera's VEHICLEID of the card at root; empty when it has none.
    static QString vehicleOf(const QString &root);
};
