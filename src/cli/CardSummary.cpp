#include "CardSummary.h"

#include "CardRows.h"
#include "CliCommands.h"
#include "ClockOffset.h"
#include "FileManager.h"
#include "FolderScanner.h"
#include "JsonWriter.h"
#include "RecordJson.h"
#include "vexa_log_file.h"
#include "vexa_vdd_file.h"

void CardSummary::writeRecordings(JsonWriter &json, const QString &folder, const QString &list, QList<Skipped> &skipped)
{
    const QString listFolder = folder + QStringLiteral("/CH1/") + list;
    json.key(list);
    json.beginArray();
    for (const QString &file : FolderScanner::files(listFolder, QStringLiteral("vdd"))) {
        const QString path = listFolder + u'/' + file;
        vexa_vdd_file recording;
        // The sidecar gives the frame count; without one the frames are counted by a scan.
        if (!recording.open_summary(CliCommands::nativePath(path).constData(),
                                    CliCommands::nativePath(FolderScanner::sidecarPath(path)).constData())) {
            skipped.append({QStringLiteral("CH1/%1/%2").arg(list, file), QStringLiteral("cannot open")});
            continue;
        }
        json.beginObject(JsonWriter::Layout::Inline);
        json.field("file", file);
        json.field("sequence", recording.sequence_number());
        json.field("frames", unsigned(recording.listed_frame_count()));
        json.key("start");
        if (recording.frames_at_least() == 0)
            json.null();
        else
            json.value(RecordJson::timeText(recording.first_header().time));
        json.field("duration_seconds", recording.duration_seconds());
        json.field("event_type", int(recording.event_type()));
        // From the frames the summary read: the offset costs no picture walk and no full index.
        RecordJson::writeClockOffset(json, ClockOffset::ofListed(recording));
        json.endObject();
    }
    json.endArray();
}

void CardSummary::writeLogs(JsonWriter &json, const QString &folder, QList<Skipped> &skipped)
{
    const QString logFolder = folder + QStringLiteral("/log");
    json.key("log");
    json.beginArray();
    for (const QString &file : FolderScanner::files(logFolder, QStringLiteral("log"))) {
        const QString path = logFolder + u'/' + file;
        vexa_log_file log;
        if (!log.load(CliCommands::nativePath(path).constData())) {
            skipped.append({QStringLiteral("log/") + file, CliCommands::logFailure(path)});
            continue;
        }
        json.beginObject(JsonWriter::Layout::Inline);
        json.field("file", file);
        json.field("sequence", log.sequence_number());
        json.field("records", log.count());
        json.field("start", RecordJson::timeText(log.record_at(0).time));
        json.field("duration_seconds", log.duration_seconds());
        json.field("distance_m", log.distance());
        RecordJson::writeClockOffset(json, ClockOffset::ofRecords(log));
        json.endObject();
    }
    json.endArray();
}

QByteArray CardSummary::json(const QString &folder)
{
    const bool valid = FileManager::checkFolder(folder);
    QList<Skipped> skipped;
    JsonWriter json;
    json.beginObject();
    json.field("valid", valid);
    if (valid) {
        writeRecordings(json, folder, QStringLiteral("event"), skipped);
        writeRecordings(json, folder, QStringLiteral("normal"), skipped);
        writeLogs(json, folder, skipped);
    } else {
        // As the viewer: a folder without the camera's layout loads nothing.
        for (const char *list : {"event", "normal", "log"}) {
            json.key(QLatin1String(list));
            json.beginArray();
            json.endArray();
        }
    }
    json.key("skipped");
    json.beginArray();
    for (const Skipped &s : skipped) {
        json.beginObject(JsonWriter::Layout::Inline);
        json.field("file", s.file);
        json.field("reason", s.reason);
        json.endObject();
    }
    json.endArray();
    CardRows::write(json, folder);
    json.endObject();
    return json.finish();
}
