#include "TestCard.h"
#include "vexa_time.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

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
        const auto at = [this](int seconds) { return QString::number(time_to_seconds(_start) + seconds); };
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("printed");  // pictures, codec, fps
        // 25 frames, 10 a second: by default the first to the last.
        QTest::newRow("defaults") << QStringList{} << 0 << "25 jpeg 10";
        QTest::newRow("mp4v, 5 a second, 1 s")
            << QStringList{"--codec", "mp4v", "--per-second", "5", "--until", at(1), "--date"} << 0 << "5 mp4v 5";
        QTest::newRow("from 1 s") << QStringList{"--from", at(1)} << 0 << "15 jpeg 10";
        QTest::newRow("from 1 s, 5 a second") << QStringList{"--from", at(1), "--per-second", "5"} << 0 << "8 jpeg 5";
        QTest::newRow("from 1 s until 2 s") << QStringList{"--from", at(1), "--until", at(2)} << 0 << "10 jpeg 10";
        QTest::newRow("band, overlay, subtitles")
            << QStringList{"--band", "--date", "--overlay", "--subtitles"} << 0 << "25 jpeg 10";
        QTest::newRow("from after the end") << QStringList{"--from", at(3)} << 1 << "";
        QTest::newRow("until before from") << QStringList{"--from", at(2), "--until", at(1)} << 1 << "";
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

    // A header claiming 16000 x 16000 in the first frame neither sizes the movie nor gets
    // decoded: the movie stays within a memory limit far below what such a picture needs.
    void giantHeaderIsBounded_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("copied pictures") << QStringList{};
        QTest::newRow("encoded pictures") << QStringList{"--codec", "mp4v", "--date"};
        QTest::newRow("captions in a band") << QStringList{"--band", "--date"};
    }
    void giantHeaderIsBounded()
    {
        QFETCH(QStringList, options);
        const QString vdd = _dir.filePath("giant.vdd");
        QVERIFY(TestCard::writeRecording(vdd, TestCard::frames(10, _start), TestCard::quarters(QSize(320, 240))));
        QByteArray bytes = TestCard::readFile(vdd);
        const qsizetype sof = bytes.indexOf(QByteArray::fromHex("ffc00011"));
        QVERIFY(sof > 0);
        bytes.replace(sof + 5, 4, QByteArray::fromHex("3e803e80"));
        QVERIFY(TestCard::writeFile(vdd, bytes));
        const QString out = _dir.filePath(QTest::currentDataTag() + QStringLiteral("-giant.mp4"));
        QProcess cli;
#ifndef __SANITIZE_ADDRESS__
        // The sanitizer's shadow memory alone takes more address space than this.
        cli.setChildProcessModifier([] {
            const rlimit memory{rlim_t(2) << 30, rlim_t(2) << 30};
            setrlimit(RLIMIT_AS, &memory);
        });
#endif
        cli.start(QStringLiteral(TUMBO_CLI_PATH), QStringList{"movie", vdd, out} + options);
        QVERIFY(cli.waitForFinished(120000));
        QCOMPARE(cli.exitCode(), 0);
        const QJsonObject json = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        QCOMPARE(json["pictures"].toInt(), 9);
    }
};

QTEST_GUILESS_MAIN(TestCliMovie)
#include "test_cli_movie.moc"
