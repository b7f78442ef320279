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

// line: @dir: the test's folder, not a card
struct Row { QString line; int status{}; QString message; QString platform; };

class TestViewerProgram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ViewerTest::setUpApplication();
        _card = _dir.filePath(QStringLiteral("card"));
        QVERIFY(ViewerTest::makeCard(_card, 1, 2));
    }

    // The options a command line gives, or "refused".
    void parsesTheCommandLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("options");
        QTest::newRow("nothing") << "" << "open= show=:-1:0";
        QTest::newRow("open") << "--open /media/card" << "open=/media/card show=:-1:0";
        QTest::newRow("screenshot") << "--demo --show normal:2:-1 --thumbnails --play --screenshot out.png"
                                    << "open= show=normal:2:-1 demo thumbnails play shot=out.png";
        QTest::newRow("frame left out") << "--show event:0" << "open= show=event:0:0";
        QTest::newRow("log search") << "--log-search 30" << "open= show=:-1:0 search=30";
        QTest::newRow("unknown") << "--fast" << "refused";
        QTest::newRow("open without folder") << "--open" << "refused";
        QTest::newRow("open and demo") << "--demo --open x" << "refused";
        QTest::newRow("log search not a speed") << "--log-search -5" << "refused";
        QTest::newRow("negative index") << "--show event:-1" << "refused";
        QTest::newRow("too many fields") << "--show event:1:2:3" << "refused";
    }

    void parsesTheCommandLine()
    {
        QFETCH(QString, line);
        const ViewerOptions o = ViewerOptions::parse(line.split(u' ', Qt::SkipEmptyParts));
        QString options = QStringLiteral("open=%1 show=%2:%3:%4").arg(o.openFolder, o.showType).arg(o.showIndex).arg(o.showFrame);
        for (const auto &[on, name] : {std::pair{o.demo, "demo"}, {o.thumbnails, "thumbnails"}, {o.play, "play"}})
            options += on ? QStringLiteral(" ") + QLatin1String(name) : QString();
        if (!o.screenshot.isEmpty())
            options += QStringLiteral(" shot=") + o.screenshot;
        if (o.logSearch >= 0)
            options += QStringLiteral(" search=%1").arg(o.logSearch);
        QTEST(o.error.isEmpty() ? options : QStringLiteral("refused"), "options");
    }

    // A whole demo card is taken as it is, even when the user has since changed it; one left
    // by an interrupted run (no completion mark, or an empty one) is made again.
    void demoCardIsMadeOnceUnlessInterrupted()
    {
        const QString path = _dir.filePath(QStringLiteral("demo/demo-card"));
        const QString stray = path + QStringLiteral("/CH1/event/stray.vdd");
        QString error;
        QVERIFY(QDir().mkpath(path + QStringLiteral("/CH1/event")) && TestCard::writeFile(stray, "x"));
        QVERIFY2(DemoCard::ensure(path, &error), qPrintable(error));
        QVERIFY(FileManager::checkFolder(path) && !QFileInfo::exists(stray));
        QVERIFY(!QFileInfo::exists(path + QStringLiteral(".partial")));
        QVERIFY(TestCard::writeFile(stray, "x"));
        QVERIFY(DemoCard::ensure(path, &error));
        QVERIFY(QFileInfo::exists(stray));
        QVERIFY(QFile::resize(path + "/.complete", 0));
        QVERIFY2(DemoCard::ensure(path, &error), qPrintable(error));
        QVERIFY(!QFileInfo::exists(stray));
        QVERIFY(DemoCard::defaultPath().endsWith(QStringLiteral("/demo-card")));
    }

    void rendersTheWindowOfAPlayingRecording()
    {
        const QString single = _dir.filePath(QStringLiteral("single.png"));
        const QString thumbs = _dir.filePath(QStringLiteral("thumbs.png"));
        const QStringList shown{QStringLiteral("--open"), _card, QStringLiteral("--show"),
                                QStringLiteral("normal:1:12"), QStringLiteral("--play")};
        QCOMPARE(runViewer(shown + QStringList{QStringLiteral("--screenshot"), single}), 0);
        QCOMPARE(runViewer(shown + QStringList{QStringLiteral("--thumbnails"), QStringLiteral("--screenshot"), thumbs}), 0);
        const QImage a(single);
        const QImage b(thumbs);
        QCOMPARE(a.size(), QSize(1024, 768));
        // The grid lines of the thumbnail division cross the middle of the video area.
        const QRect area(15, 88, 640, 480);
        QVERIFY(a.copy(area) != b.copy(area));
    }

    void exitsWithAMessage_data()
    {
        QTest::addColumn<Row>("row");
        // Without a display (no such platform) for everything that draws no window.
        QTest::newRow("bad option") << Row{"--bogus", 2, "usage:", "no-display"};
        QTest::newRow("help") << Row{"--help", 0, "--screenshot FILE", "no-display"};
        QTest::newRow("version") << Row{"--version", 0, TUMBO_VERSION, "no-display"};
        QTest::newRow("missing folder") << Row{"--open /nonexistent/card --screenshot /nonexistent/x.png", 1,
            "does not exist", "offscreen"};
        QTest::newRow("not a card") << Row{"--open @dir --screenshot /nonexistent/x.png", 1, "is not a card folder",
            "offscreen"};
    }

    void exitsWithAMessage()
    {
        QFETCH(Row, row);
        QString errors;
        const QStringList args = row.line.split(u' ').replaceInStrings(QStringLiteral("@dir"), _dir.path());
        QCOMPARE(runViewer(args, &errors, row.platform), row.status);
        QVERIFY2(errors.contains(row.message), qPrintable(errors));
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
    // The pictures compared here are of the viewer without the browser engine's map.
    process.start(QStringLiteral(TUMBO_VIEWER_PATH), QStringList{QStringLiteral("--no-map")} + arguments);
    if (!process.waitForFinished(120000))
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QTEST_MAIN(TestViewerProgram)
#include "test_viewer_program.moc"
