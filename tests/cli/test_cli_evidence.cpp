// tumbo-cli evidence and verify on a generated card: the package's summary, the check of it,
// and a failure that leaves nothing behind.
#include "FolderScanner.h"
#include "TestCard.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestCliEvidence : public QObject {
    Q_OBJECT

    QTemporaryDir _dir;

    QJsonObject cli(const QStringList &args, int code)
    {
        QProcess process;
        process.start(TUMBO_CLI_PATH, args);
        if (!process.waitForFinished(240000) || process.exitCode() != code) {
            qWarning() << process.readAllStandardError();
            return {{"exit", process.exitCode()}};
        }
        return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    }

private slots:
    void packageThenVerify()
    {
        const QString card = _dir.filePath("card");
        QVERIFY(TestCard::generate(card, 1, 1, 1));
        const QString recording = card + "/CH1/event/" + FolderScanner::files(card + "/CH1/event", "vdd").value(0);
        const QJsonObject made = cli({"evidence", card, recording, _dir.filePath("out"), "--frame", "2",
                                      "--operator", "A. Tester", "--note", "rear collision"}, 0);
        const QString folder = made.value("folder").toString();
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(made.value("sha256sums").toString().size(), 64);
        QVERIFY(made.value("files").toInt() > 5);

        const QJsonObject checked = cli({"verify", folder}, 0);
        QCOMPARE(checked.value("ok").toBool(), true);
        QVERIFY(checked.value("checked").toInt() > 5);

        QVERIFY(QFile::remove(folder + "/derived/track.kml"));
        const QJsonObject spoiled = cli({"verify", folder}, 1);
        QCOMPARE(spoiled.value("missing").toArray(), QJsonArray{"derived/track.kml"});

        // A recording outside the card is refused, and the output folder stays empty.
        cli({"evidence", card, _dir.filePath("elsewhere.vdd"), _dir.filePath("none")}, 1);
        QVERIFY(QDir(_dir.filePath("none")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliEvidence)
#include "test_cli_evidence.moc"
