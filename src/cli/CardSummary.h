// The "card" command: what a card folder holds, as the viewer would load it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class JsonWriter;

class CardSummary {
public:
    // The folders and files are found as the viewer finds them (FileManager, FolderScanner).
    static QByteArray json(const QString &folder);

private:
    struct Skipped {
        QString file;
        QString reason;
    };
    static void writeRecordings(JsonWriter &json, const QString &folder, const QString &list, QList<Skipped> &skipped);
    static void writeLogs(JsonWriter &json, const QString &folder, QList<Skipped> &skipped);
};
