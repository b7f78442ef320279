// The list page inside the real viewer: Load plays the first ticked file, rows of the play
// list and the trigger list move the video, Close and the list commands of the menus.
#include "FileTableView.h"
#include "SkinCheckButton.h"
#include "TriggerListView.h"
#include "ViewerTestSupport.h"

#include <algorithm>

class TestListWiring : public ViewerTestCase {
    Q_OBJECT
public:
    TestListWiring() : ViewerTestCase(3, 4, true) {}

private slots:
    void loadPlaysTheFirstTickedFile()
    {
        list()->eventTableView()->setChecked(1, true);
        list()->eventTableView()->setChecked(2, true);
        press(ListView::TagLoad);
        QCOMPARE(state(), QStringLiteral("event 1 frame 0 speed 0 paused"));
        QCOMPARE(list()->playListView()->rowCount(), 2);
        // The event tab offers no trigger list.
        QVERIFY(!list()->buttonWithTag(ListView::TagShowTrigger)->isVisibleTo(_view));

        // A user's choice of row shows that file and pauses there.
        _view->tagCommand(MainView::TagPlay);
        ViewerTest::clickRow(list()->playListView()->tableView(), 1);
        QCOMPARE(state(), QStringLiteral("event 2 frame 0 speed 0 paused"));
        QCOMPARE(list()->playListView()->selectedRowIndex(), 1);
    }

    // Close ends the video; "back to the file list" keeps it.
    void leavingThePlayList()
    {
        _view->tagCommand(MainView::TagNormalList);
        list()->normalTableView()->setChecked(3, true);
        press(ListView::TagLoad);
        _view->tagCommand(MainView::TagFileList);
        QVERIFY(list()->normalTableView()->isVisibleTo(_view));
        QVERIFY(!list()->playListView()->isVisibleTo(_view));
        QCOMPARE(state(), QStringLiteral("normal 3 frame 0 speed 0 paused"));
        press(ListView::TagLoad);
        press(ListView::TagClose);
        QCOMPARE(state(), QStringLiteral("no video"));
        QVERIFY(list()->normalTableView()->isVisibleTo(_view));
    }

    void triggerRowsMoveTheVideo()
    {
        const QList<FileVideo *> &normals = _view->fileManager()->normalVideos();
        const auto found = std::find_if(normals.begin(), normals.end(),
                                        [](FileVideo *v) { return !v->triggerList().isEmpty(); });
        QVERIFY(found != normals.end());
        FileVideo *shown = *found;
        show(QStringLiteral("normal"), found - normals.begin());
        QTest::mouseClick(list()->checkButton(ListView::TagShowTrigger), Qt::LeftButton);
        TriggerListView *triggers = list()->triggerListView();
        QVERIFY(triggers->isVisibleTo(_view));
        QCOMPARE(triggers->triggers().size(), shown->triggerList().size());

        _view->tagCommand(MainView::TagPlay);
        const int last = int(triggers->triggers().size()) - 1;
        ViewerTest::clickRow(triggers->tableView(), last);
        QCOMPARE(state(), QStringLiteral("normal %1 frame %2 speed 0 paused")
                              .arg(found - normals.begin()).arg(shown->triggerList()[last]));
    }

private:
    void press(int tag) { QTest::mouseClick(list()->buttonWithTag(tag), Qt::LeftButton); }
    ListView *list() const { return _view->listView(); }
};

QTEST_MAIN(TestListWiring)
#include "test_ListWiring.moc"
