// The map beside the video: the route of the recording being played, the camera positions
// of the play list or of a log's recordings, kept centred on the frame on screen.
//
// The map is a web page carried in the resources (resources/map), driven only by short
// script calls and answering clicks through the object it sees as "MapView"
// (MapPageObject). The calls of one operation reach the page in one evaluation, through
// sendScript(). Until the page shows content, or whenever it shows none, the view draws a
// still picture chosen at creation by whether the network needs connecting first.
//
// The browser engine starts only after the view has first painted, so it never delays the
// first painted window. What the map showed before the page loaded is sent again once it has.
#pragma once

#include "DisplayFormat.h"
#include "FileLog.h"
#include "LogGuide.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class FileManager;
class FileVideo;
class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineView;
class SkinManager;

class MapView : public QWidget {
    Q_OBJECT

public:
    static constexpr int FrameKey = 3;
    static constexpr int PageDelayMsec = 100;
    static constexpr const char *PageUrl = "qrc:/map/map.html";
    static constexpr const char *DefaultTileUrl = "https://tile.openstreetmap.org/{z}/{x}/{y}.png";

    // Placed at the skin's map rectangle (an empty frame for a null skin); neither is owned.
    MapView(SkinManager *skinManager, FileManager *fileManager, QWidget *parent = nullptr);
    ~MapView() override;

    // Null until the page is created.
    QWebEngineView *webView() const { return _webView; }
    bool isPageLoaded() const { return _pageLoaded; }
    // Whether the map rather than the still picture is to be seen.
    bool isWebViewShown() const { return _webShown; }
    const QImage &backImage() const { return _backImage; }
    FileVideo *fileVideo() const { return _fileVideo; }
    // Decimal degrees of the last centre sent; 0.0 before any.
    double latitude() const { return _latitude; }
    double longitude() const { return _longitude; }

    // The tile address of the preferences when it is an http(s) address with {z}, {x}, {y};
    // OpenStreetMap's otherwise.
    static QString tileUrl();
    // Whether the network must be connected before the map can load tiles; false when the
    // platform cannot tell.
    static bool connectionRequired();
    // Off: the map stays the still picture and the browser engine never starts (the viewer's
    // --no-map, tests that do not need the page). Set before the view is first shown.
    void setPageEnabled(bool enabled) { _pageEnabled = enabled; }
    // The speed unit of the speeding marks on the routes loaded next.
    void setDisplayFormat(const DisplayFormat &format) { _format = format; }
    // Whether the browser engine may start: when enabled, and not as root without
    // --no-sandbox, where the engine would end the program.
    bool pageAllowed() const;
    // Whether this process may start the browser engine at all (see pageAllowed).
    static bool engineAllowed();
    // The browser profile of every map: tiles cached on disk, an identifying user agent.
    static QWebEngineProfile *profile();

public slots:
    // Starts the browser engine and loads the page; done once, soon after the first paint,
    // and only when pageAllowed().
    void createPage();
    // Camera markers of the play list's recordings (their indices in the type's list).
    void loadWithData(const QList<qint64> &fileIndices, const QString &type);
    // Camera markers of the recordings made during a log, then the centre on the log.
    void loadWithLogs(const QList<LogGuide> &cameras, qint64 logIndex);
    // The route of the loaded logs, drawn as a recording's is; a click on it reports the
    // record's time through clickRouteWithFrameIndex.
    void loadWithLogRoute(const QList<FileLog *> &logs);
    // The route of a recording, centred on frameIndex (-1: the last frame).
    void loadWithFileVideo(FileVideo *fileVideo, qint64 frameIndex);
    // NMEA latitude and longitude of the frame on screen.
    void moveCenterWithLatitude(double latitude, double longitude);
    void clear();

signals:
    // Clicks on the page.
    void clickCameraWithFileIndexFrameIndex(qint64 fileIndex, qint64 frameIndex);
    void clickRouteWithFrameIndex(qint64 frameIndex);
    void clickLogCameraWithPosition(qint64 msec);
    // Every script evaluation sent to the page, in order.
    void scriptSent(const QString &script);
    void pageLoaded();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void sendScript(const QString &script);
    // The centre call for an NMEA position, or nothing when it is the last centre sent.
    QString centreScript(double nmeaLatitude, double nmeaLongitude);
    void setWebShown(bool shown);
    void finishLoad(bool ok);
    void renderProcessEnded();

    QPointer<FileManager> _fileManager;
    QImage _backImage;
    QWebEngineView *_webView = nullptr;
    QWebEnginePage *_page = nullptr;
    QPointer<FileVideo> _fileVideo;
    double _latitude = 0.0;
    double _longitude = 0.0;
    bool _webShown = false;
    bool _pageLoaded = false;
    bool _pageRequested = false;
    bool _pageEnabled = true;
    bool _pageTimer = false;
    int _reloads = 0;
    DisplayFormat _format;
    // The last camera and route batches, sent again to a page that (re)loads.
    QString _cameraScript;
    QString _routeScript;
};
