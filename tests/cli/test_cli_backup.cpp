// tumbo-cli backup on a generated card: what it copies, and its exit status.
#include "TestCard.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestCliBackup : public QObject {
    Q_OBJECT

    QTemporaryDir _dir;

private slots:
    void initTestCase() { QVERIFY(TestCard::generate(_dir.filePath("card"), 1, 1, 1)); }

    void reportsWhatItCopied_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("copied");  // with set.dat and version.ini
        QTest::addColumn<int>("failed");
        QTest::newRow("all") << QStringList{"--all"} << 0 << 7 << 0;
        QTest::newRow("named, one missing")
            << QStringList{"--normal", "0000000001_20261121_080000", "--log", "missing"} << 1 << 4 << 1;
        QTest::newRow("nothing chosen") << QStringList{} << 2 << -1 << -1;
    }
    void reportsWhatItCopied()
    {
        QFETCH(QStringList, options);
        QFETCH(int, code);
        QFETCH(int, copied);
        QFETCH(int, failed);
        QProcess cli;
        cli.start(TUMBO_CLI_PATH, QStringList{"backup", _dir.filePath("card"), _dir.filePath(QTest::currentDataTag())} + options);
        QVERIFY(cli.waitForFinished(120000));
        QCOMPARE(cli.exitCode(), code);
        const QJsonObject result = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        QCOMPARE(result.value("copied").toInt(-1), copied);
        QCOMPARE(result.value("failed").toInt(-1), failed);
        QCOMPARE(cli.readAllStandardError().contains("missing.log"), code == 1);
    }
};

QTEST_GUILESS_MAIN(TestCliBackup)
#include "test_cli_backup.moc"
