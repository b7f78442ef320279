// The driving events of the loaded recordings or logs, one row each: kind (with the kind's
// colour), local time, peak and file. Choosing a row moves the whole viewer there, as a
// search row of the log page does.
#pragma once

#include "DisplayFormat.h"
#include "DrivingEvents.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class FileLog;
class FileVideo;
class QTableWidget;

class EventListView : public QWidget {
    Q_OBJECT

public:
    struct Row {
        DrivingEvents::Event event;
        qint64 fileIndex = -1;        // recording: its index in the play list's type
        QPointer<FileLog> log;        // log: the log itself
        QString file;
    };

    explicit EventListView(QWidget *parent = nullptr);

    // The recordings of the play list, each with its index in the folder model's list.
    void setRecordings(const QList<QPair<qint64, FileVideo *>> &videos);
    void setLogs(const QList<FileLog *> &logs);
    void clear();
    // The zone and date order of the start column; takes effect at the next fill.
    void setDisplayFormat(const DisplayFormat &format) { _format = format; }

    const QList<Row> &rows() const { return _rows; }
    QTableWidget *table() const { return _table; }
    // Chooses a row as a click does.
    void chooseRow(int row);

signals:
    void selectedRecordingEvent(qint64 fileIndex, qint64 frameIndex);
    void selectedLogEvent(FileLog *fileLog, qint64 logIndex);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fill();

    QTableWidget *_table = nullptr;
    QList<Row> _rows;
    DisplayFormat _format;
};
