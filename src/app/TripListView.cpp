#include "TripListView.h"

#include "FileManager.h"
#include "Texts.h"
#include "vexa_time.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include <algorithm>
#include <numeric>

namespace {

enum Column { ColCheck, ColDate, ColStart, ColDuration, ColDistance, ColEvents, ColumnCount };
constexpr int ColumnWidths[ColumnCount] = {44, 78, 46, 58, 62, 40};

QTableWidgetItem *textItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

// "1:05 h" from an hour on, else "N min" / "N s".
QString tripDuration(qint64 seconds)
{
    if (seconds < 3600)
        return DisplayFormat::durationString(quint64(std::max<qint64>(seconds, 0)));
    return QStringLiteral("%1:%2 h").arg(seconds / 3600).arg(seconds / 60 % 60, 2, 10, QChar(u'0'));
}

const QString Pending = QStringLiteral("…");

} // namespace

TripListView::TripListView(QWidget *parent)
    : QWidget(parent), _table(new QTableWidget(this)), _summary(new QLabel(this)), _loader(new TripLoader(this))
{
    _table->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    _table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    _table->setSelectionMode(QAbstractItemView::SingleSelection);
    _table->setSelectionBehavior(QAbstractItemView::SelectRows);
    _table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    _table->verticalHeader()->hide();
    _table->horizontalHeader()->setSectionsClickable(false);
    _table->horizontalHeader()->setHighlightSections(false);
    _table->horizontalHeader()->setStretchLastSection(true);
    _table->setWordWrap(false);
    _table->setColumnCount(ColumnCount);
    const char *titles[] = {"gui_list_no", "gui_date", "gui_trip_start", "gui_duration", "gui_trip_distance",
                            "gui_trip_events"};
    for (int c = 0; c < ColumnCount; ++c) {
        _table->setHorizontalHeaderItem(c, textItem(Texts::text(titles[c])));
        _table->setColumnWidth(c, ColumnWidths[c]);
    }
    _summary->setAlignment(Qt::AlignCenter);
    // Under the table, on the page's dark strip.
    _summary->setStyleSheet(QStringLiteral("color: #e4e8ee;"));
    _summary->setWordWrap(true);
    connect(_table, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && size_t(row) < _trips.size())
            emit tripSelected(row);
    });
    connect(_loader, &TripLoader::finished, this, &TripListView::figuresRead);
}

void TripListView::resizeEvent(QResizeEvent *)
{
    const int summaryHeight = fontMetrics().height() + 6;
    _table->setGeometry(0, 0, width(), height() - summaryHeight);
    _summary->setGeometry(0, height() - summaryHeight, width(), summaryHeight);
}

void TripListView::load(const FileManager &files, const DisplayFormat &format)
{
    _loader->cancel();
    _format = format;
    _sources = TripBuilder::sourcesAtOpen(files);
    const qint64 gap = TripBuilder::storedGapSeconds();
    const DrivingEvents::Thresholds thresholds = DrivingEvents::storedThresholds(format);
    _trips = TripBuilder::build(_sources, gap, thresholds);
    _table->clearContents();
    _table->setRowCount(int(_trips.size()));
    showTrips(format);
    if (figuresPending())
        _loader->start(files, _sources, gap, thresholds);
}

// The full figures replace the first ones; the user's ticks stay where the trips did not move.
void TripListView::figuresRead(const TripLoader::Result &result)
{
    QList<int> ticked = checkedTrips();
    const bool same = result.trips.size() == _trips.size()
                      && std::equal(_trips.begin(), _trips.end(), result.trips.begin(),
                                    [](const TripBuilder::Trip &a, const TripBuilder::Trip &b) {
                                        return a.startMsec == b.startMsec && a.sources.size() == b.sources.size();
                                    });
    _sources = result.sources;
    _trips = result.trips;
    if (!same) {
        ticked.clear();
        _table->clearContents();
        _table->setRowCount(int(_trips.size()));
    }
    showTrips(_format);
    for (int row : std::as_const(ticked))
        _table->item(row, ColCheck)->setCheckState(Qt::Checked);
}

