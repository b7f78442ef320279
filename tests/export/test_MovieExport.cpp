#include "DurableWrite.h"
#include "MovieExport.h"
#include "TestCard.h"
#include "vexa_vdd_file.h"
#include "vexa_time.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Probe {
    QString codec;
    int pictures = 0;
    double duration = 0;
    int height = 0;
};

// What a real reader finds in the movie.
Probe probe(const QString &path)
{
    const QJsonObject s = QJsonDocument::fromJson(TestCard::run("ffprobe", {"-v", "error", "-show_streams", "-count_frames", "-of", "json", path}))
                              .object()["streams"].toArray().first().toObject();
    return {s["codec_name"].toString(), s["nb_read_frames"].toString().toInt(),
            s["duration"].toString().toDouble(), s["height"].toInt()};
}

// The first picture as the decoder gives it, in its own pixel format.
QByteArray rawPicture(const QString &path, const QStringList &filter = {})
{
    return TestCard::run("ffmpeg", QStringList{"-v", "error", "-i", path, "-frames:v", "1"} + filter + QStringList{"-f", "rawvideo", "-"});
}

QImage firstPicture(const QString &path)
{
    TestCard::run("ffmpeg", {"-v", "error", "-y", "-i", path, "-frames:v", "1", path + ".png"});
    return QImage(path + ".png");
}

// The first frame's picture as the camera stored it.
QByteArray cameraPicture(const QString &vdd)
{
    vexa_vdd_file reader;
    QByteArray camera(reader.open(QFile::encodeName(vdd).constData(), nullptr) ? qsizetype(reader.header_at(0).length) : 0, 0);
    return reader.get_frame_data(0, reinterpret_cast<uint8_t *>(camera.data()), camera.size()) ? camera : QByteArray();
}

// Fine detail, so the quality levels weigh differently.
QImage detailed()
{
    QImage image(160, 120, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * y) & 255, (x ^ y) * 5 & 255, (x + y) * 3 & 255));
    return image;
}

const _vexa_time_t kStart = TestCard::utc(2013, 7, 5, 0, 8, 7);

} // namespace

// untilSeconds: after the start; -1: default end
struct MovieRow { int codec{}; int quality{}; int perSecond{}; qint64 untilSeconds{}; bool captions{};
    QString codecName; int pictures{}; };

struct FailRow { bool cancel{}; qint64 untilSeconds{}; bool outIsFolder{}; };

class TestMovieExport : public QObject {
    Q_OBJECT

    QTemporaryDir _dir;
    QString _vdd;

    MovieResult run(const QString &out, const MovieOptions &options, bool cancel = false)
    {
        const std::atomic_bool flag{cancel};
        return MovieExport::run(_vdd, out, options, flag);
    }

private slots:
    void initTestCase()
    {
        TestCard::prepareEnvironment();
        // 2.5 s at 10 frames a second from a whole second.
        std::vector<TestCard::Frame> frames = TestCard::frames(25, kStart);
        for (auto &f : frames)
            f.gps = true, f.latitude = 3730.0, f.longitude = 12700.0, f.speed = 50;
        _vdd = _dir.filePath("rec.vdd");
        QVERIFY(TestCard::writeRecording(_vdd, frames, detailed()));
    }

    void movies_data()
    {
        QTest::addColumn<MovieRow>("row");
        // By default the movie ends with the last frame.
        QTest::newRow("camera pictures") << MovieRow{0, 2, 0, -1, false, "mjpeg", 25};
        QTest::newRow("jpeg, captions, 5 a second") << MovieRow{0, 1, 5, -1, true, "mjpeg", 13};
        QTest::newRow("mp4v, 1 a second") << MovieRow{1, 0, 1, -1, false, "mpeg4", 3};
        QTest::newRow("mp4v, until 1 s") << MovieRow{1, 2, 10, 1, true, "mpeg4", 10};
    }

