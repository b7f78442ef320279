#include "CameraSettings.h"
#include "CardGenerator.h"
#include "vexa_log_file.h"
#include "vexa_telemetry.h"
#include "vexa_time.h"
#include "vexa_vdd_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <memory>

namespace {

using Awkward = CardGenerator::Awkward;
using File = CardGenerator::GeneratedFile;

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString sidecarOf(const QString &vdd)
{
    return vdd.chopped(3) + QStringLiteral("vdx");
}

// Opens a recording as the viewer does (with the sidecar beside it) or by scanning only.
std::unique_ptr<vexa_vdd_file> openRecording(const QString &path, bool withSidecar = true)
{
    auto file = std::make_unique<vexa_vdd_file>();
    const QByteArray vdd = QFile::encodeName(path);
    const QByteArray vdx = QFile::encodeName(sidecarOf(path));
    if (!file->open(vdd.constData(), withSidecar ? vdx.constData() : nullptr))
        return nullptr;
    return file;
}

bool sameHeaders(const vexa_vdd_file &a, const vexa_vdd_file &b)
{
    return a.headers().size() == b.headers().size() &&
           std::memcmp(a.headers().data(), b.headers().data(),
                       a.headers().size() * sizeof(_vexa_video_frame_header_t)) == 0;
}

QMap<QString, QByteArray> folderBytes(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), readAll(path));
    }
    return files;
}

double gStrength(const _vexa_video_frame_header_t &h)
{
    return std::abs(h.gsensor_x) + std::abs(h.gsensor_y) + std::abs(h.gsensor_z - 1000);
}

} // namespace

class TestCardGenerator : public QObject {
    Q_OBJECT

private:
    CardGenerator::Options small() const
    {
        CardGenerator::Options o;
        o.seed = 7;
        o.eventCount = 2;
        o.normalCount = 6;
        o.recordingSeconds = 10;
        o.framesPerSecond = 5;
        o.resolution = QSize(160, 120);
        o.writeClock = true;
        o.awkward = CardGenerator::allAwkward();
        return o;
    }
    QList<File> filesOf(const QString &list, bool regular = true) const
    {
        QList<File> out;
        for (const File &f : files_) {
            if (f.list == list && f.awkward.isEmpty() == regular)
                out << f;
        }
        return out;
    }
    File awkwardFile(Awkward a) const
    {
        for (const File &f : files_) {
            if (f.awkward == CardGenerator::awkwardName(a))
                return f;
        }
        return {};
    }
    QString path(const File &f) const { return card_.path() + u'/' + f.path; }

