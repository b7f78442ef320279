#include "CameraSettings.h"
#include "CardGenerator.h"
#include "vexa_log_file.h"
#include "vexa_telemetry.h"
#include "vexa_vdd_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

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
    const QByteArray vdd = QFile::encodeName(path), vdx = QFile::encodeName(sidecarOf(path));
    return file->open(vdd.constData(), withSidecar ? vdx.constData() : nullptr) ? std::move(file) : nullptr;
}

// The sidecar's index is what a scan of the pictures finds.
bool sidecarAgreesWithTheScan(const vexa_vdd_file &indexed, const QString &path)
{
    const auto scanned = openRecording(path, false);
    const auto &a = indexed.headers();
    return scanned && a.size() == scanned->headers().size()
        && std::memcmp(a.data(), scanned->headers().data(), a.size() * sizeof a[0]) == 0;
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

    // How the reader finds comments and pictures is the recording reader's test; here every
    // recording's sidecar is what a scan finds, and its pictures are JPEGs of the size asked.
    void framesAreJpegPicturesIndexedByTheSidecar()
    {
        for (const File &f : filesOf("normal") + filesOf("event")) {
            auto indexed = openRecording(path(f));
            QVERIFY(indexed);
            QVERIFY(int(indexed->frame_count()) == f.count && f.count == 50);  // 10 s at 5 a second
            QVERIFY2(sidecarAgreesWithTheScan(*indexed, path(f)), qPrintable(f.path));
            QCOMPARE(indexed->index_header().event_type, uint8_t(f.eventType));
            const _vexa_video_frame_header_t &h = indexed->header_at(49);
            QByteArray jpeg(qsizetype(h.length), '\0');
            QVERIFY(indexed->get_frame_data(49, reinterpret_cast<uint8_t *>(jpeg.data()), h.length));
            QCOMPARE(QImage::fromData(jpeg, "JPEG").size(), QSize(160, 120));
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
            const auto indexed = openRecording(vdd);
            QVERIFY(indexed && indexed->frame_count() == 20 && sidecarAgreesWithTheScan(*indexed, vdd));
        }
    }

    // Each awkward file reads as its entry says: that many frames or records, or refused.
    void awkwardFilesReadAsListed()
    {
        for (Awkward a : CardGenerator::awkwardList()) {
            const File f = awkwardFile(a);
            QVERIFY2(!f.path.isEmpty(), qPrintable(CardGenerator::awkwardName(a)));
            int count = -1;
            if (f.list == u"log") {
                vexa_log_file log;
                if (log.load(QFile::encodeName(path(f)).constData()))
                    count = int(log.count());
            } else if (auto file = openRecording(path(f))) {
                count = int(file->frame_count());
            }
            QVERIFY2(count == f.count, qPrintable(f.path));
        }
        QVERIFY(awkwardFile(Awkward::EventSubFolder).path.startsWith(u"CH1/event/archive/"));
        QVERIFY(!QFileInfo::exists(sidecarOf(path(awkwardFile(Awkward::MissingSidecar)))));
    }

    // A used folder and unknown awkward names are refused through tumbo-cli (its test).
    void refusesBadOptions()
    {
        CardGenerator::Options o;
        o.framesPerSecond = 0;
        QVERIFY(!CardGenerator::validate(o).isEmpty());
        o = CardGenerator::Options();
        o.withoutSidecarCount = 100;
        QVERIFY(!CardGenerator::validate(o).isEmpty());
        QVERIFY(CardGenerator::validate(CardGenerator::Options()).isEmpty());
    }

    void awkwardNamesRoundTrip()
    {
        bool ok = false;
        for (Awkward a : CardGenerator::awkwardList())
            QCOMPARE(CardGenerator::awkwardFromNames({CardGenerator::awkwardName(a)}, &ok), CardGenerator::AwkwardCases(a));
        QVERIFY(ok);
    }
};

QTEST_GUILESS_MAIN(TestCardGenerator)
#include "test_CardGenerator.moc"
