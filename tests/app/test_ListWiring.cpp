// The list page inside the real viewer: opening a card fills it, Load plays the first
// ticked file, rows of the play list and the trigger list move the video, Close and the
// list commands of the menus, and unloading the card.
#include "FileTableView.h"
#include "FileVideo.h"
#include "ListView.h"
#include "MainView.h"
#include "MainWindow.h"
#include "PlayListTable.h"
#include "PlayListView.h"
#include "SkinButton.h"
#include "SkinCheckButton.h"
#include "TriggerListView.h"
#include "VideoLayout.h"
#include "ViewerTestSupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

void clickRow(PlayListTable *table, int row)
{
    const QPoint centre = table->visualRect(table->model()->index(row, 0)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre);
}

} // namespace

class TestListWiring : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ViewerTest::setUpApplication();
        _card = _dir.filePath(QStringLiteral("card"));
        QVERIFY(ViewerTest::makeCard(_card, 3, 4));
    }

    void init()
    {
        _window = ViewerTest::makeWindow();
        QVERIFY(_window);
        _view = _window->mainView();
        _window->show();
        QVERIFY(_view->openFolderPath(_card));
    }

    void cleanup()
    {
        _window.reset();
    }

    void openingFillsTheLists()
    {
        QVERIFY(list()->isVisibleTo(_view));
        QCOMPARE(list()->eventTableView()->data().size(), _view->fileManager()->eventVideos().size());
        QCOMPARE(list()->normalTableView()->data().size(), 4);
        QCOMPARE(list()->logTableView()->data().size(), 1);
        QVERIFY(!_view->fileVideo());
    }

    void loadPlaysTheFirstTickedFile()
    {
        list()->eventTableView()->setChecked(1, true);
        list()->eventTableView()->setChecked(2, true);
        press(ListView::TagLoad);
        QCOMPARE(_view->fileVideo(), video(QStringLiteral("event"), 1));
        QCOMPARE(_view->fileVideo()->currentIndex(), 0);
        QCOMPARE(_view->speed(), 0.0);
        QVERIFY(list()->playListView()->isVisibleTo(_view));
        QCOMPARE(list()->playListView()->rowCount(), 2);
        QVERIFY(_view->videoLayout()->isVisibleTo(_view));
        // The event tab offers no trigger list.
        QVERIFY(!list()->buttonWithTag(ListView::TagShowTrigger)->isVisibleTo(_view));
    }

    void choosingAPlayListRowShowsThatFile()
    {
        ViewerTest::loadPlayList(_view, QStringLiteral("event"));
        _view->tagCommand(MainView::TagPlay);
        QCOMPARE(_view->speed(), 1.0);
        clickRow(list()->playListView()->tableView(), 2);
        QCOMPARE(_view->fileVideo(), video(QStringLiteral("event"), 2));
        QCOMPARE(_view->fileVideo()->currentIndex(), 0);
        // A user's choice pauses there.
        QCOMPARE(_view->speed(), 0.0);
        QVERIFY(!_view->fileVideo()->isPlaying());
        QCOMPARE(list()->playListView()->selectedRowIndex(), 2);
    }

    void closeButtonClosesTheVideo()
    {
        _view->tagCommand(MainView::TagNormalList);
        list()->normalTableView()->setChecked(3, true);
        press(ListView::TagLoad);
        QCOMPARE(_view->fileVideo(), video(QStringLiteral("normal"), 3));
        press(ListView::TagClose);
        QVERIFY(!_view->fileVideo());
        QVERIFY(list()->normalTableView()->isVisibleTo(_view));
        QVERIFY(!list()->playListView()->isVisibleTo(_view));
        QCOMPARE(list()->selectedTab(), QStringLiteral("normal"));
    }

    void listCommandsOfTheMenus()
    {
        _view->tagCommand(MainView::TagNormalList);
        QVERIFY(list()->normalTableView()->isVisibleTo(_view));
        QVERIFY(list()->skinButton(ListView::TagNormal)->pushMode());
        _view->tagCommand(MainView::TagSelectAll);
        QCOMPARE(list()->normalTableView()->checkedRows().size(), 4);
        QVERIFY(list()->checkButton(ListView::TagAll)->state());
        _view->tagCommand(MainView::TagUnselectAll);
        QVERIFY(list()->normalTableView()->checkedRows().isEmpty());
        QVERIFY(!list()->checkButton(ListView::TagAll)->state());

        // "Back to the file list" shows the tables but keeps the video.
        _view->tagCommand(MainView::TagEventList);
        list()->eventTableView()->setChecked(0, true);
        list()->didLoad();
        FileVideo *shown = _view->fileVideo();
        QVERIFY(shown);
        _view->tagCommand(MainView::TagFileList);
        QVERIFY(list()->eventTableView()->isVisibleTo(_view));
        QVERIFY(!list()->playListView()->isVisibleTo(_view));
        QCOMPARE(_view->fileVideo(), shown);
    }

    void triggerRowsMoveTheVideo()
    {
        qint64 withTriggers = -1;
        const QList<FileVideo *> &normals = _view->fileManager()->normalVideos();
        for (qint64 i = 0; i < normals.size() && withTriggers < 0; ++i) {
            if (!normals[i]->triggerList().isEmpty())
                withTriggers = i;
        }
        QVERIFY(withTriggers >= 0);
        ViewerTest::showRecording(_view, QStringLiteral("normal"), withTriggers);
        FileVideo *shown = _view->fileVideo();
        QCOMPARE(shown, normals[withTriggers]);

        SkinCheckButton *trigger = list()->checkButton(ListView::TagShowTrigger);
        QVERIFY(trigger->isVisibleTo(_view));
        QTest::mouseClick(trigger, Qt::LeftButton);
        TriggerListView *triggers = list()->triggerListView();
        QVERIFY(triggers->isVisibleTo(_view));
        QCOMPARE(triggers->triggers().size(), shown->triggerList().size());

        _view->tagCommand(MainView::TagPlay);
        const int last = int(triggers->triggers().size()) - 1;
        clickRow(triggers->tableView(), last);
        QCOMPARE(shown->currentIndex(), shown->triggerList()[last]);
        QCOMPARE(_view->speed(), 0.0);
        QCOMPARE(_view->fileVideo(), shown);
    }

    void logRowsAreAccepted()
    {
        _view->tagCommand(MainView::TagLogList);
        list()->logTableView()->setChecked(0, true);
        QSignalSpy loads(list(), &ListView::loadDataSelectedTab);
        AlertCatcher alerts;
        press(ListView::TagLoad);
        QCOMPARE(loads.count(), 1);
        QVERIFY(alerts.texts().isEmpty());
        QVERIFY(!_view->fileVideo());
        QVERIFY(list()->logTableView()->isVisibleTo(_view));
    }

    void unloadEmptiesTheLists()
    {
        ViewerTest::loadPlayList(_view, QStringLiteral("event"));
        _view->unload();
        QVERIFY(list()->eventTableView()->data().isEmpty());
        QVERIFY(list()->normalTableView()->data().isEmpty());
        QVERIFY(!list()->playListView()->isVisibleTo(_view));
        QVERIFY(!_view->fileVideo());
    }

private:
    void press(int tag) { QTest::mouseClick(list()->buttonWithTag(tag), Qt::LeftButton); }
    ListView *list() const { return _view->listView(); }
    FileVideo *video(const QString &type, qint64 index) const
    {
        return _view->fileManager()->videoAtIndex(index, type);
    }

    QTemporaryDir _dir;
    QString _card;
    std::unique_ptr<MainWindow> _window;
    MainView *_view = nullptr;
};

QTEST_MAIN(TestListWiring)
#include "test_ListWiring.moc"
