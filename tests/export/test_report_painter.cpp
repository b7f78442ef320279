// Reports as a reader gets them: pages of each kind, the texts on them read back from the
// PDF, and where the pictures land on a rendered cover.
#include "FileLog.h"
#include "FileVideo.h"
#include "ReportPainter.h"
#include "TestCard.h"

#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

struct CountRow { bool withVideo{}; bool withLog{}; QList<qint64> frames; int pages{}; };

struct TextRow { int dateFormat{}; bool gps{}; QString title; QStringList expected; };

class TestReportPainter : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    FileVideo *fix = nullptr;    // 40 frames at 10 a second from 09:08:07 UTC, with a GPS fix
    FileVideo *noFix = nullptr;  // the same without
    FileLog *log = nullptr;

    static QString run(const QString &program, const QStringList &args)
    {
        int code = -1;
        const QByteArray out = TestCard::run(program, args, &code);
        return code == 0 ? QString::fromUtf8(out) : QString();
    }
    QString write(const ReportPainter::Content &content)
    {
        const QString out = dir.filePath("r.pdf");
        return ReportPainter(content).writePdf(out) ? out : QString();
    }

private slots:
    void initTestCase()
    {
        TestCard::prepareEnvironment();
        auto frames = TestCard::frames(40, TestCard::utc(2013, 7, 5, 9, 8, 7));
        QVERIFY(TestCard::writeRecording(dir.filePath("n.vdd"), frames));
        for (auto &f : frames)
            f.gps = true, f.latitude = 3733.5, f.longitude = 12659.25, f.speed = 50;
        QVERIFY(TestCard::writeRecording(dir.filePath("f.vdd"), frames));
        QVERIFY(TestCard::writeLog(dir.filePath("a.log"), TestCard::utc(2013, 7, 5, 9, 8, 0), 30));
        fix = FileVideo::create(dir.path(), "f.vdd", FileVideo::Event, this);
        noFix = FileVideo::create(dir.path(), "n.vdd", FileVideo::Event, this);
        log = FileLog::create(dir.path(), "a.log", this);
        QVERIFY(fix && noFix && log);
    }

    void pageCounts_data()
    {
        QTest::addColumn<CountRow>("row");
        QTest::newRow("event, current image") << CountRow{true, false, {5}, 2};
        QTest::newRow("with a log") << CountRow{true, true, {5}, 3};
        QTest::newRow("series of 4") << CountRow{true, false, {0, 3, 6, 9}, 5};
        QTest::newRow("log, no recording") << CountRow{false, true, {}, 2};
    }
    void pageCounts()
    {
        QFETCH(CountRow, row);
        const QString out = write({row.withVideo ? fix : nullptr, row.withLog ? log : nullptr, row.frames});
        QVERIFY(run("pdfinfo", {out}).contains(QStringLiteral("Pages:           %1\n").arg(row.pages)));
    }

    // Spaces are left out of the comparison: the text tool joins and splits their runs.
    void texts_data()
    {
        QTest::addColumn<TextRow>("row");
        QTest::newRow("default title, format 0") << TextRow{0, true, {},
            {"Event Report", "1 / 2", "2 / 2", ": 2013.07.05(Fri) 11:08:07", ": 50 Km/h", "37˚ 33’ 30.00” N"}};
        QTest::newRow("title, format 2, no fix") << TextRow{2, false, "Trip A",
            {"Trip A", ": (Fri) 05.07.2013 11:08:07", ": (-) --.--.---- --:--:--",
             "--˚ --’ --.--” N", "--˚ --’ --.--” E", ": - Km/h [-]"}};
    }
    void texts()
    {
        QFETCH(TextRow, row);
        ReportPainter::Content content{row.gps ? fix : noFix, nullptr, {2}, -1, row.title, "A comment"};
        content.format = DisplayFormat(DisplayFormat::Metric, row.dateFormat);
        const QString out = write(content);
        const QString text = run("pdftotext", {"-layout", out, "-"}).remove(QRegularExpression("\\s"));
        for (const QString &s : row.expected)
            QVERIFY2(text.contains(QString(s).remove(' ')), qPrintable(s));
    }

    // On A4 with half-inch margins at 72 dpi one pixel is one point: the graph spans the
    // middle 0.8 of the page width 20 above the bottom, the map the middle 0.6 20 above it.
    void coverPictures()
    {
        ReportPainter::Content content{fix, nullptr, {0}};
        content.graph = TestCard::solid(QSize(200, 50), Qt::red);
        content.map = TestCard::solid(QSize(200, 150), Qt::blue);
        const QString out = write(content);
        run("pdftoppm", {"-png", "-r", "72", "-f", "1", "-l", "1", "-singlefile", out, dir.filePath("p")});
        const QImage page(dir.filePath("p.png"));
        QCOMPARE(page.size(), QSize(595, 842));
        // Graph 88-507 x 681-786, map 141-455 x 426-661: inside, beside and between them.
        const QList<std::tuple<int, int, QColor>> samples = {
            {297, 734, Qt::red},   {92, 782, Qt::red},   {84, 766, Qt::white}, {297, 544, Qt::blue},
            {145, 430, Qt::blue},  {137, 446, Qt::white}, {297, 669, Qt::white},
        };
        for (const auto &[x, y, colour] : samples)
            QVERIFY2(TestCard::near(page.pixelColor(x, y), colour, 40),
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
};

QTEST_MAIN(TestReportPainter)
#include "test_report_painter.moc"
