// The map of the whole card: the overview page (resources/map/overview.html) in a browser
// view, fed one script batch by OverviewScript and answering clicks through the object it
// sees as "Overview". Until the page has loaded, the batch waits and is sent on load.
#pragma once

#include "DisplayFormat.h"
#include "TripBuilder.h"

#include <QJsonValue>
#include <QString>
#include <QWidget>

class QWebEnginePage;
class QWebEngineView;

class OverviewMapView : public QWidget {
    Q_OBJECT

public:
    static constexpr const char *PageUrl = "qrc:/map/overview.html";

    explicit OverviewMapView(QWidget *parent = nullptr);
    ~OverviewMapView() override;

    // Off: no browser engine (tests of the calls alone). Set before the view is shown.
    void setPageEnabled(bool enabled) { _pageEnabled = enabled; }
    QWebEngineView *webView() const { return _webView; }
    bool isPageLoaded() const { return _pageLoaded; }

    // Draws the trips and their markers; the sources stay the caller's.
    void load(const TripBuilder::Trips &trips, const std::vector<TripBuilder::Source> &sources,
              const DisplayFormat &format);
    // Highlights a trip's route and shows it whole.
    void selectTrip(int trip);

signals:
    // A marker: the source (index into the sources), its frame or record (-1: unknown) and
    // the moment, UTC milliseconds.
    void clickSource(int source, qint64 sample, qint64 msec);
    void clickTrip(int trip);
    void scriptSent(const QString &script);
    void pageLoaded();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createPage();
    void sendScript(const QString &script);

    QWebEngineView *_webView = nullptr;
    QWebEnginePage *_page = nullptr;
    bool _pageEnabled = true;
    bool _pageLoaded = false;
    QString _script;
};

// What the page sees as "Overview": its two click calls, numbers checked.
class OverviewPageObject : public QObject {
    Q_OBJECT

public:
    explicit OverviewPageObject(OverviewMapView *view) : QObject(view), _view(view) {}

    Q_INVOKABLE void clickSource_(const QJsonValue &source, const QJsonValue &sample, const QJsonValue &msec);
    Q_INVOKABLE void clickTrip_(const QJsonValue &trip);

private:
    OverviewMapView *_view;
};
