// The log page inside the real viewer, with the two logs of a generated card.
#include "CardGenerator.h"
#include "FileLog.h"
#include "FileTableView.h"
#include "LogLayout.h"
#include "LogResultModel.h"
#include "MainView.h"
#include "MainWindow.h"
#include "SkinLogGraph.h"
#include "VideoView.h"
#include "ViewerTestSupport.h"
#include "vexa_time.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

class TestLogPage : public QObject {
    Q_OBJECT

    QTemporaryDir _dir;
    QString _card;
    std::unique_ptr<MainWindow> _window;
    MainView *_view = nullptr;
    LogLayout *_page = nullptr;

    FileLog *log(int i) const { return _view->fileManager()->logAtIndex(i); }
    // The page's rows as "log.record" with their numbers checked to run from 1.
    QStringList pageRows() const
    {
        QStringList rows;
        for (const LogResultModel::Row &row : _page->results()->rows()) {
            if (row.number != rows.size() + 1)
                return {QStringLiteral("bad number")};
            rows << QStringLiteral("%1.%2").arg(_page->logFiles().indexOf(row.file)).arg(row.index);
        }
        return rows;
    }
    QStringList cliRows(const QStringList &args, int *code) const
    {
        const QByteArray out = TestCard::run(QStringLiteral(TUMBO_CLI_PATH), QStringList{QStringLiteral("search")} + args, code);
        QStringList rows;
        for (const QJsonValue &row : QJsonDocument::fromJson(out)["rows"].toArray())
            rows << QStringLiteral("%1.%2").arg(args.indexOf(row["log"].toString())).arg(row["index"].toInteger());
        return rows;
    }

private slots:
    void initTestCase()
    {
        ViewerTest::setUpApplication();
        _card = _dir.filePath(QStringLiteral("card"));
        CardGenerator::Options options;
        options.eventCount = 2;
        options.normalCount = 3;
        options.recordingSeconds = 3;
        options.resolution = QSize(160, 120);
        options.logCount = 2;
        options.logSeconds = 60;
        QVERIFY(CardGenerator(options).generate(_card));
    }
    void init()
    {
        _window = ViewerTest::makeWindow();
        _view = _window->mainView();
        _window->show();
        QVERIFY(_view->openFolderPath(_card));
        _page = qobject_cast<LogLayout *>(_view->logLayout());
        QVERIFY(_page);
        _view->tagCommand(MainView::TagLogList);
        _view->listView()->logTableView()->checkAll(true);
        _view->listView()->didLoad();
    }
    void cleanup() { _window.reset(); }

    void loadSearchAndChooseARow()
    {
        QVERIFY(_page->isVisible() && !_view->videoLayout()->isVisible());
        QCOMPARE(_page->logFiles(), (QList<FileLog *>{log(0), log(1)}));
        QCOMPARE(ViewerTest::lastDistanceLines().size(), 2);
        QVERIFY(ViewerTest::lastDistanceLines()[1].startsWith(QStringLiteral("0000000002_2026.11.21 [")));
        QCOMPARE(_view->fileLog(), log(0));

        // X at 0 g or more: every record, numbered on across both logs.
        _page->checkBox(LogLayout::TagGSensor)->setChecked(true);
        _page->checkBox(LogLayout::TagAxisX)->setChecked(true);
        _page->sensorField(0)->setText(QStringLiteral("0.00"));
        _page->didSearch();
        const QStringList all = pageRows();
        QCOMPARE(all.size(), 120);
        QCOMPARE(all[60], QStringLiteral("1.0"));

        // The first row with a picture: the read-out, the picture and the cursor follow.
        int row = 0;
        auto recordOf = [](const LogResultModel::Row &r) { return r.file->logAtIndex(r.index); };
        while (row < 120 && !_page->infoAtTimestamp(recordOf(_page->results()->rows()[row]), true).file)
            ++row;
        const LogResultModel::Row chosen = _page->results()->rows().value(row);
        QVERIFY(chosen.file);
        QTableView *table = _page->tableView();
        table->scrollTo(table->model()->index(row, 1));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(table->model()->index(row, 1)).center());
        const _vexa_log_info_t &record = chosen.file->logAtIndex(chosen.index);
        QCOMPARE(_view->fileLog(), chosen.file.data());
        QCOMPARE(_view->fileLog()->currentIndex(), chosen.index);
        QCOMPARE(_page->readoutTexts().value(0), DisplayFormat().dateString(record.time));
        QVERIFY(_view->logFileVideo() && !_page->videoView()->showsPlaceholder());
        QCOMPARE(_page->logGraph()->cursorRect().center().x(),
                 _page->logGraph()->xOfMsec(time_to_msec(record.time)));

        // tumbo-cli search gives the page's rows; logs out of order exit 1.
        _page->checkBox(LogLayout::TagGSensor)->setChecked(false);
        _page->checkBox(LogLayout::TagSpeed)->setChecked(true);
        _page->speedField()->setText(QStringLiteral("20"));
        _page->didSearch();
        int code = -1;
        const QStringList cli = cliRows({log(0)->path(), log(1)->path(), QStringLiteral("--speed"),
                                         QStringLiteral("20")}, &code);
        QCOMPARE(code, 0);
        QVERIFY(!cli.isEmpty());
        QCOMPARE(cli, pageRows());
        cliRows({log(1)->path(), log(0)->path()}, &code);
        QCOMPARE(code, 1);
    }

    void playRunsAcrossTheLogs()
    {
        _view->logLayoutSelectedLogLogIndexSelectByUser(log(0), 58, true);
        for (int i = 0; i < 4; ++i)
            _view->tagCommand(MainView::TagFastPlay);
        QTRY_COMPARE_WITH_TIMEOUT(_view->fileLog(), log(1), 5000);
        QVERIFY(log(1)->isPlaying());
        QCOMPARE(_view->speed(), 16.0);
        _view->tagCommand(MainView::TagStop);

        _view->logLayoutSelectedLogLogIndexSelectByUser(log(1), 1, true);
        _view->tagCommand(MainView::TagFastBackPlay);
        QTRY_COMPARE_WITH_TIMEOUT(_view->fileLog(), log(0), 5000);
        QVERIFY(log(0)->currentIndex() >= 57);
        QCOMPARE(_view->speed(), -2.0);
        _view->tagCommand(MainView::TagStop);
    }

    void refusedOrderLeavesThePage()
    {
        QVERIFY(!_page->setData({ListRow{1}, ListRow{0}}));
        QCOMPARE(_page->logFiles(), (QList<FileLog *>{log(0), log(1)}));
        QCOMPARE(_page->logGraph()->logCount(), 2);
    }

    void escapeKeepsThePage()
    {
        QTest::keyClick(_window.get(), Qt::Key_Escape);
        QVERIFY(_page->isVisible());
        QVERIFY(!_view->videoLayout()->isVisible());
    }
};

QTEST_MAIN(TestLogPage)
#include "test_LogPage.moc"
