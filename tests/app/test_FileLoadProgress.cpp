// The loading window and opening a folder through it.
#include "FileLoadProgress.h"
#include "FileManager.h"
#include "FolderOpener.h"
#include "Preferences.h"
#include "TestCard.h"
#include "ViewSnapshot.h"

#include <QDir>
#include <QPainter>
#include <QProgressBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestFileLoadProgress : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        QVERIFY(_dir.isValid());
    }

    // A folder without the card's layout is refused before loading; a card loads with the
    // bar moving to the end and becomes the latest folder.
    void refusesABareFolderAndLoadsACard()
    {
        const QString bare = _dir.filePath(QStringLiteral("bare"));
        QDir().mkpath(bare + QStringLiteral("/log"));
        Preferences::setLatestFolder(QStringLiteral("/before"));
        QWidget window;
        window.setGeometry(100, 100, 1024, 768);
        window.show();
        FileManager fm;
        QSignalSpy spy(&fm, &FileManager::loadedFileCount);
        QVERIFY(!FolderOpener::loadFolder(&window, &fm, bare));
        QVERIFY(!fm.validFolder());
        QCOMPARE(spy.size(), 0);
        QCOMPARE(Preferences::latestFolder(), QStringLiteral("/before"));

        const QString root = card(QStringLiteral("five"), 5);
        FileLoadProgress progress(&window, &fm, root);
        QVERIFY(progress.doModal() && progress.done());
        QCOMPARE(progress.progress()->maximum(), 6);
        QCOMPARE(progress.progress()->value(), 6);
        QVERIFY(FolderOpener::loadFolder(&window, &fm, root));
        QVERIFY(fm.validFolder());
        QCOMPARE(Preferences::latestFolder(), root);
    }

    // Recordings without sidecars are indexed by scanning; meanwhile events are handled: a
    // zero timer fires on each pass of the event loop once the bar knows its files and
    // before the last file is counted.
    void keepsTheWindowAliveWhileLoading()
    {
        const QString root = card(QStringLiteral("many"), 0);
        QImage picture(640, 480, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        const auto frames = TestCard::frames(200, TestCard::utc(2024, 5, 1, 10, 0, 0));
        for (int i = 1; i <= 40; ++i)
            TestCard::writeRecording(root + QStringLiteral("/CH1/event/%1.vdd").arg(i, 10, 10, QLatin1Char('0')), frames, picture, SidecarForm::None);
        QWidget window;
        FileManager fm;
        FileLoadProgress progress(&window, &fm, root);
        QList<qint64> counts;
        connect(&fm, &FileManager::loadedFileCount, this, [&](qint64 n) { counts.append(n); });
        int passes = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] {
            passes += progress.progress()->maximum() == 41 && counts.size() < 41;
        });
        ticker.start(0);
        QVERIFY(progress.doModal());
        ticker.stop();
        QCOMPARE(counts.size(), 41);
        QCOMPARE(fm.eventVideos()[39]->frameCount(), 200);
        QVERIFY(passes > 0);
    }

    void snapshotsAViewArea()
    {
        class Painted : public QWidget {
        protected:
            void paintEvent(QPaintEvent *) override
            {
                QPainter p(this);
                p.fillRect(rect(), Qt::black);
                p.fillRect(QRect(10, 20, 30, 40), Qt::red);
            }
        } view;
        view.resize(200, 100);
        const QImage area = ViewSnapshot::imageForView(&view, QRect(10, 20, 30, 40));
        QImage red(30, 40, area.format());
        red.fill(Qt::red);
        QCOMPARE(area, red);
        QCOMPARE(ViewSnapshot::imageForView(&view).size(), QSize(200, 100));
        QVERIFY(ViewSnapshot::imageForView(nullptr).isNull());
    }

private:
    QString card(const QString &name, int recordings)
    {
        const QString root = _dir.filePath(name);
        TestCard::makeLayout(root);
        const auto frames = TestCard::frames(3, TestCard::utc(2024, 5, 1, 10, 0, 0));
        for (int i = 1; i <= recordings; ++i)
            TestCard::writeRecording(root + QStringLiteral("/CH1/event/%1.vdd").arg(i, 10, 10, QLatin1Char('0')), frames);
        TestCard::writeLog(root + QStringLiteral("/log/0000000001.log"), TestCard::utc(2024, 5, 1, 10, 0, 0), 3);
        return root;
    }
    QTemporaryDir _dir;
};

QTEST_MAIN(TestFileLoadProgress)
#include "test_FileLoadProgress.moc"
