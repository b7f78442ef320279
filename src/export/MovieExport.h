// The movie of a recording: from frame 0 until a time, thinned to n pictures a second,
// optionally flipped and captioned. The movie is built in a temporary file beside the
// destination and replaces it only once complete.
#pragma once

#include "FrameCaptions.h"
#include "MovieWriter.h"

#include <QList>
#include <QString>

#include <atomic>
#include <functional>

class vexa_vdd_file;

struct MovieOptions {
    int frameRate = 0;  // the recording's frames a second; 0: read from frame 0
    int perSecond = 0;  // pictures a second; 0: the frame rate
    MovieWriter::Codec codec = MovieWriter::Codec::Jpeg;
    MovieWriter::Quality quality = MovieWriter::Quality::High;
    qint64 untilMsec = -1;  // frames at or after this UTC time are left out; -1: see defaultEnd()
    FrameCaptions captions;
    int flip = 0;
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
    // The frames-per-second field of a frame's telemetry; 0 when it cannot be read.
    static int framesPerSecond(vexa_vdd_file &reader, qint64 index);
    // The last frame's time cut to whole seconds, in milliseconds.
    static qint64 defaultEnd(const vexa_vdd_file &reader);
    // Frames 0, step, 2 step ... whose time is before endMsec.
    static QList<qint64> pictureFrames(const vexa_vdd_file &reader, int step, qint64 endMsec);
    // The camera's VEHICLEID of the card at root; empty when it has none.
    static QString vehicleOf(const QString &root);
};
