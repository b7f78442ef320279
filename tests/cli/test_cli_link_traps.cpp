// Links a card may carry in place of its own files and folders, leading to a file outside
// it: saving settings and backing up neither change nor copy what lies outside.
#include "TestCard.h"

#include <QDir>
#include <QDirIterator>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray Secret = "a private file outside the card\n";

// Every file below root with its bytes.
QMap<QString, QByteArray> contents(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), TestCard::readFile(path));
    }
    return files;
}

} // namespace

class TestCliLinkTraps : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TestCard::prepareEnvironment(); }

    void trap_data()
    {
        QTest::addColumn<QString>("link");  // the card's entry that leads outside
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<int>("code");
        const QStringList save{"config", "CARD", "--set", "VEHICLEID=TRAP"};
        const QStringList backup{"backup", "CARD", "DEST", "--all"};
        QTest::newRow("config folder, settings saved") << "config" << save << 1;
        QTest::newRow("config folder, backup") << "config" << backup << 0;
        QTest::newRow("set.ini, backup") << "config/set.ini" << backup << 0;
        QTest::newRow("version.ini, backup") << "config/version.ini" << backup << 0;
        QTest::newRow("sidecar, backup") << "SIDECAR" << backup << 0;
    }

    void trap()
    {
        QFETCH(QString, link);
        QFETCH(QStringList, command);
        QTemporaryDir dir;
        const QString card = dir.filePath("card"), dest = dir.filePath("backup"), outside = dir.filePath("outside");
        QVERIFY(TestCard::generate(card, 1, 1, 1) && QDir().mkpath(outside));
        for (const char *name : {"set.dat", "set.ini", "version.ini", "secret"})
            QVERIFY(TestCard::writeFile(outside + "/" + name, Secret));
        if (link == "SIDECAR")
            link = "CH1/event/" + QDir(card + "/CH1/event").entryList({"*.vdd"}).value(0).replace(".vdd", ".vdx");
        const QString entry = card + "/" + link;
        QVERIFY(QFileInfo(entry).isDir() ? QDir(entry).removeRecursively() : (!QFileInfo::exists(entry) || QFile::remove(entry)));
        QVERIFY(QFile::link(link == "config" ? outside : outside + "/secret", entry));
        const auto before = contents(outside);

        int code = -1;
        const QByteArray out = TestCard::run(TUMBO_CLI_PATH, command.replaceInStrings("CARD", card).replaceInStrings("DEST", dest), &code);
        QTEST(code, "code");
        QCOMPARE(contents(outside), before);
        const auto copied = contents(dest);
        for (auto it = copied.cbegin(); it != copied.cend(); ++it)
            QVERIFY2(it.value() != Secret, qPrintable(it.key()));
        if (command.first() == "backup")
            QVERIFY(QJsonDocument::fromJson(out).object().value("skipped").toInt() >= 1);
    }
};

QTEST_GUILESS_MAIN(TestCliLinkTraps)
#include "test_cli_link_traps.moc"
