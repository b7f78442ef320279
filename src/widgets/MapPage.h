// The map page's browser side: it stays on the page the application carries; a link the
// user follows in it (the map data's attribution) opens in the desktop's browser.
#pragma once

#include <QWebEnginePage>

class MapPage : public QWebEnginePage {
    Q_OBJECT

public:
    MapPage(QWebEngineProfile *profile, QObject *parent);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
};
