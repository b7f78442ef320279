// The play list: the rows the user loaded from the event or normal table, one box per
// recording. The selected row is the recording being shown. Choosing a row plays it from
// frame 0; continuous play moves the selection to the next file (from its first frame) or
// the previous one (from its last frame); a map click selects a file by its index.
#pragma once

#include "ListRow.h"

#include <QList>
#include <QString>
#include <QWidget>

class PlayListTable;

class PlayListView : public QWidget {
    Q_OBJECT

public:
    explicit PlayListView(QWidget *parent = nullptr);

    // Replaces the rows, selects the first and starts its file at frame 0 as the user's
    // choice. An empty list starts nothing.
    void loadData(const QList<ListRow> &rows, const QString &type);
    // Continuous play: the next row from frame 0, the previous row from its last frame.
    // Nothing happens at the ends of the list.
    void playNext();
    void playPrevious();
    // Selects the first row of file fileIndex and shows that frame; nothing when the file
    // is not in the list.
    void playWithFileIndex(qint64 fileIndex, qint64 frameIndex);

    // Empties the list without telling anyone (the folder was unloaded).
    void clear();

    const QList<ListRow> &data() const { return _array; }
    const QString &type() const { return _type; }
    int rowCount() const { return int(_array.size()); }
    // The selected row, or -1.
    int selectedRowIndex() const;
    // "seq date [duration or type]".
    static QString rowText(const ListRow &row);

    PlayListTable *tableView() const { return _tableView; }

signals:
    // The file indices of the loaded rows, in order, and the list they came from.
    void loadDataType(const QList<qint64> &fileIndices, const QString &type);
    // Show recording fileIndex at frameIndex (-1: its last frame); selectByUser is false
    // only for the moves of continuous play.
    void selectedRowFrameIndexSelectByUser(qint64 fileIndex, qint64 frameIndex,
                                           bool selectByUser);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void shouldSelectRow(int row);
    void moveTo(int row, qint64 frameIndex, bool selectByUser);

    PlayListTable *_tableView = nullptr;
    QList<ListRow> _array;
    QString _type;
};
