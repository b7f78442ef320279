// The rows of the log page's result table: row number, date and time of the record, and
// the event type: the driving event's kind for an event search, else that of the recording
// that has a frame at the record's second. The texts are
// made when a row is shown, so a search with many hits fills the table at once.
#pragma once

#include "DisplayFormat.h"
#include "DrivingEvents.h"
#include "FileLog.h"

#include <QAbstractTableModel>
#include <QList>
#include <QPointer>

#include <functional>
#include <optional>

class LogResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Row {
        QPointer<FileLog> file;
        qint64 index = 0;
        qint64 number = 0;
        std::optional<DrivingEvents::Kind> kind;
    };

    explicit LogResultModel(QObject *parent = nullptr);

    // The event type text of a record's second ("" when no recording has it).
    void setEventText(std::function<QString(const _vexa_log_info_t &)> eventText)
    {
        _eventText = std::move(eventText);
    }
    void setRows(QList<Row> rows);
    // The zone and order of the dates.
    void setDisplayFormat(const DisplayFormat &format);
    void clear() { setRows({}); }
    const QList<Row> &rows() const { return _rows; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QList<Row> _rows;
    DisplayFormat _format;
    std::function<QString(const _vexa_log_info_t &)> _eventText;
};