    QTemporaryDir card_;
    QList<File> files_;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(card_.isValid());
        CardGenerator generator(small());
        QVERIFY2(generator.generate(card_.path()), qPrintable(generator.errorString()));
        files_ = generator.files();
    }

    void sameSeedSameCardOtherSeedOtherCard()
    {
        CardGenerator::Options o = small();
        o.normalCount = 2;
        o.recordingSeconds = 2;
        QTemporaryDir a, b, c;
        o.threads = 1;
        QVERIFY(CardGenerator(o).generate(a.path()));
        o.threads = 3;  // whichever worker writes a recording, its bytes are the same
        QVERIFY(CardGenerator(o).generate(b.path()));
        o.seed = 8;
        QVERIFY(CardGenerator(o).generate(c.path()));
        const auto first = folderBytes(a.path());
        QVERIFY(first.size() > 10);
        QCOMPARE(folderBytes(b.path()), first);
        const auto other = folderBytes(c.path());
        QCOMPARE(other.keys(), first.keys());  // same layout and names ...
        for (const QString &name : first.keys()) {
            if (name.endsWith(u".vdd") || name.endsWith(u".log"))
                QVERIFY2(other.value(name) != first.value(name), qPrintable(name));  // ... other drive
        }
    }

    void writesTheCardLayoutAndConfig()
    {
        for (const char *sub : {"CH1/event", "CH1/normal", "log", "config"})
            QVERIFY(QFileInfo(card_.path() + u'/' + QLatin1String(sub)).isDir());
        QCOMPARE(readAll(card_.path() + "/config/set.dat"), QByteArray(CameraSettings::defaultConfigText()));
        QVERIFY(readAll(card_.path() + "/config/version.ini").startsWith("[SET]\r\nVERSION="));
        QVERIFY(!CameraSettings::readVersion(QFile::encodeName(card_.path()).toStdString()).empty());
        QCOMPARE(CameraSettings::readClock(QFile::encodeName(card_.path()).toStdString()), small().startUtc);
        QCOMPARE(filesOf("normal").size(), 6);
        QCOMPARE(filesOf("event").size(), 2);
        QCOMPARE(filesOf("log").size(), 1);
    }

    void framesAreJpegPicturesWhoseCommentsMatchTheIndex()
    {
        for (const File &f : filesOf("normal") + filesOf("event")) {
            auto indexed = openRecording(path(f));
            auto scanned = openRecording(path(f), false);
            QVERIFY(indexed && scanned);
            QCOMPARE(int(indexed->frame_count()), f.count);
            QCOMPARE(int(indexed->frame_count()), 50);
            QVERIFY2(sameHeaders(*indexed, *scanned), qPrintable(f.path));
            QCOMPARE(indexed->index_header().event_type, uint8_t(f.eventType));
            for (uint64_t i = 0; i < indexed->frame_count(); i += 7) {
                const _vexa_video_frame_header_t &h = indexed->header_at(i);
                QByteArray jpeg(qsizetype(h.length), '\0');
                QVERIFY(indexed->get_frame_data(i, reinterpret_cast<uint8_t *>(jpeg.data()), h.length));
                const QImage image = QImage::fromData(jpeg, "JPEG");
                QCOMPARE(image.size(), QSize(160, 120));
                uint8_t payload[VEXA_COMMENT_SIZE];
                QVERIFY(indexed->get_jpeg_comment(i, payload));
                const _vexa_video_frame_header_t again = decode_frame_comment(payload, h.offset, h.length);
                QVERIFY(std::memcmp(&again, &h, sizeof h) == 0);
                QVERIFY(!QByteArray(reinterpret_cast<const char *>(payload), sizeof payload).contains("\xFF\xD9"));
            }
        }
    }

    void payloadCarriesFrameCounterRateAndGpsTime()
    {
        auto file = openRecording(path(filesOf("normal").at(2)));
        QVERIFY(file);
        const _vexa_time_t first = file->header_at(0).time;
        for (uint64_t i = 0; i < file->frame_count(); ++i) {
            uint8_t p[VEXA_COMMENT_SIZE];
            QVERIFY(file->get_jpeg_comment(i, p));
            QCOMPARE(int(p[6]), int(i % 5));                  // frame within its second
            QCOMPARE(int(p[16] | p[17] << 8), 5);             // frames per second
            const _vexa_video_frame_header_t &h = file->header_at(i);
            QCOMPARE(int(h.time.millisecond), int(i % 5) * 200);
            QCOMPARE(time_to_seconds(h.time) - time_to_seconds(first), int64_t(i / 5));
            QCOMPARE(int(h.record_phase), 1);
            if (h.gps_valid) {
                QCOMPARE(int(p[52] | p[53] << 8), int(h.time.year));
                QCOMPARE(int(p[58]), int(h.time.second));
            }
        }
    }

    void sidecarFormsAgreeWithTheScan()
    {
        const QList<QPair<SidecarForm, qsizetype>> forms = {
            {SidecarForm::New, 20 * 66 + 26}, {SidecarForm::Old, 20 * 66}, {SidecarForm::None, -1}};
        for (const auto &[form, size] : forms) {
            CardGenerator::Options o;
            o.eventCount = 0;
            o.normalCount = 1;
            o.recordingSeconds = 2;
            o.resolution = QSize(64, 48);
            o.sidecar = form;
            QTemporaryDir dir;
            CardGenerator generator(o);
            QVERIFY(generator.generate(dir.path()));
            const QString vdd = dir.path() + u'/' + generator.files().first().path;
            QCOMPARE(generator.files().first().sidecar, CardGenerator::sidecarName(form));
            QCOMPARE(QFileInfo(sidecarOf(vdd)).exists() ? QFileInfo(sidecarOf(vdd)).size() : -1, size);
            auto indexed = openRecording(vdd);
            auto scanned = openRecording(vdd, false);
            QVERIFY(indexed && scanned);
            QCOMPARE(indexed->frame_count(), uint64_t(20));
            QVERIFY(sameHeaders(*indexed, *scanned));
        }
    }

    void awkwardRecordingsBehaveAsReadersSay()
    {
        const File padding = awkwardFile(Awkward::PaddingBetweenPictures);
        auto padded = openRecording(path(padding));
        QVERIFY(padded);
        QCOMPARE(int(padded->frame_count()), 50);
        const auto &h = padded->headers();
        QVERIFY(h[1].offset > h[0].offset + h[0].length);  // bytes between the pictures
        QVERIFY(sameHeaders(*padded, *openRecording(path(padding), false)));

        const File bare = awkwardFile(Awkward::PictureWithoutComment);
        QCOMPARE(bare.pictures, 50);
        QCOMPARE(bare.count, 49);
        QCOMPARE(int(openRecording(path(bare), false)->frame_count()), 49);
        const auto kept = openRecording(path(bare));
        QVERIFY(kept->header_at(25).offset > kept->header_at(24).offset + kept->header_at(24).length);  // the bare picture lies between

        const File zero = awkwardFile(Awkward::ZeroYearInSidecar);
        const QByteArray vdx = readAll(sidecarOf(path(zero)));
        QCOMPARE(vdx.size(), 50 * 66 + 26);
        QCOMPARE(vdx.mid(25 * 66 + 13, 2), QByteArray(2, '\0'));  // year 0 inside the counted range
        auto rescanned = openRecording(path(zero));
        QCOMPARE(int(rescanned->frame_count()), 50);  // the reader falls back to the scan
        QVERIFY(rescanned->header_at(25).time.year != 0);

        const File old = awkwardFile(Awkward::OldFormSidecar);
        QCOMPARE(QFileInfo(sidecarOf(path(old))).size(), qint64(50 * 66));
        QCOMPARE(int(openRecording(path(old))->frame_count()), 50);

        const File none = awkwardFile(Awkward::MissingSidecar);
        QVERIFY(!QFileInfo::exists(sidecarOf(path(none))));
        QCOMPARE(int(openRecording(path(none))->frame_count()), 50);

        const File one = awkwardFile(Awkward::OneFrameRecording);
        auto single = openRecording(path(one));
        QCOMPARE(int(single->frame_count()), 1);
        QCOMPARE(single->duration_seconds(), uint64_t(1));

        const File archived = awkwardFile(Awkward::EventSubFolder);
        QVERIFY(archived.path.startsWith(u"CH1/event/archive/"));
        QCOMPARE(archived.list, QStringLiteral("event"));
        QCOMPARE(int(openRecording(path(archived))->frame_count()), 50);
    }

    void awkwardLogsBehaveAsReadersSay()
    {
        const File lf = awkwardFile(Awkward::LfLineEnds);
        QVERIFY(!readAll(path(lf)).contains('\r'));
        vexa_log_file log;
        QVERIFY(log.load(QFile::encodeName(path(lf)).constData()));
        QCOMPARE(int(log.count()), 60);

        const File full = awkwardFile(Awkward::FullLog);
        QCOMPARE(full.count, -1);
        QCOMPARE(readAll(path(full)).count("$REZEZ"), 3610);
        QVERIFY(!log.load(QFile::encodeName(path(full)).constData()));

        const File gap = awkwardFile(Awkward::LogTimeGap);
        QCOMPARE(readAll(path(gap)).count("$REZEZ"), 50);
        QVERIFY(log.load(QFile::encodeName(path(gap)).constData()));
        QCOMPARE(int(log.count()), 30);
    }

    void logHasOneRecordPerSecondOverTheDrive()
    {
        const File f = filesOf("log").first();
        const QByteArray text = readAll(path(f));
        QVERIFY(text.contains("\r\n"));
        for (const QByteArray &line : text.split('\n')) {
            if (line.isEmpty())
                continue;
            QVERIFY(line.endsWith('\r'));
            const qsizetype star = line.lastIndexOf('*');
            uint8_t sum = 0;
            for (qsizetype i = 1; i < star; ++i)
                sum ^= uint8_t(line[i]);
            QCOMPARE(line.mid(star + 1, 2).toUInt(nullptr, 16), uint(sum));
        }
        vexa_log_file log;
        QVERIFY(log.load(QFile::encodeName(path(f)).constData()));
        QCOMPARE(int(log.count()), 60);  // six normal recordings of ten seconds
        for (uint64_t i = 1; i < log.count(); ++i)
            QCOMPARE(time_diff_msec(log.record_at(i - 1).time, log.record_at(i).time), int64_t(1000));
        QCOMPARE(time_to_seconds(log.record_at(0).time), small().startUtc);
        QCOMPARE(int(log.record_at(0).gps_valid), 0);  // the first fix takes a moment
        QCOMPARE(int(log.record_at(10).gps_valid), 1);
        QVERIFY(log.record_at(10).satellites_in_view >= log.record_at(10).satellites_used);

        // The recordings and the log describe the same drive.
        auto recording = openRecording(path(filesOf("normal").at(3)));
        const _vexa_video_frame_header_t &frame = recording->header_at(0);
        const _vexa_log_info_t &record = log.record_at(30);
        QCOMPARE(time_to_seconds(record.time), time_to_seconds(frame.time));
        const double apart = distance_m(nmea_to_degrees(frame.latitude), nmea_to_degrees(frame.longitude),
                                        nmea_to_degrees(record.latitude), nmea_to_degrees(record.longitude));
        QVERIFY2(apart < 30, qPrintable(QString::number(apart)));
    }

    void driveIsPlausible()
    {
        CardGenerator::Options o;
        o.seed = 3;
        o.eventCount = 0;
        o.normalCount = 0;
        o.logCount = 1;
        o.logSeconds = 900;
        QTemporaryDir dir;
        CardGenerator generator(o);
        QVERIFY(generator.generate(dir.path()));
        vexa_log_file log;
        QVERIFY(log.load(QFile::encodeName(dir.path() + u'/' + generator.files().first().path).constData()));
        QCOMPARE(int(log.count()), 900);
        double fastest = 0, travelled = 0;
        int stopped = 0, noFix = 0;
        for (uint64_t i = 0; i < log.count(); ++i) {
            const _vexa_log_info_t &r = log.record_at(i);
            if (!r.gps_valid) {
                ++noFix;
                continue;
            }
            fastest = std::max(fastest, double(r.speed));
            travelled += r.speed / 3.6;
            stopped += r.speed < 0.5 && i > 10;
            QVERIFY(r.latitude > 4806 && r.latitude < 4811);  // around Munich
            QVERIFY(r.longitude > 1132 && r.longitude < 1138);
            QVERIFY(r.altitude > 500 && r.altitude < 540);
            QVERIFY(r.course >= 0 && r.course < 360);
            QVERIFY(std::abs(r.gsensor_z - 1000) < 200);
        }
        QVERIFY(fastest > 40 && fastest <= 90.1);
        QVERIFY(stopped > 0);                       // the drive stops now and then
        QVERIFY(noFix >= 4 && noFix < 40);          // first fix and a tunnel
        QVERIFY(std::abs(log.distance() - travelled) < travelled * 0.1);
    }

    void eventRecordingHasPreAndPostFramesAroundAShock()
    {
        const File f = filesOf("event").first();
        QCOMPARE(f.eventType, 1);
        auto file = openRecording(path(f));
        QCOMPARE(int(file->index_header().event_type), 1);
        const uint64_t pre = 30;  // three fifths of 50 frames
        double before = 0, after = 0;
        for (uint64_t i = 0; i < file->frame_count(); ++i) {
            const _vexa_video_frame_header_t &h = file->header_at(i);
            QCOMPARE(int(h.event_type), 1);
            QCOMPARE(int(h.record_phase), i < pre ? 2 : 3);
            (i < pre ? before : after) = std::max(i < pre ? before : after, gStrength(h));
        }
        QVERIFY2(before < 600, qPrintable(QString::number(before)));
        QVERIFY2(after > 1500, qPrintable(QString::number(after)));
    }

    void normalRecordingHasATriggerRunAfterItsStart()
    {
        bool found = false;
        for (const File &f : filesOf("normal")) {
            auto file = openRecording(path(f));
            for (uint64_t i = 1; i < file->frame_count(); ++i) {
                if (file->header_at(i).event_type != 0 && file->header_at(i - 1).event_type == 0)
                    found = true;
            }
        }
        QVERIFY(found);
    }

    void refusesBadOptionsAndUsedFolders()
    {
        CardGenerator::Options o;
        o.framesPerSecond = 0;
        QVERIFY(!CardGenerator::validate(o).isEmpty());
        o = CardGenerator::Options();
        o.withoutSidecarCount = 100;
        QVERIFY(!CardGenerator::validate(o).isEmpty());
        QVERIFY(CardGenerator::validate(CardGenerator::Options()).isEmpty());

        QTemporaryDir dir;
        QFile keep(dir.path() + "/keep.txt");
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.close();
        CardGenerator generator(CardGenerator::Options{});
        QVERIFY(!generator.generate(dir.path()));
        QVERIFY(generator.errorString().contains(u"not empty"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 1);
    }

    void spreadsRecordingsWithoutSidecar()
    {
        CardGenerator::Options o;
        o.eventCount = 2;
        o.normalCount = 8;
        o.recordingSeconds = 1;
        o.resolution = QSize(32, 32);
        o.reusePictures = true;
        o.withoutSidecarCount = 3;
        QTemporaryDir dir;
        CardGenerator generator(o);
        QVERIFY(generator.generate(dir.path()));
        int without = 0;
        for (const File &f : generator.files()) {
            if (f.list == u"log")
                continue;
            const bool has = QFileInfo::exists(sidecarOf(dir.path() + u'/' + f.path));
            QCOMPARE(has, f.sidecar != u"none");
            without += !has;
            QCOMPARE(int(openRecording(dir.path() + u'/' + f.path)->frame_count()), 10);
        }
        QCOMPARE(without, 3);
    }

    void awkwardNamesRoundTrip()
    {
        bool ok = false;
        for (Awkward a : CardGenerator::awkwardList())
            QCOMPARE(CardGenerator::awkwardFromNames({CardGenerator::awkwardName(a)}, &ok), CardGenerator::AwkwardCases(a));
        QVERIFY(ok);
        CardGenerator::awkwardFromNames({"padding", "nonsense"}, &ok);
        QVERIFY(!ok);
    }
};

QTEST_GUILESS_MAIN(TestCardGenerator)
#include "test_CardGenerator.moc"