void TripListView::showTrips(const DisplayFormat &format)
{
    for (int row = 0; row < int(_trips.size()); ++row)
        fillRow(row, format);
    // Long drives and German figures need more than the narrow default; the events column gives way.
    for (int c : {ColDuration, ColDistance}) {
        int width = ColumnWidths[c];
        for (int row = 0; row < _table->rowCount(); ++row)
            width = std::max(width, _table->fontMetrics().horizontalAdvance(_table->item(row, c)->text()) + 12);
        _table->setColumnWidth(c, width);
    }
    const double distance = std::accumulate(_trips.begin(), _trips.end(), 0.0,
                                            [](double sum, const TripBuilder::Trip &t) { return sum + t.distanceM; });
    const qint64 seconds = std::accumulate(_trips.begin(), _trips.end(), qint64(0),
                                           [](qint64 sum, const TripBuilder::Trip &t) { return sum + t.durationSeconds(); });
    _summary->setText(Texts::text("gui_trips_summary")
                          .arg(_trips.size())
                          .arg(figuresPending() ? Pending : format.distanceValue(distance), tripDuration(seconds)));
    emit tripsChanged();
}

bool TripListView::figuresPending() const
{
    return std::any_of(_trips.begin(), _trips.end(), [](const TripBuilder::Trip &t) { return t.figuresPending; });
}

void TripListView::fillRow(int row, const DisplayFormat &format)
{
    const TripBuilder::Trip &trip = _trips[size_t(row)];
    auto *check = new QTableWidgetItem(QString::number(row + 1));
    check->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    check->setCheckState(Qt::Unchecked);
    _table->setItem(row, ColCheck, check);
    const _vexa_time_t start = msec_to_time(trip.startMsec);
    _table->setItem(row, ColDate, textItem(format.dateString(start).left(10)));
    _table->setItem(row, ColStart, textItem(format.timeString(start).left(5)));
    _table->setItem(row, ColDuration, textItem(tripDuration(trip.durationSeconds())));
    QTableWidgetItem *distanceItem = textItem(trip.figuresPending ? Pending : format.distanceValue(trip.distanceM));
    const QString events = trip.figuresPending ? Pending
                           : QString::number(trip.events.size()) + (trip.eventsComplete ? QString() : QStringLiteral("+"));
    QTableWidgetItem *eventsItem = textItem(events);
    eventsItem->setToolTip(eventsToolTip(trip));
    if (trip.figuresPending)
        distanceItem->setToolTip(eventsItem->toolTip());
    _table->setItem(row, ColDistance, distanceItem);
    _table->setItem(row, ColEvents, eventsItem);
}

QString TripListView::eventsToolTip(const TripBuilder::Trip &trip) const
{
    if (trip.figuresPending)
        return Texts::text("gui_trip_figures_pending");
    QStringList lines;
    const std::array<int, 6> counts = trip.eventCounts();
    for (size_t k = 0; k < counts.size(); ++k)
        if (counts[k] > 0)
            lines << QStringLiteral("%1: %2").arg(Texts::text(DrivingEvents::kindTextId(DrivingEvents::Kind(k))))
                         .arg(counts[k]);
    if (!trip.eventsComplete)
        lines << Texts::text("gui_trip_events_partial");
    return lines.join(u'\n');
}

QString TripListView::summaryText() const
{
    return _summary->text();
}

void TripListView::clear()
{
    _loader->cancel();
    _sources.clear();
    _trips.clear();
    _table->clearContents();
    _table->setRowCount(0);
    _summary->clear();
    emit tripsChanged();
}

void TripListView::checkAll(bool flag)
{
    for (int row = 0; row < _table->rowCount(); ++row)
        _table->item(row, ColCheck)->setCheckState(flag ? Qt::Checked : Qt::Unchecked);
}

QList<int> TripListView::checkedTrips() const
{
    QList<int> out;
    for (int row = 0; row < _table->rowCount(); ++row)
        if (_table->item(row, ColCheck)->checkState() == Qt::Checked)
            out.append(row);
    return out;
}

void TripListView::selectTrip(int trip)
{
    if (trip < 0 || trip >= _table->rowCount())
        return;
    _table->selectRow(trip);
    _table->scrollToItem(_table->item(trip, ColCheck));
}
