#include "MapPageObject.h"

#include "MapView.h"

#include <cmath>

MapPageObject::MapPageObject(MapView *view) : QObject(view), _view(view) {}

bool MapPageObject::integer(const QJsonValue &value, qint64 *out)
{
    double number = 0;
    if (value.isDouble()) {
        number = value.toDouble();
    } else if (value.isString()) {
        bool ok = false;
        number = value.toString().trimmed().toDouble(&ok);
        if (!ok)
            return false;
    } else {
        return false;
    }
    // 2^63 itself does not fit.
    if (!std::isfinite(number) || std::fabs(number) >= 9223372036854775808.0)
        return false;
    *out = qint64(std::trunc(number));
    return true;
}

void MapPageObject::clickCameraWithFileIndex_frameIndex_(const QJsonValue &fileIndex,
                                                         const QJsonValue &frameIndex)
{
    qint64 file = 0, frame = 0;
    if (integer(fileIndex, &file) && integer(frameIndex, &frame))
        emit _view->clickCameraWithFileIndexFrameIndex(file, frame);
}

void MapPageObject::clickRouteWithFrameIndex_(const QJsonValue &frameIndex)
{
    qint64 frame = 0;
    if (integer(frameIndex, &frame))
        emit _view->clickRouteWithFrameIndex(frame);
}

void MapPageObject::clickLogCameraWithPosition_(const QJsonValue &position)
{
    qint64 msec = 0;
    if (integer(position, &msec))
        emit _view->clickLogCameraWithPosition(msec);
}
