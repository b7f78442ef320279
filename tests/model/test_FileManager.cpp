// The card folder model: layout check, loading, list rows, lookups and display helpers.
#include "FileManager.h"
#include "FileVideo.h"
#include "FolderScanner.h"
#include "Texts.h"
#include "Preferences.h"
#include "TestCard.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using TestCard::utc;

static _vexa_time_t t0()
{
    return utc(2024, 5, 1, 10, 0, 0);
}

class TestFileManager : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        QVERIFY(_dir.isValid());
    }

    void checksTheLayoutAndLoadsWithoutNormalFolder()
    {
        const QString root = _dir.filePath(QStringLiteral("layout"));
        QDir().mkpath(root + QStringLiteral("/CH1/event"));
        QVERIFY(!FileManager::checkFolder(root));
        QFile(root + QStringLiteral("/log")).open(QIODevice::WriteOnly);  // a file, not a folder
        QVERIFY(!FileManager::checkFolder(root));
        QFile::remove(root + QStringLiteral("/log"));
        QDir().mkpath(root + QStringLiteral("/log"));
        QVERIFY(FileManager::checkFolder(root));
        QVERIFY(!FileManager::checkFolder(_dir.filePath(QStringLiteral("missing"))));
        // No normal folder: a card all the same.
        QVERIFY(TestCard::writeRecording(root + QStringLiteral("/CH1/event/0000000001.vdd"), TestCard::frames(2, t0())));
        FileManager fm;
        QVERIFY(fm.loadFiles(root));
        QCOMPARE(fm.eventVideos().size(), 1);
        QVERIFY(fm.listViewData(QStringLiteral("normal"), DisplayFormat()).isEmpty());
    }

    void loadsSortedWithRelativePaths()
    {
        const QString root = card(QStringLiteral("sorted"));
        const QString event = root + QStringLiteral("/CH1/event");
        QDir(event).mkpath(QStringLiteral("sub"));
        QVERIFY(TestCard::writeRecording(event + QStringLiteral("/sub/0000000003.vdd"), TestCard::frames(3, t0())));
        QVERIFY(TestCard::writeRecording(event + QStringLiteral("/0000000002.vdd"), TestCard::frames(3, t0())));
        QVERIFY(TestCard::writeRecording(event + QStringLiteral("/0000000001.VDD"), TestCard::frames(3, t0()), TestCard::quarters(), SidecarForm::None));
        QCOMPARE(FolderScanner::files(event, QStringLiteral("vdd")),
                 (QStringList{QStringLiteral("0000000001.VDD"), QStringLiteral("0000000002.vdd"),
                              QStringLiteral("sub/0000000003.vdd")}));

        FileManager fm;
        QVERIFY(fm.loadFiles(root));
        QCOMPARE(fm.eventVideos().size(), 3);
        QCOMPARE(fm.eventVideos()[0]->path(), event + QStringLiteral("/0000000001.VDD"));
        QCOMPARE(fm.eventVideos()[2]->path(), event + QStringLiteral("/sub/0000000003.vdd"));
        QCOMPARE(fm.eventVideos()[0]->frameCount(), 3);  // indexed by scanning the pictures
        QCOMPARE(fm.videoAtIndex(1, QStringLiteral("event")), fm.eventVideos()[1]);
        QVERIFY(!fm.videoAtIndex(3, QStringLiteral("event")) && !fm.videoAtIndex(0, QStringLiteral("log")));
    }

    void countsEveryFileInProgress()
    {
        const QString root = card(QStringLiteral("progress"));
        for (int i = 1; i <= 12; ++i) {
            const QString name = QStringLiteral("/CH1/normal/%1.vdd").arg(i, 10, 10, QLatin1Char('0'));
            QVERIFY(TestCard::writeRecording(root + name, TestCard::frames(2, t0())));
        }
        QVERIFY(TestCard::writeLog(root + QStringLiteral("/log/0000000001.log"), t0(), 5));
        QVERIFY(TestCard::writeFile(root + QStringLiteral("/log/0000000002.log"), "nothing here\n"));  // refused
        QFile(root + QStringLiteral("/log/notes.txt")).open(QIODevice::WriteOnly);
        QFile unreadable(root + QStringLiteral("/CH1/event/0000000009.vdd"));
        QVERIFY(unreadable.open(QIODevice::WriteOnly));
        unreadable.close();
        const bool root_user = QFile(unreadable.fileName()).setPermissions({}) && QFile(unreadable.fileName()).open(QIODevice::ReadOnly);

        QCOMPARE(FileManager::fileCount(root), 15);
        FileManager fm;
        QSignalSpy spy(&fm, &FileManager::loadedFileCount);
        QVERIFY(fm.loadFiles(root));
        QCOMPARE(spy.size(), 15);
        QCOMPARE(spy.last().at(0).toLongLong(), 15);
        QCOMPARE(fm.normalVideos().size(), 12);
        QCOMPARE(fm.logs().size(), 1);
        if (!root_user)
            QCOMPARE(fm.eventVideos().size(), 0);
        // An empty .vdd that opens is a recording without frames; its row still builds.
        QCOMPARE(fm.listViewData(QStringLiteral("event"), DisplayFormat()).size(), fm.eventVideos().size());
        QCOMPARE(fm.skippedFiles().size(), root_user ? 1 : 2);
        QCOMPARE(fm.skippedFiles().last(), QStringLiteral("log/0000000002.log"));

        // Files that all fail are no card.
        QVERIFY(QFile::remove(root + QStringLiteral("/log/0000000001.log")));
        QVERIFY(QFile::remove(unreadable.fileName()));
        QVERIFY(QDir(root + QStringLiteral("/CH1/normal")).removeRecursively());
        QVERIFY(!fm.loadFiles(root));
        QCOMPARE(fm.skippedFiles(), QStringList{QStringLiteral("log/0000000002.log")});
    }

    void doesNotFollowLinkLoops()
    {
        const QString root = card(QStringLiteral("loop"));
        const QString event = root + QStringLiteral("/CH1/event");
        QVERIFY(TestCard::writeRecording(event + QStringLiteral("/0000000001.vdd"), TestCard::frames(2, t0())));
        QVERIFY(QFile::link(event, event + QStringLiteral("/again")));
        QVERIFY(QFile::link(root, event + QStringLiteral("/card")));
        QVERIFY(QFile::link(event + QStringLiteral("/0000000001.vdd"), event + QStringLiteral("/0000000005.vdd")));
        QCOMPARE(FileManager::fileCount(root), 1);  // a linked file is skipped, wherever it points
        FileManager fm;
        QVERIFY(fm.loadFiles(root));
        QCOMPARE(fm.eventVideos().size(), 1);
    }

    void buildsListRows()
    {
        const QString root = card(QStringLiteral("rows"));
        std::vector<TestCard::Frame> frames = TestCard::frames(3, t0());
        frames[0].eventType = 1;
        QVERIFY(TestCard::writeRecording(root + QStringLiteral("/CH1/event/0000000042.vdd"), frames));
        QVERIFY(TestCard::writeRecording(root + QStringLiteral("/CH1/normal/0000000007.vdd"), TestCard::frames(60, t0(), 1000)));
        QVERIFY(TestCard::writeRecording(root + QStringLiteral("/CH1/normal/0000000008.vdd"), TestCard::frames(59, t0(), 1000)));
        QVERIFY(TestCard::writeRecording(root + QStringLiteral("/CH1/normal/0000000009.vdd"), {}));
        QVERIFY(TestCard::writeLog(root + QStringLiteral("/log/0000000003.log"), utc(2024, 5, 1, 11, 0, 0), 125));
        FileManager fm;
        QVERIFY(fm.loadFiles(root));

        const QList<ListRow> events = fm.listViewData(QStringLiteral("event"), DisplayFormat());
        QCOMPARE(events.size(), 1);
        QCOMPARE(events[0].seq, QStringLiteral("42"));
        QCOMPARE(events[0].col2, DisplayFormat().dateString(t0()));
        QCOMPARE(events[0].col3, Texts::text("gui_gsensor"));

        const QList<ListRow> normals = fm.listViewData(QStringLiteral("normal"), DisplayFormat());
        QCOMPARE(normals.size(), 3);
        QCOMPARE(normals[1].idx, 1);  // the row opens its own recording
        QVERIFY(normals[2].damaged);  // no frames: no date, no duration
        QCOMPARE(normals[2].col2, Texts::text("gui_damaged_recording"));
        QVERIFY(normals[2].col3.isEmpty());
        QCOMPARE(normals[0].seq, QStringLiteral("7"));
        QCOMPARE(normals[0].col3, QStringLiteral("1 ") + Texts::text("gui_minute"));
        QCOMPARE(normals[1].col3, QStringLiteral("59 ") + Texts::text("gui_second"));

        const QList<ListRow> logs = fm.listViewData(QStringLiteral("log"), DisplayFormat());
        QCOMPARE(logs.size(), 1);
        QCOMPARE(logs[0].col2, DisplayFormat().dateString(utc(2024, 5, 1, 11, 0, 0)));
        QCOMPARE(logs[0].col3, QStringLiteral("2 ") + Texts::text("gui_minute"));
        QVERIFY(!fm.logAtIndex(1));
        QVERIFY(fm.listViewData(QStringLiteral("Event"), DisplayFormat()).isEmpty());
    }

    void prefersEventRecordingsForMoments()
    {
        const QString root = card(QStringLiteral("moments"));
        // The normal recording covers 10:00:00-10:00:59, the event recording 10:00:30-10:00:32.
        QVERIFY(TestCard::writeRecording(root + QStringLiteral("/CH1/normal/0000000001.vdd"), TestCard::frames(60, t0(), 1000)));
        QVERIFY(TestCard::writeRecording(root + QStringLiteral("/CH1/event/0000000002.vdd"), TestCard::frames(30, utc(2024, 5, 1, 10, 0, 30), 100)));
        FileManager fm;
        QVERIFY(fm.loadFiles(root));

        const FrameInfo inNormalOnly = fm.infoAtTimestamp(utc(2024, 5, 1, 10, 0, 10), true);
        QVERIFY(!inNormalOnly.file);
        QCOMPARE(inNormalOnly.index, -1);
        const FrameInfo inEvent = fm.infoAtTimestamp(utc(2024, 5, 1, 10, 0, 31, 500), false);
        QCOMPARE(inEvent.file, fm.eventVideos()[0]);
        QCOMPARE(inEvent.index, 19);

        QVERIFY(fm.videoWithFromDate(utc(2024, 5, 1, 10, 0, 0), utc(2024, 5, 1, 10, 0, 20)).isEmpty());
        QCOMPARE(fm.videoWithFromDate(utc(2024, 5, 1, 10, 0, 0), utc(2024, 5, 1, 10, 0, 31)).size(), 1);

        // Without event recordings the normal ones answer.
        const QString normalOnly = card(QStringLiteral("moments-normal"));
        QVERIFY(QFile::copy(root + QStringLiteral("/CH1/normal/0000000001.vdd"), normalOnly + QStringLiteral("/CH1/normal/0000000001.vdd")));
        QVERIFY(QFile::copy(root + QStringLiteral("/CH1/normal/0000000001.vdx"), normalOnly + QStringLiteral("/CH1/normal/0000000001.vdx")));
        QVERIFY(fm.loadFiles(normalOnly));
        const FrameInfo inNormal = fm.infoAtTimestamp(utc(2024, 5, 1, 10, 0, 10), true);
        QCOMPARE(inNormal.file, fm.normalVideos()[0]);
        QCOMPARE(inNormal.index, 10);
        QCOMPARE(fm.videoWithFromDate(utc(2024, 5, 1, 9, 0, 0), utc(2024, 5, 1, 10, 0, 1)).size(), 1);
    }

    void forwardsFrameReports()
    {
        const QString root = card(QStringLiteral("reports"));
        QVERIFY(TestCard::writeRecording(root + QStringLiteral("/CH1/event/0000000001.vdd"), TestCard::frames(5, t0())));
        QVERIFY(TestCard::writeLog(root + QStringLiteral("/log/0000000001.log"), t0(), 5));
        FileManager fm;
        QVERIFY(fm.loadFiles(root));
        QSignalSpy videos(&fm, &FileManager::fileVideoFrameIndex);
        QSignalSpy logs(&fm, &FileManager::fileLogFrameIndex);
        fm.eventVideos()[0]->gotoFrame(3);
        fm.logs()[0]->gotoFrame(-1);
        QCOMPARE(videos.size() + logs.size(), 2);
        QCOMPARE(videos[0].at(0).value<FileVideo *>(), fm.eventVideos()[0]);
        QCOMPARE(videos[0].at(1).toLongLong(), 3);
        QCOMPARE(logs[0].at(1).toLongLong(), 4);
    }

    void closesAndReloads()
    {
        const QString root = card(QStringLiteral("close"));
        QVERIFY(TestCard::writeRecording(root + QStringLiteral("/CH1/event/0000000001.vdd"), TestCard::frames(5, t0())));
        FileManager fm;
        QVERIFY(fm.loadFiles(root));
        fm.setValidFolder(true);
        QPointer<FileVideo> video = fm.eventVideos()[0];
        video->playWithSpeed(1);
        fm.close();
        QVERIFY(!fm.validFolder());
        QVERIFY(fm.eventVideos().isEmpty());
        QVERIFY(!video->isPlaying());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(video.isNull());

        QVERIFY(fm.loadFiles(root));
        QVERIFY(fm.loadFiles(root));  // a reload replaces, never appends
        QCOMPARE(fm.eventVideos().size(), 1);
    }

    // The stored display settings reach every text; unknown or missing ones read as the first.
    void displaySettingsAndTexts()
    {
        Preferences::setDateFormat(2);
        Preferences::setSpeedFormat(1);
        Preferences::setVideoFlip(3);
        DisplayFormat f = DisplayFormat::fromPreferences();
        QCOMPARE(Preferences::videoFlip(), 3);
        QCOMPARE(f.speedFormat() + f.altitudeFormat(), QStringLiteral("MPHft"));
        QCOMPARE(f.speedValue(100), 62.1371);
        QCOMPARE(f.distanceValue(2000), QStringLiteral("1.2 mile"));
        // The test runs in Europe/Berlin: 10:05:09 UTC on 1 May is 12:05:09 local time.
        const _vexa_time_t t = utc(2024, 5, 1, 10, 5, 9, 700);
        QCOMPARE(f.dateString(t), QStringLiteral("01.05.2024 12:05:09"));
        Preferences::setSpeedFormat(2);
        Preferences::setDateFormat(1);
        f = DisplayFormat::fromPreferences();
        QCOMPARE(f.speedFormat() + f.altitudeFormat(), QStringLiteral("knft"));
        QCOMPARE(f.speedValue(100), 53.9957);
        QCOMPARE(f.distanceValue(500), QStringLiteral("546.8 yard"));
        QCOMPARE(f.dateString(t), QStringLiteral("05.01.2024 12:05:09"));

        QSettings().clear();
        f = DisplayFormat::fromPreferences();
        QCOMPARE(Preferences::videoFlip(), 0);
        QCOMPARE(f.speedFormat() + f.altitudeFormat(), QStringLiteral("Km/hm"));
        QCOMPARE(f.dateString(t), QStringLiteral("2024.05.01 12:05:09"));
        f = DisplayFormat(7, 0);
        QCOMPARE(f.speedFormat(), QStringLiteral("Km/h"));
        QCOMPARE(f.timeString(utc(2024, 12, 31, 23, 30, 0)), QStringLiteral("00:30:00"));
        QCOMPARE(f.dateString(_vexa_time_t{}) + f.timeString(_vexa_time_t{}), QString());
        QCOMPARE(DisplayFormat::durationString(0), QStringLiteral("0 ") + Texts::text("gui_second"));
        QCOMPARE(DisplayFormat::durationString(3599), QStringLiteral("59 ") + Texts::text("gui_minute"));
        QCOMPARE(f.distanceValue(999.9), QStringLiteral("999 m"));
        QCOMPARE(f.distanceValue(12345), QStringLiteral("12.3 km"));
        QCOMPARE(f.distanceValue(qQNaN()), QStringLiteral("0 m"));
    }

    void courseWeekAndEventTexts()
    {
        for (double course : {360.0, -0.1, qQNaN()})
            QCOMPARE(DisplayFormat::courseString(course), QStringLiteral("x"));
        for (const auto &[course, key] : {std::pair{337.5, "gui_course_n"}, {0.0, "gui_course_n"}, {22.5, "gui_course_ne"},
                                          {180.0, "gui_course_s"}, {292.4, "gui_course_w"}, {292.5, "gui_course_nw"}})
            QCOMPARE(DisplayFormat::courseString(course), Texts::text(key));
        QCOMPARE(DisplayFormat::weekString(6), Texts::text("gui_saturday"));
        QCOMPARE(DisplayFormat::weekString(7) + DisplayFormat::weekString(-1), QStringLiteral("??????"));
        QCOMPARE(DisplayFormat::eventTypeString(0), Texts::text("gui_normal"));
        QCOMPARE(DisplayFormat::eventTypeString(32), Texts::text("gui_back_motion"));
        QCOMPARE(DisplayFormat::eventTypeString(3), QString());
    }

private:
    QString card(const QString &name, bool normal = true)
    {
        const QString root = _dir.filePath(name);
        if (!TestCard::makeLayout(root, normal))
            return QString();
        return root;
    }
    QTemporaryDir _dir;
};

QTEST_MAIN(TestFileManager)
#include "test_FileManager.moc"
