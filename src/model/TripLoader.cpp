#include "TripLoader.h"

#include "FileManager.h"

TripLoader::TripLoader(QObject *parent) : QObject(parent)
{
}

TripLoader::~TripLoader()
{
    cancel();
}

void TripLoader::start(const FileManager &files, std::vector<TripBuilder::Source> sources, qint64 gapSeconds,
                       const DrivingEvents::Thresholds &thresholds)
{
    cancel();
    // The logs read here belong to the card's lists: they must outlive every read.
    connect(&files, &FileManager::closing, this, &TripLoader::cancel, Qt::UniqueConnection);
    auto cancelFlag = std::make_shared<std::atomic_bool>(false);
    _cancel = cancelFlag;
    const quint64 generation = ++_generation;
    _running = true;
    QThreadPool *pool = &_pool;
    _pool.start([this, pool, cancelFlag, generation, sources = std::move(sources), gapSeconds, thresholds]() mutable {
        if (!TripBuilder::completeLogs(sources, pool, cancelFlag.get()))
            return;
        auto result = std::make_shared<Result>();
        result->trips = TripBuilder::build(sources, gapSeconds, thresholds);
        result->sources = std::move(sources);
        if (cancelFlag->load())
            return;
        QMetaObject::invokeMethod(this, [this, generation, result] { deliver(generation, result); },
                                  Qt::QueuedConnection);
    });
}

void TripLoader::deliver(quint64 generation, const std::shared_ptr<const Result> &result)
{
    // A report posted just before a cancel or a newer start is stale.
    if (generation != _generation || !_running)
        return;
    _running = false;
    emit finished(*result);
}

void TripLoader::cancel()
{
    if (_cancel)
        _cancel->store(true);
    // At most one log a thread is still being read.
    _pool.waitForDone();
    _cancel.reset();
    _running = false;
}
