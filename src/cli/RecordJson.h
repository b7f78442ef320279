// JSON forms of the camera's records, shared by the commands.
#pragma once

#include "JsonWriter.h"
#include "vexa_types.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class RecordJson {
public:
    // The stored fields as they are: "YYYY-MM-DDThh:mm:ss.mmmZ".
    static QString timeText(const _vexa_time_t &t);
    // First frame of each run of frames with a trigger code, leaving out a run at frame 0.
    static std::vector<uint64_t> triggerList(const std::vector<_vexa_video_frame_header_t> &headers);

    // "clock_offset_ms": the camera's clock minus the GPS receiver's, or null without a fix.
    static void writeClockOffset(JsonWriter &json, std::optional<int64_t> offsetMsec);

    static void writeFrame(JsonWriter &json, uint64_t index, const _vexa_video_frame_header_t &h);
    static void writeLogRecord(JsonWriter &json, const _vexa_log_info_t &r);
};
