#include "CardOverviewWindow.h"

#include "FileManager.h"
#include "FileTableView.h"
#include "FileVideo.h"
#include "ListView.h"
#include "MainView.h"
#include "OverviewMapView.h"
#include "PlayListView.h"
#include "Texts.h"
#include "TripListView.h"
#include "vexa_time.h"

#include <QVBoxLayout>

#include <algorithm>

CardOverviewWindow::CardOverviewWindow(MainView *view, QWidget *parent)
    : QWidget(parent, Qt::Window), _view(view), _map(new OverviewMapView(this))
{
    setWindowTitle(Texts::text("gui_overview_title"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(_map);
    resize(900, 680);

    TripListView *trips = view->listView()->tripListView();
    connect(trips, &TripListView::tripsChanged, this, [this, trips] {
        if (trips->trips().empty())
            close();
        else if (isVisible())
            reload();
    });
    connect(trips, &TripListView::tripSelected, _map, &OverviewMapView::selectTrip);
    connect(_map, &OverviewMapView::clickTrip, this, [this, trips](int trip) {
        if (!_view)
            return;
        _view->listView()->didCommand(ListView::TagTrips);
        const QSignalBlocker quiet(trips);
        trips->selectTrip(trip);
    });
    connect(_map, &OverviewMapView::clickSource, this, &CardOverviewWindow::openSource);
}

void CardOverviewWindow::reload()
{
    if (!_view)
        return;
    const TripListView *trips = _view->listView()->tripListView();
    _map->load(trips->trips(), trips->sources(), _view->displayFormat());
}

void CardOverviewWindow::openSource(int source, qint64 sample, qint64 msec)
{
    if (!_view || !_view->fileManager())
        return;
    ListView *list = _view->listView();
    const std::vector<TripBuilder::Source> &sources = list->tripListView()->sources();
    if (source < 0 || size_t(source) >= sources.size())
        return;
    const TripBuilder::Source s = sources[size_t(source)];
    if (s.isLog) {
        _view->tagCommand(MainView::TagLogList);
        list->logTableView()->checkAll(false);
        list->logTableView()->setChecked(int(s.index), true);
        list->didLoad();
        if (_view->fileLog() && sample >= 0)
            _view->logLayoutSelectedLogLogIndexSelectByUser(_view->fileLog(), sample, true);
        return;
    }
    const bool event = s.type == FileVideo::Event;
    _view->tagCommand(event ? MainView::TagEventList : MainView::TagNormalList);
    list->selectedView()->checkAll(false);
    list->selectedView()->setChecked(int(s.index), true);
    list->didLoad();
    const FileVideo *video = _view->fileManager()->videoAtIndex(s.index, event ? QStringLiteral("event") : QStringLiteral("normal"));
    if (!video)
        return;
    // A marker from the full index knows its frame; the others go by the moment.
    qint64 frame = sample >= 0 && video->isIndexed() ? sample : video->indexAtTimestamp(msec_to_time(msec), true);
    list->playListView()->playWithFileIndex(s.index, std::max<qint64>(frame, 0));
}