    void movies()
    {
        QFETCH(MovieRow, row);
        MovieOptions o;
        o.codec = MovieWriter::Codec(row.codec);
        o.quality = MovieWriter::Quality(row.quality);
        o.perSecond = row.perSecond;
        o.untilMsec = row.untilSeconds < 0 ? -1 : (time_to_seconds(kStart) + row.untilSeconds) * 1000;
        o.captions.date = o.captions.speed = o.captions.latlng = o.captions.sensor = row.captions;
        const QString out = _dir.filePath(QTest::currentDataTag() + QStringLiteral(".mp4"));
        const uint64_t syncs = DurableWrite::syncCount();
        const MovieResult r = run(out, o);
        QVERIFY2(r.ok, qPrintable(r.error));
        QVERIFY(DurableWrite::syncCount() >= syncs + 2);  // the movie, then its folder
        QCOMPARE(r.pictures, row.pictures);
        const Probe p = probe(out);
        QCOMPARE(p.codec, row.codecName);
        QCOMPARE(p.pictures, row.pictures);
        // Each picture lasts 1/n s: the movie plays as long as the frames it took.
        QCOMPARE(p.duration, double(row.pictures) / r.perSecond);
    }

    void copiesCameraPictures()
    {
        const QString out = _dir.filePath("copy.mp4");
        QVERIFY(run(out, MovieOptions()).ok);
        const QByteArray packet = TestCard::run("ffmpeg", {"-v", "error", "-i", out, "-c", "copy", "-frames:v", "1", "-f", "mjpeg", "-"});
        QVERIFY(!packet.isEmpty());
        QCOMPARE(packet, cameraPicture(_vdd));
    }

