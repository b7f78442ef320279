// The play list and the trigger list: loading, choosing rows by mouse and keyboard, the
// moves of continuous play and map clicks, trigger rows of a generated normal recording,
// the "no trigger" row, and how the rows are drawn.
#include "FileManager.h"
#include "FileVideo.h"
#include "TestCard.h"
#include "PlayListCell.h"
#include "PlayListTable.h"
#include "PlayListView.h"
#include "Texts.h"
#include "TriggerListView.h"

#include <QKeySequence>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>

namespace {

ListRow row(qint64 idx, int seq)
{
    return ListRow{idx, QString::number(seq), true,
                   QStringLiteral("2026.11.21 09:0%1:00").arg(seq), QStringLiteral("20 s")};
}

QList<ListRow> threeRows()
{
    return {row(4, 3), row(7, 5), row(9, 8)};
}

// The centre of a row's box, in the table's viewport.
QPoint rowCentre(PlayListTable *table, int row)
{
    return table->visualRect(table->model()->index(row, 0)).center();
}

void clickRow(PlayListTable *table, int row)
{
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rowCentre(table, row));
}

// A play list of threeRows() of type, shown at its size on the page.
struct ShownList : PlayListView {
    explicit ShownList(const QString &type)
    {
        resize(336, 290);
        show();
        loadData(threeRows(), type);
    }
};

// The (file, frame, by user) triples a signal spy caught, as text for comparing.
QString calls(const QSignalSpy &spy)
{
    QStringList list;
    for (const QList<QVariant> &args : spy)
        list << QStringLiteral("%1 %2 %3").arg(args[0].toLongLong()).arg(args[1].toLongLong()).arg(args[2].toBool());
    return list.join(QStringLiteral(", "));
}

} // namespace

