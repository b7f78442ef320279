// The real map page in a real browser view, offscreen and without a network: what the
// operations leave on the page, and clicks on it reaching the map's reports.
#include "MapTestCard.h"
#include "MapView.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

class TestMapPage : public QObject {
    Q_OBJECT

    QTemporaryDir _dir;
    FileManager _fileManager;
    std::unique_ptr<MapView> _map;

    QVariant run(const QString &script) { return runScript(_map->webView(), script); }
    QVariant state(const char *key) { return run("mapState()").toMap().value(key); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(loadMapCard(_dir, _fileManager));
        _map = std::make_unique<MapView>(nullptr, &_fileManager);
        _map->resize(350, 308);
        // Loaded before the page exists: shown once it has loaded.
        _map->loadWithData({0}, "event");
        _map->loadWithFileVideo(_fileManager.videoAtIndex(0, "normal"), 300);
        _map->show();
        QTRY_VERIFY_WITH_TIMEOUT(_map->isPageLoaded(), 120000);
        QTRY_VERIFY_WITH_TIMEOUT(state("channel").toBool(), 60000);
    }

    void loadedState()
    {
        QCOMPARE(state("cameras").toInt(), 1);
        QCOMPARE(state("routePoints").toInt(), 5);
        QVERIFY(state("routeDrawn").toBool());
        QCOMPARE(qRound(state("latitude").toDouble() * 1000), 48300);
        QCOMPARE(qRound(state("longitude").toDouble() * 1000), 11500);
    }

    void publishedObject()
    {
        const QStringList names = run("Object.keys(MapView).filter(function (k) {"
                                      " return typeof MapView[k] === 'function'; })")
                                      .toStringList();
        for (const char *name : {"clickCameraWithFileIndex_frameIndex_", "clickRouteWithFrameIndex_",
                                 "clickLogCameraWithPosition_"})
            QVERIFY2(names.contains(name), name);
        for (const char *name : {"moveCenterWithLatitude", "loadWithFileVideo", "clear", "close", "show"})
            QVERIFY2(!names.contains(name), name);
    }

    void clicks()
    {
        QSignalSpy camera(_map.get(), &MapView::clickCameraWithFileIndexFrameIndex);
        QSignalSpy route(_map.get(), &MapView::clickRouteWithFrameIndex);
        QSignalSpy logCamera(_map.get(), &MapView::clickLogCameraWithPosition);
        run("waitLoad(); clearCamera(); addCamera(48.3, 11.5, 2, 15); addLogCamera(48.4, 11.5, 1777622400123);"
            " waitDone(); cameraLayer.getLayers()[0].fire('click'); cameraLayer.getLayers()[1].fire('click');");
        // Near the point of frame 450 of the route.
        run("routeLayer.getLayers()[2].fire('click', {latlng: L.latLng(48.449, 11.5)});");
        QTRY_COMPARE_WITH_TIMEOUT(camera.size(), 1, 30000);
        QCOMPARE(camera[0], (QList<QVariant>{qint64(2), qint64(15)}));
        QTRY_COMPARE_WITH_TIMEOUT(route.size(), 1, 30000);
        QCOMPARE(route[0][0].toLongLong(), 450);
        QTRY_COMPARE_WITH_TIMEOUT(logCamera.size(), 1, 30000);
        QCOMPARE(logCamera[0][0].toLongLong(), 1777622400123);
    }

    void clearAndCentre()
    {
        _map->moveCenterWithLatitude(-3330.0, -7030.0);
        QTRY_COMPARE_WITH_TIMEOUT(qRound(state("latitude").toDouble() * 10), -335, 30000);
        _map->clear();
        QTRY_COMPARE_WITH_TIMEOUT(state("routePoints").toInt(), 0, 30000);
        QCOMPARE(state("cameras").toInt() + state("logCameras").toInt(), 0);
        QVERIFY(_map->webView()->isHidden());
    }

    void cleanupTestCase() { _map.reset(); }
};

QTEST_MAIN(TestMapPage)
#include "test_map_page.moc"
