// Where each part joins the main view: its slots connected to the main view's requests,
// its reports connected to the main view's slots. The fan-out itself (MainView_playback.cpp)
// only emits; a part that has not joined receives nothing.

#include "MainView.h"

#include "ExportCSVWindow.h"
#include "ExportKMLWindow.h"
#include "EventListView.h"
#include "BackupWindow.h"
#include "FileManager.h"
#include "KmlExport.h"
#include "ListView.h"
#include "LogDistanceWindow.h"
#include "LogLayout.h"
#include "MapView.h"
#include "PlayListView.h"
#include "ProductVariant.h"
#include "SkinDateTime.h"
#include "SkinGSensor.h"
#include "SkinGps.h"
#include "SkinGraph.h"
#include "SkinSlider.h"
#include "SkinLogGraph.h"
#include "SkinSpeed.h"
#include "TriggerListView.h"
#include "VideoLayout.h"
#include "VideoView.h"

void MainView::joinFileManager()
{
    connect(_fileManager, &FileManager::fileVideoFrameIndex, this,
            &MainView::fileManagerFileVideoFrameIndex);
    connect(_fileManager, &FileManager::fileLogFrameIndex, this,
            &MainView::fileManagerFileLogFrameIndex);
}

void MainView::joinVideoLayout()
{
    VideoLayout *layout = _videoLayout;
    connect(this, &MainView::videoLayoutDrawWithFileVideo, layout, &VideoLayout::drawWithFileVideo);
    connect(this, &MainView::videoLayoutSetPause, layout, &VideoLayout::setPause);
    connect(this, &MainView::videoLayoutSetFileVideo, layout, &VideoLayout::setFileVideo);
    connect(this, &MainView::videoLayoutClear, layout, &VideoLayout::clear);
    connect(this, &MainView::videoLayoutChangeDivision, layout, &VideoLayout::changeDivision);
    connect(this, &MainView::videoLayoutSetFullWindow, layout, &VideoLayout::setFullWindow);
    connect(layout, &VideoLayout::fileVideoFrameIndex, this,
            &MainView::videoLayoutFileVideoFrameIndex);
    // The timeline slider lives in the video layout, which gives it its recording.
    if (auto *slider = qobject_cast<SkinSlider *>(layout->slider())) {
        connect(this, &MainView::skinSliderSetFrameIndex, slider, &SkinSlider::setFrameIndex);
        connect(slider, &SkinSlider::changeFrameIndex, this, &MainView::skinSliderChangeFrameIndex);
    }
}

// The log page takes the place of the video area; it is made here, after the buttons,
// which it does not overlap.
void MainView::joinLogLayout()
{
    auto *layout = new LogLayout(_skinManager.get(), _fileManager, this);
    _logLayout = layout;
    connect(this, &MainView::logLayoutVideoViewDrawImage, layout->videoView(), &VideoView::drawImage);
    connect(this, &MainView::logLayoutSetFileLog, layout, &LogLayout::setFileLog);
    connect(this, &MainView::logLayoutPlayNext, layout, &LogLayout::playNext);
    connect(this, &MainView::logLayoutPlayPrevious, layout, &LogLayout::playPrevious);
    connect(this, &MainView::logLayoutClear, layout, &LogLayout::clear);
    SkinLogGraph *graph = layout->logGraph();
    connect(this, &MainView::logGraphSetZoom, graph, &SkinLogGraph::setZoom);
    connect(this, &MainView::logGraphSetPosition, graph, &SkinLogGraph::setPosition);
    connect(layout, &LogLayout::selectedLog, this,
            &MainView::logLayoutSelectedLogLogIndexSelectByUser);
    _answers.infoAtTimestamp = [layout](const _vexa_log_info_t &record, bool forward) {
        return layout->infoAtTimestamp(record, forward);
    };
    // Accepted logs go to the map as a route and are summed up in the distance window.
    _answers.setLogData = [this, layout](const QList<ListRow> &rows) {
        if (!layout->setData(rows))
            return false;
        _listView->eventListView()->setLogs(layout->logFiles());
        _listView->showEventList(true);
        emit mapViewLoadWithLogs(layout->logGraph()->logGuides(),
                                 rows.isEmpty() ? -1 : rows.first().idx);
        emit mapViewLoadWithLogRoute(layout->logFiles());
        LogDistanceWindow distances(window()->frameGeometry(), layout->logFiles(), _displayFormat, window());
        distances.runModal();
        return true;
    };
}

void MainView::joinReadouts()
{
    connect(this, &MainView::skinSpeedSetSpeed, _skinSpeed, &SkinSpeed::setSpeed);
    connect(this, &MainView::skinGpsSetLatitude, _skinGps, &SkinGps::setLatitude);
    connect(this, &MainView::skinGSensorXSetVal, _skinGSensorX, &SkinGSensor::setVal);
    connect(this, &MainView::skinGSensorYSetVal, _skinGSensorY, &SkinGSensor::setVal);
    connect(this, &MainView::skinGSensorZSetVal, _skinGSensorZ, &SkinGSensor::setVal);
    connect(this, &MainView::skinDateTimeSetDate, _skinDateTime, &SkinDateTime::setDate);
}