    void bandKeepsCameraPicture_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("progressive");
        QTest::newRow("blocks kept") << QSize(640, 480) << false;
        QTest::newRow("progressive, blocks kept") << QSize(640, 480) << true;
        QTest::newRow("rows off the blocks, compressed again") << QSize(160, 120) << false;
    }

    // Captions in a band: the movie is taller by the band, and the picture above it decodes to
    // the camera's own pixels.
    void bandKeepsCameraPicture()
    {
        QFETCH(QSize, size);
        QFETCH(bool, progressive);
        const QString vdd = _dir.filePath(QStringLiteral("band%1%2.vdd").arg(size.width()).arg(progressive));
        QVERIFY(TestCard::writeRecording(vdd, TestCard::frames(5, kStart), detailed().scaled(size),
                                         SidecarForm::New, progressive));
        MovieOptions o;
        o.band = true;
        o.captions.date = o.captions.sensor = true;
        const QString out = vdd + ".mp4";
        const std::atomic_bool cancel{false};
        QVERIFY(MovieExport::run(vdd, out, o, cancel).ok);
        QCOMPARE(probe(out).height, size.height() + MovieExport::bandHeight(o, 16));
        if (size.height() % 16)
            return;
        QVERIFY(TestCard::writeFile(vdd + ".jpg", cameraPicture(vdd)));
        const QByteArray picture = rawPicture(vdd + ".jpg");
        QVERIFY(!picture.isEmpty());
        QCOMPARE(rawPicture(out, {"-vf", "crop=640:480:0:0"}), picture);
    }

    // Players find the telemetry track, the movie's time and place; the .srt lies beside it.
    void subtitlesAndMetadata()
    {
        MovieOptions o;
        o.subtitles = true;
        o.captions.format = DisplayFormat(0, 0, DisplayZone::utc());
        const QString out = _dir.filePath("subtitles.mp4");
        QVERIFY(run(out, o).ok);
        const QJsonObject probed = QJsonDocument::fromJson(TestCard::run("ffprobe", {"-v", "error", "-show_streams", "-show_format", "-of", "json", out})).object();
        QStringList codecs;
        for (const QJsonValue &stream : probed["streams"].toArray())
            codecs << stream["codec_name"].toString();
        QCOMPARE(codecs, QStringList({"mjpeg", "mov_text"}));
        const QJsonObject tags = probed["format"]["tags"].toObject();
        QCOMPARE(tags["creation_time"].toString(), "2013-07-05T00:08:07.000000Z");
        QCOMPARE(tags["location"].toString(), "+37.5000+127.0000/");
        const QByteArray srt = TestCard::readFile(_dir.filePath("subtitles.srt"));
        QVERIFY2(srt.startsWith("1\n00:00:00,000 --> 00:00:01,000\n2013.07.05 00:08:07 UTC +00:00"), srt.constData());
        QCOMPARE(srt.count("-->"), 3);
    }

    // The overlay covers the picture's top-right corner and leaves its bottom-left (the camera's time).
    void overlayInTopRightCorner()
    {
        const QString vdd = _dir.filePath("overlay.vdd");
        std::vector<TestCard::Frame> frames = TestCard::frames(5, kStart);
        for (auto &f : frames)
            f.gps = true, f.latitude = 3730.0, f.longitude = 12700.0, f.speed = 80;
        QVERIFY(TestCard::writeRecording(vdd, frames, detailed().scaled(640, 480)));
        MovieOptions o;
        const QString plain = vdd + ".plain.mp4", drawn = vdd + ".overlay.mp4";
        const std::atomic_bool cancel{false};
        QVERIFY(MovieExport::run(vdd, plain, o, cancel).ok);
        o.overlay = true;
        QVERIFY(MovieExport::run(vdd, drawn, o, cancel).ok);
        auto difference = [&](const QRect &area) {
            const QImage a = firstPicture(plain), b = firstPicture(drawn);
            qint64 sum = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    sum += qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
            return sum / (area.width() * area.height());
        };
        QVERIFY(difference(QRect(320, 0, 320, 120)) > 20);
        QVERIFY(difference(QRect(0, 360, 320, 120)) < 6);
    }

    void higherQualityIsLarger()
    {
        for (int codec : {0, 1}) {
            qint64 previous = 0;
            for (int quality = 0; quality < 3; ++quality) {
                MovieOptions o;
                o.codec = MovieWriter::Codec(codec);
                o.quality = MovieWriter::Quality(quality);
                o.captions.date = true;  // never the copied camera pictures
                const QString out = _dir.filePath(QStringLiteral("q%1%2.mp4").arg(codec).arg(quality));
                QVERIFY(run(out, o).ok);
                QVERIFY2(QFileInfo(out).size() > previous, qPrintable(out));
                previous = QFileInfo(out).size();
            }
        }
    }

    void flips_data()
    {
        QTest::addColumn<int>("flip");
        QTest::addColumn<QColor>("topLeft");
        QTest::newRow("upside down") << 1 << QColor(Qt::blue);
        QTest::newRow("half turn") << 3 << QColor(Qt::white);
    }

    void flips()
    {
        QFETCH(int, flip);
        QFETCH(QColor, topLeft);
        const QString vdd = _dir.filePath("quarters.vdd");
        QVERIFY(TestCard::writeRecording(vdd, TestCard::frames(20, kStart)));
        MovieOptions o;
        o.flip = flip;
        const QString out = _dir.filePath(QStringLiteral("flip%1.mp4").arg(flip));
        const std::atomic_bool cancel{false};
        QVERIFY(MovieExport::run(vdd, out, o, cancel).ok);
        QVERIFY(TestCard::near(firstPicture(out).pixelColor(4, 4), topLeft, 40));
    }

    // A failed or cancelled export reports so and leaves the old movie and no temporary file.
    void failureKeepsOldMovie_data()
    {
        QTest::addColumn<FailRow>("row");
        QTest::newRow("cancelled") << FailRow{true, -1, false};
        QTest::newRow("end not after start") << FailRow{false, 0, false};
        QTest::newRow("cannot replace") << FailRow{false, -1, true};
    }

    void failureKeepsOldMovie()
    {
        QFETCH(FailRow, row);
        QTemporaryDir folder;
        const QString out = folder.filePath("movie.mp4");
        QVERIFY(row.outIsFolder ? QDir().mkdir(out) : TestCard::writeFile(out, "old movie"));
        MovieOptions o;
        o.codec = MovieWriter::Codec::Mpeg4;
        o.untilMsec = row.untilSeconds < 0 ? -1 : (time_to_seconds(kStart) + row.untilSeconds) * 1000;
        const MovieResult r = run(out, o, row.cancel);
        QVERIFY(!r.ok);
        QCOMPARE(r.cancelled, row.cancel);
        QVERIFY(!r.error.isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), {"movie.mp4"});
        if (!row.outIsFolder)
            QCOMPARE(TestCard::readFile(out), QByteArray("old movie"));
    }
};

QTEST_MAIN(TestMovieExport)
#include "test_MovieExport.moc"
