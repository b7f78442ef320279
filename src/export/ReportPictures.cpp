#include "ReportPictures.h"

#include "FileLog.h"
#include "FileVideo.h"
#include "GraphPicture.h"
#include "LogGraphPicture.h"
#include "RoutePicture.h"

#include <QPainter>

namespace {

// A copy of the picture drawn at size on a white page background.
template <typename Picture>
QImage drawn(Picture picture, QSize size)
{
    picture.setSize(size);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.paint(painter);
    return image;
}

} // namespace

QImage ReportPictures::graph(const GraphPicture &shown)
{
    return drawn(shown, GraphSize);
}

QImage ReportPictures::logGraph(const LogGraphPicture &shown)
{
    return drawn(shown, LogGraphSize);
}

QImage ReportPictures::route(const FileVideo &video, qint64 index, const PrivacyZones &zones)
{
    return RoutePicture::ofVideo(video, index, MapSize, zones);
}

QImage ReportPictures::route(const LogGraphPicture &shown, const PrivacyZones &zones)
{
    QList<FileLog *> logs;
    for (const LogGraphPicture::Entry &entry : shown.entries())
        if (entry.log)
            logs.append(entry.log);
    return RoutePicture::ofLogs(logs, shown.fileLog(), shown.logIndex(), MapSize, zones);
}

void ReportPictures::addVideo(ReportPainter::Content &content, FileVideo &video, qint64 index,
                              double zoom)
{
    GraphPicture picture;
    picture.setDisplayFormat(content.format);
    picture.setSize(GraphSize);
    picture.setZoom(zoom);
    picture.loadWithFileVideo(&video, index);
    content.graph = graph(picture);
    content.map = route(video, index, content.zones);
}

void ReportPictures::addLogs(ReportPainter::Content &content, const QList<FileLog *> &logs,
                             FileLog &log, qint64 record, FileManager *fileManager, double zoom)
{
    GraphPicture picture(fileManager);
    picture.setDisplayFormat(content.format);
    picture.setSize(GraphSize);
    picture.setZoom(zoom);
    picture.loadWithFileLog(&log, record);
    content.graph = graph(picture);

    LogGraphPicture all;
    all.setFileManager(fileManager);
    all.setDisplayFormat(content.format);
    all.setSize(LogGraphSize);
    all.setZoom(zoom);
    all.loadWithFileLogs(logs);
    all.setFileLog(&log, record);
    content.logGraph = logGraph(all);
    content.map = RoutePicture::ofLogs(logs, &log, record, MapSize, content.zones);
}
