// What the map page sees as "MapView": the three click calls and nothing of the widget.
// Each turns the page's values into integers and hands them to the map view's reports.
#pragma once

#include <QJsonValue>
#include <QObject>

class MapView;

class MapPageObject : public QObject {
    Q_OBJECT

public:
    explicit MapPageObject(MapView *view);

    Q_INVOKABLE void clickCameraWithFileIndex_frameIndex_(const QJsonValue &fileIndex,
                                                          const QJsonValue &frameIndex);
    Q_INVOKABLE void clickRouteWithFrameIndex_(const QJsonValue &frameIndex);
    Q_INVOKABLE void clickLogCameraWithPosition_(const QJsonValue &position);

    // A page value as an integer: numbers lose their fraction, numeric strings are read;
    // false for anything else, or a number out of range.
    static bool integer(const QJsonValue &value, qint64 *out);

private:
    MapView *_view;
};
