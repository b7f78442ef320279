// The list page over generated cards: what is shown, hidden and enabled in the idle,
// table and play-list states, ticking and loading rows, All, the exports' guard, Close,
// clearing, and the keyboard in the tables.
#include "FileManager.h"
#include "FileTableView.h"
#include "TestCard.h"
#include "ListView.h"
#include "PlayListView.h"
#include "SkinButton.h"
#include "SkinCheckButton.h"
#include "SkinManager.h"
#include "Texts.h"
#include "TriggerListView.h"

#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// A window-sized host with the folder model and the list page of one card.
struct Page {
    explicit Page(const SkinManager &skin, const QString &folder = QString())
    {
        host.resize(1024, 768);
        fileManager = new FileManager(&host);
        if (!folder.isEmpty())
            fileManager->loadFiles(folder);
        list = new ListView(skin, fileManager, &host);
        host.show();
    }

    // Whether a button of the page is shown (as far as the page decides).
    bool shown(int tag) const
    {
        const SkinButtonBase *button = list->buttonWithTag(tag);
        return button && !button->isHidden();
    }
    bool enabled(int tag) const { return list->buttonWithTag(tag)->isSkinEnabled(); }
    bool pushed(int tag) const { return list->skinButton(tag)->pushMode(); }
    void press(int tag) { QTest::mouseClick(list->buttonWithTag(tag), Qt::LeftButton); }

    QWidget host;
    FileManager *fileManager = nullptr;
    ListView *list = nullptr;
};

QStringList shownTables(const ListView &list)
{
    QStringList shown;
    if (!list.eventTableView()->isHidden())
        shown << QStringLiteral("event");
    if (!list.normalTableView()->isHidden())
        shown << QStringLiteral("normal");
    if (!list.logTableView()->isHidden())
        shown << QStringLiteral("log");
    if (!list.playListView()->isHidden())
        shown << QStringLiteral("play");
    if (!list.triggerListView()->isHidden())
        shown << QStringLiteral("trigger");
    return shown;
}

// The page at a glance: shown lists | shown buttons | of those, the disabled | pushed tabs.
QString describe(const Page &page)
{
    static const QList<std::pair<int, const char *>> buttons = {
        {ListView::TagEvent, "Event"}, {ListView::TagNormal, "Normal"}, {ListView::TagLog, "Log"},
        {ListView::TagAll, "All"}, {ListView::TagLoad, "Load"}, {ListView::TagPlayList, "PlayList"},
        {ListView::TagContinuousPlay, "Continuous"}, {ListView::TagShowTrigger, "Trigger"},
        {ListView::TagGoogleEarth, "Earth"}, {ListView::TagCsv, "Csv"}, {ListView::TagClose, "Close"}};
    QStringList shown, disabled, pushed;
    for (const auto &[tag, name] : buttons) {
        if (!page.shown(tag))
            continue;
        shown << QLatin1String(name);
        if (!page.enabled(tag))
            disabled << QLatin1String(name);
        if (page.list->skinButton(tag) && page.pushed(tag))
            pushed << QLatin1String(name);
    }
    return QStringList{shownTables(*page.list).join(u' '), shown.join(u' '), disabled.join(u' '), pushed.join(u' ')}
        .join(QStringLiteral(" | "));
}

} // namespace

