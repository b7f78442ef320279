#include "ExportCSVWindow.h"
#include "ExportKMLWindow.h"
#include "ui_ExportCSVWindow.h"
#include "ui_ExportKMLWindow.h"
#include "FileManager.h"
#include "TestCard.h"
#include "Texts.h"

#include <QDesktopServices>
#include <QTemporaryDir>
#include <QtTest>

// format: csv, kml, gpx or geojson; folder: under the test folder; replace: an old file is there
// and the user says OK; alert: the key of the message shown, if any
struct Row { QString format; QString folder; bool replace{}; QString alert; bool written{}; };

// The CSV and KML windows on a generated card: what the user is told, what lands on disk,
// and what is opened afterwards.
class TestTrackWindows : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    FileManager files_;
    QList<ListRow> rows_;
    QList<QUrl> opened_;

public slots:
    void open(const QUrl &url) { opened_.append(url); }

private slots:
    void initTestCase()
    {
        TestCard::prepareEnvironment();
        QVERIFY(TestCard::generate(dir_.filePath("card"), 0, 0, 2));
        QVERIFY(files_.loadFiles(dir_.filePath("card")));
        for (const qint64 idx : {0, 1}) {
            rows_.append(ListRow());
            rows_.last().idx = idx;
        }
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    void start_data()
    {
        QTest::addColumn<Row>("row");
        QTest::newRow("csv") << Row{"csv", "out", false, "msg_save_csvfile_ok", true};
        QTest::newRow("csv kept") << Row{"csv", "out", false, "msg_samefile_overwrite", false};
        QTest::newRow("csv replaced") << Row{"csv", "out", true, "msg_save_csvfile_ok", true};
        QTest::newRow("csv unwritable") << Row{"csv", "missing", false, "msg_save_file_fail", false};
        QTest::newRow("kml") << Row{"kml", "out", false, "msg_save_track_ok", true};
        QTest::newRow("gpx") << Row{"gpx", "out", false, "msg_save_track_ok", true};
        QTest::newRow("geojson") << Row{"geojson", "out", false, "msg_save_track_ok", true};
        QTest::newRow("kml unwritable") << Row{"kml", "missing", false, "msg_save_file_fail", false};
    }
    void start()
    {
        QFETCH(Row, row);
        QDir(dir_.path()).mkpath(QStringLiteral("out"));
        const QString path = dir_.filePath(row.folder + "/20261121_080000." + row.format);
        const bool old = QTest::currentDataTag() == QByteArrayLiteral("csv kept") || row.replace;
        QFile::remove(path);
        if (old)
            QVERIFY(TestCard::writeFile(path, "old\n"));
        AlertCatcher alerts;
        alerts.pressing(row.replace ? QStringList{"gui_ok"} : QStringList{});
        opened_.clear();

        std::unique_ptr<ToolWindow> window;
        if (row.format == u"csv") {
            auto *csv = new ExportCSVWindow(rows_, files_, DisplayFormat());
            csv->ui()->textFolder->setText(dir_.filePath(row.folder));
            window.reset(csv);
            QCOMPARE(csv->path(), path);
            csv->btnStartClicked();
            QCOMPARE(csv->ui()->labelCount->text(), row.written ? QStringLiteral("2/2") : QStringLiteral("0/2"));
        } else {
            auto *kml = new ExportKMLWindow(rows_, files_, QStringLiteral("GPS-Track"), DisplayFormat());
            kml->ui()->textFolder->setText(dir_.filePath(row.folder));
            kml->ui()->comboFormat->setCurrentIndex(row.format == u"gpx" ? 1 : row.format == u"geojson" ? 2 : 0);
            window.reset(kml);
            QCOMPARE(kml->path(), path);
            QCOMPARE(kml->windowTitle(), Texts::text(row.format == u"kml" ? "gui_kml_convert" : row.format == u"gpx"
                                                         ? "gui_gpx_convert" : "gui_geojson_convert"));
            QCOMPARE(kml->ui()->checkGxTrack->isEnabled(), row.format == u"kml");
            kml->btnStartClicked();
        }
        const QString last = alerts.texts().value(alerts.texts().size() - 1);
        QVERIFY2(row.alert.isEmpty() ? last.isEmpty() : last.startsWith(Texts::text(row.alert).section(u'%', 0, 0)),
                 qPrintable(last));
        // Every message names the file or folder it is about.
        if (!row.alert.isEmpty())
            QVERIFY2(last.contains(QDir::toNativeSeparators(dir_.filePath(row.folder))), qPrintable(last));
        QCOMPARE(QFileInfo::exists(path) && TestCard::readFile(path) != "old\n", row.written);
        QCOMPARE(opened_, row.format != u"csv" && row.written ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>{});
        // The typed folder is the one the next window of the kind starts with.
        const QString typed = QDir::toNativeSeparators(dir_.filePath(row.folder));
        if (row.format == u"csv")
            QCOMPARE(ExportCSVWindow(rows_, files_, DisplayFormat()).ui()->textFolder->text(), typed);
        else
            QCOMPARE(ExportKMLWindow(rows_, files_, QString(), DisplayFormat()).ui()->textFolder->text(), typed);
    }
};

QTEST_MAIN(TestTrackWindows)
#include "test_TrackWindows.moc"
