// The print window: which frames a choice prints, and a report written through its worker.
#include "FileVideo.h"
#include "PrintWindow.h"
#include "TestCard.h"
#include "ui_PrintWindow.h"

#include <QTemporaryDir>
#include <QTest>

class TestPrintWindow : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    FileVideo *video = nullptr;  // 50 frames, 10 a second

private slots:
    void initTestCase()
    {
        TestCard::prepareEnvironment();
        QVERIFY(TestCard::writeRecording(dir.filePath("a.vdd"), TestCard::frames(50, TestCard::utc(2013, 7, 5, 9, 8, 7))));
        video = FileVideo::create(dir.path(), "a.vdd", FileVideo::Event, this);
        QVERIFY(video);
    }

    void indices_data()
    {
        QTest::addColumn<bool>("withVideo");
        QTest::addColumn<bool>("series");
        QTest::addColumn<int>("perSecond");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QList<qint64>>("frames");
        QTest::newRow("current") << true << false << 10 << 1 << QList<qint64>{20};
        QTest::newRow("5 a second for 1 s") << true << true << 5 << 1 << QList<qint64>{20, 22, 24, 26, 28};
        QTest::newRow("runs out at the end") << true << true << 1 << 4 << QList<qint64>{20, 30, 40};
        QTest::newRow("no recording") << false << false << 0 << 0 << QList<qint64>{};
    }
    void indices()
    {
        QFETCH(bool, withVideo);
        QFETCH(bool, series);
        QFETCH(int, perSecond);
        QFETCH(int, seconds);
        QFETCH(QList<qint64>, frames);
        PrintWindow window(nullptr, withVideo ? video : nullptr, 20);
        Ui::PrintWindow *ui = window.ui();
        QCOMPARE(ui->radioSelected->isEnabled(), withVideo);
        QCOMPARE(ui->comboFps->count(), withVideo ? 10 : 0);
        if (series) {
            ui->radioSelected->click();
            ui->comboFps->setCurrentIndex(perSecond - 1);
            ui->comboSec->setCurrentIndex(seconds - 1);
        }
        QCOMPARE(ui->comboFps->isEnabled(), series);
        ui->btnOK->click();
        QCOMPARE(window.result(), int(PrintWindow::Print));
        QCOMPARE(window.indices(), frames);
    }

    // The worker reads its own copy of the recording and leaves a whole PDF.
    void savesPdf()
    {
        PrintWindow window(nullptr, video, 3);
        window.ui()->btnOK->click();
        ReportPainter::Content content;
        content.video = video;
        content.indices = window.indices();
        const QString out = dir.filePath("r.pdf");
        QVERIFY(window.paintReport(content, nullptr, out));
        QVERIFY(TestCard::run("pdfinfo", {out}).contains("Pages:           2"));
    }
};

QTEST_MAIN(TestPrintWindow)
#include "test_print_window.moc"
