#include "MapPage.h"

#include <QDesktopServices>

MapPage::MapPage(QWebEngineProfile *profile, QObject *parent) : QWebEnginePage(profile, parent)
{
}

bool MapPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    if (url.scheme() == QLatin1String("qrc"))
        return true;
    if (isMainFrame && type == NavigationTypeLinkClicked
        && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http")))
        QDesktopServices::openUrl(url);
    return false;
}
