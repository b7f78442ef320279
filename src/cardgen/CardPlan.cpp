#include "CardPlan.h"

#include "vexa_log_file.h"

#include <algorithm>

namespace {

using Awkward = CardGenerator::Awkward;

// Trigger codes of successive event recordings; the first is always a G-sensor shock.
constexpr int kEventCodes[] = {1, 2, 1, 8, 4, 1, 16, 32};

int64_t ceilDiv(int64_t a, int64_t b)
{
    return (a + b - 1) / b;
}

} // namespace

CardPlan::CardPlan(const CardGenerator::Options &options, DriveModel &drive)
    : options_(options), random_(SeededRandom::mix(options.seed ^ 0xCA4D5EEDull)), fps_(options.framesPerSecond)
{
    const int frames = options.recordingSeconds * fps_;
    int64_t span = 0;
    if (options.normalCount > 0)
        span = int64_t(options.normalCount) * options.recordingSeconds;
    else if (options.eventCount > 0)
        span = int64_t(options.eventCount) * options.recordingSeconds * 3;
    else
        span = int64_t(std::max(1, options.logCount)) * (options.logSeconds > 0 ? options.logSeconds : 600);

    planNormals(options.normalCount, frames);
    planEvents(options.eventCount, frames, span, drive);
    planSwitchMark(frames);
    spreadMissingSidecars(options.withoutSidecarCount);
    if (span >= 90)
        drive.addOutage(span * 2 / 5, span * 2 / 5 + 15);  // a tunnel
    planLogs(span);

    int64_t end = span;
    for (const RecordingPlan &r : recordings)
        end = std::max(end, ceilDiv(r.startFrame + r.frames, fps_));
    for (const LogPlan &l : logs)
        end = std::max(end, l.seconds.back() + 1);
    const int64_t next = planAwkwardRecordings(end + 5, frames);
    planAwkwardLogs(next + 5);

    lastSecond = next;
    for (const LogPlan &l : logs)
        lastSecond = std::max(lastSecond, l.seconds.back() + 2);
}

int64_t CardPlan::frameMsec(int64_t frame) const
{
    return frame / fps_ * 1000 + frame % fps_ * 1000 / fps_;
}

int CardPlan::triggerAt(int64_t frame) const
{
    for (const TriggerMark &m : marks) {
        if (frame >= m.fromFrame && frame < m.toFrame)
            return m.code;
    }
    return 0;
}

void CardPlan::planNormals(int count, int frames)
{
    for (int i = 0; i < count; ++i) {
        RecordingPlan r;
        r.list = QStringLiteral("normal");
        r.sequence = nextNormal_++;
        r.startFrame = int64_t(i) * frames;
        r.frames = frames;
        r.sidecar = options_.sidecar;
        recordings.push_back(r);
    }
}

void CardPlan::planEvents(int count, int frames, int64_t spanSeconds, DriveModel &drive)
{
    const int preFrames = frames * 3 / 5;  // as the camera's default 12 s before and 8 s after
    const int64_t earliest = ceilDiv(preFrames, fps_);
    const int64_t wobble = options_.recordingSeconds / 4;
    std::vector<int64_t> moments;
    for (int k = 0; k < count; ++k) {
        const int64_t base = (k + 1) * spanSeconds / (count + 1) + random_.range(-wobble, wobble);
        moments.push_back(std::clamp(base, earliest, std::max(earliest, spanSeconds - 1)));
    }
    std::sort(moments.begin(), moments.end());
    for (int k = 0; k < count; ++k) {
        const int64_t trigger = moments[size_t(k)] * fps_;
        RecordingPlan r;
        r.list = QStringLiteral("event");
        r.sequence = nextEvent_++;
        r.startFrame = trigger - preFrames;
        r.frames = frames;
        r.eventCode = kEventCodes[k % 8];
        r.preFrames = preFrames;
        r.sidecar = options_.sidecar;
        recordings.push_back(r);
        marks.push_back({trigger, trigger + fps_, r.eventCode});
        if (r.eventCode == 1) {
            // Braking hard just before the impact, as in a rear-end collision.
            drive.addShock(moments[size_t(k)] * 1000);
            drive.addHardStop(moments[size_t(k)] - 2);
        }
    }
}

