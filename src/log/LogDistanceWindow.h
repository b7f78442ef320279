// The modal window opened whenever logs are loaded into the log page: one line per log
// with its sequence number, start and end time and driven distance, and the total below.
#pragma once

#include "DisplayFormat.h"

#include <QDialog>
#include <QList>
#include <QRect>
#include <QStringList>

#include <memory>

class FileLog;
class QLabel;
class QPushButton;
class QTableWidget;

namespace Ui {
class LogDistanceWindow;
}

class LogDistanceWindow : public QDialog {
    Q_OBJECT

public:
    // frame: the main window's frame, which the window is centred on.
    LogDistanceWindow(const QRect &frame, const QList<FileLog *> &fileLogs,
                      const DisplayFormat &format, QWidget *parent = nullptr);
    ~LogDistanceWindow() override;

    // "0000000123_2013.07.05 [18:08:07 ~ 2013.07.05 18:40:12] : 12.3 km"
    static QString lineForLog(const FileLog &log, const DisplayFormat &format);

    const QStringList &lines() const { return _fileLogs; }
    double distances() const { return _distances; }
    QTableWidget *tableView() const;
    QLabel *totalDistance() const;
    QPushButton *btnClose() const;

    int runModal() { return exec(); }

private:
    void windowDidLoad();

    std::unique_ptr<Ui::LogDistanceWindow> _ui;
    QRect _rect;
    DisplayFormat _format;
    QStringList _fileLogs;
    double _distances = 0;
};
