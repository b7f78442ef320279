// Where each part joins the main view: its slots connected to the main view's requests,
// its reports connected to the main view's slots. The fan-out itself (MainView_playback.cpp)
// only emits; a part that has not joined receives nothing.
//
// Parts still to join, and what they connect:
// - SkinSlider (inside the video layout): skinSliderSetFrameIndex; changeFrameIndex ->
//   skinSliderChangeFrameIndex.
// - SkinGraph: skinGraphSetFrameIndex, skinGraphLoadWithFileVideo, skinGraphLoadWithFileLog,
//   skinGraphSetZoom, skinGraphClear; its two position reports; partAnswers().graphZoom.
// - MapView: mapViewMoveCenterWithLatitude, mapViewLoadWithFileVideo, mapViewLoadWithData,
//   mapViewClear; its three click reports.
// - LogLayout: logLayoutVideoViewDrawImage, logLayoutSetFileLog, logLayoutPlayNext,
//   logLayoutPlayPrevious, logLayoutClear, logGraphSetZoom, logGraphSetPosition;
//   selectedLog -> logLayoutSelectedLogLogIndexSelectByUser; partAnswers().infoAtTimestamp
//   and setLogData; _logLayout for showing and hiding the page.
// - ListView with PlayListView and TriggerListView: listViewLoad, listViewClear,
//   listViewClose, listViewSelectTab, listViewCheckAll, listViewBackup,
//   playListViewPlayNext, playListViewPlayPrevious, playListViewPlayWithFileIndex,
//   triggerListViewLoadWithIndex; its reports to the listView* / playListView* /
//   triggerListView* slots and to didCommand (tags 27 and 45); partAnswers().selectedTab.
#include "MainView.h"

#include "FileManager.h"
#include "SkinDateTime.h"
#include "SkinGSensor.h"
#include "SkinGps.h"
#include "SkinSpeed.h"
#include "VideoLayout.h"

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
}

void MainView::joinLogLayout()
{
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
}

void MainView::joinListView()
{
}

void MainView::joinMapView()
{
}
