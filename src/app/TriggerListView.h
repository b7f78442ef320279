// The trigger list of a normal recording: one row per run of event-marked frames, showing
// the date and time of its first frame and the kind of trigger. Choosing a row moves the
// video to that frame. A recording without triggers shows a single row saying so, which
// can be selected but moves nothing.
#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "FileManager.h"
class PlayListTable;

class TriggerListView : public QWidget {
    Q_OBJECT

public:
    struct TriggerRow {
        qint64 idx = 0;  // frame index of the trigger
        QString str;     // "date time [event type]"
    };

    explicit TriggerListView(QWidget *parent = nullptr);

    void setFileManager(FileManager *fileManager) { _fileManager = fileManager; }
    // The zone and date order of the rows; takes effect at the next load.
    void setDisplayFormat(const DisplayFormat &format) { _format = format; }
    // Lists the triggers of normal recording fileIndex; an unknown index lists none.
    void loadWithIndex(qint64 fileIndex);

    // Lists no triggers (the folder was unloaded).
    void clear();

    const QList<TriggerRow> &triggers() const { return _array; }
    // Rows shown: the triggers, or the one row that says there are none.
    int rowCount() const;
    QString rowText(int row) const;
    int selectedRowIndex() const;

    PlayListTable *tableView() const { return _tableView; }

signals:
    // The user chose the trigger at this frame.
    void selectedRow(qint64 frameIndex);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void shouldSelectRow(int row);

    QPointer<FileManager> _fileManager;
    DisplayFormat _format;
    PlayListTable *_tableView = nullptr;
    QList<TriggerRow> _array;
};
