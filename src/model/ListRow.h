// One row of the file lists: the recording's or log's position in its FileManager list,
// its sequence text, the check mark the user toggles, and the two text columns.
#pragma once

#include <QString>

struct ListRow {
    qint64 idx = 0;
    QString seq;
    bool col1 = false;
    QString col2;
    QString col3;
    bool damaged = false;  // a recording that cannot be dated or played
};