class TestListView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        TestCard::prepareEnvironment();
        QVERIFY(_dir.isValid());
        _skin = SkinManager::create();
        QVERIFY(_skin);
        _full = _dir.filePath(QStringLiteral("full"));
        _noEvents = _dir.filePath(QStringLiteral("no-events"));
        _noLogs = _dir.filePath(QStringLiteral("no-logs"));
        QVERIFY(TestCard::generate(_full, 3, 4, 2));
        QVERIFY(TestCard::generate(_noEvents, 0, 3, 1));
        QVERIFY(TestCard::generate(_noLogs, 2, 2, 0));
    }

    // Steps: load, clear, close (from the menu), menu:<tag> (a tab from the menu),
    // press:<tag>, tick:<list>:<row>.
    void pageStates_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state");
        const QString tick0 = "load tick:event:0 press:" + QString::number(ListView::TagLoad);
        const QString normal = QStringLiteral("load press:%1 tick:normal:1 press:%2").arg(ListView::TagNormal).arg(ListView::TagLoad);
        QTest::newRow("idle") << "" << "" << "event | Event Normal All Load | Event Normal All Load | ";
        QTest::newRow("idle Load does nothing") << "" << "press:" + QString::number(ListView::TagLoad)
                                                << "event | Event Normal All Load | Event Normal All Load | ";
        QTest::newRow("loaded") << "full" << "load" << "event | Event Normal Log All Load |  | Event";
        QTest::newRow("no events") << "no-events" << "load" << "normal | Event Normal Log All Load |  | Normal";
        QTest::newRow("no logs") << "no-logs" << "load" << "event | Event Normal All Load |  | Event";
        QTest::newRow("no logs, log from the menu") << "no-logs" << "load close menu:" + QString::number(ListView::TagLog)
                                                    << "log | Event Normal All Load Earth Csv |  | ";
        QTest::newRow("log tab") << "full" << "load press:" + QString::number(ListView::TagLog)
                                 << "log | Event Normal Log All Load Earth Csv |  | Log";
        QTest::newRow("normal tab") << "full" << QStringLiteral("load press:%1 press:%2").arg(ListView::TagLog).arg(ListView::TagNormal)
                                    << "normal | Event Normal Log All Load |  | Normal";
        QTest::newRow("event play list") << "full" << tick0 << "play | PlayList Continuous Close | PlayList | ";
        QTest::newRow("normal play list") << "full" << normal << "play | PlayList Continuous Trigger Close | PlayList | ";
        QTest::newRow("trigger list") << "full" << normal + " press:" + QString::number(ListView::TagShowTrigger)
                                      << "trigger | PlayList Continuous Trigger Close | PlayList | ";
        QTest::newRow("closed") << "full" << normal + " press:" + QString::number(ListView::TagClose)
                                << "normal | Event Normal Log All Load |  | Normal";
        QTest::newRow("log rows loaded") << "full" << QStringLiteral("load press:%1 tick:log:1 press:%2").arg(ListView::TagLog).arg(ListView::TagLoad)
                                         << "log | Event Normal Log All Load Earth Csv |  | Log";
        QTest::newRow("cleared") << "full" << normal + " clear" << "normal | Event Normal All Load | Event Normal All Load | ";
    }

    void pageStates()
    {
        QFETCH(QString, card);
        QFETCH(QString, steps);
        Page page(*_skin, card.isEmpty() ? QString() : _dir.filePath(card));
        AlertCatcher alerts;
        for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
            const QStringList part = step.split(u':');
            if (step == u"load")
                page.list->load();
            else if (step == u"clear")
                page.list->clear();
            else if (step == u"close")
                page.list->close();
            else if (part[0] == u"menu")
                page.list->selectTab(part[1].toInt());
            else if (part[0] == u"press")
                page.press(part[1].toInt());
            else if (part[0] == u"tick")
                (part[1] == u"event" ? page.list->eventTableView()
                                     : part[1] == u"normal" ? page.list->normalTableView() : page.list->logTableView())
                    ->setChecked(part[2].toInt(), true);
        }
        QTEST(describe(page), "state");
        QVERIFY(alerts.texts().isEmpty());
    }

    void placesItselfOnTheSkin()
    {
        Page page(*_skin);
        const QRect area = _skin->rectForKey(ListView::KeyArea);
        QCOMPARE(page.list->geometry(), QRect(area.x(), 768 - area.y() - area.height(),
                                              area.width(), area.height()));
        for (int tag : {26, 27, 29, 30, 31, 44, 45, 46, 47, 49, 50})
            QVERIFY2(page.list->buttonWithTag(tag), qPrintable(QString::number(tag)));
        QVERIFY(page.list->checkButton(ListView::TagAll));
        QVERIFY(page.list->checkButton(ListView::TagContinuousPlay));
        QVERIFY(page.list->checkButton(ListView::TagShowTrigger));
        QCOMPARE(page.list->skinButton(ListView::TagLoad)->text(), Texts::text("button_load"));
        QCOMPARE(page.list->buttonWithTag(ListView::TagShowTrigger)->toolTip(),
                 Texts::text("tooltip_show_trigger"));
    }

    void columnsPerType()
    {
        const QString no = Texts::text("gui_list_no");
        QCOMPARE(FileTableView(QStringLiteral("event")).columnTitles(),
                 (QStringList{no, Texts::text("gui_event_file"), Texts::text("gui_type")}));
        QCOMPARE(FileTableView(QStringLiteral("normal")).columnTitles(),
                 (QStringList{no, Texts::text("gui_normal_file"), Texts::text("gui_duration")}));
        QCOMPARE(FileTableView(QStringLiteral("log")).columnTitles(),
                 (QStringList{no, Texts::text("gui_log_file"), Texts::text("gui_duration")}));
        QCOMPARE(FileTableView(QStringLiteral("other")).columnTitles(), QStringList{no});

        FileTableView table(QStringLiteral("normal"));
        ListRow row{4, QStringLiteral("12"), true, QStringLiteral("date"), QStringLiteral("1 min")};
        table.loadData({row});
        const QTableWidget *view = table.tableView();
        QCOMPARE(view->item(0, 0)->text(), QStringLiteral("12"));
        QCOMPARE(view->item(0, 0)->checkState(), Qt::Checked);
        QCOMPARE(view->item(0, 1)->text(), QStringLiteral("date"));
        QCOMPARE(view->item(0, 2)->text(), QStringLiteral("1 min"));
        QVERIFY(view->item(0, 2)->textAlignment() & Qt::AlignRight);
        QVERIFY(!(view->item(0, 1)->flags() & Qt::ItemIsEditable));
    }

    void loadWithNothingTickedAlerts()
    {
        Page page(*_skin, _full);
        page.list->load();
        QSignalSpy loads(page.list, &ListView::loadDataSelectedTab);
        AlertCatcher alerts;
        page.press(ListView::TagLoad);
        page.list->selectTab(ListView::TagNormal);
        page.press(ListView::TagLoad);
        page.list->selectTab(ListView::TagLog);
        page.press(ListView::TagLoad);
        QCOMPARE(alerts.texts(), (QStringList{Texts::text("msg_noselected_event"),
                                              Texts::text("msg_noselected_normal"),
                                              Texts::text("msg_noselected_log")}));
        QCOMPARE(loads.count(), 0);
        QCOMPARE(shownTables(*page.list), QStringList{QStringLiteral("log")});
        QVERIFY(page.list->playListView()->data().isEmpty());
    }

    void loadEventRowsEntersPlayList()
    {
        Page page(*_skin, _full);
        page.list->load();
        page.list->eventTableView()->setChecked(0, true);
        page.list->eventTableView()->setChecked(2, true);
        QSignalSpy loads(page.list, &ListView::loadDataSelectedTab);
        QSignalSpy starts(page.list->playListView(),
                          &PlayListView::selectedRowFrameIndexSelectByUser);
        page.press(ListView::TagLoad);

        QCOMPARE(loads.count(), 1);
        const auto rows = loads.first().at(0).value<QList<ListRow>>();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].idx, 2);
        QCOMPARE(loads.first().at(1).toString(), QStringLiteral("event"));
        QCOMPARE(starts.count(), 1);  // the play list starts its first row

        QCOMPARE(page.list->selectedTab(), QStringLiteral("event"));
    }

    void normalRowsOfferTheTriggerSwitch()
    {
        Page page(*_skin, _full);
        page.list->load();
        page.press(ListView::TagNormal);
        page.list->normalTableView()->setChecked(1, true);
        page.press(ListView::TagLoad);
        page.press(ListView::TagShowTrigger);
        QVERIFY(page.list->checkButton(ListView::TagShowTrigger)->state());
        page.press(ListView::TagShowTrigger);
        QCOMPARE(shownTables(*page.list), QStringList{QStringLiteral("play")});

        // Left on, the switch is off again with the next play list, which is what shows.
        page.press(ListView::TagShowTrigger);
        page.press(ListView::TagClose);
        page.press(ListView::TagLoad);
        QVERIFY(!page.list->checkButton(ListView::TagShowTrigger)->state());
        QCOMPARE(shownTables(*page.list), QStringList{QStringLiteral("play")});
    }

    void closeReturnsToTheSelectedTable()
    {
        Page page(*_skin, _full);
        page.list->load();
        page.press(ListView::TagNormal);
        page.list->normalTableView()->setChecked(0, true);
        page.press(ListView::TagLoad);
        page.press(ListView::TagContinuousPlay);

        QSignalSpy commands(page.list, &ListView::command);
        page.press(ListView::TagClose);
        QCOMPARE(commands.count(), 1);
        QCOMPARE(commands.first().first().toInt(), int(ListView::TagClose));
        // Ticks stay with the rows.
        QCOMPARE(page.list->normalTableView()->checkedRows().size(), 1);
        // The continuous-play switch keeps its state for the next play list.
        QVERIFY(page.list->continuousPlay());

        // Tag 3300 closes the same way but tells nobody.
        page.press(ListView::TagLoad);
        commands.clear();
        page.list->close();
        QCOMPARE(commands.count(), 0);
    }

    void allTicksOnlyTheSelectedTable()
    {
        Page page(*_skin, _full);
        page.list->load();
        page.list->logTableView()->setChecked(0, true);
        page.press(ListView::TagAll);
        QVERIFY(page.list->checkButton(ListView::TagAll)->state());
        QCOMPARE(page.list->eventTableView()->checkedRows().size(), 3);
        for (int row = 0; row < 3; ++row)
            QCOMPARE(page.list->eventTableView()->tableView()->item(row, 0)->checkState(), Qt::Checked);
        QCOMPARE(page.list->normalTableView()->checkedRows().size(), 0);
        QCOMPARE(page.list->logTableView()->checkedRows().size(), 1);

        page.press(ListView::TagAll);
        QVERIFY(!page.list->checkButton(ListView::TagAll)->state());
        QCOMPARE(page.list->eventTableView()->checkedRows().size(), 0);

        // The menu's select all / unselect all (tags 49, 4900).
        page.list->selectTab(ListView::TagNormal);
        page.list->checkAll(true);
        QCOMPARE(page.list->normalTableView()->checkedRows().size(), 4);
        QVERIFY(page.list->checkButton(ListView::TagAll)->state());
        page.list->checkAll(false);
        QCOMPARE(page.list->normalTableView()->checkedRows().size(), 0);
        QCOMPARE(page.list->logTableView()->checkedRows().size(), 1);
    }

    void exportsNeedTickedLogs()
    {
        Page page(*_skin, _full);
        page.list->load();
        page.press(ListView::TagLog);
        QSignalSpy csv(page.list, &ListView::exportCSV);
        QSignalSpy kml(page.list, &ListView::exportKML);
        {
            AlertCatcher alerts;
            page.press(ListView::TagCsv);
            page.press(ListView::TagGoogleEarth);
            QCOMPARE(alerts.texts(), QStringList(2, Texts::text("msg_noselected_log")));
        }
        QCOMPARE(csv.count() + kml.count(), 0);
        page.list->logTableView()->setChecked(1, true);
        page.press(ListView::TagCsv);
        page.press(ListView::TagGoogleEarth);
        QCOMPARE(csv.count(), 1);
        QCOMPARE(kml.count(), 1);
        QCOMPARE(csv.first().first().value<QList<ListRow>>().size(), 1);
        QCOMPARE(kml.first().first().value<QList<ListRow>>().first().idx, 1);
    }

    void clearReturnsToIdle()
    {
        Page page(*_skin, _full);
        page.list->load();
        page.list->checkAll(true);
        page.press(ListView::TagLoad);
        page.list->clear();
        QVERIFY(page.list->eventTableView()->data().isEmpty());
        QVERIFY(page.list->playListView()->data().isEmpty());
        QVERIFY(!page.list->checkButton(ListView::TagAll)->state());
        // Opening the next folder starts over.
        page.fileManager->loadFiles(_noEvents);
        page.list->load();
        QCOMPARE(page.list->normalTableView()->data().size(), 3);
        QVERIFY(page.enabled(ListView::TagLoad));
    }

    void backupHandsOverTickedRows()
    {
        Page page(*_skin, _full);
        page.list->load();
        QSignalSpy backups(page.list, &ListView::backupData);
        page.list->backup();
        QCOMPARE(backups.count(), 1);
        for (int i = 0; i < 3; ++i)
            QVERIFY(backups.last().at(i).value<QList<ListRow>>().isEmpty());
        page.list->eventTableView()->setChecked(2, true);
        page.list->normalTableView()->setChecked(0, true);
        page.list->normalTableView()->setChecked(3, true);
        page.list->backup();
        QCOMPARE(backups.last().at(0).value<QList<ListRow>>().size(), 1);
        QCOMPARE(backups.last().at(1).value<QList<ListRow>>().size(), 2);
        QCOMPARE(backups.last().at(1).value<QList<ListRow>>().last().idx, 3);
        QVERIFY(backups.last().at(2).value<QList<ListRow>>().isEmpty());
    }

    void keyboardMovesAndTicks()
    {
        Page page(*_skin, _full);
        page.list->load();
        FileTableView *table = page.list->eventTableView();
        QTableWidget *view = table->tableView();
        view->setFocus();
        view->setCurrentCell(0, 1);
        QSignalSpy checks(table, &FileTableView::rowChecked);

        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(view->currentRow(), 1);
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(checks.count(), 1);
        QVERIFY(table->data()[1].col1);
        QCOMPARE(view->item(1, 0)->checkState(), Qt::Checked);
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Space);
        QTest::keyClick(view, Qt::Key_Up);
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(table->checkedRows().size(), 1);
        QCOMPARE(table->checkedRows().first().idx, 2);

        // Left and right are not the table's: they travel on to the window.
        struct KeyRecorder : QObject {
            QList<int> keys;
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::KeyPress)
                    keys << static_cast<QKeyEvent *>(event)->key();
                return false;
            }
        } recorder;
        page.host.installEventFilter(&recorder);
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(recorder.keys, QList<int>{Qt::Key_Right});
    }

    void drawsTheBackground()
    {
        Page page(*_skin);
        const QImage back = _skin->imageForKey(ListView::KeyBackground);
        QVERIFY(!back.isNull());
        const QRect place = page.list->backRect();
        QCOMPARE(place.size(), back.size());
        const QImage shot = page.list->grab().toImage();
        // A point of the background that no table or button covers: between the tabs and
        // the tables.
        const QPoint probe(place.left() + 3, place.top() + 3);
        QVERIFY(!page.list->childAt(probe));
        QCOMPARE(shot.pixelColor(probe), back.pixelColor(probe - place.topLeft()));
    }

private:
    QTemporaryDir _dir;
    std::unique_ptr<SkinManager> _skin;
    QString _full, _noEvents, _noLogs;
};

QTEST_MAIN(TestListView)
#include "test_ListView.moc"
