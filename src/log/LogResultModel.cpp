#include "LogResultModel.h"

#include "FileManager.h"
#include "Texts.h"

LogResultModel::LogResultModel(QObject *parent) : QAbstractTableModel(parent) {}

void LogResultModel::setRows(QList<Row> rows)
{
    beginResetModel();
    _rows = std::move(rows);
    endResetModel();
}

int LogResultModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(_rows.size());
}

int LogResultModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant LogResultModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= _rows.size())
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    const Row &row = _rows[index.row()];
    if (index.column() == 0)
        return QString::number(row.number);
    if (index.column() == 2 && row.kind)
        return Texts::text(DrivingEvents::kindTextId(*row.kind));
    if (!row.file)
        return QString();
    const _vexa_log_info_t &record = row.file->logAtIndex(row.index);
    if (index.column() == 1)
        return _format.dateString(record.time);
    return _eventText ? _eventText(record) : QString();
}

void LogResultModel::setDisplayFormat(const DisplayFormat &format)
{
    _format = format;
    if (!_rows.isEmpty())
        emit dataChanged(index(0, 1), index(int(_rows.size()) - 1, 1));
}

QVariant LogResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    static const char *const keys[] = {"gui_list_no", "gui_date_time", "gui_event_type"};
    return section >= 0 && section < 3 ? Texts::text(keys[section]) : QString();
}

Qt::ItemFlags LogResultModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
