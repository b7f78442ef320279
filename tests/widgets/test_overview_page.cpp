// The real overview page in a real browser view, offscreen and without a network: what the
// batch leaves on the page (routes, clustered markers, heat, legend) and clicks reaching
// the view's reports.
#include "OverviewMapView.h"
#include "MapTestCard.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

class TestOverviewPage : public QObject {
    Q_OBJECT

    QTemporaryDir _dir;
    FileManager _fileManager;
    std::unique_ptr<OverviewMapView> _view;

    QVariant run(const QString &script) { return runScript(_view->webView(), script); }
    QVariant state(const char *key) { return run("overviewState()").toMap().value(key); }

private slots:
    void initTestCase()
    {
        TestCard::prepareEnvironment();
        QVERIFY(loadOverviewCard(_dir, _fileManager));
        const std::vector<TripBuilder::Source> sources = TripBuilder::sourcesOf(_fileManager);
        _view = std::make_unique<OverviewMapView>();
        _view->resize(640, 480);
        // Loaded before the page exists: drawn once it has loaded.
        _view->load(TripBuilder::build(sources, TripBuilder::defaultGapSeconds, {}), sources, DisplayFormat());
        _view->show();
        QTRY_VERIFY_WITH_TIMEOUT(_view->isPageLoaded(), 120000);
        QTRY_VERIFY_WITH_TIMEOUT(state("channel").toBool(), 60000);
    }

    void drawnState()
    {
        QVERIFY(state("clustered").toBool());
        QVERIFY(state("heat").toBool());
        QCOMPARE(state("trips").toInt(), 1);
        QCOMPARE(state("routePoints").toInt(), 2000);
        QCOMPARE(state("markers").toInt(), 1);
        QCOMPARE(state("heatPoints").toInt(), 1);
        // The trip, the event recording, six kinds and the heat.
        QCOMPARE(state("legendRows").toInt(), 9);
    }

    void clicks()
    {
        QSignalSpy source(_view.get(), &OverviewMapView::clickSource);
        QSignalSpy trip(_view.get(), &OverviewMapView::clickTrip);
        run("addDrivingEvent(0, '#d62d20', 48.1, 11.5, 3, 42, 1777622400123, 'Harsh braking');"
            " markerLayer.getLayers()[1].fire('click'); routeLayer.getLayers()[1].fire('click'); 0;");
        QTRY_COMPARE_WITH_TIMEOUT(source.size(), 1, 30000);
        QCOMPARE(source[0], (QList<QVariant>{3, qint64(42), qint64(1777622400123)}));
        QTRY_COMPARE_WITH_TIMEOUT(trip.size(), 1, 30000);
        QCOMPARE(trip[0][0].toInt(), 0);
        QCOMPARE(state("selectedTrip").toInt(), 0);
    }
};

QTEST_MAIN(TestOverviewPage)
#include "test_overview_page.moc"
