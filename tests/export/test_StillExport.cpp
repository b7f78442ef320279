// Stills, from the engine and from tumbo-cli: which frames a series takes, the file names,
// and what a failure or cancel leaves.
#include "FileVideo.h"
#include "StillExport.h"
#include "StillSeries.h"
#include "TestCard.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

struct SeriesRow { int start{}; int perSecond{}; int seconds{}; QList<qint64> frames; };

struct CliRow { QStringList options; int code{}; int files{}; };

class TestStillExport : public QObject {
    Q_OBJECT
    QTemporaryDir _dir;
    QString _path;
    std::unique_ptr<FileVideo> _video;  // 90 frames at 30 a second, from 09:08:07 UTC

private slots:
    void initTestCase()
    {
        TestCard::prepareEnvironment();
        _path = _dir.filePath(QStringLiteral("rec.vdd"));
        QVERIFY(TestCard::writeRecording(_path, TestCard::framesAt(90, TestCard::utc(2013, 7, 5, 9, 8, 7), 30)));
        _video = StillExport::open(_path);
        QVERIFY(_video);
    }

    void seriesFrames_data()
    {
        QTest::addColumn<SeriesRow>("row");
        QTest::newRow("7 a second takes every 4th") << SeriesRow{0, 7, 1, {0, 4, 8, 12, 16, 20, 24, 28}};
        QTest::newRow("30 a second, every frame up to the last") << SeriesRow{85, 30, 3, {85, 86, 87, 88, 89}};
    }
    void seriesFrames()
    {
        QFETCH(SeriesRow, row);
        const int step = StillSeries::step(StillSeries::framesPerSecond(*_video, 0), row.perSecond);
        QCOMPARE(StillSeries::indices(*_video, row.start, step, row.seconds), row.frames);
    }

    void namesInLocalTimeAndFlips()
    {
        // Recorded in UTC, named in the test's zone, Berlin (UTC+2 in July).
        QCOMPARE(StillExport::fileName(TestCard::utc(2013, 7, 5, 9, 8, 7), 42, DisplayFormat()), "20130705_110807_042.jpg");
        QCOMPARE(StillExport::fileName(TestCard::utc(2013, 12, 31, 23, 0, 0), 1234, DisplayFormat()), "20140101_000000_1234.jpg");
        QTemporaryDir out;
        const auto result = StillExport::save(*_video, {42, 1}, out.path(), 2, DisplayFormat());
        QCOMPARE(result.status, StillExport::Status::Saved);
        QCOMPARE(result.files, (QStringList{"20130705_110808_042.jpg", "20130705_110807_001.jpg"}));
        const QImage still(out.filePath(result.files[0]));
        QVERIFY(TestCard::near(still.pixelColor(2, 2), Qt::green));  // mirrored: green on the left
    }

    void failureOrCancelKeepsEarlierStills_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<StillExport::Status>("status");
        QTest::newRow("a still that cannot be written") << false << StillExport::Status::Failed;
        QTest::newRow("cancelled") << true << StillExport::Status::Cancelled;
    }
    void failureOrCancelKeepsEarlierStills()
    {
        QFETCH(bool, cancel);
        QTemporaryDir out;
        // A folder in the third still's place makes its write fail.
        QVERIFY(QDir(out.path()).mkdir(StillExport::fileName(_video->headerAtIndex(2).time, 2, DisplayFormat())));
        std::atomic_bool stop{false};
        const auto result = StillExport::save(*_video, {0, 1, 2, 3}, out.path(), 0, DisplayFormat(), &stop,
                                              [&](qint64 done, qint64, const QString &) { stop = cancel && done == 1; });
        QTEST(result.status, "status");
        QCOMPARE(result.files.size(), 2);
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), result.files);
    }

    void cli_data()
    {
        QTest::addColumn<CliRow>("row");
        QTest::newRow("one frame") << CliRow{{"10"}, 0, 1};
        QTest::newRow("series") << CliRow{{"80", "--per-second", "7", "--seconds", "5", "--flip", "3"}, 0, 3};
        QTest::newRow("beyond the last frame") << CliRow{{"90"}, 1, 0};
        QTest::newRow("more a second than recorded") << CliRow{{"0", "--per-second", "31", "--seconds", "1"}, 1, 0};
        QTest::newRow("series without length") << CliRow{{"0", "--per-second", "7"}, 2, 0};
    }
    void cli()
    {
        QFETCH(CliRow, row);
        QTemporaryDir out;
        int code = -1;
        const QStringList args{"stills", _path, row.options.takeFirst(), out.path()};
        const QByteArray json = TestCard::run(QStringLiteral(TUMBO_CLI_PATH), args + row.options, &code);
        QCOMPARE(code, row.code);
        QStringList printed;
        for (const QJsonValue &name : QJsonDocument::fromJson(json)["files"].toArray())
            printed.append(name.toString());
        QCOMPARE(int(printed.size()), row.files);
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), printed);  // also: nothing on failure
    }

    // Unflipped, a still is the camera's JPEG with one EXIF segment added, which exiv2 reads.
    void stillKeepsCameraBytesAndCarriesExif()
    {
        std::vector<TestCard::Frame> frames = TestCard::frames(3, TestCard::utc(2013, 7, 5, 9, 8, 7));
        for (TestCard::Frame &f : frames)
            f.gps = true, f.latitude = 3731.5, f.longitude = 12658.2, f.speed = 88, f.course = 270;
        const QString path = _dir.filePath(QStringLiteral("gps.vdd"));
        QVERIFY(TestCard::writeRecording(path, frames));
        const std::unique_ptr<FileVideo> video = StillExport::open(path);
        QVERIFY(video);
        QTemporaryDir out;
        const auto result = StillExport::save(*video, {2}, out.path(), 0, DisplayFormat(0, 0, DisplayZone("Asia/Seoul")));
        QCOMPARE(result.status, StillExport::Status::Saved);
        const QString still = out.filePath(result.files.first());
        QByteArray bytes = TestCard::readFile(still);
        const qsizetype at = bytes.indexOf(QByteArray("Exif\0\0", 6)) - 4;
        QVERIFY(at >= 2 && uchar(bytes[at]) == 0xFF && uchar(bytes[at + 1]) == 0xE1);
        bytes.remove(at, 2 + ((uchar(bytes[at + 2]) << 8) | uchar(bytes[at + 3])));
        QCOMPARE(bytes, video->dataAtIndex(2));

        if (QStandardPaths::findExecutable(QStringLiteral("exiv2")).isEmpty())
            QSKIP("exiv2 is not installed");
        const QString tags = QString::fromUtf8(TestCard::run(QStringLiteral("exiv2"), {QStringLiteral("-pa"), still})).simplified();
        for (const char *expected : {"Exif.Photo.DateTimeOriginal Ascii 20 2013:07:05 18:08:07",
                                     "Exif.Photo.OffsetTimeOriginal Ascii 7 +09:00",
                                     "Exif.GPSInfo.GPSLatitude Rational 3 37deg 31' 30\"",
                                     "Exif.GPSInfo.GPSLongitude Rational 3 126deg 58' 12\"",
                                     "Exif.GPSInfo.GPSSpeed Rational 1 88", "Exif.GPSInfo.GPSTrack Rational 1 270",
                                     "Exif.GPSInfo.GPSTimeStamp Rational 3 09:08:07"})
            QVERIFY2(tags.contains(QLatin1String(expected)), qPrintable(expected + QStringLiteral(" in ") + tags));
    }
};

QTEST_MAIN(TestStillExport)
#include "test_StillExport.moc"
