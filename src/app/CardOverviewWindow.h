// The card overview window: the whole card on one map (OverviewMapView). A click on a
// marker loads that recording or log at that moment as the user would (tab, tick, Load);
// a click on a route selects its trip on the Trips tab, and choosing a trip there shows it.
#pragma once

#include <QPointer>
#include <QWidget>

class MainView;
class OverviewMapView;

class CardOverviewWindow : public QWidget {
    Q_OBJECT

public:
    explicit CardOverviewWindow(MainView *view, QWidget *parent = nullptr);

    OverviewMapView *mapView() const { return _map; }
    // Draws the trips the Trips tab holds now.
    void reload();
    // Loads source (an index into the Trips tab's sources) at its sample or moment.
    void openSource(int source, qint64 sample, qint64 msec);

private:
    QPointer<MainView> _view;
    OverviewMapView *_map = nullptr;
};
