#include "TrackExport.h"

#include "vexa_log_file.h"

namespace TrackExport {

QString defaultName(const Logs &logs)
{
    if (logs.empty() || !logs.front() || logs.front()->count() == 0)
        return {};
    const _vexa_time_t &t = logs.front()->record_at(0).time;
    return QString::asprintf("%04d%02d%02d_%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
}

Progress throttled(const Progress &progress, qint64 step)
{
    if (!progress)
        return {};
    return [progress, step, lastCount = QString()](qint64 done, qint64 total, const QString &count) mutable {
        if (done % step == 0 || done <= 1 || done == total || count != lastCount) {
            lastCount = count;
            progress(done, total, count);
        }
    };
}

QString countText(qint64 done, qint64 total)
{
    return QStringLiteral("%1/%2").arg(done).arg(total);
}

} // namespace TrackExport
