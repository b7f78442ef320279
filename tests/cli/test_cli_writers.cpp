#include "TestCard.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

using TestCard::filesUnder;

QString firstFile(const QString &folder, const QString &pattern)
{
    const QStringList names = QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
    return names.isEmpty() ? QString() : folder + u'/' + names.first();
}

} // namespace

// Every writer of tumbo-cli on a file system that takes no more than 100 bytes a file.
class TestCliWriters : public QObject {
    Q_OBJECT

    QTemporaryDir _dir;
    QString _card;

private slots:
    void initTestCase()
    {
        TestCard::prepareEnvironment();
        _card = _dir.filePath("card");
        QVERIFY(TestCard::generate(_card, 1, 0, 1));
    }

    void fullDiskFailsAndKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("args");  // OUT: an existing file in the folder OUTDIR
        QTest::newRow("csv") << "export-csv OUT LOG";
        QTest::newRow("kml") << "export-kml OUT LOG";
        QTest::newRow("gpx") << "export-gpx OUT LOG";
        QTest::newRow("geojson") << "export-geojson OUT LOG";
        QTest::newRow("render") << "render VDD 0 OUT.jpg";
        QTest::newRow("report event") << "report event VDD 0 OUT.pdf";
        QTest::newRow("report log") << "report log LOG OUT.pdf";
        QTest::newRow("stills") << "stills VDD 0 OUTDIR --per-second 1 --seconds 3";
        QTest::newRow("movie") << "movie VDD OUT.mp4";
        QTest::newRow("backup") << "backup CARD OUTDIR --all";
        QTest::newRow("settings") << "config OUTDIR --set BEEPRECORD=0";
    }
    void fullDiskFailsAndKeepsTheOldFile()
    {
        QFETCH(QString, args);
        const QString outDir = _dir.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_'));
        QString out = outDir + QStringLiteral("/out");
        if (args.contains(u"OUT."))
            out += u'.' + args.section(QStringLiteral("OUT."), 1).section(u' ', 0, 0);
        if (args.startsWith(u"config")) {
            QVERIFY(QDir().mkpath(outDir + "/config"));
            out = outDir + "/config/set.dat";
        } else if (args.startsWith(u"backup")) {
            out = outDir + "/log/" + QFileInfo(firstFile(_card + "/log", "*.log")).fileName();
        }
        QVERIFY(QDir().mkpath(QFileInfo(out).path()));
        QVERIFY(TestCard::writeFile(out, "old\n"));
        const QStringList before = filesUnder(outDir);
        args.replace(QStringLiteral("OUTDIR"), outDir)
            .replace(QRegularExpression(QStringLiteral("OUT(\\.\\w+)?")), out)
            .replace(QStringLiteral("CARD"), _card)
            .replace(QStringLiteral("VDD"), firstFile(_card + "/CH1/event", "*.vdd"))
            .replace(QStringLiteral("LOG"), firstFile(_card + "/log", "*.log"));

        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LC_ALL", "C");
        cli.setProcessEnvironment(env);
        cli.setChildProcessModifier([] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit small{100, 100};
            setrlimit(RLIMIT_FSIZE, &small);
        });
        cli.start(QStringLiteral(TUMBO_CLI_PATH), args.split(u' '));
        QVERIFY(cli.waitForFinished(120000));
        const QString error = QString::fromLocal8Bit(cli.readAllStandardError());
        QCOMPARE(cli.exitCode(), 1);
        QVERIFY2(error.contains(QStringLiteral("File too large")), qPrintable(error));
        QCOMPARE(TestCard::readFile(out), QByteArray("old\n"));
        // No temporary is left; a backup may still have copied the files that fit.
        const QStringList after = filesUnder(outDir);
        QVERIFY2(!(u'/' + after.join(u'/')).contains(u"/."), qPrintable(after.join(u' ')));
        if (!args.contains(u" --all"))
            QCOMPARE(after, before);
    }
};

QTEST_GUILESS_MAIN(TestCliWriters)
#include "test_cli_writers.moc"
