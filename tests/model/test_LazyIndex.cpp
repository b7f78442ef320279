// Opening a card reads what the lists need; the full indexes, read on first use, give the
// same rows and the same recording at every moment.
#include "CardGenerator.h"
#include "FileManager.h"
#include "vexa_time.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestLazyIndex : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        QVERIFY(_dir.isValid());
        CardGenerator::Options o;
        o.seed = 11;
        o.eventCount = 3;
        o.normalCount = 8;
        o.withoutSidecarCount = 3;
        o.recordingSeconds = 20;
        o.resolution = QSize(160, 120);
        o.reusePictures = true;
        o.logCount = 2;
        o.awkward = CardGenerator::allAwkward();
        CardGenerator generator(o);
        QVERIFY2(generator.generate(_dir.path()), qPrintable(generator.errorString()));
    }

    void openLeavesTheIndexesForLater()
    {
        FileManager fm;
        QVERIFY(fm.loadFiles(_dir.path()));
        QVERIFY(!fm.eventVideos().isEmpty());
        for (const FileVideo *video : fm.eventVideos())
            QVERIFY2(!video->isIndexed(), qPrintable(video->path()));
        // The drive's logs; the awkward ones after them may need reading in full at once.
        QVERIFY(fm.logs().size() > 2);
        for (const FileLog *log : fm.logs().first(2))
            QVERIFY2(!log->file().loaded(), qPrintable(log->path()));
    }

    void rowsAndMomentsAreThoseOfTheFullIndex()
    {
        FileManager lazy;
        QVERIFY(lazy.loadFiles(_dir.path()));
        const QStringList rowsAtOpen = rows(lazy);
        const QStringList momentsAtOpen = moments(lazy);

        FileManager indexed;
        QVERIFY(indexed.loadFiles(_dir.path()));
        for (const QList<FileVideo *> *list : {&indexed.eventVideos(), &indexed.normalVideos()})
            for (const FileVideo *video : *list)
                video->ensureIndexed();
        for (const FileLog *log : indexed.logs())
            log->file().ensure_loaded();
        QCOMPARE(rows(indexed), rowsAtOpen);
        QCOMPARE(moments(indexed), momentsAtOpen);
        QCOMPARE(rows(lazy), rowsAtOpen);
    }

private:
    static QStringList rows(const FileManager &fm)
    {
        QStringList out;
        for (const char *type : {"event", "normal", "log"})
            for (const ListRow &r : fm.listViewData(QLatin1String(type), DisplayFormat()))
                out << QStringLiteral("%1 %2 %3 %4 %5").arg(type, r.seq, r.col2, r.col3).arg(r.damaged);
        return out;
    }

    // The recording and frame at every other second of the drive, both ways.
    static QStringList moments(const FileManager &fm)
    {
        int64_t from = INT64_MAX, to = 0;
        for (const FileVideo *video : fm.normalVideos() + fm.eventVideos()) {
            if (video->isDamaged())
                continue;
            from = std::min(from, time_to_msec(video->firstHeader().time) / 1000);
            to = std::max(to, time_to_msec(video->file().last_header().time) / 1000);
        }
        QStringList out;
        for (int64_t s = from - 2; s <= to + 2; s += 2) {
            for (bool forward : {true, false}) {
                const FrameInfo info = fm.infoAtTimestamp(msec_to_time(s * 1000), forward);
                out << QStringLiteral("%1 %2").arg(info.file ? info.file->path() : QString()).arg(info.index);
            }
        }
        return out;
    }

    QTemporaryDir _dir;
};

QTEST_MAIN(TestLazyIndex)
#include "test_LazyIndex.moc"
