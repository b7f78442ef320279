// One file table of the list page: a check-box column titled with the row number, and two
// text columns whose titles depend on the list ("event", "normal" or "log"). The table
// keeps the rows it shows; ticking a box changes the row's check mark.
//
// Keyboard: the arrow keys move the selection, space ticks or unticks the current row;
// left and right go on to the window (frame steps).
#pragma once

#include "ListRow.h"

#include <QList>
#include <QString>
#include <QWidget>

class QTableWidget;
class QTableWidgetItem;

class FileTableView : public QWidget {
    Q_OBJECT

public:
    // Column widths of the three columns.
    static constexpr int CheckWidth = 70;
    static constexpr int DateWidth = 170;
    static constexpr int TextWidth = 80;

    // A type other than "event", "normal" and "log" has only the check-box column.
    explicit FileTableView(const QString &type, QWidget *parent = nullptr);

    const QString &type() const { return _type; }
    // Replaces the rows and reloads the table.
    void loadData(const QList<ListRow> &rows);
    const QList<ListRow> &data() const { return _array; }
    // Shows a row's new texts, keeping its check mark; a row outside the table is ignored.
    void updateRow(const ListRow &row);
    // Sets every row's check mark.
    void checkAll(bool flag);
    // Ticks or unticks one row; out-of-range rows are ignored.
    void setChecked(int row, bool flag);
    // The ticked rows, in table order.
    QList<ListRow> checkedRows() const;

    QTableWidget *tableView() const { return _tableView; }
    // The column titles as shown.
    QStringList columnTitles() const;

signals:
    // A row's check mark changed by the user (click or space).
    void rowChecked(int row, bool flag);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void addColumns();
    void addColumn(const char *titleKey, int width);
    void fillRow(int row);
    void itemChanged(QTableWidgetItem *item);
    bool handleKey(QKeyEvent *event);

    QString _type;
    QTableWidget *_tableView = nullptr;
    QList<ListRow> _array;
    // Set while the table is filled from code, so that item changes are not the user's.
    bool _filling = false;
};
