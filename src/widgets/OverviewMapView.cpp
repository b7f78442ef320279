#include "OverviewMapView.h"

#include "MapPage.h"
#include "MapPageObject.h"
#include "MapView.h"
#include "OverviewScript.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <QWebChannel>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

QWebEngineScript configScript()
{
    QJsonObject config;
    config.insert(QStringLiteral("tileUrl"), MapView::tileUrl());
    QWebEngineScript script;
    script.setName(QStringLiteral("tumbo-overview-config"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setSourceCode(QStringLiteral("window.tumboMapConfig = %1;")
                             .arg(QString::fromUtf8(QJsonDocument(config).toJson(QJsonDocument::Compact))));
    return script;
}

} // namespace

OverviewMapView::OverviewMapView(QWidget *parent) : QWidget(parent) {}

OverviewMapView::~OverviewMapView()
{
    delete _webView;
    delete _page;
}

void OverviewMapView::showEvent(QShowEvent *)
{
    if (!_page && _pageEnabled && MapView::engineAllowed())
        createPage();
}

void OverviewMapView::resizeEvent(QResizeEvent *)
{
    if (_webView)
        _webView->setGeometry(rect());
}

void OverviewMapView::createPage()
{
    _page = new MapPage(MapView::profile(), this);
    _page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    _page->scripts().insert(configScript());
    auto *channel = new QWebChannel(_page);
    channel->registerObject(QStringLiteral("Overview"), new OverviewPageObject(this));
    _page->setWebChannel(channel);
    connect(_page, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        if (!ok)
            return;
        _pageLoaded = true;
        sendScript(QStringLiteral("initialize();\n") + _script);
        emit pageLoaded();
    });
    _webView = new QWebEngineView(this);
    _webView->setPage(_page);
    _webView->setGeometry(rect());
    // Made while this view is being shown, so it is not shown with it.
    _webView->show();
    _page->load(QUrl(QString::fromLatin1(PageUrl)));
}

void OverviewMapView::load(const TripBuilder::Trips &trips, const std::vector<TripBuilder::Source> &sources,
                           const DisplayFormat &format)
{
    _script = OverviewScript::of(trips, sources, format);
    if (_pageLoaded || !_page)
        sendScript(_script);
}

void OverviewMapView::selectTrip(int trip)
{
    sendScript(OverviewScript::selectTrip(trip));
}

void OverviewMapView::sendScript(const QString &script)
{
    emit scriptSent(script);
    if (_page && _pageLoaded)
        _page->runJavaScript(script);
}

void OverviewPageObject::clickSource_(const QJsonValue &source, const QJsonValue &sample, const QJsonValue &msec)
{
    qint64 s = 0, f = 0, t = 0;
    if (MapPageObject::integer(source, &s) && MapPageObject::integer(sample, &f) && MapPageObject::integer(msec, &t)
        && s >= 0 && s <= INT_MAX)
        emit _view->clickSource(int(s), f, t);
}

void OverviewPageObject::clickTrip_(const QJsonValue &trip)
{
    qint64 t = 0;
    if (MapPageObject::integer(trip, &t) && t >= 0 && t <= INT_MAX)
        emit _view->clickTrip(int(t));
}
