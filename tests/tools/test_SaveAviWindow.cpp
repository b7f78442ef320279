#include "FileVideo.h"
#include "Preferences.h"
#include "SaveAviWindow.h"
#include "TestCard.h"
#include "Texts.h"
#include "ui_SaveAviWindow.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

struct Row { QString name; bool exists{}; bool replace{}; QStringList alerts; bool written{}; };

class TestSaveAviWindow : public QObject {
    Q_OBJECT

    QTemporaryDir _dir;
    std::unique_ptr<FileVideo> _video;

private slots:
    void initTestCase()
    {
        TestCard::prepareEnvironment();
        QVERIFY(TestCard::writeRecording(_dir.filePath("rec.vdd"),
                                         TestCard::frames(25, TestCard::utc(2013, 7, 5, 0, 8, 7))));
        _video.reset(FileVideo::create(_dir.path(), "rec.vdd", FileVideo::Event));
        QVERIFY(_video);
        Preferences::setStringValue(Preferences::AviFolder, _dir.path());
    }

    void opensWithTheRecordingsChoices()
    {
        SaveAviWindow window(_video.get(), 3, _dir.path(), DisplayFormat());
        Ui::SaveAviWindow *ui = window.ui();
        QCOMPARE(ui->textName->text(), "20130705_020807");  // local time, Berlin summer
        QCOMPARE(ui->comboFps->count(), 10);
        QCOMPARE(ui->comboFps->currentText(), "10");
        QCOMPARE(ui->comboQuality->currentText(), Texts::text("gui_high"));
        QVERIFY(ui->btnStart->isEnabled() && !ui->btnCancel->isEnabled());
        // Captions below the picture and the telemetry as subtitles by default; no overlay.
        QVERIFY(ui->chkBand->isChecked() && ui->chkSubtitles->isChecked() && !ui->chkOverlay->isChecked());
        QCOMPARE(window.moviePath(), _dir.filePath("20130705_020807.mp4"));
    }

    void start_data()
    {
        QTest::addColumn<Row>("row");
        QTest::newRow("new movie") << Row{"a", false, false, {"msg_avi_ok"}, true};
        QTest::newRow("keep existing") << Row{"b", true, false, {"msg_samefile_overwrite"}, false};
        QTest::newRow("replace existing") << Row{"c", true, true, {"msg_samefile_overwrite", "msg_avi_ok"}, true};
        QTest::newRow("no name") << Row{"", false, false, {"msg_enter_filename"}, false};
    }

    void start()
    {
        QFETCH(Row, row);
        SaveAviWindow window(_video.get(), 0, _dir.path(), DisplayFormat());
        window.ui()->textName->setText(row.name);
        const QString path = window.moviePath();
        if (row.exists)
            QVERIFY(TestCard::writeFile(path, "old movie"));
        AlertCatcher catcher;
        catcher.pressing(row.replace ? QStringList{"gui_ok"} : QStringList{});
        window.btnStart();
        // Each message starts with its text; the file it is about follows.
        QCOMPARE(catcher.texts().size(), row.alerts.size());
        for (qsizetype i = 0; i < row.alerts.size(); ++i)
            QVERIFY2(catcher.texts()[i].startsWith(Texts::text(qPrintable(row.alerts[i]))),
                     qPrintable(catcher.texts()[i]));
        QCOMPARE(window.result(), row.written);
        QCOMPARE(QFileInfo(path).size() > 1000, row.written);
        QVERIFY(window.ui()->btnStart->isEnabled());
    }
};

QTEST_MAIN(TestSaveAviWindow)
#include "test_SaveAviWindow.moc"
