#include "TestCard.h"
#include "vexa_time.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestCliMovie : public QObject {
    Q_OBJECT

    QTemporaryDir _dir;
    QString _vdd;
    const _vexa_time_t _start = TestCard::utc(2013, 7, 5, 0, 8, 7);

private slots:
    void initTestCase()
    {
        _vdd = _dir.filePath("rec.vdd");
        QVERIFY(TestCard::writeRecording(_vdd, TestCard::frames(25, _start)));
    }

    void movie_data()
    {
        const QString until = QString::number(time_to_seconds(_start) + 1);
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("printed");  // pictures, codec, fps
        QTest::newRow("defaults") << QStringList{} << 0 << "20 jpeg 10";
        QTest::newRow("mp4v, 5 a second, 1 s")
            << QStringList{"--codec", "mp4v", "--per-second", "5", "--until", until, "--date"} << 0 << "5 mp4v 5";
        QTest::newRow("unknown quality") << QStringList{"--quality", "best"} << 2 << "";
        QTest::newRow("more pictures than frames") << QStringList{"--per-second", "11"} << 1 << "";
    }

    void movie()
    {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, printed);
        const QString out = _dir.filePath(QTest::currentDataTag() + QStringLiteral(".mp4"));
        QVERIFY(TestCard::writeFile(out, "old movie"));
        QProcess cli;
        cli.start(QStringLiteral(TUMBO_CLI_PATH), QStringList{"movie", _vdd, out} + options);
        QVERIFY(cli.waitForFinished(120000));
        QCOMPARE(cli.exitCode(), exitCode);
        if (exitCode != 0) {
            QCOMPARE(TestCard::readFile(out), QByteArray("old movie"));
            return;
        }
        const QJsonObject json = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        QCOMPARE(json["file"].toString(), out);
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(json["pictures"].toInt()).arg(json["codec"].toString())
                     .arg(json["fps"].toInt()), printed);
    }
};

QTEST_GUILESS_MAIN(TestCliMovie)
#include "test_cli_movie.moc"
