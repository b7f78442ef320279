// The table the play list and the trigger list share: one column of 32-pixel rows drawn as
// rounded boxes (PlayListCell) on a light grey ground, with no header and no grid. It tells
// its owner when the user picks a row, before the selection moves, so that choosing the
// row that is already selected still counts; rows selected from code say nothing.
#pragma once

#include <QTableWidget>

class PlayListTable : public QTableWidget {
    Q_OBJECT

public:
    static constexpr int RowHeight = 32;
    // The ground behind and between the rows.
    static QColor groundColor() { return QColor(200, 200, 200); }

    explicit PlayListTable(QWidget *parent = nullptr);

    // Replaces the rows with these texts; nothing is selected afterwards.
    void setRowTexts(const QStringList &texts);
    QString rowText(int row) const;
    // Selects a row from code and scrolls it into view; -1 clears the selection.
    void selectRowQuietly(int row);
    // The selected row, or -1.
    int selectedRow() const;

signals:
    // The user clicked a row or moved to it with the keyboard.
    void shouldSelectRow(int row);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    static bool isNavigationKey(int key);
};
