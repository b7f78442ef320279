// Writes complete synthetic card folders: event and normal recordings with
// sidecars, driving logs and the config files, all from one seeded drive.
#pragma once

#include "RecordingWriter.h"

#include <QFlags>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>

class CardPlan;
class DriveModel;

class CardGenerator {
public:
    // Files that readers must cope with; each adds its own file(s) after the regular drive.
    enum class Awkward : unsigned {
        PaddingBetweenPictures = 1u << 0,  // normal recording, bytes between its pictures
        PictureWithoutComment = 1u << 1,   // normal recording, one picture lacks the COM segment
        ZeroYearInSidecar = 1u << 2,       // normal recording, a zero record inside the counted range
        OldFormSidecar = 1u << 3,          // normal recording, headers only
        MissingSidecar = 1u << 4,          // normal recording, no .vdx
        OneFrameRecording = 1u << 5,       // normal recording of a single frame
        EventSubFolder = 1u << 6,          // event recording in CH1/event/archive
        LfLineEnds = 1u << 7,              // log with LF-only line ends
        FullLog = 1u << 8,                 // log of 3610 records, which readers refuse
        LogTimeGap = 1u << 9,              // log with a gap of more than 3610 s after 30 records
    };
    Q_DECLARE_FLAGS(AwkwardCases, Awkward)
    static AwkwardCases allAwkward();
    static QString awkwardName(Awkward a);
    // Names as awkwardName gives them; unknown names make ok false.
    static AwkwardCases awkwardFromNames(const QStringList &names, bool *ok);
    static QList<Awkward> awkwardList();

    struct Options {
        uint64_t seed = 1;
        int eventCount = 3;
        int normalCount = 9;
        int recordingSeconds = 20;
        int framesPerSecond = 10;
        QSize resolution{640, 480};
        int jpegQuality = 70;
        SidecarForm sidecar = SidecarForm::New;
        int withoutSidecarCount = 0;  // regular recordings written without sidecar, spread evenly
        int logCount = 1;
        int logSeconds = 0;           // 0: the logs share the drive's span (at most 3600 s each)
        bool reusePictures = false;   // pictures without time text, so a few JPEGs serve every frame
        bool writeClock = false;      // config/time.ini set to the drive's start
        AwkwardCases awkward;
        int64_t startUtc = 1795248000;  // 2026-11-21 08:00:00 UTC
        int threads = 0;                // workers encoding pictures; 0: one per processor, at most 8
    };

    struct GeneratedFile {
        QString path;          // relative to the card folder
        QString list;          // "event", "normal" or "log"
        int64_t sequence = 0;
        int64_t startUtc = 0;  // first frame or record, whole seconds
        int count = 0;         // frames or records a reader finds; -1 when it must refuse the file
        int pictures = 0;      // pictures in a .vdd (count plus those without telemetry)
        int eventType = 0;     // the index header's trigger code
        QString sidecar;       // "new", "old", "none"; empty for logs
        QString awkward;       // awkwardName of the case, or empty
    };

    explicit CardGenerator(const Options &options);

    // Why the options cannot make a card, or empty.
    static QString validate(const Options &options);
    // Writes the card into the folder, which must be missing or empty.
    bool generate(const QString &folder);
    const QString &errorString() const { return error_; }
    const QList<GeneratedFile> &files() const { return files_; }

    static QString sidecarName(SidecarForm form);

private:
    bool prepareFolder(const QString &folder);
    bool writeConfig(const QString &folder);
    bool writeFile(const QString &path, const QByteArray &bytes);
    bool writeRecordings(const QString &folder, const CardPlan &plan, const DriveModel &drive);

    Options options_;
    QString error_;
    QList<GeneratedFile> files_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(CardGenerator::AwkwardCases)
