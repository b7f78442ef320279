#include "EventListView.h"

#include "FileLog.h"
#include "FileManager.h"
#include "FileVideo.h"
#include "Texts.h"
#include "vexa_time.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPainter>
#include <QPixmap>
#include <QTableWidget>

#include <algorithm>

namespace {

QIcon kindIcon(DrivingEvents::Kind kind)
{
    QPixmap dot(10, 10);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(DrivingEvents::colourOf(kind));
    painter.drawEllipse(QRectF(1, 1, 8, 8));
    return QIcon(dot);
}

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

EventListView::EventListView(QWidget *parent) : QWidget(parent), _table(new QTableWidget(this))
{
    _table->setColumnCount(4);
    _table->setHorizontalHeaderLabels({qtTrId("gui_event_kind"), qtTrId("gui_event_time"),
                                       qtTrId("gui_event_peak"), qtTrId("gui_event_source")});
    _table->verticalHeader()->hide();
    _table->verticalHeader()->setDefaultSectionSize(18);
    _table->horizontalHeader()->setStretchLastSection(true);
    _table->setSelectionBehavior(QAbstractItemView::SelectRows);
    _table->setSelectionMode(QAbstractItemView::SingleSelection);
    _table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    _table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    _table->setWordWrap(false);
    connect(_table, &QTableWidget::cellClicked, this, [this](int row) { chooseRow(row); });
    // Keys move the viewer as they move the row; a click does so once, on release.
    connect(_table, &QTableWidget::currentCellChanged, this, [this](int row, int, int previous) {
        if (row != previous && QGuiApplication::mouseButtons() == Qt::NoButton)
            chooseRow(row);
    });
}

void EventListView::setRecordings(const QList<QPair<qint64, FileVideo *>> &videos)
{
    _rows.clear();
    const DrivingEvents::Thresholds thresholds = DrivingEvents::storedThresholds(_format);
    for (const auto &[fileIndex, video] : videos) {
        if (!video)
            continue;
        const QString name = QFileInfo(video->path()).fileName();
        for (const DrivingEvents::Event &e : DrivingEvents::ofRecording(video->file().headers(), thresholds))
            _rows.append({e, fileIndex, nullptr, name});
    }
    fill();
}

void EventListView::setLogs(const QList<FileLog *> &logs)
{
    _rows.clear();
    const DrivingEvents::Thresholds thresholds = DrivingEvents::storedThresholds(_format);
    for (FileLog *log : logs) {
        if (!log)
            continue;
        const QString name = QFileInfo(log->path()).fileName();
        for (const DrivingEvents::Event &e : DrivingEvents::ofLog(log->file().records(), thresholds))
            _rows.append({e, -1, log, name});
    }
    fill();
}

void EventListView::clear()
{
    _rows.clear();
    fill();
}

void EventListView::fill()
{
    std::stable_sort(_rows.begin(), _rows.end(),
                     [](const Row &a, const Row &b) { return a.event.startMsec < b.event.startMsec; });
    const QSignalBlocker quiet(_table);
    _table->clearContents();
    _table->setRowCount(int(_rows.size()));
    const int units = _format.units();
    for (int r = 0; r < _rows.size(); ++r) {
        const Row &row = _rows[r];
        QTableWidgetItem *kind = cell(qtTrId(DrivingEvents::kindTextId(row.event.kind)));
        kind->setIcon(kindIcon(row.event.kind));
        _table->setItem(r, 0, kind);
        _table->setItem(r, 1, cell(_format.dateString(msec_to_time(row.event.startMsec))));
        _table->setItem(r, 2, cell(DrivingEvents::peakText(row.event, units)));
        _table->setItem(r, 3, cell(row.file));
    }
    _table->resizeColumnsToContents();
    _table->setCurrentItem(nullptr);
}

void EventListView::chooseRow(int row)
{
    if (row < 0 || row >= _rows.size())
        return;
    const Row &r = _rows[row];
    if (r.log)
        emit selectedLogEvent(r.log, r.event.startIndex);
    else if (r.fileIndex >= 0)
        emit selectedRecordingEvent(r.fileIndex, r.event.startIndex);
}

void EventListView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    _table->setGeometry(rect());
}
