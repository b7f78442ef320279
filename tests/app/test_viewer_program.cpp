// The viewer program itself: its command line, the demo card, and runs of the real binary
// that render the window to a file or refuse what they are given.
#include "ViewerTestSupport.h"

#include "DemoCard.h"
#include "FileManager.h"
#include "ViewerOptions.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestViewerProgram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ViewerTest::setUpApplication();
        _card = _dir.filePath(QStringLiteral("card"));
        QVERIFY(ViewerTest::makeCard(_card, 1, 2));
    }

    void parsesTheCommandLine()
    {
        ViewerOptions o = ViewerOptions::parse({QStringLiteral("--open"), QStringLiteral("/media/card")});
        QVERIFY(o.error.isEmpty());
        QCOMPARE(o.openFolder, QStringLiteral("/media/card"));
        QVERIFY(!o.demo);
        QCOMPARE(o.showIndex, -1);

        o = ViewerOptions::parse({QStringLiteral("--demo"), QStringLiteral("--show"),
                                  QStringLiteral("normal:2:-1"), QStringLiteral("--thumbnails"),
                                  QStringLiteral("--play"), QStringLiteral("--screenshot"),
                                  QStringLiteral("out.png")});
        QVERIFY(o.error.isEmpty());
        QVERIFY(o.demo && o.thumbnails && o.play);
        QCOMPARE(o.showType, QStringLiteral("normal"));
        QCOMPARE(o.showIndex, 2);
        QCOMPARE(o.showFrame, -1);
        QCOMPARE(o.screenshot, QStringLiteral("out.png"));

        o = ViewerOptions::parse({QStringLiteral("--show"), QStringLiteral("event:0")});
        QVERIFY(o.error.isEmpty());
        QCOMPARE(o.showFrame, 0);
        QVERIFY(ViewerOptions::parse({}).error.isEmpty());
    }

    void refusesBadArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown") << QStringList{QStringLiteral("--fast")};
        QTest::newRow("open without folder") << QStringList{QStringLiteral("--open")};
        QTest::newRow("open and demo")
            << QStringList{QStringLiteral("--demo"), QStringLiteral("--open"), QStringLiteral("x")};
        QTest::newRow("log search not a speed")
            << QStringList{QStringLiteral("--log-search"), QStringLiteral("-5")};
        QTest::newRow("negative index") << QStringList{QStringLiteral("--show"), QStringLiteral("event:-1")};
        QTest::newRow("frame not a number")
            << QStringList{QStringLiteral("--show"), QStringLiteral("event:1:x")};
        QTest::newRow("too many fields")
            << QStringList{QStringLiteral("--show"), QStringLiteral("event:1:2:3")};
    }

    void refusesBadArguments()
    {
        QFETCH(QStringList, arguments);
        QVERIFY(!ViewerOptions::parse(arguments).error.isEmpty());
    }

    void demoCardIsGeneratedOnce()
    {
        const QString path = _dir.filePath(QStringLiteral("demo/demo-card"));
        QString error;
        QVERIFY2(DemoCard::ensure(path, &error), qPrintable(error));
        QVERIFY(FileManager::checkFolder(path));
        QVERIFY(!QFileInfo::exists(path + QStringLiteral(".partial")));
        const QStringList events = QDir(path + QStringLiteral("/CH1/event")).entryList(QDir::Files);
        QVERIFY(!events.isEmpty());
        const QString first = path + QStringLiteral("/CH1/event/") + events.first();
        const QDateTime written = QFileInfo(first).lastModified();
        QFile::remove(path + QStringLiteral("/CH1/event/") + events.last());
        // A whole card is taken as it is, even when the user has since changed it.
        QVERIFY(DemoCard::ensure(path, &error));
        QCOMPARE(QFileInfo(first).lastModified(), written);
        QVERIFY(!QFileInfo::exists(path + QStringLiteral("/CH1/event/") + events.last()));
        QVERIFY(DemoCard::defaultPath().endsWith(QStringLiteral("/demo-card")));
    }

    void interruptedDemoCardIsMadeAgain()
    {
        // A card left behind by an interrupted run has no completion mark.
        const QString path = _dir.filePath(QStringLiteral("broken/demo-card"));
        QVERIFY(QDir().mkpath(path + QStringLiteral("/CH1/event")));
        QFile stray(path + QStringLiteral("/CH1/event/stray.vdd"));
        QVERIFY(stray.open(QIODevice::WriteOnly));
        stray.close();
        QString error;
        QVERIFY2(DemoCard::ensure(path, &error), qPrintable(error));
        QVERIFY(!QFileInfo::exists(stray.fileName()));
        QVERIFY(FileManager::checkFolder(path));
    }

    void rendersTheWindowOfAPlayingRecording()
    {
        const QString single = _dir.filePath(QStringLiteral("single.png"));
        const QString thumbs = _dir.filePath(QStringLiteral("thumbs.png"));
        QCOMPARE(runViewer({QStringLiteral("--open"), _card, QStringLiteral("--show"),
                            QStringLiteral("normal:1:12"), QStringLiteral("--play"),
                            QStringLiteral("--screenshot"), single}),
                 0);
        QCOMPARE(runViewer({QStringLiteral("--open"), _card, QStringLiteral("--show"),
                            QStringLiteral("normal:1:12"), QStringLiteral("--thumbnails"),
                            QStringLiteral("--play"), QStringLiteral("--screenshot"), thumbs}),
                 0);
        const QImage a(single);
        const QImage b(thumbs);
        QCOMPARE(a.size(), QSize(1024, 768));
        QCOMPARE(b.size(), QSize(1024, 768));
        // The grid lines of the thumbnail division cross the middle of the video area.
        const QRect area(15, 88, 640, 480);
        QVERIFY(a.copy(area) != b.copy(area));
    }

    void exitsWithAMessage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        // Without a display (no such platform) for everything that draws no window.
        QTest::addColumn<QString>("platform");
        const QString none = QStringLiteral("no-display");
        QTest::newRow("bad option") << QStringList{QStringLiteral("--bogus")} << 2
                                    << QStringLiteral("usage:") << none;
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0
                              << QStringLiteral("--screenshot FILE") << none;
        QTest::newRow("version") << QStringList{QStringLiteral("--version")} << 0
                                 << QStringLiteral(TUMBO_VERSION) << none;
        const QString shot = QStringLiteral("/nonexistent/x.png");
        QTest::newRow("missing folder")
            << QStringList{QStringLiteral("--open"), QStringLiteral("/nonexistent/card"),
                           QStringLiteral("--screenshot"), shot}
            << 1 << QStringLiteral("does not exist") << QStringLiteral("offscreen");
        QTest::newRow("not a card")
            << QStringList{QStringLiteral("--open"), _dir.path(),
                           QStringLiteral("--screenshot"), shot}
            << 1 << QStringLiteral("is not a card folder") << QStringLiteral("offscreen");
    }

    void exitsWithAMessage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(QString, platform);
        QString errors;
        QCOMPARE(runViewer(arguments, &errors, platform), status);
        QVERIFY2(errors.contains(message), qPrintable(errors));
    }

private:
    int runViewer(const QStringList &arguments, QString *output = nullptr,
                  const QString &platform = QStringLiteral("offscreen"));

    QTemporaryDir _dir;
    QString _card;
};

int TestViewerProgram::runViewer(const QStringList &arguments, QString *output,
                                 const QString &platform)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    env.insert(QStringLiteral("XDG_CACHE_HOME"), _dir.filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), _dir.filePath(QStringLiteral("config")));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TUMBO_VIEWER_PATH), arguments);
    if (!process.waitForFinished(120000))
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QTEST_MAIN(TestViewerProgram)
#include "test_viewer_program.moc"
