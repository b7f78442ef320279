// The "card" command: what a card folder holds, as the viewer would load it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class JsonWriter;

class CardSummary {
public:
    static QByteArray json(const QString &folder);

    // True when folder/CH1/event and folder/log both exist and are folders.
    static bool checkFolder(const QString &folder);
    // Files with the extension below a folder, recursively, as paths relative to it, sorted.
    // Symbolic links to folders are not followed, so a link loop cannot trap the walk.
    static QStringList findFiles(const QString &folder, const QString &extension);

private:
    struct Skipped {
        QString file;
        QString reason;
    };
    static void writeRecordings(JsonWriter &json, const QString &folder, const QString &list, QList<Skipped> &skipped);
    static void writeLogs(JsonWriter &json, const QString &folder, QList<Skipped> &skipped);
};
