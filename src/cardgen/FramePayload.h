// The 59-byte telemetry block a frame carries in its JPEG comment segment.
#pragma once

#include "DriveModel.h"

#include <QByteArray>

#include <cstdint>

struct FrameStamp {
    int64_t utcSeconds = 0;   // the frame's whole second
    int frameInSecond = 0;    // counter within that second
    int framesPerSecond = 10;
    int recordPhase = 1;      // 1 normal, 2 before a trigger, 3 after it
    int eventType = 0;        // trigger code
};

class FramePayload {
public:
    // The payload; it never holds the byte pair 0xFF 0xD9, which would end the picture early.
    static QByteArray build(const FrameStamp &stamp, const DriveSample &sample);

private:
    static QByteArray encode(const FrameStamp &stamp, const DriveSample &s);
    static void nudge(DriveSample &s, int offset);
};
