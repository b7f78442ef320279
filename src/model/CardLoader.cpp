#include "CardLoader.h"

#include "FileLog.h"
#include "FileVideo.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

namespace {

// A file the card makes us fail on (no memory for its frames, a length we cannot hold) is
// one unreadable file, not the end of the program: it stays empty and is reported skipped.
CardLoader::Result openOne(const CardLoader::Job &job)
{
    CardLoader::Result result;
    try {
        if (job.isLog)
            result.log = FileLog::openReader(job.folder, job.file);
        else
            result.video = FileVideo::openReader(job.folder, job.file);
    } catch (const std::exception &) {
        return {};
    }
    return result;
}

} // namespace

std::vector<CardLoader::Result> CardLoader::run(const std::vector<Job> &jobs,
                                               const std::function<void(qint64)> &progress,
                                               const std::atomic_bool &cancel)
{
    std::vector<Result> results(jobs.size());
    if (jobs.empty())
        return results;

    std::atomic<size_t> next{0};
    std::atomic<size_t> done{0};
    auto work = [&] {
        for (size_t i = next++; i < jobs.size() && !cancel; i = next++) {
            results[i] = openOne(jobs[i]);
            done.fetch_add(1, std::memory_order_release);
        }
    };
    const size_t threads = std::clamp<size_t>(size_t(QThread::idealThreadCount()), 1, 8);
    std::vector<std::jthread> workers;
    for (size_t t = 0; t < std::min(threads, jobs.size()); ++t)
        workers.emplace_back(work);

    qint64 reported = 0;
    auto report = [&] {
        const qint64 finished = qint64(done.load(std::memory_order_acquire));
        while (reported < finished)
            progress(++reported);
        return size_t(finished) == jobs.size();
    };
    if (QCoreApplication::instance() && QThread::currentThread() == qApp->thread()) {
        // The window stays alive: events are handled while the workers index.
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (report() || cancel)
                loop.quit();
        });
        poll.start(15);
        // User input too, so the loading window can be cancelled; it is modal, so nothing
        // else is reachable meanwhile.
        if (!report())
            loop.exec();
    }
    workers.clear();  // joins: a worker finishes the file it is reading
    if (!cancel)
        report();
    return results;
}