class TestPlayListView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        TestCard::prepareEnvironment();
        QVERIFY(_dir.isValid());
        _card = _dir.filePath(QStringLiteral("card"));
        QVERIFY(TestCard::generate(_card, 3, 6, 1));
    }

    void loadSelectsTheFirstRowAndStartsIt()
    {
        PlayListView list;
        QStringList told;  // the list's signals in order
        connect(&list, &PlayListView::loadDataType, this, [&](const QList<qint64> &files, const QString &type) {
            told << type + QStringLiteral(" files");
            for (qint64 file : files)
                told.last() += QStringLiteral(" %1").arg(file);
        });
        connect(&list, &PlayListView::selectedRowFrameIndexSelectByUser, this,
                [&](qint64 file, qint64 frame, bool user) { told << QStringLiteral("start %1 %2 %3").arg(file).arg(frame).arg(user); });
        list.loadData(threeRows(), QStringLiteral("normal"));
        QCOMPARE(told, (QStringList{QStringLiteral("normal files 4 7 9"), QStringLiteral("start 4 0 1")}));
        QCOMPARE(list.selectedRowIndex(), 0);

        // A new load replaces the rows; an empty one starts nothing.
        told.clear();
        list.loadData({}, QStringLiteral("event"));
        QCOMPARE(list.rowCount(), 0);
        QCOMPARE(list.selectedRowIndex(), -1);
        list.playNext();
        list.playPrevious();
        list.playWithFileIndex(4, 0);
        QCOMPARE(told, QStringList{QStringLiteral("event files")});
    }

    void rowTexts()
    {
        const ListRow third{2, QStringLiteral("3"), true, QStringLiteral("2026.11.21 09:00:00"),
                            QStringLiteral("1 min")};
        QCOMPARE(PlayListView::rowText(third), QStringLiteral("3 2026.11.21 09:00:00 [1 min]"));
        PlayListView list;
        list.loadData({third}, QStringLiteral("normal"));
        QCOMPARE(list.tableView()->rowText(0), PlayListView::rowText(third));
        QCOMPARE(list.tableView()->rowHeight(0), 32);
    }

    // Steps on a shown list of files 4, 7, 9 and 7 again: next, previous, map:<file>:<frame>,
    // click:<row>, right:<row>, control:<row> (control-click), below (a click under the rows)
    // or a key. Result: the (file frame by-user) the list told | the selected row.
    void moves_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("result");
        QTest::newRow("previous at the first row") << "previous" << " | 0";
        QTest::newRow("next to the end") << "next next next next" << "7 0 0, 9 0 0, 7 0 0 | 3";
        QTest::newRow("previous takes the last frame") << "next next previous" << "7 0 0, 9 0 0, 7 -1 0 | 1";
        QTest::newRow("click the selected row again") << "click:2 click:2" << "9 0 1, 9 0 1 | 2";
        QTest::newRow("below the rows") << "click:2 below" << "9 0 1 | 2";
        QTest::newRow("right click") << "click:2 right:0" << "9 0 1 | 2";
        QTest::newRow("control-click") << "click:2 control:2" << "9 0 1, 9 0 1 | 2";
        QTest::newRow("keys") << "Down Down Down Down Up" << "7 0 1, 9 0 1, 7 0 1, 9 0 1 | 2";
        QTest::newRow("end and home") << "End Home" << "7 0 1, 4 0 1 | 0";
        QTest::newRow("the player's keys") << "Down Space Left Right" << "7 0 1 | 1";
        QTest::newRow("map, first row of the file") << "map:7:12" << "7 12 1 | 1";
        QTest::newRow("map, file not listed") << "map:5:3" << " | 0";
    }

    void moves()
    {
        QFETCH(QString, steps);
        PlayListView list;
        list.resize(336, 290);
        list.show();
        list.loadData(threeRows() << row(7, 9), QStringLiteral("event"));
        QSignalSpy told(&list, &PlayListView::selectedRowFrameIndexSelectByUser);
        PlayListTable *table = list.tableView();
        table->setFocus();
        for (const QString &step : steps.split(u' ')) {
            const QStringList part = step.split(u':');
            const QPoint at = part.size() > 1 ? rowCentre(table, part[1].toInt()) : QPoint(100, 250);
            if (step == u"next" || step == u"previous")
                step == u"next" ? list.playNext() : list.playPrevious();
            else if (part[0] == u"map")
                list.playWithFileIndex(part[1].toLongLong(), part[2].toLongLong());
            else if (part[0] == u"click" || step == u"below")
                QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
            else if (part[0] == u"right" || part[0] == u"control")
                QTest::mouseClick(table->viewport(), part[0] == u"right" ? Qt::RightButton : Qt::LeftButton,
                                  part[0] == u"right" ? Qt::NoModifier : Qt::ControlModifier, at);
            else
                QTest::keyClick(table, QKeySequence::fromString(step)[0].key());
        }
        QTEST(calls(told) + QStringLiteral(" | %1").arg(list.selectedRowIndex()), "result");
    }

    void userChoiceIsToldBeforeTheSelectionMoves()
    {
        ShownList list(QStringLiteral("event"));
        QList<int> selectedWhenTold;
        connect(&list, &PlayListView::selectedRowFrameIndexSelectByUser, this,
                [&] { selectedWhenTold << list.selectedRowIndex(); });
        clickRow(list.tableView(), 2);
        QCOMPARE(selectedWhenTold, QList<int>{0});
        QCOMPARE(list.selectedRowIndex(), 2);
    }

    // The selected row's box is black, the others white with a black edge and curved
    // corners, all on grey with a 2-pixel margin; the selected row's text is white.
    void drawsBoxesOnGrey()
    {
        ShownList list(QStringLiteral("event"));
        PlayListTable *table = list.tableView();
        const QImage shot = table->viewport()->grab().toImage();
        const QRect first = table->visualRect(table->model()->index(0, 0));
        const QRect second = table->visualRect(table->model()->index(1, 0));
        QCOMPARE(first.height(), 32);
        const int in = PlayListCell::Inset;
        auto only = [&shot](const QRect &r, const QColor &c) {
            return TestCard::countNear(shot, c, 0, r) == r.width() * r.height();
        };
        QVERIFY(only(QRect(first.left() + 10, first.center().y() - 4, 20, 8), Qt::black));
        QVERIFY(only(QRect(second.left() + 10, second.center().y() - 4, 20, 8), Qt::white));
        QVERIFY(only(QRect(first.left(), first.top() + 8, 2, 16), PlayListTable::groundColor()));
        QVERIFY(only(QRect(second.left() + 20, second.top(), 40, 2), PlayListTable::groundColor()));
        QVERIFY(only(QRect(0, 3 * 32 + 20, 200, 40), PlayListTable::groundColor()));
        QVERIFY(shot.pixelColor(second.center().x(), second.top() + in).lightness() < 100);
        const QColor corner = shot.pixelColor(second.left() + in, second.top() + in);
        QVERIFY2(corner.lightness() > 100 && corner != QColor(Qt::white), qPrintable(corner.name()));
        QVERIFY(TestCard::countNear(shot, Qt::white, 55, QRect(first.left() + 60, first.top() + 8, 60, 16)) > 0);
    }

    void triggerRowsOfNormalRecordings()
    {
        FileManager files;
        files.loadFiles(_card);
        const QList<FileVideo *> &normals = files.normalVideos();
        auto firstWith = [&normals](bool triggers) {
            return std::find_if(normals.begin(), normals.end(), [triggers](FileVideo *v) {
                       return v->triggerList().isEmpty() != triggers;
                   }) - normals.begin();
        };
        const qint64 with = firstWith(true), without = firstWith(false);
        QVERIFY(with < normals.size() && without < normals.size());

        TriggerListView list;
        list.resize(336, 290);
        list.show();
        list.setFileManager(&files);
        list.loadWithIndex(with);
        const FileVideo *video = normals[with];
        QCOMPARE(list.rowCount(), int(video->triggerList().size()));
        const _vexa_video_frame_header_t &header = video->headerAtIndex(video->triggerList()[0]);
        QCOMPARE(list.triggers()[0].idx, video->triggerList()[0]);
        QVERIFY2(list.rowText(0).endsWith(u'[' + DisplayFormat::eventTypeString(header.event_type) + u']'),
                 qPrintable(list.rowText(0)));

        // Without triggers: one marker row, selectable but pointing nowhere.
        list.loadWithIndex(without);
        QVERIFY(list.triggers().isEmpty());
        QCOMPARE(list.rowCount(), 1);
        QCOMPARE(list.rowText(0), Texts::text("gui_no_event_marker"));
        QSignalSpy chosen(&list, &TriggerListView::selectedRow);
        clickRow(list.tableView(), 0);
        QCOMPARE(list.selectedRowIndex() + chosen.count(), 0);

        // An index outside the normal list, or no folder model at all, lists no triggers.
        list.loadWithIndex(normals.size());
        QCOMPARE(list.rowText(0), Texts::text("gui_no_event_marker"));
        TriggerListView alone;
        alone.loadWithIndex(0);
        QCOMPARE(alone.rowCount(), 1);
    }

private:
    QTemporaryDir _dir;
    QString _card;
};

QTEST_MAIN(TestPlayListView)
#include "test_PlayListView.moc"
