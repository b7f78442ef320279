#include "CardRows.h"

#include "FileManager.h"
#include "JsonWriter.h"
#include "Texts.h"

#include <QLocale>

namespace {

struct RowOptions {
    int dateFormat = 0;
    int units = 0;
};

RowOptions &rowOptions()
{
    static RowOptions options;
    return options;
}

} // namespace

void CardRows::applyOptions(int dateFormat, int units)
{
    rowOptions() = {dateFormat, units};
    Texts::install(QLocale(QLocale::English));
}

void CardRows::write(JsonWriter &json, const QString &folder)
{
    FileManager model;
    const DisplayFormat format(rowOptions().units, rowOptions().dateFormat);
    const bool valid = FileManager::checkFolder(folder) && model.loadFiles(folder);
    json.key(QStringLiteral("rows"));
    json.beginObject();
    for (const char *type : {"event", "normal", "log"}) {
        json.key(QLatin1String(type));
        json.beginArray();
        const QList<ListRow> rows = valid ? model.listViewData(QLatin1String(type), format) : QList<ListRow>();
        for (const ListRow &row : rows) {
            json.beginObject(JsonWriter::Layout::Inline);
            json.field("idx", int64_t(row.idx));
            json.field("seq", row.seq);
            json.field("col2", row.col2);
            json.field("col3", row.col3);
            json.endObject();
        }
        json.endArray();
    }
    json.endObject();
}
