// The card overview's calls, as sent from its one sending function; no browser engine.
#include "OverviewMapView.h"
#include "MapTestCard.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

class TestOverviewView : public QObject {
    Q_OBJECT

    QTemporaryDir _dir;
    FileManager _fileManager;

private slots:
    void initTestCase()
    {
        TestCard::prepareEnvironment();
        QVERIFY(loadOverviewCard(_dir, _fileManager));
    }

    void oneBatchOfRoutesMarkersAndLegend()
    {
        const std::vector<TripBuilder::Source> sources = TripBuilder::sourcesOf(_fileManager);
        const TripBuilder::Trips trips = TripBuilder::build(sources, TripBuilder::defaultGapSeconds, {});
        QCOMPARE(trips.size(), size_t(1));
        QCOMPARE(trips[0].route.size(), size_t(3000));

        OverviewMapView view;
        view.setPageEnabled(false);
        QSignalSpy spy(&view, &OverviewMapView::scriptSent);
        view.load(trips, sources, DisplayFormat());
        QCOMPARE(spy.size(), 1);
        const QStringList calls = spy[0][0].toString().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(calls.first(), QStringLiteral("overviewClear();"));
        QCOMPARE(calls.last(), QStringLiteral("overviewDone();"));
        const QStringList routes = calls.filter(QRegularExpression("^addTrip\\(0, \"#[0-9a-f]{6}\", \\["));
        QCOMPARE(routes.size(), 1);
        // Simplified to the most a trip may send, its ends kept.
        QCOMPARE(routes[0].count(u',') - 2 + 1, 2 * 2000);
        QCOMPARE(calls.filter(QRegularExpression("^addEventRecording\\(48\\.029000, 11\\.500000, \\d+, \\d+, \"Event recording ")).size(), 1);
        QCOMPARE(calls.filter(QStringLiteral("setLegend(")).size(), 1);

        QSignalSpy select(&view, &OverviewMapView::scriptSent);
        view.selectTrip(0);
        QCOMPARE(select[0][0].toString(), QStringLiteral("selectTrip(0);\nfitTrip(0);\n"));
        for (const QString &call : calls)
            QVERIFY2(!call.contains(u"nan") && !call.contains(u"inf"), qPrintable(call.left(80)));
    }

    // A recording's index is not read for the overview: the lazy open is enough.
    void noRecordingIndexRead()
    {
        for (const FileVideo *video : _fileManager.normalVideos() + _fileManager.eventVideos())
            QVERIFY(!video->isIndexed());
    }
};

QTEST_MAIN(TestOverviewView)
#include "test_overview_view.moc"
