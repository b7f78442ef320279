// tumbo-cli report: the pages it says it wrote, and an old file left alone on failure.
#include "TestCard.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

class TestCliReport : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        QVERIFY(TestCard::writeRecording(dir.filePath("e.vdd"), TestCard::frames(40, TestCard::utc(2026, 11, 21, 8, 0, 0))));
        QVERIFY(TestCard::writeLog(dir.filePath("a.log"), TestCard::utc(2026, 11, 21, 8, 0, 0), 20));
        QVERIFY(TestCard::writeLog(dir.filePath("b.log"), TestCard::utc(2026, 11, 21, 8, 1, 0), 20));
    }

    void report_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("pages");  // 0: refused
        QTest::newRow("event") << QStringList{"event", "e.vdd", "5", "out.pdf", "--title", "T"} << 2;
        QTest::newRow("series, 10 a second for 2 s") << QStringList{"event", "e.vdd", "0", "out.pdf", "--series", "10", "2"} << 21;
        QTest::newRow("two logs") << QStringList{"log", "a.log", "b.log", "out.pdf", "--comment", "C"} << 2;
        QTest::newRow("no such frame") << QStringList{"event", "e.vdd", "40", "out.pdf"} << 0;
        QTest::newRow("not a log") << QStringList{"log", "e.vdd", "out.pdf"} << 0;
    }
    void report()
    {
        QFETCH(QStringList, args);
        QFETCH(int, pages);
        QVERIFY(TestCard::writeFile(dir.filePath("out.pdf"), "old"));
        int code = -1;
        const QJsonObject json = QJsonDocument::fromJson(TestCard::run(TUMBO_CLI_PATH, QStringList{"report"} + args, &code, dir.path())).object();
        QCOMPARE(code, pages ? 0 : 1);
        QCOMPARE(json.value("pages").toInt(), pages);
        QCOMPARE(TestCard::readFile(dir.filePath("out.pdf")).startsWith("%PDF"), pages > 0);
    }
};

QTEST_GUILESS_MAIN(TestCliReport)
#include "test_cli_report.moc"
