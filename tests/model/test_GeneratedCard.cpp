// A generated card with every awkward file loads as its generator says a reader finds it.
#include "CardGenerator.h"
#include "FileManager.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestGeneratedCard : public QObject {
    Q_OBJECT
private slots:
    void loadsWhatTheGeneratorWrote();
};

void TestGeneratedCard::loadsWhatTheGeneratorWrote()
{
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    CardGenerator::Options o;
    o.seed = 11;
    o.eventCount = 3;
    o.normalCount = 4;
    o.recordingSeconds = 3;
    o.resolution = QSize(160, 120);
    o.reusePictures = true;
    o.logCount = 2;
    o.logSeconds = 40;
    o.awkward = CardGenerator::allAwkward();
    CardGenerator generator(o);
    const QString root = dir.filePath(QStringLiteral("card"));
    QVERIFY2(generator.generate(root), qPrintable(generator.errorString()));

    FileManager fm;
    QSignalSpy progress(&fm, &FileManager::loadedFileCount);
    QVERIFY(FileManager::checkFolder(root));
    QVERIFY(fm.loadFiles(root));
    QCOMPARE(progress.size(), generator.files().size());
    QCOMPARE(progress.last().at(0).toLongLong(), FileManager::fileCount(root));

    QMap<QString, qint64> loaded;  // path relative to the card -> frames or records
    for (const QString &type : {QStringLiteral("event"), QStringLiteral("normal")}) {
        const QString folder = root + QStringLiteral("/CH1/") + type + QLatin1Char('/');
        for (const FileVideo *video : type == QLatin1String("event") ? fm.eventVideos() : fm.normalVideos()) {
            QVERIFY(video->path().startsWith(folder));
            loaded.insert(QStringLiteral("CH1/") + type + QLatin1Char('/') + video->path().mid(folder.size()), video->frameCount());
        }
    }
    for (const FileLog *log : fm.logs())
        loaded.insert(QStringLiteral("log/") + log->path().mid(root.size() + 5), log->count());

    int expected = 0;
    for (const CardGenerator::GeneratedFile &file : generator.files()) {
        if (file.count < 0) {
            QVERIFY2(!loaded.contains(file.path), qPrintable(file.path));
            continue;
        }
        ++expected;
        QVERIFY2(loaded.contains(file.path), qPrintable(file.path));
        QCOMPARE(loaded.value(file.path), qint64(file.count));
    }
    QCOMPARE(loaded.size(), expected);

    // Rows follow the lists one to one.
    QCOMPARE(fm.listViewData(QStringLiteral("event")).size(), fm.eventVideos().size());
    QCOMPARE(fm.listViewData(QStringLiteral("normal")).size(), fm.normalVideos().size());
    QCOMPARE(fm.listViewData(QStringLiteral("log")).size(), fm.logs().size());
}

QTEST_MAIN(TestGeneratedCard)
#include "test_GeneratedCard.moc"
