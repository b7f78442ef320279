// Record-by-record playback of a driving log.
#include "FileLog.h"
#include "TestCard.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestFileLog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(_dir.isValid());
    }

    void loadsAndRefuses()
    {
        auto ten = log(10);
        QCOMPARE(ten->count(), 10);
        QCOMPARE(ten->sequence(), _files);
        QCOMPARE(ten->interval(), 1000);
        QCOMPARE(ten->lastLog().time.second, 9);
        QCOMPARE(ten->logAtIndex(10).time.year, 0);
        QCOMPARE(ten->logAtIndex(-1).time.year, 0);
        QVERIFY(ten->path().endsWith(QStringLiteral(".log")));

        QFile junk(_dir.filePath(QStringLiteral("junk.log")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("$GPRMC,,A,3731.5000,N,12658.2000,E,10.0,90.0,,,*00\n");
        junk.close();
        QVERIFY(!FileLog::create(_dir.path(), QStringLiteral("junk.log")));
        QVERIFY(!FileLog::create(_dir.path(), QStringLiteral("missing.log")));
    }

    void playsOneRecordPerStep()
    {
        auto l = log(10);
        QSignalSpy spy(l.get(), &FileLog::fileLogFrameIndex);
        l->gotoFrame(5);
        l->playWithSpeed(4);
        while (l->stepPending())
            l->playLog();
        QCOMPARE(reported(spy), (QList<qint64>{5, 5, 6, 7, 8, 9, 10}));
        QCOMPARE(spy.first().at(0).value<FileLog *>(), l.get());

        spy.clear();
        l->gotoFrame(2);
        l->playWithSpeed(-8);
        while (l->stepPending())
            l->playLog();
        QCOMPARE(reported(spy), (QList<qint64>{2, 2, 1, 0, -1}));
    }

    // A second a record at speed 1; a speed too small for a delay waits the longest.
    void delayShrinksWithTheSpeed()
    {
        auto l = log(10);
        for (const auto &[speed, delay] : {std::pair{1.0, qint64(1000)}, {4.0, qint64(250)}, {-16.0, qint64(62)},
                                           {0.5, qint64(2000)}, {0.0, qint64(0)}, {1e-300, qint64(INT_MAX)}})
            QCOMPARE(l->delayForSpeed(speed), delay);
        l->playWithSpeed(16);
        QVERIFY(l->stepPending() && l->scheduledDelay() <= 62);
        l->pause();
        QVERIFY(!l->stepPending());
    }

    void pauseGoesBackBySpeedWithinTheLog()
    {
        auto l = log(10);
        l->gotoFrame(3);
        l->playWithSpeed(4);
        l->playLog();
        l->playLog();
        QCOMPARE(l->currentIndex(), 6);
        l->pause();
        QCOMPARE(l->currentIndex(), 2);
        QVERIFY(!l->isPlaying());

        // Never back past the first record, never forward past the last one.
        l->gotoFrame(1);
        l->playWithSpeed(16);
        l->pause();
        QCOMPARE(l->currentIndex(), 0);
        l->gotoFrame(8);
        l->playWithSpeed(-16);
        l->pause();
        QCOMPARE(l->currentIndex(), 9);
        l->playWithSpeed(1e300);
        l->pause();
        QCOMPARE(l->currentIndex(), 0);
    }

    // Steps and goto stay inside the log; a one-record log ends at once.
    void stepsGotoAndOneRecord()
    {
        auto l = log(10);
        QSignalSpy spy(l.get(), &FileLog::fileLogFrameIndex);
        l->gotoFrame(1);
        l->step(false);
        l->gotoFrame(-1);
        l->step(true);
        l->gotoFrame(0xFFFFFFFFLL);
        QCOMPARE(reported(spy), (QList<qint64>{1, 1, 9, 9, 9}));

        auto one = log(1);
        QCOMPARE(one->interval(), 0);
        QSignalSpy oneSpy(one.get(), &FileLog::fileLogFrameIndex);
        one->playWithSpeed(16);
        QCOMPARE(reported(oneSpy), (QList<qint64>{0, 1}));
        QVERIFY(!one->stepPending());
        one->pause();
        QCOMPARE(one->currentIndex(), 0);
    }

private:
    // A log the test needs: one that cannot be written or read stops the run.
    std::unique_ptr<FileLog> log(int seconds)
    {
        const QString name = QStringLiteral("%1.log").arg(++_files, 10, 10, QLatin1Char('0'));
        FileLog *l = TestCard::writeLog(_dir.filePath(name), TestCard::utc(2024, 5, 1, 10, 0, 0), seconds)
                         ? FileLog::create(_dir.path(), name) : nullptr;
        if (!l)
            qFatal("cannot write and read %s", qPrintable(name));
        return std::unique_ptr<FileLog>(l);
    }

    static QList<qint64> reported(const QSignalSpy &spy)
    {
        QList<qint64> indexes;
        for (const QList<QVariant> &args : spy)
            indexes.append(args.at(1).toLongLong());
        return indexes;
    }
    QTemporaryDir _dir;
    int _files = 0;
};

QTEST_MAIN(TestFileLog)
#include "test_FileLog.moc"
