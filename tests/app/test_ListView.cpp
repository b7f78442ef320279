// The list page over generated cards, in its idle, table and play-list states.
#include "CardGenerator.h"
#include "FileManager.h"
#include "FileTableView.h"
#include "Geometry.h"
#include "TestCard.h"
#include "ListView.h"
#include "PlayListView.h"
#include "SkinButton.h"
#include "SkinCheckButton.h"
#include "SkinManager.h"
#include "Texts.h"
#include "TriggerListView.h"
#include "TripListView.h"

#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// The page's buttons by the names the tests give them.
const QList<std::pair<int, QString>> buttons = {
    {ListView::TagEvent, "Event"}, {ListView::TagNormal, "Normal"}, {ListView::TagLog, "Log"},
    {ListView::TagAll, "All"}, {ListView::TagLoad, "Load"}, {ListView::TagPlayList, "PlayList"},
    {ListView::TagContinuousPlay, "Continuous"}, {ListView::TagShowTrigger, "Trigger"},
    {ListView::TagGoogleEarth, "Earth"}, {ListView::TagCsv, "Csv"}, {ListView::TagClose, "Close"}};

int tagOf(const QString &name)
{
    for (const auto &[tag, button] : buttons)
        if (button == name)
            return tag;
    return -1;
}

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

    void press(int tag) { QTest::mouseClick(list->buttonWithTag(tag), Qt::LeftButton); }

    // The page at a glance: shown lists | shown buttons | of those, the disabled | pushed
    // tabs and switches that are on | ticked rows.
    QString describe() const
    {
        QStringList lists, shown, disabled, on, ticked;
        const std::pair<const char *, QWidget *> views[] = {
            {"event", list->eventTableView()}, {"normal", list->normalTableView()},
            {"log", list->logTableView()}, {"play", list->playListView()}, {"trigger", list->triggerListView()}};
        for (const auto &[name, view] : views)
            if (!view->isHidden())
                lists << QLatin1String(name);
        for (const auto &[tag, name] : buttons) {
            const SkinButtonBase *button = list->buttonWithTag(tag);
            if (!button || button->isHidden())
                continue;
            shown << name;
            if (!button->isSkinEnabled())
                disabled << name;
            const SkinCheckButton *check = list->checkButton(tag);
            if ((list->skinButton(tag) && list->skinButton(tag)->pushMode()) || (check && check->state()))
                on << name;
        }
        for (const QString &type : {QStringLiteral("event"), QStringLiteral("normal"), QStringLiteral("log")}) {
            QStringList rows;
            for (const ListRow &row : list->tableView(type)->checkedRows())
                rows << QString::number(row.idx);
            if (!rows.isEmpty())
                ticked << type + u':' + rows.join(u',');
        }
        return QStringList{lists.join(u' '), shown.join(u' '), disabled.join(u' '), on.join(u' '), ticked.join(u' ')}
            .join(QStringLiteral(" | "));
    }

    QWidget host;
    FileManager *fileManager = nullptr;
    ListView *list = nullptr;
};

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
        QVERIFY(TestCard::generate(_full, 3, 4, 2));
        QVERIFY(TestCard::generate(_dir.filePath(QStringLiteral("no-events")), 0, 3, 1));
        QVERIFY(TestCard::generate(_dir.filePath(QStringLiteral("no-logs")), 2, 2, 0));
    }

    // Steps: load, clear, close (as from the menu), checkAll and uncheckAll (the menu's select
    // all), open:<card>, menu:<button> (a tab from the menu), tick:<list>:<row>, or a button.
    // Alerts are text keys.
    void pageStates_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("alerts");
        const QString normal = QStringLiteral("load Normal tick:normal:1 Load");
        const QString idle = QStringLiteral("event | Event Normal All Load | Event Normal All Load |  | ");
        const QString tables = QStringLiteral(" | Event Normal Log All Load |  | ");
        const QString logs = QStringLiteral("log | Event Normal Log All Load Earth Csv |  | Log | ");
        const QString playing = QStringLiteral("play | PlayList Continuous Trigger Close | PlayList | ");
        QTest::newRow("idle") << "" << "" << idle << "";
        QTest::newRow("idle Load does nothing") << "" << "Load" << idle << "";
        QTest::newRow("loaded") << "full" << "load" << "event" + tables + "Event | " << "";
        QTest::newRow("no events") << "no-events" << "load" << "normal" + tables + "Normal | " << "";
        QTest::newRow("no logs") << "no-logs" << "load" << "event | Event Normal All Load |  | Event | " << "";
        QTest::newRow("no logs, log from the menu") << "no-logs" << "load close menu:Log"
                                                    << "log | Event Normal All Load Earth Csv |  |  | " << "";
        QTest::newRow("log tab") << "full" << "load Log" << logs << "";
        QTest::newRow("event play list") << "full" << "load tick:event:0 Load"
                                         << "play | PlayList Continuous Close | PlayList |  | event:0" << "";
        QTest::newRow("normal play list") << "full" << normal << playing + " | normal:1" << "";
        QTest::newRow("trigger list") << "full" << normal + " Trigger"
                                      << "trigger | PlayList Continuous Trigger Close | PlayList | Trigger | normal:1" << "";
        // Left on, the trigger switch is off with the next play list; continuous play stays.
        QTest::newRow("next play list") << "full" << normal + " Trigger Continuous Close Load"
                                        << playing + "Continuous | normal:1" << "";
        // Ticks stay with the rows.
        QTest::newRow("closed") << "full" << normal + " Close" << "normal" + tables + "Normal | normal:1" << "";
        QTest::newRow("log rows loaded") << "full" << "load Log tick:log:1 Load" << logs + "log:1" << "";
        QTest::newRow("cleared") << "full" << normal + " clear" << "normal" + idle.mid(5) << "";
        QTest::newRow("next folder") << "full" << normal + " clear open:no-events load" << "normal" + tables + "Normal | " << "";
        QTest::newRow("Load without ticks") << "full" << "load Load" << "event" + tables + "Event | "
                                            << "msg_noselected_event";
        QTest::newRow("Load without log ticks") << "full" << "load Log Load" << logs << "msg_noselected_log";
        QTest::newRow("exports without ticks") << "full" << "load Log Csv Earth" << logs
                                               << "msg_noselected_log msg_noselected_log";
        // All ticks every row of the selected table only.
        QTest::newRow("All") << "full" << "load tick:log:0 All" << "event" + tables + "Event All | event:0,1,2 log:0" << "";
        QTest::newRow("All twice") << "full" << "load tick:log:0 All All" << "event" + tables + "Event | log:0" << "";
        QTest::newRow("select all") << "full" << "load menu:Normal checkAll"
                                    << "normal" + tables + "Normal All | normal:0,1,2,3" << "";
        QTest::newRow("unselect all") << "full" << "load menu:Normal tick:log:0 checkAll uncheckAll"
                                      << "normal" + tables + "Normal | log:0" << "";
    }

    void pageStates()
    {
        QFETCH(QString, card);
        QFETCH(QString, steps);
        QFETCH(QString, alerts);
        Page page(*_skin, card.isEmpty() ? QString() : _dir.filePath(card));
        AlertCatcher catcher;
        for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
            const QStringList part = step.split(u':');
            if (step == u"load")
                page.list->load();
            else if (step == u"clear")
                page.list->clear();
            else if (step == u"close")
                page.list->close();
            else if (step.endsWith(u"heckAll"))
                page.list->checkAll(step == u"checkAll");
            else if (part[0] == u"open")
                page.fileManager->loadFiles(_dir.filePath(part[1]));
            else if (part[0] == u"menu")
                page.list->selectTab(tagOf(part[1]));
            else if (part[0] == u"tick")
                page.list->tableView(part[1])->setChecked(part[2].toInt(), true);
            else
                page.press(tagOf(step));
        }
        QTEST(page.describe(), "state");
        QStringList texts;
        for (const QString &key : alerts.split(u' ', Qt::SkipEmptyParts))
            texts << Texts::text(key);
        QCOMPARE(catcher.texts(), texts);
    }

    // The rows come at once with "…" for the figures the logs hold; those fill in as a fresh full
    // read of the card gives them. A ticked trip loads its normal recordings and ticks all its files.
    void tripsTab()
    {
        // Logs long enough that opening the card reads only their ends.
        const QString folder = _dir.filePath(QStringLiteral("long-logs"));
        CardGenerator::Options options;
        options.eventCount = 3;
        options.normalCount = 4;
        options.logCount = 2;
        options.logSeconds = 300;
        QVERIFY(CardGenerator(options).generate(folder));
        Page page(*_skin, folder);
        page.list->load();
        page.press(ListView::TagTrips);
        const TripListView *trips = page.list->tripListView();
        QCOMPARE(trips->tableView()->rowCount(), 1);
        QVERIFY(trips->figuresPending());
        QCOMPARE(trips->tableView()->item(0, 4)->text(), QStringLiteral("…"));
        QTRY_VERIFY(!trips->figuresPending());
        FileManager fresh;
        QVERIFY(fresh.loadFiles(folder));
        const TripBuilder::Trips full = TripBuilder::build(TripBuilder::sourcesOf(fresh), TripBuilder::storedGapSeconds(),
                                                           DrivingEvents::storedThresholds(DisplayFormat()));
        QCOMPARE(trips->trips().size(), full.size());
        const TripBuilder::Trip &shown = trips->trips()[0], &read = full[0];
        for (const auto &[what, value, expected] :
             {std::tuple{"distance", shown.distanceM, read.distanceM}, {"top speed", shown.topSpeedKmh, read.topSpeedKmh},
              {"moving", double(shown.movingSeconds), double(read.movingSeconds)},
              {"events", double(shown.events.size()), double(read.events.size())}})
            QVERIFY2(value == expected, what);
        QCOMPARE(trips->tableView()->item(0, 4)->text(), page.list->displayFormat().distanceValue(read.distanceM));
        QVERIFY2(trips->summaryText().startsWith(QStringLiteral("Trips: 1 · ")), qPrintable(trips->summaryText()));
        trips->tableView()->item(0, 0)->setCheckState(Qt::Checked);
        page.press(ListView::TagLoad);
        QCOMPARE(page.describe(), QStringLiteral("play | PlayList Continuous Trigger Close | PlayList |  | event:0,1,2 normal:0,1,2,3 log:0,1"));
        QCOMPARE(page.list->selectedTab(), QStringLiteral("normal"));
        page.press(ListView::TagClose);
        QVERIFY(trips->isVisible());
    }

    void columnsPerType()
    {
        const QString no = Texts::text("gui_list_no");
        for (const auto &[type, file, last] : {std::tuple{"event", "gui_event_file", "gui_type"},
                                               {"normal", "gui_normal_file", "gui_duration"},
                                               {"log", "gui_log_file", "gui_duration"}})
            QCOMPARE(FileTableView(QLatin1String(type)).columnTitles(),
                     (QStringList{no, Texts::text(file), Texts::text(last)}));
        QCOMPARE(FileTableView(QStringLiteral("other")).columnTitles(), QStringList{no});

        FileTableView table(QStringLiteral("normal"));
        ListRow row{4, QStringLiteral("12"), true, QStringLiteral("date"), QStringLiteral("1 min")};
        table.loadData({row});
        const QTableWidget *view = table.tableView();
        QCOMPARE(view->item(0, 0)->checkState(), Qt::Checked);
        QCOMPARE(view->item(0, 2)->text(), QStringLiteral("1 min"));
        QVERIFY(view->item(0, 2)->textAlignment() & Qt::AlignRight);
        QVERIFY(!(view->item(0, 1)->flags() & Qt::ItemIsEditable));
    }

    // Load hands the ticked rows over and the play list starts the first; the Close button
    // tells the main view, closing from the menu tells nobody.
    void loadAndCloseTellTheMainView()
    {
        Page page(*_skin, _full);
        page.list->load();
        page.list->eventTableView()->setChecked(0, true);
        page.list->eventTableView()->setChecked(2, true);
        QSignalSpy loads(page.list, &ListView::loadDataSelectedTab);
        QSignalSpy starts(page.list->playListView(), &PlayListView::selectedRowFrameIndexSelectByUser);
        QSignalSpy commands(page.list, &ListView::command);
        page.press(ListView::TagLoad);
        const auto rows = loads.first().at(0).value<QList<ListRow>>();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(loads.first().at(1).toString(), QStringLiteral("event"));
        QCOMPARE(starts.count(), 1);

        page.press(ListView::TagClose);
        QCOMPARE(commands.first().first().toInt(), int(ListView::TagClose));
        page.press(ListView::TagLoad);
        page.list->close();
        QCOMPARE(commands.count(), 1);
    }

    // Backup takes the ticked rows of every table, the exports the ticked logs.
    void backupAndExportsHandOverTickedRows()
    {
        Page page(*_skin, _full);
        page.list->load();
        QSignalSpy backups(page.list, &ListView::backupData);
        QSignalSpy csv(page.list, &ListView::exportCSV);
        QSignalSpy kml(page.list, &ListView::exportKML);
        auto rows = [](const QVariant &value) {
            QStringList list;
            for (const ListRow &row : value.value<QList<ListRow>>())
                list << QString::number(row.idx);
            return list.join(u' ');
        };
        page.list->backup();
        QCOMPARE(rows(backups.last().at(0)) + rows(backups.last().at(1)) + rows(backups.last().at(2)), QString());
        page.list->eventTableView()->setChecked(2, true);
        page.list->normalTableView()->setChecked(0, true);
        page.list->normalTableView()->setChecked(3, true);
        page.list->backup();
        QCOMPARE(rows(backups.last().at(0)) + u'/' + rows(backups.last().at(1)) + u'/' + rows(backups.last().at(2)),
                 QStringLiteral("2/0 3/"));

        page.press(ListView::TagLog);
        page.list->logTableView()->setChecked(1, true);
        page.press(ListView::TagCsv);
        page.press(ListView::TagGoogleEarth);
        QCOMPARE(rows(csv.first().first()), QStringLiteral("1"));
        QCOMPARE(rows(kml.last().first()), QStringLiteral("1"));
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
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(checks.count(), 1);
        QCOMPARE(view->item(1, 0)->checkState(), Qt::Checked);
        QTest::keyClick(view, Qt::Key_Space);
        QVERIFY(table->checkedRows().isEmpty());

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

    void placedAndDrawnOnTheSkin()
    {
        Page page(*_skin);
        QCOMPARE(page.list->geometry(), Geometry::toQt(_skin->rectForKey(ListView::KeyArea), 768));
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
    QString _full;
};

QTEST_MAIN(TestListView)
#include "test_ListView.moc"
