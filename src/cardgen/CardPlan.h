// What a generated card holds and when: recordings on a global frame grid,
// logs as lists of drive seconds, and the trigger marks of the drive.
#pragma once

#include "CardGenerator.h"
#include "DriveModel.h"

#include <cstdint>
#include <vector>

struct RecordingPlan {
    QString list;        // "event" or "normal"
    QString subFolder;   // inside the list folder, or empty
    int64_t sequence = 0;
    int64_t startFrame = 0;  // frames since the start of the drive
    int frames = 0;
    int eventCode = 0;   // event recordings: trigger code of every frame
    int preFrames = 0;   // event recordings: frames before the trigger (phase 2)
    SidecarForm sidecar = SidecarForm::New;
    unsigned awkward = 0;
};

struct LogPlan {
    int64_t sequence = 0;
    std::vector<int64_t> seconds;  // drive seconds, one record each
    int millisecond = 0;
    bool crlf = true;
    int expected = 0;              // records a reader keeps, -1 when it refuses the log
    unsigned awkward = 0;
};

struct TriggerMark {
    int64_t fromFrame = 0;  // inclusive
    int64_t toFrame = 0;    // exclusive
    int code = 0;
};

class CardPlan {
public:
    // Plans the card and registers its shocks and GPS outages with the drive.
    CardPlan(const CardGenerator::Options &options, DriveModel &drive);

    std::vector<RecordingPlan> recordings;
    std::vector<LogPlan> logs;
    std::vector<TriggerMark> marks;
    int64_t lastSecond = 0;  // the drive must reach this second

    // Trigger code of a drive frame in a normal recording (0 when no mark covers it).
    int triggerAt(int64_t frame) const;
    int64_t frameMsec(int64_t frame) const;
    int64_t frameSecond(int64_t frame) const { return frame / fps_; }
    int frameInSecond(int64_t frame) const { return int(frame % fps_); }

private:
    void planNormals(int count, int frames);
    void planEvents(int count, int frames, int64_t spanSeconds, DriveModel &drive);
    void planSwitchMark(int frames);
    void spreadMissingSidecars(int count);
    int64_t planAwkwardRecordings(int64_t second, int frames);
    void planLogs(int64_t spanSeconds);
    void planAwkwardLogs(int64_t second);
    void addLog(int64_t firstSecond, int64_t count, unsigned awkward, bool crlf, int expected);

    const CardGenerator::Options &options_;
    SeededRandom random_;
    int fps_;
    int64_t nextEvent_ = 1, nextNormal_ = 1, nextLog_ = 1;
};
