#include "LogDistanceWindow.h"

#include "FileLog.h"
#include "Texts.h"
#include "ui_LogDistanceWindow.h"

#include <QHeaderView>
#include <QTableWidgetItem>

LogDistanceWindow::LogDistanceWindow(const QRect &frame, const QList<FileLog *> &fileLogs,
                                     const DisplayFormat &format, QWidget *parent)
    : QDialog(parent), _ui(std::make_unique<Ui::LogDistanceWindow>()), _rect(frame), _format(format)
{
    _ui->setupUi(this);
    for (const FileLog *log : fileLogs) {
        if (!log)
            continue;
        _fileLogs.append(lineForLog(*log, _format));
        _distances += log->distance();
    }
    connect(_ui->btnClose, &QPushButton::clicked, this, &QDialog::accept);
    windowDidLoad();
}

LogDistanceWindow::~LogDistanceWindow() = default;

QTableWidget *LogDistanceWindow::tableView() const { return _ui->tableView; }
QLabel *LogDistanceWindow::totalDistance() const { return _ui->totalDistance; }
QPushButton *LogDistanceWindow::btnClose() const { return _ui->btnClose; }

QString LogDistanceWindow::lineForLog(const FileLog &log, const DisplayFormat &format)
{
    const QString first = format.dateString(log.logAtIndex(0).time);
    const qsizetype space = first.indexOf(u' ');
    const QString date = space < 0 ? first : first.left(space);
    const QString time = space < 0 ? QString() : first.mid(space + 1).section(u' ', 0, 0);
    return QStringLiteral("%1_%2 [%3 ~ %4] : %5")
        .arg(log.sequence(), 10, 10, QLatin1Char('0'))
        .arg(date, time, format.dateString(log.lastLog().time), format.distanceValue(log.distance()));
}

void LogDistanceWindow::windowDidLoad()
{
    setWindowTitle(Texts::text("gui_drive_distance"));
    _ui->totalDistance->setText(
        Texts::text("gui_total_distance").arg(_format.distanceValue(_distances)));
    _ui->btnClose->setText(Texts::text("gui_ok"));
    QTableWidget *table = _ui->tableView;
    table->setRowCount(int(_fileLogs.size()));
    for (int row = 0; row < _fileLogs.size(); ++row)
        table->setItem(row, 0, new QTableWidgetItem(_fileLogs[row]));
    table->resizeColumnToContents(0);
    adjustSize();
    if (_rect.isValid())
        move(_rect.x() + (_rect.width() - width()) / 2, _rect.y() + (_rect.height() - height()) / 2);
}
