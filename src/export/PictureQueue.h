// Pictures handed from the drawing threads to the encoder in movie order: drawers finish
// pictures out of turn, the encoder takes them by sequence number.
#pragma once

#include "MovieWriter.h"

#include <QString>

#include <condition_variable>
#include <map>
#include <mutex>

class PictureQueue {
public:
    explicit PictureQueue(int producers) : _producers(producers) {}

    // Picture seq of the movie; null when it was left out. Blocks while seq is too far ahead
    // of the encoder; false once the queue has stopped.
    bool push(qint64 seq, MovieWriter::Frame frame);
    // The next picture in order, passing over left-out ones; null at the end or once stopped.
    MovieWriter::Frame pop();
    // A producer is done; with an error, everything stops.
    void finish(const QString &error = {});
    void stop();
    QString error();

private:
    static constexpr qint64 kDepth = 6;

    std::mutex _mutex;
    std::condition_variable _changed;
    std::map<qint64, MovieWriter::Frame> _ready;
    qint64 _next = 0;
    int _producers;
    int _finished = 0;
    bool _stopped = false;
    QString _error;
};
