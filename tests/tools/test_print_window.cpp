// The print window: which frames a choice prints, and a report written through its worker.
#include "FileVideo.h"
#include "PrintWindow.h"
#include "TestCard.h"
#include "ui_PrintWindow.h"

#include <QTemporaryDir>
#include <QTest>

struct Row { bool withVideo{}; bool series{}; int perSecond{}; int seconds{}; QList<qint64> frames; };

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
        QTest::addColumn<Row>("row");
        QTest::newRow("current") << Row{true, false, 10, 1, {20}};
        QTest::newRow("5 a second for 1 s") << Row{true, true, 5, 1, {20, 22, 24, 26, 28}};
        QTest::newRow("runs out at the end") << Row{true, true, 1, 4, {20, 30, 40}};
        QTest::newRow("no recording") << Row{false, false, 0, 0, {}};
    }
    void indices()
    {
        QFETCH(Row, row);
        PrintWindow window(nullptr, row.withVideo ? video : nullptr, 20);
        Ui::PrintWindow *ui = window.ui();
        QCOMPARE(ui->radioSelected->isEnabled(), row.withVideo);
        QCOMPARE(ui->comboFps->count(), row.withVideo ? 10 : 0);
        if (row.series) {
            ui->radioSelected->click();
            ui->comboFps->setCurrentIndex(row.perSecond - 1);
            ui->comboSec->setCurrentIndex(row.seconds - 1);
        }
        QCOMPARE(ui->comboFps->isEnabled(), row.series);
        ui->btnOK->click();
        QCOMPARE(window.result(), int(PrintWindow::Print));
        QCOMPARE(window.indices(), row.frames);
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
