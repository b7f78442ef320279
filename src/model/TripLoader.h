// The trips' figures that wait for the logs' full reads: reads those logs several at once on
// its own threads, builds the trips again from them and reports on the thread that started
// it. A newer start, cancel(), or the card's lists being emptied drops the work under way,
// so only the latest start of the card still open ever reports.
#pragma once

#include "TripBuilder.h"

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <memory>

class TripLoader : public QObject {
    Q_OBJECT

public:
    struct Result {
        std::vector<TripBuilder::Source> sources;
        TripBuilder::Trips trips;
    };

    explicit TripLoader(QObject *parent = nullptr);
    ~TripLoader() override;

    // Completes the sources (from TripBuilder::sourcesAtOpen of files) in the background.
    void start(const FileManager &files, std::vector<TripBuilder::Source> sources, qint64 gapSeconds,
               const DrivingEvents::Thresholds &thresholds);
    // Drops the work under way; returns once no thread reads the card's files any more.
    void cancel();
    bool running() const { return _running; }

signals:
    void finished(const TripLoader::Result &result);

private:
    void deliver(quint64 generation, const std::shared_ptr<const Result> &result);

    QThreadPool _pool;
    std::shared_ptr<std::atomic_bool> _cancel;
    quint64 _generation = 0;
    bool _running = false;
};
