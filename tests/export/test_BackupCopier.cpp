#include "BackupCopier.h"
#include "DurableWrite.h"
#include "FileLimit.h"
#include "TestCard.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

using TestCard::filesUnder;

bool run(BackupCopier &copier, int cancelAfter = -1)
{
    std::atomic_bool cancel{false};
    return copier.run(cancel, [&](qint64 done, qint64, const QString &) {
        if (done == cancelAfter)
            cancel = true;
    });
}

} // namespace

struct CancelRow { int cancelAfter{}; int events{}; int normals{}; };

struct FitRow { bool backedUpBefore{}; qint64 spare{}; bool copies{}; };

class TestBackupCopier : public QObject {
    Q_OBJECT

    QTemporaryDir _dir;
    QString _card;

private slots:
    void initTestCase()
    {
        TestCard::prepareEnvironment();
        _card = _dir.filePath("card");
        QVERIFY(TestCard::generate(_card, 2, 3, 1));
        // A recording without its sidecar is backed up alone, without a failure; one in a
        // sub-folder keeps it.
        QVERIFY(QDir().mkpath(_card + "/CH1/normal/2026"));
        QVERIFY(TestCard::writeRecording(_card + "/CH1/normal/2026/bare.vdd", TestCard::frames(3, TestCard::utc(2026, 1, 2, 3, 4, 5)),
                                         TestCard::quarters(), SidecarForm::None));
    }

    void copiesTheCardsLayoutOverAnOlderBackup()
    {
        const QString dest = _dir.filePath("full");
        const QStringList card = filesUnder(_card);
        QVERIFY(TestCard::writeFile(dest + "/" + card.first(), "older backup"));
        BackupCopier copier(BackupCopier::wholeCard(_card), dest);
        QVERIFY(run(copier));
        QCOMPARE(filesUnder(dest), card);
        for (const QString &file : card)
            QVERIFY2(TestCard::readFile(dest + "/" + file) == TestCard::readFile(_card + "/" + file), qPrintable(file));
        QCOMPARE(copier.result().copied, card.size());
        QCOMPARE(copier.result().failed, 0);
    }

    // Each file is on the disk before it takes its name, and so is the name.
    void flushesEveryFileAndItsFolder()
    {
        BackupCopier copier(BackupCopier::wholeCard(_card), _dir.filePath("flushed"));
        const uint64_t syncs = DurableWrite::syncCount();
        QVERIFY(run(copier));
        QCOMPARE(DurableWrite::syncCount() - syncs, uint64_t(2 * copier.result().copied));
    }

    void cancelStopsBetweenCategories_data()
    {
        QTest::addColumn<CancelRow>("row");
        QTest::newRow("before the first") << CancelRow{0, 0, 0};
        QTest::newRow("after the events") << CancelRow{2, 4, 0};
        QTest::newRow("in the normals") << CancelRow{3, 4, 2};
    }
    void cancelStopsBetweenCategories()
    {
        QFETCH(CancelRow, row);
        const QString dest = _dir.filePath("cancel-%1").arg(row.cancelAfter);
        BackupCopier copier(BackupCopier::wholeCard(_card), dest);
        QVERIFY(!run(copier, row.cancelAfter));
        QVERIFY(copier.result().cancelled);
        QCOMPARE(filesUnder(dest + "/CH1/event").size(), row.events);
        QCOMPARE(filesUnder(dest + "/CH1/normal").size(), row.normals);
        QVERIFY(filesUnder(dest + "/log").isEmpty());
        QVERIFY(filesUnder(dest + "/config").isEmpty());
    }

    // The destination fills up while the largest file is written.
    void failedCopyKeepsTheOlderBackup()
    {
        const BackupCopier::Sources sources = BackupCopier::wholeCard(_card);
        QString largest = sources.event.first();
        for (const QString &path : sources.event + sources.normal + sources.log)
            if (QFileInfo(path).size() > QFileInfo(largest).size())
                largest = path;
        const QString dest = _dir.filePath("full-disk");
        const QString old = dest + "/" + QDir(_card).relativeFilePath(largest);
        QVERIFY(TestCard::writeFile(old, "older backup"));

        BackupCopier copier(sources, dest);
        const bool ok = withFileLimit(rlim_t(QFileInfo(largest).size() - 1), [&] { return run(copier); });

        QVERIFY(!ok);
        QVERIFY(copier.result().failedFiles.contains(largest));
        QVERIFY2(copier.result().error.contains(u"File too large"), qPrintable(copier.result().error));
        QCOMPARE(copier.result().failed, copier.result().failedFiles.size());
        QCOMPARE(TestCard::readFile(old), QByteArray("older backup"));
        QVERIFY(!filesUnder(dest).join(u'\n').contains(u"/."));  // no temporary left behind
    }

    void refusesWhatCannotFit_data()
    {
        QTest::addColumn<FitRow>("row");
        QTest::newRow("fresh, one byte short") << FitRow{false, -1, false};
        QTest::newRow("fresh, exact") << FitRow{false, 0, true};
        QTest::newRow("again, room for the largest file") << FitRow{true, 0, true};
    }
    void refusesWhatCannotFit()
    {
        QFETCH(FitRow, row);
        const BackupCopier::Sources sources = BackupCopier::wholeCard(_card);
        const QString dest = _dir.filePath("space-%1").arg(QTest::currentDataTag());
        qint64 needed = 0;
        for (const QString &file : filesUnder(_card))
            needed = row.backedUpBefore ? std::max(needed, QFileInfo(_card + "/" + file).size())
                                    : needed + QFileInfo(_card + "/" + file).size();
        if (row.backedUpBefore) {
            BackupCopier first(sources, dest);
            QVERIFY(run(first));
        }
        BackupCopier copier(sources, dest);
        copier.setFreeSpace([&](const QString &) { return needed + row.spare; });
        QCOMPARE(run(copier), row.copies);
        QCOMPARE(copier.result().noSpace, !copier.result().copied);
        QCOMPARE(QFileInfo::exists(dest), copier.result().copied > 0);
    }
};

QTEST_GUILESS_MAIN(TestBackupCopier)
#include "test_BackupCopier.moc"
