#include "TestCard.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// export-csv, export-kml, export-gpx and export-geojson of the built tumbo-cli on generated logs.
class TestCliExports : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase()
    {
        // Two logs back to back: 20 s from 09:08:07 UTC, then 10 s.
        QVERIFY(TestCard::writeLog(dir_.filePath("a.log"), TestCard::utc(2013, 7, 5, 9, 8, 7), 20));
        QVERIFY(TestCard::writeLog(dir_.filePath("b.log"), TestCard::utc(2013, 7, 5, 9, 8, 27), 10));
    }

    void exports_data()
    {
        QTest::addColumn<QString>("args");  // OUT stands for the output file
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("json");  // expected fields; or text the output file holds
        QTest::newRow("csv") << "export-csv OUT a.log b.log" << "C" << 0 << R"({"logs":2,"records":30})";
        QTest::newRow("kml") << "export-kml OUT a.log b.log" << "C" << 0
                             << R"({"logs":2,"placemarks":3,"track_points":6})";
        QTest::newRow("kml every record") << "export-kml OUT a.log b.log --point 0 --height altitude" << "C" << 0
                                          << R"({"logs":2,"placemarks":30,"track_points":6})";
        QTest::newRow("gpx") << "export-gpx OUT a.log b.log" << "C" << 0 << R"({"logs":2,"points":30})";
        QTest::newRow("geojson") << "export-geojson OUT a.log b.log" << "C" << 0 << R"({"logs":2,"points":30,"events":0})";
        // a.log stands still inside the zone, b.log too.
        QTest::newRow("gpx privacy") << "export-gpx OUT a.log b.log --privacy 37.525,126.97,10" << "C" << 0 << R"({"points":0})";
        QTest::newRow("kml gx:Track") << "export-kml OUT a.log --gx-track" << "C" << 0 << "<gx:Track>|<gx:coord>";
        QTest::newRow("bad privacy") << "export-geojson OUT a.log --privacy 91,0,10" << "C" << 2 << "";
        QTest::newRow("kml in English") << "export-kml OUT a.log" << "en_US.UTF-8" << 0
                                        << "<name>GPS-Track by TUMBO</name>|Speed&nbsp;:&nbsp;18&nbsp;Km/h";
        QTest::newRow("kml in German") << "export-kml OUT a.log --units 1" << "de_DE.UTF-8" << 0
                                       << "Geschwindigkeit&nbsp;:&nbsp;11&nbsp;MPH";
        QTest::newRow("refused log") << "export-csv OUT a.log missing.log" << "C" << 1 << "";
        QTest::newRow("missing folder") << "export-kml none/x.kml a.log" << "C" << 1 << "";
        QTest::newRow("no log") << "export-gpx OUT" << "C" << 2 << "";
        QTest::newRow("bad units") << "export-kml OUT a.log --units 3" << "C" << 2 << "";
        QTest::newRow("csv option") << "export-csv OUT a.log --point 1" << "C" << 2 << "";
    }
    void exports()
    {
        QFETCH(QString, args);
        QFETCH(QString, language);
        QFETCH(int, code);
        QFETCH(QString, json);
        const QString out = dir_.filePath(QStringLiteral("out.%1").arg(QTest::currentDataTag()).replace(u' ', u'_'));
        QVERIFY(TestCard::writeFile(out, "old\n"));
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANGUAGE", "LANG", "LC_ALL"})
            env.insert(QString::fromLatin1(name), language);
        cli.setProcessEnvironment(env);
        cli.setWorkingDirectory(dir_.path());
        cli.start(QStringLiteral(TUMBO_CLI_PATH), args.replace(QStringLiteral("OUT"), out).split(u' '));
        QVERIFY(cli.waitForFinished(120000));
        QCOMPARE(cli.exitCode(), code);
        const QByteArray written = TestCard::readFile(out);
        if (code != 0) {
            QCOMPARE(written, QByteArray("old\n"));
            QVERIFY(cli.readAllStandardOutput().isEmpty());
            QVERIFY(!cli.readAllStandardError().isEmpty());
            QVERIFY(!QFileInfo::exists(dir_.filePath("none")));
            return;
        }
        const QJsonObject result = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        QCOMPARE(result.value("file").toString(), out);
        if (json.startsWith(u'{')) {
            const QJsonObject expected = QJsonDocument::fromJson(json.toUtf8()).object();
            for (auto it = expected.begin(); it != expected.end(); ++it)
                QCOMPARE(result.value(it.key()), it.value());
        } else {
            for (const QString &text : json.split(u'|'))
                QVERIFY2(written.contains(text.toUtf8()), qPrintable(text));
        }
    }
};

QTEST_GUILESS_MAIN(TestCliExports)
#include "test_cli_exports.moc"
