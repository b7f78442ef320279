// The search of the log page: the records of a series of logs that pass a speed threshold,
// G-sensor thresholds per axis, or both. The log page and `tumbo-cli search` share it.
#pragma once

#include "DisplayFormat.h"
#include "DrivingEvents.h"
#include "vexa_log_file.h"

#include <QList>

#include <cstdint>
#include <optional>
#include <vector>

class LogSearch {
public:
    // What the page's check boxes and fields hold. Speed is in the format's unit; a speed
    // limit of 0 looks for standstill. G limits in g.
    struct Criteria {
        bool speedOn = false;
        double speedLimit = 60;
        DisplayFormat format;
        bool gOn = false;
        bool xOn = false;
        bool yOn = false;
        bool zOn = false;
        double xLimit = 0.4;
        double yLimit = 0.4;
        double zLimit = 0.4;
        // The driving events of a kind (or of every kind) as the other way to search: each
        // event lists its first record, and the boxes above play no part.
        bool eventOn = false;
        std::optional<DrivingEvents::Kind> eventKind;
        DrivingEvents::Thresholds thresholds;
    };

    // One result: the log's position in the searched list, the record, the 1-based row
    // number counted across all logs; an event search also names the event's kind.
    struct Row {
        qsizetype log = 0;
        qint64 index = 0;
        qint64 number = 0;
        std::optional<DrivingEvents::Kind> kind;
    };

    // |x| rounded to two decimals the way "%05.2f" prints it.
    static double roundUp(double x);
    // The position of the first log that ends later than the next one starts, or -1 when
    // the logs are in time order.
    static qsizetype outOfOrderAt(const std::vector<const vexa_log_file *> &logs);

    QList<Row> search(const std::vector<const vexa_log_file *> &logs, const Criteria &criteria);
    // The matching record indices of one log, in record order.
    std::vector<qint64> searchLog(const vexa_log_file &log, const Criteria &criteria);

private:
    // The driving events of the log that the criteria ask for, in start order.
    static DrivingEvents::Events eventHits(const vexa_log_file &log, const Criteria &criteria);
    std::vector<qint64> speedHits(const std::vector<_vexa_log_info_t> &records,
                                  const Criteria &criteria) const;
    // Per record, whether the axis passes; empty when the axis is off.
    std::vector<bool> axisHits(const std::vector<_vexa_log_info_t> &records, int axis,
                               double limit);
    double rounded(int axis, int16_t milliG);

    // roundUp of a milli-g value, filled as values turn up: [0] X and Y, [1] Z less 1 g.
    std::vector<double> _rounded[2];
};