void CardPlan::planSwitchMark(int frames)
{
    // A press of the manual switch in the middle of a normal recording that no event touches.
    const int count = options_.normalCount;
    if (count <= 0 || frames < 2)
        return;
    int chosen = count / 2;
    for (int i = 0; i < count; ++i) {
        const int candidate = (count / 2 + i) % count;
        const int64_t from = int64_t(candidate) * frames;
        const bool touched = std::any_of(marks.begin(), marks.end(), [&](const TriggerMark &m) {
            return m.toFrame > from && m.fromFrame < from + frames;
        });
        if (!touched) {
            chosen = candidate;
            break;
        }
    }
    const int64_t from = int64_t(chosen) * frames + std::max(1, frames * 2 / 5);
    marks.insert(marks.begin(), {from, from + std::max(1, fps_ / 2), 2});
}

void CardPlan::spreadMissingSidecars(int count)
{
    const int64_t total = int64_t(recordings.size());
    for (int64_t k = 0; k < count && total > 0; ++k)
        recordings[size_t(k * total / count)].sidecar = SidecarForm::None;
}

int64_t CardPlan::planAwkwardRecordings(int64_t second, int frames)
{
    const int longer = std::max(frames, 4);
    const Awkward cases[] = {Awkward::PaddingBetweenPictures, Awkward::PictureWithoutComment,
                             Awkward::ZeroYearInSidecar,      Awkward::OldFormSidecar,
                             Awkward::MissingSidecar,         Awkward::OneFrameRecording,
                             Awkward::EventSubFolder};
    for (Awkward a : cases) {
        if (!options_.awkward.testFlag(a))
            continue;
        RecordingPlan r;
        r.list = QStringLiteral("normal");
        r.startFrame = second * fps_;
        r.frames = a == Awkward::OneFrameRecording ? 1 : longer;
        r.sidecar = a == Awkward::OldFormSidecar ? SidecarForm::Old
                    : a == Awkward::MissingSidecar ? SidecarForm::None
                                                   : SidecarForm::New;
        r.awkward = unsigned(a);
        if (a == Awkward::EventSubFolder) {
            r.list = QStringLiteral("event");
            r.subFolder = QStringLiteral("archive");
            r.eventCode = 2;
            r.preFrames = r.frames * 3 / 5;
            r.sequence = nextEvent_++;
        } else {
            r.sequence = nextNormal_++;
        }
        recordings.push_back(r);
        second += ceilDiv(r.frames, fps_) + 2;
    }
    return second;
}

void CardPlan::addLog(int64_t firstSecond, int64_t count, unsigned awkward, bool crlf, int expected)
{
    LogPlan l;
    l.sequence = nextLog_++;
    for (int64_t s = 0; s < count; ++s)
        l.seconds.push_back(firstSecond + s);
    l.millisecond = int(random_.range(0, 9)) * 100;
    l.crlf = crlf;
    l.expected = expected;
    l.awkward = awkward;
    logs.push_back(l);
}

void CardPlan::planLogs(int64_t spanSeconds)
{
    const int count = options_.logCount;
    if (count <= 0)
        return;
    const int64_t length = options_.logSeconds > 0 ? options_.logSeconds
                                                   : std::clamp<int64_t>(ceilDiv(spanSeconds, count), 1, 3600);
    const int refusedAt = int(vexa_log_file::max_records);
    for (int j = 0; j < count; ++j)
        addLog(j * length, length, 0, true, length < refusedAt ? int(length) : -1);
}

void CardPlan::planAwkwardLogs(int64_t second)
{
    const int refusedAt = int(vexa_log_file::max_records);
    if (options_.awkward.testFlag(Awkward::LfLineEnds)) {
        addLog(second, 60, unsigned(Awkward::LfLineEnds), false, 60);
        second += 65;
    }
    if (options_.awkward.testFlag(Awkward::FullLog)) {
        addLog(second, refusedAt, unsigned(Awkward::FullLog), true, -1);
        second += refusedAt + 5;
    }
    if (options_.awkward.testFlag(Awkward::LogTimeGap)) {
        // 30 records, then the clock jumps past the log's window: readers keep the 30.
        addLog(second, 30, unsigned(Awkward::LogTimeGap), true, 30);
        const int64_t resume = second + 30 + refusedAt + 90;
        for (int64_t s = 0; s < 20; ++s)
            logs.back().seconds.push_back(resume + s);
    }
}
