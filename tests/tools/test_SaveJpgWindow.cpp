// The still-picture window: its lists come from the recording; OK saves on the worker.
#include "FileVideo.h"
#include "SaveJpgWindow.h"
#include "StillExport.h"
#include "TestCard.h"
#include "Texts.h"
#include "ui_SaveJpgWindow.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestSaveJpgWindow : public QObject {
    Q_OBJECT
    QTemporaryDir _dir;

private slots:
    void initTestCase() { TestCard::prepareEnvironment(); }

    void listsAndSave_data()
    {
        QTest::addColumn<int>("fps");  // as the telemetry says; frames are 3 s at 30 a second
        QTest::newRow("30 frames a second") << 30;
        QTest::newRow("rate unreadable") << 0;
    }
    void listsAndSave()
    {
        QFETCH(int, fps);
        const QString path = _dir.filePath(QStringLiteral("rec%1.vdd").arg(fps));
        auto frames = TestCard::framesAt(90, TestCard::utc(2013, 7, 5, 9, 8, 7), 30);
        for (auto &frame : frames)
            frame.framesPerSecond = uint16_t(fps);
        QVERIFY(TestCard::writeRecording(path, frames));
        const std::unique_ptr<FileVideo> video = StillExport::open(path);
        SaveJpgWindow window(nullptr, video.get(), 0, DisplayFormat());
        Ui::SaveJpgWindow *ui = window.ui();
        QCOMPARE(ui->comboFps->count(), fps);
        QCOMPARE(ui->comboSec->count(), 2);
        QCOMPARE(ui->radioSelected->isEnabled(), fps > 0);
        if (fps == 0)
            return;
        QTemporaryDir out;
        ui->textFolder->setText(out.path());
        ui->radioSelected->click();
        ui->comboFps->setCurrentIndex(6);  // 7 a second: every 4th frame over 1 s
        AlertCatcher alerts;
        ui->btnOK->click();
        QCOMPARE(alerts.texts().size(), 1);
        QVERIFY(alerts.texts().first().startsWith(Texts::text("msg_save_jpeg_ok")));
        QVERIFY(alerts.texts().first().contains(QDir::toNativeSeparators(out.path())));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files).size(), 8);
    }
};

QTEST_MAIN(TestSaveJpgWindow)
#include "test_SaveJpgWindow.moc"
