#include "RecordJson.h"

QString RecordJson::timeText(const _vexa_time_t &t)
{
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", t.year, t.month, t.day, t.hour, t.minute,
                             t.second, t.millisecond);
}

std::vector<uint64_t> RecordJson::triggerList(const std::vector<_vexa_video_frame_header_t> &headers)
{
    std::vector<uint64_t> starts;
    uint64_t i = 0;
    while (i < headers.size()) {
        if (headers[i].event_type == 0) {
            ++i;
            continue;
        }
        if (i > 0)
            starts.push_back(i);
        while (i < headers.size() && headers[i].event_type != 0)
            ++i;
    }
    return starts;
}

void RecordJson::writeFrame(JsonWriter &json, uint64_t index, const _vexa_video_frame_header_t &h)
{
    json.beginObject(JsonWriter::Layout::Inline);
    json.field("index", index);
    json.field("offset", unsigned(h.offset));
    json.field("length", unsigned(h.length));
    json.field("time", timeText(h.time));
    json.field("day_of_week", int(h.time.day_of_week));
    json.field("record_phase", int(h.record_phase));
    json.field("gsensor_x", int(h.gsensor_x));
    json.field("gsensor_y", int(h.gsensor_y));
    json.field("gsensor_z", int(h.gsensor_z));
    json.field("gps_valid", int(h.gps_valid));
    json.field("latitude", double(h.latitude));
    json.field("longitude", double(h.longitude));
    json.field("speed", int(h.speed));
    json.field("altitude", int(h.altitude));
    json.field("course", int(h.course));
    json.field("event_type", int(h.event_type));
    json.field("aux_60", int(h.aux_60));
    json.field("aux_61", int(h.aux_61));
    json.field("aux_64", int(h.aux_64));
    json.endObject();
}

void RecordJson::writeLogRecord(JsonWriter &json, const _vexa_log_info_t &r)
{
    json.beginObject(JsonWriter::Layout::Inline);
    json.field("time", timeText(r.time));
    json.field("day_of_week", int(r.time.day_of_week));
    json.field("drl_code", int(r.drl_code));
    json.field("gsensor_x", int(r.gsensor_x));
    json.field("gsensor_y", int(r.gsensor_y));
    json.field("gsensor_z", int(r.gsensor_z));
    json.field("gps_valid", int(r.gps_valid));
    json.field("latitude", double(r.latitude));
    json.field("longitude", double(r.longitude));
    json.field("speed", double(r.speed));
    json.field("course", double(r.course));
    json.field("satellites_used", int(r.satellites_used));
    json.field("hdop", double(r.hdop));
    json.field("altitude", double(r.altitude));
    json.field("satellites_in_view", int(r.satellites_in_view));
    json.endObject();
}

void RecordJson::writeClockOffset(JsonWriter &json, std::optional<int64_t> offsetMsec)
{
    json.key(QStringLiteral("clock_offset_ms"));
    if (offsetMsec)
        json.value(*offsetMsec);
    else
        json.null();
}
