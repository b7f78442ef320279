// The command switch through the real main view: opening a card, closing, unloading, the
// preconditions and their alerts, zoom and list-tab commands, and the about box.
#include "ViewerTestSupport.h"

#include "AboutBox.h"
#include "CardWindow.h"
#include "BackupWindow.h"
#include "FileLoadProgress.h"
#include "FileLog.h"
#include "FileTableView.h"
#include "PrintWindow.h"
#include "ProductVariant.h"
#include "SkinButton.h"
#include "SkinDateTime.h"
#include "SkinGSensor.h"
#include "SkinGps.h"
#include "SkinGraph.h"
#include "SkinSpeed.h"
#include "Texts.h"
#include "VideoView.h"
#include "ui_PrintWindow.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

class TestCommands : public ViewerTestCase {
    Q_OBJECT

private slots:
    void openValidAndInvalidCards()
    {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("bad/CH1/event"))));
        const QString bad = dir.filePath(QStringLiteral("bad"));
        QSignalSpy load(_view, &MainView::listViewLoad);
        QVERIFY(!_view->openFolderPath(bad));
        QCOMPARE(_alerts->texts(), QStringList{Texts::text("msg_invalid_sd_folder")});
        QCOMPARE(_alerts->alerts().first().icon, QMessageBox::Critical);
        QVERIFY(!_view->isOpened());

        _alerts->clear();
        openCard();
        QVERIFY(_alerts->alerts().isEmpty() && _view->isOpened());
        QCOMPARE(_view->rootPath(), _card);
        QCOMPARE(load.count(), 1);
        QCOMPARE(_view->fileManager()->normalVideos().size(), 3);
    }

    // Cancelling the chooser or choosing no card keeps the open card with its lists.
    void chooserLeavesTheOpenCard()
    {
        QTemporaryDir dir;
        openCard();
        _alerts->clear();
        QVERIFY(runClosing<QFileDialog>(MainView::TagOpen));
        QVERIFY(_alerts->alerts().isEmpty());
        QVERIFY(runClosing<QFileDialog>(MainView::TagOpen, [&](QFileDialog *chooser) {
            chooser->selectFile(dir.path());
            static_cast<QDialog *>(chooser)->accept();
        }));
        QCOMPARE(_alerts->texts(), QStringList{Texts::text("msg_invalid_sd_folder")});
        QVERIFY(_view->isOpened());
        QCOMPARE(_view->rootPath(), _card);
        QCOMPARE(_view->listView()->tableView(QStringLiteral("event"))->data().size(), 2);
    }

    void cancelledLoadLeavesNoCard()
    {
        openCard();
        const auto cancel = connect(_view->fileManager(), &FileManager::loadedFileCount, this, [this] {
            QTest::mouseClick(_view->window()->findChild<FileLoadProgress *>()->cancelButton(), Qt::LeftButton);
        });
        QVERIFY(!_view->openFolderPath(_card));
        disconnect(cancel);
        QVERIFY(_alerts->alerts().isEmpty() && !_view->isOpened());
        QVERIFY(_view->fileManager()->eventVideos().isEmpty() && _view->fileManager()->logs().isEmpty());
        QVERIFY(_view->listView()->tableView(QStringLiteral("event"))->data().isEmpty());
    }

    // Skipped files are named in one warning, an overlong log with why it was left out.
    void skippedFilesAreNamed()
    {
        QTemporaryDir dir;
        QVERIFY(ViewerTest::makeCard(dir.path(), 1, 0));
        QVERIFY(QFile(dir.filePath(QStringLiteral("log/junk.log"))).open(QIODevice::WriteOnly));
        QVERIFY(TestCard::writeLog(dir.filePath(QStringLiteral("log/0000000009.log")),
                                   TestCard::utc(2026, 11, 21, 6, 0, 0), 3700));
        QVERIFY(_view->openFolderPath(dir.path()));
        const QStringList lines = _alerts->texts().value(0).split(u'\n');
        QCOMPARE(lines.value(0), Texts::text("msg_files_skipped").arg(2));
        QCOMPARE(QSet<QString>(lines.begin() + 1, lines.end()),
                 (QSet<QString>{QStringLiteral("log/junk.log"),
                                QStringLiteral("log/0000000009.log (%1)").arg(Texts::text("msg_log_too_many_records"))}));
        QCOMPARE(_alerts->alerts().first().icon, QMessageBox::Warning);
    }

    // Close resets the instruments and keeps the card; unloading then empties everything.
    void closeThenUnload()
    {
        openCard();
        show(QStringLiteral("event"), 0, 10);
        _view->tagCommand(MainView::TagPlay);
        QVERIFY(_view->skinGps()->isValid() || _view->skinSpeed()->isValid() ||
                _view->skinGSensorZ()->value() != 0.0);
        FileVideo *v = _view->fileVideo();
        _view->tagCommand(MainView::TagClose);
        QVERIFY(!v->isPlaying());
        QCOMPARE(_view->fileVideo(), nullptr);
        QCOMPARE(_view->speed(), 0.0);
        QVERIFY(!_view->skinSpeed()->isValid() && !_view->skinGps()->isValid());
        QCOMPARE(_view->skinGSensorZ()->value(), 0.0);
        QVERIFY(_view->videoLayout()->videoAtIndex(VideoLayout::CenterCell)->showsPlaceholder());
        // The date strip shows the computer's date again.
        QCOMPARE(int(_view->skinDateTime()->date().year), QDate::currentDate().year());
        QVERIFY(_view->isOpened());

        ViewerTest::loadPlayList(_view, QStringLiteral("normal"));
        QSignalSpy clear(_view, &MainView::listViewClear);
        _view->unload();
        QVERIFY(!_view->isOpened() && _view->fileManager()->eventVideos().isEmpty());
        QCOMPARE(clear.count(), 1);
        QVERIFY(_view->listView()->tableView(QStringLiteral("normal"))->data().isEmpty());
        QVERIFY(!_view->listView()->playListView()->isVisibleTo(_view));
        // Commands that need a card refuse now.
        _view->tagCommand(MainView::TagBackup);
        QCOMPARE(_alerts->texts(), QStringList{Texts::text("msg_no_event_loaded")});
    }

    void preconditionAlerts()
    {
        const QString noEvent = Texts::text("msg_no_event_loaded");
        for (int tag : {MainView::TagSaveJpg, MainView::TagSaveAvi, MainView::TagPrint,
                        MainView::TagBackup}) {
            _alerts->clear();
            _view->tagCommand(tag);
            QCOMPARE(_alerts->texts(), QStringList{noEvent});
            QCOMPARE(_alerts->alerts().first().icon, QMessageBox::Critical);
        }
        // The Tool button returns to rest after a refused device-settings command.
        SkinButton *tool = _view->buttonWithTag(MainView::TagToolMenu);
        tool->updateImage(SkinButton::StatePressed);
        _alerts->clear();
        _view->tagCommand(MainView::TagDeviceSetting);
        QCOMPARE(_alerts->texts(), QStringList{Texts::text("msg_no_sdcard")});
        QCOMPARE(tool->imageState(), int(SkinButton::StateNormal));

        // Play commands without a file and tags without a command show nothing.
        _alerts->clear();
        using enum CommandTag;
        // The bare numbers are skin keys of no command.
        for (int tag : {int(TagFastBackPlay), int(TagBackPlay), int(TagPlay), int(TagFastPlay),
                        int(TagMinimize), 26, 28, 31, 39, 42, 44, 47, 48, int(TagFullWindow),
                        int(TagFullScreen), 12345})
            _view->tagCommand(tag);
        QVERIFY(_alerts->alerts().isEmpty());
        QCOMPARE(_view->speed(), 0.0);
        QVERIFY(!_recorder->calls().contains(QStringLiteral("videoLayoutSetPause")));

        openCard();
        QSignalSpy backup(_view, &MainView::listViewBackup);
        QVERIFY(runClosing<BackupWindow>(MainView::TagBackup));
        QCOMPARE(backup.count(), 1);
    }

    void exportPreconditionsOnTheLogPage()
    {
        openCard();
        FileLog *log = _view->fileManager()->logAtIndex(0);
        QVERIFY(log);
        // A log record without a matching recording.
        _view->logLayoutSelectedLogLogIndexSelectByUser(log, 0, true);
        QCOMPARE(_view->logFileVideo(), nullptr);
        _alerts->clear();
        _view->tagCommand(MainView::TagSaveJpg);
        QCOMPARE(_alerts->texts(), QStringList{Texts::text("msg_no_preview_img")});
        _alerts->clear();
        // The print window still opens, with nothing to choose; closing it ends the command.
        bool withoutVideo = false;
        QVERIFY(runClosing<PrintWindow>(MainView::TagPrint, [&withoutVideo](PrintWindow *window) {
            withoutVideo = !window->ui()->radioCurrent->isEnabled();
        }));
        QVERIFY(withoutVideo);
        QVERIFY(_alerts->alerts().isEmpty());
    }

    void zoomCommandsReachBothGraphs()
    {
        QSignalSpy graph(_view, &MainView::skinGraphSetZoom);
        QSignalSpy logGraph(_view, &MainView::logGraphSetZoom);
        // The steps start from the graph's own zoom (3 at first), which follows them.
        _view->tagCommand(MainView::TagZoomIn);
        QCOMPARE(_view->skinGraph()->zoom(), 4.0);
        double zoom = 2.0;
        _view->partAnswers().graphZoom = [&zoom] { return zoom; };
        _view->tagCommand(MainView::TagZoomIn);
        _view->tagCommand(MainView::TagZoomOut);
        _view->tagCommand(MainView::TagDefaultZoom);
        for (int tag = MainView::TagGraphScale1; tag <= MainView::TagGraphScale4; ++tag)
            _view->tagCommand(tag);
        QList<double> zooms;
        for (const auto &args : graph)
            zooms << args.at(0).toDouble();
        QCOMPARE(zooms, (QList<double>{4.0, 3.0, 1.0, 3.0, 4.0, 3.0, 2.0, 1.0}));
        QCOMPARE(logGraph.count(), graph.count());
    }

    void listTabCommandsSwitchPages()
    {
        openCard();
        show(QStringLiteral("event"), 0, 0);
        QSignalSpy select(_view, &MainView::listViewSelectTab);
        QSignalSpy close(_view, &MainView::listViewClose);
        _view->tagCommand(MainView::TagLogList);
        QCOMPARE(select.first().at(0).toInt(), int(MainView::TagLogList));
        QCOMPARE(close.count(), 1);
        QCOMPARE(_view->fileVideo(), nullptr);
        QVERIFY(!_view->videoLayout()->isVisibleTo(_view));
        QVERIFY(!_view->buttonWithTag(MainView::TagSingleView)->isVisibleTo(_view));
        _view->tagCommand(MainView::TagNormalList);
        QCOMPARE(select.last().at(0).toInt(), int(MainView::TagNormalList));
        QVERIFY(_view->buttonWithTag(MainView::TagSingleView)->isVisibleTo(_view));
    }

    void aboutBoxTexts()
    {
        const QString unknown = Texts::text("gui_unknown");
        QCOMPARE(AboutBox::firmwareVersion(false, _card), unknown);
        QCOMPARE(AboutBox::firmwareVersion(true, _dir.filePath(QStringLiteral("missing"))), unknown);
        const QString ini = _dir.filePath(QStringLiteral("version/config/version.ini"));
        QVERIFY(QDir().mkpath(QFileInfo(ini).path()));
        for (const auto &[value, version] : {std::pair{"QT700_2.1", "2.1"}, {"QT700_2.1_20260101_x", "2.1"}, {"QT700", ""}}) {
            QVERIFY(TestCard::writeFile(ini, QByteArray("[SET]\r\nVERSION=") + value + "\r\n"));
            QCOMPARE(AboutBox::firmwareVersion(true, _dir.filePath(QStringLiteral("version"))), *version ? QString::fromLatin1(version) : unknown);
        }

        // The information lines of each product: first line, then the two versions.
        const QStringList versions{Texts::text("gui_pc_version") + QStringLiteral(" : 1.2.0"),
                                   Texts::text("gui_machine_version") + QStringLiteral(" : 1.0.4")};
        for (const auto &[kind, count] : {std::pair{ProductVariant::Tumbo, 5}, {ProductVariant::Tremolax, 3}}) {
            const QStringList lines = AboutBox::informativeText(kind, QStringLiteral("1.2.0"), QStringLiteral("1.0.4")).split(u'\n');
            QCOMPARE(lines.size(), count);
            QCOMPARE(lines.mid(1, 2), versions);
        }
        QCOMPARE(ProductVariant::kindOf(QStringLiteral("com.example.other")), ProductVariant::Tumbo);
    }

    void aboutCommandShowsTheBox()
    {
        openCard();
        QString informative;
        _alerts->answer = [&informative](QMessageBox *box) -> QAbstractButton * {
            informative = box->informativeText();
            return box->defaultButton();
        };
        QTest::mouseClick(_view->buttonWithTag(MainView::TagAbout), Qt::LeftButton);
        QTRY_COMPARE(_alerts->alerts().size(), 1);
        QCOMPARE(_alerts->alerts().first().text, QStringLiteral("Tumbo Viewer ") + Texts::text("gui_information"));
        QVERIFY(informative.contains(QStringLiteral(" : 1.0.4")));
    }

    void cardCommands_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("opened");
        QTest::newRow("format cancelled") << int(MainView::TagFormatCard) << false << true;
        QTest::newRow("format confirmed") << int(MainView::TagFormatCard) << true << false;
        QTest::newRow("eject") << int(MainView::TagEjectCard) << false << false;
    }

    // Going ahead closes the card before its window opens; cancelling keeps it.
    void cardCommands()
    {
        QFETCH(int, tag);
        QFETCH(bool, confirm);
        openCard();
        _alerts->answer = [confirm](QMessageBox *box) -> QAbstractButton * {
            for (QAbstractButton *button : box->buttons())
                if (confirm && box->buttonRole(button) == QMessageBox::AcceptRole)
                    return button;
            return box->defaultButton();
        };
        runClosing<CardWindow>(tag);
        QTEST(_view->isOpened(), "opened");
        QCOMPARE(_alerts->texts().contains(Texts::text("msg_init_sdcard")), tag == MainView::TagFormatCard);
        QCOMPARE(_view->buttonWithTag(MainView::TagToolMenu)->imageState(), int(SkinButton::StateNormal));
    }

private:
    // Runs a command, closing the modal window of type T it opens as the user would (after
    // `look` has seen it); whether one opened.
    template <class T>
    bool runClosing(int tag, const std::function<void(T *)> &look = {})
    {
        bool opened = false;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (auto *window = qobject_cast<T *>(QApplication::activeModalWidget())) {
                opened = true;
                if (look)
                    look(window);
                window->close();
            }
        });
        closer.start(10);
        _view->tagCommand(tag);
        return opened;
    }
};

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
