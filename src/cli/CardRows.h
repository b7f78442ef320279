// The list rows of a card as the viewer's lists show them, for the "card" command.
#pragma once

#include <QString>
#include <QStringList>

class JsonWriter;

class CardRows {
public:
    // Reads --date-format 0-2 and --units 0-2 (standing in for the viewer's preferences)
    // and sets the display texts to English; empty on success, else the problem.
    static QString applyOptions(const QStringList &options);
    // Writes "rows": {"event": [...], "normal": [...], "log": [...]}; each row holds idx,
    // seq, col2 and col3. A folder without the camera's layout has empty lists.
    static void write(JsonWriter &json, const QString &folder);
};
