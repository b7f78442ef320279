#include "PictureQueue.h"

extern "C" {
#include <libavutil/frame.h>
}

bool PictureQueue::push(qint64 seq, MovieWriter::Frame frame)
{
    std::unique_lock lock(_mutex);
    _changed.wait(lock, [&] { return _stopped || seq < _next + kDepth; });
    if (_stopped)
        return false;
    _ready.emplace(seq, std::move(frame));
    _changed.notify_all();
    return true;
}

MovieWriter::Frame PictureQueue::pop()
{
    std::unique_lock lock(_mutex);
    for (;;) {
        _changed.wait(lock, [&] { return _stopped || _ready.count(_next) || _finished == _producers; });
        const auto it = _ready.find(_next);
        if (_stopped || it == _ready.end())
            return nullptr;
        MovieWriter::Frame frame = std::move(it->second);
        _ready.erase(it);
        ++_next;
        _changed.notify_all();
        if (frame)
            return frame;
    }
}

void PictureQueue::finish(const QString &error)
{
    std::lock_guard lock(_mutex);
    ++_finished;
    // A missing picture would hold back every later one; the movie cannot be finished.
    if (!error.isEmpty()) {
        _error = error;
        _stopped = true;
    }
    _changed.notify_all();
}

void PictureQueue::stop()
{
    std::lock_guard lock(_mutex);
    _stopped = true;
    _changed.notify_all();
}

QString PictureQueue::error()
{
    std::lock_guard lock(_mutex);
    return _error;
}
