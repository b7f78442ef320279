// tumbo-cli backup on a generated card: what it copies, and its exit status.
#include "TestCard.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// copied: with set.dat and version.ini
struct Row { QStringList options; int code{}; int copied{}; int failed{}; };

class TestCliBackup : public QObject {
    Q_OBJECT

    QTemporaryDir _dir;

private slots:
    void initTestCase() { QVERIFY(TestCard::generate(_dir.filePath("card"), 1, 1, 1)); }

    void reportsWhatItCopied_data()
    {
        QTest::addColumn<Row>("row");
        QTest::newRow("all") << Row{{"--all"}, 0, 7, 0};
        QTest::newRow("named, one missing") << Row{{"--normal", "0000000001_20261121_080000", "--log", "missing"}, 1, 4,
            1};
        QTest::newRow("nothing chosen") << Row{{}, 2, -1, -1};
    }
    void reportsWhatItCopied()
    {
        QFETCH(Row, row);
        QProcess cli;
        cli.start(TUMBO_CLI_PATH,
                  QStringList{"backup", _dir.filePath("card"), _dir.filePath(QTest::currentDataTag())} + row.options);
        QVERIFY(cli.waitForFinished(120000));
        QCOMPARE(cli.exitCode(), row.code);
        const QJsonObject result = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        QCOMPARE(result.value("copied").toInt(-1), row.copied);
        QCOMPARE(result.value("failed").toInt(-1), row.failed);
        QCOMPARE(cli.readAllStandardError().contains("missing.log"), row.code == 1);
    }
};

QTEST_GUILESS_MAIN(TestCliBackup)
#include "test_cli_backup.moc"
