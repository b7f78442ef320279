#include "MapView.h"

#include "FileLog.h"
#include "FileManager.h"
#include "FileVideo.h"
#include "Geometry.h"
#include "MapPage.h"
#include "MapPageObject.h"
#include "MapScript.h"
#include "Preferences.h"
#include "SkinManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkInformation>
#include <QPainter>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QWebChannel>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <unistd.h>

namespace {

// Beneath the tiles, so markers and the route still read without a network.
const QColor PageBackground(0xe9, 0xe6, 0xdf);
constexpr int MaxReloads = 3;

// Set before the page's own scripts run: where the tiles come from.
QWebEngineScript configScript()
{
    QJsonObject config;
    config.insert(QStringLiteral("tileUrl"), MapView::tileUrl());
    QWebEngineScript script;
    script.setName(QStringLiteral("tumbo-map-config"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setSourceCode(QStringLiteral("window.tumboMapConfig = %1;")
                             .arg(QString::fromUtf8(
                                 QJsonDocument(config).toJson(QJsonDocument::Compact))));
    return script;
}

} // namespace

MapView::MapView(SkinManager *skinManager, FileManager *fileManager, QWidget *parent)
    : QWidget(parent), _fileManager(fileManager)
{
    if (skinManager)
        setGeometry(Geometry::toQt(skinManager->rectForKey(FrameKey), SkinManager::WindowHeight));
    _backImage = SkinManager::resourceImage(
        connectionRequired() ? QStringLiteral("map_disconnect") : QStringLiteral("map_connect"));
}

MapView::~MapView()
{
    // The page goes before the profile it was made with, which outlives every map.
    delete _webView;
    delete _page;
}

QString MapView::tileUrl()
{
    const QString url = Preferences::stringValue(Preferences::MapTileUrl).trimmed();
    const QUrl parsed(url);
    const bool usable = parsed.isValid()
        && (parsed.scheme() == QLatin1String("https") || parsed.scheme() == QLatin1String("http"))
        && url.contains(QLatin1String("{z}")) && url.contains(QLatin1String("{x}"))
        && url.contains(QLatin1String("{y}"));
    return usable ? url : QString::fromLatin1(DefaultTileUrl);
}

bool MapView::connectionRequired()
{
    if (!QNetworkInformation::instance() && !QNetworkInformation::loadDefaultBackend())
        return false;
    const QNetworkInformation *info = QNetworkInformation::instance();
    return info && info->reachability() == QNetworkInformation::Reachability::Disconnected;
}

bool MapView::pageAllowed() const
{
    return _pageEnabled && engineAllowed();
}

bool MapView::engineAllowed()
{
    if (geteuid() != 0)
        return true;
    const QString noSandbox = QStringLiteral("--no-sandbox");
    if (qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").split(QLatin1Char(' ')).contains(noSandbox)
        || QCoreApplication::arguments().contains(noSandbox)
        || qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        return true;
    qWarning("The map's browser engine does not run as root without --no-sandbox; the map "
             "shows a still picture.");
    return false;
}

QWebEngineProfile *MapView::profile()
{
    static QPointer<QWebEngineProfile> shared;
    if (shared)
        return shared;
    shared = new QWebEngineProfile(QStringLiteral("map"), QCoreApplication::instance());
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    shared->setCachePath(QDir(cache).filePath(QStringLiteral("map")));
    shared->setPersistentStoragePath(QDir(data).filePath(QStringLiteral("map")));
    shared->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    shared->setHttpCacheMaximumSize(256 * 1024 * 1024);
    // Tile servers ask every application to name itself.
    shared->setHttpUserAgent(QStringLiteral("%1/%2 (dashcam recording viewer; Qt WebEngine)")
                                 .arg(QCoreApplication::applicationName(),
                                      QCoreApplication::applicationVersion()));
    return shared;
}

void MapView::createPage()
{
    if (_pageRequested)
        return;
    _pageRequested = true;
    if (!pageAllowed())
        return;
    _page = new MapPage(profile(), this);
    _page->setBackgroundColor(PageBackground);
    // The page comes from the resources; its tiles come from the network.
    _page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    _page->scripts().insert(configScript());
    auto *channel = new QWebChannel(_page);
    channel->registerObject(QStringLiteral("MapView"), new MapPageObject(this));
    _page->setWebChannel(channel);
    connect(_page, &QWebEnginePage::loadFinished, this, &MapView::finishLoad);
    connect(_page, &QWebEnginePage::renderProcessTerminated, this, &MapView::renderProcessEnded);

    _webView = new QWebEngineView(this);
    _webView->setPage(_page);
    _webView->setGeometry(rect());
    _webView->setVisible(_webShown);
    _page->load(QUrl(QString::fromLatin1(PageUrl)));
}

void MapView::finishLoad(bool ok)
{
    if (!ok)
        return;
    _pageLoaded = true;
    QString script = QStringLiteral("initialize();\n") + _cameraScript + _routeScript;
    if (_latitude != 0.0 || _longitude != 0.0)
        script += MapScript::moveCenter(_latitude, _longitude);
    sendScript(script);
    emit pageLoaded();
}

// A crashed or killed renderer takes the map with it; a fresh load puts it back.
void MapView::renderProcessEnded()
{
    _pageLoaded = false;
    if (_page && _reloads++ < MaxReloads)
        QTimer::singleShot(0, _page, [page = _page] { page->triggerAction(QWebEnginePage::Reload); });
}

void MapView::sendScript(const QString &script)
{
    emit scriptSent(script);
    if (_page)
        _page->runJavaScript(script);
}

QString MapView::centreScript(double nmeaLatitude, double nmeaLongitude)
{
    double latitude = 0, longitude = 0;
    if (!MapScript::position(1, nmeaLatitude, nmeaLongitude, &latitude, &longitude))
        return {};
    if (latitude == _latitude && longitude == _longitude)
        return {};
    _latitude = latitude;
    _longitude = longitude;
    return MapScript::moveCenter(latitude, longitude);
}

void MapView::loadWithData(const QList<qint64> &fileIndices, const QString &type)
{
    if (!_fileManager)
        return;
    _cameraScript = MapScript::cameras(*_fileManager, fileIndices, type);
    sendScript(_cameraScript);
}

void MapView::loadWithLogs(const QList<LogGuide> &cameras, qint64 logIndex)
{
    _cameraScript = MapScript::logCameras(cameras);
    QString script = _cameraScript;
    if (const FileLog *log = _fileManager ? _fileManager->logAtIndex(logIndex) : nullptr) {
        for (qint64 i = 0; i < log->count(); ++i) {
            const _vexa_log_info_t &record = log->logAtIndex(i);
            if (record.gps_valid) {
                script += centreScript(record.latitude, record.longitude);
                break;
            }
        }
    }
    sendScript(script);
    setWebShown(true);
}

void MapView::loadWithLogRoute(const QList<FileLog *> &logs)
{
    _fileVideo = nullptr;
    _routeScript = MapScript::logRoute(logs, _format);
    sendScript(_routeScript);
}

void MapView::loadWithFileVideo(FileVideo *fileVideo, qint64 frameIndex)
{
    _fileVideo = fileVideo;
    if (!fileVideo) {
        _routeScript.clear();
        sendScript(QStringLiteral("waitLoad();\nclearRoute();\ndrawRoute();\nwaitDone();\n"));
        setWebShown(false);
        return;
    }
    const MapScript::Route route = MapScript::route(*fileVideo, _format);
    _routeScript = route.script;
    if (route.firstIndex < 0) {
        sendScript(route.script);
        setWebShown(false);
        return;
    }
    const qint64 shown = frameIndex < 0 ? fileVideo->frameCount() - 1 : frameIndex;
    const _vexa_video_frame_header_t *header = &fileVideo->headerAtIndex(shown);
    double latitude = 0, longitude = 0;
    if (!MapScript::position(header->gps_valid, header->latitude, header->longitude, &latitude,
                             &longitude))
        header = &fileVideo->headerAtIndex(route.firstIndex);
    sendScript(route.script + centreScript(header->latitude, header->longitude));
    setWebShown(true);
}

void MapView::moveCenterWithLatitude(double latitude, double longitude)
{
    const QString script = centreScript(latitude, longitude);
    if (!script.isEmpty())
        sendScript(script);
}

void MapView::clear()
{
    _cameraScript.clear();
    _routeScript.clear();
    sendScript(QStringLiteral("clearCamera();\nclearRoute();\n"));
    setWebShown(false);
}

void MapView::setWebShown(bool shown)
{
    _webShown = shown;
    if (_webView)
        _webView->setVisible(shown);
    update();
}

void MapView::paintEvent(QPaintEvent *)
{
    // The engine starts a moment after the window's first paint: it costs more than the
    // whole window, and a run that only takes a picture of the window never needs it.
    if (!_pageRequested && !_pageTimer) {
        _pageTimer = true;
        QTimer::singleShot(PageDelayMsec, this, &MapView::createPage);
    }
    if (_webView && _webShown)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(rect()), _backImage);
}

void MapView::resizeEvent(QResizeEvent *)
{
    if (_webView)
        _webView->setGeometry(rect());
}