void MainView::joinSkinGraph()
{
    SkinGraph *graph = _skinGraph;
    connect(this, &MainView::skinGraphSetFrameIndex, graph, &SkinGraph::setFrameIndex);
    connect(this, &MainView::skinGraphLoadWithFileVideo, graph, &SkinGraph::loadWithFileVideo);
    connect(this, &MainView::skinGraphLoadWithFileLog, graph, &SkinGraph::loadWithFileLog);
    connect(this, &MainView::skinGraphSetZoom, graph, &SkinGraph::setZoom);
    connect(this, &MainView::skinGraphClear, graph, &SkinGraph::clear);
    connect(graph, &SkinGraph::fileVideoFrameIndex, this, &MainView::skinGraphFileVideoFrameIndex);
    connect(graph, &SkinGraph::fileLogFrameIndex, this, &MainView::skinGraphFileLogFrameIndex);
    _answers.graphZoom = [graph] { return graph->zoom(); };
}

void MainView::joinListView()
{
    ListView *list = _listView;
    connect(this, &MainView::listViewLoad, list, &ListView::load);
    connect(this, &MainView::listViewClear, list, &ListView::clear);
    connect(this, &MainView::listViewClose, list, &ListView::close);
    connect(this, &MainView::listViewSelectTab, list, &ListView::selectTab);
    connect(this, &MainView::listViewCheckAll, list, &ListView::checkAll);
    connect(this, &MainView::listViewBackup, list, &ListView::backup);
    connect(list, &ListView::backupData, this,
            [this](const QList<ListRow> &event, const QList<ListRow> &normal, const QList<ListRow> &log) {
                BackupWindow backup(_fileManager, _rootPath, event, normal, log, window());
                backup.runModal();
            });
    connect(this, &MainView::listViewEvidence, list, &ListView::evidence);
    connect(list, &ListView::evidenceData, this, &MainView::evidenceCommand);
    connect(list, &ListView::tabSelected, this, &MainView::listViewSelectedTab);
    connect(list, &ListView::loadDataSelectedTab, this, &MainView::listViewLoadDataSelectedTab);
    // Close (27) and continuous play (45) come up as commands of the list page.
    connect(list, &ListView::command, this, [this, list](int tag) {
        if (tag == TagContinuousPlay)
            setPlayContinue(list->continuousPlay());
        else
            didCommand(tag);
    });
    _answers.selectedTab = [list] { return list->selectedTab(); };
    connect(list, &ListView::exportCSV, this, [this](const QList<ListRow> &rows) {
        ExportCSVWindow csv(rows, *_fileManager, _displayFormat, window());
        csv.runModal();
    });
    connect(list, &ListView::exportKML, this, [this](const QList<ListRow> &rows) {
        const auto variant = ProductVariant::current() == ProductVariant::Orvisto    ? KmlExport::Variant::Orvisto
                             : ProductVariant::current() == ProductVariant::Tremolax ? KmlExport::Variant::Tremolax
                                                                                     : KmlExport::Variant::Tumbo;
        ExportKMLWindow kml(rows, *_fileManager, KmlExport::folderName(variant), _displayFormat, window());
        kml.runModal();
    });

    PlayListView *playList = list->playListView();
    connect(this, &MainView::playListViewPlayNext, playList, &PlayListView::playNext);
    connect(this, &MainView::playListViewPlayPrevious, playList, &PlayListView::playPrevious);
    connect(this, &MainView::playListViewPlayWithFileIndex, playList,
            &PlayListView::playWithFileIndex);
    connect(playList, &PlayListView::loadDataType, this, &MainView::playListViewLoadDataType);
    connect(playList, &PlayListView::selectedRowFrameIndexSelectByUser, this,
            &MainView::playListViewSelectedRowFrameIndexSelectByUser);

    TriggerListView *triggers = list->triggerListView();
    connect(this, &MainView::triggerListViewLoadWithIndex, triggers,
            &TriggerListView::loadWithIndex);
    connect(triggers, &TriggerListView::selectedRow, this, &MainView::triggerListViewSelectedRow);

    // An event row moves the viewer as a map camera or a log search row does.
    EventListView *events = list->eventListView();
    connect(events, &EventListView::selectedRecordingEvent, this,
            &MainView::mapViewClickCameraWithFileIndexFrameIndex);
    connect(events, &EventListView::selectedLogEvent, this, [this](FileLog *log, qint64 index) {
        emit logLayoutSetFileLog(log, index);
        logLayoutSelectedLogLogIndexSelectByUser(log, index, true);
    });
}

void MainView::joinMapView()
{
    MapView *map = _mapView;
    connect(this, &MainView::mapViewMoveCenterWithLatitude, map, &MapView::moveCenterWithLatitude);
    connect(this, &MainView::mapViewLoadWithFileVideo, map, &MapView::loadWithFileVideo);
    connect(this, &MainView::mapViewLoadWithData, map, &MapView::loadWithData);
    connect(this, &MainView::mapViewLoadWithLogs, map, &MapView::loadWithLogs);
    connect(this, &MainView::mapViewLoadWithLogRoute, map, &MapView::loadWithLogRoute);
    connect(this, &MainView::mapViewClear, map, &MapView::clear);
    connect(map, &MapView::clickCameraWithFileIndexFrameIndex, this,
            &MainView::mapViewClickCameraWithFileIndexFrameIndex);
    connect(map, &MapView::clickRouteWithFrameIndex, this, &MainView::mapViewClickRouteWithFrameIndex);
    connect(map, &MapView::clickLogCameraWithPosition, this,
            &MainView::mapViewClickLogCameraWithPosition);
}
