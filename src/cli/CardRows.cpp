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

QString CardRows::applyOptions(const QStringList &options)
{
    RowOptions parsed;
    for (qsizetype i = 0; i < options.size(); ++i) {
        const QString &name = options[i];
        if ((name != u"--date-format" && name != u"--units") || i + 1 >= options.size())
            return QStringLiteral("unknown or incomplete option \"%1\"").arg(name);
        bool ok = false;
        const int value = options[++i].toInt(&ok);
        if (!ok || value < 0 || value > 2)
            return QStringLiteral("%1 takes 0 to 2").arg(name);
        (name == u"--units" ? parsed.units : parsed.dateFormat) = value;
    }
    rowOptions() = parsed;
    Texts::install(QLocale(QLocale::English));
    return {};
}

void CardRows::write(JsonWriter &json, const QString &folder)
{
    FileManager model;
    // The options stand in for the preferences the model has just read.
    FileManager::setDisplaySettings(rowOptions().dateFormat, rowOptions().units, 0);
    const bool valid = FileManager::checkFolder(folder) && model.loadFiles(folder);
    json.key(QStringLiteral("rows"));
    json.beginObject();
    for (const char *type : {"event", "normal", "log"}) {
        json.key(QLatin1String(type));
        json.beginArray();
        const QList<ListRow> rows = valid ? model.listViewData(QLatin1String(type)) : QList<ListRow>();
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
