// The list rows of a card as the viewer's lists show them, for the "card" command.
#pragma once

#include <QString>

class JsonWriter;

class CardRows {
public:
    // The date format and units 0-2 (standing in for the viewer's preferences); the display
    // texts become English.
    static void applyOptions(int dateFormat, int units);
    // Writes "rows": {"event": [...], "normal": [...], "log": [...]}; each row holds idx,
    // seq, col2 and col3. A folder without the camera's layout has empty lists.
    static void write(JsonWriter &json, const QString &folder);
};
