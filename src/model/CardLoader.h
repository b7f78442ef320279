// Opens the recordings and logs of a card on worker threads while the calling thread keeps
// its event loop running and hears, in order of completion, how many files are done.
#pragma once

#include "vexa_log_file.h"
#include "vexa_vdd_file.h"

#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class CardLoader {
public:
    struct Job {
        QString folder;
        QString file;
        bool isLog = false;
    };
    // Exactly one of the two is set for a file that opened; neither for one that did not.
    struct Result {
        std::unique_ptr<vexa_vdd_file> video;
        std::unique_ptr<vexa_log_file> log;
    };

    // Results in job order; progress(n) is called on the calling thread for n = 1 .. jobs.
    // Setting cancel stops the workers between files; the jobs not started stay empty.
    static std::vector<Result> run(const std::vector<Job> &jobs,
                                   const std::function<void(qint64)> &progress,
                                   const std::atomic_bool &cancel);
};
