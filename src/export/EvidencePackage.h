// The evidence package of one or more recordings: bit-exact, hashed copies of the recordings,
// of the card's recordings and logs around them and of its configuration ("originals/"), the
// captioned movies, stills and tracks ("derived/"), SHA256SUMS over both, an event report per
// chosen recording ending in a certificate page, and manifest.json. Everything is built in a
// temporary folder beside the target and renamed into place only when complete.
#pragma once

#include "DisplayFormat.h"
#include "EvidenceFiles.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>

class EvidencePackage {
public:
    // A recording or log of the card and the UTC time it covers.
    struct CardFile {
        QString path;
        qint64 startMsec = 0;
        qint64 endMsec = 0;
    };
    struct Chosen {
        QString path;      // a .vdd inside the card
        qint64 frame = -1; // the still's and report's frame; -1: the first trigger frame or 0
        QImage graph;      // the G-sensor graph for the report (drawn by the caller's widgets)
    };
    struct Options {
        QString cardRoot;
        QList<Chosen> chosen;
        int marginSeconds = 60;
        QString operatorName;
        QString note;
        QString toolName;
        QString toolVersion;
        // The card's recordings and logs with their times; see cardRecordings() and cardLogs().
        QList<CardFile> recordings;
        QList<CardFile> logs;
        // Units, date order and zone of the captions, still names, track texts and reports.
        DisplayFormat format;
    };
    // One file of the package, relative to its folder.
    struct Entry {
        QString path;
        qint64 size = 0;
        QByteArray sha256;
        QDateTime modified;  // originals: the card file's time
    };
    struct Result {
        bool ok = false;
        bool cancelled = false;
        QString error;   // why there is no package
        QString folder;  // the package, once in place
        qint64 files = 0;
        qint64 bytes = 0;
        QByteArray sha256sums;  // hash of SHA256SUMS
    };
    using Progress = std::function<void(qint64 done, qint64 total, const QString &text)>;
    using FreeSpace = std::function<qint64(const QString &folder)>;

    explicit EvidencePackage(Options options);

    // Builds the package in a new folder inside outDir (created when missing).
    Result run(const QString &outDir, const std::atomic_bool &cancel, const Progress &progress = {});

    void setFreeSpace(FreeSpace probe) { _freeSpace = std::move(probe); }
    void setReadHook(EvidenceFiles::ReadHook hook) { _readHook = std::move(hook); }

    // Every recording and log of the card with its time; opens each index, so call it off
    // the GUI thread.
    static QList<CardFile> cardRecordings(const QString &cardRoot);
    static QList<CardFile> cardLogs(const QString &cardRoot);
    // The package folder's name for the first chosen recording.
    static QString folderName(const QString &recordingPath);

private:
    struct Original {
        QString source;
        QString relative;
        bool optional = false;  // a sidecar or configuration file the card may lack
    };

    void build(const QString &outDir, const std::atomic_bool &cancel, const Progress &progress);
    bool plan(QString *error);
    bool fits(const QString &outDir, QString *error) const;
    bool copyOriginals(const QString &root, const std::atomic_bool &cancel, const Progress &progress, QString *error);
    bool finish(const QString &root, const std::atomic_bool &cancel, const Progress &progress, QString *error);
    QString relativeToCard(const QString &path) const;

    Options _options;
    FreeSpace _freeSpace;
    EvidenceFiles::ReadHook _readHook;
    QList<Original> _plan;
    QList<CardFile> _chosenSpans;
    QList<CardFile> _logs;
    QList<Entry> _originals;
    qint64 _planBytes = 0;
    qint64 _spanFrom = 0, _spanTo = 0;  // the chosen recordings with the margin, UTC
    Result _result;
};
